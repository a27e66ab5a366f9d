// FormatDateTime: the date strip's and the axes' date texts, month and day
// names and separators from the locale.
#include "LocaleScope.h"
#include "base/FormatDateTime.h"

#include <gtest/gtest.h>

namespace {

using base::EncodeDate;
using base::EncodeTime;

// Monday 5 March 2001, 14:07:09.005
const base::TDateTime kAfternoon = EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 5);

std::string fmt(const char* f, base::TDateTime t) {
  return base::FormatDateTime(QString::fromUtf8(f), t).toStdString();
}

TEST(DateTexts, FieldsAndNamesEnglish) {
  LocaleScope scope(LocaleScope::english());
  EXPECT_EQ(fmt("dd mmmm yyyy hh:nn:ss", kAfternoon), "05 March 2001 14:07:09");
  EXPECT_EQ(fmt("d/m/yy", kAfternoon), "5/3/01");
  EXPECT_EQ(fmt("ddd dddd mmm", kAfternoon), "Mon Monday Mar");
  EXPECT_EQ(fmt("hh:mm ", kAfternoon), "14:07 ");  // m right after h is minutes
  EXPECT_EQ(fmt("hh:mm:ss", kAfternoon), "14:07:09");
  EXPECT_EQ(fmt("mm/dd hh", kAfternoon), "03/05 14");
  EXPECT_EQ(fmt("z zzz", kAfternoon), "5 005");
  EXPECT_EQ(fmt("yyyy-mm-dd", EncodeDate(987, 1, 2)), "0987-01-02");
}

TEST(DateTexts, FieldsAndNamesGerman) {
  LocaleScope scope(LocaleScope::german());
  EXPECT_EQ(fmt("dd mmmm yyyy hh:nn:ss", kAfternoon), "05 März 2001 14:07:09");
  EXPECT_EQ(fmt("d/m/yy", kAfternoon), "5.3.01");
  EXPECT_EQ(fmt("dddd", kAfternoon), "Montag");
  EXPECT_EQ(fmt("ddddd", kAfternoon), "05.03.01");  // the system short date
  EXPECT_EQ(fmt("t", kAfternoon), "14:07");
  EXPECT_EQ(fmt("c", kAfternoon), "05.03.01 14:07:09");
  EXPECT_EQ(fmt("c", EncodeDate(2001, 3, 5)), "05.03.01");  // midnight: date only
  EXPECT_EQ(fmt("", EncodeDate(2001, 3, 5)), "05.03.01");
}

TEST(DateTexts, TwelveHourClockAndMarkers) {
  LocaleScope scope(LocaleScope::english());
  EXPECT_EQ(fmt("h:nn am/pm", kAfternoon), "2:07 pm");
  EXPECT_EQ(fmt("hh:nn AM/PM", EncodeTime(0, 30, 0, 0)), "12:30 AM");
  EXPECT_EQ(fmt("h a/p", EncodeTime(12, 0, 0, 0)), "12 p");
  EXPECT_EQ(fmt("h ampm", EncodeTime(9, 0, 0, 0)), "9 AM");
  EXPECT_EQ(fmt("'am/pm' hh", kAfternoon), "am/pm 14");  // quoted: still 24-hour
  EXPECT_EQ(fmt("\"Date:\" yyyy 'h'", kAfternoon), "Date: 2001 h");
  EXPECT_EQ(fmt("x", kAfternoon), "x");
}

TEST(DateTexts, UnitedStatesSystemFormats) {
  LocaleScope scope(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(fmt("ddddd", kAfternoon), "3/5/01");
  EXPECT_EQ(fmt("t", kAfternoon), "2:07 PM");
  EXPECT_EQ(fmt("tt", kAfternoon), "2:07:09 PM");
}

TEST(DateTexts, HostileValuesAndSettingsStayBounded) {
  LocaleScope scope(LocaleScope::english());
  EXPECT_EQ(fmt("dd mmm yyyy ddd", 1e12), "00  0000 ");
  base::FormatSettings fs = base::FormatSettings::Invariant();
  fs.ShortDateFormat = QStringLiteral("c ddddd");
  fs.LongTimeFormat = QStringLiteral("tt");
  const QString s = base::FormatDateTime(QStringLiteral("c"), kAfternoon, fs);
  EXPECT_LT(s.size(), 100);
  // Six or more d's are the long date, however many there are.
  EXPECT_EQ(base::FormatDateTime(QString(5000, QLatin1Char('d')), kAfternoon),
            base::FormatDateTime(QStringLiteral("dddddd"), kAfternoon));
}

TEST(DateTexts, QtPatternsConvertToFormatLetters) {
  EXPECT_EQ(base::QtPatternToFormatDateTime("M/d/yy", QLatin1Char('/'), QChar()),
            QStringLiteral("m/d/yy"));
  EXPECT_EQ(base::QtPatternToFormatDateTime("h:mm AP", QChar(), QLatin1Char(':')),
            QStringLiteral("h:nn ampm"));
  EXPECT_EQ(base::QtPatternToFormatDateTime("HH:mm:ss t", QChar(), QLatin1Char(':')),
            QStringLiteral("hh:nn:ss"));
  EXPECT_EQ(base::QtPatternToFormatDateTime("d 'de' MMMM", QLatin1Char('/'), QChar()),
            QStringLiteral("d\" de \"mmmm"));
  EXPECT_EQ(base::QtPatternToFormatDateTime("dd.MM.yyyy", QLatin1Char('.'), QChar()),
            QStringLiteral("dd/mm/yyyy"));
}

}  // namespace
