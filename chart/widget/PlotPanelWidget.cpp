#include "chart/widget/PlotPanelWidget.h"

#include "base/Exceptions.h"
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartCursors.h"
#include "chart/model/PlotInput.h"
#include "chart/model/TCustomPlotPanelExtended.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <exception>

PlotPanelWidget::PlotPanelWidget(TCustomPlotPanelExtended* panel, QWidget* parent)
    : QWidget(parent), panel_(panel) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  if (!panel_) return;
  resize(panel_->Width(), panel_->Height());
  UpdateBackground();
  ShowCursor(panel_->CurrentCursor());
  panel_->SetCursorPosSource([this] { return mapFromGlobal(QCursor::pos()); });
  connect(panel_, &TCustomPlotPanel::repaintRequested, this, [this] {
    UpdateBackground();
    update();
  });
  connect(panel_, &TCustomPlotPanelExtended::overlayChanged, this, [this] { update(); });
  connect(panel_, &TCustomPlotPanel::areaChanged, this,
          [this](TRect r) { update(QRect(r.Left, r.Top, r.Width(), r.Height())); });
  connect(panel_, &TCustomPlotPanel::cursorChanged, this, &PlotPanelWidget::ShowCursor);
}

PlotPanelWidget::~PlotPanelWidget() {
  if (panel_) panel_->SetCursorPosSource({});
}

void PlotPanelWidget::UpdateBackground() {
  // A panel without colour lets what is behind it show.
  const bool clear = panel_ && panel_->Color() == base::clNone;
  setAttribute(Qt::WA_OpaquePaintEvent, !clear);
  setAttribute(Qt::WA_TranslucentBackground, clear);
}

void PlotPanelWidget::PaintTo(QPainter& painter) {
  if (!panel_) return;
  QPainterBackend backend(painter);
  panel_->Paint(backend);
  // Over the picture, never into it: the next paint shows the picture
  // without the overlay by drawing it again from the canvas.
  panel_->DrawOverlay(backend);
}

void PlotPanelWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  try {
    PaintTo(painter);
  } catch (const std::exception& e) {
    // A chart that fails to draw must not take the window down with it.
    qWarning("Chart paint failed: %s", e.what());
  }
}

void PlotPanelWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!panel_) return;
  panel_->SetWidth(width());
  panel_->SetHeight(height());
}

void PlotPanelWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // System colours (clBtnFace and the bevels) follow the palette.
  if (panel_ && event->type() == QEvent::PaletteChange) panel_->InvalidateChart();
}

bool PlotPanelWidget::event(QEvent* event) {
  // The arrow keys belong to the chart (scrolling), not to focus moves.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
        keyPressEvent(key);
        return true;
      default:
        break;
    }
  }
  return QWidget::event(event);
}

void PlotPanelWidget::keyPressEvent(QKeyEvent* event) {
  Q_EMIT keyPressed(event->key(), event->modifiers());
  event->accept();
}

void PlotPanelWidget::mousePressEvent(QMouseEvent* event) {
  if (!panel_) return;
  const QPoint p = event->position().toPoint();
  panel_->MouseDown(PlotInput::FromQtButton(event->button()),
                    PlotInput::FromQtState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void PlotPanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!panel_) return;
  const QPoint p = event->position().toPoint();
  panel_->MouseUp(PlotInput::FromQtButton(event->button()),
                  PlotInput::FromQtState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void PlotPanelWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!panel_) return;
  const QPoint p = event->position().toPoint();
  panel_->MouseMove(PlotInput::FromQtState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void PlotPanelWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (panel_) panel_->MouseLeave();
}

void PlotPanelWidget::ShowCursor(int cursor) {
  setCursor(PlotCursorShape(cursor));
}
