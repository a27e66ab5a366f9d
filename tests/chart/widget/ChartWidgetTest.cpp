// The chart in its window, driven by the mouse: dragging a rectangle zooms
// (and back up-left undoes), the rectangle is an overlay that never
// repaints the chart, animated zooms show their steps, the other button
// pans, the wheel scrolls, series show their cursors, and clicks reach the
// events once. A fast line's point drawn at once goes into the shown
// picture without drawing the chart again.
#include "chart/core/ChartCursors.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/widget/ChartWidget.h"
#include "tests/chart/support/ChartTestSeries.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <memory>
#include <vector>

namespace {

class ChartInWidget : public testing::Test {
 protected:
  ChartInWidget() : widget_(&chart_) {
    chart_.SetView3D(false);
    for (int i = 0; i <= 10; ++i) series_->AddPointXY(i, 10 * i);
    chart_.AddSeries(series_.get());
    QObject::connect(&chart_, &TCustomPlotPanelExtended::afterDraw, [this] { ++renders_; });
    QObject::connect(&chart_, &TCustomPlotPanelExtended::zoomed, [this] { ++zooms_; });
    widget_.resize(400, 250);
    widget_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget_));
    Settle();
  }
  // Lets queued paints happen.
  void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  QImage Shown() { return widget_.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  QPoint Middle() const {
    const TRect r = chart_.ChartRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton, int steps = 5) {
    QTest::mousePress(&widget_, button, {}, from);
    for (int i = 1; i <= steps; ++i) QTest::mouseMove(&widget_, from + (to - from) * i / steps);
    QTest::mouseRelease(&widget_, button, {}, to);
    Settle();
  }
  void Wheel(int delta) {
    QWheelEvent event(QPointF(Middle()), widget_.mapToGlobal(QPointF(Middle())), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget_, &event);
    Settle();
  }
  std::vector<TChartAxis*> Standard() const {
    return {chart_.LeftAxis(), chart_.TopAxis(), chart_.RightAxis(), chart_.BottomAxis()};
  }
  static void ExpectAutomatic(const TChartAxis& axis) {
    EXPECT_TRUE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMinimum());
    EXPECT_TRUE(axis.AutomaticMaximum());
  }

  ChartEngineScope engine_;
  TChart chart_;
  std::unique_ptr<TLineTestSeries> series_ = std::make_unique<TLineTestSeries>();
  ChartWidget widget_;
  int renders_ = 0;
  int zooms_ = 0;
};

TEST_F(ChartInWidget, DragRightDownZoomsAndUpLeftUndoes) {
  const QPoint a = Middle() - QPoint(50, 30), b = a + QPoint(100, 60);
  std::vector<std::pair<double, double>> expected;
  for (TChartAxis* axis : Standard()) {
    const double p = axis->CalcPosPoint(axis->Horizontal() ? a.x() : a.y());
    const double q = axis->CalcPosPoint(axis->Horizontal() ? b.x() : b.y());
    expected.emplace_back(std::min(p, q), std::max(p, q));
  }
  Drag(a, b);
  EXPECT_EQ(zooms_, 1);
  EXPECT_TRUE(chart_.Zoomed());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(Standard()[i]->Automatic());
    // An axis without series (top, right) shows 0..0, widened to a sliver.
    EXPECT_NEAR(Standard()[i]->Minimum(), expected[i].first, 1e-9);
    EXPECT_NEAR(Standard()[i]->Maximum(), expected[i].second, 1e-9);
  }

  Drag(b, a);
  EXPECT_FALSE(chart_.Zoomed());
  for (TChartAxis* axis : Standard()) ExpectAutomatic(*axis);
  EXPECT_EQ(zooms_, 1);
}

TEST_F(ChartInWidget, ShortDragsAndOtherDirectionsKeepTheirRules) {
  const QPoint a = Middle();
  Drag(a, a + QPoint(15, 40));
  EXPECT_EQ(zooms_, 0) << "15 pixels across is below the minimum of 16";
  ExpectAutomatic(*chart_.BottomAxis());

  // A negative minimum counts as none: a plain click neither zooms nor undoes.
  Drag(a - QPoint(40, 40), a);
  ASSERT_EQ(zooms_, 1);
  chart_.Zoom()->SetMinimumPixels(-5);
  QTest::mouseClick(&widget_, Qt::LeftButton, {}, a);
  Settle();
  EXPECT_TRUE(chart_.Zoomed());
  EXPECT_FALSE(chart_.BottomAxis()->Automatic());
}

