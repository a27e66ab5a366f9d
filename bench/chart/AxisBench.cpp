// Axis costs that grow with the data.
//  - Drawing a vertical text axis with opposite-aligned labels for 1e4 and
//    1e5 labelled points: the time ratio shows whether label layout stays
//    linear (about 10) or turns quadratic (about 100).
//  - Converting 1e7 values to pixels through CalcXPosValue against a bare
//    loop of clamp(Round(a + b v)) with the same factors.
#include "base/MathUtil.h"
#include "chart/canvas/NullBackend.h"
#include "chart/core/ChartEngine.h"
#include "tests/chart/model/FakeAxisChart.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

void BM_AxisDraw_TextLabels(benchmark::State& state) {
  ChartEngineScope engine;
  const int points = int(state.range(0));
  FakeAxisChart chart;
  NullBackend device(QSize(400, 300));
  chart.rect = TRect{60, 10, 388, 290};
  chart.Start(&device);
  FakeSeries& s = chart.AddSeries();
  s.yMandatory = false;  // a horizontal series: the vertical axis shows its texts
  for (int i = 0; i < points; ++i) {
    s.x.push_back(i);
    s.y.push_back(i);
    s.texts << QStringLiteral("Item %1").arg(i);
  }
  TChartAxis axis(&chart, false);
  axis.SetLabelsAlign(TChartAxis::alOpposite);
  PrepareAxis(axis, chart, 0, points - 1);
  TRect r = chart.rect;
  axis.CalcRect(r, false);
  for (auto _ : state) {
    axis.Draw(false);
    benchmark::DoNotOptimize(axis.TickPositions().data());
  }
  state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_AxisDraw_TextLabels)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

constexpr int kValues = 10000000;

const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::vector<double> v(kValues);
    unsigned seed = 99;
    for (double& x : v) {
      seed = seed * 1103515245u + 12345u;
      x = (seed >> 8) % 100000 / 1000.0;
    }
    return v;
  }();
  return values;
}

void BM_AxisCalcXPosValue(benchmark::State& state) {
  ChartEngineScope engine;
  FakeAxisChart chart;
  TChartAxis axis(&chart, true);
  PrepareAxis(axis, chart, 0, 100);
  const std::vector<double>& values = Values();
  for (auto _ : state) {
    long long sum = 0;
    for (const double v : values) sum += axis.CalcXPosValue(v);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_AxisCalcXPosValue)->Unit(benchmark::kMillisecond);

void BM_AxisCalcXPosValue_BareLoop(benchmark::State& state) {
  const std::vector<double>& values = Values();
  const double a = 12;
  const double b = 3.76;
  const double limit = 67108863;
  for (auto _ : state) {
    long long sum = 0;
    for (const double v : values) sum += base::Round(std::clamp(a + b * v, -limit, limit));
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_AxisCalcXPosValue_BareLoop)->Unit(benchmark::kMillisecond);

}  // namespace
