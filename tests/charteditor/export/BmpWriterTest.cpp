// Bitmaps of every depth: the header fields other programs read, and the
// colours each depth's reduction gives, read back by Qt's reader and, when
// installed, by Python's imaging library.
#include "charteditor/export/BmpWriter.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

uint32_t U32(const QByteArray& b, qsizetype at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
  return v;
}
uint16_t U16(const QByteArray& b, qsizetype at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

// 13×7 (rows need padding at every depth), a different colour per pixel.
QImage Sample() {
  QImage image(13, 7, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (y * 41 + 7) % 256, (x * y * 13) % 256));
  return image;
}

QImage ReadBack(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer, "bmp");
  return reader.read().convertToFormat(QImage::Format_RGB32);
}

struct DepthRow {
  BmpDepth depth;
  int bpp;
  uint32_t compression;
  uint32_t paletteSize;
  int tolerance;  // per channel, against the source; -1: checked apart
};

TEST(BmpWriter, HeadersAndColoursOfEveryDepth) {
  const std::vector<DepthRow> rows = {
      {BmpDepth::Default, 24, 0, 0, 0}, {BmpDepth::Bits24, 24, 0, 0, 0},
      {BmpDepth::Bits32, 32, 0, 0, 0},  {BmpDepth::Bits16, 16, 3, 0, 7},
      {BmpDepth::Bits15, 16, 0, 0, 7},  {BmpDepth::Bits8, 8, 0, 91, 0},
      {BmpDepth::Bits4, 4, 0, 16, -1},  {BmpDepth::Bits1, 1, 0, 2, -1},
  };
  const QImage source = Sample();
  for (const DepthRow& r : rows) {
    const QByteArray bmp = EncodeBmp(source, r.depth);
    const std::string name = "bpp " + std::to_string(r.bpp);
    ASSERT_GE(bmp.size(), 54) << name;
    EXPECT_EQ(bmp.left(2), "BM") << name;
    EXPECT_EQ(U32(bmp, 2), static_cast<uint32_t>(bmp.size())) << name;
    const uint32_t masks = r.compression == 3 ? 12 : 0;
    EXPECT_EQ(U32(bmp, 10), 14 + 40 + masks + 4 * r.paletteSize) << name;
    EXPECT_EQ(U32(bmp, 14), 40u) << name;
    EXPECT_EQ(static_cast<int32_t>(U32(bmp, 18)), 13) << name;
    EXPECT_EQ(static_cast<int32_t>(U32(bmp, 22)), 7) << name << ": positive height, bottom-up";
    EXPECT_EQ(U16(bmp, 28), r.bpp) << name;
    EXPECT_EQ(U32(bmp, 30), r.compression) << name;
    const uint32_t stride = (13 * r.bpp + 31) / 32 * 4;
    EXPECT_EQ(U32(bmp, 34), stride * 7) << name;
    EXPECT_EQ(U32(bmp, 38), 3780u) << name << ": 96 dpi";
    EXPECT_EQ(U32(bmp, 46), r.paletteSize) << name;
    EXPECT_EQ(static_cast<uint32_t>(bmp.size()), U32(bmp, 10) + stride * 7) << name;
    if (r.compression == 3) {
      EXPECT_EQ(U32(bmp, 54), 0xF800u);
      EXPECT_EQ(U32(bmp, 58), 0x07E0u);
      EXPECT_EQ(U32(bmp, 62), 0x001Fu);
    }
    const QImage back = ReadBack(bmp);
    ASSERT_EQ(back.size(), source.size()) << name << ": Qt reads it";
    if (r.tolerance < 0) continue;
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 13; ++x) {
        const QRgb a = source.pixel(x, y), b = back.pixel(x, y);
        ASSERT_LE(std::abs(qRed(a) - qRed(b)), r.tolerance) << name << " at " << x << "," << y;
        ASSERT_LE(std::abs(qGreen(a) - qGreen(b)), r.tolerance) << name << " at " << x << "," << y;
        ASSERT_LE(std::abs(qBlue(a) - qBlue(b)), r.tolerance) << name << " at " << x << "," << y;
      }
  }
}

