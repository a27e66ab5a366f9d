// The Data page: the colour column on each visit and the right-button
// toggle; and pages that go while their chart lives on (the editor frees
// its pages before the chart): later page changes, refreshes and mouse
// moves over the chart's window reach nobody freed.
#include "PageRows.h"
#include "chart/widget/ChartWidget.h"
#include "charteditor/grid/TChartGrid.h"
#include "charteditor/grid/TChartGridNavigator.h"
#include "charteditor/pages/ChartDataPage.h"
#include "charteditor/pages/TFormPlotPage.h"

namespace {

TEST(DataPage, ShowsColoursWhenTheFirstSeriesHasItsOwnAndTogglesOnRightClick) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  ChartDataPage page(&chart.Chart());
  page.resize(400, 300);
  page.show();
  TChartGrid* grid = page.Grid();
  EXPECT_EQ(grid->Chart(), &chart.Chart());
  EXPECT_FALSE(grid->ShowColors());
  EXPECT_EQ(grid->Model().rowCount(), 6);
  EXPECT_EQ(page.Navigator()->Grid(), grid);
  QTest::mousePress(grid->viewport(), Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_TRUE(grid->ShowColors());
  QTest::mousePress(grid->viewport(), Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_FALSE(grid->ShowColors());
  chart.Series()->SetPointColor(2, base::RGB(1, 2, 3));
  page.hide();
  page.show();  // the next visit decides again
  EXPECT_TRUE(grid->ShowColors());
}

TEST(PageLifetimes, FreedPagesHearNothingFromTheirChart) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  chart.Chart().SetMaxPointsPerPage(2);
  ChartWidget window(&chart.Chart());
  window.resize(400, 300);
  window.show();
  {
    auto data = std::make_unique<ChartDataPage>(&chart.Chart());
    auto paging = std::make_unique<TFormPlotPage>(&chart.Chart());
    data->show();
    paging->show();
    EXPECT_EQ(chart.Chart().Listeners().size(), 2u);
  }
  EXPECT_TRUE(chart.Chart().Listeners().empty());
  chart.Chart().SetPage(2);
  chart.Series()->BeginUpdate();
  chart.Series()->Add(9);
  chart.Series()->EndUpdate();  // a refresh to the listeners
  for (int x = 10; x < 300; x += 40) QTest::mouseMove(&window, QPoint(x, 150));
  QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(120, 120));
  EXPECT_EQ(chart.Chart().Page(), 2);
}

}  // namespace

#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/grid/TChartPageNavigator.h"
#include "charteditor/pages/ChartPageRegistrations.h"
#include "charteditor/pages/ChartPreviewHook.h"
#include "charteditor/preview/TChartPreview.h"

namespace {

TEST(ChartPagesRegistration, FillsTheEditorsPagesThePreviewAndItsNavigator) {
  const ChartPreviewHook previous = SetChartPreviewHook({});
  {
    ChartEditorScope editors({RegisterChartPages});
    for (EditorPage page : {EditorPage::General, EditorPage::Paging, EditorPage::ThreeD,
                            EditorPage::Data, EditorPage::Tools})
      EXPECT_TRUE(EditorPages().Contains(page)) << static_cast<int>(page);
    EXPECT_FALSE(EditorPages().Contains(EditorPage::Axis));
    EXPECT_TRUE(static_cast<bool>(InstalledChartPreview()));
    RecordingChartPrompts prompts;
    EditedChart chart;
    chart.Chart().SetMaxPointsPerPage(2);
    QWidget sheet;
    std::unique_ptr<QWidget> data(
        EditorPages().Create(EditorPage::Data, {&chart.Chart(), nullptr, &sheet}));
    EXPECT_NE(qobject_cast<ChartDataPage*>(data.get()), nullptr);
    TChartPreview preview;
    preview.SetTag(&chart.Chart());
    preview.Refresh();
    auto* navigator = qobject_cast<TChartPageNavigator*>(preview.Navigator());
    ASSERT_NE(navigator, nullptr);
    EXPECT_EQ(navigator->Chart(), &chart.Chart());
  }
  RemoveEditorFormRegistrar(RegisterChartPages);
  SetChartPreviewHook(previous);
}

}  // namespace