TEST_F(ChartInWidget, HorizontalZoomKeepsTheVerticalRange) {
  chart_.Zoom()->SetDirection(TPlotZoom::tzdHorizontal);
  const TChartAxis& left = *chart_.LeftAxis();
  const double low = left.CurMinimum, high = left.CurMaximum;
  Drag(Middle() - QPoint(60, 5), Middle() + QPoint(60, 5));
  ASSERT_EQ(zooms_, 1);
  EXPECT_NEAR(left.Minimum(), low, 1e-9 * (high - low));
  EXPECT_NEAR(left.Maximum(), high, 1e-9 * (high - low));
  EXPECT_LT(chart_.BottomAxis()->Maximum() - chart_.BottomAxis()->Minimum(), 10.0);
}

// The rectangle lies over the picture: the chart is not drawn again while
// it moves, its edge shows the zoom pen's colour, the chart shows inside.
TEST_F(ChartInWidget, DragRectangleIsAnOverlay) {
  const QImage clean = Shown();
  const int before = renders_;
  const QPoint a = Middle() - QPoint(90, 60);
  QTest::mousePress(&widget_, Qt::LeftButton, {}, a);
  for (int i = 1; i <= 30; ++i) {
    const QPoint b = a + QPoint(5 * i, 3 * i);
    QTest::mouseMove(&widget_, b);
    widget_.repaint();
    const QImage frame = Shown();
    const int y = (a.y() + b.y()) / 2;
    SCOPED_TRACE(i);
    EXPECT_EQ(frame.pixel(a.x(), y) & 0xFFFFFF, 0xFFFFFFu) << "left edge";
    EXPECT_EQ(frame.pixel(b.x() - 1, y) & 0xFFFFFF, 0xFFFFFFu) << "right edge";
    EXPECT_EQ(frame.pixel(a.x() + 2, y), clean.pixel(a.x() + 2, y)) << "inside";
    EXPECT_EQ(frame.pixel(a.x() - 2, y), clean.pixel(a.x() - 2, y)) << "outside";
    if (i == 30) testsupport::saveArtifact(frame, QStringLiteral("chart-widget-zoom-drag.png"));
  }
  EXPECT_EQ(renders_, before) << "moving the zoom rectangle drew the chart";
  QTest::mouseRelease(&widget_, Qt::LeftButton, {}, a + QPoint(150, 90));
  Settle();
  const QImage released = Shown();
  chart_.InvalidateChart();
  widget_.repaint();
  EXPECT_EQ(released, Shown()) << "the rectangle stayed on the picture";
}

TEST_F(ChartInWidget, AnimatedZoomShowsEachStep) {
  chart_.Zoom()->SetAnimated(true);
  chart_.Zoom()->SetAnimatedSteps(4);
  TChartAxis& bottom = *chart_.BottomAxis();
  std::vector<double> shown;
  QObject::connect(&chart_, &TCustomPlotPanelExtended::afterDraw,
                   [&] { shown.push_back(bottom.Minimum()); });
  double now = bottom.CurMinimum;
  chart_.ZoomValues({10, 50, 0, 1, 10, 50, 4, 6});
  ASSERT_EQ(shown.size(), 3u) << "AnimatedSteps - 1 steps drawn during the zoom";
  for (double value : shown) {
    now += (4 - now) / 3;
    EXPECT_DOUBLE_EQ(value, now);
  }
  EXPECT_DOUBLE_EQ(bottom.Minimum(), 4);
  EXPECT_EQ(zooms_, 1);

  // However many steps are asked, a bounded number is drawn.
  chart_.UndoZoom();
  Settle();
  shown.clear();
  chart_.Zoom()->SetAnimatedSteps(1000000);
  chart_.ZoomValues({10, 50, 0, 1, 10, 50, 4, 6});
  EXPECT_LE(shown.size(), 100u);
  EXPECT_GE(shown.size(), 90u);
}

