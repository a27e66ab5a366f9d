// The column reduction gives the same points whether the column extremes
// come from the block index or from a walk over every point: random
// columns of every width, the end column wide and with its extremes on
// single points, Y pixels growing either way.
#include "chart/series/FastLineColumns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

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
