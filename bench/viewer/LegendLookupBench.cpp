// Colour look-ups of the legend over a grid-sized value array, as a view's
// colour computation runs them on every new step. The baseline is the class
// search by stepping through the classes, measured in the same run.
#include "viewer/widgets/ColorLegendModel.h"

#include "tests/support/SteppedClassColor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr size_t NodeCount = 1 << 20;

std::vector<double> Values(double lo, double hi) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> any(lo, hi);
  std::vector<double> v(NodeCount);
  for (double& x : v) x = any(rng);
  return v;
}

void Configure(ColorLegendModel& m, int n) {
  m.SetBoxCount(n);
  m.SetMinVal(0.0);
  m.SetMaxVal(1.0);
  m.SetMinValAct(0.1);
  m.SetColorsLinear(true);
  m.SetBoxColor(1, base::clWhite);
  m.SetBoxColor(n, base::clBlue);
}

void BM_ClassColorStepped(benchmark::State& state) {
  ColorLegendModel m;
  Configure(m, static_cast<int>(state.range(0)));
  const std::vector<double> values = Values(-0.1, 1.1);
  for (auto _ : state) {
    unsigned sum = 0;
    for (double v : values) sum += SteppedClassColor(m, v);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * NodeCount));
}

void BM_ClassColor(benchmark::State& state) {
  ColorLegendModel m;
  Configure(m, static_cast<int>(state.range(0)));
  const std::vector<double> values = Values(-0.1, 1.1);
  for (auto _ : state) {
    unsigned sum = 0;
    for (double v : values) sum += m.ValueToClassColor(v);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * NodeCount));
}

void BM_InterpolatedColor(benchmark::State& state) {
  ColorLegendModel m;
  Configure(m, static_cast<int>(state.range(0)));
  const std::vector<double> values = Values(-0.1, 1.1);
  for (auto _ : state) {
    unsigned sum = 0;
    for (double v : values) sum += m.ValueToInterpolatedColor(v);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * NodeCount));
}

}  // namespace

BENCHMARK(BM_ClassColorStepped)->Arg(10)->Arg(255)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassColor)->Arg(10)->Arg(255)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InterpolatedColor)->Arg(10)->Arg(255)->Unit(benchmark::kMillisecond);
