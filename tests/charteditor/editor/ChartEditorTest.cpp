// The chart editor: what Execute shows (caption, pages, default page) and
// how it leaves the chart (repainting, the mouse-up of the opening click,
// the form freed also when something inside throws); the series list
// sheet's buttons follow the options, the series' style and the selection.
#include "chart/core/ChartExceptions.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/editor/TChartEditForm.h"
#include "charteditor/editor/TChartEditor.h"
#include "charteditor/series/TChartListBox.h"
#include "tests/charteditor/editor/PageRows.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <stdexcept>

namespace {

bool throwOnBuild = false;

// Stand-ins for the pages later families register; Tools stays without one.
void registerFakePages(EditorFormRegistry&) {
  for (EditorPage page : {EditorPage::General, EditorPage::Paging, EditorPage::ThreeD,
                          EditorPage::Data, EditorPage::Export, EditorPage::Print})
    EditorPages().Register(page, [](const EditorPageContext& c) -> QWidget* {
      if (throwOnBuild) throw ChartException(QStringLiteral("page failed"));
      auto* page = new QLabel(QStringLiteral("fake"), c.parent);
      page->setObjectName(QStringLiteral("FakePage"));
      return page;
    });
}

struct Editing {
  ChartEditorScope editors{{registerFakePages}};
  EditedChart chart;
  TChartEditor editor;
  Editing() {
    chart.Chart().setObjectName(QStringLiteral("Chart1"));
    editor.SetChart(&chart.Chart());
  }
  void Run(const std::function<void(TChartEditForm&)>& look) { RunEditor(editor, look); }
};

}  // namespace

TEST(ChartEditorExecute, CaptionFromTheTitleOrTheChartsName) {
  Editing e;
  QString caption;
  e.Run([&](TChartEditForm& f) { caption = f.windowTitle(); });
  EXPECT_EQ(caption, QStringLiteral("Editing Chart1"));
  e.editor.SetTitle(QStringLiteral("Mine"));
  e.Run([&](TChartEditForm& f) { caption = f.windowTitle(); });
  EXPECT_EQ(caption, QStringLiteral("Mine"));
}

