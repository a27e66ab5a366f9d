// The Paging and 3D pages: one row per control, paging through the page
// navigator, the 3D enabling rules, and loading that never writes.
#include "PageRows.h"
#include "chart/model/TChartSeries.h"
#include "chart/series/TPieSeries.h"
#include "charteditor/grid/TChartPageNavigator.h"
#include "charteditor/pages/TFormPlot3D.h"
#include "charteditor/pages/TFormPlotPage.h"

#include <QLabel>

namespace {

class PagingPageRows : public ::testing::TestWithParam<PageRow> {};
TEST_P(PagingPageRows, ChangeOnlyTheirProperty) {
  CheckPageRow<TFormPlotPage>(GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Controls, PagingPageRows,
    ::testing::Values(PageRow{"points", {}, StepUpOn("SEPointsPerPage"), {"MaxPointsPerPage"}},
                      PageRow{"scale last", {}, ClickOn("CBScaleLast"), {"ScaleLastPage"}},
                      PageRow{"legend", {}, ClickOn("CBPageLegend"), {"Legend.CurrentPage"}},
                      PageRow{"next page",
                              [](EditedChart& c) { c.Chart().SetMaxPointsPerPage(2); },
                              [](QWidget& w, RecordingChartPrompts&) {
                                auto* nav = child<TChartPageNavigator>(w, "ChartPageNavigator1");
                                ClickButton(nav->Button(TCustomChartNavigator::nbNext));
                              },
                              {"Page"}}),
    RowName);

class ThreeDPageRows : public ::testing::TestWithParam<PageRow> {};
TEST_P(ThreeDPageRows, ChangeOnlyTheirProperty) {
  CheckPageRow<TFormPlot3D>(GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    Controls, ThreeDPageRows,
    ::testing::Values(
        PageRow{"3d", {}, ClickOn("CBView3d"), {"View3D"}},
        PageRow{"percent", {}, StepUpOn("SE3d"), {"Chart3DPercent"}},
        PageRow{"orthogonal", {}, ClickOn("CBOrthogonal"), {"View3DOptions.Orthogonal"}},
        PageRow{"angle", {}, StepUpOn("EOrthoAngle"), {"View3DOptions.OrthoAngle"}},
        PageRow{"zoom text", {}, ClickOn("CBZoomText"), {"View3DOptions.ZoomText"}},
        PageRow{"zoom", {}, SlideOn("SBZoom", 150), {"View3DOptions.Zoom"}},
        PageRow{"rotation", {}, SlideOn("SBRotation", 300), {"View3DOptions.Rotation"}},
        PageRow{"elevation", {}, SlideOn("SBElevation", 300), {"View3DOptions.Elevation"}},
        PageRow{"horiz offset", {}, SlideOn("SBHOffset", 20), {"View3DOptions.HorizOffset"}},
        PageRow{"vert offset", {}, SlideOn("SBVOffset", -20), {"View3DOptions.VertOffset"}},
        PageRow{"perspective", {}, SlideOn("SBPerspec", 40), {"View3DOptions.Perspective"}}),
    RowName);

TEST(PagingPage, NavigatorPagesAndTheLabelFollows) {
  RecordingChartPrompts prompts;
  EditedChart chart;  // six points
  chart.Chart().SetMaxPointsPerPage(2);
  TFormPlotPage page(&chart.Chart());
  page.show();
  auto* label = child<QLabel>(page, "LabelPages");
  EXPECT_EQ(label->text(), "Page 1 of 3");
  TChartPageNavigator* nav = page.Navigator();
  const bool first[] = {false, false, true, true};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(nav->Button(i)->isEnabled(), first[i]) << i;
  ClickButton(nav->Button(TCustomChartNavigator::nbNext));
  EXPECT_EQ(chart.Chart().Page(), 2);
  EXPECT_EQ(label->text(), "Page 2 of 3");
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(nav->Button(i)->isEnabled()) << i;
  ClickButton(nav->Button(TCustomChartNavigator::nbLast));
  EXPECT_EQ(label->text(), "Page 3 of 3");
  EXPECT_FALSE(nav->Button(TCustomChartNavigator::nbNext)->isEnabled());
  // Emptying the box and pressing Enter switches paging off.
  auto* box = child<QSpinBox>(page, "SEPointsPerPage");
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(chart.Chart().MaxPointsPerPage(), 0);
  EXPECT_EQ(label->text(), "Page 1 of 1");
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(nav->Button(i)->isEnabled()) << i;
  EXPECT_FALSE(child<QWidget>(page, "CBPageNum")->isVisibleTo(&page));
}

TEST(ThreeDPage, EnablingFollowsView3DOrthogonalAndRotation) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  TFormPlot3D page(&chart.Chart());
  page.show();
  EXPECT_EQ(child<QScrollBar>(page, "SBRotation")->minimum(), 270);
  EXPECT_EQ(child<QScrollBar>(page, "SBElevation")->maximum(), 360);
  struct Row {
    bool view3D, orthogonal, rotationAllowed;
    bool rotation, orthoBox, angle, zoom;
  };
  const Row rows[] = {
      {true, false, true, true, true, false, true},
      {true, true, true, false, true, true, true},
      {true, false, false, false, false, false, true},
      {false, false, true, false, false, false, false},
      {false, true, true, false, false, true, false},
  };
  for (const Row& r : rows) {
    chart.Chart().SetView3D(r.view3D);
    chart.Chart().View3DOptions()->SetOrthogonal(r.orthogonal);
    page.Load();
    page.SetRotationAllowed(r.rotationAllowed);
    const std::string at =
        std::to_string(r.view3D) + std::to_string(r.orthogonal) + std::to_string(r.rotationAllowed);
    EXPECT_EQ(child<QWidget>(page, "SBRotation")->isEnabled(), r.rotation) << at;
    EXPECT_EQ(child<QWidget>(page, "SBElevation")->isEnabled(), r.rotation) << at;
    EXPECT_EQ(child<QWidget>(page, "CBOrthogonal")->isEnabled(), r.orthoBox) << at;
    EXPECT_EQ(child<QWidget>(page, "EOrthoAngle")->isEnabled(), r.angle) << at;
    for (const char* name : {"SBZoom", "SBHOffset", "SBVOffset", "SBPerspec", "SE3d"})
      EXPECT_EQ(child<QWidget>(page, name)->isEnabled(), r.zoom) << at << name;
  }
  // Toggling the boxes re-applies the rules.
  page.SetRotationAllowed(true);
  chart.Chart().SetView3D(true);
  chart.Chart().View3DOptions()->SetOrthogonal(false);
  page.Load();
  ClickButton(child<QAbstractButton>(page, "CBOrthogonal"));
  EXPECT_FALSE(child<QWidget>(page, "SBRotation")->isEnabled());
  EXPECT_TRUE(TFormPlot3D::RotationAllowedFor(chart.Chart()));
  // A pie first among the active series: its canvas cannot turn it.
  TPieSeries pie;
  chart.Chart().AddSeries(&pie);
  chart.Chart().ExchangeSeries(0, 1);
  EXPECT_FALSE(TFormPlot3D::RotationAllowedFor(chart.Chart()));
  chart.Chart().View3DOptions()->SetOrthogonal(false);
  page.hide();
  page.show();  // each showing decides again
  EXPECT_FALSE(child<QWidget>(page, "SBRotation")->isEnabled());
  EXPECT_FALSE(child<QWidget>(page, "CBOrthogonal")->isEnabled());
  chart.Chart().RemoveSeries(&pie);
}

TEST(ThreeDPage, OpeningAndClosingNeverWritesClampedValues) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  chart.Chart().View3DOptions()->SetRotation(100);
  chart.Chart().View3DOptions()->SetZoom(800);
  const auto before = PublishedSnapshot(chart);
  {
    TFormPlot3D page(&chart.Chart());
    page.show();
    EXPECT_EQ(child<QScrollBar>(page, "SBRotation")->value(), 270);  // shown clamped
    EXPECT_EQ(child<QLabel>(page, "SBZoomValue")->text(), "800%");
    page.hide();
  }
  EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(chart)), QStringList());
}

}  // namespace
