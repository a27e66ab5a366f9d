// A print preview repaint of a chart holding a 10^6-point fast line against
// rendering that chart into an image, timed in turns in one run. The
// preview draws the chart laid out at its print size (here the panel's
// own, 400 x 250) and mapped onto its rectangle on the paper, so the
// "ratio" counter, against an image of the panel's size, is what the
// preview adds (paper, shadow, mapping); it should stay at or below 1.3.
// "ratioOnPaperSize" is against an image only as large as the chart's
// rectangle on the paper: a chart laid out at that size has fewer labels,
// legend rows and pixel columns than the print layout the preview shows
// when the rectangle is smaller than the print size (the small client),
// and more when it is larger (a preview window filling a 1920 x 1080
// screen).
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TFastLineSeries.h"
#include "charteditor/preview/TPlotPreviewPanel.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

void BM_PreviewRepaintOverChartImage(benchmark::State& state) {
  ChartEngineScope engine({RegisterSeriesTypes});
  TChart chart;
  chart.SetWidth(400);
  chart.SetHeight(250);
  chart.SetPrintProportional(false);
  chart.SetView3D(false);  // as the data extractor shows it
  auto* line = new TFastLineSeries(&chart);
  line->BeginUpdate();
  for (int i = 0; i < 1000000; ++i) line->AddPointXY(i, std::sin(i * 0.0005) * 100 + (i % 41));
  line->EndUpdate();
  chart.AddSeries(line);
  TPlotPreviewPanel preview;
  preview.SetWidth(static_cast<int>(state.range(0)));
  preview.SetHeight(static_cast<int>(state.range(1)));
  preview.SetScreenSize(QSize(1920, 1080));
  preview.SetBufferedDisplay(false);
  preview.SetPanel(&chart);
  const TRect onPaper = preview.ChartRectOnPaper();
  QImage page(preview.Width(), preview.Height(), QImage::Format_RGB32);
  using Clock = std::chrono::steady_clock;
  Clock::duration previewTime{}, chartTime{}, smallTime{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    {
      QPainter painter(&page);
      QPainterBackend backend(painter);
      preview.Draw(backend, TRect{0, 0, preview.Width(), preview.Height()});
    }
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(
        chart.CreateBitmap(base::clWhite, TRect{0, 0, 400, 250}, TCustomPlotPanel::pf32bit));
    const auto t2 = Clock::now();
    benchmark::DoNotOptimize(chart.CreateBitmap(
        base::clWhite, TRect{0, 0, onPaper.Width(), onPaper.Height()}, TCustomPlotPanel::pf32bit));
    const auto t3 = Clock::now();
    previewTime += t1 - t0;
    chartTime += t2 - t1;
    smallTime += t3 - t2;
  }
  state.counters["ratio"] = std::chrono::duration<double>(previewTime).count() /
                            std::chrono::duration<double>(chartTime).count();
  state.counters["ratioOnPaperSize"] = std::chrono::duration<double>(previewTime).count() /
                                       std::chrono::duration<double>(smallTime).count();
}
BENCHMARK(BM_PreviewRepaintOverChartImage)
    ->Args({400, 250})
    ->Args({1700, 950})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
