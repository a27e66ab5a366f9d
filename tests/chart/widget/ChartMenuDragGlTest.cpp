// The chart window under a popup menu on the X display, where a menu that a
// right press opens takes that button's release: the pan the press started
// ends with the menu, so the bare mouse moves nothing and the next left drag
// zooms. Input goes through the window, as the window system delivers it.
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/widget/ChartWidget.h"
#include "tests/chart/support/ChartTestSeries.h"

#include <gtest/gtest.h>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

class ChartUnderMenu : public testing::Test {
 protected:
  ChartUnderMenu() : widget_(&chart_) {
    chart_.SetView3D(false);
    for (int i = 0; i <= 10; ++i) series_->AddPointXY(i, 10 * i);
    chart_.AddSeries(series_.get());
    QObject::connect(&chart_, &TCustomPlotPanelExtended::zoomed, [this] { ++zooms_; });
    menu_.addAction(QStringLiteral("entry"));
    // Opened from the press, as X11 asks for the menu.
    widget_.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&widget_, &QWidget::customContextMenuRequested, &menu_,
                     [this](QPoint at) { menu_.popup(widget_.mapToGlobal(at)); });
    widget_.setGeometry(50, 50, 400, 250);
    widget_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget_));
    widget_.repaint();
  }
  QPoint Middle() const {
    const TRect r = chart_.ChartRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  double Shown(const TChartAxis& axis) {
    widget_.repaint();
    return axis.CurMinimum;
  }
  // Right press, the menu it opens takes the release, Escape closes it.
  void RightClickAndEscape(QPoint at) {
    QWindow* window = widget_.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, at);
    ASSERT_TRUE(menu_.isVisible()) << "the menu opens on the press";
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
    QTest::keyClick(&menu_, Qt::Key_Escape);
    ASSERT_FALSE(menu_.isVisible());
  }

  ChartEngineScope engine_;
  TChart chart_;
  std::unique_ptr<TLineTestSeries> series_ = std::make_unique<TLineTestSeries>();
  ChartWidget widget_;
  QMenu menu_;
  int zooms_ = 0;
};

TEST_F(ChartUnderMenu, TheBareMouseMovesNothingAfterTheMenu) {
  const QPoint a = Middle();
  RightClickAndEscape(a);
  const double bottom = Shown(*chart_.BottomAxis());
  const double left = Shown(*chart_.LeftAxis());
  QWindow* window = widget_.windowHandle();
  QTest::mouseMove(window, a + QPoint(30, 20));
  QTest::mouseMove(window, a + QPoint(60, 40));
  EXPECT_EQ(Shown(*chart_.BottomAxis()), bottom) << "no button is held";
  EXPECT_EQ(Shown(*chart_.LeftAxis()), left);
  EXPECT_TRUE(chart_.BottomAxis()->Automatic());
}

TEST_F(ChartUnderMenu, TheNextLeftDragZooms) {
  const QPoint a = Middle();
  RightClickAndEscape(a);
  QWindow* window = widget_.windowHandle();
  const QPoint from = a - QPoint(50, 30), to = from + QPoint(100, 60);
  QTest::mousePress(window, Qt::LeftButton, {}, from);
  for (int i = 1; i <= 5; ++i) QTest::mouseMove(window, from + (to - from) * i / 5);
  QTest::mouseRelease(window, Qt::LeftButton, {}, to);
  EXPECT_EQ(zooms_, 1);
  EXPECT_FALSE(chart_.Panning().Active);
}

// A second right press, the first one's release lost to the menu, starts
// its own pan from where it is, not from the first press.
TEST_F(ChartUnderMenu, ANewRightDragPansFromItsOwnPress) {
  const QPoint a = Middle();
  RightClickAndEscape(a);
  TChartAxis& bottom = *chart_.BottomAxis();
  const double shown = Shown(bottom);
  widget_.setContextMenuPolicy(Qt::NoContextMenu);
  QWindow* window = widget_.windowHandle();
  const QPoint b = a + QPoint(40, 0);
  const double onePixel = bottom.CalcPosPoint(b.x()) - bottom.CalcPosPoint(b.x() + 1);
  QTest::mousePress(window, Qt::RightButton, {}, b);
  QTest::mouseMove(window, b + QPoint(1, 0));
  QTest::mouseRelease(window, Qt::RightButton, {}, b + QPoint(1, 0));
  EXPECT_NEAR(bottom.Minimum(), shown + onePixel, std::abs(onePixel) / 100);
}

}  // namespace
