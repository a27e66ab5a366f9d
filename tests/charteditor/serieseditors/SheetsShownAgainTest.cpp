// The series page left for another page and shown again: each sheet shows
// the series as it is now, and a step on a box starts from that value, not
// from what the sheet showed before. The shape's corners show and write
// their values whole.
#include "chart/model/TChart.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <functional>
#include <string>

namespace {

QWidget& Current(SeriesPage& page) {
  return *page.Form().Pages()->currentWidget();
}

// The shape's "Position" sheet inside its Format sheet.
QWidget& Position(SeriesPage& page) {
  auto* pages = Current(page).findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  EXPECT_NE(pages, nullptr);
  pages->setCurrentIndex(1);
  return *pages->currentWidget();
}

struct ShownAgainRow {
  std::string name;
  const QMetaObject* seriesClass;
  const char* sheet;
  std::function<void(TChart&, TChartSeries&)> before;  // when the sheet is first shown
  std::function<void(TChart&, TChartSeries&)> change;  // on another page
  std::function<void(SeriesPage&)> check;
};

void PrintTo(const ShownAgainRow& row, std::ostream* os) {
  *os << row.name;
}

const ShownAgainRow kRows[] = {
    {"PointerIn3D", &TPointSeries::staticMetaObject, "Format",
     [](TChart& c, TChartSeries&) { c.SetView3D(false); },
     [](TChart& c, TChartSeries&) { c.SetView3D(true); },
     [](SeriesPage& p) { EXPECT_TRUE(Control<QCheckBox>(Current(p), "CB3dPoint")->isEnabled()); }},
    {"PieIn3D", &TPieSeries::staticMetaObject, "Format",
     [](TChart& c, TChartSeries&) { c.SetView3D(false); },
     [](TChart& c, TChartSeries&) { c.SetView3D(true); },
     [](SeriesPage& p) { EXPECT_TRUE(Control<QCheckBox>(Current(p), "CBDark3d")->isEnabled()); }},
    {"FastLinePenWidth",
     &TFastLineSeries::staticMetaObject,
     "Format",
     {},
     [](TChart&, TChartSeries& s) { static_cast<TFastLineSeries&>(s).LinePen()->SetWidth(4); },
     [](SeriesPage& p) {
       EXPECT_EQ(Control<QSpinBox>(Current(p), "SEWidth")->value(), 4);
       StepUp(Current(p), "SEWidth");
       EXPECT_EQ(static_cast<TFastLineSeries*>(p.Series(0))->LinePen()->Width(), 5);
     }},
    {"ShapeCornerFromTheGrid", &TChartShape::staticMetaObject, "Format",
     [](TChart&, TChartSeries& s) { static_cast<TChartShape&>(s).SetX0(10); },
     [](TChart&, TChartSeries& s) { static_cast<TChartShape&>(s).SetX0(50); },
     [](SeriesPage& p) {
       QWidget& position = Position(p);
       EXPECT_DOUBLE_EQ(Control<QDoubleSpinBox>(position, "SEX0")->value(), 50);
       StepUp(position, "SEX0");
       EXPECT_DOUBLE_EQ(static_cast<TChartShape*>(p.Series(0))->X0(), 51);
     }},
};

class SheetsShownAgain : public ::testing::TestWithParam<ShownAgainRow> {};

TEST_P(SheetsShownAgain, ShowTheSeriesAsItIsNow) {
  const ShownAgainRow& row = GetParam();
  SeriesPage page(*row.seriesClass);
  if (row.before) row.before(page.Chart(), *page.Series(0));
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  ASSERT_TRUE(page.ShowSheet(QString::fromLatin1(row.sheet)));
  if (row.seriesClass == &TChartShape::staticMetaObject) Position(page);
  page.Form().hide();
  row.change(page.Chart(), *page.Series(0));
  page.Mark();
  page.Form().show();
  EXPECT_EQ(page.Changed(), QStringList()) << "showing wrote";
  row.check(page);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SheetsShownAgain, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

TEST(ShapeCorners, ShowAndStepTheWholeValue) {
  SeriesPage page(TChartShape::staticMetaObject);
  auto* shape = static_cast<TChartShape*>(page.Series(0));
  shape->SetX0(0.123456);
  shape->SetY0(45000.123456789);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(shape);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Format")));
  QWidget& position = Position(page);
  auto* x0 = Control<QDoubleSpinBox>(position, "SEX0");
  EXPECT_EQ(x0->findChild<QLineEdit*>()->text(), QStringLiteral("0.123456"));
  EXPECT_EQ(x0->value(), 0.123456);
  StepUp(position, "SEY0");
  EXPECT_EQ(shape->Y0(), 45001.123456789);
  EXPECT_EQ(shape->X0(), 0.123456);
}

TEST(ShapeCorners, TakeTypedValuesWhole) {
  SeriesPage page(TChartShape::staticMetaObject);
  auto* shape = static_cast<TChartShape*>(page.Series(0));
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Format")));
  QWidget& position = Position(page);
  TypeText(position, "SEX1", QStringLiteral("12.3456789"));
  EXPECT_EQ(shape->X1(), 12.3456789);
  TypeText(position, "SEY1", QStringLiteral("1e-7"));
  EXPECT_EQ(shape->Y1(), 1e-7);
}

}  // namespace
