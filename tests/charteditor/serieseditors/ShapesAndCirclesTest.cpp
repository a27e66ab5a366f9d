// Boxes that hold what the series really has: a shape's corners as the
// decimals they are (and nothing while it has no corners), and the radii
// a circled series falls back to after "Circled".
#include "chart/model/TChart.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TPieSeries.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTabWidget>

namespace {

QWidget& positionSheet(SeriesPage& page) {
  EXPECT_TRUE(page.ShowSheet(QStringLiteral("Format")));
  auto* pages =
      page.Form().Pages()->currentWidget()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  pages->setCurrentIndex(1);
  return *pages->currentWidget();
}

TEST(ShapePosition, HoldsTheShapesRealCoordinates) {
  SeriesPage page(TChartShape::staticMetaObject);
  auto* shape = static_cast<TChartShape*>(page.Series(0));
  shape->SetX0(400.5);
  shape->SetY0(20.25);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(shape);
  QWidget& sheet = positionSheet(page);
  EXPECT_DOUBLE_EQ(Control<QDoubleSpinBox>(sheet, "SEX0")->value(), 400.5);
  EXPECT_DOUBLE_EQ(Control<QDoubleSpinBox>(sheet, "SEY0")->value(), 20.25);
  StepUp(sheet, "SEX0");
  EXPECT_DOUBLE_EQ(shape->X0(), 401.5);
  EXPECT_DOUBLE_EQ(shape->Y0(), 20.25);
}

TEST(ShapePosition, AShapeWithoutCornersHasNoBoxesToUse) {
  SeriesPage page(TChartShape::staticMetaObject);
  auto* shape = static_cast<TChartShape*>(page.Series(0));
  shape->ClearValues();
  shape->AddPointXY(5, 5);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(shape);
  page.Mark();
  QWidget& sheet = positionSheet(page);
  for (const char* box : {"SEX0", "SEY0", "SEX1", "SEY1"}) {
    EXPECT_FALSE(Control<QWidget>(sheet, box)->isEnabled()) << box;
    StepUp(sheet, box);
  }
  EXPECT_EQ(page.Changed(), QStringList());
}

TEST(CircledSheet, CirclingShowsTheAutomaticRadiiItLeaves) {
  SeriesPage page(TPieSeries::staticMetaObject);
  auto* pie = static_cast<TPieSeries*>(page.Series(0));
  pie->SetCustomXRadius(50);
  pie->SetCustomYRadius(40);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(pie);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Circled")));
  QWidget& sheet = *page.Form().Pages()->currentWidget();
  EXPECT_FALSE(Control<QCheckBox>(sheet, "CBAutoX")->isChecked());
  Click(sheet, "CBCircled");
  ASSERT_TRUE(pie->Circled());
  EXPECT_EQ(Control<QSpinBox>(sheet, "UDX")->value(), pie->CustomXRadius());
  EXPECT_TRUE(Control<QCheckBox>(sheet, "CBAutoX")->isChecked());
  EXPECT_EQ(Control<QCheckBox>(sheet, "CBAutoY")->isChecked(), pie->CustomYRadius() == 0);
  StepUp(sheet, "UDX");
  EXPECT_EQ(pie->CustomXRadius(), 5);
  EXPECT_EQ(static_cast<TPieSeries*>(page.Series(1))->CustomXRadius(), 5);
  EXPECT_FALSE(Control<QCheckBox>(sheet, "CBAutoX")->isChecked());
}

TEST(SeriesPageSheets, FromBarToPieTheStackSheetMakesWayForCircled) {
  SeriesPage page(TBarSeries::staticMetaObject);
  TChartSeries* pie = page.Chart().AddSeriesOfClass(TPieSeries::staticMetaObject);
  ASSERT_NE(pie, nullptr);
  page.Form().RefreshSeries(page.Series(0));
  EXPECT_EQ(page.SheetCaptions(),
            QStringList({"Format", "Stack", "General", "Marks", "Data Source"}));
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Stack")));
  page.Form().RefreshSeries(pie);
  EXPECT_EQ(page.SheetCaptions(),
            QStringList({"Format", "Circled", "General", "Marks", "Data Source"}));
  // No sheet of that caption: the Format sheet.
  EXPECT_EQ(page.Form().Pages()->currentIndex(), 0);
}

}  // namespace
