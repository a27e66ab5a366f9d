// Cylinders, cones, 3D pie slices and cut pyramids: which faces are drawn,
// where and in which shade, in the flat view where screen and chart
// coordinates agree.
#include "tests/chart/canvas/ShapeCanvas.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

int MinX(const RecordedPolygon& p) {
  return std::min_element(p.points.begin(), p.points.end(),
                          [](QPoint a, QPoint b) { return a.x() < b.x(); })
      ->x();
}
int MaxX(const RecordedPolygon& p) {
  return std::max_element(p.points.begin(), p.points.end(),
                          [](QPoint a, QPoint b) { return a.x() < b.x(); })
      ->x();
}
bool AllAtY(const RecordedPolygon& p, int y) {
  return std::all_of(p.points.begin(), p.points.end(), [y](QPoint q) { return q.y() == y; });
}

TEST(CanvasSolids, CylinderDrawsTheFacesTowardsTheViewerInDarkeningShades) {
  RecordedShapes rec;
  rec.canvas.Cylinder(true, 100, 50, 140, 150, 0, 20, true);
  const auto polys = ParsePolygons(rec.polygons());
  ASSERT_EQ(polys.size(), 9u);
  // Faces 0 to 6 left to right, then the closing face 15 at the left edge.
  const QStringList shades = {"$C0C0C0", "$B0B0B0", "$A0A0A0", "$909090",
                              "$808080", "$707070", "$606060", "$000000"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(polys[i].brush, shades[i]) << i;
    EXPECT_EQ(polys[i].points.size(), 4u) << i;
  }
  EXPECT_EQ(rec.polygons()[0].section(QStringLiteral(" pen["), 0, 0),
            QStringLiteral("polygon 102,50 102,150 106,150 106,50"));
  EXPECT_EQ(rec.polygons()[7].section(QStringLiteral(" pen["), 0, 0),
            QStringLiteral("polygon 100,50 100,150 102,150 102,50"));
  const RecordedPolygon& cap = polys[8];
  EXPECT_EQ(cap.points.size(), 16u);
  EXPECT_TRUE(AllAtY(cap, 50));
  EXPECT_EQ(cap.brush, "$808080");
}

TEST(CanvasSolids, ConeAndCylinderVariants) {
  struct Case {
    const char* name;
    int left, top, right, bottom;
    bool dark;
    int percent;
    size_t polygons;
    int capMinX, capMaxX, capY;
  };
  const Case cases[] = {
      {"cone percent 0 keeps a tenth", 100, 50, 140, 150, true, 0, 9, 118, 122, 50},
      {"cylinder is cone 100", 100, 50, 140, 150, true, 100, 9, 100, 140, 50},
      {"top and bottom swapped", 100, 150, 140, 50, true, 0, 9, 118, 122, 50},
      {"zero width: only the cap", 120, 50, 120, 150, true, 100, 1, 120, 120, 50},
  };
  for (const Case& c : cases) {
    RecordedShapes rec;
    rec.canvas.Cone(true, c.left, c.top, c.right, c.bottom, 0, 20, c.dark, c.percent);
    const auto polys = ParsePolygons(rec.polygons());
    ASSERT_EQ(polys.size(), c.polygons) << c.name;
    const RecordedPolygon& cap = polys.back();
    EXPECT_EQ(MinX(cap), c.capMinX) << c.name;
    EXPECT_EQ(MaxX(cap), c.capMaxX) << c.name;
    EXPECT_TRUE(AllAtY(cap, c.capY)) << c.name;
    // The base stays at the larger y.
    for (size_t i = 0; i + 1 < polys.size(); ++i) EXPECT_EQ(polys[i].points[1].y(), 150) << c.name;
  }
}

TEST(CanvasSolids, WithoutDarkSidesEveryFaceKeepsTheBrush) {
  RecordedShapes rec;
  rec.canvas.Cylinder(true, 100, 50, 140, 150, 0, 20, false);
  EXPECT_TRUE(rec.backend.lines(QStringLiteral("setBrush")).isEmpty());
  for (const RecordedPolygon& p : ParsePolygons(rec.polygons())) EXPECT_EQ(p.brush, "$C0C0C0");
}

TEST(CanvasSolids, LyingConeHasItsNarrowEndAtTheLargerX) {
  RecordedShapes rec;
  rec.canvas.Cone(false, 150, 100, 50, 140, 0, 20, false, 0);
  const auto polys = ParsePolygons(rec.polygons());
  ASSERT_FALSE(polys.empty());
  const RecordedPolygon& cap = polys.back();
  EXPECT_EQ(MinX(cap), 150);
  EXPECT_EQ(MaxX(cap), 150);
  for (size_t i = 0; i + 1 < polys.size(); ++i) EXPECT_EQ(polys[i].points[1].x(), 50);
}

