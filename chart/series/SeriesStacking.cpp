#include "chart/series/SeriesStacking.h"

#include "chart/model/SeriesChart.h"
#include "chart/model/TChartSeries.h"

bool SameStackClass(const TChartSeries& series, const TChartSeries& other) {
  return other.Active() && other.metaObject()->inherits(series.metaObject());
}

double PositiveStackSum(const TChartSeries& series, int index, bool belowOnly,
                        const StackMember& member) {
  return SignedStackSum(series, index, belowOnly, false, member);
}

double SignedStackSum(const TChartSeries& series, int index, bool belowOnly, bool negatives,
                      const StackMember& member) {
  const auto* chart = dynamic_cast<const SeriesDrawingChart*>(series.ParentChart());
  if (!chart) return 0;
  double sum = 0;
  for (const TChartSeries* other : chart->SeriesList()) {
    if (belowOnly && other == &series) break;
    if (!member(series, *other) || other->PointCount() <= index) continue;
    const double value = other->GetOriginValue(index);
    if (negatives ? value < 0 : value > 0) sum += value;
  }
  return sum;
}
