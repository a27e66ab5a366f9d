#pragma once
// Which points of a series fall inside the visible span of the axis that
// carries its not-mandatory values. A series draws only those (plus one
// beyond the far edge when it joins its points by lines), so a chart zoomed
// into a few hundred of ten million points paints in proportion to what it
// shows.
#include "chart/core/TChartValueList.h"

#include <span>

struct VisibleRange {
  int first = -1;  // -1 when no point is visible
  int last = -1;   // may be first - 1: the span lies between two points
  bool operator==(const VisibleRange&) const = default;
};

// The points of `values` from the first one not below `lo` to the last one
// below `hi` (the first one at or beyond `hi` too when `drawBetweenPoints`),
// found the way the points are ordered:
// - loNone: every point;
// - loAscending: by binary search, unless `mayHoldNaN`: a NaN is never below
//   anything and the list may keep it anywhere (in front of values added
//   after it, or behind them), so such a list is walked;
// - loDescending: by walking from the first point, as an ascending search
//   would, which for such a list mostly means all or nothing.
// An ascending list that is not sorted (its order was set without sorting)
// still gets indices inside the list.
VisibleRange CalcVisibleRange(std::span<const double> values, TChartListOrder order, double lo,
                              double hi, bool drawBetweenPoints, bool mayHoldNaN = false);
