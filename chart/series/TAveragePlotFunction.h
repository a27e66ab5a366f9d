#pragma once
// The mean of a source's values (per period or over the whole source), or
// of the sources' values point by point. Without IncludeNulls null points
// are left out; NaN values never count. The mean of nothing is 0.
#include "chart/model/TPlotFunction.h"

class TAveragePlotFunction : public TPlotFunction {
  Q_OBJECT
  Q_PROPERTY(bool IncludeNulls READ IncludeNulls WRITE SetIncludeNulls)
  Q_CLASSINFO("default:IncludeNulls", "true")

 public:
  explicit TAveragePlotFunction(QObject* owner = nullptr) : TPlotFunction(owner) {}

  bool IncludeNulls() const { return includeNulls_; }
  void SetIncludeNulls(bool value);

  double Calculate(const TChartSeries& source, int first, int last) const override;
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;

 private:
  bool includeNulls_ = true;
};
