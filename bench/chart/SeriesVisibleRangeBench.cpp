// Finding the visible points of a sorted series of ten million points
// before each paint, next to the bare minimum: two std::lower_bound calls
// for the zoom's ends. The ratio of the two is the cost of the series' rules
// (equal values, the point beyond the edge).
#include "chart/model/SeriesVisibleRange.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr int PointCount = 10'000'000;
constexpr int ZoomCount = 1024;

const std::vector<double>& Points() {
  static const std::vector<double> points = [] {
    std::vector<double> v(PointCount);
    for (int i = 0; i < PointCount; ++i) v[i] = i / 4;  // runs of four equal values
    return v;
  }();
  return points;
}

const std::vector<std::pair<double, double>>& Zooms() {
  static const std::vector<std::pair<double, double>> zooms = [] {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> at(-1000.0, PointCount / 4 + 1000.0);
    std::vector<std::pair<double, double>> z(ZoomCount);
    for (auto& p : z) p = std::minmax(at(rng), at(rng));
    return z;
  }();
  return zooms;
}

void BM_TwoLowerBoundsBaseline(benchmark::State& state) {
  const std::vector<double>& v = Points();
  const auto& zooms = Zooms();
  std::size_t k = 0;
  for (auto _ : state) {
    const auto& [lo, hi] = zooms[k++ % ZoomCount];
    const auto first = std::lower_bound(v.begin(), v.end(), lo);
    const auto last = std::lower_bound(first, v.end(), hi);
    benchmark::DoNotOptimize(first);
    benchmark::DoNotOptimize(last);
  }
}

void BM_SeriesVisibleRange(benchmark::State& state) {
  const std::vector<double>& v = Points();
  const auto& zooms = Zooms();
  std::size_t k = 0;
  for (auto _ : state) {
    const auto& [lo, hi] = zooms[k++ % ZoomCount];
    VisibleRange r = CalcVisibleRange(v, loAscending, lo, hi, (k & 1) != 0);
    benchmark::DoNotOptimize(r);
  }
}

}  // namespace

BENCHMARK(BM_TwoLowerBoundsBaseline);
BENCHMARK(BM_SeriesVisibleRange);
