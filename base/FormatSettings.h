#pragma once
// The locale data that number and date texts are built and read with:
// separators, date and time formats (in FormatDateTime's syntax), month and
// day names. Current() follows QLocale() (the default locale: the system's in
// the program, whatever a test sets with QLocale::setDefault).
#include <QChar>
#include <QLocale>
#include <QString>

#include <array>
#include <memory>

namespace base {

struct FormatSettings {
  QChar DecimalSeparator = QLatin1Char('.');
  QChar ThousandSeparator = QLatin1Char(',');
  QChar DateSeparator = QLatin1Char('/');
  QChar TimeSeparator = QLatin1Char(':');

  // Currency texts: the number goes between prefix and suffix.
  QString CurrencyPositivePrefix, CurrencyPositiveSuffix;
  QString CurrencyNegativePrefix = QStringLiteral("-"), CurrencyNegativeSuffix;
  int CurrencyDecimals = 2;

  // In FormatDateTime's syntax ("dd/mm/yy", "hh:nn").
  QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
  QString LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
  QString ShortTimeFormat = QStringLiteral("hh:nn");
  QString LongTimeFormat = QStringLiteral("hh:nn:ss");
  QString TimeAMString = QStringLiteral("AM");
  QString TimePMString = QStringLiteral("PM");

  std::array<QString, 12> ShortMonthNames;  // [0] = January
  std::array<QString, 12> LongMonthNames;
  std::array<QString, 7> ShortDayNames;  // [0] = Sunday
  std::array<QString, 7> LongDayNames;

  static FormatSettings FromLocale(const QLocale& locale);

  // Settings of QLocale(), rebuilt when the default locale changes. The
  // returned object stays valid and unchanged while the caller holds it.
  static std::shared_ptr<const FormatSettings> Current();

  // Locale-free texts for files: '.' and ',' separators, English names.
  static const FormatSettings& Invariant();
};

// Converts a QLocale date/time pattern ("dd.MM.yy", "h:mm AP") into
// FormatDateTime's syntax ("dd/mm/yy" with '.' as the date separator, "h:nn ampm").
QString QtPatternToFormatDateTime(const QString& qtPattern, QChar dateSeparator,
                                  QChar timeSeparator);

}  // namespace base
