// A series against its axes: which axes its kinds name, where its points
// and marks go, which points it draws in which order, and its depth slot.
#include "chart/core/ChartEngine.h"
#include "tests/chart/model/FakeDrawingChart.h"
#include "tests/chart/support/TestSeriesTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <tuple>
#include <vector>

namespace {

class SeriesDrawing : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  QStringList log;

  std::unique_ptr<TRecordingTestSeries> Series(const char* name) {
    auto s = std::make_unique<TRecordingTestSeries>();
    s->setObjectName(QString::fromLatin1(name));
    s->log = &log;
    s->SetParentChart(&chart);
    return s;
  }
};

TEST_F(SeriesDrawing, AxisKindsResolveToTheChartsAxes) {
  TChartAxis custom(&chart.host, true, false);
  auto s = Series("s");
  struct Case {
    TChartSeries::THorizAxis h;
    TChartSeries::TVertAxis v;
    bool customSet;
    const TChartAxis *horiz, *vert;
    std::vector<const TChartAxis*> associated;
  } cases[] = {
      {TChartSeries::aBottomAxis,
       TChartSeries::aLeftAxis,
       false,
       &chart.bottom,
       &chart.left,
       {&chart.bottom, &chart.left}},
      {TChartSeries::aTopAxis,
       TChartSeries::aRightAxis,
       false,
       &chart.top,
       &chart.right,
       {&chart.top, &chart.right}},
      {TChartSeries::aBothHorizAxis,
       TChartSeries::aBothVertAxis,
       false,
       &chart.bottom,
       &chart.left,
       {&chart.bottom, &chart.top, &chart.left, &chart.right, &custom}},
      // A custom kind without its axis draws on bottom and left, and counts there.
      {TChartSeries::aCustomHorizAxis,
       TChartSeries::aCustomVertAxis,
       false,
       &chart.bottom,
       &chart.left,
       {&chart.bottom, &chart.left}},
      {TChartSeries::aCustomHorizAxis,
       TChartSeries::aLeftAxis,
       true,
       &custom,
       &chart.left,
       {&custom, &chart.left}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.h) * 10 + static_cast<int>(c.v));
    s->SetHorizAxis(c.h);
    s->SetVertAxis(c.v);
    if (c.customSet) s->SetCustomHorizAxis(&custom);
    EXPECT_EQ(s->GetHorizAxis(), c.horiz);
    EXPECT_EQ(s->GetVertAxis(), c.vert);
    for (const TChartAxis* a : std::vector<const TChartAxis*>{&chart.bottom, &chart.top,
                                                              &chart.left, &chart.right, &custom}) {
      const bool want =
          std::find(c.associated.begin(), c.associated.end(), a) != c.associated.end();
      EXPECT_EQ(s->AssociatedToAxis(*a), want);
    }
  }
  // Another kind forgets the custom axis.
  s->SetHorizAxis(TChartSeries::aTopAxis);
  EXPECT_EQ(s->CustomHorizAxis(), nullptr);
  s->SetHorizAxis(TChartSeries::aCustomHorizAxis);
  EXPECT_EQ(s->GetHorizAxis(), &chart.bottom);
  // Without a chart there is nothing to draw against.
  TChartSeries loose;
  EXPECT_EQ(loose.GetHorizAxis(), nullptr);
  EXPECT_EQ(loose.CalcXPosValue(5), 0);
}

TEST_F(SeriesDrawing, PointsDrawInTheDirectionOfTheirAxisBetweenTheEvents) {
  auto s = Series("s");
  for (int i = 0; i < 4; ++i) s->AddPointXY(i * 3, i);
  s->BeforeDrawValues = [&](TChartSeries&) { log << "before"; };
  s->AfterDrawValues = [&](TChartSeries&) { log << "after"; };
  const auto draw = [&] {
    log.clear();
    s->CalcFirstLastVisibleIndex();
    s->DoBeforeDrawValues();
    s->DrawAllValues();
    s->DoAfterDrawValues();
    return log;
  };
  EXPECT_EQ(draw(), QStringList({"before", "s[0]", "s[1]", "s[2]", "s[3]", "after"}));
  chart.bottom.SetInverted(true);
  EXPECT_EQ(draw(), QStringList({"before", "s[3]", "s[2]", "s[1]", "s[0]", "after"}));
  // A rotated 3D view turns the horizontal order round once more.
  chart.host.is3D = true;
  chart.host.view.SetOrthogonal(false);
  chart.host.view.SetRotation(200);
  EXPECT_TRUE(s->DrawValuesForward());
  chart.host.view.SetRotation(300);
  EXPECT_FALSE(s->DrawValuesForward());
  // A horizontal series follows its vertical axis.
  auto h = Series("h");
  h->MakeHorizontal();
  EXPECT_TRUE(h->DrawValuesForward());
  chart.left.SetInverted(true);
  EXPECT_FALSE(h->DrawValuesForward());
}

