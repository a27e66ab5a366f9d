// The legend, titles and walls pages: each control writes exactly its
// property (one row per control), and the rules between controls: the
// margin follows the legend's side, custom positions, the title chosen and
// the wall's gradient.
#include "chart/model/TChart.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "charteditor/editor/TFormPlotLegend.h"
#include "charteditor/editor/TFormPlotTitle.h"
#include "charteditor/editor/TFormPlotWall.h"
#include "tests/charteditor/editor/PageRows.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>

namespace {

using LegendRow = DialogRow<TFormPlotLegend>;

void openLegend(TFormPlotLegend& page, EditedChart& chart) {
  page.EditLegend(chart.Chart().Legend());
  page.show();
}

const LegendRow kLegendRows[] = {
    {"Visible", {}, ClickRow("CBShow"), {"Legend.Visible"}},
    {"Inverted", {}, ClickRow("CBInverted"), {"Legend.Inverted"}},
    {"LegendStyle", {}, PickRow("CBLegendStyle", 2), {"Legend.LegendStyle"}},
    {"TextStyle", {}, PickRow("CBLegStyle", 4), {"Legend.TextStyle"}},
    {"CheckBoxes", {}, ClickRow("CBBoxes"), {"Legend.CheckBoxes"}},
    {"VertSpacing", {}, TypeRow("EVertSpacing", "7"), {"Legend.VertSpacing"}},
    {"FontColor", {}, ClickRow("CBFontColor"), {"Legend.FontSeriesColor"}},
    {"Position", {}, On("TabPosition", ChooseRow("RGPosition", 2)), {"Legend.Alignment"}},
    {"Resize", {}, On("TabPosition", ClickRow("CBResizeChart")), {"Legend.ResizeChart"}},
    {"TopPos", {}, On("TabPosition", TypeRow("SETopPos", "3")), {"Legend.TopPos"}},
    // The legend stands right: its horizontal margin.
    {"Margin", {}, On("TabPosition", TypeRow("SEMargin", "9")), {"Legend.HorizMargin"}},
    {"MarginAtTheTop",
     [](EditedChart& c) { c.Chart().Legend()->SetAlignment(TChartLegend::laTop); },
     On("TabPosition", TypeRow("SEMargin", "9")),
     {"Legend.VertMargin"}},
    {"Custom", {}, On("TabPosition", ClickRow("CBCustPos")), {"Legend.CustomPosition"}},
    {"CustomLeft",
     [](EditedChart& c) { c.Chart().Legend()->SetCustomPosition(true); },
     On("TabPosition", TypeRow("ECustLeft", "4")),
     {"Legend.Left"}},
    {"CustomTop",
     [](EditedChart& c) { c.Chart().Legend()->SetCustomPosition(true); },
     On("TabPosition", TypeRow("ECustTop", "3")),
     {"Legend.Top"}},
    {"LeftWithoutCustom", {}, On("TabPosition", TypeRow("ECustLeft", "4")), {}, 0},
    {"SymbolWidth", {}, On("TabSymbol", TypeRow("SEColWi", "4")), {"Legend.Symbol.Width"}},
    {"SymbolUnits", {}, On("TabSymbol", PickRow("CBColWUnits", 1)), {"Legend.Symbol.WidthUnits"}},
    {"SymbolPosition", {}, On("TabSymbol", PickRow("CBSymbolPos", 1)), {"Legend.Symbol.Position"}},
    {"Continuous", {}, On("TabSymbol", ClickRow("CBContinuous")), {"Legend.Symbol.Continuous"}},
};

class LegendPageRows : public ::testing::TestWithParam<LegendRow> {
 protected:
  ChartEditorScope editors;
};

TEST_P(LegendPageRows, EachControlWritesItsProperty) {
  CheckRow(GetParam(), openLegend);
}

INSTANTIATE_TEST_SUITE_P(Controls, LegendPageRows, ::testing::ValuesIn(kLegendRows),
                         [](const auto& info) { return info.param.name; });

using TitleRow = DialogRow<TFormPlotTitle>;

void openTitle(TFormPlotTitle& page, EditedChart& chart) {
  page.EditTitle(&chart.Chart());
  page.show();
}

const TitleRow kTitleRows[] = {
    {"Visible", {}, On("TabStyle", ClickRow("CBVisible")), {"Title.Visible"}},
    {"Adjust", {}, On("TabStyle", ClickRow("CBAdjust")), {"Title.AdjustFrame"}},
    {"Align", {}, On("TabStyle", ChooseRow("RGAlign", 0)), {"Title.Alignment"}},
    {"Text",
     {},
     [](TFormPlotTitle& p, auto&) {
       auto* memo = child<QPlainTextEdit>(p, "MText");
       memo->moveCursor(QTextCursor::End);
       QTest::keyClicks(memo, QStringLiteral("!"));
     },
     {"Title.Text"}},
    {"Custom", {}, On("TabPosition", ClickRow("CBCustPos")), {"Title.CustomPosition"}},
    {"CustomLeft",
     [](EditedChart& c) { c.Title()->SetCustomPosition(true); },
     On("TabPosition", TypeRow("ECustLeft", "4")),
     {"Title.Left"}},
    {"CustomTop",
     [](EditedChart& c) { c.Title()->SetCustomPosition(true); },
     On("TabPosition", TypeRow("ECustTop", "3")),
     {"Title.Top"}},
    {"FootVisible",
     {},
     [](TFormPlotTitle& p, auto&) {
       Pick(p, "CBTitles", 3);
       Click(ShowSheet(p, "TabStyle"), "CBVisible");
     },
     {"Foot.Visible"}},
    // The shape editor follows the title chosen.
    {"FootTransparent",
     {},
     [](TFormPlotTitle& p, auto&) {
       Pick(p, "CBTitles", 3);
       Click(ShowSheet(p, "TabFormat"), "CBTransparent");
     },
     {"Foot.Transparent"}},
};

class TitlePageRows : public ::testing::TestWithParam<TitleRow> {
 protected:
  ChartEditorScope editors;
};

TEST_P(TitlePageRows, EachControlWritesItsProperty) {
  CheckRow(GetParam(), openTitle);
}

INSTANTIATE_TEST_SUITE_P(Controls, TitlePageRows, ::testing::ValuesIn(kTitleRows),
                         [](const auto& info) { return info.param.name; });

using WallRow = DialogRow<TFormPlotWall>;

void openWall(TFormPlotWall& page, EditedChart& chart) {
  page.EditWall(&chart.Chart(), chart.Chart().BackWall());
  page.show();
}

// Answers the gradient dialog: ticks Visible when asked, then OK or Cancel.
void throughGradient(TFormPlotWall& page, bool tick, const char* button) {
  AnswerNextModal([tick, button](QWidget* modal) {
    auto* d = qobject_cast<TPlotGradientEditor*>(modal);
    ASSERT_NE(d, nullptr);
    if (tick) Click(*d, "CBVisible");
    Click(*d, button);
  });
  Click(page, "BGradient");
}

const WallRow kWallRows[] = {
    {"View3DWalls", {}, ClickRow("CBView3dWalls"), {"View3DWalls"}},
    {"Color",
     {},
     [](TFormPlotWall& p, RecordingChartPrompts& prompts) {
       prompts.colorAnswers.push_back(base::clYellow);
       Click(p, "BWallColor");
     },
     {"BackWall.Color"}},
    {"Border",
     {},
     [](TFormPlotWall& p, auto&) {
       AnswerNextModal([](QWidget* modal) {
         TypeInto(*modal, "SEWidth", "3");
         Click(*modal, "BOk");
       });
       Click(p, "BWallPen");
     },
     {"BackWall.Pen.Width"}},
    {"Pattern",
     {},
     [](TFormPlotWall& p, auto&) {
       AnswerNextModal([](QWidget* modal) {
         child<QListWidget>(*modal, "LStyle")->setCurrentRow(6);
         Click(*modal, "BOk");
       });
       Click(p, "BWallBrush");
     },
     {"BackWall.Brush.Style"}},
    {"Size", {}, TypeRow("SEWallSize", "6"), {"BackWall.Size"}},
    {"Transparent", {}, ClickRow("CBTransp"), {"BackWall.Transparent"}},
    {"Dark3D",
     [](EditedChart& c) { c.Chart().BackWall()->SetSize(4); },
     ClickRow("CBDark3D"),
     {"BackWall.Dark3D"}},
    {"Visible", {}, ClickRow("CBVisible"), {"BackWall.Visible"}},
    {"LeftTab",
     {},
     [](TFormPlotWall& p, auto&) {
       child<QTabBar>(p, "TabSubWalls")->setCurrentIndex(0);
       Click(p, "CBVisible");
     },
     {"LeftWall.Visible"}},
    // Cancel on a gradient that is visible already changes nothing.
    {"GradientCancel",
     [](EditedChart& c) {
       c.Chart().BackWall()->Gradient()->SetVisible(true);
       c.Chart().BackWall()->SetTransparent(true);
     },
     [](TFormPlotWall& p, auto&) { throughGradient(p, false, "BCancel"); },
     {},
     0},
    {"GradientOk",
     [](EditedChart& c) {
       c.Chart().BackWall()->Gradient()->SetVisible(false);
       c.Chart().BackWall()->SetTransparent(true);
     },
     [](TFormPlotWall& p, auto&) { throughGradient(p, true, "BOk"); },
     {"BackWall.Gradient.Visible", "BackWall.Transparent"},
     2},
};

class WallPageRows : public ::testing::TestWithParam<WallRow> {
 protected:
  ChartEditorScope editors;
};

TEST_P(WallPageRows, EachControlWritesItsProperty) {
  CheckRow(GetParam(), openWall);
}

INSTANTIATE_TEST_SUITE_P(Controls, WallPageRows, ::testing::ValuesIn(kWallRows),
                         [](const auto& info) { return info.param.name; });

}  // namespace

