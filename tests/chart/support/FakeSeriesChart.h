#pragma once
// A chart for series tests without a panel: it records repaint requests and
// series events, approves any other series as a data source and refills a
// series from its source series.
#include "chart/model/TChartSeries.h"

#include <functional>
#include <utility>
#include <vector>

class FakeSeriesChart final : public ChartHost, public SeriesChart {
 public:
  int invalidations = 0;
  bool reading = false;
  std::vector<std::pair<ChartSeriesEvent, TPlotPersistent*>> events;
  // Called on every repaint request, so that tests can record its place.
  std::function<void()> onInvalidate;

  void Invalidate() override {
    ++invalidations;
    if (onInvalidate) onInvalidate();
  }
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) override {
    events.emplace_back(event, series);
  }
  bool ReadingStoredState() const override { return reading; }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}

  bool IsValidDataSource(const TChartSeries& series, const QObject* source) const override {
    const auto* s = qobject_cast<const TChartSeries*>(source);
    return s && s != &series && s->IsValidSeriesSource();
  }
  void CheckDatasource(TChartSeries& series) override {
    if (const auto* s = qobject_cast<const TChartSeries*>(series.DataSource()))
      series.AddValues(*s);
  }
};
