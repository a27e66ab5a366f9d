// Value lists carry up to ten million points of the data extractor. Two
// questions, each against a baseline in the same run:
// - adding ascending values (the extractor's case) next to a bare
//   std::vector<double>::push_back; "capacity/count" after ShrinkToFit;
// - sorting a series of two lists through the owner's point exchange next to
//   std::sort of (x, y) pairs.
#include "chart/core/TChartValueLists.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int AddCount = 10'000'000;
constexpr int SortCount = 1'000'000;

void BM_PushBackBaseline(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<double> v;
    for (int i = 0; i < AddCount; ++i) v.push_back(static_cast<double>(i));
    benchmark::DoNotOptimize(v.data());
  }
  state.SetItemsProcessed(state.iterations() * AddCount);
}

void BM_AddChartValueAscending(benchmark::State& state) {
  double slack = 0;
  for (auto _ : state) {
    TChartValueList list(nullptr, QStringLiteral("X"));
    list.SetOrder(loAscending);
    for (int i = 0; i < AddCount; ++i) list.AddChartValue(static_cast<double>(i));
    benchmark::DoNotOptimize(list.Values().data());
    state.PauseTiming();
    list.ShrinkToFit();
    slack = static_cast<double>(list.Capacity()) / list.Count();
    state.ResumeTiming();
  }
  state.counters["capacity/count"] = slack;
  state.SetItemsProcessed(state.iterations() * AddCount);
}

std::vector<std::pair<double, double>> RandomPoints() {
  std::mt19937 rng(112);
  std::uniform_real_distribution<double> any(0.0, 1.0);
  std::vector<std::pair<double, double>> points(SortCount);
  for (auto& p : points) p = {any(rng), any(rng)};
  return points;
}

void BM_SortPairsBaseline(benchmark::State& state) {
  const auto points = RandomPoints();
  for (auto _ : state) {
    state.PauseTiming();
    auto copy = points;
    state.ResumeTiming();
    std::sort(copy.begin(), copy.end());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetItemsProcessed(state.iterations() * SortCount);
}

// A series' point exchange in its smallest form: every list, nothing else.
class TwoListSeries : public TChartValueListOwner {
 public:
  void SwapValueIndex(int a, int b) override {
    for (int i = 0; i < lists.Count(); ++i) lists[i].Exchange(a, b);
  }
  void ValueChanged(int) override {}
  void CheckDataSource() override {}
  TChartValueLists lists{this};
};

void BM_SortTwoLists(benchmark::State& state) {
  const auto points = RandomPoints();
  for (auto _ : state) {
    state.PauseTiming();
    TwoListSeries series;
    TChartValueList& x = series.lists.Add(QStringLiteral("X"));
    TChartValueList& y = series.lists.Add(QStringLiteral("Y"));
    x.Reserve(SortCount);
    y.Reserve(SortCount);
    for (const auto& p : points) {
      x.AddChartValue(p.first);  // no order yet: appended as they come
      y.AddChartValue(p.second);
    }
    x.SetOrder(loAscending);
    state.ResumeTiming();
    x.Sort();
    benchmark::DoNotOptimize(x.Values().data());
  }
  state.SetItemsProcessed(state.iterations() * SortCount);
}

}  // namespace

BENCHMARK(BM_PushBackBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddChartValueAscending)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortPairsBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTwoLists)->Unit(benchmark::kMillisecond);
