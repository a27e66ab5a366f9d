// The editors' message table against its published English, and its
// counted filling.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorMessages.h"
#include "tests/base/LocaleScope.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

constexpr int kEntries = static_cast<int>(EditorMsg::Count);

QStringList goldenTable() {
  QFile f(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
          QStringLiteral("/../data/editor-messages.txt"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QStringList table() {
  QStringList all;
  for (int i = 0; i < kEntries; ++i) all << EditorText(static_cast<EditorMsg>(i));
  return all;
}

}  // namespace

TEST(EditorMessageTable, HoldsThePublishedEnglishInOrder) {
  ChartEditorScope editors;
  const QStringList golden = goldenTable();
  ASSERT_EQ(golden.size(), 175);
  EXPECT_EQ(table(), golden);
  EXPECT_EQ(EditorText(EditorMsg::RotationHint),
            QString::fromUtf8("Rotation: %d\u00B0 Elevation: %d\u00B0"));
  EXPECT_TRUE(EditorText(EditorMsg::DemoChartAddress).isEmpty());
}

TEST(EditorMessageTable, FormatsTakeOnlyNumbersTextsAndPercentSigns) {
  ChartEditorScope editors;
  const QRegularExpression placeholder(QStringLiteral("%(.?)"));
  for (const QString& text : table()) {
    // The funnel's percentage is a number format, where "%" stands alone.
    if (text == EditorText(EditorMsg::FunnelPercentFormat)) continue;
    for (const auto& m : placeholder.globalMatch(text)) {
      // "%%" is matched whole, so a lone "%" ends up here only when misused.
      EXPECT_TRUE(m.captured(1) == u"d" || m.captured(1) == u"s" || m.captured(1) == u"%")
          << qPrintable(text);
    }
  }
  LocaleScope locale(LocaleScope::english());
  EXPECT_EQ(EditorFormat(EditorMsg::ZoomHint, {50}), QStringLiteral("Zoom: 50 %"));
  EXPECT_EQ(EditorFormat(EditorMsg::DragToMove, {QStringLiteral("%d")}),
            QStringLiteral("Drag %d to Move"));
}

TEST(EditorMessageTable, FilledByTheFirstStartEmptiedByTheLastStop) {
  StartEditorMessages();
  StartEditorMessages();
  StopEditorMessages();
  EXPECT_EQ(EditorText(EditorMsg::GalleryPolar), QStringLiteral("Polar"));
  StopEditorMessages();
  EXPECT_TRUE(EditorText(EditorMsg::GalleryPolar).isEmpty());
  StopEditorMessages();  // unmatched: nothing
  StartEditorMessages();
  EXPECT_EQ(EditorText(EditorMsg::TextFileSource), QStringLiteral("Text File"));
  StopEditorMessages();
}
