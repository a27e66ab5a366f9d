// Which controls are enabled for which state of the series and chart: each
// row prepares a state, opens the sheet and reads one control.
#include "chart/model/TChart.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TGanttSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TSeriesPointer.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QTabWidget>

#include <functional>
#include <string>

namespace {

struct EnableRow {
  std::string name;
  const QMetaObject* seriesClass;
  const char* sheet;
  std::function<void(TChart&, TChartSeries&)> prepare;
  const char* control;
  bool enabled;
};

void PrintTo(const EnableRow& row, std::ostream* os) {
  *os << row.name;
}

const QMetaObject* const kLine = &TLineSeries::staticMetaObject;
const QMetaObject* const kArea = &TAreaSeries::staticMetaObject;
const QMetaObject* const kBar = &TBarSeries::staticMetaObject;
const QMetaObject* const kPie = &TPieSeries::staticMetaObject;
const QMetaObject* const kShape = &TChartShape::staticMetaObject;
const QMetaObject* const kGantt = &TGanttSeries::staticMetaObject;

// The line's markers in a chart of `view3D` with `style`, shown or not,
// drawn in 3D or not.
auto markers(bool view3D, TSeriesPointer::TSeriesPointerStyle style, bool visible = true,
             bool draw3D = true) {
  return [=](TChart& chart, TChartSeries& s) {
    chart.SetView3D(view3D);
    TSeriesPointer* p = static_cast<TCustomSeries&>(s).Pointer();
    p->SetVisible(visible);
    p->SetStyle(style);
    p->SetDraw3D(draw3D);
  };
}

auto markStyle(TSeriesMarks::TSeriesMarksStyle style) {
  return [=](TChart&, TChartSeries& s) { s.Marks()->SetStyle(style); };
}

auto colorEach(bool on) {
  return [=](TChart&, TChartSeries& s) { s.SetColorEachPoint(on); };
}

auto barStyle(TCustomBarSeries::TBarStyle style) {
  return [=](TChart&, TChartSeries& s) { static_cast<TCustomBarSeries&>(s).SetBarStyle(style); };
}

auto multiBar(TCustomBarSeries::TMultiBar kind) {
  return [=](TChart&, TChartSeries& s) { static_cast<TCustomBarSeries&>(s).SetMultiBar(kind); };
}

auto view3D(bool on) {
  return [=](TChart& chart, TChartSeries&) { chart.SetView3D(on); };
}

auto shape(bool view3D, TChartShape::TChartShapeStyle style) {
  return [=](TChart& chart, TChartSeries& s) {
    chart.SetView3D(view3D);
    static_cast<TChartShape&>(s).SetStyle(style);
  };
}

auto depth(int value) {
  return [=](TChart&, TChartSeries& s) { s.SetDepth(value); };
}

using P = TSeriesPointer;
using M = TSeriesMarks;

const EnableRow kRows[] = {
    {"Point3DSquareIn3D", kLine, "Point", markers(true, P::psRectangle), "CB3dPoint", true},
    {"Point3DTriangleIn3D", kLine, "Point", markers(true, P::psTriangle), "CB3dPoint", true},
    {"Point3DDownTriangle", kLine, "Point", markers(true, P::psDownTriangle), "CB3dPoint", true},
    {"Point3DSquareIn2D", kLine, "Point", markers(false, P::psRectangle), "CB3dPoint", false},
    {"Point3DCross", kLine, "Point", markers(true, P::psCross), "CB3dPoint", false},
    {"Point3DCircleFlatCanvas", kLine, "Point", markers(true, P::psCircle), "CB3dPoint", false},
    {"Point3DHidden", kLine, "Point", markers(true, P::psRectangle, false), "CB3dPoint", false},
    {"PointDarkWith3D", kLine, "Point", markers(true, P::psRectangle), "CBPoDark", true},
    {"PointDarkFlat", kLine, "Point", markers(true, P::psRectangle, true, false), "CBPoDark",
     false},
    {"PointDarkIn2D", kLine, "Point", markers(false, P::psRectangle), "CBPoDark", false},
    {"PointDarkHidden", kLine, "Point", markers(true, P::psRectangle, false), "CBPoDark", false},
    {"PointSizeHidden", kLine, "Point", markers(true, P::psRectangle, false), "SEPointHorizSize",
     false},
    {"MultiLineValue", kLine, "Marks", markStyle(M::smsValue), "CBMultiLine", false},
    {"MultiLinePercent", kLine, "Marks", markStyle(M::smsPercent), "CBMultiLine", false},
    {"MultiLineLabel", kLine, "Marks", markStyle(M::smsLabel), "CBMultiLine", false},
    {"MultiLineLabelPercent", kLine, "Marks", markStyle(M::smsLabelPercent), "CBMultiLine", true},
    {"MultiLineLabelValue", kLine, "Marks", markStyle(M::smsLabelValue), "CBMultiLine", true},
    {"MultiLineLegend", kLine, "Marks", markStyle(M::smsLegend), "CBMultiLine", false},
    {"MultiLinePercentTotal", kLine, "Marks", markStyle(M::smsPercentTotal), "CBMultiLine", true},
    {"MultiLineLabelPercentTotal", kLine, "Marks", markStyle(M::smsLabelPercentTotal),
     "CBMultiLine", true},
    {"MultiLineXValue", kLine, "Marks", markStyle(M::smsXValue), "CBMultiLine", false},
    {"MultiLineXY", kLine, "Marks", markStyle(M::smsXY), "CBMultiLine", true},
    {"DepthAuto", kLine, "General", depth(-1), "EDepth", false},
    {"DepthFixed", kLine, "General", depth(10), "EDepth", true},
    {"InvertedWithoutStairs", kLine, "Format", {}, "CBInvStairs", false},
    {"InvertedWithStairs", kLine, "Format",
     [](TChart&, TChartSeries& s) { static_cast<TCustomSeries&>(s).SetStairs(true); },
     "CBInvStairs", true},
    {"OriginUnused", kArea, "Format", {}, "EOrigin", false},
    {"OriginUsed", kArea, "Format",
     [](TChart&, TChartSeries& s) { static_cast<TAreaSeries&>(s).SetUseYOrigin(true); }, "EOrigin",
     true},
    {"BarColorAlone", kBar, "Format", colorEach(false), "BBarColor", true},
    {"BarColorEach", kBar, "Format", colorEach(true), "BBarColor", false},
    {"BarGradientRect", kBar, "Format", barStyle(TCustomBarSeries::bsRectGradient), "BGradient",
     true},
    {"BarGradientPlain", kBar, "Format", barStyle(TCustomBarSeries::bsRectangle), "BGradient",
     false},
    {"BarGradientCone", kBar, "Format", barStyle(TCustomBarSeries::bsCone), "BGradient", false},
    {"StackGroupNone", kBar, "Stack", multiBar(TCustomBarSeries::mbNone), "GBGroup", false},
    {"StackGroupSide", kBar, "Stack", multiBar(TCustomBarSeries::mbSide), "GBGroup", false},
    {"StackGroupStacked", kBar, "Stack", multiBar(TCustomBarSeries::mbStacked), "GBGroup", true},
    {"StackGroupStacked100", kBar, "Stack", multiBar(TCustomBarSeries::mbStacked100), "GBGroup",
     true},
    {"StackGroupSideAll", kBar, "Stack", multiBar(TCustomBarSeries::mbSideAll), "GBGroup", false},
    {"PieDarkIn3D", kPie, "Format", view3D(true), "CBDark3d", true},
    {"PieDarkIn2D", kPie, "Format", view3D(false), "CBDark3d", false},
    {"PieOtherNone", kPie, "Format", {}, "EOtherValue", false},
    {"ShapeRoundRect2D", kShape, "Format", shape(false, TChartShape::chasRectangle), "CBRound",
     true},
    {"ShapeRoundRect3D", kShape, "Format", shape(true, TChartShape::chasRectangle), "CBRound",
     false},
    {"ShapeRoundCircle", kShape, "Format", shape(false, TChartShape::chasCircle), "CBRound", false},
    {"GanttColorAlone", kGantt, "Format", colorEach(false), "BColor", true},
    {"GanttColorEach", kGantt, "Format", colorEach(true), "BColor", false},
};

class EnableRules : public testing::TestWithParam<EnableRow> {};

TEST_P(EnableRules, FollowTheSeriesAndChart) {
  const EnableRow& row = GetParam();
  SeriesPage page(*row.seriesClass);
  if (row.prepare) row.prepare(page.Chart(), *page.Series(0));
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  ASSERT_TRUE(page.ShowSheet(QString::fromLatin1(row.sheet)));
  QWidget* control = Control<QWidget>(*page.Form().Pages()->currentWidget(), row.control);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->isEnabled(), row.enabled);
}

