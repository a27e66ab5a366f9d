// A series joining and leaving its chart, copying points from its sources
// and from another series, bulk fills, its function and its sample points.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartPalette.h"
#include "tests/chart/model/FakeDrawingChart.h"
#include "tests/chart/support/TestSeriesTypes.h"

#include <gtest/gtest.h>

#include <QPointer>

#include <memory>
#include <vector>

namespace {

class SeriesLife : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;

  template <class S = TChartSeries>
  std::unique_ptr<S> Series() {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    return s;
  }
  static std::vector<double> Values(const TChartValueList& list) {
    return {list.Values().begin(), list.Values().end()};
  }
};

TEST_F(SeriesLife, CopiedPointsKeepEveryListAndNeverAsk) {
  auto a = Series<TTaskTestSeries>();
  a->AddTask(0, 5, 1);
  a->AddTask(1, 6, 2);
  a->AddTask(2, 7, -1);
  // The copy's own AddPointXY would reset every link.
  auto b = Series<TTaskTestSeries>();
  b->SetDataSource(a.get());
  EXPECT_EQ(Values(b->NextTask()), (std::vector<double>{1, 2, -1}));
  // A dependant that refuses points the user adds still follows its source.
  auto c = Series();
  c->OnBeforeAdd = [](TChartSeries&) { return false; };
  c->SetDataSource(a.get());
  a->Delete(1);
  EXPECT_EQ(Values(*c->XValues()), (std::vector<double>{0, 2}));
  EXPECT_EQ(c->AddPointXY(9, 9), -1);
}

TEST_F(SeriesLife, LeavesItsChartWhileStillASeries) {
  auto a = Series();
  auto b = Series();
  b->SetDataSource(a.get());
  b.reset();
  EXPECT_EQ(chart.leftAsSeries, std::vector<bool>({true}));
  EXPECT_EQ(chart.series, std::vector<TChartSeries*>({a.get()}));
  ASSERT_FALSE(chart.events.empty());
  EXPECT_EQ(chart.events.back().first, seRemove);
  EXPECT_TRUE(a->LinkedSeries().empty());
}

TEST_F(SeriesLife, JoiningTakesAFreeColourAndSourcePointsLeavingStopsThem) {
  auto a = Series();
  auto b = Series();
  EXPECT_EQ(a->SeriesColor(), kDefaultPalette[0]);
  EXPECT_EQ(b->SeriesColor(), kDefaultPalette[1]);
  TChartSeries chosen;
  chosen.SetSeriesColor(0x123456);
  chosen.SetParentChart(&chart);
  EXPECT_EQ(chosen.SeriesColor(), 0x123456u);
  // A series away from the chart no longer hears from its source, and
  // catches up when it comes back.
  a->AddPointXY(1, 1);
  b->SetDataSource(a.get());
  b->SetParentChart(nullptr);
  a->AddPointXY(2, 2);
  EXPECT_EQ(b->PointCount(), 1);
  b->SetParentChart(&chart);
  EXPECT_EQ(b->PointCount(), 2);
  a->AddPointXY(3, 3);
  EXPECT_EQ(b->PointCount(), 3);
  chosen.SetParentChart(nullptr);
  // With the sample switch on, a joining series shows sample points.
  TChartSeries::ShowSampleValues = true;
  auto sample = Series();
  TChartSeries::ShowSampleValues = false;
  EXPECT_EQ(sample->PointCount(), sample->NumSampleValues());
}

TEST_F(SeriesLife, EveryBulkFillGivesItsSlackBack) {
  auto s = Series();
  const int count = 1048577;  // just past a doubling
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    s->ClearValues();
    s->BeginUpdate();
    for (int i = 0; i < count; ++i) s->AddPointXY(i, i);
    s->EndUpdate();
    const double bytesPerPoint =
        8.0 * static_cast<double>(s->XValues()->Capacity() + s->YValues()->Capacity()) / count;
    EXPECT_LE(bytesPerPoint, 20.0);
  }
}

