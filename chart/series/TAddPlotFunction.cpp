#include "chart/series/TAddPlotFunction.h"

#include "chart/model/TChartSeries.h"

double TAddPlotFunction::Calculate(const TChartSeries& source, int first, int last) const {
  const TChartValueList& list = SourceValueList(source);
  if (first == -1) return list.Sum();
  const auto values = list.Values();
  const IndexRange r = PointRange(list.Count(), first, last);
  double sum = 0;
  for (int i = r.first; i <= r.last; ++i) {
    const double v = values[static_cast<std::size_t>(i)];
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
