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
#include "charteditor/series/TChartListBox.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"
#include "tests/charteditor/editor/PageRows.h"

#include <QPushButton>
#include <QTabWidget>

namespace {

struct SeriesSheet {
  ChartEditorScope editors{{}, {RegisterModelClasses, RegisterSeriesTypes}};
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