// The visible points: a NaN anywhere in an ascending list stops the search,
// which must give what walking the points gives.
TEST_F(SeriesDrawing, VisibleRangeFollowsTheZoomWithNaNsAnywhere) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    std::vector<double> x;
    double lo, hi;
    bool inverted;
    int first, last;
  } cases[] = {
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2.5, 6.5, false, 3, 6},
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2.5, 6.5, true, 3, 6},
      {{0, 1, 2, 3}, 10, 20, false, -1, -1},
      // A NaN added first stands in front of every later value.
      {{nan, 0.5, 1, 2, 3, 4, 5, 6, 7, 8}, 5, 100, false, 0, 9},
      // Values added after it go behind it, and the walk stops there.
      {{1, 2, nan, 3, 4, 5}, 3.5, 4.5, false, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x.size() * 100 + c.lo);
    auto s = Series("s");
    for (double x : c.x) s->AddPointXY(x, 1);
    FakeDrawingChart::Scale(chart.bottom, c.lo, c.hi);
    chart.bottom.SetInverted(c.inverted);
    s->CalcFirstLastVisibleIndex();
    EXPECT_EQ(s->FirstValueIndex(), c.first);
    EXPECT_EQ(s->LastValueIndex(), c.last);
  }
  // Unordered X, or a series that does not ask, draws every point.
  auto all = Series("all");
  for (int i = 0; i < 5; ++i) all->AddPointXY(i, 1);
  all->SetCalcVisiblePoints(false);
  FakeDrawingChart::Scale(chart.bottom, 1.5, 2.5);
  all->CalcFirstLastVisibleIndex();
  EXPECT_EQ(std::make_pair(all->FirstValueIndex(), all->LastValueIndex()), std::make_pair(0, 4));
}

TEST_F(SeriesDrawing, MarksGoAboveTheirPointsEveryNthAndNotOnNulls) {
  auto s = Series("s");
  s->Marks()->SetVisible(true);
  s->Marks()->Frame()->SetVisible(false);
  s->Marks()->SetStyle(TSeriesMarks::smsLabel);
  s->Marks()->SetDrawEvery(3);
  for (int i = 0; i < 8; ++i) s->AddPointXY(i, i, i == 3 ? QStringLiteral("wide\rA") : QString());
  s->SetPointColor(6, base::clNone);
  s->CalcFirstLastVisibleIndex();
  s->DrawMarks();
  ASSERT_EQ(s->marks.size(), 2u);  // 0 and 3; 6 is null
  EXPECT_EQ(s->marks[0].first, 0);
  EXPECT_EQ(s->marks[1].first, 3);
  TCanvas3D& canvas = chart.Canvas();
  canvas.AssignFont(*s->Marks()->Font());
  const int h = canvas.TextHeight(QStringLiteral("W"));
  const int w = canvas.TextWidth(QStringLiteral("wide")) + canvas.TextWidth(QStringLiteral("W"));
  const TSeriesMarkPosition& p = s->marks[1].second;
  const int x = s->CalcXPos(3), y = s->CalcYPos(3);
  EXPECT_EQ(p.ArrowStart, QPoint(x, y));
  EXPECT_EQ(p.ArrowEnd, QPoint(x, y));
  EXPECT_EQ(p.Bounds(), (TRect{x - w / 2, y - (2 * h + 1) + 1, x - w / 2 + w, y + 1}));
  // A visible frame widens the box by its pen on each side.
  s->marks.clear();
  s->Marks()->Frame()->SetVisible(true);
  s->Marks()->Frame()->SetWidth(2);
  s->DrawMarks();
  ASSERT_EQ(s->marks.size(), 2u);
  EXPECT_EQ(s->marks[1].second.BoxWidth, w + 4);
  EXPECT_EQ(s->marks[1].second.BoxHeight, 2 * h + 4);
}

TEST_F(SeriesDrawing, DepthSlotsAndExtents) {
  chart.host.is3D = true;
  auto a = Series("a"), b = Series("b"), c = Series("c");
  // As a paint does: the highest slot from -1, each series takes the next.
  const auto slots = [&] {
    chart.maxZOrder = -1;
    for (TChartSeries* s : chart.series) s->CalcZOrder();
    std::vector<int> z;
    for (TChartSeries* s : chart.series) {
      s->SetDepthExtent(chart.maxZOrder - s->DepthSlot(), 11);
      z.push_back(s->StartZ());
    }
    return z;
  };
  EXPECT_EQ(slots(), std::vector<int>({22, 11, 0}));
  EXPECT_EQ(a->MinZValue(), 0);  // the slot, not the stored -1
  EXPECT_EQ(c->MaxZValue(), 2);
  EXPECT_FALSE(a->MoreSameZOrder());
  // A fixed slot moves its series and may share.
  c->SetZOrder(0);
  EXPECT_EQ(slots(), std::vector<int>({11, 0, 11}));
  EXPECT_TRUE(a->MoreSameZOrder());
  EXPECT_FALSE(b->MoreSameZOrder());
  b->SetDepth(4);
  slots();
  EXPECT_EQ(std::make_tuple(b->StartZ(), b->MiddleZ(), b->EndZ()), std::make_tuple(0, 2, 4));
  EXPECT_EQ(b->Marks()->ZPosition(), 2);
  // In 2D every series stands in slot 0.
  chart.host.is3D = false;
  chart.maxZOrder = 0;
  a->CalcZOrder();
  EXPECT_EQ(a->DepthSlot(), 0);
  EXPECT_FALSE(a->MoreSameZOrder());
}

}  // namespace
