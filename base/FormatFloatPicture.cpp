// FormatFloat: picture formats ("#,##0.###", "0.00E+00", "pos;neg;zero").
#include "base/FloatDecimal.h"
#include "base/FormatFloat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace base {

using detail::FloatDecimal;
using detail::ToDecimal;

namespace {

bool isQuote(QChar c) {
  return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Index just past the quoted text that starts at i (an unterminated quote
// runs to the end).
qsizetype skipQuoted(QStringView s, qsizetype i) {
  const QChar q = s[i++];
  while (i < s.size() && s[i] != q) ++i;
  return std::min(i + 1, s.size());
}

std::array<QStringView, 3> splitSections(QStringView f, int& count) {
  std::array<QStringView, 3> out;
  count = 0;
  qsizetype start = 0;
  qsizetype i = 0;
  while (i < f.size() && count < 2) {
    if (isQuote(f[i])) {
      i = skipQuoted(f, i);
      continue;
    }
    if (f[i] == QLatin1Char(';')) {
      out[count++] = f.mid(start, i - start);
      start = i + 1;
    }
    ++i;
  }
  // The last section ends at the next unquoted ';' or the end.
  qsizetype end = start;
  while (end < f.size() && f[end] != QLatin1Char(';'))
    end = isQuote(f[end]) ? skipQuoted(f, end) : end + 1;
  out[count++] = f.mid(start, end - start);
  return out;
}

bool isExponentStart(QStringView s, qsizetype i) {
  return (s[i] == QLatin1Char('E') || s[i] == QLatin1Char('e')) && i + 1 < s.size() &&
         (s[i + 1] == QLatin1Char('+') || s[i + 1] == QLatin1Char('-'));
}

// What a section asks for; positions refer to the section text.
struct Picture {
  int intPlaces = 0;      // '0' and '#' before the decimal point
  int intMinDigits = 0;   // places from the first '0' to the point
  int fracPlaces = 0;     // places after the point
  int fracMinDigits = 0;  // up to the last '0' after the point
  qsizetype point = -1;   // the first '.', the decimal point
  bool grouping = false;  // a ',' before the point
  qsizetype expAt = -1;   // "E+" / "E-"
  qsizetype expEnd = -1;  // past the exponent's places
  bool expPlus = false;
  int expMinDigits = 0;
};

Picture scan(QStringView s) {
  Picture p;
  int firstZero = -1;
  qsizetype i = 0;
  while (i < s.size()) {
    const QChar c = s[i];
    if (isQuote(c)) {
      i = skipQuoted(s, i);
      continue;
    }
    if (p.expAt < 0) {
      if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
        if (p.point < 0) {
          if (c == QLatin1Char('0') && firstZero < 0) firstZero = p.intPlaces;
          ++p.intPlaces;
        } else {
          ++p.fracPlaces;
          if (c == QLatin1Char('0')) p.fracMinDigits = p.fracPlaces;
        }
      } else if (c == QLatin1Char('.') && p.point < 0) {
        p.point = i;
      } else if (c == QLatin1Char(',') && p.point < 0) {
        p.grouping = true;
      } else if (isExponentStart(s, i)) {
        p.expAt = i;
        p.expPlus = s[i + 1] == QLatin1Char('+');
        i += 2;
        while (i < s.size() && (s[i] == QLatin1Char('0') || s[i] == QLatin1Char('#'))) {
          if (s[i] == QLatin1Char('0')) ++p.expMinDigits;
          ++i;
        }
        p.expEnd = i;
        continue;
      }
    }
    ++i;
  }
  if (firstZero >= 0) p.intMinDigits = p.intPlaces - firstZero;
  return p;
}

struct Digits {
  QString intPart;  // without separators
  QString fracPart;
  int exponent = 0;
  bool zero = true;
  bool tooLarge = false;
};

Digits digitsFor(double absValue, const Picture& p) {
  Digits r;
  auto fraction = [&](const FloatDecimal& d, int from) {
    for (int j = 0; j < p.fracPlaces; ++j) r.fracPart += QLatin1Char(d.at(from + j));
    while (r.fracPart.size() > p.fracMinDigits && r.fracPart.endsWith(QLatin1Char('0')))
      r.fracPart.chop(1);
  };
  if (p.expAt < 0) {
    const FloatDecimal d = ToDecimal(absValue, 18, p.fracPlaces);
    if (d.exponent > 18) {
      r.tooLarge = true;
      return r;
    }
    r.zero = d.isZero();
    for (int i = 0; i < d.exponent; ++i) r.intPart += QLatin1Char(d.at(i));
    fraction(d, d.exponent);
  } else {
    const int places = std::clamp(p.intPlaces + p.fracPlaces, 1, 18);
    const FloatDecimal d = ToDecimal(absValue, places, 9999);
    r.zero = d.isZero();
    if (!r.zero) {
      r.exponent = d.exponent - p.intPlaces;
      for (int i = 0; i < p.intPlaces; ++i) r.intPart += QLatin1Char(d.at(i));
    }
    fraction(d, p.intPlaces);
  }
  if (r.intPart.size() < p.intMinDigits)
    r.intPart = QString(p.intMinDigits - r.intPart.size(), QLatin1Char('0')) + r.intPart;
  return r;
}

QString render(QStringView s, const Picture& p, const Digits& d, bool minus,
               const FormatSettings& fs) {
  QString out;
  out.reserve(s.size() + d.intPart.size() + 8);
  if (minus) out += QLatin1Char('-');
  const qsizetype len = d.intPart.size();
  auto putIntDigit = [&](qsizetype idx) {
    out += d.intPart[idx];
    const qsizetype fromRight = len - 1 - idx;
    if (p.grouping && p.expAt < 0 && fromRight > 0 && fromRight % 3 == 0)
      out += fs.ThousandSeparator;
  };
  auto putAllIntDigits = [&] {
    for (qsizetype idx = 0; idx < len; ++idx) putIntDigit(idx);
  };
  int intSeen = 0;
  int fracSeen = 0;
  qsizetype i = 0;
  while (i < s.size()) {
    const QChar c = s[i];
    if (isQuote(c)) {
      const qsizetype end = skipQuoted(s, i);
      const qsizetype textEnd = (end > i + 1 && s[end - 1] == c) ? end - 1 : end;
      out += s.mid(i + 1, textEnd - i - 1);
      i = end;
      continue;
    }
    if (i == p.expAt) {
      out += c;  // 'E' or 'e' as written
      int e = d.exponent;
      if (e < 0) {
        out += QLatin1Char('-');
        e = -e;
      } else if (p.expPlus) {
        out += QLatin1Char('+');
      }
      const QString digits = QString::number(e);
      if (digits.size() < p.expMinDigits)
        out += QString(p.expMinDigits - digits.size(), QLatin1Char('0'));
      out += digits;
      i = p.expEnd;
      continue;
    }
    const bool inNumber = p.expAt < 0 || i < p.expAt;
    if (inNumber && (c == QLatin1Char('0') || c == QLatin1Char('#'))) {
      if (p.point < 0 || i < p.point) {
        // Extra leading digits go with the first place; then one digit per place.
        if (intSeen == 0)
          for (qsizetype idx = 0; idx < len - p.intPlaces; ++idx) putIntDigit(idx);
        const qsizetype idx = len - p.intPlaces + intSeen;
        if (idx >= 0) putIntDigit(idx);
        ++intSeen;
      } else {
        if (fracSeen < d.fracPart.size()) out += d.fracPart[fracSeen];
        ++fracSeen;
      }
    } else if (i == p.point) {
      if (p.intPlaces == 0) putAllIntDigits();
      if (!d.fracPart.isEmpty()) out += fs.DecimalSeparator;
    } else if (!(inNumber && c == QLatin1Char(','))) {
      out += c;
    }
    ++i;
  }
  return out;
}

}  // namespace

QString FormatFloat(const QString& format, double v, const FormatSettings& fs) {
  if (format.isEmpty() || !std::isfinite(v)) return FloatToStr(v, fs);
  int count = 0;
  const auto sections = splitSections(format, count);
  int chosen = 0;
  if (v < 0 && count >= 2 && !sections[1].isEmpty()) chosen = 1;
  if (v == 0 && count >= 3 && !sections[2].isEmpty()) chosen = 2;
  if (sections[chosen].isEmpty()) return FloatToStr(v, fs);

  Picture p = scan(sections[chosen]);
  Digits d = digitsFor(std::fabs(v), p);
  if (d.tooLarge) return FloatToStr(v, fs);
  if (d.zero && chosen != 2 && count >= 3 && !sections[2].isEmpty()) {
    // A value that shows as zero takes the zero section.
    chosen = 2;
    p = scan(sections[2]);
    d = digitsFor(0.0, p);
  }
  const bool minus = v < 0 && chosen == 0 && !d.zero;
  return render(sections[chosen], p, d, minus, fs);
}

QString FormatFloat(const QString& format, double v) {
  return FormatFloat(format, v, *FormatSettings::Current());
}

}  // namespace base
