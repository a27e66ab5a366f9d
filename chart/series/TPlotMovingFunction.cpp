#include "chart/series/TPlotMovingFunction.h"

#include "chart/core/TChartValueList.h"
#include "chart/model/TChartSeries.h"

#include <cstdint>

TPlotMovingFunction::TPlotMovingFunction(QObject* owner) : TPlotFunction(owner) {
  SetPeriod(1);
}

void TPlotMovingFunction::AddSourcePoints(const TChartSeries& source,
                                          const TChartValueList& xList) {
  const std::int64_t count = xList.Count();
  const std::int64_t n = PointsInPeriod(Period(), count);
  const auto x = xList.Values();
  for (std::int64_t i = n - 1; i < count; ++i) {
    AddFunctionXY(source.YMandatory(), x[static_cast<std::size_t>(i)],
                  Calculate(source, static_cast<int>(i - n + 1), static_cast<int>(i)));
  }
}
