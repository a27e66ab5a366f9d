#include "charteditor/export/SeriesStoreFlags.h"

#include "chart/model/TChartSeries.h"

bool HasCustomXValues(const TChartSeries& series) {
  const auto values = series.NotMandatoryValueList()->Values();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != static_cast<double>(i)) return true;
  }
  return false;
}

bool HasOwnPointColors(const TChartSeries& series) {
  if (!series.HasColorList()) return false;
  for (int i = 0; i < series.PointCount(); ++i) {
    if (series.PointOwnColor(i) != clPlotColor) return true;
  }
  return false;
}

bool HasPointLabels(const TChartSeries& series) {
  const int n = std::min(series.LabelCount(), series.PointCount());
  for (int i = 0; i < n; ++i) {
    if (!series.GetXLabel(i).isEmpty()) return true;
  }
  return false;
}

std::uint8_t SeriesStoreFlags(const TChartSeries& series) {
  std::uint8_t flags = 0;
  if (HasCustomXValues(series)) flags |= sfCustomX;
  if (HasOwnPointColors(series)) flags |= sfOwnColors;
  if (HasPointLabels(series)) flags |= sfLabels;
  if (series.Marks() && series.Marks()->Positions().ExistCustom()) flags |= sfMarkPositions;
  return flags;
}
