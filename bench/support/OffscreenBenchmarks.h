#pragma once
// The main() of a benchmark that needs a Qt application: offscreen, the
// application object of kind `App` (QGuiApplication, or QApplication for
// widgets), then `Scopes` (such as ChartEngineScope) for the whole run.
#include <QByteArray>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <memory>
#include <tuple>

template <class App, class... Scopes>
int RunOffscreenBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  App app(argc, argv);
  [[maybe_unused]] const auto scopes = std::make_tuple(std::make_unique<Scopes>()...);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
