// Stacked lines and areas: positions from the sums of the series below,
// negative values kept out of them, the clamp at the axis minimum on either
// axis direction, stack 100 % with a zero total, one shared mode set with
// one repaint, and the value ranges stacking gives.
#include "chart/core/ChartEngine.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TLineSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// The left axis spans 240 (value 0) up to 10 (value 10).
int Y(double v) {
  return static_cast<int>(std::lrint(240 - v * 23.0));
}
int YInv(double v) {
  return static_cast<int>(std::lrint(10 + v * 23.0));
}

class Stacking : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::vector<std::unique_ptr<TCustomSeries>> series;

  template <class S = TLineSeries>
  S& Add(const std::vector<double>& ys) {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    for (std::size_t i = 0; i < ys.size(); ++i) s->AddPointXY(double(i), ys[i]);
    series.push_back(std::move(s));
    return static_cast<S&>(*series.back());
  }
};

TEST_F(Stacking, PositionsFollowTheSumOfPositiveValuesBelow) {
  TLineSeries& a = Add({2, -1, 0});
  TLineSeries& b = Add({3, 4, 0});
  TAreaSeries& other = Add<TAreaSeries>({5, 5, 5});
  a.SetStacked(TCustomSeries::cssStack);
  EXPECT_EQ(b.Stacked(), TCustomSeries::cssStack);
  // An area is another class: it keeps its own mode.
  EXPECT_EQ(other.Stacked(), TCustomSeries::cssNone);
  const struct {
    const char* name;
    TCustomSeries::TCustomSeriesStack mode;
    int index;
    int want;
  } cases[] = {
      {"stack: 2 + 3", TCustomSeries::cssStack, 0, Y(5)},
      {"stack: the -1 below adds nothing", TCustomSeries::cssStack, 1, Y(4)},
      {"stack 100: (2 + 3) of 5", TCustomSeries::cssStack100, 0, Y(100 * 5 / 5.0)},
      // The left axis must show 0..100 for these.
      {"stack 100: a zero total sits at the position of 0", TCustomSeries::cssStack100, 2, Y(0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    a.SetStacked(c.mode);
    if (c.mode == TCustomSeries::cssStack100) {
      FakeDrawingChart::Scale(chart.left, 0, 100);
      const int want = c.index == 0 ? static_cast<int>(std::lrint(240 - 100 * 2.3)) : 240;
      EXPECT_EQ(b.CalcYPos(c.index), want);
      FakeDrawingChart::Scale(chart.left, 0, 10);
    } else {
      EXPECT_EQ(b.CalcYPos(c.index), c.want);
    }
  }
}

TEST_F(Stacking, OneModeChangeReachesEveryLineWithOneRepaint) {
  TLineSeries& a = Add({1});
  TLineSeries& b = Add({1});
  TLineSeries& c = Add({1});
  const int before = chart.invalidations;
  b.SetStacked(TCustomSeries::cssStack100);
  EXPECT_EQ(chart.invalidations - before, 1);
  for (TLineSeries* s : {&a, &b, &c}) EXPECT_EQ(s->Stacked(), TCustomSeries::cssStack100);
}

TEST_F(Stacking, StackedSeriesShareOneDepthSlotIn3D) {
  TLineSeries& a = Add({1});
  TLineSeries& b = Add({1});
  TAreaSeries& area = Add<TAreaSeries>({1});
  chart.host.is3D = true;
  auto slots = [&] {
    chart.maxZOrder = -1;
    for (auto& s : series) s->CalcZOrder();
  };
  slots();
  EXPECT_EQ(a.DepthSlot(), 0);
  EXPECT_EQ(b.DepthSlot(), 1) << "unstacked: a slot each";
  EXPECT_EQ(area.DepthSlot(), 2);
  a.SetStacked(TCustomSeries::cssStack);
  slots();
  EXPECT_EQ(b.DepthSlot(), a.DepthSlot()) << "stacked: the slot of the series below";
  EXPECT_EQ(area.DepthSlot(), a.DepthSlot() + 1);
  EXPECT_EQ(chart.maxZOrder, area.DepthSlot());
}

TEST_F(Stacking, ValueRangesOfStackedSeries) {
  TLineSeries& a = Add({2, 6, 1});
  TLineSeries& b = Add({3, 1, 4});
  a.SetStacked(TCustomSeries::cssStack);
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 7);  // 6 + 1
  EXPECT_DOUBLE_EQ(a.MaxYValue(), 6);
  a.SetStacked(TCustomSeries::cssStack100);
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 100);
  EXPECT_DOUBLE_EQ(b.MinYValue(), 0);
  TAreaSeries& area = Add<TAreaSeries>({2, 3});
  area.SetUseYOrigin(true);
  area.SetYOrigin(-4);
  EXPECT_DOUBLE_EQ(area.MinYValue(), -4);
  area.SetYOrigin(9);
  EXPECT_DOUBLE_EQ(area.MaxYValue(), 9);
  EXPECT_DOUBLE_EQ(area.MinYValue(), 2);
}

TEST_F(Stacking, AStackNeverCrossesTheAxisMinimumOnEitherDirection) {
  // -6 on 2 below: the sum -4 lies below the axis' 0.
  Add({2});
  TLineSeries& b = Add({-6});
  b.SetStacked(TCustomSeries::cssStack);
  EXPECT_EQ(b.CalcYPos(0), Y(0));
  chart.left.SetInverted(true);
  FakeDrawingChart::Scale(chart.left, 0, 10);
  EXPECT_EQ(b.CalcYPos(0), YInv(0));
  // Inside the range the inverted axis places the sum as usual.
  TLineSeries& c = Add({3});
  c.SetStacked(TCustomSeries::cssStack);
  EXPECT_EQ(c.CalcYPos(0), YInv(5));
}

TEST_F(Stacking, StackedAreasStartOnTheTopOfTheStackBelow) {
  TAreaSeries& a = Add<TAreaSeries>({2, 4});
  TAreaSeries& b = Add<TAreaSeries>({3, 1});
  a.SetMultiArea(TAreaSeries::maStacked);
  EXPECT_EQ(b.MultiArea(), TAreaSeries::maStacked);
  EXPECT_EQ(b.Stacked(), TCustomSeries::cssStack);
  EXPECT_EQ(a.GetOriginPos(0), Y(0));
  EXPECT_EQ(b.GetOriginPos(0), Y(2));
  EXPECT_EQ(b.GetOriginPos(1), Y(4));
  a.SetMultiArea(TAreaSeries::maNone);
  EXPECT_EQ(b.GetOriginPos(1), Y(0));
}

}  // namespace