TEST(LegendPageRules, TheMarginBoxFollowsTheSideTheLegendMovesTo) {
  ChartEditorScope editors;
  EditedChart chart;
  TChartLegend* legend = chart.Chart().Legend();
  legend->SetHorizMargin(20);
  legend->SetVertMargin(5);
  TFormPlotLegend page;
  openLegend(page, chart);
  auto* margin = child<QSpinBox>(page, "SEMargin");
  EXPECT_EQ(margin->value(), 20);
  ShowSheet(page, "TabPosition");
  Choose(page, "RGPosition", 2);  // right to top
  EXPECT_EQ(margin->value(), 5);
  margin->stepUp();
  EXPECT_EQ(legend->VertMargin(), 6);
  EXPECT_EQ(legend->HorizMargin(), 20);
  // Custom on, then off: the box shows the margin of the side again.
  Click(page, "CBCustPos");
  EXPECT_FALSE(margin->isEnabled());
  legend->SetVertMargin(8);
  Click(page, "CBCustPos");
  EXPECT_TRUE(margin->isEnabled());
  EXPECT_EQ(margin->value(), 8);
}

TEST(WallPageRules, SizeZeroDisablesDark3D) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotWall page;
  openWall(page, chart);
  auto* dark = child<QCheckBox>(page, "CBDark3D");
  EXPECT_FALSE(dark->isEnabled());
  TypeInto(page, "SEWallSize", "3");
  EXPECT_TRUE(dark->isEnabled());
  TypeInto(page, "SEWallSize", "0");
  EXPECT_FALSE(dark->isEnabled());
}
