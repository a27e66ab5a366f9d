// The gradient editor: each control writes its one property, the enabling
// rules of visibility, direction and bar mode, "No Middle" bringing back
// only a middle colour the gradient had, and the put-back of every ending
// but OK.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "tests/charteditor/common/DialogRows.h"
#include "tests/support/Artifacts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace {

using GradientRow = DialogRow<TPlotGradientEditor>;

void click(QWidget& d, const char* name) {
  ClickButton(child<QAbstractButton>(d, name));
}

void openOnGradient(TPlotGradientEditor& d, EditedChart& chart) {
  d.EditGradient(chart.Gradient());
  d.show();
}

auto colorClick(const char* button, base::TColor color) {
  return [button, color](TPlotGradientEditor& d, RecordingChartPrompts& p) {
    p.colorAnswers.push_back(color);
    click(d, button);
  };
}

auto direction(int index) {
  return [index](TPlotGradientEditor& d, auto&) {
    child<QComboBox>(d, "CBDirection")->setCurrentIndex(index);
  };
}

const GradientRow kGradientRows[] = {
    {"Visible",
     {},
     [](TPlotGradientEditor& d, auto&) { click(d, "CBVisible"); },
     {"BackWall.Gradient.Visible"}},
    {"BottomTop", {}, direction(1), {"BackWall.Gradient.Direction"}},
    {"LeftRight", {}, direction(2), {"BackWall.Gradient.Direction"}},
    {"RightLeft", {}, direction(3), {"BackWall.Gradient.Direction"}},
    {"FromCenter", {}, direction(4), {"BackWall.Gradient.Direction"}},
    {"FromTopLeft", {}, direction(5), {"BackWall.Gradient.Direction"}},
    {"FromBottomLeft", {}, direction(6), {"BackWall.Gradient.Direction"}},
    {"TopBottom",
     [](EditedChart& c) { c.Gradient()->SetDirection(gdLeftRight); },
     direction(0),
     {"BackWall.Gradient.Direction"}},
    {"Start", {}, colorClick("BStart", base::clRed), {"BackWall.Gradient.StartColor"}},
    {"Middle", {}, colorClick("BMid", base::clBlue), {"BackWall.Gradient.MidColor"}},
    {"End", {}, colorClick("BEnd", base::clGreen), {"BackWall.Gradient.EndColor"}},
    {"Swap",
     {},
     [](TPlotGradientEditor& d, auto&) { click(d, "BSwap"); },
     {"BackWall.Gradient.EndColor", "BackWall.Gradient.StartColor"}},
    {"NoMiddle",
     [](EditedChart& c) { c.Gradient()->SetMidColor(base::clBlue); },
     [](TPlotGradientEditor& d, auto&) {
       click(d, "CBMid");
       EXPECT_TRUE(child<QCheckBox>(d, "CBMid")->isChecked());
     },
     {"BackWall.Gradient.MidColor"}},
    {"MiddleBack",
     [](EditedChart& c) {
       c.Gradient()->SetMidColor(base::clBlue);
       c.Gradient()->SetMidColor(base::clNone);
     },
     [](TPlotGradientEditor& d, auto&) {
       click(d, "CBMid");
       EXPECT_FALSE(child<QCheckBox>(d, "CBMid")->isChecked());
     },
     {"BackWall.Gradient.MidColor"}},
    // Never had a middle colour: nothing to bring back, the box stays checked.
    {"NoMiddleToBringBack",
     {},
     [](TPlotGradientEditor& d, auto&) {
       click(d, "CBMid");
       EXPECT_TRUE(child<QCheckBox>(d, "CBMid")->isChecked());
     },
     {},
     0},
};

class GradientEditorRows : public ::testing::TestWithParam<GradientRow> {
 protected:
  ChartEditorScope editors;
};

}  // namespace

TEST_P(GradientEditorRows, EachControlWritesItsPropertyOnce) {
  CheckRow(GetParam(), openOnGradient);
}

INSTANTIATE_TEST_SUITE_P(Controls, GradientEditorRows, ::testing::ValuesIn(kGradientRows),
                         [](const auto& info) { return info.param.name; });

TEST(GradientEditorRules, EnablingFollowsVisibilityDirectionAndBarMode) {
  ChartEditorScope editors;
  struct Case {
    bool visible;
    TGradientDirection direction;
    bool barMode;
    bool colors;  // direction, start, end, swap enabled
    bool middle;  // middle button and box enabled
  };
  const Case cases[] = {
      {true, gdTopBottom, false, true, true},       {true, gdRightLeft, false, true, true},
      {true, gdFromCenter, false, true, false},     {true, gdFromTopLeft, false, true, false},
      {true, gdFromBottomLeft, false, true, false}, {false, gdTopBottom, false, false, false},
      {false, gdFromCenter, false, false, false},   {false, gdTopBottom, true, true, true},
      {false, gdFromCenter, true, true, true},      {true, gdFromCenter, true, true, true},
  };
  for (const Case& c : cases) {
    EditedChart chart;
    chart.Gradient()->SetVisible(c.visible);
    chart.Gradient()->SetDirection(c.direction);
    const auto before = PublishedSnapshot(chart);
    chart.ResetCounts();
    TPlotGradientEditor editor;
    editor.EditGradient(chart.Gradient(), c.barMode);
    editor.show();
    const std::string label = std::to_string(c.visible) + "/" + std::to_string(c.direction) + "/" +
                              std::to_string(c.barMode);
    EXPECT_EQ(PublishedSnapshot(chart), before) << label;
    EXPECT_EQ(chart.changes, 0) << label;
    for (const char* name : {"CBDirection", "BStart", "BEnd", "BSwap"})
      EXPECT_EQ(child<QWidget>(editor, name)->isEnabled(), c.colors) << label << " " << name;
    for (const char* name : {"BMid", "CBMid"})
      EXPECT_EQ(child<QWidget>(editor, name)->isEnabled(), c.middle) << label << " " << name;
    for (const char* name : {"CBVisible", "BEnd", "BSwap"})
      EXPECT_EQ(child<QWidget>(editor, name)->isVisible(), !c.barMode) << label << " " << name;
  }
}

TEST(GradientEditorRules, DirectionAndVisibilityChangesReEnable) {
  ChartEditorScope editors;
  EditedChart chart;
  TPlotGradientEditor editor;
  editor.EditGradient(chart.Gradient());
  editor.show();
  child<QComboBox>(editor, "CBDirection")->setCurrentIndex(gdFromCenter);
  EXPECT_FALSE(child<QWidget>(editor, "BMid")->isEnabled());
  child<QComboBox>(editor, "CBDirection")->setCurrentIndex(gdTopBottom);
  EXPECT_TRUE(child<QWidget>(editor, "BMid")->isEnabled());
  click(editor, "CBVisible");
  EXPECT_FALSE(child<QWidget>(editor, "BStart")->isEnabled());
}

TEST(GradientEditorLook, Artefact) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Gradient()->SetMidColor(base::clBlue);
  TPlotGradientEditor editor;
  editor.EditGradient(chart.Gradient());
  editor.show();
  testsupport::saveArtifact(editor.grab().toImage(), "charteditor-gradient-editor.png");
  EXPECT_FALSE(child<QCheckBox>(editor, "CBMid")->isChecked());
}
