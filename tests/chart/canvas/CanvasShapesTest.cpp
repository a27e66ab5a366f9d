// Boxes, arrows, rings, ellipses and pyramids at a depth: the faces and
// points they hand the backend, and where their pixels land.
#include "chart/canvas/ColorShades.h"
#include "tests/chart/canvas/ShapeCanvas.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

QString Points(const QString& line) {
  return line.section(QStringLiteral(" pen["), 0, 0);
}

TEST(CanvasShapes, DarkerShadesTakeEachChannelDownToZero) {
  struct Case {
    base::TColor color;
    int amount;
    base::TColor expected;
  };
  const Case cases[] = {
      {0xC0C0C0, 128, 0x404040}, {0x102030, 0x20, 0x000010}, {0x0000FF, 0xFF, 0x000000}};
  for (const Case& c : cases) EXPECT_EQ(DarkerColor(c.color, c.amount), c.expected) << c.color;
  // System colours are resolved first, not taken as their raw bits.
  EXPECT_EQ(DarkerColor(base::clBtnFace, 16), DarkerColor(base::ColorToRGB(base::clBtnFace), 16));
}

TEST(CanvasShapes, CubeShowsTheFacesTheViewSees) {
  struct Case {
    ShapeView view;
    QStringList brushes;
  };
  const Case cases[] = {{ShapeView::Off, {"$C0C0C0"}},
                        {ShapeView::Flat, {"$C0C0C0"}},
                        {ShapeView::Default, {"$C0C0C0", "$404040", "$808080"}}};
  for (const Case& c : cases) {
    RecordedShapes rec(c.view);
    rec.canvas.Cube(100, 200, 50, 150, 0, 40, true);
    QStringList brushes;
    for (const RecordedPolygon& p : ParsePolygons(rec.polygons())) brushes << p.brush;
    EXPECT_EQ(brushes, c.brushes) << int(c.view);
    EXPECT_EQ(Points(rec.polygons()[0]), QStringLiteral("polygon 100,50 200,50 200,150 100,150"))
        << int(c.view);
  }
  // The right face of the oblique view leans back by the depth.
  RecordedShapes rec(ShapeView::Default);
  rec.canvas.Cube(100, 200, 50, 150, 0, 40, false);
  EXPECT_EQ(Points(rec.polygons()[1]), QStringLiteral("polygon 200,50 240,10 240,110 200,150"));
}

TEST(CanvasShapes, CubeOnAHatchedBrushShadesTheBackground) {
  RecordedShapes rec(ShapeView::Default);
  BackendBrush hatch;
  hatch.style = Graphics::bsCross;
  hatch.color = base::clRed;
  rec.backend.setBrush(hatch);
  rec.backend.setBackColor(base::TColor(0xC0C0C0));
  rec.backend.clearLines();
  rec.canvas.Cube(100, 200, 50, 150, 0, 40, true);
  EXPECT_EQ(rec.backend.lines(QStringLiteral("setBackColor")),
            QStringList({"setBackColor $404040", "setBackColor $808080"}));
  EXPECT_TRUE(rec.backend.lines(QStringLiteral("setBrush")).isEmpty());
}

TEST(CanvasShapes, ArrowPointsAndLines) {
  RecordedShapes rec(ShapeView::Off);
  rec.canvas.Arrow(true, {0, 0}, {30, -40}, 12, 20, 0);
  ASSERT_EQ(rec.polygons().size(), 1);
  EXPECT_EQ(Points(rec.polygons()[0]),
            QStringLiteral("polygon 2,2 -2,-2 16,-26 13,-28 30,-40 23,-20 20,-22"));

  rec.backend.clearLines();
  rec.canvas.Arrow(false, {0, 0}, {30, -40}, 12, 20, 0);
  QStringList calls;
  for (const QString& line : rec.backend.lines()) calls << Points(line);
  EXPECT_EQ(calls, QStringList({"moveTo 0,0", "lineTo 30,-40", "lineTo 23,-20", "moveTo 30,-40",
                                "lineTo 13,-28"}));

  rec.backend.clearLines();
  rec.canvas.Arrow(true, {5, 5}, {5, 5}, 12, 20, 0);
  rec.canvas.Arrow(false, {5, 5}, {5, 5}, 12, 20, 0);
  EXPECT_TRUE(rec.backend.lines().isEmpty());
}

