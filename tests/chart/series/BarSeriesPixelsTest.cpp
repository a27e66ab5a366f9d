// Bar series on a raster image: the bar's colour inside and the background
// one pixel past its exclusive right and bottom edges, a gradient running
// from its start colour at the foot to the bar colour at the top (or part way, when relative), and
// every style in 3D kept as artefacts. Axes 0..100 over the chart rectangle
// 12..388 across and 240..10 upwards.
#include "chart/core/ChartEngine.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"
#include "tests/chart/series/SeriesRender.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

int X(double v) {
  return seriestest::X(v, 100);
}
int Y(double v) {
  return seriestest::Y(v, 100);
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

class BarPixels : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::vector<std::unique_ptr<TCustomBarSeries>> series;

  BarPixels() {
    FakeDrawingChart::Scale(chart.bottom, 0, 100);
    FakeDrawingChart::Scale(chart.left, 0, 100);
  }
  template <class S = TBarSeries>
  S& Add(const std::vector<std::pair<double, double>>& points, base::TColor color) {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    s->SetSeriesColor(color);
    s->Marks()->SetVisible(false);
    for (auto [x, y] : points) s->AddPointXY(x, y);
    series.push_back(std::move(s));
    return static_cast<S&>(*series.back());
  }
  // The bars' pre-pass and margins size them, then the shared paint.
  QImage Render() {
    std::vector<TChartSeries*> list;
    for (auto& s : series) {
      s->DoBeforeDrawChart();
      int a = 0, b = 0;
      s->CalcHorizMargins(a, b);
      s->CalcVertMargins(a, b);
      list.push_back(s.get());
    }
    return seriestest::RenderSeries(chart, list);
  }
};

TEST_F(BarPixels, ABarFillsItsRectangleAndNoMore) {
  TBarSeries& s = Add({{50, 60}}, base::clRed);
  s.SetMultiBar(TCustomBarSeries::mbNone);
  s.SetYOrigin(20);
  const QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("BarPixels_bar.png"));
  // 70 % of half the axis (188) is 131.6: 132 wide, right edge exclusive.
  const int left = X(50) - 66, right = left + 133, top = Y(60), bottom = Y(20);
  const int midX = (left + right) / 2, midY = (top + bottom) / 2;
  EXPECT_EQ(image.pixel(midX, midY), kRed);
  EXPECT_EQ(image.pixel(right - 1, midY), kBlack) << "the pen's last column";
  EXPECT_EQ(image.pixel(right, midY), kWhite);
  EXPECT_EQ(image.pixel(midX, bottom - 1), kBlack) << "the pen's last row";
  EXPECT_EQ(image.pixel(midX, bottom), kWhite);
  EXPECT_EQ(image.pixel(left, midY), kBlack);
  EXPECT_EQ(image.pixel(left - 1, midY), kWhite);
}

TEST_F(BarPixels, GradientBarsRunFromTheStartColourToTheirOwn) {
  TBarSeries& s = Add({{25, 40}, {75, 80}}, base::clRed);
  s.SetBarStyle(TCustomBarSeries::bsRectGradient);
  s.Gradient()->SetStartColor(base::clWhite);
  QImage image = Render();
  testsupport::saveArtifact(image, QStringLiteral("BarPixels_gradient.png"));
  const int size = s.BarSize();
  auto probe = [&](const QImage& im, double x, double y) {
    return im.pixel(s.CalcXPosValue(x) - size / 2 + size / 2, Y(y));
  };
  // The chart's top-bottom gradients put their start colour at the foot:
  // the tall bar is nearly red under its top, nearly white over its foot.
  EXPECT_LT(qGreen(probe(image, 75, 78)), 40);
  EXPECT_EQ(qRed(probe(image, 75, 78)), 255);
  EXPECT_GT(qGreen(probe(image, 75, 2)), 200);
  // Relative: the bar of half the maximum ends half way to red.
  s.Gradient()->SetRelative(true);
  image = Render();
  testsupport::saveArtifact(image, QStringLiteral("BarPixels_gradientRelative.png"));
  EXPECT_LT(qGreen(probe(image, 75, 78)), 40);
  EXPECT_NEAR(qGreen(probe(image, 25, 38)), 128, 20);
}

TEST_F(BarPixels, EveryStyleIn3DAsArtefacts) {
  chart.host.is3D = true;
  chart.host.width3D = 40;
  chart.host.view.SetOrthogonal(true);
  using B = TCustomBarSeries;
  const struct {
    B::TBarStyle style;
    const char* name;
  } styles[] = {{B::bsRectangle, "rectangle"},   {B::bsPyramid, "pyramid"},
                {B::bsInvPyramid, "invPyramid"}, {B::bsCilinder, "cylinder"},
                {B::bsEllipse, "ellipse"},       {B::bsArrow, "arrow"},
                {B::bsRectGradient, "gradient"}, {B::bsCone, "cone"}};
  for (const auto& st : styles) {
    SCOPED_TRACE(st.name);
    series.clear();
    TBarSeries& a = Add({{20, 30}, {50, 70}, {80, 45}}, base::clRed);
    TBarSeries& b = Add({{20, 20}, {50, 10}, {80, 25}}, base::clBlue);
    a.SetBarStyle(st.style);
    b.SetBarStyle(st.style);
    a.SetMultiBar(B::mbStacked);
    const QImage image = Render();
    testsupport::saveArtifact(image,
                              QStringLiteral("BarPixels_3d_%1.png").arg(QLatin1String(st.name)));
    int red = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (qRed(p) > 100 && qGreen(p) < 60 && qBlue(p) < 60) ++red;
        if (qBlue(p) > 100 && qRed(p) < 60 && qGreen(p) < 60) ++blue;
      }
    EXPECT_GT(red, 500);
    EXPECT_GT(blue, 200);
  }
  // Horizontal bars lie down in 3D too.
  series.clear();
  THorizBarSeries& h = Add<THorizBarSeries>({{30, 20}, {70, 50}, {45, 80}}, base::clRed);
  h.SetBarStyle(B::bsCilinder);
  testsupport::saveArtifact(Render(), QStringLiteral("BarPixels_3d_horizCylinder.png"));
}

}  // namespace
