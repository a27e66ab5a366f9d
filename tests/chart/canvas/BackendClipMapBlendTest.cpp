// Clips stack and intersect, mappings scale logical drawing onto the
// device, translucent layers mix by their transparency, and the pen and
// background modes act as on the classic device.
#include "CanvasTestImage.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <array>
#include <set>

using base::clBlack;
using base::clBlue;
using base::clRed;
using base::clWhite;
using base::clYellow;

namespace {

void fillAll(DrawingBackend& b, base::TColor color) {
  b.setBrush(SolidBrush(color));
  b.fillRect({0, 0, 200, 200});
}

TEST(BackendClip, RectanglesStackAndIntersect) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  b.pushClipRect({0, 0, 100, 100});
  b.pushClipRect({50, 50, 150, 150});
  EXPECT_EQ(b.clipDepth(), 2);
  fillAll(b, clRed);
  b.popClip();
  b.setBrush(SolidBrush(clBlue));
  b.fillRect({0, 0, 40, 200});
  b.popClip();
  b.popClip();  // one too many: ignored
  EXPECT_EQ(b.clipDepth(), 0);
  b.setBrush(SolidBrush(clYellow));
  b.fillRect({150, 150, 200, 200});
  testsupport::saveArtifact(canvas.image(), QStringLiteral("BackendClip_Rectangles.png"));
  EXPECT_EQ(canvas.at(50, 50), clRed);
  EXPECT_EQ(canvas.at(99, 99), clRed);
  EXPECT_EQ(canvas.at(100, 100), clWhite);
  EXPECT_EQ(canvas.at(49, 49), clWhite);
  EXPECT_EQ(canvas.at(120, 120), clWhite);
  EXPECT_EQ(canvas.at(0, 99), clBlue);
  EXPECT_EQ(canvas.at(0, 100), clWhite);
  EXPECT_EQ(canvas.at(150, 150), clYellow);
  EXPECT_EQ(canvas.at(199, 199), clYellow);
}

TEST(BackendClip, EllipseRoundRectAndPolygonShapes) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  b.pushClipEllipse({0, 0, 100, 100});
  fillAll(b, clRed);
  b.popClip();
  b.pushClipRoundRect({100, 0, 200, 100}, 40, 40);
  fillAll(b, clBlue);
  b.popClip();
  // A vertex far outside the device must not upset the clip.
  const std::array<QPoint, 3> tri = {QPoint(0, 100), QPoint(100000000, 100), QPoint(0, 100000000)};
  b.pushClipPolygon(tri);
  b.setBrush(SolidBrush(clYellow));
  b.fillRect({0, 100, 200, 200});
  b.popClip();
  testsupport::saveArtifact(canvas.image(), QStringLiteral("BackendClip_Shapes.png"));
  EXPECT_EQ(canvas.at(50, 50), clRed);
  EXPECT_EQ(canvas.at(3, 3), clWhite);
  EXPECT_EQ(canvas.at(150, 50), clBlue);
  EXPECT_EQ(canvas.at(102, 2), clWhite);
  EXPECT_EQ(canvas.at(110, 50), clBlue);
  EXPECT_EQ(canvas.at(5, 105), clYellow);
  EXPECT_EQ(canvas.at(190, 105), clYellow);
  EXPECT_EQ(canvas.at(190, 195), clYellow);
}

TEST(BackendMapping, LogicalUnitsFillTheViewport) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  BackendFont font;
  font.height = -20;
  b.setFont(font);
  const QSize plain = b.textExtent(QStringLiteral("Hg"));
  b.setMapping(QSize(100, 100), {0, 0, 200, 200});
  EXPECT_EQ(b.textExtent(QStringLiteral("Hg")), plain) << "extents stay in logical units";
  b.setBrush(SolidBrush(clRed));
  b.fillRect({10, 10, 20, 20});
  b.resetMapping();
  b.setBrush(SolidBrush(clBlue));
  b.fillRect({100, 100, 110, 110});
  EXPECT_EQ(canvas.at(20, 20), clRed);
  EXPECT_EQ(canvas.at(39, 39), clRed);
  EXPECT_EQ(canvas.at(40, 40), clWhite);
  EXPECT_EQ(canvas.at(19, 19), clWhite);
  EXPECT_EQ(canvas.at(100, 100), clBlue);
  EXPECT_EQ(canvas.at(110, 110), clWhite);
}

base::TColor blended(int transparency) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  fillAll(b, clRed);
  b.beginBlend({0, 0, 100, 100});
  fillAll(b, clBlue);
  b.endBlend(transparency);
  EXPECT_EQ(canvas.at(150, 150), clBlue) << "outside the layer's rectangle nothing is mixed";
  return canvas.at(50, 50);
}

