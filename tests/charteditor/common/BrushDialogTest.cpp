// The pattern dialog: each of the twenty entries writes the brush's style
// or its pattern picture, a pattern goes again with a standard style while
// a picture of the user's own stays, picture files are refused safely, and
// every ending but OK puts the brush back.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorResources.h"
#include "charteditor/common/TBrushDialog.h"
#include "tests/charteditor/common/DialogRows.h"
#include "tests/support/AllocationWatch.h"
#include "tests/support/Artifacts.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

using BrushRow = DialogRow<TBrushDialog>;

void choose(TBrushDialog& d, int entry) {
  child<QListWidget>(d, "LStyle")->setCurrentRow(entry);
}

void openOnBrush(TBrushDialog& d, EditedChart& chart) {
  d.EditBrush(chart.Brush());
  d.show();
}

std::vector<BrushRow> brushRows() {
  std::vector<BrushRow> rows;
  for (int entry = 0; entry < TBrushDialog::kEntries; ++entry) {
    BrushRow row;
    row.name = "Entry" + std::to_string(entry);
    if (entry == 0) row.prepare = [](EditedChart& c) { c.Brush()->SetStyle(bsClear); };
    row.act = [entry](TBrushDialog& d, auto&) { choose(d, entry); };
    row.paths = {entry < TBrushDialog::kFirstPattern ? "Series0.Brush.Style"
                                                     : "Series0.Brush.Image.Data"};
    rows.push_back(row);
  }
  // A pattern chosen on a clear brush also makes it solid, in one change.
  BrushRow fromNone;
  fromNone.name = "PatternFromNone";
  fromNone.prepare = [](EditedChart& c) { c.Brush()->SetStyle(bsClear); };
  fromNone.act = [](TBrushDialog& d, auto&) { choose(d, 16); };
  fromNone.paths = {"Series0.Brush.Image.Data", "Series0.Brush.Style"};
  rows.push_back(fromNone);
  return rows;
}

class BrushDialogRows : public ::testing::TestWithParam<BrushRow> {
 protected:
  ChartEditorScope editors;
};

int inkPixels(const QImage& pattern) {
  int n = 0;
  for (int y = 0; y < pattern.height(); ++y) {
    for (int x = 0; x < pattern.width(); ++x) n += pattern.pixelIndex(x, y) == 0;
  }
  return n;
}

