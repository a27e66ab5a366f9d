#include "charteditor/series/GallerySampleWidget.h"

#include "chart/canvas/QPainterBackend.h"
#include "charteditor/series/TGalleryChart.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>
#include <exception>

GallerySampleWidget::GallerySampleWidget(TGalleryChart* chart, QWidget* parent)
    : PlotPanelWidget(chart, parent), chart_(chart) {
  setFocusPolicy(Qt::NoFocus);
}

GallerySampleWidget::~GallerySampleWidget() {
  delete chart_;
}

TGalleryChart* GallerySampleWidget::Chart() const {
  return chart_;
}

void GallerySampleWidget::SetShowSubSign(bool value) {
  if (showSubSign_ == value) return;
  showSubSign_ = value;
  update();
}

void GallerySampleWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  try {
    // A copy of the finished picture unless the sample changed.
    PaintTo(painter);
    DrawOverlay(painter);
  } catch (const std::exception& e) {
    qWarning("Gallery sample paint failed: %s", e.what());
  }
}

void GallerySampleWidget::DrawOverlay(QPainter& painter) {
  const int w = width();
  const int h = height();
  if (hovered_ && chart_->Available()) {
    // A one-pixel raised frame.
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, w - 1, 0);
    painter.drawLine(0, 0, 0, h - 1);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    painter.drawLine(0, h - 1, w - 1, h - 1);
  }
  if (showSubSign_) {
    QPainterBackend backend(painter);
    BackendPen pen = backend.pen();
    pen.style = Graphics::psClear;
    pen.mode = Graphics::pmNotXor;
    backend.setPen(pen);
    BackendBrush brush = backend.brush();
    brush.style = Graphics::bsSolid;
    brush.color = base::clBlack;
    backend.setBrush(brush);
    const std::array<QPoint, 3> triangle{QPoint(4, h - 8), QPoint(11, h - 8), QPoint(7, h - 4)};
    backend.polygon(triangle);
  }
}

void GallerySampleWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnPress) OnPress(*this, event->position().toPoint());
  event->accept();
}

void GallerySampleWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

void GallerySampleWidget::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
}

void GallerySampleWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDoubleClick) OnDoubleClick(*this);
  event->accept();
}

void GallerySampleWidget::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  setCursor(chart_->Available() ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
  hovered_ = true;
  update();
}

void GallerySampleWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  hovered_ = false;
  update();
}
