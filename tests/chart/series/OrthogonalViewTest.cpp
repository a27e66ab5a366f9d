// An orthogonal 3D view draws the same chart whatever elevation, rotation
// and tilt the view still stores from before it was made orthogonal.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TLineSeries.h"
#include "tests/support/Artifacts.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

class OrthogonalView : public testing::Test {
 protected:
  ChartEngineScope engine;
  TChart chart;
  TLineSeries* line = new TLineSeries(&chart);

  OrthogonalView() {
    chart.SetView3D(true);
    chart.Legend()->SetVisible(false);
    chart.AddSeries(line);
    line->SetSeriesColor(base::clRed);
    for (int i = 0; i < 6; ++i) line->AddPointXY(i, (i * 37) % 11);
  }
  QImage Render(const QString& name) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QPainterBackend backend(painter);
      chart.Draw(backend, TRect{0, 0, 400, 300});
    }
    testsupport::saveArtifact(image, name);
    return image;
  }
  static int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
  }
};

TEST_F(OrthogonalView, OnlyTheOrthoAngleAndZoomCount) {
  TView3DOptions& view = *chart.View3DOptions();
  view.SetOrthogonal(true);
  const QImage plain = Render(QStringLiteral("OrthogonalView_plain.png"));
  const QRgb red = qRgb(255, 0, 0);
  ASSERT_GT(Count(plain, red), 500);
  // Each: the angles a rotated view left behind, then made orthogonal.
  const struct {
    int elevation, rotation, tilt;
  } stored[] = {{270, 345, 0}, {270, 360, 0}, {270, 270, 0}, {270, 0, 0}, {90, 90, 30}};
  for (const auto& a : stored) {
    SCOPED_TRACE(testing::Message() << a.elevation << " " << a.rotation << " " << a.tilt);
    view.SetOrthogonal(false);
    view.SetElevation(a.elevation);
    view.SetRotation(a.rotation);
    view.SetTilt(a.tilt);
    view.SetOrthogonal(true);
    const QImage image = Render(
        QStringLiteral("OrthogonalView_%1_%2_%3.png").arg(a.elevation).arg(a.rotation).arg(a.tilt));
    EXPECT_EQ(Count(image, red), Count(plain, red));
    EXPECT_TRUE(image == plain);
  }
}

}  // namespace
