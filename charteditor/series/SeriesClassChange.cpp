#include "charteditor/series/SeriesClassChange.h"

#include "chart/model/SeriesByClass.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TPlotFunction.h"

#include <memory>

bool ClassCanStandIn(const QMetaObject& seriesClass, const TChartSeries& series) {
  // A series of its own, in no chart: asking it changes nothing anywhere.
  std::unique_ptr<TChartSeries> probe(CreateSeriesOfClass(nullptr, nullptr, seriesClass));
  return probe && probe->IsValidSourceOf(&series);
}

void KeepSettingsAssignMisses(const TChartSeries& from, TChartSeries& to) {
  to.SetZOrder(from.ZOrder());
  TPlotFunction* mine = to.Function();
  const TPlotFunction* theirs = from.Function();
  if (mine && theirs && mine != theirs && mine->metaObject() == theirs->metaObject())
    mine->Assign(*theirs);
}

void ReplaceSeriesWithStyle(TChartSeries*& series, TChartSeries* replacement, int subStyle) {
  if (!series || !replacement) return;
  const int zOrder = series->ZOrder();
  ReplaceSeries(series, replacement);
  series->SetZOrder(zOrder);
  if (subStyle != 0) series->SetSubGallery(subStyle);
}
