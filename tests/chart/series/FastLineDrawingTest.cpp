// The fast line's calls on a recording device: the pen set once, the walk
// from the first visible point (or from the point before it), the two skip
// rules, the new point drawn at once, the legend line and the hit test.
#include "chart/core/ChartEngine.h"
#include "chart/series/TFastLineSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Pt {
  double x, y;
};

class FastLineCalls : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::unique_ptr<TFastLineSeries> series = std::make_unique<TFastLineSeries>();

  FastLineCalls() {
    series->SetParentChart(&chart);
    series->SetSeriesColor(base::clRed);
  }
  RecordingBackend& Device() { return chart.host.backend; }
  QString At(double x, double y) const {
    return QStringLiteral("%1,%2").arg(series->CalcXPosValue(x)).arg(series->CalcYPosValue(y));
  }
  void Fill(const std::vector<Pt>& points) {
    series->ClearValues();
    for (const Pt& p : points) series->AddPointXY(p.x, p.y);
  }
  // The series drawn as a paint draws it.
  QStringList Paint() {
    Device().clearLines();
    series->CalcFirstLastVisibleIndex();
    series->DrawAllValues();
    return Device().lines();
  }
  // "moveTo x,y" and "lineTo x,y" without the state.
  static QStringList Moves(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
      if (l.startsWith(QLatin1String("moveTo ")) || l.startsWith(QLatin1String("lineTo ")))
        out << l.section(QLatin1Char(' '), 0, 1);
    return out;
  }
};

TEST_F(FastLineCalls, FiveVisiblePointsSetTheCanvasOnceThenMoveAndDrawFourSegments) {
  Fill({{1, 0.5}, {3, 1.5}, {5, 2.5}, {7, 3.5}, {9, 4.5}});
  const QString pen = QStringLiteral("pen[$0000FF w1 psSolid esRound pmCopy]");
  EXPECT_EQ(Paint(),
            QStringList({"setPen $0000FF w1 psSolid esRound pmCopy", "setBrush $FFFFFF bsClear",
                         "setBackMode transparent", "moveTo " + At(1, 0.5),
                         "lineTo " + At(3, 1.5) + " " + pen, "lineTo " + At(5, 2.5) + " " + pen,
                         "lineTo " + At(7, 3.5) + " " + pen, "lineTo " + At(9, 4.5) + " " + pen}));
}

TEST_F(FastLineCalls, WalksFollowTheVisibleRangeAndTheSkipRule) {
  // Three points on the pixel column of x = 1 (the axis spans 376 pixels
  // over 10 units), two of them on one pixel.
  const std::vector<Pt> column = {{1, 1}, {1.001, 1}, {1.002, 5}, {1.003, 3}, {5, 1}};
  // The pen moves to the first of `walk`, then draws to each other one.
  struct Case {
    const char* name;
    std::vector<Pt> points;
    double axisMin;
    bool drawAll;
    std::vector<Pt> walk;
  } cases[] = {
      {"first visible point is the first: a move", {{1, 1}, {2, 2}}, 0, true, {{1, 1}, {2, 2}}},
      // The bottom axis starts at 4: points 0 and 1 lie left of the chart.
      {"first visible index 2: a segment from point 1",
       {{1, 1}, {3, 2}, {5, 3}, {7, 4}},
       4,
       true,
       {{3, 2}, {5, 3}, {7, 4}}},
      {"all points: one LineTo per pixel, the column's extent kept",
       column,
       0,
       true,
       {{1, 1}, {1, 5}, {1, 3}, {5, 1}}},
      {"not all points: the column's first point only", column, 0, false, {{1, 1}, {5, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDrawingChart::Scale(chart.bottom, c.axisMin, 10);
    series->SetDrawAllPoints(c.drawAll);
    Fill(c.points);
    QStringList expected;
    for (const Pt& p : c.walk)
      expected << (expected.isEmpty() ? "moveTo " : "lineTo ") + At(p.x, p.y);
    EXPECT_EQ(Moves(Paint()), expected);
  }
}

TEST_F(FastLineCalls, NewPointWithoutRepaintDrawsOneClippedSegmentAndTellsTheDependants) {
  TFastLineSeries dependant;
  dependant.SetParentChart(&chart);
  dependant.SetActive(false);  // its own repaints stay out of the count
  dependant.SetDataSource(series.get());
  int afterAdd = 0;
  series->OnAfterAdd = [&](TChartSeries&, int) { ++afterAdd; };
  series->SetAutoRepaint(false);
  Fill({{1, 1}, {8, 8}});
  Paint();  // the pen now stands at (8, 8)
  series->ClearValues();
  const int invalidations = chart.invalidations;
  Device().clearLines();
  series->AddPointXY(2, 2);
  series->AddPointXY(3, 4);
  const QString clip = QStringLiteral("pushClipRect 12,10,388,240");
  QStringList drawn;
  for (const QString& l : Device().lines())
    if (!l.startsWith(QLatin1String("setPen"))) drawn << l.section(QLatin1Char(' '), 0, 1);
  // The first point has nothing before it: the pen moves there and stays.
  EXPECT_EQ(drawn, QStringList({clip, "moveTo " + At(2, 2), "popClip", clip, "moveTo " + At(2, 2),
                                "lineTo " + At(3, 4), "popClip"}));
  EXPECT_EQ(afterAdd, 0);
  EXPECT_EQ(chart.invalidations, invalidations);
  EXPECT_EQ(dependant.PointCount(), 2);
}

TEST_F(FastLineCalls, NewPointIsNotDrawnWhereNoPaintWouldDrawIt) {
  series->SetAutoRepaint(false);
  struct Case {
    const char* name;
    bool active;
    bool inChart;
  } cases[] = {{"inactive series", false, true}, {"no chart", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    series->SetActive(c.active);
    series->SetParentChart(c.inChart ? &chart : nullptr);
    Device().clearLines();
    series->AddPointXY(1, 1);
    series->AddPointXY(2, 2);
    EXPECT_TRUE(Moves(Device().lines()).isEmpty());
    EXPECT_EQ(series->PointCount() % 2, 0);
  }
}

TEST_F(FastLineCalls, LegendSymbolIsAHorizontalLineThroughTheMiddle) {
  Device().clearLines();
  series->DrawLegend(-1, TRect{10, 20, 30, 27});
  EXPECT_EQ(Moves(Device().lines()), QStringList({"moveTo 10,23", "lineTo 30,23"}));
}

TEST_F(FastLineCalls, ClicksFindPointsThenTheEarlierPointOfASegment) {
  const QPoint none(-1, -1);
  EXPECT_EQ(series->Clicked(100, 100), -1);  // empty
  Fill({{1, 1}, {3, 1}, {5, 5}});
  series->CalcFirstLastVisibleIndex();
  const int y1 = series->CalcYPosValue(1);
  struct Case {
    QPoint p;
    int index;
  } cases[] = {
      {{series->CalcXPosValue(3), y1}, 1},
      {{series->CalcXPosValue(2), y1}, 0},
      {{series->CalcXPosValue(2), y1 - 3}, -1},
      {{series->CalcXPos(2), series->CalcYPos(2)}, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(series->Clicked(c.p.x(), c.p.y()), c.index) << c.p.x();
  (void)none;
}

TEST_F(FastLineCalls, PenAndSeriesColourFollowEachOther) {
  TChartPen pen;
  pen.SetColor(base::clGreen);
  series->SetLinePen(&pen);
  EXPECT_EQ(series->SeriesColor(), base::clGreen);
  series->SetSeriesColor(base::clBlue);
  EXPECT_EQ(series->LinePen()->Color(), base::clBlue);
}

}  // namespace
