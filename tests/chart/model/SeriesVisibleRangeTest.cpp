// The visible points of a series found by binary search agree with walking
// the points one by one, for any list and any zoom.
#include "chart/model/SeriesVisibleRange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// The walk as the series once did it, step by step: first is the first
// point not below lo (none past the end); when the last point lies beyond
// hi, last walks on from first while below hi, stopping at the end, and
// steps back from a point beyond hi unless lines run into the edge.
VisibleRange WalkedRange(const std::vector<double>& v, TChartListOrder order, double lo, double hi,
                         bool drawBetweenPoints) {
  VisibleRange r;
  const int count = static_cast<int>(v.size());
  if (count == 0) return r;
  if (order == loNone) return {0, count - 1};
  r.first = 0;
  while (v[r.first] < lo) {
    ++r.first;
    if (r.first >= count) return {-1, -1};
  }
  if (v[count - 1] > hi) {
    r.last = r.first;
    while (v[r.last] < hi) {
      ++r.last;
      if (r.last >= count) {
        r.last = count - 1;
        break;
      }
    }
    if (!drawBetweenPoints && v[r.last] > hi) --r.last;
  } else {
    r.last = count - 1;
  }
  return r;
}

// Sorted values with runs of equal ones, sometimes with NaNs: at the end,
// or anywhere (a list keeps a NaN added first in front of the values added
// after it).
std::vector<double> SortedWithRuns(std::mt19937& rng) {
  std::uniform_int_distribution<int> size(0, 40), run(1, 4), step(0, 3), coin(0, 5);
  std::vector<double> v;
  double x = std::uniform_int_distribution<int>(-20, 20)(rng);
  const int n = size(rng);
  while (static_cast<int>(v.size()) < n) {
    for (int k = run(rng); k > 0; --k) v.push_back(x);
    x += step(rng) * 0.5;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  switch (coin(rng)) {
    case 0:
      v.insert(v.end(), run(rng), nan);
      break;
    case 1:
      v.insert(v.begin() + static_cast<long>(rng() % (v.size() + 1)), run(rng), nan);
      break;
    default:
      break;
  }
  return v;
}

// Ends of a zoom: mostly values among the points (so that edges hit equal
// values), sometimes beyond them, sometimes not numbers; in any order, as
// an inverted or vertical axis gives them.
double ZoomEnd(std::mt19937& rng, const std::vector<double>& v) {
  switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return std::numeric_limits<double>::infinity() * (rng() % 2 ? 1 : -1);
    case 2:
    case 3:
      return std::uniform_real_distribution<double>(-30, 30)(rng);
    default:
      if (v.empty()) return 0;
      return v[rng() % v.size()] + (rng() % 3 == 0 ? 0.25 : 0.0);
  }
}

TEST(SeriesVisibleRangeEqualsThePointWalk, RandomListsAndZooms) {
  std::mt19937 rng(20261207);
  int nonEmpty = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    std::vector<double> v = SortedWithRuns(rng);
    const double lo = ZoomEnd(rng, v), hi = ZoomEnd(rng, v);
    const bool between = rng() % 2 == 0;
    const auto order = static_cast<TChartListOrder>(rng() % 3);
    if (order == loDescending) std::reverse(v.begin(), v.end());
    const VisibleRange expected = WalkedRange(v, order, lo, hi, between);
    const bool anyNaN = std::any_of(v.begin(), v.end(), [](double x) { return std::isnan(x); });
    const VisibleRange got = CalcVisibleRange(v, order, lo, hi, between, anyNaN);
    if (expected.first >= 0 && expected.last >= expected.first) ++nonEmpty;
    ASSERT_EQ(got, expected) << "trial " << trial << " order " << order << " lo " << lo << " hi "
                             << hi << " between " << between << " count " << v.size();
  }
  EXPECT_GT(nonEmpty, 5000);  // the zooms do show points
}

TEST(SeriesVisibleRangeEqualsThePointWalk, EdgesOnRunsOfEqualValues) {
  const std::vector<double> v = {1, 2, 2, 2, 3, 4, 4, 5};
  struct Case {
    double lo, hi;
    bool between;
    VisibleRange want;
  } cases[] = {
      {2, 4, false, {1, 5}},     // edges on runs: all of the first, the start of the last
      {2, 3.5, false, {1, 4}},   // last steps back from 4 beyond the edge
      {2, 3.5, true, {1, 5}},    // the first 4 joins the line to the edge
      {2, 5, false, {1, 7}},     // last value not beyond hi: to the end
      {6, 9, false, {-1, -1}},   // all points before the zoom
      {0, 0.5, false, {0, -1}},  // all points after it: none drawn
      {0, 0.5, true, {0, 0}},    // but a line runs to the first one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lo << ".." << c.hi << " between " << c.between);
    EXPECT_EQ(CalcVisibleRange(v, loAscending, c.lo, c.hi, c.between), c.want);
    EXPECT_EQ(WalkedRange(v, loAscending, c.lo, c.hi, c.between), c.want);
  }
}

}  // namespace