INSTANTIATE_TEST_SUITE_P(Table, EnableRules, testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

// The rules run again when the control they depend on changes.
TEST(EnableRules, FollowTheUsersChanges) {
  SeriesPage page(TLineSeries::staticMetaObject);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Marks")));
  QWidget& marks = *page.Form().Pages()->currentWidget();
  Choose(marks, "RGMarkStyle", M::smsLabelValue);
  EXPECT_TRUE(Control<QWidget>(marks, "CBMultiLine")->isEnabled());
  Choose(marks, "RGMarkStyle", M::smsValue);
  EXPECT_FALSE(Control<QWidget>(marks, "CBMultiLine")->isEnabled());

  ASSERT_TRUE(page.ShowSheet(QStringLiteral("General")));
  QWidget& general = *page.Form().Pages()->currentWidget();
  Click(general, "CBDepth");
  EXPECT_TRUE(Control<QWidget>(general, "EDepth")->isEnabled());
  Click(general, "CBDepth");
  EXPECT_FALSE(Control<QWidget>(general, "EDepth")->isEnabled());

  static_cast<TCustomSeries*>(page.Series(0))->Pointer()->SetVisible(true);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Point")));
  QWidget& point = *page.Form().Pages()->currentWidget();
  Choose(point, "CBStyle", P::psCross);
  EXPECT_FALSE(Control<QWidget>(point, "CB3dPoint")->isEnabled());
  Choose(point, "CBStyle", P::psRectangle);
  EXPECT_TRUE(Control<QWidget>(point, "CB3dPoint")->isEnabled());
  Click(point, "CBDrawPoint");
  EXPECT_FALSE(Control<QWidget>(point, "CB3dPoint")->isEnabled());
}

}  // namespace
