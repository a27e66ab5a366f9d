#include "base/FormatDateTime.h"

#include <algorithm>
#include <array>

namespace base {

namespace {

struct Fields {
  int year = 0, month = 0, day = 0, dow = 0;
  int hour = 0, min = 0, sec = 0, msec = 0;
};

// Nested formats (c, ddddd, t) expand at most this deep, so settings that
// name themselves cannot recurse forever.
constexpr int kMaxNesting = 2;

class Formatter {
 public:
  Formatter(TDateTime dt, const FormatSettings& fs) : fs_(fs) {
    DecodeDate(dt, f_.year, f_.month, f_.day);
    DecodeTime(dt, f_.hour, f_.min, f_.sec, f_.msec);
    f_.dow = DayOfWeek(dt);
  }

  QString run(const QString& format) {
    out_.reserve(format.size() + 16);
    append(format.isEmpty() ? QStringLiteral("c") : format, 0);
    return out_;
  }

 private:
  void number(int v, int minDigits) {
    const QString s = QString::number(v);
    for (qsizetype i = s.size(); i < minDigits; ++i) out_ += QLatin1Char('0');
    out_ += s;
  }

  template <size_t N>
  void name(const std::array<QString, N>& names, int oneBased) {
    if (oneBased >= 1 && oneBased <= static_cast<int>(N)) out_ += names[oneBased - 1];
  }

  static bool startsWith(QStringView s, qsizetype i, const char* what) {
    return s.mid(i).startsWith(QLatin1String(what), Qt::CaseInsensitive);
  }

  // True when an am/pm marker follows position i outside quoted text.
  static bool twelveHour(QStringView s, qsizetype i) {
    QChar quote;
    for (; i < s.size(); ++i) {
      const QChar c = s[i];
      if (!quote.isNull()) {
        if (c == quote) quote = QChar();
        continue;
      }
      if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        quote = c;
      } else if (startsWith(s, i, "am/pm") || startsWith(s, i, "a/p") || startsWith(s, i, "ampm")) {
        return true;
      }
    }
    return false;
  }

  void append(QStringView s, int level) {
    char last = 0;  // the last date/time letter, for 'm' after 'h'
    bool use12 = false;
    bool use12Known = false;
    qsizetype i = 0;
    while (i < s.size()) {
      const QChar c = s[i];
      if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
        qsizetype end = i + 1;
        while (end < s.size() && s[end] != c) ++end;
        out_ += s.mid(i + 1, end - i - 1);
        i = std::min(end + 1, s.size());
        continue;
      }
      if (c == QLatin1Char('/')) {
        out_ += fs_.DateSeparator;
        ++i;
        continue;
      }
      if (c == QLatin1Char(':')) {
        out_ += fs_.TimeSeparator;
        ++i;
        continue;
      }
      const char16_t u = c.toLower().unicode();
      if (u == 'a') {
        if (startsWith(s, i, "am/pm")) {
          const bool pm = f_.hour >= 12;
          // Case as written: "AM/PM" gives "PM", "am/pm" gives "pm".
          out_ += s.mid(pm ? i + 3 : i, 2);
          i += 5;
        } else if (startsWith(s, i, "a/p")) {
          out_ += s[f_.hour >= 12 ? i + 2 : i];
          i += 3;
        } else if (startsWith(s, i, "ampm")) {
          out_ += f_.hour >= 12 ? fs_.TimePMString : fs_.TimeAMString;
          i += 4;
        } else {
          out_ += c;
          ++i;
        }
        last = 'a';
        continue;
      }
      if (!(u == 'c' || u == 'd' || u == 'm' || u == 'y' || u == 'h' || u == 'n' || u == 's' ||
            u == 'z' || u == 't')) {
        if (u >= 'a' && u <= 'z') last = static_cast<char>(u);
        out_ += c;
        ++i;
        continue;
      }
      qsizetype run = 1;
      while (i + run < s.size() && s[i + run].toLower().unicode() == u) ++run;
      const int n = static_cast<int>(std::min<qsizetype>(run, 1000));
      switch (u) {
        case 'c':
          if (level < kMaxNesting) {
            append(fs_.ShortDateFormat, level + 1);
            if (f_.hour || f_.min || f_.sec || f_.msec) {
              out_ += QLatin1Char(' ');
              append(fs_.LongTimeFormat, level + 1);
            }
          }
          break;
        case 'd':
          if (n <= 2) {
            number(f_.day, n);
          } else if (n == 3) {
            name(fs_.ShortDayNames, f_.dow);
          } else if (n == 4) {
            name(fs_.LongDayNames, f_.dow);
          } else if (level < kMaxNesting) {
            append(n == 5 ? fs_.ShortDateFormat : fs_.LongDateFormat, level + 1);
          }
          break;
        case 'm':
          if (last == 'h') {
            number(f_.min, std::min(n, 2));
          } else if (n <= 2) {
            number(f_.month, n);
          } else if (n == 3) {
            name(fs_.ShortMonthNames, f_.month);
          } else {
            name(fs_.LongMonthNames, f_.month);
          }
          break;
        case 'y':
          if (n <= 2)
            number(f_.year % 100, 2);
          else
            number(f_.year, 4);
          break;
        case 'h': {
          if (!use12Known) {
            use12 = twelveHour(s, i);
            use12Known = true;
          }
          int h = f_.hour;
          if (use12) {
            h %= 12;
            if (h == 0) h = 12;
          }
          number(h, std::min(n, 2));
          break;
        }
        case 'n':
          number(f_.min, std::min(n, 2));
          break;
        case 's':
          number(f_.sec, std::min(n, 2));
          break;
        case 'z':
          number(f_.msec, n >= 3 ? 3 : 1);
          break;
        case 't':
          if (level < kMaxNesting)
            append(n == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, level + 1);
          break;
        default:
          break;
      }
      last = static_cast<char>(u);
      i += run;
    }
  }

  const FormatSettings& fs_;
  Fields f_;
  QString out_;
};

}  // namespace

QString FormatDateTime(const QString& format, TDateTime dt, const FormatSettings& fs) {
  return Formatter(dt, fs).run(format);
}

QString FormatDateTime(const QString& format, TDateTime dt) {
  return FormatDateTime(format, dt, *FormatSettings::Current());
}

QString DateToStr(TDateTime dt) {
  return FormatDateTime(QStringLiteral("ddddd"), dt);
}

QString TimeToStr(TDateTime dt) {
  return FormatDateTime(QStringLiteral("tt"), dt);
}

QString DateTimeToStr(TDateTime dt) {
  return FormatDateTime(QStringLiteral("c"), dt);
}

}  // namespace base
