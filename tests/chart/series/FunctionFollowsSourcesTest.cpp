// A function series follows its sources: one point added or deleted
// outside an update recomputes it, an update recomputes it once at its
// end, and a chain of functions refills each link once per change.
#include "chart/core/ChartEngine.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TExtremePlotFunction.h"
#include "tests/chart/series/FunctionSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class FunctionFollowsSources : public testing::Test {
 protected:
  ChartEngineScope engine{RegisterSeriesTypes};
  FakeSeriesChart chart;
};

TEST_F(FunctionFollowsSources, ChainRefillsEachLinkOncePerChange) {
  // A -> B = mean of A per two points -> C = highest of B, with a plain
  // copy D of B beside C.
  auto a = MakeSource(chart, {1, 3, 5, 7});
  auto* mean = new TAveragePlotFunction;
  mean->SetPeriod(2);
  auto b = MakeFunctionSeries(chart, mean, {a.get()});
  auto c = MakeFunctionSeries(chart, new THighPlotFunction, {b.get()});
  auto d = MakeFunctionSeries(chart, nullptr, {b.get()});
  int refillsB = 0, refillsC = 0;
  b->OnClearValues = [&](TChartSeries&) { ++refillsB; };
  c->OnClearValues = [&](TChartSeries&) { ++refillsC; };

  struct Step {
    std::string what;
    std::function<void()> change;
    Points b, c;
  } steps[] = {
      {"add", [&] { a->Add(9); }, {{0.5, 2}, {2.5, 6}}, {{1.5, 6}}},
      {"add completing a period",
       [&] { a->Add(11); },
       {{0.5, 2}, {2.5, 6}, {4.5, 10}},
       {{2.5, 10}}},
      {"delete", [&] { a->Delete(0); }, {{1.5, 4}, {3.5, 8}}, {{2.5, 8}}},
      {"fill inside an update",
       [&] {
         a->BeginUpdate();
         a->AddPointXY(6, 13);
         a->AddPointXY(7, 15);
         a->EndUpdate();
       },
       {{1.5, 4}, {3.5, 8}, {5.5, 12}},
       {{3.5, 12}}},
      {"clear", [&] { a->ClearValues(); }, {}, {}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    refillsB = refillsC = 0;
    s.change();
    EXPECT_TRUE(SamePoints(PointsOf(*b), s.b)) << testing::PrintToString(PointsOf(*b));
    EXPECT_TRUE(SamePoints(PointsOf(*c), s.c)) << testing::PrintToString(PointsOf(*c));
    EXPECT_TRUE(SamePoints(PointsOf(*d), s.b));
    EXPECT_EQ(refillsB, 1);
    EXPECT_EQ(refillsC, 1);
  }
}

TEST_F(FunctionFollowsSources, RefillReachesAFunctionBehindPlainCopies) {
  // S -> A -> D copy their sources; E sums D. A refills when S's update
  // ends, and D follows it point by point: E still recomputes once.
  auto s = MakeSource(chart, {1, 2});
  auto a = MakeFunctionSeries(chart, nullptr, {s.get()});
  auto d = MakeFunctionSeries(chart, nullptr, {a.get()});
  auto e = MakeFunctionSeries(chart, new TAddPlotFunction, {d.get()});
  int refillsE = 0;
  e->OnClearValues = [&](TChartSeries&) { ++refillsE; };
  s->BeginUpdate();
  s->Add(3);
  s->Add(4);
  s->EndUpdate();
  EXPECT_TRUE(SamePoints(PointsOf(*e), {{1.5, 10}}));
  EXPECT_EQ(refillsE, 1);
}

TEST_F(FunctionFollowsSources, OnePointOutsideAnUpdateRecomputesAtOnce) {
  struct Case {
    std::string name;
    TChartSeries::TRecalcOptions when;
    bool inUpdate;
    double afterAdd, afterDelete;  // the sum, or what it was
  } cases[] = {
      {"all flags", TChartSeries::TRecalcOptions(0xF), false, 10, 9},
      {"no insert", TChartSeries::rwDelete, false, 6, 9},
      {"no delete", TChartSeries::rwInsert, false, 10, 10},
      {"inside an update", TChartSeries::TRecalcOptions(0xF), true, 6, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto a = MakeSource(chart, {1, 2, 3});
    auto sum = MakeFunctionSeries(chart, new TAddPlotFunction, {a.get()});
    sum->SetRecalcWhen(c.when);
    if (c.inUpdate) a->BeginUpdate();
    a->Add(4);
    ASSERT_EQ(sum->PointCount(), 1);
    EXPECT_EQ(sum->GetYValue(0), c.afterAdd);
    a->Delete(0);
    ASSERT_EQ(sum->PointCount(), 1);
    EXPECT_EQ(sum->GetYValue(0), c.afterDelete);
    if (c.inUpdate) {
      a->EndUpdate();
      EXPECT_EQ(sum->GetYValue(0), 9);  // one refresh at the end
    }
  }
}

TEST_F(FunctionFollowsSources, ClearingOneOfSeveralSourcesKeepsTheOthers) {
  auto a = MakeSource(chart, {1, 2});
  auto b = MakeSource(chart, {10, 20});
  auto sum = MakeFunctionSeries(chart, new TAddPlotFunction, {a.get(), b.get()});
  ASSERT_TRUE(SamePoints(PointsOf(*sum), {{0, 11}, {1, 22}}));
  a->ClearValues();
  EXPECT_TRUE(SamePoints(PointsOf(*sum), {{0, 10}, {1, 20}}));
}

TEST_F(FunctionFollowsSources, SettingsRecalculate) {
  auto a = MakeSource(chart, {1, kNull, 3, 5});
  auto* f = new TAveragePlotFunction;
  auto mean = MakeFunctionSeries(chart, f, {a.get()});
  EXPECT_EQ(mean->GetYValue(0), 9.0 / 4);
  f->SetIncludeNulls(false);
  EXPECT_EQ(mean->GetYValue(0), 3);
  f->BeginUpdate();
  f->SetPeriod(2);
  f->SetPeriodAlign(TPlotFunction::paFirst);
  EXPECT_EQ(mean->PointCount(), 1);  // not yet
  f->EndUpdate();
  EXPECT_TRUE(SamePoints(PointsOf(*mean), {{0, 1}, {2, 4}}));
  f->SetPeriodStyle(TPlotFunction::psRange);
  f->SetPeriod(3);
  EXPECT_TRUE(SamePoints(PointsOf(*mean), {{0, 2}, {3, 5}}));
}

}  // namespace

namespace {

TEST_F(FunctionFollowsSources, FunctionGivenToAnotherSeriesLeavesItsOldOwner) {
  auto a = MakeSource(chart, {1, 2});
  auto* f = new TAddPlotFunction;
  auto first = MakeFunctionSeries(chart, f, {a.get()});
  auto second = MakeFunctionSeries(chart, nullptr, {a.get()});
  second->SetFunction(f);
  EXPECT_EQ(first->Function(), nullptr);
  EXPECT_EQ(f->ParentSeries(), second.get());
  // The old owner copies its source again; the new one computes.
  a->Add(3);
  EXPECT_TRUE(SamePoints(PointsOf(*first), {{0, 1}, {1, 2}, {2, 3}}));
  EXPECT_TRUE(SamePoints(PointsOf(*second), {{1, 6}}));
  first->SetFunction(nullptr);
  EXPECT_EQ(second->Function(), f);
}

}  // namespace
