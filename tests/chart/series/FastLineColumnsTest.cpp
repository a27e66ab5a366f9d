// The column reduction gives the same points whether the column extremes
// come from the block index or from a walk over every point: random
// columns of every width, the end column wide and with its extremes on
// single points, Y pixels growing either way.
#include "chart/series/FastLineColumns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// Ranges of every length and alignment, over counts that leave partial
// blocks at the end of every level.
TEST(FastLineColumns, BlockExtremesOfARangeAreThoseOfItsPoints) {
  std::mt19937 rng(11);
  for (const int n : {1, 15, 16, 17, 1000, 65537}) {
    SCOPED_TRACE(n);
    std::uniform_real_distribution<double> value(-1e3, 1e3);
    std::vector<double> x(static_cast<std::size_t>(n)), y(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<double>(i), y[i] = value(rng);
    const FastLineYExtremes extremes(x, y);
    ASSERT_TRUE(extremes.Usable());
    std::uniform_int_distribution<int> at(0, n - 1);
    for (int trial = 0; trial < 300; ++trial) {
      int first = at(rng), last = at(rng);
      if (first > last) std::swap(first, last);
      double lo = 0, hi = 0;
      extremes.Range(first, last, lo, hi);
      const auto begin = y.begin() + first, end = y.begin() + last + 1;
      ASSERT_EQ(lo, *std::min_element(begin, end)) << first << ".." << last;
      ASSERT_EQ(hi, *std::max_element(begin, end)) << first << ".." << last;
    }
  }
}

TEST(FastLineColumns, BlockIndexGivesWhatTheWalkGives) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> count(1, 20000);
    std::uniform_real_distribution<double> gap(0.0, 0.02);
    std::normal_distribution<double> step(0.0, 3.0);
    const int n = count(rng);
    std::vector<double> x(static_cast<std::size_t>(n)), y(x.size());
    double at = 0, level = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
      at += gap(rng);
      level += step(rng);
      x[i] = at;
      y[i] = level;
    }
    const FastLineYExtremes extremes(x, y);
    ASSERT_TRUE(extremes.Usable());
    const double scale = seed % 3 == 0 ? 0.5 : 7.0;  // wide or narrow columns
    const int sign = seed % 2 == 0 ? 1 : -1;
    FastLineColumnInput in;
    in.x = x;
    in.y = y;
    in.first = static_cast<int>(seed % 7) % n;
    in.last = n - 1;
    in.xPos = [scale](double v) { return static_cast<int>(std::floor(v * scale)); };
    in.yPos = [sign](double v) { return sign * static_cast<int>(std::floor(v)); };
    const std::vector<QPoint> walked = ReduceFastLineColumns(in);
    in.extremes = &extremes;
    EXPECT_EQ(ReduceFastLineColumns(in), walked);
  }
}

}  // namespace
