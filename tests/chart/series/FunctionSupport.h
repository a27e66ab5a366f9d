#pragma once
// Sources and function series for the function tests: a source from a list
// of Y values (X = point number, a null point where `kNull` stands), and a
// series of a given type computed from sources through a function.
#include "chart/model/TChartSeries.h"
#include "chart/model/TPlotFunction.h"
#include "chart/series/TPlotMovingFunction.h"
#include "tests/chart/support/FakeSeriesChart.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Stands for a null point in a list of values.
inline constexpr double kNull = -1e300;

using Points = std::vector<std::pair<double, double>>;

// A moving window computing what F computes over a range.
template <class F>
class TMovingTestFunction : public TPlotMovingFunction {
 public:
  TMovingTestFunction() { inner_.SetParentSeries(nullptr); }
  double Calculate(const TChartSeries& source, int first, int last) const override {
    return inner_.Calculate(source, first, last);
  }

 private:
  F inner_;
};

inline std::unique_ptr<TChartSeries> MakeSource(FakeSeriesChart& chart,
                                                const std::vector<double>& ys) {
  auto s = std::make_unique<TChartSeries>();
  s->SetParentChart(&chart);
  for (double y : ys) {
    if (y == kNull) {
      s->AddNull();
    } else {
      s->Add(y);
    }
  }
  return s;
}

// A series of type S in `chart`, computed by `function` from `sources`.
template <class S = TChartSeries>
std::unique_ptr<S> MakeFunctionSeries(FakeSeriesChart& chart, TPlotFunction* function,
                                      const std::vector<TChartSeries*>& sources) {
  auto s = std::make_unique<S>();
  s->SetParentChart(&chart);
  s->SetFunction(function);
  // A chart reading a stored chart lets a series take several sources.
  for (std::size_t i = 0; i < sources.size(); ++i) {
    chart.reading = i > 0;
    s->SetDataSource(sources[i]);
  }
  chart.reading = false;
  s->CheckDataSource();
  return s;
}

inline Points PointsOf(const TChartSeries& s) {
  Points out;
  for (int i = 0; i < s.PointCount(); ++i) out.emplace_back(s.GetXValue(i), s.GetYValue(i));
  return out;
}

// Equal point lists, NaN equal to NaN.
inline bool SamePoints(const Points& a, const Points& b) {
  if (a.size() != b.size()) return false;
  const auto same = [](double x, double y) {
    return (std::isnan(x) && std::isnan(y)) || std::abs(x - y) <= 1e-9 * (1 + std::abs(y));
  };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!same(a[i].first, b[i].first) || !same(a[i].second, b[i].second)) return false;
  return true;
}
