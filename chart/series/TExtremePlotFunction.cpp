#include "chart/series/TExtremePlotFunction.h"

#include "chart/model/TChartSeries.h"

double TExtremePlotFunction::Calculate(const TChartSeries& source, int first, int last) const {
  const TChartValueList& list = SourceValueList(source);
  if (first == -1) return WholeSource(list);
  const auto values = list.Values();
  const IndexRange r = PointRange(list.Count(), first, last);
  double extreme = 0;
  bool started = false;
  for (int i = r.first; i <= r.last; ++i) {
    const double v = values[static_cast<std::size_t>(i)];
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
