#include "charteditor/preview/PrintPageRegistration.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/preview/TChartPreview.h"

void RegisterPrintPage(EditorFormRegistry& /*forms*/) {
  EditorPages().Register(EditorPage::Print, [](const EditorPageContext& c) {
    auto* preview = new TChartPreview(c.parent);
    preview->setWindowFlags(Qt::Widget);
    preview->SetEmbedded(true);
    preview->SetTag(c.chart);
    return preview;
  });
}
