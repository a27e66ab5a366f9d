#include "base/MathUtil.h"

#include <climits>
#include <cmath>

namespace base {

namespace {

// Both limits are exactly representable as doubles: -2^63 and 2^63.
constexpr double kInt64Min = -9223372036854775808.0;
constexpr double kInt64End = 9223372036854775808.0;

int64_t saturate64(double r) noexcept {
  if (std::isnan(r)) return 0;
  if (r < kInt64Min) return INT64_MIN;
  if (r >= kInt64End) return INT64_MAX;
  return static_cast<int64_t>(r);
}

}  // namespace

int64_t Round64(double x) noexcept {
  // std::nearbyint honours the current rounding mode, which the program
  // never changes from round-to-nearest-even.
  return saturate64(std::nearbyint(x));
}

int Round(double x) noexcept {
  return SaturateToInt(Round64(x));
}

int64_t Trunc64(double x) noexcept {
  return saturate64(std::trunc(x));
}

int Trunc(double x) noexcept {
  return SaturateToInt(Trunc64(x));
}

int SaturateToInt(int64_t v) noexcept {
  if (v < INT_MIN) return INT_MIN;
  if (v > INT_MAX) return INT_MAX;
  return static_cast<int>(v);
}

double Frac(double x) noexcept {
  if (!std::isfinite(x)) return 0.0;
  return x - std::trunc(x);
}

int MulDiv(int a, int b, int c) noexcept {
  if (c == 0) return -1;
  const int64_t num = static_cast<int64_t>(a) * b;  // |num| < 2^62: no overflow
  int64_t q = num / c;
  const int64_t r = num % c;
  // Halves and more round away from zero: compare twice the remainder with the divisor.
  const uint64_t twiceR = 2 * static_cast<uint64_t>(r < 0 ? -r : r);
  const uint64_t absC =
      c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
  if (twiceR >= absC) q += ((num < 0) != (c < 0)) ? -1 : 1;
  if (q < INT_MIN || q > INT_MAX) return -1;
  return static_cast<int>(q);
}

}  // namespace base
