#include "base/ParseDateTime.h"

#include "base/Exceptions.h"

#include <QDate>

#include <vector>

namespace base {

namespace {

// A cursor over the text being parsed.
class Scanner {
 public:
  explicit Scanner(QStringView s) : s_(s) {}

  void blanks() {
    while (pos_ < s_.size() && s_[pos_].unicode() <= ' ') ++pos_;
  }
  bool atEnd() {
    blanks();
    return pos_ >= s_.size();
  }
  bool number(int& v, int& digits) {
    blanks();
    v = 0;
    digits = 0;
    while (pos_ < s_.size() && s_[pos_].unicode() >= '0' && s_[pos_].unicode() <= '9') {
      if (digits >= 9) return false;  // no field needs more; keeps v in range
      v = v * 10 + (s_[pos_].unicode() - '0');
      ++digits;
      ++pos_;
    }
    return digits > 0;
  }
  bool number(int& v) {
    int digits;
    return number(v, digits);
  }
  bool symbol(QChar c) {
    blanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool word(const QString& w) {
    blanks();
    if (w.isEmpty() || !s_.mid(pos_).startsWith(w, Qt::CaseInsensitive)) return false;
    pos_ += w.size();
    return true;
  }
  qsizetype pos() const { return pos_; }
  void setPos(qsizetype p) { pos_ = p; }

 private:
  QStringView s_;
  qsizetype pos_ = 0;
};

enum class Order { DMY, MDY, YMD };

Order dateOrder(const QString& shortDate) {
  for (QChar c : shortDate) {
    const char16_t u = c.toLower().unicode();
    if (u == 'd') return Order::DMY;
    if (u == 'm') return Order::MDY;
    if (u == 'y') return Order::YMD;
  }
  return Order::MDY;
}

bool isAsciiLetter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// The characters a date text may hold between its fields: the date
// separator and whatever the short date format writes there itself
// ("d. mmm yyyy", "yyyy-mm-dd"); blanks always.
QString fieldSeparators(const FormatSettings& fs) {
  QString out(fs.DateSeparator);
  bool quoted = false;
  for (QChar c : fs.ShortDateFormat) {
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) quoted = !quoted;
    if (quoted || isAsciiLetter(c) || c.isDigit() || c.unicode() <= ' ' || c == QLatin1Char('"') ||
        c == QLatin1Char('\'') || c == QLatin1Char('/'))
      continue;
    if (!out.contains(c)) out += c;
  }
  return out;
}

// A separator character the short date format ends with (the "." of
// "yyyy. mm. dd."), or none.
QChar trailingSeparator(const FormatSettings& fs) {
  const QString f = fs.ShortDateFormat.trimmed();
  if (f.isEmpty()) return {};
  const QChar last = f.back();
  if (isAsciiLetter(last) || last == QLatin1Char('"') || last == QLatin1Char('\'')) return {};
  return last == QLatin1Char('/') ? fs.DateSeparator : last;
}

// A month named in the locale's long or short form (1..12), or 0.
int monthName(Scanner& sc, const FormatSettings& fs) {
  // Long names first: the short one is often the start of the long one.
  for (const auto* names : {&fs.LongMonthNames, &fs.ShortMonthNames})
    for (int m = 0; m < 12; ++m)
      if (sc.word((*names)[static_cast<std::size_t>(m)])) return m + 1;
  return 0;
}

void skipDayName(Scanner& sc, const FormatSettings& fs) {
  for (const auto* names : {&fs.LongDayNames, &fs.ShortDayNames})
    for (const QString& name : *names)
      if (sc.word(name)) {
        sc.symbol(QLatin1Char(','));
        return;
      }
}

struct DateField {
  int value = 0;
  int digits = 0;
  bool named = false;  // a month name
};

// Reads the date's fields: two or three numbers, or a month name among
// them, separated by one separator character and blanks. A number followed
// by the time separator is the hour of a time, not a field.
bool scanFields(Scanner& sc, const FormatSettings& fs, std::vector<DateField>& fields) {
  const QString separators = fieldSeparators(fs);
  skipDayName(sc, fs);
  while (fields.size() < 3) {
    const qsizetype start = sc.pos();
    if (!fields.empty()) {
      sc.blanks();
      const qsizetype at = sc.pos();
      for (QChar c : separators)
        if (sc.symbol(c)) break;
      // Without a separator only blanks or a name divide two fields.
      if (sc.pos() == at && at == start && !fields.back().named) break;
    }
    DateField f;
    if (const int m = monthName(sc, fs)) {
      f.value = m;
      f.named = true;
    } else if (sc.number(f.value, f.digits)) {
      const qsizetype after = sc.pos();
      if (sc.symbol(fs.TimeSeparator)) {
        sc.setPos(start);
        break;
      }
      sc.setPos(after);
    } else {
      sc.setPos(start);
      break;
    }
    fields.push_back(f);
  }
  if (fields.size() == 3) {
    const QChar trailing = trailingSeparator(fs);
    if (!trailing.isNull()) sc.symbol(trailing);
  }
  return fields.size() >= 2;
}

bool scanDate(Scanner& sc, const FormatSettings& fs, TDateTime& out) {
  std::vector<DateField> fields;
  if (!scanFields(sc, fs, fields)) return false;
  int names = 0;
  for (const DateField& f : fields) names += f.named ? 1 : 0;
  if (names > 1) return false;
  const Order order = dateOrder(fs.ShortDateFormat);
  int y = QDate::currentDate().year(), m = 0, d = 0, yearDigits = 4;
  if (names == 1) {
    // The name is the month; the numbers are day and year in the format's order.
    std::vector<DateField> numbers;
    for (const DateField& f : fields)
      if (f.named)
        m = f.value;
      else
        numbers.push_back(f);
    if (numbers.size() == 1) {
      d = numbers[0].value;
    } else if (order == Order::YMD) {
      y = numbers[0].value, yearDigits = numbers[0].digits, d = numbers[1].value;
    } else {
      d = numbers[0].value, y = numbers[1].value, yearDigits = numbers[1].digits;
    }
  } else if (fields.size() == 2) {
    const int n1 = fields[0].value, n2 = fields[1].value;
    if (order == Order::DMY) {
      d = n1, m = n2;
    } else {
      m = n1, d = n2;
    }
  } else {
    const int n1 = fields[0].value, n2 = fields[1].value, n3 = fields[2].value;
    if (order == Order::MDY) {
      m = n1, d = n2, y = n3, yearDigits = fields[2].digits;
    } else if (order == Order::DMY) {
      d = n1, m = n2, y = n3, yearDigits = fields[2].digits;
    } else {
      y = n1, m = n2, d = n3, yearDigits = fields[0].digits;
    }
  }
  if (yearDigits <= 2) {
    // Within 50 years of the current year.
    const int now = QDate::currentDate().year();
    y += (now - 50) / 100 * 100;
    if (y < now - 50) y += 100;
  }
  return TryEncodeDate(y, m, d, out);
}

bool scanTime(Scanner& sc, const FormatSettings& fs, TDateTime& out) {
  int h, n = 0, s = 0, ms = 0;
  if (!sc.number(h)) return false;
  if (sc.symbol(fs.TimeSeparator)) {
    if (!sc.number(n)) return false;
    if (sc.symbol(fs.TimeSeparator)) {
      if (!sc.number(s)) return false;
      if (sc.symbol(fs.DecimalSeparator) && !sc.number(ms)) return false;
    }
  }
  const bool pm = sc.word(fs.TimePMString) || sc.word(QStringLiteral("PM"));
  const bool am = !pm && (sc.word(fs.TimeAMString) || sc.word(QStringLiteral("AM")));
  if (am || pm) {
    if (h < 1 || h > 12) return false;
    h = h % 12 + (pm ? 12 : 0);
  }
  return TryEncodeTime(h, n, s, ms, out);
}

}  // namespace

bool TryStrToDate(const QString& s, TDateTime& value, const FormatSettings& fs) {
  Scanner sc(s);
  TDateTime d;
  if (!scanDate(sc, fs, d) || !sc.atEnd()) return false;
  value = d;
  return true;
}

bool TryStrToTime(const QString& s, TDateTime& value, const FormatSettings& fs) {
  Scanner sc(s);
  TDateTime t;
  if (!scanTime(sc, fs, t) || !sc.atEnd()) return false;
  value = t;
  return true;
}

bool TryStrToDateTime(const QString& s, TDateTime& value, const FormatSettings& fs) {
  Scanner sc(s);
  TDateTime d, t = 0;
  // A time alone is a time of the first day, as the texts of values below 1 read.
  if (!scanDate(sc, fs, d)) return TryStrToTime(s, value, fs);
  if (!sc.atEnd() && !scanTime(sc, fs, t)) return false;
  if (!sc.atEnd()) return false;
  value = d < 0 ? d - t : d + t;
  return true;
}

TDateTime StrToDate(const QString& s) {
  TDateTime v;
  if (!TryStrToDate(s, v, *FormatSettings::Current()))
    throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(s));
  return v;
}

TDateTime StrToTime(const QString& s) {
  TDateTime v;
  if (!TryStrToTime(s, v, *FormatSettings::Current()))
    throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(s));
  return v;
}

TDateTime StrToDateTime(const QString& s) {
  TDateTime v;
  if (!TryStrToDateTime(s, v, *FormatSettings::Current()))
    throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(s));
  return v;
}

}  // namespace base
