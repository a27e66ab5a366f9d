// Every shape of the canvas on one image, in the oblique default view and
// in the flat view, kept for a person to look at; a few probes check that
// each shape painted where it stands.
#include "tests/chart/canvas/ShapeCanvas.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

namespace {

void DrawGallery(PaintedShapes& img) {
  TPlotCanvas3D& c = img.canvas;
  img.pen(base::clBlack);
  img.brush(base::TColor(0x00C0FF));
  c.Cube(20, 100, 60, 140, 0, 40, true);
  img.brush(base::TColor(0xC0C0C0));
  c.Cylinder(true, 130, 60, 190, 160, 0, 30, true);
  img.brush(base::TColor(0x40C040));
  c.Cone(true, 220, 60, 280, 160, 0, 30, true, 0);
  img.brush(base::TColor(0xFF8040));
  c.Pyramid(true, 310, 60, 390, 160, 0, 40, true);
  img.brush(base::TColor(0x8080FF));
  c.PyramidTrunc(TRect{420, 60, 500, 160}, 0, 40, 15, 8);
  img.brush(base::TColor(0x40FFFF));
  c.Pie3D(610, 110, 70, 50, 0, 20, 0.3, 4.5, true, true);
  img.brush(base::TColor(0xFF40FF));
  c.Sphere(780, 110, 0, 40);

  img.brush(base::TColor(0xC0C0C0));
  c.Cylinder(false, 20, 230, 120, 290, 0, 30, true);
  img.brush(base::TColor(0x40C040));
  c.Cone(false, 150, 230, 250, 290, 0, 30, true, 30);
  img.brush(base::TColor(0xFF8040));
  c.Pyramid(false, 280, 220, 360, 300, 0, 40, true);
  img.brush(base::clRed);
  c.Arrow(true, {400, 320}, {480, 230}, 16, 24, 0);
  c.Arrow(false, {500, 320}, {580, 230}, 16, 24, 0);
  img.brush(base::TColor(0x40A0FF));
  c.Donut(680, 290, 70, 50, 0.2, 3.5, 50);
  img.brush(base::TColor(0xFFC040));
  c.EllipseWithZ(760, 240, 860, 300, 10);
  img.brush(base::clYellow);
  c.TriangleWithZ({20, 330}, {80, 330}, {50, 300}, 10);
  c.Plane3D({100, 330}, {160, 310}, 0, 30);
  c.HorizLine3D(180, 260, 320, 10);
  c.VertLine3D(270, 300, 340, 10);
  c.ZLine3D(290, 320, 0, 40);
  for (int x = 300; x < 360; x += 3) c.SetPixel3D(x, 335, 0, base::clBlue);

  const base::TColor from = base::clNavy, to = base::clAqua;
  for (int d = 0; d <= 6; ++d) {
    const int left = 20 + d * 120;
    c.GradientFill(TRect{left, 370, left + 110, 470}, from, to, TGradientDirection(d));
  }
}

TEST(ShapeGallery, EveryShapeInTheDefaultAndTheFlatView) {
  for (const ShapeView kind : {ShapeView::Default, ShapeView::Flat}) {
    PaintedShapes img(900, 500, kind);
    DrawGallery(img);
    const std::string name = kind == ShapeView::Default ? "default" : "flat";
    testsupport::saveArtifact(
        img.image(),
        QStringLiteral("chart-canvas-shapes-%1.png").arg(QString::fromStdString(name)));
    // The front faces sit where the chart puts them in both views.
    EXPECT_EQ(img.rgb(60, 100), 0xFFC000u) << name;   // cube front
    EXPECT_EQ(img.rgb(165, 150), 0x909090u) << name;  // cylinder, face 3
    EXPECT_NE(img.rgb(780, 110), 0xFFFFFFu) << name;  // sphere
    EXPECT_NE(img.rgb(100, 420), 0xFFFFFFu) << name;  // gradients
    EXPECT_NE(img.rgb(800, 420), 0xFFFFFFu) << name;
  }
}

}  // namespace
