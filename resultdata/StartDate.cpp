#include "resultdata/StartDate.h"

#include "base/Convert.h"
#include "base/Exceptions.h"

#include <limits>

namespace {

// A piece of the text between separators: leading blanks, an optional sign
// and decimal digits only (no hexadecimal, unlike StrToInt).
int decimalPiece(QStringView piece) {
  qsizetype i = 0;
  while (i < piece.size() && piece[i] == QLatin1Char(' ')) ++i;
  const bool negative = i < piece.size() && piece[i] == QLatin1Char('-');
  if (i < piece.size() && (piece[i] == QLatin1Char('-') || piece[i] == QLatin1Char('+'))) ++i;
  if (i == piece.size()) throw base::EConvertError(base::InvalidIntegerMessage(piece.toString()));
  long long value = 0;
  for (; i < piece.size(); ++i) {
    const char16_t c = piece[i].unicode();
    if (c < u'0' || c > u'9' || value > std::numeric_limits<int>::max() / 10)
      throw base::EConvertError(base::InvalidIntegerMessage(piece.toString()));
    value = value * 10 + (c - u'0');
  }
  return int(negative ? -value : value);
}

// Splits off the integer before the separator at `at` (an index, or -1 when
// the separator is missing, which leaves an empty piece and so raises) and
// drops it with the separator.
int takeInteger(QString& rest, qsizetype at) {
  const int value = decimalPiece(QStringView(rest).left(at < 0 ? 0 : at));
  rest.remove(0, at + 1);
  return value;
}

}  // namespace

base::TDateTime DateTextToDateTime(const QString& text) {
  QString rest = text.trimmed();
  if (rest.isEmpty()) return -1.0;

  const int day = takeInteger(rest, rest.indexOf(QLatin1Char('.')));
  const qsizetype dot = rest.indexOf(QLatin1Char('.'));
  const qsizetype underscore = rest.indexOf(QLatin1Char('_'));
  // A "." only after the "_" belongs to the time: the year is left out.
  const bool hasYear = !(dot >= 0 && (underscore < 0 || dot > underscore));
  int month, year;
  if (hasYear) {
    month = takeInteger(rest, dot);
    year = takeInteger(rest, rest.indexOf(QLatin1Char('_')));
    if (year < 100) year += 1900;
  } else {
    month = takeInteger(rest, underscore);
    year = 1991;
  }
  const int hour = takeInteger(rest, rest.indexOf(QLatin1Char('.')));
  const int minute = decimalPiece(rest);
  return base::EncodeDate(year, month, day) + base::EncodeTime(hour, minute, 0, 0);
}
