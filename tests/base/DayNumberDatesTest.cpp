// Day-number dates: days since 30 December 1899 with the time as fraction.
#include "LocaleScope.h"
#include "base/DateTime.h"
#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <limits>

using base::EncodeDate;
using base::TDateTime;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Ymd {
  int y, m, d;
  bool operator==(const Ymd&) const = default;
};

Ymd decode(TDateTime t) {
  Ymd r{};
  base::DecodeDate(t, r.y, r.m, r.d);
  return r;
}

TEST(DayNumberDates, KnownDayNumbersAndWeekdays) {
  struct Case {
    Ymd date;
    double day;
    int weekday;  // 1 = Sunday
  };
  const Case cases[] = {{{1899, 12, 30}, 0, 7},       {{1900, 1, 1}, 2, 2},
                        {{1900, 3, 1}, 61, 5},        {{2000, 2, 29}, 36585, 3},
                        {{1899, 12, 29}, -1, 6},      {{1, 1, 1}, -693593, 2},
                        {{9999, 12, 31}, 2958465, 6}, {{2001, 3, 4}, 36954, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    EXPECT_EQ(EncodeDate(c.date.y, c.date.m, c.date.d), c.day);
    EXPECT_EQ(decode(c.day), c.date);
    EXPECT_EQ(base::DayOfWeek(c.day), c.weekday);
  }
  for (double v : {kNaN, 1e300, -693594.0, 2958466.0}) {  // out of range: zeros
    EXPECT_EQ(decode(v), Ymd{}) << v;
    EXPECT_EQ(base::DayOfWeek(v), 0);
  }
}

TEST(DayNumberDates, EveryDayOfFourCenturiesRoundTrips) {
  // Walk 1800..2200 day by day: catches leap-year and month-boundary slips.
  TDateTime t = EncodeDate(1800, 1, 1);
  Ymd want{1800, 1, 1};
  while (want.y < 2200) {
    ASSERT_EQ(decode(t), want) << t;
    if (++want.d > base::DaysInMonth(want.y, want.m)) {
      want.d = 1;
      if (++want.m > 12) want = {want.y + 1, 1, 1};
    }
    t += 1;
  }
}

TEST(DayNumberDates, ImpossibleDatesAndTimesRaiseTheConversionError) {
  for (const Ymd& bad : {Ymd{1900, 2, 29}, Ymd{2001, 13, 1}, Ymd{0, 1, 1}, Ymd{10000, 1, 1}})
    EXPECT_THROW(EncodeDate(bad.y, bad.m, bad.d), base::EConvertError) << bad.y;
  EXPECT_THROW(base::EncodeTime(24, 0, 0, 0), base::EConvertError);
  EXPECT_THROW(base::EncodeTime(0, 60, 0, 0), base::EConvertError);
  EXPECT_THROW(base::EncodeTime(0, 0, 0, 1000), base::EConvertError);
  EXPECT_THROW(base::IncMonth(EncodeDate(9999, 12, 1), 1), base::EConvertError);
  EXPECT_THROW(base::IncMonth(kNaN, 1), base::EConvertError);
  EXPECT_THROW(base::QDateToDateTime(QDate()), base::EConvertError);
  EXPECT_THROW(base::DateTimeToQDate(1e12), base::EConvertError);
}

TEST(DayNumberDates, TimeOfDayDecodesAndRoundsToMilliseconds) {
  int h, n, s, ms;
  base::DecodeTime(base::EncodeTime(13, 45, 7, 250), h, n, s, ms);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 134507250);
  // Negative days: the fraction still counts forward from that day's midnight.
  base::DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(decode(-1.25).d, 29);
  // A hair before midnight is the next day at 00:00, never hour 24.
  const TDateTime late = EncodeDate(2001, 3, 5) + 0.9999999999;
  base::DecodeTime(late, h, n, s, ms);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(decode(late).d, 6);
  const QDateTime q = base::DateTimeToQDateTime(EncodeDate(2001, 3, 5) + 0.5);
  EXPECT_EQ(q, QDateTime(QDate(2001, 3, 5), QTime(12, 0)));
  EXPECT_DOUBLE_EQ(base::QDateTimeToDateTime(q), EncodeDate(2001, 3, 5) + 0.5);
}

TEST(DayNumberDates, IncMonthClampsTheDayAndKeepsTheTime) {
  struct Case {
    Ymd from;
    int months;
    Ymd to;
  };
  const Case cases[] = {{{2001, 1, 31}, 1, {2001, 2, 28}},
                        {{2000, 1, 31}, 1, {2000, 2, 29}},
                        {{2001, 3, 15}, -3, {2000, 12, 15}},
                        {{2001, 3, 15}, -15, {1999, 12, 15}}};
  for (const Case& c : cases)
    EXPECT_EQ(base::IncMonth(EncodeDate(c.from.y, c.from.m, c.from.d) + 0.5, c.months),
              EncodeDate(c.to.y, c.to.m, c.to.d) + 0.5)
        << c.months;
}

}  // namespace
