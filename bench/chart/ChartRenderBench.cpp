// A full render of a 640 x 400 chart with 20 line series, the bottom axis
// showing the points' texts, against the same chart with a tenth of the
// points, timed in turns in one run. The "ratio" counter of
// BM_ChartRenderTenfoldPoints is the cost of ten times the points; linear
// work keeps it near 10, and it must stay at or below 15.
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "tests/chart/support/ChartTestSeries.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Scene {
  explicit Scene(int points) : target(640, 400, QImage::Format_ARGB32_Premultiplied) {
    chart.SetView3D(false);
    chart.SetWidth(640);
    chart.SetHeight(400);
    chart.Title()->SetText({QStringLiteral("Twenty series")});
    chart.BottomAxis()->SetLabelStyle(TChartAxis::talText);
    for (int k = 0; k < 20; ++k) {
      series.push_back(std::make_unique<TLineTestSeries>());
      TLineTestSeries& s = *series.back();
      for (int i = 0; i < points; ++i)
        s.AddPointXY(i, std::sin(i * 0.001 + k) * 100 + k, QStringLiteral("P%1").arg(i));
      chart.AddSeries(&s);
    }
  }
  void Render() {
    chart.InvalidateChart();
    QPainter painter(&target);
    QPainterBackend backend(painter);
    chart.Draw(backend, chart.GetRectangle());
  }
  ChartEngineScope engine;
  TChart chart;
  std::vector<std::unique_ptr<TLineTestSeries>> series;
  QImage target;
};

void BM_ChartRender(benchmark::State& state) {
  Scene s(static_cast<int>(state.range(0)));
  for (auto _ : state) s.Render();
}

void BM_ChartRenderTenfoldPoints(benchmark::State& state) {
  Scene small(10000), large(100000);
  using Clock = std::chrono::steady_clock;
  Clock::duration smallTime{}, largeTime{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    small.Render();
    const auto t1 = Clock::now();
    large.Render();
    const auto t2 = Clock::now();
    smallTime += t1 - t0;
    largeTime += t2 - t1;
  }
  state.counters["ratio"] = std::chrono::duration<double>(largeTime).count() /
                            std::chrono::duration<double>(smallTime).count();
}

BENCHMARK(BM_ChartRender)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRenderTenfoldPoints)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QApplication>(argc, argv);
}
