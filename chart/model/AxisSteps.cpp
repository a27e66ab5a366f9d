#include "chart/model/AxisSteps.h"

#include "base/DateTime.h"

#include <cmath>

namespace AxisSteps {

namespace {
constexpr double kDay = 1.0;
constexpr double kHour = kDay / 24.0;
constexpr double kMinute = kHour / 60.0;
constexpr double kSecond = kMinute / 60.0;
constexpr double kMillisecond = kSecond / 1000.0;

bool DecodeValid(double value, int& y, int& m, int& d) {
  if (!base::IsValidDateTime(value)) return false;
  base::DecodeDate(value, y, m, d);
  return y >= 1;
}

bool Encode(int y, int m, int d, double& out) {
  return base::TryEncodeDate(y, m, d, out);
}

// y/m moved by `months`, as a year and month pair.
bool AddMonths(int& y, int& m, int months) {
  const int total = y * 12 + (m - 1) + months;
  y = total / 12;
  m = total % 12 + 1;
  return y >= 1 && y <= 9999;
}
}  // namespace

const std::array<double, DateTimeStepCount>& DateTimeSteps() {
  static const std::array<double, DateTimeStepCount> table = {
      kMillisecond, kSecond,      5 * kSecond,  10 * kSecond, 15 * kSecond, 30 * kSecond, kMinute,
      5 * kMinute,  10 * kMinute, 15 * kMinute, 30 * kMinute, kHour,        2 * kHour,    6 * kHour,
      12 * kHour,   kDay,         2 * kDay,     3 * kDay,     7 * kDay,     15 * kDay,    30 * kDay,
      60 * kDay,    90 * kDay,    120 * kDay,   182 * kDay,   365 * kDay};
  return table;
}

double NextStep(double x) {
  if (!(x > 0) || !std::isfinite(x)) return x;
  // The scaling mirrors "10 * next(x / 10)" and "next(10 x) / 10" operation
  // for operation, so results are the same doubles as that recursion gives.
  int up = 0;
  int down = 0;
  while (x >= 10) {
    x /= 10;
    ++up;
  }
  while (x < 1) {
    x *= 10;
    ++down;
  }
  double r = x < 2 ? 2 : (x < 5 ? 5 : 10);
  for (int i = 0; i < down; ++i) r /= 10;
  for (int i = 0; i < up; ++i) r *= 10;
  return r;
}

double NextDateTimeStep(double x) {
  const auto& t = DateTimeSteps();
  for (int i = DateTimeStepCount - 2; i >= 0; --i) {
    if (t[i] <= x) return t[i + 1];
  }
  return t[dtOneYear];
}

int FindDateTimeStep(double x) {
  const auto& t = DateTimeSteps();
  for (int i = DateTimeStepCount - 1; i >= 0; --i) {
    if (std::abs(t[i] - x) < kMillisecond) return i;
  }
  return NoDateTimeStep;
}

bool IncDecDateTime(bool up, double& value, double inc, int step, bool exact) {
  if (!exact || step < dtHalfMonth || step > dtOneYear) {
    value = up ? value + inc : value - inc;
    return true;
  }
  int y = 0, m = 0, d = 0;
  if (!DecodeValid(value, y, m, d)) return false;
  static constexpr int kMonths[] = {1, 2, 3, 4, 6};
  double out = value;
  bool ok = true;
  if (step == dtHalfMonth) {
    if (up) {
      if (d < 15) {
        d = 15;
      } else {
        d = 1;
        ok = AddMonths(y, m, 1);
      }
    } else if (d > 15) {
      d = 15;
    } else if (d > 1) {
      d = 1;
    } else {
      d = 15;
      ok = AddMonths(y, m, -1);
    }
  } else if (step == dtOneYear) {
    y += up ? 1 : -1;
    if (m == 2 && d == 29 && !base::IsLeapYear(y)) d = 28;
  } else {
    ok = AddMonths(y, m, up ? kMonths[step - dtOneMonth] : -kMonths[step - dtOneMonth]);
    d = 1;
  }
  if (!ok || !Encode(y, m, d, out)) return false;
  value = out;
  return true;
}

double TruncDateTimeToStep(double value, int step) {
  int y = 0, m = 0, d = 0;
  if (!(value >= 2) || !DecodeValid(value, y, m, d)) return value;  // day 2 = 1 January 1900
  if (step == dtHalfMonth) {
    d = d >= 15 ? 15 : 1;
  } else if (step >= dtOneMonth && step <= dtSixMonths) {
    d = 1;
  } else if (step == dtOneYear) {
    m = 1;
    d = 1;
  }
  double out = value;
  return Encode(y, m, d, out) ? out : value;
}

}  // namespace AxisSteps
