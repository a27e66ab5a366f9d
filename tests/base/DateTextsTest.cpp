// FormatDateTime: the date strip's and the axes' date texts, month and day
// names and separators from the locale.
#include "LocaleScope.h"
#include "base/FormatDateTime.h"

#include <gtest/gtest.h>

namespace {

using base::EncodeDate;
using base::EncodeTime;

TEST(DateTexts, FieldsNamesAndClocksUnderLocales) {
  const QLocale us(QLocale::English, QLocale::UnitedStates);
  // Monday 5 March 2001, 14:07:09.005
  const base::TDateTime afternoon = EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 9, 5);
  struct Case {
    QLocale locale;
    const char* format;
    base::TDateTime t;
    const char* text;
  };
  const Case cases[] = {
      {LocaleScope::english(), "dd mmmm yyyy hh:nn:ss", afternoon, "05 March 2001 14:07:09"},
      {LocaleScope::german(), "dd mmmm yyyy hh:nn:ss", afternoon, "05 März 2001 14:07:09"},
      {LocaleScope::english(), "ddd dddd mmm", afternoon, "Mon Monday Mar"},
      {LocaleScope::german(), "dddd d/m/yy", afternoon, "Montag 5.3.01"},
      {LocaleScope::english(), "hh:mm mm/dd", afternoon, "14:07 03/05"},  // m after h: minutes
      {LocaleScope::english(), "z zzz", afternoon, "5 005"},
      {LocaleScope::english(), "yyyy-mm-dd", EncodeDate(987, 1, 2), "0987-01-02"},
      {LocaleScope::german(), "ddddd|t", afternoon, "05.03.01|14:07"},  // system formats
      {LocaleScope::german(), "c", afternoon, "05.03.01 14:07:09"},
      {LocaleScope::german(), "c", EncodeDate(2001, 3, 5), "05.03.01"},  // midnight: date only
      {LocaleScope::german(), "", EncodeDate(2001, 3, 5), "05.03.01"},
      {us, "ddddd|t|tt", afternoon, "3/5/01|2:07 PM|2:07:09 PM"},
      {LocaleScope::english(), "h:nn am/pm", afternoon, "2:07 pm"},
      {LocaleScope::english(), "hh:nn AM/PM", EncodeTime(0, 30, 0, 0), "12:30 AM"},
      {LocaleScope::english(), "h a/p|h ampm", EncodeTime(12, 0, 0, 0), "12 p|12 PM"},
      {LocaleScope::english(), "'am/pm' hh", afternoon, "am/pm 14"},  // quoted: still 24-hour
      {LocaleScope::english(), "\"Date:\" yyyy 'h'", afternoon, "Date: 2001 h"},
      {LocaleScope::english(), "dd mmm yyyy ddd", 1e12, "00  0000 "},  // out of range
  };
  for (const Case& c : cases) {
    LocaleScope scope(c.locale);
    EXPECT_EQ(base::FormatDateTime(QString::fromUtf8(c.format), c.t), QString::fromUtf8(c.text))
        << c.format << " " << c.locale.name().toStdString();
  }
  // Hostile settings and patterns stay bounded; six or more d's are the long date.
  base::FormatSettings fs = base::FormatSettings::Invariant();
  fs.ShortDateFormat = QStringLiteral("c ddddd");
  fs.LongTimeFormat = QStringLiteral("tt");
  EXPECT_LT(base::FormatDateTime(QStringLiteral("c"), afternoon, fs).size(), 100);
  EXPECT_EQ(base::FormatDateTime(QString(5000, QLatin1Char('d')), afternoon),
            base::FormatDateTime(QStringLiteral("dddddd"), afternoon));
}

}  // namespace
