// Opening the series page never writes: every registered series class,
// with every published value set away from its default, comes out of a
// visit to every sheet exactly as it went in.
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TSeriesPointer.h"
#include "tests/chart/support/PerturbPublished.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

namespace {

void visitEverySheet(SeriesPage& page) {
  for (const QString& caption : page.SheetCaptions()) ASSERT_TRUE(page.ShowSheet(caption));
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  for (const QString& caption : page.SheetCaptions()) ASSERT_TRUE(page.ShowSheet(caption));
}

class NoWriteOnLoad : public testing::TestWithParam<QString> {};

TEST_P(NoWriteOnLoad, EverySheetOfASeriesSetAwayFromItsDefaults) {
  SeriesEditorsScope editors;
  const ChartClassEntry* entry = ChartClasses().Find(GetParam());
  ASSERT_NE(entry, nullptr);
  SeriesPage page(*entry->metaObject);
  PerturbPublished(*page.Series(0));
  page.Chart().SetView3D(!page.Chart().View3D());
  page.Form().RefreshSeries(page.Series(1));
  page.Mark();
  page.Form().RefreshSeries(page.Series(0));
  visitEverySheet(page);
  page.Form().close();
  EXPECT_EQ(page.Changed(), QStringList());
}

// Listed before the application starts: from a registry of its own.
QStringList seriesClassNames() {
  ChartClassRegistry classes;
  RegisterSeriesTypes(classes);
  QStringList names;
  for (const ChartClassEntry* e : classes.Entries(ChartClassKind::Series))
    names << QString::fromLatin1(e->metaObject->className());
  return names;
}

INSTANTIATE_TEST_SUITE_P(RegisteredSeries, NoWriteOnLoad, testing::ValuesIn(seriesClassNames()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(NoWriteOnLoad, APointerThatDrawsNothing) {
  SeriesPage page(TLineSeries::staticMetaObject);
  auto* line = static_cast<TLineSeries*>(page.Series(0));
  line->Pointer()->SetVisible(true);
  line->Pointer()->SetStyle(TSeriesPointer::psNothing);
  page.Form().RefreshSeries(page.Series(1));
  page.Mark();
  page.Form().RefreshSeries(line);
  visitEverySheet(page);
  EXPECT_EQ(page.Changed(), QStringList());
}

}  // namespace
