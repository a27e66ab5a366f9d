// Shapes, Gantt bars and bubbles on a raster image: the fill inside a
// rectangle and an ellipse, the background just outside the ellipse in its
// bounding box, a task bar's interior, and 3D pictures kept as artefacts (a
// cube shape, a bubble chart).
#include "chart/core/ChartEngine.h"
#include "chart/series/TBubbleSeries.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TGanttSeries.h"
#include "tests/chart/series/SeriesRender.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// Axes 0..100.
int X(double v) {
  return seriestest::X(v, 100);
}
int Y(double v) {
  return seriestest::Y(v, 100);
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

class ShapePixels : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::vector<std::unique_ptr<TChartSeries>> series;

  ShapePixels() {
    FakeDrawingChart::Scale(chart.bottom, 0, 100);
    FakeDrawingChart::Scale(chart.left, 0, 100);
  }
  template <class S>
  S& Add() {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    series.push_back(std::move(s));
    return static_cast<S&>(*series.back());
  }
  TChartShape& Shape(TChartShape::TChartShapeStyle style, double x0, double y0, double x1,
                     double y1, base::TColor color) {
    TChartShape& s = Add<TChartShape>();
    s.SetStyle(style);
    s.SetSeriesColor(color);
    s.SetX0(x0), s.SetY0(y0), s.SetX1(x1), s.SetY1(y1);
    return s;
  }
  void Use3D() {
    chart.host.is3D = true;
    chart.host.width3D = 40;
    chart.host.view.SetOrthogonal(true);
  }
  QImage Render() {
    std::vector<TChartSeries*> list;
    for (auto& s : series) list.push_back(s.get());
    return seriestest::RenderSeries(chart, list);
  }
};

TEST_F(ShapePixels, RectangleAndEllipseAreFilledInsideOnly) {
  Shape(TChartShape::chasRectangle, 10, 10, 40, 50, base::clRed);
  Shape(TChartShape::chasCircle, 50, 20, 90, 80, base::clBlue);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("ShapePixels_shapes.png"));
  EXPECT_EQ(image.pixel(X(25), Y(30)), kRed);
  EXPECT_EQ(image.pixel(X(70), Y(50)), kBlue);
  // Just inside the ellipse's bounding box corner: the background.
  EXPECT_EQ(image.pixel(X(50) + 4, Y(80) + 4), kWhite);
  EXPECT_EQ(image.pixel(X(41), Y(30)), kWhite);
}

TEST_F(ShapePixels, AGanttBarIsFilledBetweenItsDates) {
  TGanttSeries& g = Add<TGanttSeries>();
  g.SetColorEachPoint(false);
  g.SetSeriesColor(base::clRed);
  g.AddGantt(20, 60, 50);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("ShapePixels_gantt.png"));
  EXPECT_EQ(image.pixel(X(40), Y(50)), kRed);
  EXPECT_EQ(image.pixel(X(65), Y(50)), kWhite);
}

TEST_F(ShapePixels, ThreeDCubeShapeAndBubblesAsArtefacts) {
  Use3D();
  TChartShape& cube = Shape(TChartShape::chasCube, 20, 20, 60, 70, base::clRed);
  cube.SetText({QStringLiteral("cube")});
  const QImage cubeImage = Render();
  testsupport::saveArtifact(cubeImage, QStringLiteral("ShapePixels_cube3d.png"));
  int red = 0;
  for (int y = 10; y < 240; ++y)
    for (int x = 12; x < 388; ++x)
      if (qRed(cubeImage.pixel(x, y)) > 100 && qGreen(cubeImage.pixel(x, y)) < 60) ++red;
  EXPECT_GT(red, 4000);

  series.clear();
  TBubbleSeries& b = Add<TBubbleSeries>();
  b.AddBubble(20, 30, 10, {}, base::clRed);
  b.AddBubble(50, 60, 15, {}, base::clBlue);
  b.AddBubble(80, 40, 8, {}, base::clGreen);
  const QImage bubbles = Render();
  testsupport::saveArtifact(bubbles, QStringLiteral("ShapePixels_bubbles3d.png"));
  int blue = 0;
  for (int y = 10; y < 240; ++y)
    for (int x = 12; x < 388; ++x)
      if (qBlue(bubbles.pixel(x, y)) > 100 && qRed(bubbles.pixel(x, y)) < 60) ++blue;
  EXPECT_GT(blue, 1000);
}

}  // namespace
