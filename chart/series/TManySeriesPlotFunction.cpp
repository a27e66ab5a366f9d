#include "chart/series/TManySeriesPlotFunction.h"

#include "chart/model/TChartSeries.h"

double TManySeriesPlotFunction::CalculateMany(const std::vector<TChartSeries*>& sources,
                                              int index) const {
  double folded = 0, v = 0;
  bool started = false;
  for (const TChartSeries* s : sources) {
    if (!ValueAt(*s, index, v)) continue;
    folded = started ? Combine(folded, v) : v;
    started = true;
  }
  return folded;
}
