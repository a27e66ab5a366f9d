#pragma once
// Format: the one way texts with numbers are built.
//
//   base::Format("(%d,%d)=(%2.3fm,%2.3fm)", {i, j, x, y})
//
// Specifiers are "%" [index ":"] ["-"] [width] ["." precision] type, where
// index, width and precision may be "*" (taken from the next integer
// argument) and type is one of (case-insensitive):
//   d  integer; precision = minimum digits          u  integer as unsigned
//   x  integer in upper-case hex                    p  pointer, hex
//   e  scientific, precision significant digits (default 15), three-digit
//      exponent: "5.00000000000000E-001"
//   f  fixed, precision decimals (default 2)        n  like f with thousands separators
//   g  the shorter of fixed and scientific, precision significant digits (default 15)
//   m  currency of the locale                        s  text; precision = maximum length
//   %% a percent sign
// Width pads with blanks on the left ("-" pads on the right). Separators come
// from the locale. Arguments are type-checked: an integer for %f, a float
// for %d, a missing argument or a malformed specifier raises EFormatError
// ("Format '%d' invalid or incompatible with argument"). Width and precision
// above 1024 are refused, so a typed format cannot ask for a huge text.
#include "base/FormatSettings.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace base {

class FormatArg {
 public:
  enum class Kind { Int32, UInt32, Int64, UInt64, Float, Text, Pointer };

  FormatArg(int v) : kind_(Kind::Int32) { i_ = v; }
  FormatArg(short v) : kind_(Kind::Int32) { i_ = v; }
  FormatArg(signed char v) : kind_(Kind::Int32) { i_ = v; }
  FormatArg(unsigned v) : kind_(Kind::UInt32) { u_ = v; }
  FormatArg(unsigned short v) : kind_(Kind::UInt32) { u_ = v; }
  FormatArg(unsigned char v) : kind_(Kind::UInt32) { u_ = v; }
  FormatArg(long v) : kind_(Kind::Int64) { i_ = v; }
  FormatArg(long long v) : kind_(Kind::Int64) { i_ = v; }
  FormatArg(unsigned long v) : kind_(Kind::UInt64) { u_ = v; }
  FormatArg(unsigned long long v) : kind_(Kind::UInt64) { u_ = v; }
  FormatArg(double v) : kind_(Kind::Float) { d_ = v; }
  FormatArg(float v) : kind_(Kind::Float) { d_ = v; }
  FormatArg(long double v) : kind_(Kind::Float) { d_ = static_cast<double>(v); }
  FormatArg(const QString& v) : kind_(Kind::Text), s_(v) {}
  FormatArg(QLatin1String v) : kind_(Kind::Text), s_(v) {}
  FormatArg(QStringView v) : kind_(Kind::Text), s_(v.toString()) {}
  FormatArg(QChar v) : kind_(Kind::Text), s_(v) {}
  FormatArg(char v) : kind_(Kind::Text), s_(QChar::fromLatin1(v)) {}  // a character, not a number
  FormatArg(const char* v) : kind_(Kind::Text), s_(QString::fromUtf8(v)) {}  // UTF-8
  FormatArg(const std::string& v) : kind_(Kind::Text), s_(QString::fromStdString(v)) {}
  FormatArg(const void* v) : kind_(Kind::Pointer) { p_ = v; }
  FormatArg(bool) = delete;  // say what a flag means: pass a text or an int
  FormatArg(std::nullptr_t) = delete;

  Kind kind() const { return kind_; }
  bool isInteger() const { return kind_ <= Kind::UInt64; }
  int64_t asInt64() const { return i_; }
  uint64_t asUInt64() const { return u_; }
  double asDouble() const { return d_; }
  const QString& asText() const { return s_; }
  const void* asPointer() const { return p_; }

 private:
  Kind kind_;
  union {
    int64_t i_;
    uint64_t u_;
    double d_;
    const void* p_;
  };
  QString s_;
};

QString Format(const QString& format, std::initializer_list<FormatArg> args = {});
QString Format(const QString& format, std::initializer_list<FormatArg> args,
               const FormatSettings& fs);
// For argument lists built at run time.
QString FormatList(const QString& format, std::span<const FormatArg> args);
QString FormatList(const QString& format, std::span<const FormatArg> args,
                   const FormatSettings& fs);

// True when a user-typed number format holds exactly one float conversion
// (%e %f %g %n %m, no "*", no index other than 0) plus literal text and
// "%%", and formats a number without error: what a view accepts as its
// label format.
bool IsSingleFloatFormat(const QString& format);

// "Format '...' invalid or incompatible with argument"
QString InvalidFormatMessage(const QString& format);

}  // namespace base
