// The General page: one row per control, the margin rule, the zoom and
// scroll enabling, and the preview hook.
#include "PageRows.h"
#include "charteditor/pages/ChartPreviewHook.h"
#include "charteditor/pages/TFormPlotGeneral.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

class GeneralPageRows : public ::testing::TestWithParam<PageRow> {};

TEST_P(GeneralPageRows, ChangeOnlyTheirProperty) {
  CheckPageRow<TFormPlotGeneral>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, GeneralPageRows,
    ::testing::Values(PageRow{"clip", {}, ClickOn("CBClipPoints"), {"ClipPoints"}},
                      PageRow{"top", {}, StepUpOn("SETopMa"), {"MarginTop"}},
                      PageRow{"left", {}, StepUpOn("SELeftMa"), {"MarginLeft"}},
                      PageRow{"bottom", {}, StepUpOn("SEBotMa"), {"MarginBottom"}},
                      PageRow{"right", {}, StepUpOn("SERightMa"), {"MarginRight"}},
                      PageRow{"allow", {}, ClickOn("CBAllowZoom"), {"Zoom.Allow"}},
                      PageRow{"animated", {}, ClickOn("CBAnimatedZoom"), {"Zoom.Animated"}},
                      PageRow{"steps", {}, StepUpOn("SEAniZoomSteps"), {"Zoom.AnimatedSteps"}},
                      PageRow{"min pixels", {}, StepUpOn("EMinPix"), {"Zoom.MinimumPixels"}},
                      PageRow{"direction", {}, ChooseOn("CBDir", 0), {"Zoom.Direction"}},
                      PageRow{"zoom mouse", {}, ChooseOn("CBZoomMouse", 2), {"Zoom.MouseButton"}},
                      PageRow{"panning", {}, ClickOn("RGPanning1"), {"AllowPanning"}},
                      PageRow{
                          "scroll mouse", {}, ChooseOn("CBScrollMouse", 2), {"ScrollMouseButton"}},
                      PageRow{"pattern",
                              {},
                              [](QWidget& w, RecordingChartPrompts&) {
                                AnswerNextModal([](QWidget* dialog) {
                                  // "Solid" in the pattern list, then OK.
                                  if (auto* list = dialog->findChild<QListWidget*>())
                                    list->setCurrentRow(0);
                                  if (auto* ok = dialog->findChild<QPushButton*>("BOk"))
                                    ok->click();
                                });
                                ClickButton(child<QAbstractButton>(w, "BZoomColor"));
                              },
                              {"Zoom.Brush.Style"}}),
    RowName);

TEST(GeneralPage, MarginsTogetherWithTheirOppositeStayBelowAHundred) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  chart.Chart().SetMarginRight(30);
  TFormPlotGeneral page(&chart.Chart());
  auto* left = child<QSpinBox>(page, "SELeftMa");
  left->setValue(70);
  EXPECT_EQ(chart.Chart().MarginLeft(), 3);
  EXPECT_EQ(left->value(), 3);  // the box shows the kept value again
  left->setValue(69);
  EXPECT_EQ(chart.Chart().MarginLeft(), 69);
}

TEST(GeneralPage, ZoomAndScrollSwitchesEnableTheirControls) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  TFormPlotGeneral page(&chart.Chart());
  const char* zoomControls[] = {"CBAnimatedZoom", "SEAniZoomSteps", "BZoomPen",   "BZoomColor",
                                "EMinPix",        "CBDir",          "CBZoomMouse"};
  ClickButton(child<QAbstractButton>(page, "CBAllowZoom"));
  ASSERT_FALSE(chart.Chart().Zoom()->Allow());
  for (const char* name : zoomControls)
    EXPECT_FALSE(child<QWidget>(page, name)->isEnabled()) << name;
  ClickButton(child<QAbstractButton>(page, "CBAllowZoom"));
  for (const char* name : zoomControls)
    EXPECT_TRUE(child<QWidget>(page, name)->isEnabled()) << name;
  ClickButton(child<QAbstractButton>(page, "RGPanning0"));
  EXPECT_EQ(chart.Chart().AllowPanning(), TCustomPlotPanelExtended::pmNone);
  EXPECT_FALSE(child<QWidget>(page, "CBScrollMouse")->isEnabled());
}

TEST(GeneralPage, PreviewOpensThroughItsHookOnly) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  const ChartPreviewHook previous = SetChartPreviewHook({});
  {
    TFormPlotGeneral page(&chart.Chart());
    EXPECT_FALSE(child<QWidget>(page, "BPrint")->isEnabled());
  }
  TCustomChart* previewed = nullptr;
  SetChartPreviewHook([&](TCustomChart& c, QWidget*) { previewed = &c; });
  {
    TFormPlotGeneral page(&chart.Chart());
    ClickButton(child<QAbstractButton>(page, "BPrint"));
    EXPECT_EQ(previewed, &chart.Chart());
  }
  SetChartPreviewHook(previous);
}

}  // namespace
