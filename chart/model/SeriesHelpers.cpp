#include "chart/model/SeriesHelpers.h"

#include "chart/core/ChartPrompts.h"
#include "chart/model/TChartSeries.h"

#include <algorithm>
#include <span>

namespace {
constexpr int kValuesLooked = 10001;
constexpr int kLabelsLooked = 101;
}  // namespace

bool HasCustomXValues(const TChartSeries& series) {
  const int n = series.PointCount();
  if (n == 0) return false;
  const std::span<const double> values = series.NotMandatoryValueList()->Values();
  if (values.front() != 0 || values.back() != n - 1) return true;
  const int looked = std::min(n, kValuesLooked);
  for (int i = 0; i < looked; ++i)
    if (values[static_cast<size_t>(i)] != i) return true;
  return false;
}

bool HasOwnPointColors(const TChartSeries& series) {
  const int looked = std::min(series.PointCount(), kValuesLooked);
  for (int i = 0; i < looked; ++i) {
    const base::TColor c = series.GetValueColor(i);
    if (c != clPlotColor && c != series.SeriesColor()) return true;
  }
  return false;
}

bool HasPointLabels(const TChartSeries& series) {
  if (series.LabelCount() == 0) return false;
  const int looked = std::min({series.PointCount(), series.LabelCount(), kLabelsLooked});
  for (int i = 0; i < looked; ++i)
    if (!series.GetXLabel(i).isEmpty()) return true;
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
