#include "chart/series/TAddPlotFunction.h"

#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartSeries.h"

double TAddPlotFunction::Calculate(const TChartSeries& source, int first, int last) const {
  const SeriesUserPoints points(source);
  const TChartValueList& list = SourceValueList(source);
  // The list keeps its sum; it is the user's unless a paint added a point
  // of its own.
  if (first == -1 && !points.HasPaintedPoint()) return list.Sum();
  const IndexRange r = PointRange(points.Count(), first, last);
  double sum = 0;
  for (int i = r.first; i <= r.last; ++i) {
    const double v = points.Value(list, i);
    if (Counts(v)) sum += v;
  }
  return sum;
}

double TAddPlotFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) const {
  double sum = 0, v = 0;
  for (const TChartSeries* s : sources)
    if (ValueAt(*s, index, v)) sum += v;
  return sum;
}
