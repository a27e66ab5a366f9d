#include "chart/widget/TPlotButton.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <QPainter>

TPlotButton::TPlotButton(QWidget* parent) : QPushButton(parent) {}

void TPlotButton::LinkProperty(QObject* instance, const QString& propertyName) {
  instance_ = instance;
  property_ = propertyName.toLatin1();
  update();
}

QVariant TPlotButton::LinkedValue() const {
  if (!instance_ || property_.isEmpty()) return {};
  return instance_->property(property_.constData());
}

bool TPlotButton::WriteLinked(const QVariant& value) {
  if (!instance_ || property_.isEmpty()) return false;
  return instance_->setProperty(property_.constData(), value);
}

void TPlotButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  QPainter painter(this);
  QPainterBackend backend(painter);
  TPlotCanvas3D canvas;
  // The sample goes over the button's own look, not over a fresh buffer.
  canvas.SetUseBuffer(false);
  canvas.InitWindow(&backend, nullptr, false, TRect{0, 0, width(), height()});
  DrawSymbol(canvas);
  canvas.ShowImage();
}
