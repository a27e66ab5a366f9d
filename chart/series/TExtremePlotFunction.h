#pragma once
// The highest or lowest value of a source (per period or over the whole
// source), or of the sources' values point by point. The first value
// starts; a later one replaces it only when strictly beyond it.
#include "chart/model/TPlotFunction.h"

class TExtremePlotFunction : public TPlotFunction {
  Q_OBJECT

 public:
  explicit TExtremePlotFunction(QObject* owner = nullptr) : TPlotFunction(owner) {}

  // 0 when the range holds no value.
  double Calculate(const TChartSeries& source, int first, int last) const override;
  // The first source with a value at `index` starts, whatever its sign; 0
  // when none has one.
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;

 protected:
  virtual bool Beyond(double value, double extreme) const = 0;
  // The whole source's extreme, as its value list keeps it.
  virtual double WholeSource(const TChartValueList& list) const = 0;
};

class THighPlotFunction : public TExtremePlotFunction {
  Q_OBJECT

 public:
  explicit THighPlotFunction(QObject* owner = nullptr) : TExtremePlotFunction(owner) {}

 protected:
  bool Beyond(double value, double extreme) const override { return value > extreme; }
  double WholeSource(const TChartValueList& list) const override;
};

class TLowPlotFunction : public TExtremePlotFunction {
  Q_OBJECT

 public:
  explicit TLowPlotFunction(QObject* owner = nullptr) : TExtremePlotFunction(owner) {}

 protected:
  bool Beyond(double value, double extreme) const override { return value < extreme; }
  double WholeSource(const TChartValueList& list) const override;
};
