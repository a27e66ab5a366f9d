// What each function computes: over one source by whole source, by period
// of points or of X range, over several sources point by point, with NaN
// values and null points; and a sum or mean per period against a
// brute-force one on random sources.
#include "base/DateTime.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TExtremePlotFunction.h"
#include "chart/series/TManySeriesPlotFunction.h"
#include "chart/series/TPlotMovingFunction.h"
#include "tests/chart/series/FunctionSupport.h"
#include "tests/chart/support/TestSeriesTypes.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>
#include <string>

namespace {

using Make = std::function<TPlotFunction*()>;

template <class F>
Make With(double period = 0, TPlotFunction::TFunctionPeriodStyle style = TPlotFunction::psNumPoints,
          TPlotFunction::TFunctionPeriodAlign align = TPlotFunction::paCenter) {
  return [=] {
    auto* f = new F;
    f->SetPeriod(period);
    f->SetPeriodStyle(style);
    f->SetPeriodAlign(align);
    return f;
  };
}

Make Average(bool includeNulls, double period = 0) {
  return [=] {
    auto* f = new TAveragePlotFunction;
    f->SetIncludeNulls(includeNulls);
    f->SetPeriod(period);
    return f;
  };
}

template <class F>
Make Moving(double period) {
  return [=] {
    auto* f = new TMovingTestFunction<F>;
    f->SetPeriod(period);
    return f;
  };
}

enum class Owner { Bar, Line };

struct Case {
  std::string name;
  Make make;
  std::vector<std::vector<double>> sources;
  Points expected;
  Owner owner = Owner::Bar;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class FunctionValues : public testing::TestWithParam<Case> {
 protected:
  ChartEngineScope engine{RegisterSeriesTypes};
  FakeSeriesChart chart;
};

TEST_P(FunctionValues, MatchTheTable) {
  const Case& c = GetParam();
  std::vector<std::unique_ptr<TChartSeries>> owned;
  std::vector<TChartSeries*> sources;
  for (const auto& ys : c.sources) {
    owned.push_back(MakeSource(chart, ys));
    sources.push_back(owned.back().get());
  }
  std::unique_ptr<TChartSeries> out;
  if (c.owner == Owner::Line) {
    out = MakeFunctionSeries<TLineTestSeries>(chart, c.make(), sources);
  } else {
    out = MakeFunctionSeries<TBarTestSeries>(chart, c.make(), sources);
  }
  const Points got = PointsOf(*out);
  EXPECT_TRUE(SamePoints(got, c.expected)) << testing::PrintToString(got);
}

const std::vector<double> kTenApart = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};  // X 0..10
// NaN at the start, in the middle and at the end.
const std::vector<double> kGappy = {kNaN, 1, kNaN, 3, 5, kNaN};
using F = TPlotFunction;

const Case kCases[] = {
    // Several sources, point by point.
    {"AddLongerSourceAlone",
     With<TAddPlotFunction>(),
     {{1, 2, 3}, {10, 20, 30, 40, 50}},
     {{0, 11}, {1, 22}, {2, 33}, {3, 40}, {4, 50}}},
    {"DivideByZeroPassesOver", With<TDividePlotFunction>(), {{10, 12}, {0, 4}}, {{0, 10}, {1, 3}}},
    {"SubtractInSourceOrder", With<TSubtractPlotFunction>(), {{10}, {3}, {2}}, {{0, 5}}},
    {"MultiplySkipsNaN", With<TMultiplyPlotFunction>(), {{2, 3}, {4, kNaN}}, {{0, 8}, {1, 3}}},
    {"HighLoneNegative", With<THighPlotFunction>(), {{1}, {2, -5}}, {{0, 2}, {1, -5}}},
    {"HighAllNaNGivesZero", With<THighPlotFunction>(), {{kNaN}, {kNaN}}, {{0, 0}}},
    // One source over the whole of it.
    {"AverageWithoutNulls", Average(false), {{2, kNull, 4}}, {{1, 3}}},
    {"AverageWithNulls", Average(true), {{2, kNull, 4}}, {{1, 2}}},
    {"AverageDividesByWhatItSummed", Average(true), {{1, kNaN, 2, 4}}, {{1.5, 7.0 / 3}}},
    {"WholeSourceLineOwner",
     With<TAddPlotFunction>(),
     {kTenApart},
     {{0, 66}, {10, 66}},
     Owner::Line},
    {"WholeSourceBarOwner", With<TAddPlotFunction>(), {kTenApart}, {{5, 66}}},
    // Periods of points.
    {"PeriodTwoOverFive", With<TAddPlotFunction>(2), {{1, 2, 3, 4, 5}}, {{0.5, 3}, {2.5, 7}}},
    {"PeriodAlignLast",
     With<TAddPlotFunction>(2, F::psNumPoints, F::paLast),
     {{1, 2, 3, 4}},
     {{1, 3}, {3, 7}}},
    {"PeriodPointThree", With<TAddPlotFunction>(0.3), {{1, 2, 3}}, {{0, 1}, {1, 2}, {2, 3}}},
    {"PeriodHalf", With<TAddPlotFunction>(0.5), {{1, 2, 3}}, {{0, 1}, {1, 2}, {2, 3}}},
    {"PeriodLongerThanSource", With<TAddPlotFunction>(4), {{1, 2, 3}}, {}},
    {"MovingPeriodHalf", Moving<TAddPlotFunction>(0.5), {{1, 2, 3}}, {{0, 1}, {1, 2}, {2, 3}}},
    // Periods of X range: points 0-1, 2-3, 4; the upper reference stops
    // a thousandth of the period short of the next start.
    {"RangeFirst",
     With<TAddPlotFunction>(2, F::psRange, F::paFirst),
     {{1, 2, 3, 4, 5}},
     {{0, 3}, {2, 7}, {4, 5}}},
    {"RangeLast",
     With<TAddPlotFunction>(2, F::psRange, F::paLast),
     {{1, 2, 3, 4, 5}},
     {{1.998, 3}, {3.998, 7}, {5.998, 5}}},
    // NaN at the start, middle and end: every function skips it alike.
    {"GappySumWhole", With<TAddPlotFunction>(), {kGappy}, {{2.5, 9}}},
    {"GappyAverageWhole", Average(true), {kGappy}, {{2.5, 3}}},
    {"GappyHighWhole", With<THighPlotFunction>(), {kGappy}, {{2.5, 5}}},
    {"GappyLowWhole", With<TLowPlotFunction>(), {kGappy}, {{2.5, 1}}},
    {"GappySumPeriodOne",
     With<TAddPlotFunction>(1, F::psNumPoints, F::paFirst),
     {kGappy},
     {{0, 0}, {1, 1}, {2, 0}, {3, 3}, {4, 5}, {5, 0}}},
    {"GappySumPeriodThree",
     With<TAddPlotFunction>(3, F::psNumPoints, F::paFirst),
     {kGappy},
     {{0, 1}, {3, 8}}},
    {"GappyAveragePeriodThree", Average(true, 3), {kGappy}, {{1, 1}, {4, 4}}},
    {"GappyHighPeriodThree",
     With<THighPlotFunction>(3, F::psNumPoints, F::paFirst),
     {kGappy},
     {{0, 1}, {3, 5}}},
    {"GappyLowPeriodThree",
     With<TLowPlotFunction>(3, F::psNumPoints, F::paFirst),
     {kGappy},
     {{0, 1}, {3, 3}}},
    {"GappySumMoving", Moving<TAddPlotFunction>(3), {kGappy}, {{2, 1}, {3, 4}, {4, 8}, {5, 8}}},
    {"GappyAverageMoving",
     Moving<TAveragePlotFunction>(3),
     {kGappy},
     {{2, 1}, {3, 2}, {4, 4}, {5, 4}}},
    {"GappyHighMoving", Moving<THighPlotFunction>(3), {kGappy}, {{2, 1}, {3, 3}, {4, 5}, {5, 5}}},
    {"GappyLowMoving", Moving<TLowPlotFunction>(3), {kGappy}, {{2, 1}, {3, 1}, {4, 3}, {5, 3}}},
    // Three sources, NaN at the start, middle and end of one each.
    {"GappySumMany",
     With<TAddPlotFunction>(3),
     {{kNaN, 1, 2}, {3, kNaN, 4}, {5, 6, kNaN}},
     {{0, 8}, {1, 7}, {2, 6}}},
    {"GappyAverageMany",
     Average(true, 1),
     {{kNaN, 1, 2}, {3, kNaN, 4}, {5, 6, kNaN}},
     {{0, 4}, {1, 3.5}, {2, 3}}},
    {"GappyHighMany",
     With<THighPlotFunction>(),
     {{kNaN, 1, 2}, {3, kNaN, 4}, {5, 6, kNaN}},
     {{0, 5}, {1, 6}, {2, 4}}},
    {"GappyLowMany",
     With<TLowPlotFunction>(),
     {{kNaN, 1, 2}, {3, kNaN, 4}, {5, 6, kNaN}},
     {{0, 3}, {1, 1}, {2, 2}}},
    {"AverageManyWithNulls", Average(true), {{1}, {kNull}, {4}}, {{0, 5.0 / 3}}},
    {"AverageManyWithoutNulls", Average(false), {{1}, {kNull}, {4}}, {{0, 2.5}}},
};

INSTANTIATE_TEST_SUITE_P(Functions, FunctionValues, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

class FunctionPeriods : public testing::Test {
 protected:
  ChartEngineScope engine{RegisterSeriesTypes};
  FakeSeriesChart chart;
};

TEST_F(FunctionPeriods, RangeBelowTheResolutionOfXEndsWithAPointPerSourcePoint) {
  // 1e20 + 1 is 1e20: no period reaches past its start.
  for (double period : {1.0, 1e-300}) {
    SCOPED_TRACE(period);
    auto source = std::make_unique<TChartSeries>();
    source->SetParentChart(&chart);
    for (int i = 0; i < 6; ++i) source->AddPointXY(1e20 + i * 16384.0, i + 1);
    source->AddPointXY(kNaN, 7);  // a NaN X never ends a period either
    auto out = MakeFunctionSeries(chart, With<TAddPlotFunction>(period, TPlotFunction::psRange)(),
                                  {source.get()});
    EXPECT_LE(out->PointCount(), source->PointCount() + 1);
    EXPECT_GE(out->PointCount(), 1);
  }
}

class CalendarChart final : public TCustomAxisPanel {
 public:
  using TCustomAxisPanel::TCustomAxisPanel;
  void InternalDraw(const TRect&) override {}
};

TEST_F(FunctionPeriods, MonthPeriodsFollowTheCalendarOnAnExactDateAxis) {
  // 15 Jan, 20 Jan, 31 Jan, 1 Feb, 20 Feb, 3 Mar: by the calendar the
  // first month ends on 1 Feb, by thirty days on 14 Feb.
  const std::vector<base::TDateTime> days = {
      base::EncodeDate(2024, 1, 15), base::EncodeDate(2024, 1, 20), base::EncodeDate(2024, 1, 31),
      base::EncodeDate(2024, 2, 1),  base::EncodeDate(2024, 2, 20), base::EncodeDate(2024, 3, 3)};
  struct Case {
    bool exact;
    std::vector<double> sums;
  } cases[] = {{true, {3, 2, 1}}, {false, {4, 2}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exact);
    CalendarChart panel;
    panel.BottomAxis()->SetExactDateTime(c.exact);
    TChartSeries source;
    source.XValues()->SetDateTime(true);
    source.SetParentChart(&panel);
    for (base::TDateTime d : days) source.AddPointXY(d, 1);
    TChartSeries sum;
    sum.SetParentChart(&panel);
    sum.SetFunction(With<TAddPlotFunction>(30, TPlotFunction::psRange, TPlotFunction::paFirst)());
    sum.SetDataSource(&source);
    std::vector<double> got;
    for (int i = 0; i < sum.PointCount(); ++i) got.push_back(sum.GetYValue(i));
    EXPECT_EQ(got, c.sums);
  }
}

TEST_F(FunctionPeriods, ReadTheNamedListAndFollowAHorizontalSource) {
  TTaskTestSeries tasks;
  tasks.SetParentChart(&chart);
  tasks.AddTask(0, 1, 10);
  tasks.AddTask(1, 2, 20);
  TBarTestSeries named;
  named.SetParentChart(&chart);
  named.YValues()->SetValueSource(QStringLiteral("nexttask"));
  named.SetFunction(new TAddPlotFunction);
  named.SetDataSource(&tasks);
  EXPECT_TRUE(SamePoints(PointsOf(named), {{0.5, 30}}));

  // Mandatory X: the sum of X stands at the middle of Y, exchanged back.
  TRecordingTestSeries across;
  across.MakeHorizontal();
  across.SetParentChart(&chart);
  across.AddPointXY(1, 0);
  across.AddPointXY(2, 4);
  TBarTestSeries sum;
  sum.SetParentChart(&chart);
  sum.SetFunction(new TAddPlotFunction);
  sum.SetDataSource(&across);
  EXPECT_TRUE(SamePoints(PointsOf(sum), {{3, 2}}));
}

TEST_F(FunctionPeriods, BadPeriodIsRefusedAndTheOldOneStays) {
  TAddPlotFunction f;
  f.SetPeriod(2);
  for (double bad : {-1.0, kNaN, std::numeric_limits<double>::infinity()}) {
    try {
      f.SetPeriod(bad);
      FAIL() << bad << " accepted";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.message(), QStringLiteral("Function Period should be >= 0"));
    }
    EXPECT_EQ(f.Period(), 2);
  }
}

TEST_F(FunctionPeriods, SumAndMeanPerWholePeriodMatchBruteForce) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    const int count = std::uniform_int_distribution<int>(0, 60)(random);
    const int n = std::uniform_int_distribution<int>(1, 70)(random);
    SCOPED_TRACE(testing::Message() << "seed " << seed << " count " << count << " n " << n);
    auto source = std::make_unique<TChartSeries>();
    source->SetParentChart(&chart);
    std::vector<double> xs, ys;
    double x = 0;
    for (int i = 0; i < count; ++i) {
      x += std::uniform_real_distribution<double>(0.1, 10)(random);
      xs.push_back(x);
      ys.push_back(std::uniform_real_distribution<double>(-1e3, 1e3)(random));
      source->AddPointXY(xs.back(), ys.back());
    }
    auto sum = MakeFunctionSeries(chart, With<TAddPlotFunction>(n)(), {source.get()});
    auto mean = MakeFunctionSeries(chart, Average(true, n)(), {source.get()});
    Points wantSum, wantMean;
    for (int p = 0; p + 1 <= count / n; ++p) {
      double s = 0;
      for (int i = p * n; i < (p + 1) * n; ++i) s += ys[static_cast<std::size_t>(i)];
      const double mid =
          (xs[static_cast<std::size_t>(p * n)] + xs[static_cast<std::size_t>((p + 1) * n - 1)]) / 2;
      wantSum.emplace_back(mid, s);
      wantMean.emplace_back(mid, s / n);
    }
    EXPECT_EQ(sum->PointCount(), count / n);
    EXPECT_TRUE(SamePoints(PointsOf(*sum), wantSum));
    EXPECT_TRUE(SamePoints(PointsOf(*mean), wantMean));
  }
}

TEST_F(FunctionPeriods, RegisteredForTheGalleryInOrder) {
  QStringList names;
  for (int i = 0; i < PlotSeriesTypes().Count(); ++i) {
    const TPlotSeriesType& t = PlotSeriesTypes()[i];
    if (t.FunctionClass && !t.SeriesClass) names << t.DescriptionText();
  }
  EXPECT_EQ(names,
            QStringList({"Add", "Subtract", "Multiply", "Divide", "High", "Low", "Average"}));
  auto* made = ChartClasses().Create(QStringLiteral("TAveragePlotFunction"), nullptr);
  EXPECT_NE(qobject_cast<TAveragePlotFunction*>(made), nullptr);
  delete made;
}

}  // namespace