TEST_F(ChartInWidget, RightButtonPansAndAllowScrollVetoes) {
  TChartAxis& bottom = *chart_.BottomAxis();
  TChartAxis& left = *chart_.LeftAxis();
  const QPoint a = Middle();
  const double bottomMin = bottom.CurMinimum, leftMin = left.CurMinimum;
  const double dx = bottom.CalcPosPoint(a.x()) - bottom.CalcPosPoint(a.x() + 20);
  chart_.OnAllowScroll = [&](const TChartAxis& axis, double&, double&, bool& allow) {
    if (&axis == &left) allow = false;
  };
  int scrolls = 0;
  QObject::connect(&chart_, &TCustomPlotPanel::scrolled, [&] { ++scrolls; });
  QTest::mousePress(&widget_, Qt::RightButton, {}, a);
  QTest::mouseMove(&widget_, a + QPoint(20, 10));
  EXPECT_DOUBLE_EQ(bottom.Minimum(), bottomMin + dx);
  EXPECT_TRUE(left.Automatic()) << "vetoed";
  EXPECT_DOUBLE_EQ(left.CurMinimum, leftMin);
  EXPECT_TRUE(chart_.DepthAxis()->Automatic());
  EXPECT_EQ(scrolls, 1);
  // Outside the chart rectangle the pan ends.
  QTest::mouseMove(&widget_, QPoint(1, 1));
  EXPECT_FALSE(chart_.Panning().Active);
  const double kept = bottom.Minimum();
  QTest::mouseMove(&widget_, a);
  EXPECT_DOUBLE_EQ(bottom.Minimum(), kept);
  QTest::mouseRelease(&widget_, Qt::RightButton, {}, a);
}

// Margins the series ask widen what the axis shows beyond its limits; a pan
// starts from what is shown, so its first pixel moves the view one pixel.
TEST_F(ChartInWidget, FirstPanPixelDoesNotJump) {
  series_->horizMargin = 30;
  chart_.InvalidateChart();
  widget_.repaint();
  TChartAxis& bottom = *chart_.BottomAxis();
  const double shownMin = bottom.CurMinimum;
  ASSERT_LT(shownMin, -0.5) << "the margin widens the shown range";
  const QPoint a = Middle();
  const double onePixel = bottom.CalcPosPoint(a.x()) - bottom.CalcPosPoint(a.x() + 1);
  QTest::mousePress(&widget_, Qt::RightButton, {}, a);
  QTest::mouseMove(&widget_, a + QPoint(1, 0));
  EXPECT_DOUBLE_EQ(bottom.Minimum(), shownMin + onePixel);
  QTest::mouseRelease(&widget_, Qt::RightButton, {}, a + QPoint(1, 0));
}

// Giving back the saved limits must work whatever the current ones are,
// even when the saved ones lie wholly above them.
TEST_F(ChartInWidget, UndoAfterZoomOrPanFarAway) {
  const QPoint a = Middle();
  TChartAxis& bottom = *chart_.BottomAxis();
  TChartAxis& left = *chart_.LeftAxis();
  const auto fix = [&] {
    bottom.SetMinMax(0, 10);
    left.SetMinMax(0, 100);
    widget_.repaint();
  };
  const auto expectFixed = [&] {
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 0);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 10);
    EXPECT_DOUBLE_EQ(left.Minimum(), 0);
    EXPECT_DOUBLE_EQ(left.Maximum(), 100);
    ExpectAutomatic(*chart_.TopAxis());
  };
  fix();
  chart_.ZoomValues({-2000, -1000, -2000, -1000, -2000, -1000, -2000, -1000});
  Settle();
  EXPECT_NO_THROW(Drag(a + QPoint(40, 40), a - QPoint(40, 40)));
  expectFixed();

  for (int i = 0; i < 6; ++i) Drag(a - QPoint(100, 0), a + QPoint(100, 0), Qt::RightButton);
  ASSERT_LT(bottom.Maximum(), -10.0) << "the pan moved past the saved range";
  EXPECT_NO_THROW(Drag(a + QPoint(40, 40), a - QPoint(40, 40)));
  expectFixed();
}

