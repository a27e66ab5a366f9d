// Pictures of the series page to look at: each per-type editor embedded in
// its Format sheet, the sheets it adds, and the General and Marks sheets.
#include "chart/core/ChartClassRegistry.h"
#include "chart/series/TLineSeries.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"
#include "tests/support/Artifacts.h"

#include <QTabWidget>

namespace {

QString fileName(const QString& seriesClass, const QString& sheet) {
  QString name = QStringLiteral("serieseditor-%1-%2.png").arg(seriesClass, sheet);
  name.replace(QLatin1Char(' '), QLatin1Char('-'));
  return name;
}

TEST(SeriesPageScreenshots, EveryEditorAndSheet) {
  SeriesEditorsScope editors;
  for (const ChartClassEntry* e : ChartClasses().Entries(ChartClassKind::Series)) {
    SeriesPage page(*e->metaObject);
    const QString cls = QString::fromLatin1(e->metaObject->className());
    for (const QString& caption : page.SheetCaptions()) {
      // General and Marks look alike for every class: the line's are kept.
      const bool shared = caption == QLatin1String("General") ||
                          caption == QLatin1String("Marks") ||
                          caption == QLatin1String("Data Source");
      if (shared && e->metaObject != &TLineSeries::staticMetaObject) continue;
      ASSERT_TRUE(page.ShowSheet(caption)) << cls.toStdString();
      const QImage shot = page.Form().grab().toImage();
      EXPECT_FALSE(shot.isNull());
      EXPECT_FALSE(testsupport::saveArtifact(shot, fileName(cls, caption)).isEmpty());
    }
  }
}

}  // namespace