TEST(ChartEditorExecute, WithoutAChartNothingShowsAndNoFlagIsSet) {
  Editing e;
  e.editor.SetChart(nullptr);
  bool ran = false;
  e.Run([&](TChartEditForm&) { ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_FALSE(e.chart.Chart().CancelMouse());
}

TEST(ChartEditorExecute, TabsHiddenAndTheDefaultPage) {
  struct Case {
    const char* name;
    TChartEditorHiddenTabs hide;
    TChartEditorTab tab;
    int subPage;     // the sub-page shown
    int defaultTab;  // as the form keeps it
  };
  const TChartEditorHiddenTabs allNine = TChartEditorHiddenTabs::fromInt(0x1FF);
  for (const Case& c : {Case{"list", {}, cetMain, 0, 0}, Case{"no list", hideMain, cetMain, 1, 1},
                        Case{"3D hidden", hide3D, cet3D, 7, 7}, Case{"axis", {}, cetAxis, 2, 2},
                        Case{"all nine", allNine, cetMain, -2, -1}}) {
    Editing e;
    e.editor.SetHideTabs(c.hide);
    e.editor.SetDefaultTab(c.tab);
    int shown = -3, kept = -3;
    bool toolsVisible = true;
    e.Run([&](TChartEditForm& f) {
      shown =
          f.SubPage()->isTabVisible(f.SubPage()->currentIndex()) ? f.SubPage()->currentIndex() : -2;
      kept = f.DefaultTab();
      toolsVisible = f.MainPage()->isTabVisible(3);
    });
    EXPECT_EQ(shown, c.subPage) << c.name;
    EXPECT_EQ(kept, c.defaultTab) << c.name;
    EXPECT_FALSE(toolsVisible) << c.name;
  }
}

TEST(ChartEditorExecute, MainPagesOpenOnlyWhenTheirTabShows) {
  Editing e;
  int page = -1;
  e.editor.SetDefaultTab(cetExport);
  e.Run([&](TChartEditForm& f) { page = f.MainPage()->currentIndex(); });
  EXPECT_EQ(page, 4);
  e.editor.SetDefaultTab(cetTools);  // no tools: the chart page stays
  e.Run([&](TChartEditForm& f) { page = f.MainPage()->currentIndex(); });
  EXPECT_EQ(page, 0);
}

TEST(ChartEditorExecute, AllSeriesHiddenShrinksTheForm) {
  Editing e;
  QSize full, shrunk;
  bool mainShown = true;
  e.Run([&](TChartEditForm& f) { full = f.size(); });
  e.editor.SetHideTabs(hideAllSeries);
  e.Run([&](TChartEditForm& f) {
    shrunk = f.size();
    mainShown = f.MainPage()->isVisible();
  });
  EXPECT_EQ(full - shrunk, QSize(10, 26));
  EXPECT_FALSE(mainShown);
}

TEST(ChartEditorExecute, ShowAndCloseInOrderNoRepaintWhileOpenOneAfter) {
  Editing e;
  QStringList calls;
  TChartEditForm* shownForm = nullptr;
  e.editor.OnShow = [&](TChartEditForm& f) {
    calls << QStringLiteral("show");
    shownForm = &f;
  };
  e.editor.OnClose = [&](TChartEditForm& f) {
    calls << QStringLiteral("close");
    EXPECT_EQ(&f, shownForm);
  };
  e.editor.SetAutoRepaint(false);
  e.chart.ResetCounts();
  bool repaintWhileOpen = true;
  e.Run([&](TChartEditForm&) {
    calls << QStringLiteral("run");
    repaintWhileOpen = e.chart.Chart().AutoRepaint();
    e.chart.Chart().Title()->SetVisible(false);
  });
  EXPECT_EQ(calls, QStringList({"show", "run", "close"}));
  EXPECT_FALSE(repaintWhileOpen);
  EXPECT_EQ(e.chart.changes, 1);
  EXPECT_TRUE(e.chart.Chart().AutoRepaint());
  EXPECT_TRUE(e.chart.Chart().CancelMouse());
}

TEST(ChartEditorExecute, APageThrowingInsideStillRestoresCleansUpAndPropagates) {
  Editing e;
  e.editor.SetAutoRepaint(false);
  QPointer<TChartEditForm> form;
  bool closed = false;
  e.editor.OnClose = [&](TChartEditForm&) { closed = true; };
  throwOnBuild = true;
  EXPECT_THROW(e.Run([&](TChartEditForm& f) {
    form = &f;
    f.SubPage()->setCurrentIndex(1);  // builds the General page, which throws
  }),
               ChartException);
  throwOnBuild = false;
  EXPECT_TRUE(closed);
  EXPECT_TRUE(form.isNull());
  EXPECT_TRUE(e.chart.Chart().AutoRepaint());
  EXPECT_FALSE(e.chart.Chart().CancelMouse());
}

TEST(ChartEditorExecute, ThePrintPagesHourglassGoesAlsoWhenThePreviewFails) {
  Editing e;
  e.editor.SetDefaultTab(cetPrintPreview);
  throwOnBuild = true;
  EXPECT_THROW(e.Run([](TChartEditForm&) {}), ChartException);
  throwOnBuild = false;
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(ChartEditorExecute, AChartFreedWhileOpenIsForgotten) {
  ChartEditorScope editors;
  auto chart = std::make_unique<TChart>();
  TChartEditor editor;
  editor.SetChart(chart.get());
  editor.SetAutoRepaint(false);
  editor.SetModalRunner([&](TChartEditForm& f) {
    f.show();
    chart.reset();
    EXPECT_EQ(f.Chart(), nullptr);
    return 0;
  });
  editor.Execute();
  EXPECT_EQ(editor.Chart(), nullptr);
}

TEST(ChartEditorSeriesSheet, ButtonsFollowOptionsStyleAndSelection) {
  struct Case {
    const char* name;
    int options;
    int style;
    bool two;             // two selected
    const char* enabled;  // Add Delete Title Clone Change Up Down as 0/1
  };
  for (const Case& c :
       {Case{"all", AllEditorOptions, 0, false, "1111101"}, Case{"none", 0, 0, false, "0000001"},
        Case{"template", AllEditorOptions, 1 << 0, false, "1010101"},
        Case{"fixed class", AllEditorOptions, 1 << 1, false, "1111001"},
        Case{"no delete", AllEditorOptions, 1 << 2, false, "1011101"},
        Case{"no clone", AllEditorOptions, 1 << 3, false, "1110101"},
        Case{"two selected", AllEditorOptions, 0, true, "1100100"}}) {
    Editing e;
    auto second = std::make_unique<TLineSeries>();
    e.chart.Chart().AddSeries(second.get());
    e.chart.Series()->SetStyle(c.style);
    e.editor.SetOptions(TChartEditorOptions::fromInt(c.options));
    QString states;
    e.Run([&](TChartEditForm& f) {
      if (c.two) {
        f.SeriesList()->setSelectionMode(QAbstractItemView::MultiSelection);
        f.SeriesList()->item(1)->setSelected(true);
      }
      for (const char* name : {"BAddSeries", "BDeleteSeries", "BRenameSeries", "BCloneSeries",
                               "BChangeTypeSeries", "BMoveUP", "BMoveDown"})
        states +=
            child<QAbstractButton>(f, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    });
    EXPECT_EQ(states, QString::fromLatin1(c.enabled)) << c.name;
  }
}
