#include "chart/core/ChartNumberText.h"

namespace {

QString mapSeparators(QString text, QChar thousandsFrom, QChar decimalFrom, QChar thousandsTo,
                      QChar decimalTo) {
  for (QChar& c : text) {
    if (c == decimalFrom)
      c = decimalTo;
    else if (c == thousandsFrom)
      c = thousandsTo;
  }
  return text;
}

}  // namespace

QString PlotIntToText(int value) {
  return QString::number(value);
}

QString LocalizeNumberText(const QString& text) {
  return LocalizeNumberText(text, *base::FormatSettings::Current());
}

QString LocalizeNumberText(const QString& text, const base::FormatSettings& fs) {
  return mapSeparators(text, QLatin1Char(','), QLatin1Char('.'), fs.ThousandSeparator,
                       fs.DecimalSeparator);
}

QString DelocalizeNumberText(const QString& text) {
  return DelocalizeNumberText(text, *base::FormatSettings::Current());
}

QString DelocalizeNumberText(const QString& text, const base::FormatSettings& fs) {
  return mapSeparators(text, fs.ThousandSeparator, fs.DecimalSeparator, QLatin1Char(','),
                       QLatin1Char('.'));
}
