#include "viewer/widgets/TColorBox.h"

#include "viewer/widgets/ColorLegendModel.h"
#include "viewer/widgets/TColorScrollBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {

// A one-pixel 3D edge inside `r`: light top and left, dark bottom and right
// (raised), or the other way round (sunken).
void DrawInnerEdge(QPainter& p, const QRect& r, bool raised) {
  const QColor light = base::ToQColor(base::clBtnHighlight);
  const QColor dark = base::ToQColor(base::clBtnShadow);
  p.setPen(raised ? light : dark);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(raised ? dark : light);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

TColorBox::TColorBox(TColorScrollBox* legend, int index)
    : QWidget(legend->widget()), legend_(legend), index_(index) {
  setObjectName(QStringLiteral("ColorBox%1").arg(index));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TColorBox::Active() const {
  return legend_->Model().ActiveRow() == index_;
}

void TColorBox::Draw(QPainter& painter, QPoint offset, int width, const ColorLegendModel& model,
                     const ColorLegendLayout& layout, int index, bool active, bool pressed) {
  const int h = layout.RowHeight();
  const QColor background = base::ToQColor(model.Color());
  painter.fillRect(QRect(offset, QSize(width, h)), background);
  const QRect swatch = layout.SwatchRect().translated(offset);
  painter.fillRect(swatch, base::ToQColor(model.GetBoxColor(index)));
  painter.setPen(base::ToQColor(ColorLegendModel::ContrastColor(model.Color())));
  const QPoint text = layout.CaptionPos(active) + offset;
  painter.drawText(QRect(text, QSize(std::max(1, width - text.x()), h)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, model.BoxCaption(index));
  if (pressed)
    DrawInnerEdge(painter, swatch, false);
  else if (active)
    DrawInnerEdge(painter, swatch, true);
}

void TColorBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  Draw(p, QPoint(0, 0), width(), legend_->Model(), legend_->Layout(), index_, Active(),
       pressed_ && Active());
}

void TColorBox::enterEvent(QEnterEvent*) {
  legend_->RowEntered(index_);
}

void TColorBox::leaveEvent(QEvent*) {
  legend_->RowLeft(index_);
}

void TColorBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void TColorBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = false;
  update();
  const bool over = rect().contains(event->position().toPoint());
  if (over && Active()) legend_->RowClicked(index_);
  // A colour dialog takes the mouse away without a leave event reaching the
  // row; the highlight goes once the click is done.
  QPointer<TColorBox> self(this);
  QTimer::singleShot(0, this, [self] {
    if (self) self->legend_->RowLeft(self->index_);
  });
}
