#pragma once
// A chart host that only records what its elements ask of it, for tests of
// elements without a panel.
#include "chart/core/ChartHost.h"

#include <utility>
#include <vector>

class FakeChartHost final : public ChartHost {
 public:
  int invalidations = 0;
  bool reading = false;
  std::vector<std::pair<ChartSeriesEvent, TPlotPersistent*>> events;
  std::vector<TPlotPersistent*> attached;
  std::vector<TPlotPersistent*> detached;

  void Invalidate() override { ++invalidations; }
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) override {
    events.emplace_back(event, series);
  }
  bool ReadingStoredState() const override { return reading; }
  void ElementAttached(TPlotPersistent* element) override { attached.push_back(element); }
  void ElementDetached(TPlotPersistent* element) override { detached.push_back(element); }
};
