// The Tools page and the tools gallery with a tool class of the test's own,
// whose editor is registered by the test; and the web link's address check.
#include "PageRows.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/model/TChartTool.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/pages/OpenWebLink.h"
#include "charteditor/pages/TFormPlotTools.h"
#include "charteditor/pages/TPlotToolsGallery.h"

#include <QListWidget>
#include <QPushButton>
#include <QUrl>

class TMarkerTestTool : public TChartTool {
  Q_OBJECT
  Q_CLASSINFO("Description", "Marker")

 public:
  using TChartTool::TChartTool;
  QString GetEditorClass() const override { return QStringLiteral("TMarkerTestToolEditor"); }
};

class TCursorTestTool : public TChartTool {
  Q_OBJECT
  Q_CLASSINFO("Description", "Cursor")

 public:
  using TChartTool::TChartTool;
};

class TMarkerTestToolEditor : public TEditorForm {
  Q_OBJECT

 public:
  using TEditorForm::TEditorForm;
};

namespace {

void RegisterTestTools(ChartClassRegistry& classes) {
  PlotToolTypes().Register(classes, PlotClassSpec::Of<TMarkerTestTool>());
  PlotToolTypes().Register(classes, PlotClassSpec::Of<TCursorTestTool>());
}

void RegisterTestToolEditor(EditorFormRegistry& forms) {
  forms.Register<TMarkerTestToolEditor>();
}

// The tool list outlives engine restarts: each test starts from the test's two classes.
struct EmptyToolTypes {
  EmptyToolTypes() { PlotToolTypes().Clear(); }
  ~EmptyToolTypes() { PlotToolTypes().Clear(); }
};

struct ToolsFixture {
  EmptyToolTypes empty;
  ChartEditorScope editors{{RegisterTestToolEditor}, {RegisterTestTools}};
  RecordingChartPrompts prompts;
  EditedChart chart;
};

QStringList Names(const TCustomChart& chart) {
  QStringList out;
  for (const auto& tool : chart.Tools().Items()) out << tool->objectName();
  return out;
}

TEST(ToolsPage, AddNamesToolsFillingGapsAndEmbedsTheirEditor) {
  ToolsFixture f;
  TFormPlotTools page(&f.chart.Chart());
  page.show();
  page.ChooseToolClass = [](QWidget*) { return &TMarkerTestTool::staticMetaObject; };
  page.AddTool();
  page.AddTool();
  page.AddTool();
  EXPECT_EQ(Names(f.chart.Chart()), (QStringList{"ChartTool1", "ChartTool2", "ChartTool3"}));
  EXPECT_EQ(page.List()->currentRow(), 2);
  EXPECT_NE(qobject_cast<TMarkerTestToolEditor*>(page.ToolEditor()), nullptr);
  EXPECT_EQ(page.ToolEditor()->Tag(), f.chart.Chart().Tools().Get(2));
  page.SelectTool(1);
  f.prompts.confirmAnswers = {true};
  page.DeleteTool();
  page.ChooseToolClass = [](QWidget*) { return &TCursorTestTool::staticMetaObject; };
  page.AddTool();
  EXPECT_EQ(Names(f.chart.Chart()), (QStringList{"ChartTool1", "ChartTool3", "ChartTool2"}));
  EXPECT_EQ(page.ToolEditor(), nullptr);  // this class names no editor
  EXPECT_EQ(page.List()->item(2)->text(), "Cursor");
}

TEST(ToolsPage, DeleteAsksAndSelectsAsTheRuleSays) {
  struct Row {
    int tools, deleted;
    bool confirm;
    int count, selected;
  };
  const Row rows[] = {
      {4, 3, true, 3, 2},   // the item before
      {4, 1, true, 3, 2},   // the second: the last one
      {4, 0, true, 3, 2},   // the first: the last one
      {4, 2, false, 4, 2},  // refused: nothing goes
      {1, 0, true, 0, -1},  // the only tool
  };
  for (const Row& r : rows) {
    ToolsFixture f;
    TFormPlotTools page(&f.chart.Chart());
    page.ChooseToolClass = [](QWidget*) { return &TMarkerTestTool::staticMetaObject; };
    for (int i = 0; i < r.tools; ++i) page.AddTool();
    page.SelectTool(r.deleted);
    f.prompts.confirmAnswers = {r.confirm};
    page.DeleteTool();
    EXPECT_EQ(f.prompts.calls.value(0), "Confirm: Delete Marker ?") << r.deleted;
    EXPECT_EQ(f.chart.Chart().Tools().Count(), r.count) << r.deleted;
    EXPECT_EQ(page.List()->currentRow(), r.selected) << r.deleted;
    EXPECT_EQ(child<QWidget>(page, "BDelete")->isEnabled(), r.count > 0);
    EXPECT_EQ(child<QWidget>(page, "CBActive")->isEnabled(), r.count > 0);
  }
}

TEST(ToolsPage, ActiveAndMovesChangeTheChartsTools) {
  ToolsFixture f;
  TFormPlotTools page(&f.chart.Chart());
  page.show();
  page.ChooseToolClass = [](QWidget*) { return &TMarkerTestTool::staticMetaObject; };
  page.AddTool();
  page.AddTool();
  TChartTool* second = f.chart.Chart().Tools().Get(1);
  ClickButton(child<QAbstractButton>(page, "CBActive"));
  EXPECT_FALSE(second->Active());
  EXPECT_FALSE(child<QWidget>(page, "BMoveDown")->isEnabled());  // the last one
  ClickButton(child<QAbstractButton>(page, "BMoveUp"));
  EXPECT_EQ(f.chart.Chart().Tools().Get(0), second);
  EXPECT_EQ(page.List()->currentRow(), 0);
  EXPECT_FALSE(child<QWidget>(page, "BMoveUp")->isEnabled());
  EXPECT_TRUE(child<QWidget>(page, "BMoveDown")->isEnabled());
  ClickButton(child<QAbstractButton>(page, "BMoveDown"));
  EXPECT_EQ(Names(f.chart.Chart()), (QStringList{"ChartTool1", "ChartTool2"}));
}

TEST(ToolsGallery, ListsSortedAndAddsOnlyAChosenClass) {
  ToolsFixture f;
  TPlotToolsGallery gallery;
  QListWidget* list = gallery.List();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "Cursor");
  EXPECT_EQ(list->item(1)->text(), "Marker");
  EXPECT_FALSE(gallery.OkButton()->isEnabled());
  EXPECT_EQ(gallery.SelectedClass(), nullptr);
  gallery.show();
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                     QPoint(4, list->viewport()->height() - 4));  // below the items
  EXPECT_EQ(gallery.result(), 0);
  EXPECT_TRUE(gallery.isVisible());
  list->setCurrentRow(1);
  EXPECT_TRUE(gallery.OkButton()->isEnabled());
  EXPECT_EQ(gallery.SelectedClass(), &TMarkerTestTool::staticMetaObject);
  // The page through the real gallery: Add on an empty registry adds nothing.
  PlotToolTypes().Clear();
  TFormPlotTools page(&f.chart.Chart());
  AnswerNextModal([](QWidget* modal) {
    auto* g = qobject_cast<TPlotToolsGallery*>(modal);
    EXPECT_NE(g, nullptr);
    if (!g) return;
    EXPECT_EQ(g->List()->count(), 0);
    EXPECT_FALSE(g->OkButton()->isEnabled());
    g->reject();
  });
  ClickButton(child<QAbstractButton>(page, "BAdd"));
  EXPECT_EQ(f.chart.Chart().Tools().Count(), 0);
}

TEST(WebLink, OpensOnlyWebAndMailAddresses) {
  QList<QUrl> opened;
  const WebLinkOpener previous = SetWebLinkOpener([&](const QUrl& url) { opened << url; });
  struct Row {
    const char* address;
    bool opens;
  };
  const Row rows[] = {{"https://example.org/chart", true},
                      {"http://example.org", true},
                      {"mailto:someone@example.org", true},
                      {"file:///bin/sh", false},
                      {"/usr/bin/xterm", false},
                      {"javascript:x", false},
                      {"https://", false},
                      {"", false}};
  for (const Row& r : rows) EXPECT_EQ(OpenWebLink(nullptr, r.address), r.opens) << r.address;
  ASSERT_EQ(opened.size(), 3);
  EXPECT_EQ(opened[0], QUrl("https://example.org/chart"));
  SetWebLinkOpener(previous);
}

}  // namespace

#include "ToolsPageTest.moc"
