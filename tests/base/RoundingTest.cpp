// Round is ties-to-even, Trunc goes toward zero, out-of-range doubles
// saturate, and MulDiv rounds halves away from zero.
#include "LocaleScope.h"
#include "base/MathUtil.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(RoundingTiesToEven, HalvesGoToTheEvenNeighbourAndOutOfRangeSaturates) {
  const std::pair<double, int> round[] = {
      {2.5, 2},         {3.5, 4},        {-0.5, 0},        {0.5, 0},   {-1.5, -2},
      {-2.5, -2},       {2.4999, 2},     {2.5001, 3},      {-3.7, -4}, {1e10, INT_MAX},
      {-1e10, INT_MIN}, {kInf, INT_MAX}, {-kInf, INT_MIN}, {kNaN, 0}};
  for (const auto& [x, expected] : round) EXPECT_EQ(base::Round(x), expected) << x;
  const std::pair<double, int> trunc[] = {
      {2.9, 2}, {-2.9, -2}, {-0.1, 0}, {kNaN, 0}, {3e9, INT_MAX}};
  for (const auto& [x, expected] : trunc) EXPECT_EQ(base::Trunc(x), expected) << x;
  EXPECT_DOUBLE_EQ(base::Frac(-1.25), -0.25);
  EXPECT_EQ(base::Frac(kInf), 0.0);
  EXPECT_EQ(base::Round64(4503599627370497.0), 4503599627370497LL);
  EXPECT_EQ(base::Round64(-1e30), INT64_MIN);
  EXPECT_EQ(base::Trunc64(9223372036854775808.0), INT64_MAX);
  EXPECT_EQ(base::SaturateToInt(int64_t{1} << 40), INT_MAX);
}

TEST(MulDivRounding, HalvesAwayFromZeroAndGuardedFailures) {
  // {a, b, c, a * b / c}: a zero divisor or an overflow gives -1.
  const int cases[][4] = {{1, 1, 2, 1}, {-1, 1, 2, -1},  {-1, -1, 2, 1}, {1, 1, 3, 0},
                          {2, 1, 3, 1}, {5, 7, -2, -18}, {5, 5, 0, -1},  {INT_MAX, INT_MAX, 1, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(base::MulDiv(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];
  EXPECT_EQ(base::MulDiv(100000, 100000, 1000), 10000000);  // the product needs 64 bits
  EXPECT_EQ(base::MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
}

}  // namespace
