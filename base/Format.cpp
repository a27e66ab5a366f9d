#include "base/Format.h"

#include "base/Exceptions.h"
#include "base/FormatFloat.h"

#include <algorithm>
#include <cstring>

namespace base {

namespace {

constexpr int kMaxWidth = 1024;
constexpr int kStar = -2;  // "*" given: take the value from the next argument
constexpr int kNone = -1;

struct Spec {
  int index = kNone;
  bool left = false;
  int width = kNone;
  int precision = kNone;
  char type = 0;  // upper case
};

bool isDigit(QChar c) {
  return c.unicode() >= '0' && c.unicode() <= '9';
}

class Parser {
 public:
  explicit Parser(const QString& f) : f_(f) {}

  // Parses the specifier starting after '%' at pos; false when malformed.
  bool spec(qsizetype& pos, Spec& s) const {
    int a = number(pos);
    if (a == kNone - 10) return false;
    if (pos < f_.size() && f_[pos] == QLatin1Char(':')) {
      s.index = a == kNone ? 0 : a;
      ++pos;
      a = kNone;
    }
    if (a == kNone) {
      if (pos < f_.size() && f_[pos] == QLatin1Char('-')) {
        s.left = true;
        ++pos;
      }
      a = number(pos);
      if (a == kNone - 10) return false;
    }
    s.width = a;
    if (pos < f_.size() && f_[pos] == QLatin1Char('.')) {
      ++pos;
      s.precision = number(pos);
      if (s.precision == kNone - 10) return false;
      if (s.precision == kNone) s.precision = 0;
    }
    if (pos >= f_.size()) return false;
    const char16_t t = f_[pos].toUpper().unicode();
    ++pos;
    switch (t) {
      case 'D':
      case 'U':
      case 'X':
      case 'E':
      case 'F':
      case 'G':
      case 'N':
      case 'M':
      case 'P':
      case 'S':
        s.type = static_cast<char>(t);
        return true;
      default:
        return false;
    }
  }

 private:
  // Digits, "*", or nothing (kNone); kNone - 10 for a number above the limit.
  int number(qsizetype& pos) const {
    if (pos < f_.size() && f_[pos] == QLatin1Char('*')) {
      ++pos;
      return kStar;
    }
    if (pos >= f_.size() || !isDigit(f_[pos])) return kNone;
    int v = 0;
    while (pos < f_.size() && isDigit(f_[pos])) {
      v = v * 10 + (f_[pos].unicode() - '0');
      if (v > kMaxWidth) return kNone - 10;
      ++pos;
    }
    return v;
  }

  const QString& f_;
};

[[noreturn]] void invalid(const QString& format) {
  throw EFormatError(InvalidFormatMessage(format));
}

void appendPadded(QString& out, QStringView text, const Spec& s) {
  const qsizetype pad = s.width > text.size() ? s.width - text.size() : 0;
  if (!s.left) out += QString(pad, QLatin1Char(' '));
  out += text;
  if (s.left) out += QString(pad, QLatin1Char(' '));
}

QString integerText(const FormatArg& a, char type, int precision) {
  bool negative = false;
  uint64_t mag = 0;
  const bool hex = type == 'X';
  switch (a.kind()) {
    case FormatArg::Kind::Int32:
    case FormatArg::Kind::Int64: {
      const int64_t v = a.asInt64();
      if (type == 'D') {
        negative = v < 0;
        mag = negative ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
      } else if (a.kind() == FormatArg::Kind::Int32) {
        mag = static_cast<uint32_t>(static_cast<int32_t>(v));  // 32-bit two's complement
      } else {
        mag = static_cast<uint64_t>(v);
      }
      break;
    }
    default:
      mag = a.asUInt64();
      break;
  }
  QString digits = QString::number(mag, hex ? 16 : 10);
  if (hex) digits = digits.toUpper();
  if (precision > digits.size())
    digits.prepend(QString(precision - digits.size(), QLatin1Char('0')));
  if (negative) digits.prepend(QLatin1Char('-'));
  return digits;
}

}  // namespace

QString InvalidFormatMessage(const QString& format) {
  return QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format);
}

