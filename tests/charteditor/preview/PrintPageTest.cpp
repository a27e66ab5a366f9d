// The chart editor's Print page is the preview without its margins and
// Close, previewing the chart edited.
#include "chart/model/TChart.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/preview/PrintPageRegistration.h"
#include "charteditor/preview/TChartPreview.h"
#include "charteditor/preview/TPlotPreviewPanel.h"

#include <QGroupBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(PrintPage, TheEditorEmbedsThePreviewOfItsChart) {
  ChartEditorScope editors({RegisterPrintPage});
  TChart chart;
  QWidget sheet;
  QWidget* page = EditorPages().Create(EditorPage::Print, {&chart, nullptr, &sheet});
  auto* preview = qobject_cast<TChartPreview*>(page);
  ASSERT_TRUE(preview);
  EXPECT_FALSE(preview->isWindow());
  sheet.show();
  preview->show();
  EXPECT_EQ(preview->Preview()->Panel(), &chart);
  EXPECT_FALSE(preview->GBMargins->isVisible());
  EXPECT_FALSE(preview->PanelMargins->isVisible());
  EXPECT_FALSE(preview->BClose->isVisible());
  EXPECT_TRUE(preview->BPrint->isVisibleTo(&sheet));
}

}  // namespace
