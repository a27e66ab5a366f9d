// Day-number dates: days since 30 December 1899 with the time as fraction.
#include "QStringPrinter.h"
#include "base/DateTime.h"
#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <limits>

using base::TDateTime;

namespace {

struct Ymd {
  int y, m, d;
};

Ymd decode(TDateTime t) {
  Ymd r{};
  base::DecodeDate(t, r.y, r.m, r.d);
  return r;
}

TEST(DayNumberDates, KnownDayNumbers) {
  struct Case {
    int y, m, d;
    double day;
  };
  const Case cases[] = {{1899, 12, 30, 0},     {1899, 12, 31, 1},   {1900, 1, 1, 2},
                        {1900, 3, 1, 61},      {2000, 1, 1, 36526}, {2000, 2, 29, 36585},
                        {1899, 12, 29, -1},    {1, 1, 1, -693593},  {9999, 12, 31, 2958465},
                        {1999, 12, 24, 36518}, {1991, 1, 1, 33239}};
  for (const Case& c : cases) {
    EXPECT_EQ(base::EncodeDate(c.y, c.m, c.d), c.day) << c.y << "-" << c.m << "-" << c.d;
    const Ymd back = decode(c.day);
    EXPECT_EQ(back.y, c.y);
    EXPECT_EQ(back.m, c.m);
    EXPECT_EQ(back.d, c.d);
  }
}

TEST(DayNumberDates, EveryDayOfFourCenturiesRoundTrips) {
  // Walk 1800..2200 day by day: catches leap-year and month-boundary slips.
  TDateTime t = base::EncodeDate(1800, 1, 1);
  int y = 1800, m = 1, d = 1;
  while (y < 2200) {
    const Ymd r = decode(t);
    ASSERT_TRUE(r.y == y && r.m == m && r.d == d) << t;
    if (++d > base::DaysInMonth(y, m)) {
      d = 1;
      if (++m > 12) {
        m = 1;
        ++y;
      }
    }
    t += 1;
  }
}

TEST(DayNumberDates, ImpossibleDatesAndTimesRaiseTheConversionError) {
  EXPECT_THROW(base::EncodeDate(1900, 2, 29), base::EConvertError);
  EXPECT_THROW(base::EncodeDate(2001, 13, 1), base::EConvertError);
  EXPECT_THROW(base::EncodeDate(0, 1, 1), base::EConvertError);
  EXPECT_THROW(base::EncodeDate(10000, 1, 1), base::EConvertError);
  EXPECT_NO_THROW(base::EncodeDate(2000, 2, 29));
  EXPECT_THROW(base::EncodeTime(24, 0, 0, 0), base::EConvertError);
  EXPECT_THROW(base::EncodeTime(0, 60, 0, 0), base::EConvertError);
  EXPECT_THROW(base::EncodeTime(0, 0, 0, 1000), base::EConvertError);
  try {
    base::EncodeDate(2001, 2, 30);
  } catch (const base::EConvertError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("Invalid argument to date encode"));
  }
}

TEST(DayNumberDates, TimeOfDayDecodesAndRoundsToMilliseconds) {
  int h, n, s, ms;
  base::DecodeTime(base::EncodeTime(13, 45, 7, 250), h, n, s, ms);
  EXPECT_EQ(h, 13);
  EXPECT_EQ(n, 45);
  EXPECT_EQ(s, 7);
  EXPECT_EQ(ms, 250);
  // Negative days: the fraction still counts forward from that day's midnight.
  base::DecodeTime(-1.25, h, n, s, ms);
  EXPECT_EQ(h, 6);
  EXPECT_EQ(decode(-1.25).d, 29);
  // A hair before midnight is the next day at 00:00, never hour 24.
  const TDateTime late = base::EncodeDate(2001, 3, 5) + 0.9999999999;
  base::DecodeTime(late, h, n, s, ms);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(decode(late).d, 6);
}

TEST(DayNumberDates, OutOfRangeValuesDecodeToZeros) {
  for (double v : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300, -693594.0, 2958466.0}) {
    const Ymd r = decode(v);
    EXPECT_EQ(r.y + r.m + r.d, 0) << v;
    EXPECT_EQ(base::DayOfWeek(v), 0);
  }
}

TEST(DayNumberDates, DayOfWeekCountsFromSunday) {
  EXPECT_EQ(base::DayOfWeek(0), 7);                             // Saturday
  EXPECT_EQ(base::DayOfWeek(base::EncodeDate(2001, 3, 4)), 1);  // Sunday
  EXPECT_EQ(base::DayOfWeek(base::EncodeDate(2026, 12, 7)), 2);
  EXPECT_EQ(base::DayOfWeek(-1), 6);
  EXPECT_EQ(base::DayOfWeek(-7.5), 7);
}

TEST(DayNumberDates, IncMonthClampsTheDayAndKeepsTheTime) {
  const TDateTime jan31 = base::EncodeDate(2001, 1, 31) + 0.5;
  EXPECT_EQ(base::IncMonth(jan31, 1), base::EncodeDate(2001, 2, 28) + 0.5);
  EXPECT_EQ(base::IncMonth(base::EncodeDate(2000, 1, 31), 1), base::EncodeDate(2000, 2, 29));
  EXPECT_EQ(base::IncMonth(base::EncodeDate(2001, 3, 15), -3), base::EncodeDate(2000, 12, 15));
  EXPECT_EQ(base::IncMonth(base::EncodeDate(2001, 3, 15), 22), base::EncodeDate(2003, 1, 15));
  EXPECT_EQ(base::IncMonth(base::EncodeDate(2001, 3, 15), -15), base::EncodeDate(1999, 12, 15));
  EXPECT_THROW(base::IncMonth(base::EncodeDate(9999, 12, 1), 1), base::EConvertError);
  EXPECT_THROW(base::IncMonth(std::numeric_limits<double>::quiet_NaN(), 1), base::EConvertError);
}

TEST(DayNumberDates, QtConversionsKeepTheCalendarFields) {
  const TDateTime t = base::EncodeDate(2001, 3, 5) + base::EncodeTime(14, 7, 9, 0);
  const QDateTime q = base::DateTimeToQDateTime(t);
  EXPECT_EQ(q.date(), QDate(2001, 3, 5));
  EXPECT_EQ(q.time(), QTime(14, 7, 9));
  EXPECT_DOUBLE_EQ(base::QDateTimeToDateTime(q), t);
  EXPECT_EQ(base::QDateToDateTime(QDate(1899, 12, 30)), 0.0);
  EXPECT_THROW(base::QDateToDateTime(QDate()), base::EConvertError);
  EXPECT_THROW(base::DateTimeToQDate(1e12), base::EConvertError);
  EXPECT_EQ(base::Today(), base::QDateToDateTime(QDate::currentDate()));
}

}  // namespace
