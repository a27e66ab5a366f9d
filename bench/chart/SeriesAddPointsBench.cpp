// The data extractor fills a series with up to ten million points inside
// BeginUpdate/EndUpdate. Against the bare minimum, pushing the same pairs
// into two std::vector<double>, the ratio is what the series' rules cost
// (order, colours and labels that stay absent, notices held back).
// "bytes/point" is what the series keeps per point once filled.
#include "chart/core/ChartEngine.h"
#include "chart/model/TChartSeries.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int PointCount = 10'000'000;

double X(int i) {
  return i * 0.5;
}
double Y(int i) {
  return (i % 1000) * 0.25;
}

void BM_TwoVectorsBaseline(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> x, y;
    for (int i = 0; i < PointCount; ++i) {
      x.push_back(X(i));
      y.push_back(Y(i));
    }
    benchmark::DoNotOptimize(x.data());
    benchmark::DoNotOptimize(y.data());
  }
  state.SetItemsProcessed(state.iterations() * PointCount);
}

void BM_SeriesAddPointXY(benchmark::State& state) {
  ChartEngineScope engine;
  double bytesPerPoint = 0;
  for (auto _ : state) {
    TChartSeries series;
    series.BeginUpdate();
    for (int i = 0; i < PointCount; ++i) series.AddPointXY(X(i), Y(i));
    series.EndUpdate();
    benchmark::DoNotOptimize(series.XValues()->Values().data());
    state.PauseTiming();
    std::size_t bytes = 0;
    for (int k = 0; k < series.ValuesList().Count(); ++k) {
      bytes += series.ValuesList()[k].Capacity() * sizeof(double);
    }
    bytes += series.ColorCount() * sizeof(base::TColor) + series.LabelCount() * sizeof(QString);
    bytesPerPoint = static_cast<double>(bytes) / series.PointCount();
    state.ResumeTiming();
  }
  state.counters["bytes/point"] = bytesPerPoint;
  state.SetItemsProcessed(state.iterations() * PointCount);
}

}  // namespace

BENCHMARK(BM_TwoVectorsBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeriesAddPointXY)->Unit(benchmark::kMillisecond);