TEST(CanvasShapes, DonutOfAHalfTurnHas256Points) {
  RecordedShapes rec(ShapeView::Off);
  rec.canvas.Donut(100, 100, 50, 40, 0, std::numbers::pi, 50);
  const auto polys = ParsePolygons(rec.polygons());
  ASSERT_EQ(polys.size(), 1u);
  ASSERT_EQ(polys[0].points.size(), 256u);
  EXPECT_EQ(polys[0].points[0], QPoint(125, 100));    // inner start
  EXPECT_EQ(polys[0].points[1], QPoint(150, 100));    // outer start
  EXPECT_EQ(polys[0].points[128], QPoint(50, 100));   // outer end
  EXPECT_EQ(polys[0].points[129], QPoint(75, 100));   // inner end
  EXPECT_EQ(polys[0].points[255], QPoint(125, 100));  // inner, second angle
}

TEST(CanvasShapes, EllipseWithZ) {
  {
    RecordedShapes rec(ShapeView::Off);
    rec.canvas.EllipseWithZ(10, 10, 50, 30, 0);
    EXPECT_EQ(Points(rec.backend.lines()[0]), QStringLiteral("ellipse 10,10,51,31"));
  }
  {
    RecordedShapes rec(ShapeView::Default);
    rec.canvas.EllipseWithZ(10, 10, 50, 30, 20);
    EXPECT_EQ(Points(rec.backend.lines()[0]), QStringLiteral("ellipse 30,-10,70,10"));
  }
  RecordedShapes rec(ShapeView::Flat);
  rec.canvas.EllipseWithZ(10, 10, 50, 30, 0);
  const QStringList fan = rec.polygons();
  ASSERT_EQ(fan.size(), 20);
  for (const QString& line : fan) {
    EXPECT_TRUE(line.startsWith(QStringLiteral("polygon 30,20 "))) << line.toStdString();
    EXPECT_TRUE(line.contains(QStringLiteral("psClear"))) << line.toStdString();
  }
  const QStringList outline = rec.backend.lines(QStringLiteral("polyline"));
  ASSERT_EQ(outline.size(), 1);
  const RecordedPolygon ring = ParsePolygon(outline[0]);
  ASSERT_EQ(ring.points.size(), 32u);
  EXPECT_EQ(ring.points[0], QPoint(30, 30));  // the bottom point first
  EXPECT_EQ(ring.points[5], QPoint(50, 20));
  EXPECT_EQ(ring.points[20], ring.points[0]);  // round once and on again
  EXPECT_TRUE(outline[0].contains(QStringLiteral("psSolid")));

  PaintedShapes img(200, 140);
  img.brush(base::clRed);
  img.pen(base::clRed);
  img.canvas.EllipseWithZ(50, 50, 150, 110, 0);
  testsupport::saveArtifact(img.image(), QStringLiteral("chart-canvas-ellipsewithz.png"));
  EXPECT_EQ(img.rgb(100, 80), 0xFF0000u);
  EXPECT_EQ(img.rgb(55, 80), 0xFF0000u);
  EXPECT_EQ(img.rgb(145, 75), 0xFF0000u);
  EXPECT_EQ(img.rgb(45, 80), 0xFFFFFFu);
  EXPECT_EQ(img.rgb(53, 53), 0xFFFFFFu);
}

