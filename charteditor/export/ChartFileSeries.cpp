#include "charteditor/export/ChartFileSeries.h"

#include "chart/model/TCustomAxisPanel.h"

namespace {
constexpr char kInternal[] = "veltranoInternalSeries";
}

void SetInternalSeries(TChartSeries& series, bool internal) {
  series.setProperty(kInternal, internal ? QVariant(true) : QVariant());
}

bool IsInternalSeries(const TChartSeries& series) {
  return series.property(kInternal).toBool();
}

std::vector<TChartSeries*> ChartFileSeries(const TCustomAxisPanel& chart) {
  std::vector<TChartSeries*> list;
  for (TChartSeries* s : chart.SeriesList()) {
    if (!IsInternalSeries(*s)) list.push_back(s);
  }
  return list;
}
