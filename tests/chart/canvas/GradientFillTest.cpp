// Gradient fills painted on an image: which colour each band, frame and
// diagonal gets, and how the bands reach the backend.
#include "tests/chart/canvas/ShapeCanvas.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

int Grey(QRgb rgb) {
  return qRed(rgb);
}

QImage Filled(int width, int height, const TRect& r, base::TColor c1, base::TColor c2,
              TGradientDirection direction) {
  PaintedShapes img(width, height, ShapeView::Off);
  img.canvas.GradientFill(r, c1, c2, direction);
  return img.image();
}

TEST(GradientFill, BandsRunFromTheFirstColourAtTheNearEdge) {
  struct Case {
    TGradientDirection direction;
    int width, height;
    bool rows;
    int first, middle, last;  // grey at index 299, 150 and 0 along the bands
  };
  const Case cases[] = {{gdTopBottom, 100, 300, true, 0, 127, 255},
                        {gdBottomTop, 100, 300, true, 255, 128, 0},
                        {gdLeftRight, 300, 100, false, 0, 127, 255},
                        {gdRightLeft, 300, 100, false, 255, 128, 0}};
  for (const Case& c : cases) {
    const QImage image = Filled(c.width, c.height, TRect{0, 0, c.width, c.height}, base::clBlack,
                                base::clWhite, c.direction);
    testsupport::saveArtifact(image, QStringLiteral("chart-gradient-%1.png").arg(c.direction));
    auto at = [&](int i) { return Grey(c.rows ? image.pixel(50, i) : image.pixel(i, 50)); };
    EXPECT_EQ(at(299), c.first) << c.direction;
    EXPECT_EQ(at(150), c.middle) << c.direction;
    EXPECT_EQ(at(0), c.last) << c.direction;
    // Every band spans the whole rectangle across.
    const QRgb edge = c.rows ? image.pixel(0, 150) : image.pixel(150, 0);
    const QRgb otherEdge = c.rows ? image.pixel(99, 150) : image.pixel(150, 99);
    EXPECT_EQ(edge, otherEdge) << c.direction;
  }
}

TEST(GradientFill, OneBandGradientsAreTheFirstColour) {
  // The first colour has no channel at 0 or 255, so an off-by-one in
  // either direction shows.
  const base::TColor c1 = 0x408060, c2 = 0xFFFFFF;
  const QRgb first = base::ToQColor(c1).rgb() & 0xFFFFFFu;
  EXPECT_EQ(Filled(10, 10, TRect{0, 0, 10, 1}, c1, c2, gdTopBottom).pixel(5, 0) & 0xFFFFFFu, first);
  EXPECT_EQ(Filled(10, 10, TRect{0, 0, 1, 10}, c1, c2, gdLeftRight).pixel(0, 5) & 0xFFFFFFu, first);
  // The radial directions start from the second colour given.
  EXPECT_EQ(Filled(10, 10, TRect{3, 3, 4, 4}, c2, c1, gdFromCenter).pixel(3, 3) & 0xFFFFFFu, first);
}

