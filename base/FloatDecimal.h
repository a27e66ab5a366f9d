#pragma once
// Decimal digits of a double for the float formatters (internal to base).
#include <cstdint>

namespace base::detail {

struct FloatDecimal {
  enum Kind { Finite, NaN, PlusInf, MinusInf };
  Kind kind = Finite;
  bool negative = false;  // never set for a value that rounded to zero
  int exponent = 0;       // value = 0.d1d2d3... * 10^exponent
  int count = 0;          // significant digits, no trailing zeros; 0 = zero
  char digits[20] = {};   // ASCII '0'..'9'

  bool isZero() const { return kind == Finite && count == 0; }
  // Digit at place p counted from the first significant digit; '0' outside.
  char at(int p) const { return p >= 0 && p < count ? digits[p] : '0'; }
};

// Rounds |v| to at most `precision` significant digits (1..18) and at most
// `decimals` digits after the decimal point (decimals may be large or
// negative), half away from zero on the 18-digit expansion.
FloatDecimal ToDecimal(double v, int precision, int decimals);

}  // namespace base::detail
