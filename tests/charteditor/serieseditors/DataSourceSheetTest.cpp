// The "Data Source" sheet shows where the points come from and changes
// them only when the user chooses another style.
#include "chart/model/TChart.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/series/TPlotFuncEditor.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QComboBox>
#include <QTabWidget>

namespace {

enum { kManual, kRandom, kFunction };

int shownStyle(SeriesPage& page) {
  auto* box = Control<QComboBox>(page.Form(), "CBDataSourcestyle");
  return box ? box->currentIndex() : -1;
}

// The second series made the sum of the first, shown on the page.
TChartSeries* showSumOfFirst(SeriesPage& page) {
  TChartSeries* sum = page.Series(1);
  sum->SetFunction(new TAddPlotFunction);
  sum->SetDataSource(page.Series(0));
  page.Form().RefreshSeries(sum);
  return sum;
}

TEST(DataSourceSheet, TheExtractorsPointsSurviveLookingAtEverySheet) {
  SeriesPage page(TFastLineSeries::staticMetaObject, 500);
  ASSERT_EQ(page.Series(0)->PointCount(), 500);
  page.Mark();
  for (const char* sheet : {"Data Source", "General", "Marks", "Data Source", "Format"})
    ASSERT_TRUE(page.ShowSheet(QString::fromLatin1(sheet))) << sheet;
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  EXPECT_EQ(shownStyle(page), kRandom);
  EXPECT_EQ(page.Changed(), QStringList());
  EXPECT_EQ(page.repaints, 0);
}

TEST(DataSourceSheet, AnEmptySeriesReadsManual) {
  SeriesPage page(TLineSeries::staticMetaObject, 0);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  EXPECT_EQ(shownStyle(page), kManual);
}

TEST(DataSourceSheet, ManualClearsAndRandomFillsTheSampleCount) {
  SeriesPage page(TLineSeries::staticMetaObject);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  page.Mark();
  Choose(page.Form(), "CBDataSourcestyle", kManual);
  EXPECT_EQ(page.Series(0)->PointCount(), 0);
  EXPECT_EQ(page.Changed(), QStringList({"Series0.Points"}));
  Choose(page.Form(), "CBDataSourcestyle", kRandom);
  EXPECT_EQ(page.Series(0)->PointCount(), page.Series(0)->NumSampleValues());
  EXPECT_EQ(page.Series(1)->PointCount(), 6);
}

TEST(DataSourceSheet, RandomTakesTheFunctionAwayAndStaysRandom) {
  SeriesPage page(TLineSeries::staticMetaObject);
  TChartSeries* sum = showSumOfFirst(page);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  EXPECT_EQ(shownStyle(page), kFunction);
  Choose(page.Form(), "CBDataSourcestyle", kRandom);
  EXPECT_EQ(sum->Function(), nullptr);
  EXPECT_EQ(sum->DataSource(), nullptr);
  EXPECT_EQ(sum->PointCount(), sum->NumSampleValues());
  page.Form().RefreshSeries(page.Series(0));
  page.Form().RefreshSeries(sum);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  EXPECT_EQ(shownStyle(page), kRandom);
}

TPlotFuncEditor* functionEditor(SeriesPage& page) {
  return page.Form().findChild<TPlotFuncEditor*>();
}

TEST(DataSourceSheet, FunctionEmbedsTheFunctionEditorAndChangesNothingYet) {
  SeriesPage page(TLineSeries::staticMetaObject);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  EXPECT_EQ(functionEditor(page), nullptr);
  page.Mark();
  Choose(page.Form(), "CBDataSourcestyle", kFunction);
  TPlotFuncEditor* editor = functionEditor(page);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->Series(), page.Series(0));
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(page.Changed(), QStringList());
  // Another sheet and back: the series still reads as its points, not as a function.
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("General")));
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  EXPECT_EQ(shownStyle(page), kRandom);
}

TEST(DataSourceSheet, LeavingWithChangesNotAppliedAsks) {
  SeriesPage page(TLineSeries::staticMetaObject);
  TChartSeries* sum = showSumOfFirst(page);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
  TPlotFuncEditor* editor = functionEditor(page);
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(page.Form().CanLeave());
  editor->Sources()->setCurrentIndex(editor->Sources()->findText(QStringLiteral("High")));
  ASSERT_TRUE(editor->Pending());
  page.Prompts().confirmOrCancelAnswers = {ChartAnswer::Cancel};
  // Asked before the switch: a refusal shows no other sheet, even for a moment.
  int switches = 0;
  QObject::connect(page.Form().Pages(), &QTabWidget::currentChanged, [&] { ++switches; });
  EXPECT_FALSE(page.ShowSheet(QStringLiteral("General")));
  EXPECT_EQ(switches, 0);
  EXPECT_EQ(page.Prompts().calls, QStringList({"ConfirmOrCancel: Apply Changes ?"}));
  EXPECT_EQ(page.Form().Pages()->currentWidget()->objectName(), QStringLiteral("TabDataSource"));
  page.Prompts().confirmOrCancelAnswers = {ChartAnswer::No};
  EXPECT_TRUE(page.ShowSheet(QStringLiteral("General")));
  EXPECT_STREQ(sum->Function()->metaObject()->className(), "TAddPlotFunction");
}

// Another series chosen in the header while the function editor holds a
// change not applied: the question comes first, Cancel keeps the series
// shown with its change still pending, No drops it, Yes applies it.
TEST(DataSourceSheet, ChoosingAnotherSeriesAsksAboutChangesNotApplied) {
  struct Row {
    ChartAnswer answer;
    bool stays;
    const char* function;  // of the sum afterwards
  };
  for (const Row& r : {Row{ChartAnswer::Cancel, true, "TAddPlotFunction"},
                       Row{ChartAnswer::No, false, "TAddPlotFunction"},
                       Row{ChartAnswer::Yes, false, "THighPlotFunction"}}) {
    SCOPED_TRACE(r.function + std::string(r.stays ? " (stays)" : ""));
    SeriesPage page(TLineSeries::staticMetaObject);
    TChartSeries* sum = showSumOfFirst(page);
    ASSERT_TRUE(page.ShowSheet(QStringLiteral("Data Source")));
    TPlotFuncEditor* editor = functionEditor(page);
    ASSERT_NE(editor, nullptr);
    editor->Sources()->setCurrentIndex(editor->Sources()->findText(QStringLiteral("High")));
    ASSERT_TRUE(editor->Pending());
    page.Prompts().confirmOrCancelAnswers = {r.answer};
    Choose(page.Form(), "CBSeries", 0);
    EXPECT_EQ(page.Prompts().calls, QStringList({"ConfirmOrCancel: Apply Changes ?"}));
    EXPECT_EQ(page.Form().Series(), r.stays ? sum : page.Series(0));
    EXPECT_EQ(Control<QComboBox>(page.Form(), "CBSeries")->currentIndex(), r.stays ? 1 : 0);
    EXPECT_EQ(functionEditor(page) == editor, r.stays);
    if (r.stays) {
      EXPECT_TRUE(editor->Pending());
    }
    ASSERT_NE(sum->Function(), nullptr);
    EXPECT_STREQ(sum->Function()->metaObject()->className(), r.function);
  }
}

}  // namespace
