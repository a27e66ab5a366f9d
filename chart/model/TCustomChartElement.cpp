#include "chart/model/TCustomChartElement.h"

#include <QMetaObject>

TCustomChartElement::TCustomChartElement(ChangeHandler onChange, QObject* owner)
    : TPlotPersistent(std::move(onChange), owner),
      brush_(new TChartBrush([this] { CanvasChanged(); }, this)),
      pen_(new TChartPen([this] { CanvasChanged(); }, this)) {}

TCustomChartElement::~TCustomChartElement() {
  TCustomChartElement::SetParentChart(nullptr);
  // The pen and brush go with the QObject tree after this: they must not
  // call back into a half-destroyed element.
  brush_->SetChangeHandler({});
  pen_->SetChangeHandler({});
}

void TCustomChartElement::SetActive(bool value) {
  SetBooleanProperty(active_, value);
}

void TCustomChartElement::SetBrush(TChartBrush* value) {
  if (value && value != brush_) brush_->Assign(*value);
}

void TCustomChartElement::SetPen(TChartPen* value) {
  if (value && value != pen_) pen_->Assign(*value);
}

void TCustomChartElement::SetParentChart(ChartHost* value) {
  ChartHost* old = parentChart_.get();
  if (old == value) return;
  parentChart_ = value;
  if (old) old->ElementDetached(this);
  if (value) value->ElementAttached(this);
}

void TCustomChartElement::SetParentComponent(QObject* component) {
  if (auto* chart = dynamic_cast<ChartHost*>(component)) SetParentChart(chart);
}

void TCustomChartElement::CanvasChanged() {
  Changed();
  Repaint();
}

void TCustomChartElement::Repaint() const {
  if (ChartHost* chart = parentChart_.get()) chart->Invalidate();
}

void TCustomChartElement::Assign(const TCustomChartElement& source) {
  if (&source == this) return;
  SetActive(source.active_);
  SetBrush(source.brush_);
  SetPen(source.pen_);
  tag_ = source.tag_;
}

bool TCustomChartElement::SameOrDerivedClass(const QObject* a, const QObject* b) {
  if (!a || !b) return false;
  return a->metaObject()->inherits(b->metaObject()) || b->metaObject()->inherits(a->metaObject());
}

bool TCustomChartElement::SetBooleanProperty(bool& field, bool value) {
  return StoreAndRepaint(field, value);
}

bool TCustomChartElement::SetIntegerProperty(int& field, int value) {
  return StoreAndRepaint(field, value);
}

bool TCustomChartElement::SetColorProperty(base::TColor& field, base::TColor value) {
  return StoreAndRepaint(field, value);
}

bool TCustomChartElement::SetDoubleProperty(double& field, double value) {
  return StoreAndRepaint(field, value);
}

bool TCustomChartElement::SetStringProperty(QString& field, const QString& value) {
  return StoreAndRepaint(field, value);
}
