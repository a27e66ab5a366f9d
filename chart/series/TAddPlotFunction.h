#pragma once
// The sum of a source's values (per period or over the whole source), or
// of the sources' values point by point.
#include "chart/model/TPlotFunction.h"

class TAddPlotFunction : public TPlotFunction {
  Q_OBJECT

 public:
  explicit TAddPlotFunction(QObject* owner = nullptr) : TPlotFunction(owner) {}

  double Calculate(const TChartSeries& source, int first, int last) const override;
  // Over the sources that have a value at `index`.
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;
};
