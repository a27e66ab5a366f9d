#include "charteditor/export/SeriesStoreFlags.h"

#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartSeries.h"

bool StoresCustomXValues(const TChartSeries& series) {
  const SeriesUserPoints points(series);
  const TChartValueList& x = *series.NotMandatoryValueList();
  for (int i = 0; i < points.Count(); ++i) {
    if (points.Value(x, i) != static_cast<double>(i)) return true;
  }
  return false;
}

bool StoresOwnPointColors(const TChartSeries& series) {
  if (!series.HasColorList()) return false;
  const SeriesUserPoints points(series);
  for (int i = 0; i < points.Count(); ++i) {
    if (points.OwnColor(i) != clPlotColor) return true;
  }
  return false;
}

bool StoresPointLabels(const TChartSeries& series) {
  const SeriesUserPoints points(series);
  const int n = std::min(series.LabelCount(), points.Count());
  for (int i = 0; i < n; ++i) {
    if (!points.Label(i).isEmpty()) return true;
  }
  return false;
}

std::uint8_t SeriesStoreFlags(const TChartSeries& series) {
  std::uint8_t flags = 0;
  if (StoresCustomXValues(series)) flags |= sfCustomX;
  if (StoresOwnPointColors(series)) flags |= sfOwnColors;
  if (StoresPointLabels(series)) flags |= sfLabels;
  if (series.Marks() && series.Marks()->Positions().ExistCustom()) flags |= sfMarkPositions;
  return flags;
}
