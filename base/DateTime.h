#pragma once
// Day-number dates: a TDateTime is the number of days since 30 December 1899
// (day 0) with the time of day as the fraction. For days before day 0 the
// integer part counts back and the fraction still adds time forward of
// midnight: -1.25 is 29 December 1899, 06:00.
#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdint>

namespace base {

using TDateTime = double;

constexpr double HoursPerDay = 24.0;
constexpr double MinsPerDay = 24.0 * 60.0;
constexpr double SecsPerDay = 24.0 * 60.0 * 60.0;
constexpr int64_t MSecsPerDay = 24LL * 60 * 60 * 1000;

// 1 January 0001 and the last millisecond-rounded instant of 31 December 9999.
constexpr TDateTime MinDateTime = -693593.0;
constexpr TDateTime MaxDateTime = 2958465.99999999;

bool IsLeapYear(int year) noexcept;
int DaysInMonth(int year, int month) noexcept;  // 0 for a month outside 1..12

// Raise EConvertError ("Invalid argument to date encode" / "... time encode")
// for a year outside 1..9999, an impossible day, or a time outside 0:00..23:59:59.999.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& out) noexcept;
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out) noexcept;

// The value is first rounded to whole milliseconds, so 23:59:59.9999 becomes
// midnight of the next day rather than hour 24. A value outside
// MinDateTime..MaxDateTime (or NaN) decodes to all zeros.
void DecodeDate(TDateTime dt, int& year, int& month, int& day) noexcept;
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) noexcept;
bool IsValidDateTime(TDateTime dt) noexcept;

// Whole days (toward zero) and the time of day as a non-negative fraction.
TDateTime DateOf(TDateTime dt) noexcept;
TDateTime TimeOf(TDateTime dt) noexcept;

// 1 = Sunday .. 7 = Saturday; 0 for a value outside the valid range.
int DayOfWeek(TDateTime dt) noexcept;

// Adds months keeping the time of day; the day is clamped to the length of
// the target month (31 January + 1 month = 28/29 February). Raises
// EConvertError when the result leaves years 1..9999.
TDateTime IncMonth(TDateTime dt, int months = 1);

// Current local date and time; today at midnight.
TDateTime Now();
TDateTime Today();

// Field-for-field conversions: no time-zone arithmetic is involved, the
// calendar fields of the one are the fields of the other. An invalid QDate
// or QDateTime, or a TDateTime outside the valid range, raises EConvertError.
QDate DateTimeToQDate(TDateTime dt);
QTime DateTimeToQTime(TDateTime dt);
QDateTime DateTimeToQDateTime(TDateTime dt, Qt::TimeSpec spec = Qt::LocalTime);
TDateTime QDateToDateTime(const QDate& d);
TDateTime QDateTimeToDateTime(const QDateTime& dt);
TDateTime QTimeToDateTime(const QTime& t);

}  // namespace base