TEST_F(ChartInWidget, WheelScrollsShownVerticalAxesAndUndoRestores) {
  TChartAxis& left = *chart_.LeftAxis();
  const double low = left.CurMinimum, high = left.CurMaximum;
  Wheel(-120);
  EXPECT_DOUBLE_EQ(left.Minimum(), low + (high - low) * 0.03);
  EXPECT_DOUBLE_EQ(left.Maximum(), high + (high - low) * 0.03);
  Wheel(-120);
  // The right axis has no series: it is not shown and stays automatic.
  ExpectAutomatic(*chart_.RightAxis());
  ExpectAutomatic(*chart_.BottomAxis());
  Drag(Middle() + QPoint(40, 40), Middle() - QPoint(40, 40));
  ExpectAutomatic(left);
  widget_.repaint();
  EXPECT_DOUBLE_EQ(left.CurMinimum, low);
}

TEST_F(ChartInWidget, SameButtonForZoomAndPanZoomsOnly) {
  chart_.SetScrollMouseButton(mbLeft);
  TChartAxis& bottom = *chart_.BottomAxis();
  const QPoint a = Middle() - QPoint(50, 30);
  QTest::mousePress(&widget_, Qt::LeftButton, {}, a);
  QTest::mouseMove(&widget_, a + QPoint(50, 30));
  EXPECT_TRUE(bottom.Automatic()) << "the drag panned";
  EXPECT_TRUE(chart_.Zoom()->Active);
  EXPECT_FALSE(chart_.Panning().Active) << "a pan started beside the zoom";
  QTest::mouseRelease(&widget_, Qt::LeftButton, {}, a + QPoint(100, 60));
  EXPECT_EQ(zooms_, 1);
}

