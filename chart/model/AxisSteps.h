#pragma once
// The steps axis labels advance by: the 1-2-5 sequence of numeric axes and
// the table of date-time steps, with the calendar moves that keep date
// labels on month and year boundaries. Calculated-series periods step with
// the same functions.
#include <array>

namespace AxisSteps {

// Date-time steps in days, by index. NoDateTimeStep means none.
enum TDateTimeStep : int {
  dtOneMillisecond = 0,
  dtOneSecond,
  dtFiveSeconds,
  dtTenSeconds,
  dtFifteenSeconds,
  dtThirtySeconds,
  dtOneMinute,
  dtFiveMinutes,
  dtTenMinutes,
  dtFifteenMinutes,
  dtThirtyMinutes,
  dtOneHour,
  dtTwoHours,
  dtSixHours,
  dtTwelveHours,
  dtOneDay,
  dtTwoDays,
  dtThreeDays,
  dtOneWeek,
  dtHalfMonth,
  dtOneMonth,
  dtTwoMonths,
  dtThreeMonths,
  dtFourMonths,
  dtSixMonths,
  dtOneYear,
  dtNone,
};
constexpr int DateTimeStepCount = 26;
constexpr int NoDateTimeStep = dtNone;

const std::array<double, DateTimeStepCount>& DateTimeSteps();
inline double DateTimeStep(int index) {
  return DateTimeSteps()[index];
}

// The next value of 1, 2, 5, 10, 20, 50, ... (and 0.5, 0.2, 0.1, ...) above
// x. Defined for finite x > 0; any other x is answered unchanged, so callers
// must not loop on it.
double NextStep(double x);

// The table entry after the largest entry (of indices 0..24) not above x; a
// value below one millisecond (or NaN) gives one year.
double NextDateTimeStep(double x);

// The highest index whose entry lies within a millisecond of x, or
// NoDateTimeStep.
int FindDateTimeStep(double x);

// Moves `value` by one step. With `exact` and a step index of 19 or more the
// move follows the calendar (to the 1st or 15th, by months, by a year) and
// drops the time of day; otherwise it adds or subtracts `inc`. Answers false
// (value unchanged) when a calendar move would leave the years 1..9999.
bool IncDecDateTime(bool up, double& value, double inc, int step, bool exact = true);

// `value` truncated to the calendar boundary of step index `step` (the 1st or
// 15th, the 1st of the month, 1 January), without the time of day. Values
// before 1900 and outside the calendar are kept.
double TruncDateTimeToStep(double value, int step);

}  // namespace AxisSteps
