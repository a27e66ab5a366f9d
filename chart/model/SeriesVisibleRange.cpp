#include "chart/model/SeriesVisibleRange.h"

#include <algorithm>

namespace {

// Both searches keep one rule: the first point is the first one not below
// lo; when the last value lies beyond hi the last point is the first one not
// below hi (at least the first point), stepping back once when it is beyond
// hi and the series draws no line into the edge.
VisibleRange Walk(std::span<const double> v, double lo, double hi, bool drawBetweenPoints) {
  const int count = static_cast<int>(v.size());
  VisibleRange r;
  r.first = 0;
  while (r.first < count && v[r.first] < lo) ++r.first;
  if (r.first == count) return {};
  if (v[count - 1] > hi) {
    r.last = r.first;
    while (r.last < count - 1 && v[r.last] < hi) ++r.last;
    if (!drawBetweenPoints && v[r.last] > hi) --r.last;
  } else {
    r.last = count - 1;
  }
  return r;
}

VisibleRange Search(std::span<const double> v, double lo, double hi, bool drawBetweenPoints) {
  const int count = static_cast<int>(v.size());
  const auto below = [](double bound) { return [bound](double x) { return x < bound; }; };
  VisibleRange r;
  r.first = static_cast<int>(std::partition_point(v.begin(), v.end(), below(lo)) - v.begin());
  if (r.first == count) return {};
  if (v[count - 1] > hi) {
    const int reach = static_cast<int>(
        std::partition_point(v.begin() + r.first, v.end() - 1, below(hi)) - v.begin());
    r.last = reach;
    if (!drawBetweenPoints && v[r.last] > hi) --r.last;
  } else {
    r.last = count - 1;
  }
  return r;
}

}  // namespace

VisibleRange CalcVisibleRange(std::span<const double> values, TChartListOrder order, double lo,
                              double hi, bool drawBetweenPoints, bool mayHoldNaN) {
  if (values.empty()) return {};
  switch (order) {
    case loNone:
      return {0, static_cast<int>(values.size()) - 1};
    case loAscending:
      if (!mayHoldNaN) return Search(values, lo, hi, drawBetweenPoints);
      break;
    case loDescending:
      break;
  }
  return Walk(values, lo, hi, drawBetweenPoints);
}
