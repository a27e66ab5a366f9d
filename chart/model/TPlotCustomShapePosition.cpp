#include "chart/model/TPlotCustomShapePosition.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// A stored position may lie anywhere: the far edges saturate.
int FarEdge(int edge, int size) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{edge} + size, INT_MIN, INT_MAX));
}

}  // namespace

void TPlotCustomShapePosition::MoveTo(int left, int top) {
  const TRect r = ShapeBounds();
  if (r.Left == left && r.Top == top) return;
  SetShapeBounds(TRect{left, top, FarEdge(left, r.Width()), FarEdge(top, r.Height())});
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
  r = TRect{s.Left, s.Top, FarEdge(s.Left, r.Width()), FarEdge(s.Top, r.Height())};
  SetShapeBounds(r);
  SetCustomPosition(source.customPosition_);
}
