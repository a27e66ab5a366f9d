// The chart editor's Export page is the export dialog without Close,
// exporting the chart edited and filled again each time it shows.
#include "ExportFixture.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/exportdialog/ExportPageRegistration.h"

#include <QComboBox>
#include <QPushButton>

namespace {

TEST_F(ExportTest, TheEditorEmbedsTheExportDialogOfItsChart) {
  AddEditorFormRegistrar(RegisterExportPage);
  QWidget sheet;
  auto* page = qobject_cast<TPlotExportForm*>(
      EditorPages().Create(EditorPage::Export, {&chart, nullptr, &sheet}));
  ASSERT_TRUE(page);
  EXPECT_FALSE(page->isWindow());
  sheet.show();
  page->show();
  EXPECT_EQ(page->ExportPanel(), &chart);
  EXPECT_FALSE(page->BClose->isVisible());
  EXPECT_EQ(page->CBSeries->count(), 3);
  // A series added while the page was away shows on the next visit.
  page->hide();
  auto* s = new TLineSeries(&chart);
  chart.AddSeries(s);
  page->show();
  EXPECT_EQ(page->CBSeries->count(), 4);
  RemoveEditorFormRegistrar(RegisterExportPage);
}

}  // namespace
