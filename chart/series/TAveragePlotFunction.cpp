#include "chart/series/TAveragePlotFunction.h"

#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartSeries.h"

#include <cstdint>

void TAveragePlotFunction::SetIncludeNulls(bool value) {
  if (Store(includeNulls_, value)) ReCalculate();
}

double TAveragePlotFunction::Calculate(const TChartSeries& source, int first, int last) const {
  const SeriesUserPoints points(source);
  const TChartValueList& list = SourceValueList(source);
  const IndexRange r = PointRange(points.Count(), first, last);
  double sum = 0;
  std::int64_t counted = 0;
  for (int i = r.first; i <= r.last; ++i) {
    const double v = points.Value(list, i);
    if (!Counts(v) || (!includeNulls_ && points.IsNull(i))) continue;
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
    if (!ValueAt(*s, index, v) || (!includeNulls_ && SeriesUserPoints(*s).IsNull(index))) continue;
    sum += v;
    ++counted;
  }
  return counted == 0 ? 0 : sum / counted;
}