// A PNG header announcing `side` x `side` pixels, with valid checksums.
QByteArray hugePngHeader(quint32 side) {
  auto crc32 = [](const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
      crc ^= static_cast<quint8>(ch);
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
  };
  auto be32 = [](quint32 v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>(v >> (24 - 8 * i));
    return b;
  };
  QByteArray ihdr =
      QByteArray("IHDR") + be32(side) + be32(side) + QByteArray("\x08\x02\x00\x00\x00", 5);
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  png += be32(13) + ihdr + be32(crc32(ihdr));
  QByteArray idat = QByteArray("IDAT") + QByteArray("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
  png += be32(8) + idat + be32(crc32(idat));
  return png;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

TEST_P(BrushDialogRows, EachEntryWritesTheStyleOrThePatternOnce) {
  CheckRow(GetParam(), openOnBrush);
}

INSTANTIATE_TEST_SUITE_P(Entries, BrushDialogRows, ::testing::ValuesIn(brushRows()),
                         [](const auto& info) { return info.param.name; });

TEST(BrushPatterns, EntriesLoadTheirBitmapsWithTheirCoverage) {
  ChartEditorScope editors;
  EditedChart chart;
  TBrushDialog dialog;
  dialog.EditBrush(chart.Brush());
  choose(dialog, 10);
  EXPECT_EQ(chart.Brush()->Image()->Image(), EditorBitmap(QStringLiteral("ZorUruvu3")));
  const double coverage[] = {0.8, 0.6, 0.4, 0.2, 0.1};
  for (int i = 0; i < 5; ++i) {
    choose(dialog, 8 + i);
    const QImage& p = chart.Brush()->Image()->Image();
    ASSERT_EQ(p.size(), QSize(8, 8));
    EXPECT_LE(std::abs(inkPixels(p) - coverage[i] * 64), 1.0) << "entry " << 8 + i;
  }
  choose(dialog, 14);  // vertical small: every column one colour
  const QImage vertical = chart.Brush()->Image()->Image();
  choose(dialog, 15);  // horizontal small: every row one colour
  const QImage horizontal = chart.Brush()->Image()->Image();
  for (int a = 0; a < 8; ++a) {
    for (int b = 1; b < 8; ++b) {
      EXPECT_EQ(vertical.pixelIndex(a, b), vertical.pixelIndex(a, 0));
      EXPECT_EQ(horizontal.pixelIndex(b, a), horizontal.pixelIndex(0, a));
    }
  }
  EXPECT_GT(inkPixels(vertical), 0);
  EXPECT_LT(inkPixels(vertical), 64);
}

TEST(BrushPatterns, AStandardStyleTakesThePatternAwayAndShowingFindsIt) {
  ChartEditorScope editors;
  EditedChart chart;
  {
    TBrushDialog dialog;
    dialog.EditBrush(chart.Brush());
    choose(dialog, 10);
    dialog.accept();
  }
  TBrushDialog again;
  again.EditBrush(chart.Brush());
  EXPECT_EQ(child<QListWidget>(again, "LStyle")->currentRow(), 10);
  EXPECT_EQ(child<QPushButton>(again, "Button1")->text(), QStringLiteral("B&rowse..."));
  choose(again, 0);
  EXPECT_TRUE(chart.Brush()->Image()->Empty());
  EXPECT_EQ(chart.Brush()->Style(), bsSolid);
}

TEST(BrushPatterns, APatternOnAClearBrushCanBeColoured) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Brush()->SetStyle(bsClear);
  TBrushDialog dialog;
  dialog.EditBrush(chart.Brush());
  EXPECT_FALSE(child<QPushButton>(dialog, "BColor")->isEnabled());
  choose(dialog, 16);
  EXPECT_EQ(chart.Brush()->Style(), bsSolid);
  EXPECT_EQ(TBrushDialog::PatternEntryOf(*chart.Brush()), 16);
  EXPECT_TRUE(child<QPushButton>(dialog, "BColor")->isEnabled());
}

TEST(BrushPictures, AFileLoadsStaysUnderStylesAndClears) {
  ChartEditorScope editors;
  RecordingChartPrompts prompts;
  QTemporaryDir dir;
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(Qt::magenta);
  const QString path = dir.filePath(QStringLiteral("back.png"));
  ASSERT_TRUE(picture.save(path));
  EditedChart chart;
  TBrushDialog dialog;
  dialog.EditBrush(chart.Brush());
  dialog.show();
  prompts.fileAnswers.push_back(path);
  QPushButton* button = child<QPushButton>(dialog, "Button1");
  ClickButton(button);
  EXPECT_EQ(chart.Brush()->Image()->Image().size(), QSize(20, 10));
  EXPECT_EQ(button->text(), QStringLiteral("Clea&r"));
  choose(dialog, 3);
  EXPECT_FALSE(chart.Brush()->Image()->Empty()) << "the user's picture stays until Clear";
  testsupport::saveArtifact(dialog.grab().toImage(), "charteditor-brush-dialog-picture.png");
  ClickButton(button);
  EXPECT_TRUE(chart.Brush()->Image()->Empty());
  EXPECT_EQ(button->text(), QStringLiteral("B&rowse..."));
  EXPECT_TRUE(prompts.errors().isEmpty());
}

TEST(BrushPictures, HostileFilesAreRefusedWithTheBrushUnchanged) {
  ChartEditorScope editors;
  QTemporaryDir dir;
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(Qt::cyan);
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
  }
  // A real picture, small in bytes, but wider than any side we take.
  QByteArray wide;
  {
    QImage strip(17000, 1, QImage::Format_Grayscale8);
    strip.fill(0);
    QBuffer buffer(&wide);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "PNG");
  }
  const std::pair<const char*, QByteArray> files[] = {
      {"wide.png", wide},
      {"truncated.png", png.left(png.size() / 2)},
      {"notes.png", QByteArray("just some text, not a picture\n")},
      {"huge.png", hugePngHeader(100000)},
  };
  for (const auto& [name, bytes] : files) {
    RecordingChartPrompts prompts;
    const QString path = dir.filePath(QString::fromLatin1(name));
    ASSERT_TRUE(writeFile(path, bytes));
    EditedChart chart;
    TBrushDialog dialog;
    dialog.EditBrush(chart.Brush());
    const auto before = PublishedSnapshot(chart);
    prompts.fileAnswers.push_back(path);
    chart.ResetCounts();
    {
      AllocationWatch watch;
      ClickButton(child<QPushButton>(dialog, "Button1"));
      if (AllocationWatch::Available()) {
        EXPECT_LT(watch.Largest(), 1u << 20) << name;
      }
    }
    EXPECT_EQ(prompts.errors().size(), 1) << name;
    EXPECT_EQ(PublishedSnapshot(chart), before) << name;
    EXPECT_EQ(chart.changes, 0) << name;
  }
}

