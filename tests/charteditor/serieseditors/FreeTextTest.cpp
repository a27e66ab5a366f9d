// Numbers and formats typed or chosen in the user's locale: only a finite
// number is written, quietly ignored otherwise, and a format chosen from
// the list is written as listed.
#include "chart/series/TBarSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QComboBox>
#include <QTabWidget>

#include <functional>

namespace {

struct FreeTextCase {
  const QMetaObject* seriesClass;
  const char* sheet;
  const char* box;
  // The state in which the box takes input.
  std::function<void(TChartSeries&)> prepare;
};

const FreeTextCase kBoxes[] = {
    {&TBarSeries::staticMetaObject, "Stack", "EYOrigin", {}},
    {&TPieSeries::staticMetaObject, "Format", "EOtherValue",
     [](TChartSeries& s) {
       static_cast<TPieSeries&>(s).OtherSlice()->SetStyle(TPieOtherSlice::poBelowValue);
     }},
};

TEST(FreeText, OtherThanAFiniteNumberWritesNothingAndSaysNothing) {
  for (const FreeTextCase& c : kBoxes) {
    for (const char* text : {"1,2,3", "nan", "inf", ""}) {
      SeriesPage page(*c.seriesClass);
      if (c.prepare) {
        c.prepare(*page.Series(0));
        page.Form().RefreshSeries(page.Series(1));
        page.Form().RefreshSeries(page.Series(0));
      }
      ASSERT_TRUE(page.ShowSheet(QString::fromLatin1(c.sheet)));
      QWidget& sheet = *page.Form().Pages()->currentWidget();
      ASSERT_TRUE(Control<QWidget>(sheet, c.box)->isEnabled());
      page.Mark();
      TypeText(sheet, c.box, QString::fromLatin1(text));
      EXPECT_EQ(page.Changed(), QStringList()) << c.box << " " << text;
      EXPECT_EQ(page.Prompts().calls, QStringList()) << c.box << " " << text;
    }
  }
}

TEST(FreeText, ANumberInTheUsersLocaleIsWritten) {
  LocaleScope german(LocaleScope::german());
  SeriesPage page(TBarSeries::staticMetaObject);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Stack")));
  page.Mark();
  TypeText(*page.Form().Pages()->currentWidget(), "EYOrigin", QStringLiteral("2,5"));
  EXPECT_EQ(page.Changed(), QStringList({"Series0.YOrigin"}));
  EXPECT_EQ(page.Series(0)->property("YOrigin").toDouble(), 2.5);
}

TEST(FreeText, AListedFormatIsWrittenAsListedInAnyLocale) {
  for (bool german : {false, true}) {
    LocaleScope locale(LocaleScope::of(german));
    SeriesPage page(TLineSeries::staticMetaObject);
    ASSERT_TRUE(page.ShowSheet(QStringLiteral("General")));
    QWidget& general = *page.Form().Pages()->currentWidget();
    auto* box = Control<QComboBox>(general, "CBFormat");
    const int entry = box->findText(german ? QStringLiteral("#.##0,00;(#.##0,00)")
                                           : QStringLiteral("#,##0.00;(#,##0.00)"));
    ASSERT_GE(entry, 0);
    Choose(general, "CBFormat", entry);
    EXPECT_EQ(page.Series(0)->ValueFormat(), QStringLiteral("#,##0.00;(#,##0.00)"));
  }
}

}  // namespace
