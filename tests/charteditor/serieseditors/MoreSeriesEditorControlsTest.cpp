// The control rows of the bar, pie, shape, Gantt and arrow editors and of
// the sheets they add.
#include "chart/series/TArrowSeries.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TGanttSeries.h"
#include "chart/series/TPieSeries.h"
#include "tests/charteditor/serieseditors/ControlRows.h"

#include <QTabWidget>

namespace {

const QMetaObject* const kBar = &TBarSeries::staticMetaObject;
const QMetaObject* const kPie = &TPieSeries::staticMetaObject;
const QMetaObject* const kShape = &TChartShape::staticMetaObject;
const QMetaObject* const kGantt = &TGanttSeries::staticMetaObject;
const QMetaObject* const kArrow = &TArrowSeries::staticMetaObject;

TPieSeries& pie(TChartSeries& s) {
  return static_cast<TPieSeries&>(s);
}

auto otherSlices() {
  return [](TChartSeries& s) { pie(s).OtherSlice()->SetStyle(TPieOtherSlice::poBelowPercent); };
}

// On the shape editor's own "Position" sheet.
RowAction onPosition(RowAction act) {
  return [act](QWidget& w, RecordingChartPrompts& prompts) {
    auto* pages = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    pages->setCurrentIndex(1);
    act(*pages->currentWidget(), prompts);
  };
}

const ControlRow kRows[] = {
    {"BarWidth", kBar, "Format", {}, StepUpOn("SEBarwidth"), {"Series0.BarWidthPercent"}},
    {"BarStyle", kBar, "Format", {}, ChooseOn("CBBarStyle", 1), {"Series0.BarStyle"}},
    {"BarOffset", kBar, "Format", {}, StepUpOn("SEBarOffset"), {"Series0.OffsetPercent"}},
    {"BarDark", kBar, "Format", {}, ClickOn("CBDarkBar"), {"Series0.Dark3D"}},
    {"BarSideMargins",
     kBar,
     "Format",
     {},
     ClickOn("CBBarSideMargins"),
     {"Series0.SideMargins", "Series1.SideMargins"}},
    {"BarAutoMarks",
     kBar,
     "Format",
     {},
     ClickOn("CBMarksAutoPosition"),
     {"Series0.AutoMarkPosition"}},
    {"BarColorEach", kBar, "Format", {}, ClickOn("CBColorEach"), {"Series0.ColorEachPoint"}},
    {"BarColor", kBar, "Format", {}, PickColor("BBarColor", base::clBlue), {"Series0.SeriesColor"}},
    {"StackUseOrigin", kBar, "Stack", {}, ClickOn("CBYOrigin"), {"Series0.UseYOrigin"}},
    {"StackOrigin", kBar, "Stack", {}, TypeOn("EYOrigin", "12.5"), {"Series0.YOrigin"}},
    {"StackMultiBar",
     kBar,
     "Stack",
     {},
     ChooseOn("RGMultiBar", 2),
     {"Series0.MultiBar", "Series1.MultiBar"}},
    {"StackGroup",
     kBar,
     "Stack",
     [](TChartSeries& s) {
       static_cast<TCustomBarSeries&>(s).SetMultiBar(TCustomBarSeries::mbStacked);
     },
     StepUpOn("EGroup"),
     {"Series0.StackGroup"}},

    {"PieDark", kPie, "Format", {}, ClickOn("CBDark3d"), {"Series0.Dark3D"}},
    {"PiePatterns", kPie, "Format", {}, ClickOn("CBPatterns"), {"Series0.UsePatterns"}},
    {"PieOther", kPie, "Format", {}, ChooseOn("CBOther", 2), {"Series0.OtherSlice.Style"}},
    {"PieOtherValue",
     kPie,
     "Format",
     otherSlices(),
     TypeOn("EOtherValue", "7.5"),
     {"Series0.OtherSlice.Value"}},
    {"PieOtherLabel",
     kPie,
     "Format",
     otherSlices(),
     TypeOn("EOtherLabel", "Rest"),
     {"Series0.OtherSlice.Text"}},
    {"PieExplode", kPie, "Format", {}, StepUpOn("SEExpBig"), {"Series0.ExplodeBiggest"}},
    {"PieShadowHoriz", kPie, "Format", {}, StepUpOn("UDShadowHoriz"), {"Series0.Shadow.HorizSize"}},
    {"PieShadowVert", kPie, "Format", {}, StepUpOn("UDShadowVert"), {"Series0.Shadow.VertSize"}},
    {"PieAngle",
     kPie,
     "Format",
     [](TChartSeries& s) { pie(s).SetAngleSize(180); },
     StepUpOn("UDAngleSize"),
     {"Series0.AngleSize"}},
    {"PieShadowColor",
     kPie,
     "Format",
     {},
     PickColor("BShadowColor", base::clBlue),
     {"Series0.Shadow.Color"}},
    {"Circled", kPie, "Circled", {}, ClickOn("CBCircled"), {"Series0.Circled", "Series1.Circled"}},
    {"CircledRotation", kPie, "Circled", {}, StepUpOn("UDRot"), {"Series0.RotationAngle"}},
    {"CircledXRadius",
     kPie,
     "Circled",
     {},
     StepUpOn("UDX"),
     {"Series0.CustomXRadius", "Series1.CustomXRadius"}},
    {"CircledYRadius",
     kPie,
     "Circled",
     {},
     StepUpOn("UDY"),
     {"Series0.CustomYRadius", "Series1.CustomYRadius"}},
    {"CircledAutoX",
     kPie,
     "Circled",
     [](TChartSeries& s) { pie(s).SetCustomXRadius(50); },
     ClickOn("CBAutoX"),
     {"Series0.CustomXRadius", "Series1.CustomXRadius"}},
    {"CircledBack",
     kPie,
     "Circled",
     {},
     PickColor("BBack", base::clBlue),
     {"Series0.CircleBackColor"}},
    {"Circled3D", kPie, "Circled", {}, ClickOn("CB3D"), {"View3D"}},

    {"ShapeStyle", kShape, "Format", {}, ChooseOn("CBStyle", 0), {"Series0.Style"}},
    {"ShapeTransparent", kShape, "Format", {}, ClickOn("CBTrans"), {"Series0.Transparent"}},
    {"ShapeAlign", kShape, "Format", {}, ChooseOn("RGAlign", 0), {"Series0.Alignment"}},
    {"ShapeVertAlign", kShape, "Format", {}, ChooseOn("RGVertAlign", 0), {"Series0.VertAlign"}},
    {"ShapeText", kShape, "Format", {}, TypeOn("MemoText", "Hi"), {"Series0.Text"}},
    {"ShapeX0",
     kShape,
     "Format",
     {},
     onPosition(StepUpOn("SEX0")),
     {"Series0.Points", "Series0.X0"}},
    {"ShapeY1",
     kShape,
     "Format",
     {},
     onPosition(StepUpOn("SEY1")),
     {"Series0.Points", "Series0.Y1"}},
    {"ShapeUnits", kShape, "Format", {}, onPosition(ChooseOn("CBUnits", 0)), {"Series0.XYStyle"}},

    {"GanttHeight",
     kGantt,
     "Format",
     {},
     StepUpOn("SEPointVertSize"),
     {"Series0.Pointer.VertSize"}},
    {"GanttColorEach", kGantt, "Format", {}, ClickOn("CBColorEach"), {"Series0.ColorEachPoint"}},
    {"GanttColor",
     kGantt,
     "Format",
     [](TChartSeries& s) { s.SetColorEachPoint(false); },
     PickColor("BColor", base::clBlue),
     {"Series0.SeriesColor"}},
    {"GanttPoint", kGantt, "Gantt", {}, ClickOn("CBDrawPoint"), {"Series0.Pointer.Visible"}},

    {"ArrowWidth", kArrow, "Format", {}, StepUpOn("SEArrowWidth"), {"Series0.Pointer.HorizSize"}},
    {"ArrowHeight", kArrow, "Format", {}, StepUpOn("SEArrowHeight"), {"Series0.Pointer.VertSize"}},
    {"ArrowColorEach",
     kArrow,
     "Format",
     [](TChartSeries& s) {
       static_cast<TCustomSeries&>(s).Pointer()->Brush()->SetColor(base::clGreen);
     },
     ClickOn("CBColorEach"),
     {"Series0.ColorEachPoint", "Series0.Pointer.Brush.Color"}},
    {"ArrowColor",
     kArrow,
     "Format",
     {},
     PickColor("BArrowColor", base::clBlue),
     {"Series0.SeriesColor"}},
};

class MoreSeriesEditorControls : public testing::TestWithParam<ControlRow> {};

TEST_P(MoreSeriesEditorControls, WriteTheirOwnPropertyOfTheSeriesShown) {
  CheckControlRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, MoreSeriesEditorControls, testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

}  // namespace
