// Text through the QPainter backend lands inside the box its own
// measurement gives, turns about its reference point, aligns in the turned
// frame, and draws outlines and opaque cells in the colours asked for.
#include "CanvasTestImage.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QRect>

namespace {

BackendFont testFont(int angle = 0) {
  BackendFont font;
  font.name = QStringLiteral("DejaVu Sans");
  font.height = -24;
  font.angle = angle;
  font.color = base::clBlack;
  return font;
}

// The bounding box of every pixel that is not white.
QRect inkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
  return box;
}

struct TextCase {
  const char* name;
  int angle;
  int align;
  // The box the ink must lie in, from the reference point and the extent.
  QRect (*expected)(QPoint ref, QSize extent);
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class BackendTextPlacement : public testing::TestWithParam<TextCase> {};

TEST_P(BackendTextPlacement, InkStaysInTheMeasuredBox) {
  const TextCase& c = GetParam();
  const QPoint ref(100, 100);
  CanvasTestImage canvas;
  canvas.backend().setFont(testFont(c.angle));
  canvas.backend().setTextAlign(c.align);
  const QSize extent = canvas.backend().textExtent(QStringLiteral("Hg"));
  ASSERT_GT(extent.width(), 10);
  ASSERT_GT(extent.height(), 20);
  canvas.backend().textOut(ref.x(), ref.y(), QStringLiteral("Hg"));
  const QImage& image = canvas.image();
  testsupport::saveArtifact(image, QStringLiteral("BackendText_%1.png").arg(c.name));
  const QRect ink = inkBox(image);
  const QRect allowed = c.expected(ref, extent);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(allowed.contains(ink))
      << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height()
      << " outside " << allowed.x() << "," << allowed.y() << " " << allowed.width() << "x"
      << allowed.height();
  // The ink fills most of the box along the text: a misplaced reference
  // point would leave a large part of it empty.
  const int along = c.angle == 0 ? ink.width() : ink.height();
  EXPECT_GT(along, extent.width() * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, BackendTextPlacement,
    testing::Values(
        TextCase{"LeftTop", 0, TextAlign::Left | TextAlign::Top,
                 [](QPoint r, QSize e) { return QRect(r.x(), r.y(), e.width(), e.height()); }},
        TextCase{"RightBottom", 0, TextAlign::Right | TextAlign::Bottom,
                 [](QPoint r, QSize e) {
                   return QRect(r.x() - e.width(), r.y() - e.height(), e.width(), e.height());
                 }},
        TextCase{"CenterTop", 0, TextAlign::Center | TextAlign::Top,
                 [](QPoint r, QSize e) {
                   return QRect(r.x() - e.width() / 2 - 1, r.y(), e.width() + 2, e.height());
                 }},
        // Turned 90° counter-clockwise about the reference point: the text
        // reads upwards, its top towards the left.
        TextCase{"LeftTopAt90", 900, TextAlign::Left | TextAlign::Top,
                 [](QPoint r, QSize e) {
                   return QRect(r.x(), r.y() - e.width() + 1, e.height(), e.width());
                 }}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(BackendText, OutlineIsStrokedInThePenAndFilledInTheFontColour) {
  CanvasTestImage canvas;
  BackendFont font = testFont();
  font.height = -60;
  font.style = Graphics::fsBold;
  font.color = base::clBlue;
  canvas.backend().setFont(font);
  canvas.backend().setPen(SolidPen(base::clRed));
  canvas.backend().textOutline(20, 40, QStringLiteral("HI"));
  const QImage& image = canvas.image();
  testsupport::saveArtifact(image, QStringLiteral("BackendText_Outline.png"));
  int red = 0;
  int blue = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) & 0xFFFFFF;
      red += p == 0xFF0000;
      blue += p == 0x0000FF;
    }
  }
  EXPECT_GT(red, 50);
  EXPECT_GT(blue, 50);
}

TEST(BackendText, OpaqueBackgroundFillsTheTextCell) {
  CanvasTestImage canvas;
  canvas.backend().setFont(testFont());
  canvas.backend().setBackMode(BackMode::Opaque);
  canvas.backend().setBackColor(base::clYellow);
  const QSize extent = canvas.backend().textExtent(QStringLiteral("Hg"));
  canvas.backend().textOut(50, 60, QStringLiteral("Hg"));
  EXPECT_EQ(canvas.at(50, 60), base::clYellow);
  EXPECT_EQ(canvas.at(50 + extent.width() - 1, 60 + extent.height() - 1), base::clYellow);
  EXPECT_EQ(canvas.at(50 + extent.width(), 60), base::clWhite);
  EXPECT_EQ(canvas.at(49, 60), base::clWhite);
}

TEST(BackendText, InterCharSizeWidensEveryCharacter) {
  CanvasTestImage canvas;
  BackendFont font = testFont();
  canvas.backend().setFont(font);
  const int plain = canvas.backend().textExtent(QStringLiteral("Hgx")).width();
  font.charExtra = 5;
  canvas.backend().setFont(font);
  EXPECT_EQ(canvas.backend().textExtent(QStringLiteral("Hgx")).width(), plain + 15);
}

TEST(BackendText, HeightIsPixelSize) {
  CanvasTestImage canvas;
  BackendFont font = testFont();
  font.height = -11;
  canvas.backend().setFont(font);
  const TextMetrics small = canvas.backend().textMetrics();
  font.height = -22;
  canvas.backend().setFont(font);
  const TextMetrics big = canvas.backend().textMetrics();
  EXPECT_NEAR(big.height, 2 * small.height, 2);
  EXPECT_GE(small.height, 11);
  EXPECT_LE(small.height, 15);
  EXPECT_EQ(small.height, small.ascent + small.descent);
}

// A height of 0 is the default height (the chart font's 8 points), on the
// painting backend and in the recording's fixed metrics alike.
TEST(BackendText, HeightZeroIsTheDefaultHeight) {
  ChartEngineScope engine;
  CanvasTestImage canvas;
  RecordingBackend recording(QSize(100, 100));
  BackendFont font = testFont();
  QSize extent[2][2];  // [backend][height 0, height -11]
  for (int i = 0; i < 2; ++i) {
    font.height = i == 0 ? 0 : -11;
    canvas.backend().setFont(font);
    recording.setFont(font);
    extent[0][i] = canvas.backend().textExtent(QStringLiteral("Hello"));
    extent[1][i] = recording.textExtent(QStringLiteral("Hello"));
  }
  EXPECT_EQ(extent[0][0], extent[0][1]);
  EXPECT_EQ(extent[1][0], extent[1][1]);
  EXPECT_GE(extent[0][0].height(), 11);
}

}  // namespace
