// The Data page's grid over the extractor's series: opening it and scrolling
// to the last row, painted, for 10^6 points against 10^3 points, timed in
// turns in one run ("ratio" should stay at or below 10: the grid reads the
// points, it keeps nothing per point of its own). "gridMB" is the heap the
// grid holds beyond its series of 10^6 points (the table view keeps one
// small entry per row in its row header).
#include "bench/support/OffscreenBenchmarks.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TFastLineSeries.h"
#include "charteditor/grid/TChartGrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// The extractor's series: ascending dates on X, one a day.
struct DateChart {
  explicit DateChart(int points) {
    series = new TFastLineSeries(&chart);
    series->XValues()->SetDateTime(true);
    chart.AddSeries(series);
    series->BeginUpdate();
    for (int i = 0; i < points; ++i) series->AddPointXY(40000.0 + i, (i * 37) % 101 * 0.5);
    series->EndUpdate();
  }
  TChart chart;
  TFastLineSeries* series;
};

// Opens a grid on the chart, goes to its last row and paints what shows.
void OpenAndScroll(TChart& chart) {
  TChartGrid grid;
  grid.resize(600, 400);
  grid.SetChart(&chart);
  grid.MoveToRow(grid.Model().rowCount() - 1);
  grid.scrollToBottom();
  QImage image(grid.size(), QImage::Format_RGB32);
  grid.render(&image);
  benchmark::DoNotOptimize(image.bits());
}

void BM_GridMillionAgainstThousand(benchmark::State& state) {
  DateChart small(1000);
  DateChart large(1000000);
  double smallSeconds = 0;
  double largeSeconds = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    OpenAndScroll(small.chart);
    const auto t1 = Clock::now();
    OpenAndScroll(large.chart);
    const auto t2 = Clock::now();
    smallSeconds += std::chrono::duration<double>(t1 - t0).count();
    largeSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  state.counters["ratio"] = largeSeconds / smallSeconds;
}

void BM_GridMemory(benchmark::State& state) {
  DateChart large(1000000);
  double rise = 0;
  for (auto _ : state) {
    const auto before = mallinfo2().uordblks;
    auto grid = std::make_unique<TChartGrid>();
    grid->resize(600, 400);
    grid->SetChart(&large.chart);
    grid->MoveToRow(999999);
    rise = static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
  }
  state.counters["gridMB"] = rise;
}

BENCHMARK(BM_GridMillionAgainstThousand)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_GridMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  return RunOffscreenBenchmarks<QApplication, ChartEngineScope>(argc, argv);
}