TEST(BackendBlend, LayerMixesByTransparency) {
  struct Row {
    int transparency;
    int red;
    int blue;
  };
  const Row rows[] = {{0, 0, 255},   {25, 64, 191}, {50, 128, 127},
                      {100, 255, 0}, {150, 255, 0}, {-20, 0, 255}};
  for (const Row& r : rows) {
    const base::TColor c = blended(r.transparency);
    EXPECT_NEAR(base::GetRValue(c), r.red, 2) << "T=" << r.transparency;
    EXPECT_EQ(base::GetGValue(c), 0);
    EXPECT_NEAR(base::GetBValue(c), r.blue, 2) << "T=" << r.transparency;
  }
  CanvasTestImage canvas;
  canvas.backend().endBlend(50);                // without a layer: nothing happens
  canvas.backend().beginBlend({0, 0, 10, 10});  // left open: the backend closes it
}

TEST(BackendReadBack, GrabAnswersDrawnPixelsInsideTheImage) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  b.setBrush(SolidBrush(clRed));
  b.fillRect({10, 10, 20, 20});
  EXPECT_TRUE(b.capabilities().pixelReadBack);
  EXPECT_TRUE(b.capabilities().rasterOps);
  const QImage part = b.grab({15, 15, 25, 25});
  ASSERT_EQ(part.size(), QSize(10, 10));
  EXPECT_EQ(part.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(part.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(b.grab({190, 190, 400, 400}).size(), QSize(10, 10));
  EXPECT_TRUE(b.grab({300, 300, 400, 400}).isNull());
  EXPECT_TRUE(b.grab({50, 50, 40, 40}).isNull());
}

TEST(BackendModes, NotXorTwiceRestoresAndOpaqueFillsDashGaps) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  BackendPen pen = SolidPen(clRed);
  pen.mode = Graphics::pmNotXor;
  b.setPen(pen);
  b.moveTo(10, 10);
  b.lineTo(100, 10);
  b.moveTo(10, 20);
  b.lineTo(100, 20);
  b.moveTo(10, 20);
  b.lineTo(100, 20);

  BackendPen dash = SolidPen(clBlack);
  dash.style = Graphics::psDash;  // 18 on, 6 off
  b.setPen(dash);
  b.moveTo(0, 40);
  b.lineTo(100, 40);
  b.setBackMode(BackMode::Opaque);
  b.setBackColor(clYellow);
  b.moveTo(0, 50);
  b.lineTo(100, 50);

  EXPECT_NE(canvas.at(50, 10), clWhite);
  EXPECT_EQ(canvas.at(50, 20), clWhite);
  EXPECT_EQ(canvas.at(5, 40), clBlack);
  EXPECT_EQ(canvas.at(20, 40), clWhite);
  EXPECT_EQ(canvas.at(5, 50), clBlack);
  EXPECT_EQ(canvas.at(20, 50), clYellow);
}

TEST(BackendModes, LinesFollowStateChangedBetweenThem) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  auto line = [&b](int y) {
    b.moveTo(10, y);
    b.lineTo(60, y);
  };
  b.setPen(SolidPen(clBlack));
  line(10);
  b.setPen(SolidPen(clRed));
  line(20);
  b.setPen(ClearPen());
  b.setBrush(SolidBrush(clBlue));
  b.rectangle({100, 100, 120, 120});
  line(30);  // clear pen: nothing
  b.setPen(SolidPen(clRed));
  b.textOut(100, 150, QStringLiteral("x"));
  line(40);
  b.pushClipRect({0, 0, 30, 200});
  line(50);
  b.popClip();
  b.setMapping(QSize(100, 100), {0, 0, 200, 200});
  line(30);  // device row 60, columns 20..119
  b.resetMapping();
  BackendPen wide = SolidPen(clBlue, 5);
  b.setPen(wide);
  line(80);
  EXPECT_EQ(canvas.at(30, 10), clBlack);
  EXPECT_EQ(canvas.at(30, 20), clRed);
  EXPECT_EQ(canvas.at(30, 30), clWhite);
  EXPECT_EQ(canvas.at(30, 40), clRed);
  EXPECT_EQ(canvas.at(29, 50), clRed);
  EXPECT_EQ(canvas.at(30, 50), clWhite);
  EXPECT_EQ(canvas.at(100, 60), clRed);
  EXPECT_EQ(canvas.at(30, 78), clBlue);
}

TEST(BackendModes, WidePensUseTheirEndStyle) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  BackendPen pen = SolidPen(clBlack, 6);
  pen.endStyle = Graphics::esFlat;
  b.setPen(pen);
  b.moveTo(20, 20);
  b.lineTo(80, 20);
  pen.endStyle = Graphics::esSquare;
  b.setPen(pen);
  b.moveTo(20, 60);
  b.lineTo(80, 60);
  EXPECT_EQ(canvas.at(50, 18), clBlack);
  EXPECT_EQ(canvas.at(50, 22), clBlack);
  EXPECT_EQ(canvas.at(50, 25), clWhite);
  EXPECT_EQ(canvas.at(18, 20), clWhite);
  EXPECT_EQ(canvas.at(18, 60), clBlack);
  EXPECT_EQ(canvas.at(82, 60), clBlack);
}

