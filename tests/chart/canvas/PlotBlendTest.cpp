// Translucent drawing: exact channel mixing where pixels can be read back
// (the canvas's buffer or an image it draws on), an opacity overlay on
// vector devices, and rectangles that reach past the picture.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotBlend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPicture>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <memory>

namespace {

BackendBrush Solid(base::TColor color) {
  BackendBrush b;
  b.color = color;
  return b;
}

// Fills `r` in `before`, starts a blend over `blend`, fills `r` in `after`
// and mixes at `transparency`; answers the destination image.
QImage BlendOnImage(bool buffered, base::TColor before, base::TColor after, int transparency,
                    const TRect& r = TRect{20, 20, 80, 80}, const TRect& blend = {20, 20, 80, 80}) {
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  auto dest = std::make_unique<QPainterBackend>(painter);
  TPlotCanvas3D canvas;
  canvas.SetUseBuffer(buffered);
  canvas.InitWindow(dest.get(), nullptr, false, TRect{0, 0, 100, 100});
  EXPECT_EQ(canvas.Buffered(), buffered);
  canvas.ReferenceCanvas().setBrush(Solid(before));
  canvas.FillRect(r);
  {
    TPlotBlend blender(canvas, blend);
    canvas.ReferenceCanvas().setBrush(Solid(after));
    canvas.FillRect(r);
    blender.DoBlend(transparency);
  }
  canvas.ShowImage();
  dest.reset();
  painter.end();
  return image;
}

struct MixCase {
  const char* name;
  base::TColor before, after;
  int transparency;
  QRgb expected;
};

TEST(PlotBlend, MixesKeptAndDrawnPixelsExactly) {
  const MixCase cases[] = {
      {"red under blue at 25", base::clRed, base::clBlue, 25, qRgb(64, 0, 191)},
      {"black under white at 25: white loses a step of red", base::clBlack, base::clWhite, 25,
       qRgb(190, 191, 191)},
      {"transparency 0 keeps the drawing", base::clRed, base::clBlue, 0, qRgb(0, 0, 255)},
      {"transparency 100 keeps the picture before", base::clRed, base::clBlue, 100,
       qRgb(255, 0, 0)},
      {"above 100 is 100", base::clRed, base::clBlue, 250, qRgb(255, 0, 0)},
      {"below 0 is 0", base::clRed, base::clBlue, -5, qRgb(0, 0, 255)},
  };
  for (const bool buffered : {true, false}) {
    for (const MixCase& c : cases) {
      const QImage image = BlendOnImage(buffered, c.before, c.after, c.transparency);
      EXPECT_EQ(image.pixel(50, 50) & 0xFFFFFF, c.expected & 0xFFFFFF)
          << c.name << (buffered ? " (buffered)" : " (on the image)") << ": "
          << qRed(image.pixel(50, 50)) << "," << qGreen(image.pixel(50, 50)) << ","
          << qBlue(image.pixel(50, 50));
      EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255)) << c.name << ": outside untouched";
    }
  }
  testsupport::saveArtifact(BlendOnImage(true, base::clRed, base::clBlue, 25),
                            "chart-canvas-blend-red-blue-25.png");
}

TEST(PlotBlend, RectanglesPastTheImageAreSafe) {
  const TRect rects[] = {
      {-50, -50, 10000, 10000}, {500, 500, 600, 600}, {-90, -90, -10, -10}, {60, 60, 40, 40}};
  for (const bool buffered : {true, false}) {
    for (const TRect& r : rects) {
      const QImage image =
          BlendOnImage(buffered, base::clRed, base::clBlue, 25, TRect{20, 20, 80, 80}, r);
      const bool covers = r.Left < 50 && r.Right > 50 && r.Top < 50 && r.Bottom > 50;
      EXPECT_EQ(image.pixel(50, 50) & 0xFFFFFF, covers ? 0x4000BFu : 0x0000FFu)
          << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
    }
  }
}

// The mix on a device without read-back, as an image of it shows it: the
// translucent square exactly where it was drawn.
void ExpectTranslucent(const QImage& image, const char* device) {
  for (const QPoint p : {QPoint(50, 50), QPoint(21, 21), QPoint(78, 78)}) {
    const QRgb c = image.pixel(p);
    EXPECT_NEAR(qRed(c), 64, 3) << device << " at " << p.x() << "," << p.y();
    EXPECT_NEAR(qGreen(c), 0, 3) << device << " at " << p.x() << "," << p.y();
    EXPECT_NEAR(qBlue(c), 191, 3) << device << " at " << p.x() << "," << p.y();
  }
  for (const QPoint p : {QPoint(10, 10), QPoint(18, 18), QPoint(81, 81)})
    EXPECT_EQ(image.pixel(p) & 0xFFFFFF, 0xFFFFFFu) << device << " at " << p.x() << "," << p.y();
}

void DrawBlended(QPainter& painter) {
  QPainterBackend dest(painter);
  TPlotCanvas3D canvas;
  canvas.InitWindow(&dest, nullptr, false, TRect{0, 0, 100, 100});
  EXPECT_FALSE(canvas.Buffered());
  canvas.ReferenceCanvas().setBrush(Solid(base::clRed));
  canvas.FillRect(TRect{20, 20, 80, 80});
  TPlotBlend blender(canvas, TRect{20, 20, 80, 80});
  canvas.ReferenceCanvas().setBrush(Solid(base::clBlue));
  canvas.FillRect(TRect{20, 20, 80, 80});
  blender.DoBlend(25);
  canvas.ShowImage();
}

QImage White() {
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

TEST(PlotBlend, VectorPicturesGetAnOpacityOverlay) {
  QPicture picture;
  {
    QPainter painter(&picture);
    DrawBlended(painter);
  }
  QImage fromPicture = White();
  QPainter(&fromPicture).drawPicture(0, 0, picture);
  testsupport::saveArtifact(fromPicture, "chart-canvas-blend-picture.png");
  ExpectTranslucent(fromPicture, "QPicture");

  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  {
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(100, 100));
    generator.setViewBox(QRect(0, 0, 100, 100));
    QPainter painter(&generator);
    DrawBlended(painter);
  }
  QSvgRenderer renderer(svg.data());
  ASSERT_TRUE(renderer.isValid());
  QImage fromSvg = White();
  {
    QPainter painter(&fromSvg);
    renderer.render(&painter, QRectF(0, 0, 100, 100));
  }
  testsupport::saveArtifact(fromSvg, "chart-canvas-blend-svg.png");
  ExpectTranslucent(fromSvg, "SVG");
}

}  // namespace