QString FormatList(const QString& format, std::span<const FormatArg> args,
                   const FormatSettings& fs) {
  QString out;
  out.reserve(format.size() + 16);
  const Parser parser(format);
  size_t next = 0;
  auto take = [&]() -> const FormatArg& {
    if (next >= args.size())
      throw EFormatError(QStringLiteral("No argument for format '%1'").arg(format));
    return args[next++];
  };
  auto takeCount = [&](int& v) {
    if (v != kStar) return;
    const FormatArg& a = take();
    if (!a.isInteger()) invalid(format);
    const int64_t n = a.kind() == FormatArg::Kind::UInt64 || a.kind() == FormatArg::Kind::UInt32
                          ? static_cast<int64_t>(std::min<uint64_t>(a.asUInt64(), kMaxWidth + 1))
                          : a.asInt64();
    if (n > kMaxWidth) invalid(format);
    v = n < 0 ? kNone : static_cast<int>(n);
  };

  qsizetype i = 0;
  const qsizetype n = format.size();
  while (i < n) {
    const qsizetype pct = format.indexOf(QLatin1Char('%'), i);
    if (pct < 0) {
      out += QStringView(format).mid(i);
      break;
    }
    out += QStringView(format).mid(i, pct - i);
    i = pct + 1;
    if (i < n && format[i] == QLatin1Char('%')) {
      out += QLatin1Char('%');
      ++i;
      continue;
    }
    Spec s;
    if (!parser.spec(i, s)) invalid(format);
    if (s.index == kStar) {
      const FormatArg& a = take();
      if (!a.isInteger() || a.asInt64() < 0) invalid(format);
      s.index = static_cast<int>(std::min<int64_t>(a.asInt64(), INT32_MAX));
    }
    if (s.index != kNone) next = static_cast<size_t>(s.index);
    takeCount(s.width);
    takeCount(s.precision);
    const FormatArg& a = take();
    switch (s.type) {
      case 'D':
      case 'U':
      case 'X':
        if (!a.isInteger()) invalid(format);
        appendPadded(out, integerText(a, s.type, s.precision), s);
        break;
      case 'P': {
        if (a.kind() != FormatArg::Kind::Pointer) invalid(format);
        const auto v = reinterpret_cast<uintptr_t>(a.asPointer());
        appendPadded(out,
                     QString::number(static_cast<quint64>(v), 16)
                         .toUpper()
                         .rightJustified(static_cast<int>(sizeof(void*) * 2), QLatin1Char('0')),
                     s);
        break;
      }
      case 'S': {
        if (a.kind() != FormatArg::Kind::Text) invalid(format);
        QStringView t = a.asText();
        if (s.precision != kNone && s.precision < t.size()) t = t.left(s.precision);
        appendPadded(out, t, s);
        break;
      }
      default: {
        if (a.kind() != FormatArg::Kind::Float) invalid(format);
        const double v = a.asDouble();
        QString t;
        switch (s.type) {
          case 'E':
            t = FloatToStrF(v, ffExponent, s.precision == kNone ? 15 : s.precision, 3, fs);
            break;
          case 'G':
            t = FloatToStrF(v, ffGeneral, s.precision == kNone ? 15 : s.precision, 3, fs);
            break;
          case 'F':
            t = FloatToStrF(v, ffFixed, 18, s.precision == kNone ? 2 : s.precision, fs);
            break;
          case 'N':
            t = FloatToStrF(v, ffNumber, 18, s.precision == kNone ? 2 : s.precision, fs);
            break;
          default:  // 'M'
            t = FloatToStrF(v, ffCurrency, 18,
                            s.precision == kNone ? fs.CurrencyDecimals : s.precision, fs);
            break;
        }
        appendPadded(out, t, s);
        break;
      }
    }
  }
  return out;
}

QString FormatList(const QString& format, std::span<const FormatArg> args) {
  return FormatList(format, args, *FormatSettings::Current());
}

QString Format(const QString& format, std::initializer_list<FormatArg> args,
               const FormatSettings& fs) {
  return FormatList(format, std::span<const FormatArg>(args.begin(), args.size()), fs);
}

QString Format(const QString& format, std::initializer_list<FormatArg> args) {
  return FormatList(format, std::span<const FormatArg>(args.begin(), args.size()),
                    *FormatSettings::Current());
}

bool IsSingleFloatFormat(const QString& format) {
  const Parser parser(format);
  int conversions = 0;
  qsizetype i = 0;
  while (i < format.size()) {
    if (format[i] != QLatin1Char('%')) {
      ++i;
      continue;
    }
    ++i;
    if (i < format.size() && format[i] == QLatin1Char('%')) {
      ++i;
      continue;
    }
    Spec s;
    if (!parser.spec(i, s)) return false;
    if (s.index == kStar || s.width == kStar || s.precision == kStar) return false;
    if (s.index > 0) return false;
    if (!std::strchr("EFGNM", s.type)) return false;
    ++conversions;
  }
  if (conversions != 1) return false;
  try {
    Format(format, {0.83});
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

}  // namespace base