TEST(BackendModes, InsideFramePensStayInsideTheBounds) {
  for (const TPenStyle style : {Graphics::psSolid, Graphics::psInsideFrame}) {
    CanvasTestImage canvas;
    BackendPen pen = SolidPen(clBlack, 7);
    pen.style = style;
    canvas.backend().setPen(pen);
    canvas.backend().setBrush(ClearBrush());
    canvas.backend().rectangle({20, 20, 60, 60});
    canvas.backend().ellipse({100, 20, 140, 60});
    QRect ink;
    const QImage& image = canvas.image();
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ink |= QRect(x, y, 1, 1);
    if (style == Graphics::psInsideFrame) {
      EXPECT_EQ(ink, QRect(QPoint(20, 20), QPoint(139, 59)));
      EXPECT_EQ(canvas.at(20, 40), clBlack);
      EXPECT_EQ(canvas.at(59, 40), clBlack);
    } else {
      EXPECT_LT(ink.left(), 20) << "a centred wide pen spills out";
    }
  }
}

TEST(BackendModes, HatchesRunTheirWay) {
  struct Row {
    TBrushStyle style;
    int dx;  // a lit pixel's neighbour one row down lies dx columns over
  };
  const Row rows[] = {
      {Graphics::bsFDiagonal, 1}, {Graphics::bsBDiagonal, -1}, {Graphics::bsVertical, 0}};
  for (const Row& r : rows) {
    CanvasTestImage canvas;
    BackendBrush brush = SolidBrush(clBlack);
    brush.style = r.style;
    canvas.backend().setBrush(brush);
    canvas.backend().fillRect({0, 0, 64, 64});
    int lit = 0;
    int followed = 0;
    for (int y = 8; y < 56; ++y) {
      for (int x = 8; x < 56; ++x) {
        if (canvas.at(x, y) != clBlack) continue;
        ++lit;
        followed += canvas.at(x + r.dx, y + 1) == clBlack;
      }
    }
    EXPECT_GT(lit, 200) << r.style;
    EXPECT_EQ(followed, lit) << r.style;
    EXPECT_EQ(canvas.at(100, 100), clWhite);
  }
}

TEST(BackendModes, PolylineFarOutsideKeepsItsVisiblePart) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  b.setPen(SolidPen(clBlack));
  const std::array<QPoint, 3> pts = {QPoint(-1000000000, 100), QPoint(100, 100),
                                     QPoint(100, 1000000000)};
  b.polyline(pts);
  EXPECT_EQ(canvas.at(0, 100), clBlack);
  EXPECT_EQ(canvas.at(99, 100), clBlack);
  EXPECT_EQ(canvas.at(100, 150), clBlack);
  EXPECT_EQ(canvas.at(100, 199), clBlack);
  EXPECT_EQ(canvas.at(101, 101), clWhite);
}

TEST(BackendModes, ColourCensusFindsOnlyDrawnColours) {
  CanvasTestImage canvas;
  DrawingBackend& b = canvas.backend();
  b.setPen(SolidPen(clBlack));
  b.setBrush(SolidBrush(clRed));
  b.ellipse({10, 10, 90, 70});
  b.pie({100, 10, 190, 90}, QPoint(190, 20), QPoint(100, 80));
  b.roundRect({10, 100, 90, 190}, 30, 20);
  const std::array<QPoint, 5> star = {QPoint(140, 100), QPoint(163, 190), QPoint(100, 130),
                                      QPoint(185, 130), QPoint(115, 190)};
  b.setBrush(SolidBrush(clBlue));
  b.polygon(star);
  BackendPen wide = SolidPen(clBlack, 3);
  b.setPen(wide);
  b.arc({20, 20, 80, 60}, QPoint(0, 0), QPoint(100, 0));
  BackendBrush hatch = SolidBrush(clBlue);
  hatch.style = Graphics::bsDiagCross;
  b.setBrush(hatch);
  b.setBackMode(BackMode::Opaque);
  b.setBackColor(clYellow);
  b.rectangle({40, 120, 70, 170});
  testsupport::saveArtifact(canvas.image(), QStringLiteral("BackendModes_Census.png"));
  std::set<QRgb> seen;
  const QImage& image = canvas.image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(seen, (std::set<QRgb>{0xFFFFFF, 0x000000, 0xFF0000, 0x0000FF, 0xFFFF00}));
}

}  // namespace
