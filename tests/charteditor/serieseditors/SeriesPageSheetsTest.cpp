// The sheets of the series page as series come and go: which sheets show,
// which one stays active, the axis entries, and that a later visit still
// writes and a freed series is never taken for a new one.
#include "chart/model/TChart.h"
#include "chart/model/TChartCustomAxes.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"
#include "charteditor/serieseditors/TFastLineSeriesEditor.h"
#include "tests/chart/support/TestSeriesTypes.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTabWidget>

#include <algorithm>
#include <functional>
#include <new>

namespace {

QStringList entries(QWidget& w, const char* name) {
  QStringList out;
  if (auto* box = Control<QComboBox>(w, name))
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

TEST(SeriesPageSheets, AClassWithoutEditorShowsNoFormatAndOpensOnGeneral) {
  SeriesEditorsScope editors;
  TChart chart;
  TLineTestSeries series;
  chart.AddSeries(&series);
  TFormPlotSeries form;
  form.show();
  form.RefreshSeries(&series);
  EXPECT_FALSE(form.Pages()->isTabVisible(0));
  EXPECT_EQ(form.Pages()->tabText(form.Pages()->currentIndex()), QStringLiteral("General"));
  chart.RemoveSeries(&series);
}

TEST(SeriesPageSheets, ASheetTheNextSeriesAlsoHasStaysActive) {
  SeriesPage page(TFastLineSeries::staticMetaObject);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Marks")));
  page.Form().RefreshSeries(page.Series(1));
  EXPECT_EQ(page.Form().Pages()->tabText(page.Form().Pages()->currentIndex()),
            QStringLiteral("Marks"));
  EXPECT_EQ(page.Form().Series(), page.Series(1));
}

TEST(SeriesPageSheets, CustomAxesAreListedByNumberInTheBoxOfTheirOrientation) {
  SeriesPage page(TLineSeries::staticMetaObject);
  TChartCustomAxes* axes = page.Chart().CustomAxes();
  axes->Add()->SetHorizontal(false);
  axes->Add()->SetHorizontal(false);
  page.Form().RefreshSeries(page.Series(1));
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("General")));
  EXPECT_EQ(entries(page.Form(), "CBVertAxis"),
            QStringList({"Left", "Right", "Left and Right", "Custom 0", "Custom 1"}));
  EXPECT_EQ(entries(page.Form(), "CBHorizAxis"), QStringList({"Top", "Bottom", "Top and Bottom"}));
  // The second custom entry selects that axis.
  page.Mark();
  Choose(page.Form(), "CBVertAxis", 4);
  EXPECT_EQ(page.Series(1)->CustomVertAxis(), axes->Get(1));
}

TEST(SeriesPageSheets, AnEditIsWrittenAfterTheChartEditorShowsThePageAgain) {
  SeriesPage page(TLineSeries::staticMetaObject);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("General")));
  // The chart editor refreshes the page on every visit, with the same series.
  page.Form().RefreshSeries(page.Series(0));
  page.Form().RefreshSeries(page.Series(0));
  page.Mark();
  Click(page.Form(), "CBShowInLegend");
  EXPECT_EQ(page.Changed(), QStringList({"Series0.ShowInLegend"}));
}

TEST(SeriesPageSheets, AFreedSeriesIsNotTakenForANewOneAtTheSameAddress) {
  SeriesEditorsScope editors;
  TChart chart;
  TFormPlotSeries form;
  form.show();
  // One block of memory for both series, as an allocator reusing it would.
  alignas(std::max_align_t) static unsigned char
      block[std::max(sizeof(TLineSeries), sizeof(TFastLineSeries))];
  auto* line = new (block) TLineSeries;
  chart.AddSeries(line);
  form.RefreshSeries(line);
  line->~TLineSeries();
  auto* fast = new (block) TFastLineSeries;
  ASSERT_EQ(static_cast<void*>(fast), static_cast<void*>(line));
  chart.AddSeries(fast);
  form.RefreshSeries(fast);
  EXPECT_TRUE(form.Pages()->isTabVisible(0));
  EXPECT_NE(form.Pages()->widget(0)->findChild<TFastLineSeriesEditor*>(), nullptr);
  fast->~TFastLineSeries();
}

TEST(SeriesPageSheets, NoSeriesHidesTheSheets) {
  SeriesPage page(TLineSeries::staticMetaObject);
  page.Form().RefreshSeries(nullptr);
  EXPECT_FALSE(page.Form().Pages()->isVisible());
  page.Form().RefreshSeries(page.Series(0));
  EXPECT_TRUE(page.Form().Pages()->isVisible());
}

// Paint events of one widget, counted while the event loop runs.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The header's colour box shows the series as the Format sheet leaves it:
// a new colour or pointer style repaints it at once.
TEST(SeriesPageSheets, TheHeaderRepaintsWhenTheFormatSheetChangesTheLook) {
  struct Row {
    const char* what;
    const QMetaObject& seriesClass;
    std::function<void(SeriesPage&)> act;
  };
  const Row rows[] = {
      {"line colour", TLineSeries::staticMetaObject,
       [](SeriesPage& p) { Click(p.Form(), "BLineColor"); }},
      {"point style", TPointSeries::staticMetaObject,
       [](SeriesPage& p) { Choose(p.Form(), "CBStyle", 2); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SeriesPage page(r.seriesClass);
    page.Prompts().colorAnswers = {0x0000FF00};
    ASSERT_TRUE(page.ShowSheet(QStringLiteral("Format")));
    auto* box = Control<QWidget>(page.Form(), "PaintBox1");
    ASSERT_TRUE(box->isVisible());
    QCoreApplication::processEvents();
    PaintCounter counter(box);
    const QImage before = box->grab().toImage();
    counter.paints = 0;
    page.Mark();
    r.act(page);
    ASSERT_FALSE(page.Changed().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_NE(box->grab().toImage(), before);
  }
}

// Only a series with a colour of its own shows the colour box; a line that
// colours each point still has one.
TEST(SeriesPageSheets, TheColourBoxShowsForSeriesThatUseASeriesColour) {
  SeriesPage page(TLineSeries::staticMetaObject);
  auto* box = Control<QWidget>(page.Form(), "PaintBox1");
  page.Series(1)->SetColorEachPoint(true);
  page.Form().RefreshSeries(page.Series(1));
  EXPECT_TRUE(box->isVisible());
  TPieSeries pie;
  page.Chart().AddSeries(&pie);
  page.Form().RefreshSeries(&pie);
  EXPECT_FALSE(box->isVisible());
  page.Form().RefreshSeries(page.Series(0));
  page.Chart().RemoveSeries(&pie);
}

}  // namespace
