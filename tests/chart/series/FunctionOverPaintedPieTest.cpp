// A function fed by a pie computes from the slices the user gave: the
// Other slice a paint adds (which holds the small slices already) and the
// marks it leaves on the slices it gathers change nothing, however often
// the chart paints.
#include "chart/core/ChartEngine.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TExtremePlotFunction.h"
#include "chart/series/TPieSeries.h"
#include "tests/chart/series/FunctionSupport.h"
#include "tests/chart/support/TestSeriesTypes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

struct Case {
  const char* name;
  std::function<TPlotFunction*()> make;
  // Computed from the slices 50, 4, 30, 3, 8, 5 at X 0..5.
  Points expected;
  bool levelLine = false;
  // A second source beside the pie, point by point.
  std::vector<double> beside{};
};

template <class F>
std::function<TPlotFunction*()> Over(
    double period = 0, TPlotFunction::TFunctionPeriodStyle style = TPlotFunction::psNumPoints) {
  return [=]() -> TPlotFunction* {
    auto* f = new F;
    f->SetPeriod(period);
    f->SetPeriodStyle(style);
    return f;
  };
}

class FunctionOverPaintedPie : public testing::Test {
 protected:
  ChartEngineScope engine{RegisterSeriesTypes};
  FakeSeriesChart chart;
  TPieSeries pie;

  FunctionOverPaintedPie() {
    pie.SetParentChart(&chart);
    for (double v : {50, 4, 30, 3, 8, 5}) pie.Add(v);
    // The four slices below 10 % go into Other.
    pie.OtherSlice()->SetStyle(TPieOtherSlice::poBelowPercent);
    pie.OtherSlice()->SetValue(10);
  }
};

TEST_F(FunctionOverPaintedPie, GivesTheSameBeforeAndAfterEachPaint) {
  const Case cases[] = {
      {"sum", Over<TAddPlotFunction>(), {{2.5, 100}}},
      {"sum as a level line", Over<TAddPlotFunction>(), {{0, 100}, {5, 100}}, true},
      {"average", Over<TAveragePlotFunction>(), {{2.5, 100.0 / 6}}},
      {"high", Over<THighPlotFunction>(), {{2.5, 50}}},
      {"low", Over<TLowPlotFunction>(), {{2.5, 3}}},
      {"sum of two points", Over<TAddPlotFunction>(2), {{0.5, 54}, {2.5, 33}, {4.5, 13}}},
      {"sum of an X range of 2",
       Over<TAddPlotFunction>(2, TPlotFunction::psRange),
       {{0.999, 54}, {2.999, 33}, {4.999, 13}}},
      {"moving sum of three",
       Over<TMovingTestFunction<TAddPlotFunction>>(3),
       {{2, 84}, {3, 37}, {4, 41}, {5, 16}}},
      {"sum with a shorter source beside",
       Over<TAddPlotFunction>(),
       {{0, 51}, {1, 5}, {2, 30}, {3, 3}, {4, 8}, {5, 5}},
       false,
       {1, 1}},
      {"average with a longer source beside",
       Over<TAveragePlotFunction>(),
       {{0, 25}, {1, 2}, {2, 15}, {3, 1.5}, {4, 4}, {5, 2.5}, {6, 7}},
       false,
       {0, 0, 0, 0, 0, 0, 7}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TChartSeries> beside;
    std::vector<TChartSeries*> sources{&pie};
    if (!c.beside.empty()) {
      beside = MakeSource(chart, c.beside);
      sources.push_back(beside.get());
    }
    std::unique_ptr<TChartSeries> out;
    if (c.levelLine) {
      out = MakeFunctionSeries<TLineTestSeries>(chart, c.make(), sources);
    } else {
      out = MakeFunctionSeries<TBarTestSeries>(chart, c.make(), sources);
    }
    EXPECT_TRUE(SamePoints(PointsOf(*out), c.expected)) << testing::PrintToString(PointsOf(*out));
    for (int paint = 1; paint <= 2; ++paint) {
      SCOPED_TRACE(paint);
      pie.DoBeforeDrawChart();
      ASSERT_GE(pie.PaintedPointIndex(), 0);
      out->CheckDataSource();
      EXPECT_TRUE(SamePoints(PointsOf(*out), c.expected)) << testing::PrintToString(PointsOf(*out));
    }
    pie.ReleasePaintedPoints();
  }
}

}  // namespace
