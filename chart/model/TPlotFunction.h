#pragma once
// The base of the functions that compute a series from its data sources
// (a sum, an average of periods). A series with a function is refilled
// through it instead of copying its sources' points; the concrete
// functions live with the series types.
#include "chart/core/TPlotPersistent.h"

#include <QPointer>

#include <vector>

class TChartSeries;

class TPlotFunction : public TPlotPersistent {
  Q_OBJECT

 public:
  explicit TPlotFunction(QObject* owner = nullptr);

  // The series the function fills.
  TChartSeries* ParentSeries() const { return parentSeries_; }
  void SetParentSeries(TChartSeries* series) { parentSeries_ = series; }

  // Refills the parent series from `sources`.
  virtual void AddPoints(const std::vector<TChartSeries*>& sources) = 0;
  // Takes the settings of another function of the same class.
  virtual void Assign(const TPlotFunction& source);

 private:
  QPointer<TChartSeries> parentSeries_;
};
