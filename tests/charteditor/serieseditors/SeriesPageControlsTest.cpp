// Each control of the General and Marks sheets writes exactly its own
// property of the series shown: a chart of two line series is walked
// before and after one user action, and only the listed paths may differ.
#include "chart/core/ChartCursors.h"
#include "chart/model/TChart.h"
#include "chart/series/TLineSeries.h"
#include "tests/charteditor/serieseditors/ControlRows.h"

#include <QComboBox>

#include <functional>
#include <string>

namespace {

const QMetaObject* const kLine = &TLineSeries::staticMetaObject;

const ControlRow kRows[] = {
    {"ShowInLegend", kLine, "General", {}, ClickOn("CBShowInLegend"), {"Series0.ShowInLegend"}},
    {"Cursor", kLine, "General", {}, ChooseOn("CBCursor", 3), {"Series0.Cursor"}},
    {"AutoDepthOff", kLine, "General", {}, ClickOn("CBDepth"), {"Series0.Depth"}},
    {"Depth",
     kLine,
     "General",
     [](TChartSeries& s) { s.SetDepth(10); },
     StepUpOn("EDepth"),
     {"Series0.Depth"}},
    {"ValueFormatChosen", kLine, "General", {}, ChooseOn("CBFormat", 1), {"Series0.ValueFormat"}},
    {"ValueFormatTyped", kLine, "General", {}, TypeOn("CBFormat", "0.00"), {"Series0.ValueFormat"}},
    {"PercentFormat",
     kLine,
     "General",
     {},
     TypeOn("EPercentFormat", "0 %"),
     {"Series0.PercentFormat"}},
    {"HorizAxisTop", kLine, "General", {}, ChooseOn("CBHorizAxis", 0), {"Series0.HorizAxis"}},
    {"VertAxisRight", kLine, "General", {}, ChooseOn("CBVertAxis", 1), {"Series0.VertAxis"}},
    {"XDateTime", kLine, "General", {}, ClickOn("CBXDateTime"), {"Series0.XValues.DateTime"}},
    {"YDateTime", kLine, "General", {}, ClickOn("CBYDateTime"), {"Series0.YValues.DateTime"}},
    {"SortDescending",
     kLine,
     "General",
     {},
     ChooseOn("CBSort", 1),
     {"Series0.Points", "Series0.XValues.Order"}},
    {"MarksVisible", kLine, "Marks", {}, ClickOn("CBMarksVisible"), {"Series0.Marks.Visible"}},
    {"MarksClip", kLine, "Marks", {}, ClickOn("CBMarkClip"), {"Series0.Marks.Clip"}},
    {"MarksAngle", kLine, "Marks", {}, StepUpOn("SEMarksAngle"), {"Series0.Marks.Angle"}},
    {"ArrowLength", kLine, "Marks", {}, StepUpOn("SEArrowLength"), {"Series0.Marks.ArrowLength"}},
    {"DrawEvery", kLine, "Marks", {}, StepUpOn("EMarksEvery"), {"Series0.Marks.DrawEvery"}},
    {"MultiLine",
     kLine,
     "Marks",
     [](TChartSeries& s) { s.Marks()->SetStyle(TSeriesMarks::smsLabelValue); },
     ClickOn("CBMultiLine"),
     {"Series0.Marks.MultiLine"}},
    {"AllVisible",
     kLine,
     "Marks",
     {},
     ClickOn("CBAllVisible"),
     {"Series0.Marks.Visible", "Series1.Marks.Visible"}},
    {"MarkStyle", kLine, "Marks", {}, ChooseOn("RGMarkStyle", 0), {"Series0.Marks.Style"}},
};

class SeriesPageControls : public testing::TestWithParam<ControlRow> {};

TEST_P(SeriesPageControls, WriteTheirOwnPropertyOfTheSeriesShown) {
  CheckControlRow(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, SeriesPageControls, testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

}  // namespace
