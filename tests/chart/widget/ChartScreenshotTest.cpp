// Grabs of a 640 x 400 chart window in DejaVu fonts, probed at coordinates
// read from the chart after painting, and kept as artefacts: panel, back
// wall, axis, series and title pixels in 2D; the left and bottom walls'
// colours inside their projected quads in 3D.
#include "chart/core/ChartDefaults.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/widget/ChartWidget.h"
#include "tests/chart/support/ChartTestSeries.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>

namespace {

QRgb Rgb(base::TColor color) {
  const base::TColor c = base::ColorToRGB(color);
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

class ChartScreenshot : public testing::Test {
 protected:
  ChartScreenshot() {
    SetDefaultChartFont(QStringLiteral("DejaVu Sans"), 8);
    chart_ = std::make_unique<TChart>();
    for (int i = 0; i <= 10; ++i) series_->AddPointXY(i, 10 * i);
    series_->SetSeriesColor(base::clRed);
    chart_->AddSeries(series_.get());
    widget_ = std::make_unique<ChartWidget>(chart_.get());
    widget_->resize(640, 400);
  }
  QImage Grab(const char* name) {
    widget_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(widget_.get()));
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QImage image = widget_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    testsupport::saveArtifact(image, QString::fromLatin1(name));
    return image;
  }

  ChartEngineScope engine_;
  std::unique_ptr<TLineTestSeries> series_ = std::make_unique<TLineTestSeries>();
  std::unique_ptr<TChart> chart_;
  std::unique_ptr<ChartWidget> widget_;
};

TEST_F(ChartScreenshot, FlatChartShowsEachPartInItsColour) {
  chart_->SetView3D(false);
  chart_->Title()->SetText({QStringLiteral("Mean water content")});
  chart_->Foot()->SetText({QStringLiteral("cells 4 to 9")});
  chart_->BackWall()->SetTransparent(false);
  const QImage shot = Grab("chart-screenshot-2d.png");
  ASSERT_EQ(shot.size(), QSize(640, 400));
  const TRect r = chart_->ChartRect();

  EXPECT_EQ(shot.pixel(2, 2), Rgb(chart_->Color())) << "panel";
  // Between grid lines, below the rising line.
  std::vector<int> ys = chart_->LeftAxis()->TickPositions();
  std::vector<int> xs = chart_->BottomAxis()->TickPositions();
  std::sort(ys.begin(), ys.end());
  std::sort(xs.begin(), xs.end());
  ASSERT_GE(ys.size(), 3u);
  ASSERT_GE(xs.size(), 3u);
  const int wallX = (xs[xs.size() - 2] + xs[xs.size() - 1]) / 2;
  const int wallY = (ys[ys.size() - 2] + ys[ys.size() - 1]) / 2;
  ASSERT_GT(wallY, series_->CalcYPos(10) + 20);
  EXPECT_EQ(shot.pixel(wallX, wallY), Rgb(base::clSilver))
      << "back wall at " << wallX << "," << wallY;
  const int axisX = chart_->LeftAxis()->AxisPosition;
  EXPECT_EQ(shot.pixel(axisX, (r.Top + r.Bottom) / 2), Rgb(base::clBlack)) << "left axis";
  EXPECT_EQ(shot.pixel(series_->CalcXPos(5), series_->CalcYPos(5)), Rgb(base::clRed)) << "series";

  const TRect t = chart_->Title()->ShapeBounds();
  const auto count = [&](int left, int right) {
    int n = 0;
    for (int y = t.Top; y < t.Bottom; ++y)
      for (int x = left; x < right; ++x) n += shot.pixel(x, y) == Rgb(base::clBlue);
    return n;
  };
  EXPECT_GE(count(t.Left, t.Right), 20) << "title text";
  EXPECT_EQ(count(t.Right + 2, t.Right + 60), 0) << "beside the title";
  EXPECT_EQ(count(t.Left - 60, t.Left - 2), 0) << "beside the title";

  const TRect box = chart_->Legend()->ShapeBounds();
  EXPECT_EQ(shot.pixel(box.Left, (box.Top + box.Bottom) / 2), Rgb(base::clBlack)) << "legend frame";
}

TEST_F(ChartScreenshot, WallsStandInTheirQuads) {
  chart_->SetView3D(true);
  chart_->View3DOptions()->SetOrthogonal(true);
  const QImage shot = Grab("chart-screenshot-3d.png");
  TPlotPanelCanvas& canvas = chart_->Canvas();
  const TRect r = chart_->ChartRect();
  const int w = chart_->Width3D();
  ASSERT_GT(w, 0);
  const auto centre = [&](std::array<std::array<int, 3>, 4> corners) {
    int x = 0, y = 0;
    for (const auto& c : corners) {
      const QPoint p = canvas.Calculate3DPosition(c[0], c[1], c[2]);
      x += p.x();
      y += p.y();
    }
    return QPoint(x / 4, y / 4);
  };
  const QPoint left = centre(
      {{{r.Left, r.Top, 0}, {r.Left, r.Top, w}, {r.Left, r.Bottom, w}, {r.Left, r.Bottom, 0}}});
  const QPoint bottom = centre({{{r.Left, r.Bottom, 0},
                                 {r.Right, r.Bottom, 0},
                                 {r.Right, r.Bottom, w},
                                 {r.Left, r.Bottom, w}}});
  EXPECT_EQ(shot.pixel(left), qRgb(0xFF, 0xFF, 0x80))
      << "left wall at " << left.x() << "," << left.y();
  EXPECT_EQ(shot.pixel(bottom), qRgb(0xFF, 0xFF, 0xFF))
      << "bottom wall at " << bottom.x() << "," << bottom.y();
}

}  // namespace
