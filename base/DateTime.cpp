#include "base/DateTime.h"

#include "base/Exceptions.h"
#include "base/MathUtil.h"

#include <algorithm>
#include <cmath>

namespace base {

namespace {

// Day 0 (30 December 1899) counted from 1 January 1970.
constexpr int64_t kDay0FromUnixEpoch = -25569;

// Days since 1 January 1970 of a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, int m, int d) noexcept {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int& year, int& month, int& day) noexcept {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// The value rounded to whole milliseconds, split into a day number and the
// milliseconds of that day. False outside the valid range.
bool splitMs(TDateTime dt, int64_t& day, int64_t& msOfDay) noexcept {
  if (!IsValidDateTime(dt)) return false;
  const int64_t ms = Round64(dt * static_cast<double>(MSecsPerDay));
  day = ms / MSecsPerDay;
  msOfDay = ms % MSecsPerDay;
  if (msOfDay < 0) msOfDay = -msOfDay;
  return true;
}

// Puts the time of day of `time` onto a date, keeping the convention that the
// fraction of a negative value counts forward from that day's midnight.
TDateTime withTime(TDateTime date, TDateTime time) noexcept {
  const double t = std::fabs(Frac(time));
  return date < 0 ? date - t : date + t;
}

}  // namespace

bool IsLeapYear(int year) noexcept {
  return (year % 4 == 0) && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) noexcept {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) noexcept {
  if (year < 1 || year > 9999 || month < 1 || month > 12) return false;
  if (day < 1 || day > DaysInMonth(year, month)) return false;
  out = static_cast<double>(daysFromCivil(year, month, day) - kDay0FromUnixEpoch);
  return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out) noexcept {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
    return false;
  const int64_t ms = ((static_cast<int64_t>(hour) * 60 + min) * 60 + sec) * 1000 + msec;
  out = static_cast<double>(ms) / static_cast<double>(MSecsPerDay);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime r;
  if (!TryEncodeDate(year, month, day, r)) throw EConvertError("Invalid argument to date encode");
  return r;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime r;
  if (!TryEncodeTime(hour, min, sec, msec, r))
    throw EConvertError("Invalid argument to time encode");
  return r;
}

bool IsValidDateTime(TDateTime dt) noexcept {
  // Written so that NaN fails both comparisons.
  return dt >= MinDateTime && dt <= MaxDateTime;
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day) noexcept {
  int64_t d, ms;
  if (!splitMs(dt, d, ms)) {
    year = month = day = 0;
    return;
  }
  civilFromDays(d + kDay0FromUnixEpoch, year, month, day);
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) noexcept {
  int64_t d, ms;
  if (!splitMs(dt, d, ms)) {
    hour = min = sec = msec = 0;
    return;
  }
  msec = static_cast<int>(ms % 1000);
  ms /= 1000;
  sec = static_cast<int>(ms % 60);
  ms /= 60;
  min = static_cast<int>(ms % 60);
  hour = static_cast<int>(ms / 60);
}

TDateTime DateOf(TDateTime dt) noexcept {
  return std::isfinite(dt) ? std::trunc(dt) : 0.0;
}

TDateTime TimeOf(TDateTime dt) noexcept {
  return std::fabs(Frac(dt));
}

int DayOfWeek(TDateTime dt) noexcept {
  int64_t d, ms;
  if (!splitMs(dt, d, ms)) return 0;
  // Day 0 was a Saturday (7).
  int64_t w = (d + 6) % 7;
  if (w < 0) w += 7;
  return static_cast<int>(w) + 1;
}

TDateTime IncMonth(TDateTime dt, int months) {
  int y, m, d;
  DecodeDate(dt, y, m, d);
  if (y == 0) throw EConvertError("Invalid argument to date encode");
  const int64_t total = static_cast<int64_t>(y) * 12 + (m - 1) + months;
  const int64_t ny = total >= 0 ? total / 12 : (total - 11) / 12;
  const int nm = static_cast<int>(total - ny * 12) + 1;
  if (ny < 1 || ny > 9999) throw EConvertError("Invalid argument to date encode");
  const int nd = std::min(d, DaysInMonth(static_cast<int>(ny), nm));
  return withTime(EncodeDate(static_cast<int>(ny), nm, nd), dt);
}

TDateTime Now() {
  return QDateTimeToDateTime(QDateTime::currentDateTime());
}

TDateTime Today() {
  return QDateToDateTime(QDate::currentDate());
}

QDate DateTimeToQDate(TDateTime dt) {
  int y, m, d;
  DecodeDate(dt, y, m, d);
  if (y == 0) throw EConvertError("Invalid argument to date encode");
  return QDate(y, m, d);
}

QTime DateTimeToQTime(TDateTime dt) {
  if (!IsValidDateTime(dt)) throw EConvertError("Invalid argument to time encode");
  int h, n, s, ms;
  DecodeTime(dt, h, n, s, ms);
  return QTime(h, n, s, ms);
}

QDateTime DateTimeToQDateTime(TDateTime dt, Qt::TimeSpec spec) {
  return QDateTime(DateTimeToQDate(dt), DateTimeToQTime(dt), spec);
}

TDateTime QDateToDateTime(const QDate& d) {
  if (!d.isValid()) throw EConvertError("Invalid argument to date encode");
  return EncodeDate(d.year(), d.month(), d.day());
}

TDateTime QTimeToDateTime(const QTime& t) {
  if (!t.isValid()) throw EConvertError("Invalid argument to time encode");
  return EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
}

TDateTime QDateTimeToDateTime(const QDateTime& dt) {
  if (!dt.isValid()) throw EConvertError("Invalid argument to date encode");
  return withTime(QDateToDateTime(dt.date()), QTimeToDateTime(dt.time()));
}

}  // namespace base
