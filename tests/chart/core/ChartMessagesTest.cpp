// The message table and the counted engine start-up that fills it.
#include "base/DateTime.h"
#include "chart/core/ChartCursors.h"
#include "chart/core/ChartDefaults.h"
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartMessages.h"
#include "tests/base/LocaleScope.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

namespace {

constexpr int kEntries = static_cast<int>(ChartMsg::Count);

// The English table as published, one entry per line, "\r" written out.
QStringList goldenTable() {
  QFile f(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
          QStringLiteral("/../data/messages.txt"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& line : lines) line.replace(QLatin1String("\\r"), QStringLiteral("\r"));
  return lines;
}

bool allEmpty() {
  for (int i = 0; i < kEntries; ++i) {
    if (!ChartText(static_cast<ChartMsg>(i)).isEmpty()) return false;
  }
  return true;
}

}  // namespace

TEST(ChartMessageTable, HoldsTheEnglishTableWhileTheEngineRuns) {
  const QStringList golden = goldenTable();
  ASSERT_EQ(golden.size(), 226);
  ASSERT_EQ(kEntries, 226);
  ChartEngineScope engine;
  for (int i = 0; i < kEntries; ++i)
    EXPECT_EQ(ChartText(static_cast<ChartMsg>(i)), golden[i]) << "entry " << i;
  EXPECT_EQ(ChartText(ChartMsg::MarkOfMultiLine), QStringLiteral("%s\rof %s"));
  // Named entries sit at their numbers.
  const struct {
    ChartMsg msg;
    int number;
  } cases[] = {{ChartMsg::Banner, 0},        {ChartMsg::Percent3D, 14},
               {ChartMsg::GalleryLine, 26},  {ChartMsg::ValueNamePie, 128},
               {ChartMsg::StyleLine, 208},   {ChartMsg::DeleteIndexOutOfBounds, 214},
               {ChartMsg::MenuLanguage, 225}};
  for (const auto& c : cases) EXPECT_EQ(ChartText(c.msg), golden[c.number]) << c.number;
}

TEST(ChartMessageTable, EntriesAreFormats) {
  ChartEngineScope engine;
  EXPECT_EQ(ChartFormat(ChartMsg::Percent3D, {1, 100}),
            QStringLiteral("3D effect percent must be between 1 and 100"));
  EXPECT_EQ(ChartFormat(ChartMsg::DeleteIndexOutOfBounds, {7, 4}),
            QStringLiteral("Series Delete: ValueIndex 7 out of bounds (0 to 4)."));
  // A user's text is an argument: its '%' stays as typed.
  EXPECT_EQ(ChartFormat(ChartMsg::EditingTitle, {QStringLiteral("100%d")}),
            QStringLiteral("Editing 100%d"));
}

TEST(ChartEngineStartUp, OnlyTheLastStopEmptiesTheTable) {
  ASSERT_FALSE(ChartEngineRunning());
  EXPECT_TRUE(allEmpty());
  StartChartEngine();
  StartChartEngine();
  StopChartEngine();
  EXPECT_TRUE(ChartEngineRunning());
  EXPECT_EQ(ChartText(ChartMsg::Banner), QStringLiteral("Veltrano chart engine"));
  EXPECT_FALSE(allEmpty());
  StopChartEngine();
  EXPECT_FALSE(ChartEngineRunning());
  EXPECT_TRUE(allEmpty());
  StopChartEngine();  // one too many: harmless
  EXPECT_FALSE(ChartEngineRunning());
  {
    ChartEngineScope again;
    EXPECT_EQ(ChartText(ChartMsg::MenuLanguage), QStringLiteral("&Language..."));
  }
  EXPECT_TRUE(allEmpty());
}

TEST(ChartEngineStartUp, SetsHandCursorLowestDateAndDefaultFont) {
  EXPECT_EQ(PlotCursorShape(crPlotHand), Qt::ArrowCursor);
  {
    ChartEngineScope engine;
    EXPECT_EQ(PlotCursorShape(crPlotHand), Qt::PointingHandCursor);
    EXPECT_EQ(ChartLowestDate(), base::EncodeDate(1900, 1, 1));
    EXPECT_EQ(ChartLowestDate(), 2.0);
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // The desktop's family at size 8, whatever size the desktop uses, so
    // that texts and stored heights do not depend on it.
    EXPECT_EQ(DefaultChartFontName(), desktop.family());
    EXPECT_EQ(DefaultChartFontSize(), 8) << "desktop size " << desktop.pointSize();
  }
  EXPECT_EQ(PlotCursorShape(crPlotHand), Qt::ArrowCursor);
}
