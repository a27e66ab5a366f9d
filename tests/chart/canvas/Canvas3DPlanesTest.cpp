// Walls of a chart box drawn through the 3D canvas onto an image: each
// plane's fill lies where the projection puts it, in the rotated, the
// perspective and the orthogonal view.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

struct ViewCase {
  const char* name;
  bool orthogonal;
  int perspective;
  int zoom;
};

QPoint Centroid(std::initializer_list<QPoint> pts) {
  int x = 0, y = 0;
  for (const QPoint p : pts) {
    x += p.x();
    y += p.y();
  }
  return {x / static_cast<int>(pts.size()), y / static_cast<int>(pts.size())};
}

TEST(Canvas3DPlanes, WallsFillWhereTheyAreProjected) {
  const ViewCase cases[] = {{"rotated", false, 0, 100},
                            {"perspective", false, 30, 100},
                            {"orthogonal", true, 0, 100},
                            {"zoomed", false, 15, 80}};
  const TRect chart{60, 40, 340, 240};
  const int depth = 80;
  for (const ViewCase& c : cases) {
    TView3DOptions view;
    view.SetOrthogonal(c.orthogonal);
    view.SetPerspective(c.perspective);
    view.SetZoom(c.zoom);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPoint back, left, floor;
    {
      QPainter painter(&image);
      QPainterBackend dest(painter);
      TPlotCanvas3D canvas;
      canvas.InitWindow(&dest, &view, true, TRect{0, 0, 400, 300});
      canvas.Projection(depth, chart);
      auto p = [&canvas](int x, int y, int z) { return canvas.Calculate3DPosition(x, y, z); };
      auto wall = [&canvas](base::TColor color) {
        BackendBrush brush;
        brush.color = color;
        canvas.ReferenceCanvas().setBrush(brush);
      };
      wall(base::clSilver);
      canvas.RectangleWithZ(chart, depth);
      wall(base::clYellow);
      canvas.RectangleZ(chart.Left, chart.Top, chart.Bottom, 0, depth);
      wall(base::clLime);
      canvas.RectangleY(chart.Left, chart.Bottom, chart.Right, 0, depth);
      canvas.LineWithZ(chart.Left, 140, chart.Right, 140, depth);
      canvas.TextOut3D(200, 100, depth, "back wall");
      canvas.RotateLabel3D(chart.Left, 200, depth / 2, "left", 90);
      back = Centroid({p(chart.Left, chart.Top, depth), p(chart.Right, chart.Top, depth),
                       p(chart.Right, chart.Bottom, depth), p(chart.Left, chart.Bottom, depth)});
      back.ry() += 20;  // clear of the line and the text
      left = Centroid({p(chart.Left, chart.Top, 0), p(chart.Left, chart.Top, depth),
                       p(chart.Left, chart.Bottom, depth), p(chart.Left, chart.Bottom, 0)});
      left.ry() -= 60;  // clear of the turned label
      floor = Centroid({p(chart.Left, chart.Bottom, 0), p(chart.Right, chart.Bottom, 0),
                        p(chart.Right, chart.Bottom, depth), p(chart.Left, chart.Bottom, depth)});
      canvas.ShowImage();
    }
    testsupport::saveArtifact(image, QStringLiteral("chart-canvas-walls-%1.png").arg(c.name));
    EXPECT_EQ(image.pixel(back) & 0xFFFFFF, 0xC0C0C0u) << c.name;
    EXPECT_EQ(image.pixel(left) & 0xFFFFFF, 0xFFFF00u) << c.name;
    EXPECT_EQ(image.pixel(floor) & 0xFFFFFF, 0x00FF00u) << c.name;
  }
}

}  // namespace
