// Round is ties-to-even, Trunc goes toward zero, out-of-range doubles
// saturate, and MulDiv rounds halves away from zero.
#include "QStringPrinter.h"
#include "base/MathUtil.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

TEST(RoundingTiesToEven, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double x;
    int expected;
  };
  const Case cases[] = {{2.5, 2},   {3.5, 4},    {-0.5, 0},   {0.5, 0},   {1.5, 2}, {-1.5, -2},
                        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-3.7, -4}, {0.0, 0}, {1e-300, 0}};
  for (const Case& c : cases) EXPECT_EQ(base::Round(c.x), c.expected) << c.x;
  EXPECT_EQ(base::Round64(4503599627370497.0), 4503599627370497LL);
}

TEST(RoundingTiesToEven, TruncGoesTowardZero) {
  EXPECT_EQ(base::Trunc(2.9), 2);
  EXPECT_EQ(base::Trunc(-2.9), -2);
  EXPECT_EQ(base::Trunc(-0.1), 0);
  EXPECT_DOUBLE_EQ(base::Frac(-1.25), -0.25);
  EXPECT_DOUBLE_EQ(base::Frac(3.75), 0.75);
  EXPECT_EQ(base::Frac(std::numeric_limits<double>::infinity()), 0.0);
}

TEST(RoundingSaturates, OutOfRangeAndNaNNeverWrap) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(base::Round(1e10), INT_MAX);
  EXPECT_EQ(base::Round(-1e10), INT_MIN);
  EXPECT_EQ(base::Round(inf), INT_MAX);
  EXPECT_EQ(base::Round(-inf), INT_MIN);
  EXPECT_EQ(base::Round(nan), 0);
  EXPECT_EQ(base::Trunc(nan), 0);
  EXPECT_EQ(base::Trunc(3e9), INT_MAX);
  EXPECT_EQ(base::Round64(1e30), INT64_MAX);
  EXPECT_EQ(base::Round64(-1e30), INT64_MIN);
  EXPECT_EQ(base::Trunc64(9223372036854775808.0), INT64_MAX);
  EXPECT_EQ(base::Trunc64(-9223372036854775808.0), INT64_MIN);
  EXPECT_EQ(base::SaturateToInt(int64_t{1} << 40), INT_MAX);
}

TEST(MulDivRounding, HalvesAwayFromZeroAndGuardedFailures) {
  EXPECT_EQ(base::MulDiv(1, 1, 2), 1);  // 0.5 -> 1
  EXPECT_EQ(base::MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(base::MulDiv(1, -1, 2), -1);
  EXPECT_EQ(base::MulDiv(-1, -1, 2), 1);
  EXPECT_EQ(base::MulDiv(1, 1, 3), 0);
  EXPECT_EQ(base::MulDiv(2, 1, 3), 1);
  EXPECT_EQ(base::MulDiv(5, 7, -2), -18);                   // -17.5 -> -18
  EXPECT_EQ(base::MulDiv(100000, 100000, 1000), 10000000);  // product needs 64 bits
  EXPECT_EQ(base::MulDiv(5, 5, 0), -1);
  EXPECT_EQ(base::MulDiv(INT_MAX, INT_MAX, 1), -1);
  EXPECT_EQ(base::MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
}

}  // namespace
