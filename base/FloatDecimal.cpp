#include "base/FloatDecimal.h"

#include <charconv>
#include <cmath>

namespace base::detail {

FloatDecimal ToDecimal(double v, int precision, int decimals) {
  FloatDecimal r;
  if (std::isnan(v)) {
    r.kind = FloatDecimal::NaN;
    return r;
  }
  if (std::isinf(v)) {
    r.kind = v < 0 ? FloatDecimal::MinusInf : FloatDecimal::PlusInf;
    return r;
  }
  if (v == 0) return r;
  if (precision < 1) precision = 1;
  if (precision > 18) precision = 18;

  // 18 significant digits, correctly rounded: "d.ddddddddddddddddde+XXX".
  char buf[40];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
  char digits[18];
  int n = 0;
  const char* p = buf;
  for (; p < res.ptr && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits[n++] = *p;
  }
  // to_chars writes "e+XX" / "e-XXX" and no terminating zero.
  int exp10 = 0;
  bool expNegative = false;
  for (++p; p < res.ptr; ++p) {
    if (*p == '-')
      expNegative = true;
    else if (*p >= '0' && *p <= '9')
      exp10 = exp10 * 10 + (*p - '0');
  }
  if (expNegative) exp10 = -exp10;
  int exponent = exp10 + 1;

  // Keep at most `precision` digits and none past `decimals` after the point.
  long keep = precision;
  const long byDecimals = static_cast<long>(exponent) + decimals;
  if (byDecimals < keep) keep = byDecimals;
  if (keep < 0) return r;  // rounds to zero
  bool carry = false;
  if (keep < 18) carry = digits[keep] >= '5';
  int len = static_cast<int>(keep);
  if (carry) {
    int i = len - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      // All nines (or nothing kept): the value becomes 1 at the next power of ten.
      digits[0] = '1';
      len = 1;
      ++exponent;
    }
  }
  while (len > 0 && digits[len - 1] == '0') --len;
  if (len == 0) return r;
  for (int i = 0; i < len; ++i) r.digits[i] = digits[i];
  r.count = len;
  r.exponent = exponent;
  r.negative = v < 0;
  return r;
}

}  // namespace base::detail
