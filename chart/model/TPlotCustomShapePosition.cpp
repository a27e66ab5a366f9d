#include "chart/model/TPlotCustomShapePosition.h"

void TPlotCustomShapePosition::SetCustomPosition(bool value) {
  if (value == customPosition_) return;
  if (value) {
    left_ = ShapeBounds().Left;
    top_ = ShapeBounds().Top;
  }
  customPosition_ = value;
  SubObjectChanged();
}

void TPlotCustomShapePosition::Pin(int& field, int value) {
  if (field == value) return;
  field = value;
  customPosition_ = true;
  SubObjectChanged();
}

void TPlotCustomShapePosition::Assign(const TPlotCustomShapePosition& source) {
  if (&source == this) return;
  TPlotCustomShape::Assign(source);
  SetCustomPosition(source.customPosition_);
  if (left_ != source.left_ || top_ != source.top_) {
    left_ = source.left_;
    top_ = source.top_;
    SubObjectChanged();
  }
}
