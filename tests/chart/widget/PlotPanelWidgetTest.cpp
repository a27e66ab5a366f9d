// The panel's window: one paint per request even when the chart changes
// while painting, the finished picture shown again while nothing changed,
// the zoom rectangle laid over it and gone without a new chart paint, and
// immediate drawing into the shown picture.
#include "chart/core/ChartEngine.h"
#include "chart/widget/PlotPanelWidget.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

namespace {

class PanelWidget : public testing::Test {
 protected:
  PanelWidget() : widget_(&panel_) {
    panel_.SetColor(0xC0C0C0);
    panel_.drawHook = [](FakePlotPanel& p, const TRect& r) {
      p.PanelPaint(r);
      BackendBrush brush;
      brush.color = base::clBlue;
      p.Canvas().ReferenceCanvas().setBrush(brush);
      p.Canvas().ReferenceCanvas().fillRect(p.ChartRect());
    };
    widget_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget_));
    Settle();
  }
  // Lets queued paints happen.
  void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  QImage Shown() { return widget_.grab().toImage().convertToFormat(QImage::Format_RGB32); }

  ChartEngineScope engine_;
  FakePlotPanel panel_;
  PlotPanelWidget widget_;
};

TEST_F(PanelWidget, ChangesDuringThePaintCostOnePaintPerUpdate) {
  const int before = panel_.draws;
  EXPECT_GE(before, 1);
  auto plain = panel_.drawHook;
  panel_.drawHook = [&](FakePlotPanel& p, const TRect& r) {
    p.SetMarginLeft(p.MarginLeft() == 3 ? 4 : 3);
    for (int i = 0; i < 3; ++i) p.InvalidateChart();
    plain(p, r);
  };
  panel_.InvalidateChart();
  widget_.repaint();
  Settle();
  EXPECT_EQ(panel_.draws, before + 1);
  Settle();
  EXPECT_EQ(panel_.draws, before + 1) << "a change while painting asked for another paint";
}

TEST_F(PanelWidget, UnchangedChartIsShownFromTheCanvasPicture) {
  const int before = panel_.draws;
  widget_.repaint();
  (void)Shown();
  EXPECT_EQ(panel_.draws, before);
  panel_.SetColor(base::clRed);
  widget_.repaint();
  EXPECT_EQ(panel_.draws, before + 1);
  EXPECT_EQ(Shown().pixel(2, 2) & 0xFFFFFF, 0xFF0000u);
  // A window resize draws anew at the new size.
  widget_.resize(300, 200);
  Settle();
  EXPECT_EQ(panel_.Width(), 300);
  EXPECT_EQ(Shown().pixel(299, 199) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(PanelWidget, ZoomRectangleIsAnOverlayOnThePicture) {
  const QImage clean = Shown();
  const int before = panel_.draws;
  TPlotZoom& zoom = *panel_.Zoom();
  zoom.Activate(5, 5);
  for (int i = 1; i <= 100; ++i) {
    zoom.X1 = 5 + i * 3;
    zoom.Y1 = 5 + i * 2;
    panel_.ZoomRectangleChanged();
    widget_.repaint();
  }
  const QImage dragged = Shown();
  testsupport::saveArtifact(dragged, QStringLiteral("chart-panel-widget-zoom.png"));
  EXPECT_EQ(panel_.draws, before) << "moving the zoom rectangle repainted the chart";
  // Not-xor of the panel colour with itself: the frame shows white on the
  // background, and the zoom pen's colour over the blue chart too.
  EXPECT_EQ(clean.pixel(5, 7) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(dragged.pixel(5, 7) & 0xFFFFFF, 0xFFFFFFu) << "left edge over the background";
  EXPECT_EQ(dragged.pixel(100, 5) & 0xFFFFFF, 0xFFFFFFu) << "top edge over the background";
  // Over the blue chart: not (pen xor blue).
  EXPECT_EQ(dragged.pixel(304, 100) & 0xFFFFFF, ~(0xC0C0C0u ^ 0x0000FFu) & 0xFFFFFF)
      << "right edge over the chart";
  EXPECT_EQ(dragged.pixel(2, 2), clean.pixel(2, 2));
  EXPECT_EQ(dragged.pixel(100, 100), clean.pixel(100, 100)) << "a clear brush leaves the inside";

  zoom.Active = false;
  panel_.ZoomRectangleChanged();
  widget_.repaint();
  EXPECT_EQ(Shown(), clean) << "the picture was not restored";
  EXPECT_EQ(panel_.draws, before);
}

TEST_F(PanelWidget, ImmediateDrawingGoesIntoThePicture) {
  const int before = panel_.draws;
  const bool drawn = panel_.DrawImmediate(
      [](TPlotCanvas3D& canvas) {
        BackendBrush brush;
        brush.color = base::clLime;
        canvas.ReferenceCanvas().setBrush(brush);
        canvas.FillRect({100, 100, 110, 110});
      },
      {100, 100, 110, 110});
  ASSERT_TRUE(drawn);
  Settle();
  const QImage shown = Shown();
  EXPECT_EQ(shown.pixel(105, 105) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(panel_.draws, before);
  // No finished picture to draw into: the caller must invalidate.
  panel_.InvalidateChart();
  EXPECT_FALSE(panel_.DrawImmediate([](TPlotCanvas3D&) {}, {0, 0, 1, 1}));
}

TEST_F(PanelWidget, ArrowKeysStayWithThePanel) {
  QWidget sibling;
  int arrows = 0;
  QObject::connect(&widget_, &PlotPanelWidget::keyPressed, [&](int key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Left || key == Qt::Key_Down) ++arrows;
  });
  EXPECT_EQ(widget_.focusPolicy(), Qt::StrongFocus);
  QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(&widget_, &left);
  QApplication::sendEvent(&widget_, &down);
  EXPECT_EQ(arrows, 2);
}

}  // namespace
