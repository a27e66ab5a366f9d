#include "base/ParseDateTime.h"

#include "base/Exceptions.h"

#include <QDate>

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

bool scanDate(Scanner& sc, const FormatSettings& fs, TDateTime& out) {
  int n1, n2, n3 = 0, d1, d2, d3 = 0;
  if (!sc.number(n1, d1) || !sc.symbol(fs.DateSeparator) || !sc.number(n2, d2)) return false;
  const qsizetype afterTwo = sc.pos();
  const bool three = sc.symbol(fs.DateSeparator) && sc.number(n3, d3);
  if (!three) sc.setPos(afterTwo);
  int y, m, d, yearDigits;
  const Order order = dateOrder(fs.ShortDateFormat);
  if (!three) {
    y = QDate::currentDate().year();
    yearDigits = 4;
    if (order == Order::MDY) {
      m = n1;
      d = n2;
    } else if (order == Order::DMY) {
      d = n1;
      m = n2;
    } else {
      m = n1;
      d = n2;
    }
  } else if (order == Order::MDY) {
    m = n1, d = n2, y = n3, yearDigits = d3;
  } else if (order == Order::DMY) {
    d = n1, m = n2, y = n3, yearDigits = d3;
  } else {
    y = n1, m = n2, d = n3, yearDigits = d1;
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
  if (!scanDate(sc, fs, d)) return false;
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