TEST(CanvasShapes, PyramidFaces) {
  {
    // Lying down above the origin: the apex is halfway, not near 2^31.
    RecordedShapes rec(ShapeView::Flat);
    rec.canvas.Pyramid(false, 10, -30, 60, -10, 0, 20, false);
    EXPECT_EQ(Points(rec.polygons()[0]), QStringLiteral("polygon 10,-30 60,-20 10,-10"));
  }
  {
    // Upright in the oblique view: the front face and the darker right
    // one; the left and back faces are hidden.
    RecordedShapes rec(ShapeView::Default);
    rec.canvas.Pyramid(true, 100, 50, 200, 150, 0, 40, true);
    QStringList brushes;
    for (const RecordedPolygon& p : ParsePolygons(rec.polygons())) brushes << p.brush;
    EXPECT_EQ(brushes, QStringList({"$C0C0C0", "$404040"}));
    EXPECT_EQ(Points(rec.polygons()[0]), QStringLiteral("polygon 100,150 170,30 200,150"));
  }
  {
    // Upside down: the base is the top face, in the top shade.
    RecordedShapes rec(ShapeView::Default);
    rec.canvas.Pyramid(true, 100, 150, 200, 50, 0, 40, true);
    const auto polys = ParsePolygons(rec.polygons());
    EXPECT_EQ(polys.back().brush, "$808080");
    EXPECT_EQ(polys.back().points[0], QPoint(100, 50));
  }
  PaintedShapes img(100, 60);
  img.view.SetVertOffset(40);  // chart y -30..-10 lands on rows 10..30
  img.canvas.Projection(100, TRect{0, 0, 100, 60});
  img.brush(base::clRed);
  img.pen(base::clRed);
  img.canvas.Pyramid(false, 10, -30, 60, -10, 0, 20, false);
  testsupport::saveArtifact(img.image(), QStringLiteral("chart-canvas-pyramid-lying.png"));
  EXPECT_EQ(img.rgb(11, 25), 0xFF0000u);
  EXPECT_EQ(img.rgb(55, 20), 0xFF0000u);
  EXPECT_EQ(img.rgb(11, 35), 0xFFFFFFu);
}

TEST(CanvasShapes, LinesPointsTrianglesAndPlanesAtADepth) {
  RecordedShapes rec(ShapeView::Default);
  rec.canvas.HorizLine3D(10, 50, 20, 5);
  rec.canvas.VertLine3D(10, 20, 60, 5);
  rec.canvas.ZLine3D(10, 20, 0, 30);
  rec.canvas.SetPixel3D(10, 20, 5, base::clRed);
  rec.canvas.TriangleWithZ({0, 0}, {10, 0}, {0, 10}, 10);
  rec.canvas.Plane3D({0, 0}, {10, 0}, 0, 10);
  rec.canvas.PlaneFour3D({0, 0}, {10, 0}, {10, 5}, {0, 5}, 0, 10);
  const QPoint poly[] = {{0, 0}, {10, 0}, {10, 10}};
  rec.canvas.PolygonWithZ(poly, 20);
  rec.canvas.Triangle3D({TPoint3D{0, 0, 0}, TPoint3D{10, 0, 10}, TPoint3D{0, 10, 20}},
                        {base::clBlue, base::clRed, base::clRed});
  QStringList calls;
  for (const QString& line : rec.backend.lines()) calls << Points(line);
  EXPECT_EQ(calls, QStringList({"moveTo 15,15", "lineTo 55,15", "moveTo 15,15", "lineTo 15,55",
                                "moveTo 10,20", "lineTo 40,-10", "setPixel 15,15 $0000FF",
                                "polygon 10,-10 20,-10 10,0", "polygon 0,0 10,0 20,-10 10,-10",
                                "polygon 0,0 10,0 20,-5 10,-5", "polygon 20,-20 30,-20 30,-10",
                                "setBrush $FF0000 bsSolid", "polygon 0,0 20,-10 20,-10"}));
}

}  // namespace
