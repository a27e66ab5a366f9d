// Line, point and area series on a raster image: the area's fill under the
// line and not above it, a round marker's centre, a half-transparent fill
// over white, and 3D pictures kept as artefacts (a ribbon with darkened
// slopes, stacked areas).
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "tests/chart/series/SeriesRender.h"
#include "tests/support/Artifacts.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

class LinePixels : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::vector<std::unique_ptr<TCustomSeries>> series;

  LinePixels() {
    FakeDrawingChart::Scale(chart.bottom, 0, 100);
    FakeDrawingChart::Scale(chart.left, 0, 100);
  }
  template <class S>
  S& Add(const std::vector<std::pair<double, double>>& points, base::TColor color) {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    s->SetSeriesColor(color);
    for (auto [x, y] : points) s->AddPointXY(x, y);
    series.push_back(std::move(s));
    return static_cast<S&>(*series.back());
  }
  void Use3D() {
    chart.host.is3D = true;
    chart.host.width3D = 40;
    chart.host.view.SetOrthogonal(true);
  }
  // Every series painted as the chart paints them, back to front in 3D.
  QImage Render() {
    std::vector<TChartSeries*> list;
    for (auto& s : series) list.push_back(s.get());
    return seriestest::RenderSeries(chart, list);
  }
  static bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
  }
};

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

TEST_F(LinePixels, AnAreaIsFilledBelowItsLineOnly) {
  Add<TAreaSeries>({{10, 20}, {50, 60}, {90, 30}}, base::clRed);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("LinePixels_area.png"));
  // Mid-points of both segments on the line's formula.
  for (auto [x0, y0, x1, y1] : {std::array<double, 4>{10, 20, 50, 60}, {50, 60, 90, 30}}) {
    const int xm = (X(x0) + X(x1)) / 2;
    const double t = double(xm - X(x0)) / (X(x1) - X(x0));
    const int ym = static_cast<int>(std::lrint(Y(y0) + t * (Y(y1) - Y(y0))));
    SCOPED_TRACE(xm);
    EXPECT_EQ(image.pixel(xm, ym + 4), kRed);
    EXPECT_EQ(image.pixel(xm, ym - 4), kWhite);
    // Down to the axis' minimum, not below it.
    EXPECT_EQ(image.pixel(xm, Y(0) - 2), kRed);
    EXPECT_EQ(image.pixel(xm, Y(0) + 2), kWhite);
  }
}

TEST_F(LinePixels, ARoundMarkerCentreTakesThePointColour) {
  TPointSeries& s = Add<TPointSeries>({{30, 40}, {70, 80}}, base::clRed);
  s.Pointer()->SetStyle(TSeriesPointer::psCircle);
  s.SetPointColor(1, base::clBlue);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("LinePixels_circles.png"));
  EXPECT_EQ(image.pixel(X(30), Y(40)), kRed);
  EXPECT_EQ(image.pixel(X(70), Y(80)), kBlue);
  // Beyond the half size of 4 the background shows.
  EXPECT_EQ(image.pixel(X(70) + 6, Y(80)), kWhite);
}

TEST_F(LinePixels, HalfTransparentFillMixesWithTheWhiteBehind) {
  TAreaSeries& s = Add<TAreaSeries>({{10, 60}, {90, 60}}, base::clRed);
  s.SetTransparency(50);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("LinePixels_transparency.png"));
  // Half of red over white: full red, half green and blue.
  EXPECT_TRUE(Near(image.pixel(X(50), Y(30)), qRgb(255, 128, 128), 2))
      << std::hex << image.pixel(X(50), Y(30));
  s.SetTransparency(100);
  EXPECT_EQ(Render().pixel(X(50), Y(30)), kWhite);
}

TEST_F(LinePixels, AStairsAreaFillsEachStepToItsOriginOnEitherSide) {
  TAreaSeries& s = Add<TAreaSeries>({{10, 80}, {40, 20}, {70, 70}, {90, 30}}, base::clRed);
  s.SetStairs(true);
  s.SetUseYOrigin(true);
  s.SetYOrigin(50);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("LinePixels_stairsOrigin.png"));
  // Each step: its middle, inside the step between level and origin, and
  // beyond the step on both sides.
  const struct { double x0, x1, level; } steps[] = {{10, 40, 80}, {40, 70, 20}, {70, 90, 70}};
  for (const auto& st : steps) {
    SCOPED_TRACE(st.x0);
    const int x = (X(st.x0) + X(st.x1)) / 2;
    const double low = std::min(st.level, 50.0), high = std::max(st.level, 50.0);
    EXPECT_EQ(image.pixel(x, Y((low + high) / 2)), kRed);
    EXPECT_EQ(image.pixel(x, Y(high) - 4), kWhite);
    EXPECT_EQ(image.pixel(x, Y(low) + 4), kWhite);
  }
}

TEST_F(LinePixels, ThreeDRibbonAndStackedAreasAsArtefacts) {
  Use3D();
  TLineSeries& line =
      Add<TLineSeries>({{5, 10}, {30, 70}, {55, 20}, {80, 60}, {95, 50}}, base::clGreen);
  line.SetDark3D(true);
  line.SetLineHeight(6);
  const QImage ribbon = Render();
  testsupport::saveArtifact(ribbon, QStringLiteral("LinePixels_ribbon3d.png"));
  // Something of the ribbon's colour (or its darker shade) on the chart.
  int lit = 0;
  for (int y = 10; y < 240; ++y)
    for (int x = 12; x < 388; ++x)
      if (qGreen(ribbon.pixel(x, y)) > 0 && qRed(ribbon.pixel(x, y)) == 0) ++lit;
  EXPECT_GT(lit, 1000);

  series.clear();
  TAreaSeries& a =
      Add<TAreaSeries>({{0, 20}, {25, 35}, {50, 15}, {75, 30}, {100, 25}}, base::clRed);
  Add<TAreaSeries>({{0, 15}, {25, 10}, {50, 30}, {75, 20}, {100, 35}}, base::clBlue);
  a.SetMultiArea(TAreaSeries::maStacked);
  const QImage stacked = Render();
  testsupport::saveArtifact(stacked, QStringLiteral("LinePixels_stackedArea3d.png"));
}

}  // namespace