TEST_F(SeriesLife, AssignCopiesPointsOrSourcesAndSettings) {
  auto a = Series();
  a->AddPointXY(1, 10, QStringLiteral("one"));
  a->AddPointXY(2, 20, {}, 0x00FF00);
  a->SetValueFormat(QStringLiteral("0.0"));
  a->SetHorizAxis(TChartSeries::aTopAxis);
  a->Marks()->SetStyle(TSeriesMarks::smsValue);
  auto b = Series();
  b->Assign(*a);
  EXPECT_EQ(Values(*b->YValues()), (std::vector<double>{10, 20}));
  EXPECT_EQ(b->GetXLabel(0), QStringLiteral("one"));
  EXPECT_EQ(b->GetValueColor(1), 0x00FF00u);
  EXPECT_EQ(b->ValueFormat(), QStringLiteral("0.0"));
  EXPECT_EQ(b->HorizAxis(), TChartSeries::aTopAxis);
  EXPECT_EQ(b->Marks()->Style(), TSeriesMarks::smsValue);
  EXPECT_EQ(b->SeriesColor(), a->SeriesColor());
  // A series with a source passes the source on, not its points.
  auto c = Series();
  c->SetDataSource(a.get());
  auto d = Series();
  d->Assign(*c);
  EXPECT_EQ(d->DataSource(), a.get());
  a->AddPointXY(3, 30);
  EXPECT_EQ(d->PointCount(), 3);
}

TEST_F(SeriesLife, FunctionComputesTheSeriesFromItsSource) {
  auto a = Series();
  a->AddPointXY(0, 1);
  a->AddPointXY(1, 2);
  auto b = Series();
  b->SetDataSource(a.get());
  QPointer<TSumTestFunction> f = new TSumTestFunction;
  b->SetFunction(f);
  EXPECT_EQ(f->ParentSeries(), b.get());
  EXPECT_EQ(f->parent(), b.get());
  EXPECT_GE(f->runs, 1);
  a->BeginUpdate();
  a->AddPointXY(2, 4);
  a->EndUpdate();
  EXPECT_EQ(Values(*b->YValues()), (std::vector<double>{1, 2, 4}));
  b->SetFunction(nullptr);
  EXPECT_TRUE(f.isNull());
}

TEST_F(SeriesLife, SamplePointsWalkInsideTheAxesRange) {
  int calls = 0;
  const auto fixed = [&](int value) {
    return [&calls, value](int) {
      ++calls;
      return value;
    };
  };
  struct Case {
    int count;
    std::vector<std::pair<double, double>> others;  // points of another series
    int random;
    std::vector<double> x, y;
  } cases[] = {
      // No series with points: X 0..n-1, Y 0..1000; a flat walk from 500.
      {3, {}, 500, {0, 1, 2}, {500, 500, 500}},
      // One point takes no step.
      {1, {}, 500, {0}, {500}},
      // Another series at x 3, y -5: X 3..6, Y -10..-5 (2v..v below zero),
      // a walk of |y - 2| from -10.
      {3, {{3, -5}}, 0, {3, 4.5, 6}, {12, 10, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count * 10 + static_cast<int>(c.others.size()));
    auto other = Series();
    for (auto [x, y] : c.others) other->AddPointXY(x, y);
    auto s = Series();
    s->SetSampleRandom(fixed(c.random));
    s->FillSampleValues(c.count);
    EXPECT_EQ(Values(*s->XValues()), c.x);
    EXPECT_EQ(Values(*s->YValues()), c.y);
  }
  EXPECT_GT(calls, 0);
  auto s = Series();
  try {
    s->FillSampleValues(0);
    ADD_FAILURE() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_EQ(e.message(), QStringLiteral("FillSampleValues NumValues must be > 0"));
  }
}

TEST_F(SeriesLife, LegendSymbolStaysVisibleOnItsBackground) {
  auto s = Series();
  s->AddPointXY(0, 0, {}, base::clWhite);
  s->AddPointXY(1, 1, {}, base::clRed);
  s->AddNullXY(2, 2);
  RecordingBackend& rec = chart.host.backend;
  const auto rectangles = [&](int index) {
    rec.clearLines();
    s->DrawLegend(index, TRect{0, 0, 10, 10});
    return rec.lines(QStringLiteral("rectangle")).size();
  };
  EXPECT_EQ(rectangles(1), 1);
  EXPECT_EQ(rectangles(0), 2);  // white on the white legend: outlined again
  EXPECT_EQ(rectangles(2), 0);  // a null point has no symbol
  s->SetColorEachPoint(true);
  EXPECT_EQ(rectangles(-1), 0);
}

}  // namespace
