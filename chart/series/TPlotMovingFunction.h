#pragma once
// A function over a moving window: one point per source point from the
// Period-th on, computed over that point and the Period - 1 before it (a
// moving average, for one). Period counts points and starts at 1.
#include "chart/model/TPlotFunction.h"

class TPlotMovingFunction : public TPlotFunction {
  Q_OBJECT
  Q_CLASSINFO("default:Period", "1")

 public:
  explicit TPlotMovingFunction(QObject* owner = nullptr);

 protected:
  void AddSourcePoints(const TChartSeries& source, const TChartValueList& xList) override;
};
