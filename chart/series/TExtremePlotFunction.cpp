#include "chart/series/TExtremePlotFunction.h"

#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartSeries.h"

double TExtremePlotFunction::Calculate(const TChartSeries& source, int first, int last) const {
  const SeriesUserPoints points(source);
  const TChartValueList& list = SourceValueList(source);
  // The list keeps its extremes; they are the user's unless a paint added
  // a point of its own.
  if (first == -1 && !points.HasPaintedPoint()) return WholeSource(list);
  const IndexRange r = PointRange(points.Count(), first, last);
  double extreme = 0;
  bool started = false;
  for (int i = r.first; i <= r.last; ++i) {
    const double v = points.Value(list, i);
    if (!Counts(v)) continue;
    if (!started || Beyond(v, extreme)) extreme = v;
    started = true;
  }
  return extreme;
}

double TExtremePlotFunction::CalculateMany(const std::vector<TChartSeries*>& sources,
                                           int index) const {
  double extreme = 0, v = 0;
  bool started = false;
  for (const TChartSeries* s : sources) {
    if (!ValueAt(*s, index, v)) continue;
    if (!started || Beyond(v, extreme)) extreme = v;
    started = true;
  }
  return extreme;
}

double THighPlotFunction::WholeSource(const TChartValueList& list) const {
  return list.Maximum();
}

double TLowPlotFunction::WholeSource(const TChartValueList& list) const {
  return list.Minimum();
}
