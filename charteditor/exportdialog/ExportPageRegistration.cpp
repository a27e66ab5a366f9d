#include "charteditor/exportdialog/ExportPageRegistration.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/exportdialog/TPlotExportForm.h"

#include <QPushButton>

void RegisterExportPage(EditorFormRegistry& /*forms*/) {
  EditorPages().Register(EditorPage::Export, [](const EditorPageContext& c) {
    // Filled again each time the sheet comes back (its show).
    auto* form = new TPlotExportForm(c.parent);
    form->setWindowFlags(Qt::Widget);
    form->BClose->hide();
    form->SetTag(c.chart);
    return form;
  });
}
