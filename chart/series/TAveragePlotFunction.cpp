#include "chart/series/TAveragePlotFunction.h"

#include "chart/model/TChartSeries.h"

#include <cstdint>

void TAveragePlotFunction::SetIncludeNulls(bool value) {
  if (Store(includeNulls_, value)) ReCalculate();
}

double TAveragePlotFunction::Calculate(const TChartSeries& source, int first, int last) const {
  const TChartValueList& list = SourceValueList(source);
  const auto values = list.Values();
  const IndexRange r = PointRange(list.Count(), first, last);
  double sum = 0;
  std::int64_t counted = 0;
  for (int i = r.first; i <= r.last; ++i) {
    const double v = values[static_cast<std::size_t>(i)];
    if (!Counts(v) || (!includeNulls_ && source.IsNull(i))) continue;
    sum += v;
    ++counted;
  }
  return counted == 0 ? 0 : sum / static_cast<double>(counted);
}

double TAveragePlotFunction::CalculateMany(const std::vector<TChartSeries*>& sources,
                                           int index) const {
  double sum = 0, v = 0;
  int counted = 0;
  for (const TChartSeries* s : sources) {
    if (!ValueAt(*s, index, v) || (!includeNulls_ && s->IsNull(index))) continue;
    sum += v;
    ++counted;
  }
  return counted == 0 ? 0 : sum / counted;
}
