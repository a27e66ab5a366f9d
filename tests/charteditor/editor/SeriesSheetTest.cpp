// The series list sheet with the series page: a calculated series added
// opens on its data source, Delete and Change leave the series editor on a
// series that is still there, and the arrows reorder.
#include "chart/model/ModelClassRegistrations.h"
#include "chart/model/SeriesByClass.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TFastLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TChartEditForm.h"
#include "charteditor/editor/TChartEditor.h"
#include "charteditor/series/SeriesGalleryHooks.h"
#include "charteditor/series/SourceEditorForms.h"
#include "charteditor/series/TChartListBox.h"
#include "charteditor/series/TPlotFuncEditor.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"
#include "tests/charteditor/editor/PageRows.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <vector>

namespace {

struct SeriesSheet {
  ChartEditorScope editors{{RegisterSourceEditorForms},
                           {RegisterModelClasses, RegisterSeriesTypes}};
  RecordingChartPrompts prompts;
  EditedChart chart;
  std::unique_ptr<TLineSeries> second = std::make_unique<TLineSeries>();
  TChartEditor editor;
  SeriesGalleryHooks saved;
  SeriesSheet() {
    second->setObjectName(QStringLiteral("Second"));
    chart.Chart().AddSeries(second.get());
    editor.SetChart(&chart.Chart());
    saved = SetGalleryHooks({[](TCustomAxisPanel& c, TChartSeries*) {
                               return CreateSeriesOfClass(&c, &c, TLineSeries::staticMetaObject,
                                                          &TAddPlotFunction::staticMetaObject);
                             },
                             [](TChartSeries*& series) -> std::optional<GalleryChoice> {
                               ChangeSeriesClass(series, TFastLineSeries::staticMetaObject);
                               return GalleryChoice{&TFastLineSeries::staticMetaObject, nullptr, 0};
                             }});
  }
  ~SeriesSheet() { SetGalleryHooks(saved); }
  void Run(const std::function<void(TChartEditForm&)>& look) { RunEditor(editor, look); }
};

void clickTab(QTabWidget& tabs, int index) {
  QTabBar* bar = tabs.tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

}  // namespace

TEST(ChartEditorSeriesSheet, ACalculatedSeriesAddedOpensOnItsDataSource) {
  SeriesSheet s;
  QString sheet;
  int mainPage = -1;
  s.Run([&](TChartEditForm& f) {
    Click(f, "BAddSeries");
    mainPage = f.MainPage()->currentIndex();
    ASSERT_NE(f.SeriesEditor(), nullptr);
    sheet = f.SeriesEditor()->Pages()->currentWidget()->objectName();
    EXPECT_EQ(f.SeriesEditor()->Series(), f.SeriesList()->CurrentSeries());
  });
  EXPECT_EQ(mainPage, 1);
  EXPECT_EQ(sheet, QStringLiteral("TabDataSource"));
  EXPECT_EQ(s.chart.Chart().SeriesCount(), 3);
}

TEST(ChartEditorSeriesSheet, WithoutDataSourceACalculatedSeriesAddedOpensNoHiddenSheet) {
  SeriesSheet s;
  s.editor.SetOptions(TChartEditorOptions::fromInt(AllEditorOptions).setFlag(ceDataSource, false));
  s.Run([&](TChartEditForm& f) {
    Click(f, "BAddSeries");
    EXPECT_EQ(f.MainPage()->currentIndex(), 1);
    ASSERT_NE(f.SeriesEditor(), nullptr);
    QTabWidget* pages = f.SeriesEditor()->Pages();
    EXPECT_NE(pages->currentWidget()->objectName(), QStringLiteral("TabDataSource"));
    EXPECT_TRUE(pages->isTabVisible(pages->currentIndex()));
  });
}

// Changes of a data source not applied hold the user on the series page:
// the question comes before the switch, so a refusal shows no other page
// and tells nobody of one.
TEST(ChartEditorSeriesSheet, ARefusedLeaveSwitchesNoMainPage) {
  SeriesSheet s;
  s.second->SetFunction(new TAddPlotFunction);
  s.second->SetDataSource(s.chart.Series());
  s.Run([&](TChartEditForm& f) {
    f.SeriesList()->SelectSeries(s.second.get());
    clickTab(*f.MainPage(), 1);
    ASSERT_NE(f.SeriesEditor(), nullptr);
    ASSERT_EQ(f.SeriesEditor()->Series(), s.second.get());
    QTabWidget* pages = f.SeriesEditor()->Pages();
    clickTab(*pages, pages->indexOf(pages->findChild<QWidget*>(QStringLiteral("TabDataSource"))));
    auto* source = f.SeriesEditor()->findChild<TPlotFuncEditor*>();
    ASSERT_NE(source, nullptr);
    source->Sources()->setCurrentIndex(source->Sources()->findText(QStringLiteral("High")));
    ASSERT_TRUE(source->Pending());

    std::vector<int> shown;
    QObject::connect(f.MainPage(), &QTabWidget::currentChanged,
                     [&](int index) { shown.push_back(index); });
    s.prompts.confirmOrCancelAnswers = {ChartAnswer::Cancel};
    clickTab(*f.MainPage(), 0);
    EXPECT_EQ(s.prompts.calls, QStringList({"ConfirmOrCancel: Apply Changes ?"}));
    EXPECT_EQ(f.MainPage()->currentIndex(), 1);
    EXPECT_EQ(shown, std::vector<int>());
    EXPECT_TRUE(source->Pending());

    s.prompts.confirmOrCancelAnswers = {ChartAnswer::No};
    clickTab(*f.MainPage(), 0);
    EXPECT_EQ(f.MainPage()->currentIndex(), 0);
    EXPECT_EQ(shown, std::vector<int>({0}));
  });
}

TEST(ChartEditorSeriesSheet, DeleteAndChangeKeepTheSeriesEditorOnALiveSeries) {
  SeriesSheet s;
  s.prompts.confirmAnswers.push_back(true);
  s.Run([&](TChartEditForm& f) {
    f.MainPage()->setCurrentIndex(1);
    ASSERT_NE(f.SeriesEditor(), nullptr);
    EXPECT_EQ(f.SeriesEditor()->Series(), s.chart.Series());
    f.MainPage()->setCurrentIndex(0);
    f.SeriesList()->SelectSeries(s.second.get());
    s.second.release();  // replaced, then deleted, by the list
    Click(f, "BChangeTypeSeries");
    ASSERT_EQ(s.chart.Chart().SeriesCount(), 2);
    TChartSeries* changed = s.chart.Chart().GetSeries(1);
    EXPECT_NE(qobject_cast<TFastLineSeries*>(changed), nullptr);
    EXPECT_EQ(f.SeriesEditor()->Series(), changed);
    Click(f, "BDeleteSeries");
    EXPECT_EQ(s.chart.Chart().SeriesCount(), 1);
    EXPECT_EQ(f.SeriesEditor()->Series(), s.chart.Series());
  });
}

TEST(ChartEditorSeriesSheet, TheArrowsReorder) {
  SeriesSheet s;
  s.Run([&](TChartEditForm& f) {
    EXPECT_FALSE(f.findChild<QAbstractButton*>(QStringLiteral("BMoveUP"))->isEnabled());
    Click(f, "BMoveDown");
    EXPECT_EQ(s.chart.Chart().GetSeries(0), s.second.get());
    EXPECT_EQ(f.SeriesList()->CurrentSeries(), s.chart.Series());
    EXPECT_TRUE(f.findChild<QAbstractButton*>(QStringLiteral("BMoveUP"))->isEnabled());
    Click(f, "BMoveUP");
    EXPECT_EQ(s.chart.Chart().GetSeries(0), s.chart.Series());
  });
}
