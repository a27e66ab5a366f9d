// The picture formats on their own: the filter entries they own, the
// panel they need, the size they take from it, the bitmap depths (and
// monochrome over the colour list), a panel without colour, and what the
// clipboard receives.
#include "ExportFixture.h"
#include "base/FileFilters.h"
#include "chart/core/ChartExceptions.h"
#include "charteditor/exportdialog/TBMPExportFormat.h"
#include "charteditor/exportdialog/TEMFExportFormat.h"
#include "tests/support/MetafileWalker.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>

namespace {

quint16 U16(const QByteArray& b, int at) {
  return static_cast<quint16>(static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8);
}

TEST_F(ExportTest, FormatsOwnTheirFilterEntriesInRegistrationOrder) {
  ASSERT_EQ(ExportFormatClasses().size(), 2u);
  EXPECT_EQ(ExportFormatClasses()[0].name, QStringLiteral("TEMFExportFormat"));
  TEMFExportFormat emf;
  TBMPExportFormat bmp;
  int counter = 0;
  emf.SetFilterIndex(counter);
  bmp.SetFilterIndex(counter);
  EXPECT_EQ(counter, 3);
  EXPECT_EQ(emf.FilterIndex(), 1);
  EXPECT_EQ(emf.FileExtension(), QStringLiteral("emf"));
  emf.SetEnhanced(false);
  EXPECT_EQ(emf.FilterIndex(), 2);
  EXPECT_EQ(emf.FileExtension(), QStringLiteral("wmf"));
  EXPECT_EQ(bmp.FilterIndex(), 3);
  EXPECT_EQ(base::QtNameFilters(emf.FileFilter()),
            QStringList({QStringLiteral("Enhanced Metafiles (*.emf)"),
                         QStringLiteral("Metafiles (*.wmf)")}));
}

TEST_F(ExportTest, AFormatWithoutPanelRefusesAndASizeOfZeroIsThePanels) {
  TBMPExportFormat bmp;
  for (auto action :
       {+[](TPlotExportFormat& f) { f.CopyToClipboard(); },
        +[](TPlotExportFormat& f) { f.SaveToFile(QStringLiteral("/nonexistent")); }}) {
    try {
      action(bmp);
      ADD_FAILURE() << "no panel accepted";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.message(), QStringLiteral("Panel property is not set in Export format"));
    }
  }
  bmp.Panel = &chart;
  bmp.Height = 120;
  bmp.SaveToFile(Path("size.bmp"));
  EXPECT_EQ(QImage(Path("size.bmp")).size(), QSize(600, 120));
}

TEST_F(ExportTest, BitmapDepthsAndMonochromeWinningOverTheColourList) {
  struct Row {
    int colors;
    bool mono;
    int bits;
  };
  const Row rows[] = {{0, false, 24}, {1, false, 1},  {2, false, 4},  {3, false, 8}, {4, false, 16},
                      {5, false, 16}, {6, false, 24}, {7, false, 32}, {6, true, 1},  {7, true, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.colors << " mono " << row.mono);
    TBMPExportFormat bmp;
    bmp.Panel = &chart;
    bmp.Width = 200;
    auto* options = static_cast<TBMPOptions*>(bmp.Options());
    options->CBColors->setCurrentIndex(row.colors);
    options->CBMono->setChecked(row.mono);
    EXPECT_EQ(options->CBColors->isEnabled(), !row.mono);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bmp.SaveToStream(buffer);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(U16(bytes, 28), row.bits);
    const QImage back = QImage::fromData(bytes, "BMP");
    EXPECT_EQ(back.size(), QSize(200, 300)) << "a height of 0 is the panel's";
  }
}

TEST_F(ExportTest, APanelWithoutColourExportsOnWhite) {
  chart.SetColor(base::clNone);
  TBMPExportFormat bmp;
  bmp.Panel = &chart;
  bmp.SaveToFile(Path("none.bmp"));
  const QImage image(Path("none.bmp"));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(ExportTest, TheClipboardGetsThePictureInEveryFormItCanTake) {
  TBMPExportFormat bmp;
  bmp.Panel = &chart;
  bmp.Width = 300;
  bmp.Height = 150;
  bmp.CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(300, 150));

  for (bool enhanced : {true, false}) {
    TEMFExportFormat emf;
    emf.Panel = &chart;
    emf.SetEnhanced(enhanced);
    emf.CopyToClipboard();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    const QString type = enhanced ? QStringLiteral("image/x-emf") : QStringLiteral("image/x-wmf");
    ASSERT_TRUE(mime->hasFormat(type)) << mime->formats().join(' ').toStdString();
    const testsupport::MetafileWalk walk =
        enhanced ? testsupport::WalkEmf(mime->data(type)) : testsupport::WalkWmf(mime->data(type));
    EXPECT_TRUE(walk.faults.isEmpty()) << walk.faults.join('\n').toStdString();
    EXPECT_TRUE(mime->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    EXPECT_EQ(QImage::fromData(mime->data(QStringLiteral("image/png")), "PNG").size(),
              QSize(600, 300));
  }
}

// A program that pastes the SVG turns its millimetres into pixels at the
// screen's resolution: it must get the size that was asked for.
TEST_F(ExportTest, TheClipboardsSvgHasThePixelSizeAskedForOnThisScreen) {
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  TEMFExportFormat emf;
  emf.Panel = &chart;
  emf.Width = 450;
  emf.Height = 180;
  emf.CopyToClipboard();
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(mime);
  const QString svg = QString::fromUtf8(mime->data(QStringLiteral("image/svg+xml")));
  for (const auto& [attribute, pixels] : {std::pair{"width", 450}, std::pair{"height", 180}}) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("<svg[^>]*\\s%1=\"([0-9.]+)mm\"").arg(attribute))
            .match(svg);
    ASSERT_TRUE(m.hasMatch()) << svg.left(400).toStdString();
    EXPECT_NEAR(m.captured(1).toDouble() / 25.4 * dpi, pixels, 0.6) << attribute;
  }
}

}  // namespace