TEST(BmpWriter, ReducedDepthsPickTheirColoursByTheRules) {
  struct Row {
    BmpDepth depth;
    QRgb in;
    QRgb out;
  };
  const std::vector<Row> rows = {
      // One bit: black or white by luminance, 128 and above white.
      {BmpDepth::Bits1, qRgb(128, 128, 128), qRgb(255, 255, 255)},
      {BmpDepth::Bits1, qRgb(127, 127, 127), qRgb(0, 0, 0)},
      {BmpDepth::Bits1, qRgb(0, 0, 255), qRgb(0, 0, 0)},        // blue is dark
      {BmpDepth::Bits1, qRgb(0, 255, 0), qRgb(255, 255, 255)},  // green is light
      // Four bits: the nearest of the 16 standard colours.
      {BmpDepth::Bits4, qRgb(200, 10, 10), qRgb(255, 0, 0)},
      {BmpDepth::Bits4, qRgb(150, 20, 10), qRgb(128, 0, 0)},
      {BmpDepth::Bits4, qRgb(180, 180, 190), qRgb(192, 192, 192)},
      // Eight bits with more than 256 colours: the cube and grey ramp.
      {BmpDepth::Bits8, qRgb(51, 102, 153), qRgb(51, 102, 153)},
      {BmpDepth::Bits8, qRgb(60, 100, 150), qRgb(51, 102, 153)},
      {BmpDepth::Bits8, qRgb(19, 19, 19), qRgb(19, 19, 19)},  // a ramp grey, not the cube's 0
  };
  for (const Row& r : rows) {
    // 300 other colours push an eight-bit picture past its own palette.
    QImage image(300, 2, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
      image.setPixel(x, 0, qRgb(x % 256, x / 256 * 100, 7));
      image.setPixel(x, 1, r.in);
    }
    const QImage back = ReadBack(EncodeBmp(image, r.depth));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixel(5, 1) & 0xFFFFFF, r.out & 0xFFFFFF)
        << "bpp " << BmpBitsPerPixel(r.depth) << " of " << std::hex << r.in;
  }
}

TEST(BmpWriter, EightBitsKeepUpTo256ColoursExactly) {
  QImage image(16, 16, QImage::Format_RGB32);
  for (int i = 0; i < 256; ++i) image.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
  const QByteArray bmp = EncodeBmp(image, BmpDepth::Bits8);
  EXPECT_EQ(U32(bmp, 46), 256u);
  EXPECT_EQ(ReadBack(bmp), image);
  EXPECT_TRUE(EncodeBmp(QImage(), BmpDepth::Bits24).isEmpty());
}

TEST(BmpWriter, OneBitPanelIsWhiteWithBlackText) {
  FakePlotPanel panel;
  panel.SetColor(base::clWhite);
  panel.SetMarginTop(15);
  panel.drawHook = DrawFakeChart;
  const QImage screen =
      panel.CreateBitmap(base::clWhite, {0, 0, 400, 250}, TCustomPlotPanel::pfDevice);
  const QImage mono = ReadBack(EncodeBmp(screen, BmpDepth::Bits1));
  testsupport::saveArtifact(mono, "bmp-one-bit-panel.png");
  ASSERT_EQ(mono.size(), QSize(400, 250));
  EXPECT_EQ(mono.pixel(3, 3), qRgb(255, 255, 255)) << "panel";
  int ink = 0;
  for (int y = 0; y < 35; ++y)
    for (int x = 150; x < 250; ++x) ink += mono.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_GT(ink, 30) << "title text";
}

TEST(BmpWriter, PythonsImagingLibraryReadsEveryDepth) {
  QString python = QStandardPaths::findExecutable("python3", {"/usr/bin"});
  if (python.isEmpty()) python = QStandardPaths::findExecutable("python3");
  if (python.isEmpty()) GTEST_SKIP() << "python3 not installed";
  QProcess probe;
  probe.start(python, {"-c", "import PIL"});
  if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
    GTEST_SKIP() << "Python's imaging library not installed (package python3-pil)";
  QTemporaryDir dir;
  const QImage source = Sample();
  for (BmpDepth depth : {BmpDepth::Bits1, BmpDepth::Bits4, BmpDepth::Bits8, BmpDepth::Bits15,
                         BmpDepth::Bits16, BmpDepth::Bits24, BmpDepth::Bits32}) {
    const QString path = dir.filePath(QStringLiteral("d%1.bmp").arg(static_cast<int>(depth)));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(EncodeBmp(source, depth));
    f.close();
    QProcess p;
    p.start(python,
            {"-c",
             "import sys; from PIL import Image; im = Image.open(sys.argv[1]).convert('RGB');"
             " print(im.size[0], im.size[1], *im.getpixel((0, 0)), *im.getpixel((12, 6)))",
             path});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QStringList v = QString::fromLatin1(p.readAllStandardOutput()).split(' ');
    ASSERT_EQ(v.size(), 8);
    EXPECT_EQ(v[0].toInt(), 13);
    EXPECT_EQ(v[1].toInt(), 7);
    // Readers expand 5-bit channels differently: those only within a step.
    const bool fields = depth == BmpDepth::Bits15 || depth == BmpDepth::Bits16;
    const QImage back = ReadBack(EncodeBmp(source, depth));
    const QImage& want = fields ? source : back;
    const int tolerance = fields ? 8 : 0;
    const QPoint corners[2] = {QPoint(0, 0), QPoint(12, 6)};
    for (int c = 0; c < 2; ++c) {
      const QRgb w = want.pixel(corners[c]);
      EXPECT_LE(std::abs(v[2 + 3 * c].trimmed().toInt() - qRed(w)), tolerance) << int(depth);
      EXPECT_LE(std::abs(v[3 + 3 * c].trimmed().toInt() - qGreen(w)), tolerance) << int(depth);
      EXPECT_LE(std::abs(v[4 + 3 * c].trimmed().toInt() - qBlue(w)), tolerance) << int(depth);
    }
  }
}

}  // namespace