TEST(GradientFill, FromTheCentreAndFromACorner) {
  // c1 (after the exchange) is the second colour given.
  const QRgb outer = 0xFF0000, inner = 0x0000FF;  // red, blue as QRgb
  const QImage centre =
      Filled(120, 80, TRect{0, 0, 101, 61}, base::clBlue, base::clRed, gdFromCenter);
  testsupport::saveArtifact(centre, QStringLiteral("chart-gradient-centre.png"));
  for (const QPoint p : {QPoint(0, 0), QPoint(100, 0), QPoint(0, 60), QPoint(100, 60)})
    EXPECT_EQ(centre.pixel(p) & 0xFFFFFFu, outer) << p.x() << "," << p.y();
  EXPECT_EQ(centre.pixel(50, 30) & 0xFFFFFFu, inner);
  EXPECT_EQ(centre.pixel(101, 30) & 0xFFFFFFu, 0xFFFFFFu);  // right edge exclusive
  EXPECT_EQ(centre.pixel(50, 61) & 0xFFFFFFu, 0xFFFFFFu);

  struct Corner {
    TGradientDirection direction;
    QPoint named, opposite;
  };
  for (const Corner c :
       {Corner{gdFromTopLeft, {0, 0}, {99, 59}}, Corner{gdFromBottomLeft, {0, 59}, {99, 0}}}) {
    const QImage image =
        Filled(100, 60, TRect{0, 0, 100, 60}, base::clBlack, base::clWhite, c.direction);
    testsupport::saveArtifact(image,
                              QStringLiteral("chart-gradient-corner-%1.png").arg(c.direction));
    EXPECT_EQ(Grey(image.pixel(c.named)), 255) << c.direction;
    EXPECT_LE(Grey(image.pixel(c.opposite)), 3) << c.direction;
    // Equal steps from the corner share a colour; every pixel is painted.
    const int dy = c.direction == gdFromTopLeft ? 1 : -1;
    EXPECT_EQ(image.pixel(c.named + QPoint(7, 0)), image.pixel(c.named + QPoint(0, 7 * dy)));
    EXPECT_EQ(image.pixel(c.named + QPoint(20, 10 * dy)), image.pixel(c.named + QPoint(30, 0)));
    EXPECT_LT(Grey(image.pixel(c.named + QPoint(31, 0))),
              Grey(image.pixel(c.named + QPoint(30, 0))));
  }
}

TEST(GradientFill, ReversedRectangleIsNormalised) {
  const QImage straight =
      Filled(100, 300, TRect{0, 0, 100, 300}, base::clBlack, base::clWhite, gdTopBottom);
  const QImage reversed =
      Filled(100, 300, TRect{100, 300, 0, 0}, base::clBlack, base::clWhite, gdTopBottom);
  EXPECT_EQ(straight, reversed);
}

TEST(GradientFill, BandsReachTheBackendAsFillsWithABrushPerColour) {
  RecordedShapes rec(ShapeView::Off);
  rec.canvas.GradientFill(TRect{0, 0, 100, 300}, base::clBlack, base::clWhite, gdTopBottom);
  EXPECT_EQ(rec.backend.lines(QStringLiteral("fillRect")).size(), 256);
  EXPECT_EQ(rec.backend.lines()[1],
            QStringLiteral("fillRect 0,299,100,300 brush[$000000 bsSolid]"));
  // 256 colours and the caller's brush back at the end.
  EXPECT_EQ(rec.backend.lines(QStringLiteral("setBrush")).size(), 257);
  EXPECT_EQ(rec.backend.lines().last(), QStringLiteral("setBrush $C0C0C0 bsSolid"));

  rec.backend.clearLines();
  rec.canvas.GradientFill(TRect{0, 0, 100, 300}, base::clRed, base::clRed, gdTopBottom);
  EXPECT_EQ(rec.backend.lines(QStringLiteral("setBrush")).size(), 2);
  // System colours are resolved before the channels are mixed.
  rec.backend.clearLines();
  rec.canvas.GradientFill(TRect{0, 0, 10, 1}, base::clBtnFace, base::clBlack, gdTopBottom);
  EXPECT_EQ(rec.backend.lines()[0],
            QStringLiteral("setBrush ") +
                RecordingBackend::colorText(base::ColorToRGB(base::clBtnFace)) +
                QStringLiteral(" bsSolid"));
}

TEST(GradientFill, HugeRectanglesDrawOnlyWhatCanBeSeen) {
  const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  const TRect wide{-2'000'000'000, 10, 2'000'000'000, 20};
  for (const TRect& r : {huge, wide}) {
    for (int d = 0; d <= 6; ++d) {
      NullBackend backend;
      TView3DOptions view;
      TPlotCanvas3D canvas;
      StartCanvas(canvas, &backend, view, ShapeView::Off, TRect{0, 0, 400, 300});
      backend.resetCounts();
      canvas.GradientFill(r, base::clBlack, base::clWhite, TGradientDirection(d));
      EXPECT_GT(backend.inkCalls(), 0) << d;
      EXPECT_LT(backend.calls(), 2'000'000) << d;
    }
  }
}

}  // namespace
