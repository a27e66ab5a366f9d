#include "chart/model/SeriesHelpers.h"

#include "chart/core/ChartPrompts.h"
#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartSeries.h"

#include <algorithm>

namespace {
constexpr int kValuesLooked = 10001;
constexpr int kLabelsLooked = 101;
}  // namespace

bool HasCustomXValues(const TChartSeries& series) {
  const SeriesUserPoints points(series);
  const int n = points.Count();
  if (n == 0) return false;
  const TChartValueList& x = *series.NotMandatoryValueList();
  if (points.Value(x, 0) != 0 || points.Value(x, n - 1) != n - 1) return true;
  const int looked = std::min(n, kValuesLooked);
  for (int i = 0; i < looked; ++i)
    if (points.Value(x, i) != i) return true;
  return false;
}

bool HasOwnPointColors(const TChartSeries& series) {
  const SeriesUserPoints points(series);
  const int looked = std::min(points.Count(), kValuesLooked);
  for (int i = 0; i < looked; ++i) {
    const base::TColor c = points.Color(i);
    if (c != clPlotColor && c != series.SeriesColor()) return true;
  }
  return false;
}

bool HasPointLabels(const TChartSeries& series) {
  if (series.LabelCount() == 0) return false;
  const SeriesUserPoints points(series);
  const int looked = std::min({points.Count(), series.LabelCount(), kLabelsLooked});
  for (int i = 0; i < looked; ++i)
    if (!points.Label(i).isEmpty()) return true;
  return false;
}

QString SplitInLines(const QString& text, const QString& separator) {
  if (separator.isEmpty()) return text;
  QString result = text;
  return result.replace(separator, QStringLiteral("\r"));
}

void ShowErrorMessage(const QString& text) {
  Prompts().Error(text);
}
