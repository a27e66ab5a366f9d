// Each control of the per-type editors writes exactly its property of the
// series shown (or, for settings all series of a class share, of both).
#include "chart/series/TAreaSeries.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "tests/charteditor/serieseditors/ControlRows.h"

namespace {

const QMetaObject* const kFast = &TFastLineSeries::staticMetaObject;
const QMetaObject* const kLine = &TLineSeries::staticMetaObject;
const QMetaObject* const kPoint = &TPointSeries::staticMetaObject;
const QMetaObject* const kArea = &TAreaSeries::staticMetaObject;

TCustomSeries& custom(TChartSeries& s) {
  return static_cast<TCustomSeries&>(s);
}

// A line's markers start hidden, which disables their controls.
void pointerShown(TChartSeries& s) {
  custom(s).Pointer()->SetVisible(true);
}

const ControlRow kRows[] = {
    {"FastDrawAll", kFast, "Format", {}, ClickOn("CBDrawAll"), {"Series0.DrawAllPoints"}},
    {"FastVisible", kFast, "Format", {}, ClickOn("CBVisible"), {"Series0.Pen.Visible"}},
    {"FastWidth", kFast, "Format", {}, StepUpOn("SEWidth"), {"Series0.Pen.Width"}},
    {"FastStyle", kFast, "Format", {}, ChooseOn("CBStyle", 2), {"Series0.Pen.Style"}},
    {"FastColor",
     kFast,
     "Format",
     {},
     PickColor("BColor", base::clBlue),
     {"Series0.Pen.Color", "Series0.SeriesColor"}},

    {"LineStairs", kLine, "Format", {}, ClickOn("CBStairs"), {"Series0.Stairs"}},
    {"LineInverted",
     kLine,
     "Format",
     [](TChartSeries& s) { custom(s).SetStairs(true); },
     ClickOn("CBInvStairs"),
     {"Series0.InvertedStairs"}},
    {"LineColorEach", kLine, "Format", {}, ClickOn("CBColorEach"), {"Series0.ColorEachPoint"}},
    {"LineDark3D", kLine, "Format", {}, ClickOn("CBDark3D"), {"Series0.Dark3D"}},
    {"LineStacked",
     kLine,
     "Format",
     {},
     ChooseOn("CBStack", 2),
     {"Series0.Stacked", "Series1.Stacked"}},
    {"LineHeight", kLine, "Format", {}, StepUpOn("EHeight"), {"Series0.LineHeight"}},
    {"LineClickable", kLine, "Format", {}, ClickOn("CBClick"), {"Series0.ClickableLine"}},
    {"LineColor",
     kLine,
     "Format",
     {},
     PickColor("BLineColor", base::clBlue),
     {"Series0.SeriesColor"}},

    {"PointVisible", kLine, "Point", {}, ClickOn("CBDrawPoint"), {"Series0.Pointer.Visible"}},
    {"Point3D", kLine, "Point", pointerShown, ClickOn("CB3dPoint"), {"Series0.Pointer.Draw3D"}},
    {"PointWidth",
     kLine,
     "Point",
     pointerShown,
     StepUpOn("SEPointHorizSize"),
     {"Series0.Pointer.HorizSize"}},
    {"PointHeight",
     kLine,
     "Point",
     pointerShown,
     StepUpOn("SEPointVertSize"),
     {"Series0.Pointer.VertSize"}},
    {"PointStyle", kLine, "Point", {}, ChooseOn("CBStyle", 2), {"Series0.Pointer.Style"}},
    {"PointInflate",
     kLine,
     "Point",
     pointerShown,
     ClickOn("CBInflate"),
     {"Series0.Pointer.InflateMargins"}},
    {"PointDark", kLine, "Point", pointerShown, ClickOn("CBPoDark"), {"Series0.Pointer.Dark3D"}},
    {"PointDefaultBrush",
     kLine,
     "Point",
     [](TChartSeries& s) {
       pointerShown(s);
       custom(s).Pointer()->Brush()->SetColor(base::clGreen);
     },
     ClickOn("CBDefBrushColor"),
     {"Series0.Pointer.Brush.Color"}},
    {"PointColorEach", kLine, "Point", {}, ClickOn("CBColorEach"), {"Series0.ColorEachPoint"}},
    {"PointSeriesFormat",
     kPoint,
     "Format",
     {},
     ClickOn("CBDrawPoint"),
     {"Series0.Pointer.Visible"}},

    {"AreaMulti",
     kArea,
     "Format",
     {},
     ChooseOn("RGMultiArea", 1),
     {"Series0.Stacked", "Series1.Stacked"}},
    {"AreaStairs", kArea, "Format", {}, ClickOn("CBStairs"), {"Series0.Stairs"}},
    {"AreaInverted", kArea, "Format", {}, ClickOn("CBInvStairs"), {"Series0.InvertedStairs"}},
    {"AreaBrush", kArea, "Format", {}, ChooseOn("CBAreaBrush", 2), {"Series0.AreaBrush"}},
    {"AreaColorEach", kArea, "Format", {}, ClickOn("CBColorEach"), {"Series0.ColorEachPoint"}},
    {"AreaUseOrigin", kArea, "Format", {}, ClickOn("CBUseOrigin"), {"Series0.UseYOrigin"}},
    {"AreaOrigin",
     kArea,
     "Format",
     [](TChartSeries& s) { static_cast<TAreaSeries&>(s).SetUseYOrigin(true); },
     StepUpOn("EOrigin"),
     {"Series0.YOrigin"}},
    {"AreaColorIsTheSeriesColor",
     kArea,
     "Format",
     {},
     PickColor("BAreaColor", base::clBlue),
     {"Series0.SeriesColor"}},
    {"AreaColorOfItsOwn",
     kArea,
     "Format",
     [](TChartSeries& s) { custom(s).SetAreaColor(base::clGreen); },
     PickColor("BAreaColor", base::clBlue),
     {"Series0.AreaColor"}},
    {"AreaPoint", kArea, "Point", {}, ClickOn("CBDrawPoint"), {"Series0.Pointer.Visible"}},
};

class SeriesEditorControls : public testing::TestWithParam<ControlRow> {};

TEST_P(SeriesEditorControls, WriteTheirOwnPropertyOfTheSeriesShown) {
  CheckControlRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, SeriesEditorControls, testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

}  // namespace
