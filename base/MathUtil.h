#pragma once
// Rounding and integer conversions with the rules every subsystem shares:
// Round is ties-to-even, Trunc goes toward zero, and a double that does not fit
// the target type saturates instead of being undefined (NaN gives 0).
#include <cstdint>

namespace base {

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0); saturates at
// the int range; NaN -> 0.
int Round(double x) noexcept;
int64_t Round64(double x) noexcept;

// Integer part, toward zero; saturates; NaN -> 0.
int Trunc(double x) noexcept;
int64_t Trunc64(double x) noexcept;

// Clamps a 64-bit value into the int range.
int SaturateToInt(int64_t v) noexcept;

// Fractional part with the sign of x (Frac(-1.25) = -0.25); 0 for infinities and NaN.
double Frac(double x) noexcept;

// a * b / c computed in 64 bits, rounded half away from zero. A zero divisor or
// a quotient outside the int range gives -1, which callers must guard against.
int MulDiv(int a, int b, int c) noexcept;

}  // namespace base