TEST(CanvasSolids, NarrowEndOfAHugeConeIsNotWrapped) {
  // r * percent passes 2^31 long before r does.
  RecordedShapes rec;
  rec.canvas.Cone(true, -60'000'000, 0, 60'000'000, 100, 0, 20, false, 50);
  const RecordedPolygon cap = ParsePolygons(rec.polygons()).back();
  EXPECT_EQ(MinX(cap), -30'000'000);
  EXPECT_EQ(MaxX(cap), 30'000'000);
}

TEST(CanvasSolids, CylinderLeavesNoStripUnpainted) {
  PaintedShapes img(200, 200);
  img.brush(base::TColor(0xC0C0C0));
  img.pen(base::TColor(0xC0C0C0));
  img.canvas.Cylinder(true, 100, 50, 140, 150, 0, 20, false);
  // Between the left point and point 0 (x 100..102) and in the middle.
  EXPECT_EQ(img.rgb(101, 100), 0xC0C0C0u);
  EXPECT_EQ(img.rgb(120, 100), 0xC0C0C0u);
  EXPECT_EQ(img.rgb(98, 100), 0xFFFFFFu);
  EXPECT_EQ(img.rgb(142, 100), 0xFFFFFFu);
}

TEST(CanvasSolids, PieSliceTopsAndRims) {
  struct Case {
    const char* name;
    double start, end;
    bool drawSides;
    size_t topPoints;
    std::vector<size_t> rims;  // point counts of the polygons after the top
  };
  const Case cases[] = {
      {"90 degrees", 0, kPi / 2, false, 12, {}},
      {"upper half: no rim", 0, kPi, false, 21, {}},
      {"lower half: one rim", kPi, 2 * kPi, false, 21, {40}},
      {"equal angles", 1, 1, false, 3, {}},
      {"300 degrees", 0, 300 * kPi / 180, false, 33, {26}},
      {"full circle", 0, 2 * kPi, false, 33, {32}},
  };
  for (const Case& c : cases) {
    RecordedShapes rec;
    rec.canvas.Pie3D(200, 150, 100, 100, 0, 20, c.start, c.end, true, c.drawSides);
    const auto polys = ParsePolygons(rec.polygons());
    ASSERT_GE(polys.size(), 1u) << c.name;
    EXPECT_EQ(polys[0].points.size(), c.topPoints) << c.name;
    EXPECT_EQ(polys[0].points[0], QPoint(200, 150)) << c.name;
    EXPECT_EQ(polys[0].brush, "$C0C0C0") << c.name;
    std::vector<size_t> rims;
    for (size_t i = 1; i < polys.size(); ++i) {
      rims.push_back(polys[i].points.size());
      EXPECT_EQ(polys[i].brush, "$A0A0A0") << c.name;
    }
    EXPECT_EQ(rims, c.rims) << c.name;
  }
}

TEST(CanvasSolids, PieSliceRadialFacesOnlyWithDrawSides) {
  // 45..225 degrees: the end point lies left of the centre, so the end
  // face is drawn; the start point lies right, so the start face too.
  for (const bool sides : {false, true}) {
    RecordedShapes rec;
    rec.canvas.Pie3D(200, 150, 100, 100, 0, 20, kPi / 4, 5 * kPi / 4, true, sides);
    const auto polys = ParsePolygons(rec.polygons());
    const size_t faces = std::count_if(polys.begin(), polys.end(), [](const RecordedPolygon& p) {
      return p.points.size() == 4 && p.points[0] == QPoint(200, 150);
    });
    EXPECT_EQ(faces, sides ? 2u : 0u);
  }
}

TEST(CanvasSolids, PyramidTruncWithoutTopFace) {
  struct Case {
    int truncX, truncZ;
    size_t polygons;
  };
  for (const Case c : {Case{0, 0, 5}, Case{0, 5, 5}, Case{10, 5, 6}}) {
    RecordedShapes rec(ShapeView::Default);
    rec.canvas.PyramidTrunc(TRect{100, 50, 200, 150}, 0, 40, c.truncX, c.truncZ);
    const auto polys = ParsePolygons(rec.polygons());
    EXPECT_EQ(polys.size(), c.polygons) << c.truncX << "," << c.truncZ;
  }
  // Painted in the oblique view: the cut top is a face above where the
  // sides of the uncut pyramid meet at (170, 30).
  for (const int truncX : {0, 20}) {
    PaintedShapes img(300, 200, ShapeView::Default);
    img.brush(base::clRed);
    img.pen(base::clRed);
    img.canvas.PyramidTrunc(TRect{100, 50, 200, 150}, 0, 40, truncX, 5);
    testsupport::saveArtifact(img.image(),
                              QStringLiteral("chart-canvas-pyramidtrunc-%1.png").arg(truncX));
    EXPECT_EQ(img.rgb(160, 28), truncX ? 0xFF0000u : 0xFFFFFFu) << truncX;
    EXPECT_EQ(img.rgb(170, 100), 0xFF0000u) << truncX;
  }
}

}  // namespace
