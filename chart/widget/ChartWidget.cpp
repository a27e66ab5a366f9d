#include "chart/widget/ChartWidget.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/model/PlotInput.h"
#include "chart/model/TChart.h"
#include "chart/model/TPlotZoom.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <exception>

ChartWidget::ChartWidget(TChart* chart, QWidget* parent) : PlotPanelWidget(chart, parent) {
  if (!chart) return;
  // Each step is drawn now, into the picture, and shown at once: no timer
  // and no event loop inside the zoom.
  chart->OnAnimatedZoomStep = [this] { repaint(); };
}

ChartWidget::~ChartWidget() {
  if (TChart* chart = Chart()) chart->OnAnimatedZoomStep = {};
}

TChart* ChartWidget::Chart() const {
  return static_cast<TChart*>(Panel());
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
  TChart* chart = Chart();
  if (!chart) return;
  QPainter painter(this);
  try {
    QPainterBackend backend(painter);
    // The picture is drawn again only when the chart changed or the
    // window resized; otherwise this is a copy of it.
    chart->Paint(backend);
    chart->DrawZoomOverlay(backend);
  } catch (const std::exception& e) {
    // A chart that fails to draw must not take the window down with it.
    qWarning("Chart paint failed: %s", e.what());
  }
}

void ChartWidget::wheelEvent(QWheelEvent* event) {
  TChart* chart = Chart();
  if (!chart) return;
  wheelRest_ += event->angleDelta().y();
  while (wheelRest_ >= 120) {
    wheelRest_ -= 120;
    chart->MouseWheel(false);
  }
  while (wheelRest_ <= -120) {
    wheelRest_ += 120;
    chart->MouseWheel(true);
  }
  event->accept();
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  TChart* chart = Chart();
  if (!chart) return;
  // The window had the second press as a plain one, and a drag may have
  // started from it: the double click takes its place.
  chart->CancelDrags();
  const QPoint p = event->position().toPoint();
  chart->MouseDown(PlotInput::FromQtButton(event->button()),
                   PlotInput::FromQtState(event->modifiers(), event->buttons()) | ssDouble, p.x(),
                   p.y());
}

namespace {

Qt::MouseButton QtButtonOf(TMouseButton button) {
  switch (button) {
    case mbRight:
      return Qt::RightButton;
    case mbMiddle:
      return Qt::MiddleButton;
    case mbLeft:
      break;
  }
  return Qt::LeftButton;
}

}  // namespace

void ChartWidget::EndOrphanedDrag(Qt::MouseButtons held) {
  TChart* chart = Chart();
  if (!chart) return;
  const bool zoomOrphaned =
      chart->Zoom()->Active && !(held & QtButtonOf(chart->Zoom()->MouseButton()));
  const bool panOrphaned =
      chart->Panning().Active && !(held & QtButtonOf(chart->ScrollMouseButton()));
  if (zoomOrphaned || panOrphaned) chart->CancelDrags();
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  // Before this press its button was up: a drag of that button still
  // running lost its release.
  EndOrphanedDrag(event->buttons() & ~event->button());
  PlotPanelWidget::mousePressEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  EndOrphanedDrag(event->buttons());
  PlotPanelWidget::mouseMoveEvent(event);
}
