#include "chart/model/TPlotCustomShapePosition.h"

void TPlotCustomShapePosition::MoveTo(int left, int top) {
  const TRect r = ShapeBounds();
  if (r.Left == left && r.Top == top) return;
  SetShapeBounds(TRect{left, top, left + r.Width(), top + r.Height()});
  // A position the user gives pins the box there.
  if (!Store(customPosition_, true)) Changed();
  Repaint();
}

void TPlotCustomShapePosition::SetLeft(int value) {
  MoveTo(value, ShapeBounds().Top);
}

void TPlotCustomShapePosition::SetTop(int value) {
  MoveTo(ShapeBounds().Left, value);
}

void TPlotCustomShapePosition::Assign(const TPlotCustomShapePosition& source) {
  if (&source == this) return;
  TPlotCustomShape::Assign(source);
  const TRect s = source.ShapeBounds();
  TRect r = ShapeBounds();
  r = TRect{s.Left, s.Top, s.Left + r.Width(), s.Top + r.Height()};
  SetShapeBounds(r);
  SetCustomPosition(source.customPosition_);
}
