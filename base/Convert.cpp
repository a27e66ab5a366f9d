#include "base/Convert.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <type_traits>

#include <locale.h>

namespace base {

namespace {

bool isBlank(QChar c) {
  return c.unicode() <= ' ';
}

bool isDigit(char16_t c) {
  return c >= '0' && c <= '9';
}

locale_t cLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

// Validates the syntax and copies the number into `ascii` with '.' as the
// decimal point, so that the C library's exact conversion can read it.
bool toAsciiNumber(QStringView t, QChar decimal, std::string& ascii) {
  ascii.clear();
  ascii.reserve(static_cast<size_t>(t.size()) + 1);
  qsizetype i = 0;
  const qsizetype n = t.size();
  if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
    ascii += static_cast<char>(t[i++].unicode());
  int mantissaDigits = 0;
  while (i < n && isDigit(t[i].unicode())) {
    ascii += static_cast<char>(t[i++].unicode());
    ++mantissaDigits;
  }
  if (i < n && t[i] == decimal) {
    ascii += '.';
    ++i;
    while (i < n && isDigit(t[i].unicode())) {
      ascii += static_cast<char>(t[i++].unicode());
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return false;
  if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
    ascii += 'e';
    ++i;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
      ascii += static_cast<char>(t[i++].unicode());
    int expDigits = 0;
    while (i < n && isDigit(t[i].unicode())) {
      ascii += static_cast<char>(t[i++].unicode());
      ++expDigits;
    }
    if (expDigits == 0) return false;
  }
  return i == n;
}

QStringView trimmedView(const QString& s) {
  qsizetype b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return QStringView(s).mid(b, e - b);
}

template <typename Int>
bool parseInteger(const QString& s, Int& out) {
  using U = std::make_unsigned_t<Int>;
  const QStringView t = QStringView(s);
  qsizetype i = 0;
  const qsizetype n = t.size();
  while (i < n && isBlank(t[i])) ++i;
  bool negative = false;
  if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
    negative = t[i] == QLatin1Char('-');
    ++i;
  }
  bool hex = false;
  if (i < n && t[i] == QLatin1Char('$')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && t[i] == QLatin1Char('0') &&
             (t[i + 1] == QLatin1Char('x') || t[i + 1] == QLatin1Char('X'))) {
    hex = true;
    i += 2;
  }
  if (i == n) return false;
  U value = 0;
  const U limit = hex ? std::numeric_limits<U>::max()
                      : static_cast<U>(std::numeric_limits<Int>::max()) + (negative ? 1 : 0);
  const unsigned base = hex ? 16 : 10;
  for (; i < n; ++i) {
    const char16_t c = t[i].unicode();
    unsigned d;
    if (isDigit(c)) {
      d = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return false;
    }
    if (value > (limit - d) / base) return false;
    value = value * base + d;
  }
  // Two's complement wrap-around is what hex texts of system colours rely on.
  out = static_cast<Int>(negative ? static_cast<U>(U{0} - value) : value);
  return true;
}

}  // namespace

QString InvalidFloatMessage(const QString& s) {
  return QStringLiteral("'%1' is not a valid floating point value").arg(s);
}

QString InvalidIntegerMessage(const QString& s) {
  return QStringLiteral("'%1' is not a valid integer value").arg(s);
}

bool TryStrToFloat(const QString& s, double& value, const FormatSettings& fs) {
  const QStringView t = trimmedView(s);
  if (t.compare(QLatin1String("INF"), Qt::CaseInsensitive) == 0 ||
      t.compare(QLatin1String("+INF"), Qt::CaseInsensitive) == 0) {
    value = std::numeric_limits<double>::infinity();
    return true;
  }
  if (t.compare(QLatin1String("-INF"), Qt::CaseInsensitive) == 0) {
    value = -std::numeric_limits<double>::infinity();
    return true;
  }
  if (t.compare(QLatin1String("NAN"), Qt::CaseInsensitive) == 0) {
    value = std::numeric_limits<double>::quiet_NaN();
    return true;
  }
  thread_local std::string ascii;
  if (!toAsciiNumber(t, fs.DecimalSeparator, ascii)) return false;
  errno = 0;
  char* end = nullptr;
  const double v = strtod_l(ascii.c_str(), &end, cLocale());
  if (end != ascii.c_str() + ascii.size()) return false;
  if (errno == ERANGE && std::isinf(v)) {
    // FloatToStr rounds the largest doubles up past the double range
    // ("1.79769313486232E308"); such texts still mean the largest double.
    const long double wide = strtold_l(ascii.c_str(), nullptr, cLocale());
    constexpr long double kMax = std::numeric_limits<double>::max();
    if (!(std::fabs(wide) <= kMax * (1 + 1e-14L))) return false;
    value = std::copysign(std::numeric_limits<double>::max(), v);
    return true;
  }
  value = v;  // underflow keeps 0 or the subnormal
  return true;
}

bool TryStrToFloat(const QString& s, double& value) {
  return TryStrToFloat(s, value, *FormatSettings::Current());
}

double StrToFloat(const QString& s, const FormatSettings& fs) {
  double v;
  if (!TryStrToFloat(s, v, fs)) throw EConvertError(InvalidFloatMessage(s));
  return v;
}

double StrToFloat(const QString& s) {
  return StrToFloat(s, *FormatSettings::Current());
}

bool TryTolerantStrToFloat(const QString& s, double& value) {
  const auto fs = FormatSettings::Current();
  QString t = s;
  for (QChar& c : t) {
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) c = fs->DecimalSeparator;
  }
  return TryStrToFloat(t, value, *fs);
}

double TolerantStrToFloat(const QString& s) {
  double v;
  if (!TryTolerantStrToFloat(s, v)) throw EConvertError(InvalidFloatMessage(s));
  return v;
}

bool TryStrToInt(const QString& s, int& value) {
  return parseInteger(s, value);
}

bool TryStrToInt64(const QString& s, int64_t& value) {
  return parseInteger(s, value);
}

int StrToInt(const QString& s) {
  int v;
  if (!parseInteger(s, v)) throw EConvertError(InvalidIntegerMessage(s));
  return v;
}

int64_t StrToInt64(const QString& s) {
  int64_t v;
  if (!parseInteger(s, v)) throw EConvertError(InvalidIntegerMessage(s));
  return v;
}

int StrToIntDef(const QString& s, int def) {
  int v;
  return parseInteger(s, v) ? v : def;
}

QString IntToStr(int64_t v) {
  return QString::number(v);
}

QString IntToHex(int64_t v, int digits) {
  digits = std::clamp(digits, 0, 16);
  return QString::number(static_cast<quint64>(v), 16)
      .toUpper()
      .rightJustified(digits, QLatin1Char('0'));
}

}  // namespace base
