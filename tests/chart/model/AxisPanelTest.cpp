// The axis panel's series list (events, checked indices), the range the
// series give each axis, and paging.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TCustomAxisPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class TestAxisPanel final : public TCustomAxisPanel {
 public:
  void InternalDraw(const TRect&) override {}
};

class EventLog final : public TPlotEventListener {
 public:
  std::vector<std::pair<int, TPlotPersistent*>> series;
  int pageChanges = 0;
  void PlotEvent(TPlotEvent& event) override {
    if (auto* e = dynamic_cast<TPlotSeriesEvent*>(&event)) series.emplace_back(e->Event, e->Series);
    if (dynamic_cast<TPlotPageChangeEvent*>(&event)) ++pageChanges;
  }
};

class AxisPanel : public testing::Test {
 public:
  ChartEngineScope engine;
  std::vector<std::unique_ptr<TChartSeries>> owned;
  TestAxisPanel panel;

  TChartSeries* Series(int points, double x0 = 0, double y0 = 0) {
    owned.push_back(std::make_unique<TChartSeries>());
    TChartSeries* s = owned.back().get();
    for (int i = 0; i < points; ++i) s->AddPointXY(x0 + i, y0 + 2 * i);
    return panel.AddSeries(s);
  }
};

TEST_F(AxisPanel, ListAddsRemovesExchangesAndTellsListeners) {
  EventLog log;
  panel.AddListener(&log);
  TChartSeries* a = Series(0);
  TChartSeries* b = Series(0);
  panel.AddSeries(a);  // already listed: nothing
  panel.ExchangeSeries(0, 1);
  EXPECT_EQ(panel.GetSeries(0), b);
  EXPECT_EQ(panel.GetSeries(1), a);
  panel.RemoveSeries(b);
  EXPECT_EQ(panel.SeriesCount(), 1);
  EXPECT_EQ(b->ParentChart(), nullptr);
  const std::vector<std::pair<int, TPlotPersistent*>> expected = {
      {seAdd, a}, {seAdd, b}, {seOrderChanged, a}, {seRemove, b}};
  EXPECT_EQ(log.series, expected);
  panel.RemoveListener(&log);
}

TEST_F(AxisPanel, BadSeriesIndicesNameTheIndexAndRange) {
  Series(0);
  Series(0);
  struct Case {
    int a, b;
    const char* message;
  } cases[] = {
      {-1, 0, "Series index -1 out of bounds (0 to 1)."},
      {0, 2, "Series index 2 out of bounds (0 to 1)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    TChartSeries* first = panel.GetSeries(0);
    try {
      panel.ExchangeSeries(c.a, c.b);
      ADD_FAILURE() << "no exception";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.message().toStdString(), c.message);
    }
    EXPECT_EQ(panel.GetSeries(0), first);  // nothing moved
    EXPECT_THROW(panel.GetSeries(c.a == -1 ? -1 : 2), ChartException);
  }
}

TEST_F(AxisPanel, MinMaxOfTheSeriesOnEachAxis) {
  struct Case {
    const char* name;
    std::function<void(AxisPanel&)> setup;
    double bottomMin, bottomMax, leftMin, leftMax, rightMax;
  } cases[] = {
      {"no series", [](AxisPanel&) {}, 0, 0, 0, 0, 0},
      {"one series", [](AxisPanel& t) { t.Series(5, 1, 10); }, 1, 5, 10, 18, 0},
      {"inactive ignored while an active one is there",
       [](AxisPanel& t) {
         t.Series(5, 1, 10);
         t.Series(5, -10, 100)->SetActive(false);
       },
       1, 5, 10, 18, 0},
      {"inactive counts when alone", [](AxisPanel& t) { t.Series(3, -10, 100)->SetActive(false); },
       -10, -8, 100, 104, 0},
      {"extremes over two series",
       [](AxisPanel& t) {
         t.Series(5, 1, 10);
         t.Series(2, -3, 50);
       },
       -3, 5, 10, 52, 0},
      {"both vertical axes",
       [](AxisPanel& t) { t.Series(3, 0, 7)->SetVertAxis(TChartSeries::aBothVertAxis); }, 0, 2, 7,
       11, 11},
      {"right axis only",
       [](AxisPanel& t) { t.Series(3, 0, 7)->SetVertAxis(TChartSeries::aRightAxis); }, 0, 2, 0, 0,
       11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (auto& s : owned) panel.RemoveSeries(s.get());
    c.setup(*this);
    EXPECT_EQ(panel.MinMax(*panel.BottomAxis(), false), c.bottomMin);
    EXPECT_EQ(panel.MinMax(*panel.BottomAxis(), true), c.bottomMax);
    EXPECT_EQ(panel.MinMax(*panel.LeftAxis(), false), c.leftMin);
    EXPECT_EQ(panel.MinMax(*panel.LeftAxis(), true), c.leftMax);
    EXPECT_EQ(panel.MinMax(*panel.RightAxis(), true), c.rightMax);
    EXPECT_EQ(panel.MinMax(*panel.TopAxis(), true), 0);
  }
}

TEST_F(AxisPanel, PagesOfTwentyFivePoints) {
  Series(25);
  EventLog log;
  panel.AddListener(&log);
  panel.SetMaxPointsPerPage(10);
  EXPECT_EQ(panel.NumPages(), 3);
  struct Case {
    int page;
    bool scaleLast;
    double xMin, xMax;
  } cases[] = {
      {1, true, 0, 9}, {2, true, 10, 19}, {3, true, 20, 24}, {3, false, 20, 29}, {9, false, 20, 29},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "page " << c.page << " scale " << c.scaleLast);
    panel.SetScaleLastPage(c.scaleLast);
    panel.SetPage(c.page);
    EXPECT_EQ(panel.Page(), std::min(c.page, 3));
    EXPECT_EQ(panel.MinMax(*panel.BottomAxis(), false), c.xMin);
    EXPECT_EQ(panel.MinMax(*panel.BottomAxis(), true), c.xMax);
    EXPECT_EQ(panel.MinMax(*panel.LeftAxis(), true), 48);  // Y is never paged
  }
  EXPECT_EQ(log.pageChanges, 3);  // the setter, 1 -> 2, 2 -> 3; nothing once clamped to 3
  try {
    panel.SetMaxPointsPerPage(-1);
    ADD_FAILURE() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_EQ(e.message().toStdString(), "MaxPointsPerPage must be >= 0");
  }
  EXPECT_EQ(panel.MaxPointsPerPage(), 10);
  panel.SetMaxPointsPerPage(20);  // two pages now: page 3 is clamped
  EXPECT_EQ(panel.Page(), 2);
  panel.SetMaxPointsPerPage(0);
  EXPECT_EQ(panel.NumPages(), 1);
  EXPECT_EQ(panel.Page(), 1);
  panel.RemoveListener(&log);
}

}  // namespace
