#include "base/FormatFloat.h"

#include "base/FloatDecimal.h"

#include <algorithm>
#include <array>

namespace base {

using detail::FloatDecimal;
using detail::ToDecimal;

namespace {

QString specialText(const FloatDecimal& d) {
  switch (d.kind) {
    case FloatDecimal::NaN:
      return QStringLiteral("NAN");
    case FloatDecimal::PlusInf:
      return QStringLiteral("INF");
    case FloatDecimal::MinusInf:
      return QStringLiteral("-INF");
    case FloatDecimal::Finite:
      break;
  }
  return QString();
}

void appendExponent(QString& out, int e, bool plusSign, int minDigits) {
  if (e < 0) {
    out += QLatin1Char('-');
    e = -e;
  } else if (plusSign) {
    out += QLatin1Char('+');
  }
  std::array<char, 12> buf{};
  int n = 0;
  do {
    buf[n++] = static_cast<char>('0' + e % 10);
    e /= 10;
  } while (e > 0);
  for (int i = n; i < minDigits; ++i) out += QLatin1Char('0');
  while (n > 0) out += QLatin1Char(buf[--n]);
}

// Integer part and `decimals` fraction digits of a rounded decimal.
void appendFixed(QString& out, const FloatDecimal& d, int decimals, bool grouping,
                 const FormatSettings& fs) {
  const int intDigits = d.isZero() ? 1 : std::max(d.exponent, 1);
  for (int i = 0; i < intDigits; ++i) {
    if (grouping && i > 0 && (intDigits - i) % 3 == 0) out += fs.ThousandSeparator;
    out += QLatin1Char(d.exponent <= 0 ? '0' : d.at(i));
  }
  if (decimals > 0) {
    out += fs.DecimalSeparator;
    for (int i = 0; i < decimals; ++i) out += QLatin1Char(d.at(d.exponent + i));
  }
}

QString generalText(double v, int precision, int digits, const FormatSettings& fs) {
  const FloatDecimal d = ToDecimal(v, precision, 9999);
  if (d.kind != FloatDecimal::Finite) return specialText(d);
  if (d.isZero()) return QStringLiteral("0");
  QString out;
  out.reserve(24);
  if (d.negative) out += QLatin1Char('-');
  if (d.exponent > precision || d.exponent < -3) {
    out += QLatin1Char(d.digits[0]);
    if (d.count > 1) {
      out += fs.DecimalSeparator;
      for (int i = 1; i < d.count; ++i) out += QLatin1Char(d.digits[i]);
    }
    out += QLatin1Char('E');
    appendExponent(out, d.exponent - 1, false, digits);
  } else if (d.exponent <= 0) {
    out += QLatin1Char('0');
    out += fs.DecimalSeparator;
    for (int i = d.exponent; i < 0; ++i) out += QLatin1Char('0');
    for (int i = 0; i < d.count; ++i) out += QLatin1Char(d.digits[i]);
  } else {
    for (int i = 0; i < d.exponent; ++i) out += QLatin1Char(d.at(i));
    if (d.count > d.exponent) {
      out += fs.DecimalSeparator;
      for (int i = d.exponent; i < d.count; ++i) out += QLatin1Char(d.digits[i]);
    }
  }
  return out;
}

}  // namespace

QString FloatToStrF(double v, TFloatFormat format, int precision, int digits,
                    const FormatSettings& fs) {
  precision = std::clamp(precision, 1, 18);
  switch (format) {
    case ffGeneral:
      return generalText(v, precision, std::clamp(digits, 0, 4), fs);
    case ffExponent: {
      const FloatDecimal d = ToDecimal(v, precision, 9999);
      if (d.kind != FloatDecimal::Finite) return specialText(d);
      QString out;
      out.reserve(precision + 8);
      if (d.negative) out += QLatin1Char('-');
      out += QLatin1Char(d.at(0));
      if (precision > 1) {
        out += fs.DecimalSeparator;
        for (int i = 1; i < precision; ++i) out += QLatin1Char(d.at(i));
      }
      out += QLatin1Char('E');
      appendExponent(out, d.isZero() ? 0 : d.exponent - 1, true, std::clamp(digits, 0, 4));
      return out;
    }
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      digits = std::clamp(digits, 0, 18);
      const FloatDecimal d = ToDecimal(v, precision, digits);
      if (d.kind != FloatDecimal::Finite) return specialText(d);
      if (d.exponent > precision)
        return generalText(v, std::min(precision, 15), std::min(digits, 4), fs);
      QString number;
      number.reserve(precision + digits + 8);
      appendFixed(number, d, digits, format != ffFixed, fs);
      if (format != ffCurrency) return d.negative ? QLatin1Char('-') + number : number;
      return d.negative ? fs.CurrencyNegativePrefix + number + fs.CurrencyNegativeSuffix
                        : fs.CurrencyPositivePrefix + number + fs.CurrencyPositiveSuffix;
    }
  }
  return QString();
}

QString FloatToStrF(double v, TFloatFormat format, int precision, int digits) {
  return FloatToStrF(v, format, precision, digits, *FormatSettings::Current());
}

QString FloatToStr(double v, const FormatSettings& fs) {
  return generalText(v, 15, 0, fs);
}

QString FloatToStr(double v) {
  return FloatToStr(v, *FormatSettings::Current());
}

}  // namespace base
