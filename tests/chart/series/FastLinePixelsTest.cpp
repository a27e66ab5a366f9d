// The fast line on a raster image: the segments' pixels where the axes put
// them, and the pixel-column reduction lighting exactly the pixels that the
// point-by-point walk lights, for dense random data on and off the chart.
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/series/TFastLineSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"
#include "tests/support/Artifacts.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

// A raster device that claims it cannot be read back, which keeps the
// series on its point-by-point walk.
class LiteralRasterBackend final : public QPainterBackend {
 public:
  using QPainterBackend::QPainterBackend;
  BackendCapabilities capabilities() const override {
    BackendCapabilities caps = QPainterBackend::capabilities();
    caps.pixelReadBack = false;
    return caps;
  }
};

class FastLinePixels : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TFastLineSeries series;

  FastLinePixels() {
    series.SetParentChart(&chart);
    series.SetSeriesColor(base::clRed);
    FakeDrawingChart::Scale(chart.bottom, 0, 100);
    FakeDrawingChart::Scale(chart.left, 0, 100);
  }

  // A paint of the series alone, clipped to the chart rectangle as the
  // panel clips it.
  template <class Backend>
  QImage Render() {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      Backend backend(painter);
      // Straight onto the device: a back buffer would be a raster either way.
      chart.Canvas().SetUseBuffer(false);
      chart.host.Start(&backend);
      chart.Canvas().ClipRectangle(chart.ChartRect());
      series.CalcFirstLastVisibleIndex();
      series.DrawAllValues();
      chart.Canvas().UnClipRectangle();
      chart.Canvas().ShowImage();
      chart.host.Start();
    }
    return image;
  }
};

TEST_F(FastLinePixels, SegmentsLightTheirMidpointsAndNothingBeside) {
  const std::vector<std::pair<double, double>> points = {{-20, 50}, {10, 10}, {30, 90}, {50, 40},
                                                         {70, 40},  {90, 80}, {130, 20}};
  for (auto [x, y] : points) series.AddPointXY(x, y);
  const QImage image = Render<QPainterBackend>();
  testsupport::saveArtifact(image, QStringLiteral("FastLinePixels_segments.png"));
  const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
  // Mid-points of the segments whose ends are inside the chart: the line
  // passes the middle, within the rounding of a steep step.
  for (int k = 1; k + 2 < static_cast<int>(points.size()); ++k) {
    const int xm = (series.CalcXPos(k) + series.CalcXPos(k + 1)) / 2;
    const int ym = (series.CalcYPos(k) + series.CalcYPos(k + 1)) / 2;
    SCOPED_TRACE(k);
    EXPECT_TRUE(image.pixel(xm, ym) == red || image.pixel(xm, ym - 1) == red ||
                image.pixel(xm, ym + 1) == red);
  }
  // The flat segment at y = 40: lit along it, white one pixel above and below.
  const int y = series.CalcYPos(3);
  const int xm = (series.CalcXPos(3) + series.CalcXPos(4)) / 2;
  EXPECT_EQ(image.pixel(xm, y), red);
  EXPECT_EQ(image.pixel(xm, y - 1), white);
  EXPECT_EQ(image.pixel(xm, y + 1), white);
  // Points off the chart: clipped at the chart rectangle's edges.
  EXPECT_EQ(image.pixel(chart.ChartRect().Left - 2, series.CalcYPos(0)), white);
}

TEST_F(FastLinePixels, ColumnReductionLightsTheSamePixelsAsEveryPoint) {
  for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(0, 1);
    const int count = 100000;
    std::vector<double> x(count);
    // Beyond both axis ends, with runs of equal X.
    for (double& v : x) v = -20 + 140 * uniform(random);
    std::sort(x.begin(), x.end());
    series.ClearValues();
    series.BeginUpdate();
    double y = 50;
    for (int i = 0; i < count; ++i) {
      const double pick = uniform(random);
      if (pick < 0.3)
        y += 0;  // flat runs
      else if (pick < 0.3005)
        y = -50 + 200 * uniform(random);  // steep jumps, past both ends
      else
        y += (uniform(random) - 0.5) * (seed % 2 ? 0.5 : 20);
      if (i % 1000 == 999 && seed > 3) x[static_cast<std::size_t>(i)] = x[i - 1];
      series.AddPointXY(x[static_cast<std::size_t>(i)], y);
    }
    series.EndUpdate();
    series.SetDrawAllPoints(seed != 6);
    const QImage reduced = Render<QPainterBackend>();
    const QImage literal = Render<LiteralRasterBackend>();
    if (seed == 1) testsupport::saveArtifact(reduced, QStringLiteral("FastLinePixels_random.png"));
    ASSERT_EQ(reduced, literal);
  }
}

// A paint while points arrive, then the end of the update trims the lists,
// which moves the values: the next paint reads them where they are now.
TEST_F(FastLinePixels, APaintAfterTheListsWereTrimmedReadsTheValuesAnew) {
  series.BeginUpdate();
  for (int i = 0; i < 1100; ++i) series.AddPointXY(i / 11.0, i % 2 ? 30 : 70);
  const QImage during = Render<QPainterBackend>();
  const double* before = series.YValues()->Values().data();
  series.EndUpdate();
  ASSERT_NE(series.YValues()->Values().data(), before) << "the lists were trimmed";
  EXPECT_EQ(Render<QPainterBackend>(), during);
}

TEST_F(FastLinePixels, EndColumnKeepsItsLastPixelOnlyWhenTheLineLeftItBefore) {
  // All in the last pixel column: up to the top, down, and back to the top
  // (lit), then a column that ends on a new extreme (not lit).
  const std::vector<std::vector<double>> endings = {
      {10, 80, 20, 80}, {10, 80, 20, 90}, {10, 30, 20}, {50, 50, 50}, {80, 10, 80, 10}};
  for (const auto& ys : endings) {
    SCOPED_TRACE(ys.size());
    series.ClearValues();
    series.AddPointXY(50, 50);
    for (std::size_t i = 0; i < ys.size(); ++i) series.AddPointXY(60 + i * 0.01, ys[i]);
    ASSERT_EQ(Render<QPainterBackend>(), Render<LiteralRasterBackend>());
  }
}

TEST_F(FastLinePixels, RefilledPointsAreDrawnAsTheyAreNow) {
  // Dense enough that columns hold several points and the column index is
  // used; the refill keeps the count, so only the values tell it apart.
  const int count = 3000;
  const auto fill = [count](TChartSeries& s, double phase) {
    s.ClearValues();
    for (int i = 0; i < count; ++i)
      s.AddPointXY(i * (100.0 / count), 50 + 45 * std::sin(i * 0.05 + phase));
  };
  fill(series, 0);
  Render<QPainterBackend>();
  const struct {
    const char* name;
    std::function<void()> refill;
  } cases[] = {
      {"assigned from another series",
       [&] {
         TFastLineSeries other;
         fill(other, 2);
         series.Assign(other);
       }},
      {"values set in the list",
       [&] {
         for (int i = 0; i < count; ++i)
           series.YValues()->SetValue(i, 100 - series.YValues()->GetValue(i));
       }},
      {"sorted anew",
       [&] {
         series.XValues()->SetOrder(loDescending);
         series.XValues()->Sort();
         series.XValues()->SetOrder(loAscending);
         series.XValues()->Sort();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.refill();
    const QImage reduced = Render<QPainterBackend>();
    ASSERT_EQ(reduced, Render<LiteralRasterBackend>());
    Render<QPainterBackend>();
  }
}

}  // namespace
