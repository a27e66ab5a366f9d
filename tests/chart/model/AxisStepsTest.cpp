// Label steps: the 1-2-5 sequence, the date-time table and calendar moves.
#include "base/DateTime.h"
#include "chart/model/AxisSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace AxisSteps;
using base::EncodeDate;
using base::EncodeTime;

TEST(AxisSteps, NextStepWalksOneTwoFive) {
  const struct {
    double x, next;
  } cases[] = {{0.3, 0.5}, {7, 10},        {20, 50},           {1, 2},        {2, 5}, {5, 10},
               {10, 20},   {3e-12, 5e-12}, {4.9e-324, 1e-323}, {5e307, 1e308}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(NextStep(c.x), c.next) << c.x;
  // Outside its domain it answers the value unchanged rather than recursing.
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(NextStep(inf), inf);
  EXPECT_TRUE(std::isnan(NextStep(std::nan(""))));
  EXPECT_EQ(NextStep(0), 0);
  EXPECT_EQ(NextStep(-3), -3);
  EXPECT_EQ(NextStep(1.5e308), inf);
}

TEST(AxisSteps, DateTimeTable) {
  const double ms = 1.0 / 86400000;
  EXPECT_DOUBLE_EQ(DateTimeStep(dtOneMillisecond), ms);
  EXPECT_DOUBLE_EQ(DateTimeStep(dtOneYear), 365);
  EXPECT_DOUBLE_EQ(NextDateTimeStep(0.864 / 86400), 1.0 / 86400);
  EXPECT_DOUBLE_EQ(NextDateTimeStep(2), 3);
  EXPECT_DOUBLE_EQ(NextDateTimeStep(1000), 365);
  EXPECT_DOUBLE_EQ(NextDateTimeStep(ms / 2), 365);
  EXPECT_EQ(FindDateTimeStep(15), int(dtHalfMonth));
  EXPECT_EQ(FindDateTimeStep(30 + ms / 2), int(dtOneMonth));
  EXPECT_EQ(FindDateTimeStep(31), NoDateTimeStep);
  EXPECT_EQ(FindDateTimeStep(-1), NoDateTimeStep);
}

TEST(AxisSteps, CalendarMoves) {
  const double noon = EncodeTime(12, 0, 0, 0);
  const struct {
    const char* name;
    bool up;
    double from;
    int step;
    double to;
  } cases[] = {
      {"half month down, late day", false, EncodeDate(2024, 3, 20) + noon, dtHalfMonth,
       EncodeDate(2024, 3, 15)},
      {"half month down, 15th", false, EncodeDate(2024, 3, 15) + noon, dtHalfMonth,
       EncodeDate(2024, 3, 1)},
      {"half month down, 1st", false, EncodeDate(2024, 3, 1), dtHalfMonth, EncodeDate(2024, 2, 15)},
      {"half month up, early day", true, EncodeDate(2024, 3, 1), dtHalfMonth,
       EncodeDate(2024, 3, 15)},
      {"half month up, 15th", true, EncodeDate(2024, 3, 15), dtHalfMonth, EncodeDate(2024, 4, 1)},
      {"half month up, late day", true, EncodeDate(2024, 12, 20), dtHalfMonth,
       EncodeDate(2025, 1, 1)},
      {"month down", false, EncodeDate(2024, 1, 10), dtOneMonth, EncodeDate(2023, 12, 1)},
      {"six months up", true, EncodeDate(2024, 9, 30), dtSixMonths, EncodeDate(2025, 3, 1)},
      {"four months down", false, EncodeDate(2024, 3, 31), dtFourMonths, EncodeDate(2023, 11, 1)},
      {"year down from leap day", false, EncodeDate(2024, 2, 29), dtOneYear,
       EncodeDate(2023, 2, 28)},
      {"year up", true, EncodeDate(2024, 5, 5) + noon, dtOneYear, EncodeDate(2025, 5, 5)},
      {"days subtract", false, EncodeDate(2024, 3, 20) + noon, dtOneWeek,
       EncodeDate(2024, 3, 13) + noon},
  };
  for (const auto& c : cases) {
    double v = c.from;
    ASSERT_TRUE(IncDecDateTime(c.up, v, c.step == dtOneWeek ? 7 : 1, c.step)) << c.name;
    EXPECT_DOUBLE_EQ(v, c.to) << c.name;
  }
  // Leaving the calendar is refused, the value kept.
  double v = EncodeDate(1, 1, 10);
  EXPECT_FALSE(IncDecDateTime(false, v, 30, dtOneMonth));
  EXPECT_EQ(v, EncodeDate(1, 1, 10));
  v = EncodeDate(9999, 12, 1);
  EXPECT_FALSE(IncDecDateTime(true, v, 365, dtOneYear));
  v = 1e300;
  EXPECT_FALSE(IncDecDateTime(false, v, 30, dtOneMonth));
  // Without exact stepping the increment applies as it is.
  v = EncodeDate(2024, 3, 1);
  ASSERT_TRUE(IncDecDateTime(false, v, 30, dtOneMonth, false));
  EXPECT_EQ(v, EncodeDate(2024, 3, 1) - 30);
}

TEST(AxisSteps, TruncateToStep) {
  const double t = EncodeDate(2024, 7, 17) + EncodeTime(9, 30, 0, 0);
  EXPECT_EQ(TruncDateTimeToStep(t, dtOneDay), EncodeDate(2024, 7, 17));
  EXPECT_EQ(TruncDateTimeToStep(t, dtHalfMonth), EncodeDate(2024, 7, 15));
  EXPECT_EQ(TruncDateTimeToStep(EncodeDate(2024, 7, 14), dtHalfMonth), EncodeDate(2024, 7, 1));
  EXPECT_EQ(TruncDateTimeToStep(t, dtThreeMonths), EncodeDate(2024, 7, 1));
  EXPECT_EQ(TruncDateTimeToStep(t, dtOneYear), EncodeDate(2024, 1, 1));
  EXPECT_EQ(TruncDateTimeToStep(1.5, dtOneYear), 1.5);  // before 1900
  EXPECT_EQ(TruncDateTimeToStep(1e300, dtOneYear), 1e300);
}
