#include "chart/series/TPlotMovingFunction.h"

#include "chart/core/TChartValueList.h"
#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartSeries.h"

#include <cstdint>

TPlotMovingFunction::TPlotMovingFunction(QObject* owner) : TPlotFunction(owner) {
  SetPeriod(1);
}

void TPlotMovingFunction::AddSourcePoints(const TChartSeries& source,
                                          const TChartValueList& xList) {
  const SeriesUserPoints points(source);
  const std::int64_t count = points.Count();
  const std::int64_t n = PointsInPeriod(Period(), count);
  for (std::int64_t i = n - 1; i < count; ++i) {
    AddFunctionXY(source.YMandatory(), points.Value(xList, static_cast<int>(i)),
                  Calculate(source, static_cast<int>(i - n + 1), static_cast<int>(i)));
  }
}
