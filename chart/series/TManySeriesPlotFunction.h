#pragma once
// Functions that fold several sources point by point, in source order:
// the first source with a value at the point starts, each later one is
// combined with what has been folded so far (subtract, multiply, divide).
// Over a single source they compute 0.
#include "chart/model/TPlotFunction.h"

class TManySeriesPlotFunction : public TPlotFunction {
  Q_OBJECT

 public:
  explicit TManySeriesPlotFunction(QObject* owner = nullptr) : TPlotFunction(owner) {}

  // 0 when no source has a value at `index`.
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const override;

 protected:
  virtual double Combine(double accumulated, double value) const = 0;
};

class TSubtractPlotFunction : public TManySeriesPlotFunction {
  Q_OBJECT

 public:
  explicit TSubtractPlotFunction(QObject* owner = nullptr) : TManySeriesPlotFunction(owner) {}

 protected:
  double Combine(double accumulated, double value) const override { return accumulated - value; }
};

class TMultiplyPlotFunction : public TManySeriesPlotFunction {
  Q_OBJECT

 public:
  explicit TMultiplyPlotFunction(QObject* owner = nullptr) : TManySeriesPlotFunction(owner) {}

 protected:
  double Combine(double accumulated, double value) const override { return accumulated * value; }
};

class TDividePlotFunction : public TManySeriesPlotFunction {
  Q_OBJECT

 public:
  explicit TDividePlotFunction(QObject* owner = nullptr) : TManySeriesPlotFunction(owner) {}

 protected:
  // A divisor of 0 is passed over.
  double Combine(double accumulated, double value) const override {
    return value == 0 ? accumulated : accumulated / value;
  }
};