// A white brush (a shape's) still shows every entry's sample: samples sit
// on white, so they are drawn in black then.
TEST(BrushDialogLook, EverySampleShowsOnAWhiteBrush) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Brush()->SetColor(base::clWhite);
  TBrushDialog dialog;
  dialog.EditBrush(chart.Brush());
  dialog.show();
  auto* list = child<QListWidget>(dialog, "LStyle");
  for (int entry : {0, 2, 7, 10, 19}) {
    list->scrollToItem(list->item(entry));
    const QImage shot = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->item(entry));
    const QRect inside(row.left() + 4, row.top() + 4, 22, row.height() - 8);
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
      for (int x = inside.left(); x <= inside.right(); ++x)
        ink += shot.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(ink, inside.width() * inside.height() / 20) << "entry " << entry;
  }
}

TEST(BrushDialogLook, DialogAndPatternArtefacts) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Brush()->SetColor(base::clNavy);
  TBrushDialog dialog;
  dialog.EditBrush(chart.Brush());
  dialog.show();
  testsupport::saveArtifact(dialog.grab().toImage(), "charteditor-brush-dialog.png");
  EXPECT_FALSE(child<QPushButton>(dialog, "BColor")->isEnabled() == false);
  choose(dialog, 1);
  EXPECT_FALSE(child<QPushButton>(dialog, "BColor")->isEnabled());

  // The twenty fills as the chart draws them, in the brush's colour.
  QImage sheet(5 * 60, 4 * 40, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  {
    QPainterBackend backend(painter);
    TPlotCanvas3D canvas;
    canvas.SetUseBuffer(false);
    canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, sheet.width(), sheet.height()});
    for (int entry = 0; entry < TBrushDialog::kEntries; ++entry) {
      choose(dialog, entry);
      canvas.AssignPen(*chart.Pen());
      canvas.AssignBrush(*chart.Brush(), base::clWhite);
      const int x = (entry % 5) * 60, y = (entry / 5) * 40;
      canvas.Rectangle(x + 4, y + 4, x + 56, y + 36);
    }
    canvas.ShowImage();
  }
  painter.end();
  testsupport::saveArtifact(sheet, "charteditor-brush-patterns.png");
  // "Fill 40%" in navy: about 40 % of its inside.
  int navy = 0;
  for (int y = 88; y < 112; ++y) {
    for (int x = 10; x < 50; ++x) navy += sheet.pixel(x, y) == qRgb(0, 0, 128);
  }
  EXPECT_NEAR(navy / (24.0 * 40.0), 0.4, 0.05);
}
