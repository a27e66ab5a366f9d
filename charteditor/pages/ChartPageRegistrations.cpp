#include "charteditor/pages/ChartPageRegistrations.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/grid/TChartPageNavigator.h"
#include "charteditor/pages/ChartDataPage.h"
#include "charteditor/pages/ChartPreviewHook.h"
#include "charteditor/pages/TFormPlot3D.h"
#include "charteditor/pages/TFormPlotGeneral.h"
#include "charteditor/pages/TFormPlotPage.h"
#include "charteditor/pages/TFormPlotTools.h"
#include "charteditor/preview/TChartPreview.h"

void RegisterChartPages(EditorFormRegistry& /*forms*/) {
  EditorPageRegistry& pages = EditorPages();
  pages.Register(EditorPage::General, [](const EditorPageContext& c) {
    return new TFormPlotGeneral(c.chart, c.parent);
  });
  pages.Register(EditorPage::Paging,
                 [](const EditorPageContext& c) { return new TFormPlotPage(c.chart, c.parent); });
  pages.Register(EditorPage::ThreeD,
                 [](const EditorPageContext& c) { return new TFormPlot3D(c.chart, c.parent); });
  pages.Register(EditorPage::Data,
                 [](const EditorPageContext& c) { return new ChartDataPage(c.chart, c.parent); });
  pages.Register(EditorPage::Tools,
                 [](const EditorPageContext& c) { return new TFormPlotTools(c.chart, c.parent); });
  SetChartPreviewHook([](TCustomChart& chart, QWidget* parent) { ChartPreview(parent, &chart); });
  TChartPreview::SetNavigatorFactory(
      [](TCustomPlotPanel* chart, QWidget* parent, std::function<void()> changed) -> QWidget* {
        auto* navigator = new TChartPageNavigator(parent);
        navigator->SetChart(dynamic_cast<TCustomAxisPanel*>(chart));
        navigator->OnButtonClicked = [changed](TCustomChartNavigator&, int) {
          if (changed) changed();
        };
        return navigator;
      });
}