TEST_F(ChartInWidget, SeriesCursorOverItsPoints) {
  series_->SetCursor(crHandPoint);
  widget_.repaint();
  QTest::mouseMove(&widget_, QPoint(series_->CalcXPos(5), series_->CalcYPos(5)));
  EXPECT_EQ(widget_.cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseMove(&widget_, QPoint(2, 2));
  EXPECT_EQ(widget_.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ChartInWidget, BackgroundClickIsOfferedOnce) {
  int offers = 0;
  chart_.OnClickBackground = [&](TCustomChart& chart, TMouseButton, TShiftState, int, int) {
    ++offers;
    chart.SetCancelMouse(false);  // declined
  };
  QTest::mouseClick(&widget_, Qt::LeftButton, {}, Middle() + QPoint(0, -40));
  EXPECT_EQ(offers, 1);
  QTest::mouseClick(&widget_, Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(offers, 2) << "outside every part";
}

TEST_F(ChartInWidget, SeriesClicksAndDoubleClicksReachTheSeries) {
  std::vector<std::pair<char, int>> heard;
  series_->OnClick = [&](TChartSeries&, int index, int, int, int, int) {
    heard.emplace_back('c', index);
  };
  series_->OnDblClick = [&](TChartSeries&, int index, int, int, int, int) {
    heard.emplace_back('d', index);
  };
  widget_.repaint();
  const QPoint p(series_->CalcXPos(4), series_->CalcYPos(4));
  // What a window gets for a double click: a click, a press, the double
  // click and a release.
  QTest::mouseClick(&widget_, Qt::LeftButton, {}, p);
  QTest::mousePress(&widget_, Qt::LeftButton, {}, p);
  QTest::mouseDClick(&widget_, Qt::LeftButton, {}, p);
  QTest::mouseRelease(&widget_, Qt::LeftButton, {}, p);
  Settle();
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front(), std::make_pair('c', 4));
  EXPECT_EQ(heard.back(), std::make_pair('d', 4));
  EXPECT_FALSE(chart_.Zoom()->Active) << "a click on a point leaves no drag behind";
}

TEST_F(ChartInWidget, CheckBoxClickTogglesItsSeries) {
  std::unique_ptr<TLineTestSeries> other = std::make_unique<TLineTestSeries>();
  other->AddPointXY(1, 1);
  chart_.AddSeries(other.get());
  chart_.Legend()->SetCheckBoxes(true);
  widget_.repaint();
  const auto& items = chart_.Legend()->Items();
  ASSERT_EQ(items.size(), 2u);
  const TRect second = items[1].rect;
  QTest::mouseClick(&widget_, Qt::LeftButton, {},
                    QPoint((second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2));
  EXPECT_TRUE(series_->Active());
  EXPECT_FALSE(other->Active());
  EXPECT_FALSE(chart_.Zoom()->Active);
  widget_.repaint();
  ASSERT_EQ(chart_.Legend()->Items().size(), 2u) << "an inactive series stays listed";
  QTest::mouseClick(&widget_, Qt::LeftButton, {},
                    QPoint((second.Left + second.Right) / 2, (second.Top + second.Bottom) / 2));
  EXPECT_TRUE(other->Active());
}

TEST_F(ChartInWidget, SeriesWithoutAxesStartNoDrag) {
  std::unique_ptr<TNoAxesTestSeries> other = std::make_unique<TNoAxesTestSeries>();
  other->AddPointXY(1, 1);
  series_->SetActive(false);
  chart_.AddSeries(other.get());
  Settle();
  QTest::mousePress(&widget_, Qt::LeftButton, {}, Middle());
  EXPECT_FALSE(chart_.Zoom()->Active);
  QTest::mouseRelease(&widget_, Qt::LeftButton, {}, Middle());
  QTest::mousePress(&widget_, Qt::RightButton, {}, Middle());
  EXPECT_FALSE(chart_.Panning().Active);
  QTest::mouseRelease(&widget_, Qt::RightButton, {}, Middle());
}

// With AutoRepaint off a new point's segment is drawn into the window's
// picture, and the window is asked to show only that segment's bounds.
TEST_F(ChartInWidget, ImmediatePointGoesIntoThePicture) {
  TFastLineSeries fast;
  fast.SetSeriesColor(base::clRed);
  fast.AddPointXY(0, 100);
  fast.AddPointXY(5, 100);
  chart_.AddSeries(&fast);
  widget_.repaint();
  fast.SetAutoRepaint(false);
  TCustomPlotPanel& panel = chart_;
  ASSERT_NE(panel.Canvas().Buffer(), nullptr);
  const QImage old = panel.Canvas().Buffer()->copy();
  std::vector<TRect> areas;
  QObject::connect(&chart_, &TCustomPlotPanel::areaChanged, [&](TRect r) { areas.push_back(r); });
  const int before = renders_;

  fast.AddPointXY(10, 0);

  const QImage now = panel.Canvas().Buffer()->copy();
  EXPECT_EQ(renders_, before) << "the chart was drawn again";
  const TChartAxis& h = *chart_.BottomAxis();
  const TChartAxis& v = *chart_.LeftAxis();
  const QPoint a(h.CalcXPosValue(5), v.CalcYPosValue(100));
  const QPoint b(h.CalcXPosValue(10), v.CalcYPosValue(0));
  ASSERT_EQ(areas.size(), 1u);
  const TRect area = areas.front();
  EXPECT_LE(area.Left, std::min(a.x(), b.x()));
  EXPECT_GE(area.Right, std::max(a.x(), b.x()));
  EXPECT_LE(area.Top, std::min(a.y(), b.y()));
  EXPECT_GE(area.Bottom, std::max(a.y(), b.y()));
  EXPECT_LT(area.Width() * area.Height(), panel.Width() * panel.Height() / 3)
      << "more than the segment is shown again";
  // Red along the segment, one pixel of slack across it; nothing changed
  // outside the area.
  for (int k = 1; k < 10; ++k) {
    const int y = a.y() + (b.y() - a.y()) * k / 10;
    const int x = a.x() + (b.x() - a.x()) * k / 10;
    bool red = false;
    for (int dx = -1; dx <= 1; ++dx) red = red || (now.pixel(x + dx, y) & 0xFFFFFF) == 0xFF0000u;
    EXPECT_TRUE(red) << "no segment near (" << x << "," << y << ")";
  }
  for (int y = 0; y < now.height(); ++y) {
    for (int x = 0; x < now.width(); ++x) {
      if (x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom) continue;
      ASSERT_EQ(now.pixel(x, y), old.pixel(x, y)) << "(" << x << "," << y << ") outside the area";
    }
  }
  testsupport::saveArtifact(now, QStringLiteral("chart-widget-fastline-immediate.png"));
  // The window shows the picture as it is now.
  const QImage shown = Shown();
  const QPoint mid = (a + b) / 2;
  EXPECT_EQ(shown.copy(mid.x() - 2, mid.y() - 2, 5, 5), now.copy(mid.x() - 2, mid.y() - 2, 5, 5));
  EXPECT_EQ(renders_, before);
  chart_.RemoveSeries(&fast);
}

}  // namespace
