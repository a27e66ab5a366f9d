// Gantt, arrow and bubble series on a recording device: task bars and
// their connectors, links that keep naming their tasks, arrows with their
// heads, bubbles sized from the axes, the axis ranges each type widens,
// null points, and clicks where things are drawn. Expected pixels come from
// the fake chart's axes: 0..10 over 12..388 across and 240..10 upwards.
#include "chart/core/ChartEngine.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TArrowSeries.h"
#include "chart/series/TBubbleSeries.h"
#include "chart/series/TGanttSeries.h"
#include "tests/chart/series/SeriesRender.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

using seriestest::P;
using seriestest::X;
using seriestest::Y;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class PointTypes : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;

  // The drawing calls of one paint of `s`, without the state.
  QStringList Paint(TChartSeries& s) {
    chart.host.backend.clearLines();
    s.CalcFirstLastVisibleIndex();
    s.DrawAllValues();
    QStringList out;
    for (const QString& l : chart.host.backend.lines()) {
      if (l.startsWith(QLatin1String("set"))) continue;
      out << l.section(QStringLiteral(" pen["), 0, 0).section(QStringLiteral(" clip"), 0, 0);
    }
    return out;
  }
  template <class T>
  std::unique_ptr<T> Make() {
    auto s = std::make_unique<T>();
    s->SetParentChart(&chart);
    s->SetSeriesColor(base::clRed);
    return s;
  }
};

// --- Gantt -------------------------------------------------------------------------------------

TEST_F(PointTypes, AGanttTaskIsABarFromStartToEndAtItsRow) {
  auto g = Make<TGanttSeries>();
  g->AddGantt(1, 5, 2);
  // x0 50, x1 200: the pointer drawn at 50 + 75 with half width 75.
  EXPECT_EQ(Paint(*g),
            QStringList{QStringLiteral("rectangle 50,%1,201,%2").arg(Y(2) - 4).arg(Y(2) + 5)});
  EXPECT_FALSE(g->YMandatory()) << "task labels go on the vertical axis";
}

TEST_F(PointTypes, GanttConnectorsRunOnlyToATaskThatIsThere) {
  const int x1 = X(5), y = Y(2), xn = X(6), yn = Y(4);
  const int m = x1 + (xn - x1) / 2;
  const QStringList link = {
      QStringLiteral("moveTo ") + P(x1, y), QStringLiteral("lineTo ") + P(m, y),
      QStringLiteral("lineTo ") + P(m, yn), QStringLiteral("lineTo ") + P(xn, yn)};
  const struct {
    const char* name;
    double next;
    bool nullNext;
    bool linked;
  } cases[] = {
      {"the next task", 1, false, true},  {"none", -1, false, false},
      {"past the last", 2, false, false}, {"NaN is no task 0", kNaN, false, false},
      {"a null task", 1, true, false},    {"rounded to the next task", 0.6, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto g = Make<TGanttSeries>();
    g->AddGantt(1, 5, 2);
    g->AddGantt(6, 9, 4, {}, c.nullNext ? base::clNone : clPlotColor);
    g->NextTask()->SetValue(0, c.next);
    QStringList lines = Paint(*g).filter(QRegularExpression("^(moveTo|lineTo)"));
    EXPECT_EQ(lines, c.linked ? link : QStringList{});
    EXPECT_EQ(Paint(*g).filter(QStringLiteral("rectangle")).size(), c.nullNext ? 1 : 2);
  }
}

TEST_F(PointTypes, GanttLinksKeepNamingTheTaskTheyWereSetTo) {
  auto g = Make<TGanttSeries>();
  g->AddGantt(5, 7, 1);
  // An earlier start added later stays the later point.
  EXPECT_EQ(g->AddGantt(1, 3, 2), 1);
  g->NextTask()->SetValue(1, 0);
  const int x1 = X(3), xn = X(5);
  const QStringList lines = Paint(*g).filter(QRegularExpression("^(moveTo|lineTo)"));
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines.front(), QStringLiteral("moveTo ") + P(x1, Y(2)));
  EXPECT_EQ(lines.back(), QStringLiteral("lineTo ") + P(xn, Y(1)));

  // Sample tasks start out of order; every link still leads forward in
  // time to a later-added task.
  auto samples = Make<TGanttSeries>();
  int k = 0;
  samples->SetSampleRandom([&k](int n) { return (k++ % 2) ? 0 : n - 1; });
  samples->AddSampleValues(30);
  int links = 0;
  for (int i = 0; i < samples->PointCount(); ++i) {
    const int n = samples->NextTaskIndex(i);
    if (n < 0) continue;
    ++links;
    EXPECT_GT(n, i);
    EXPECT_LT(samples->EndValues()->Values()[size_t(i)], samples->XValues()->Values()[size_t(n)]);
  }
  EXPECT_GT(links, 0);
}

TEST_F(PointTypes, GanttBarsAnswerClicksAndWidenTheAxisToTheirEnds) {
  auto g = Make<TGanttSeries>();
  g->AddGantt(1, 5, 2);
  g->AddGantt(2, 9, 4);
  EXPECT_DOUBLE_EQ(g->MaxXValue(), 9);
  g->CalcFirstLastVisibleIndex();
  const int y = Y(2);
  EXPECT_EQ(g->Clicked(X(1), y), 0);
  EXPECT_EQ(g->Clicked(X(5), y + 3), 0);
  EXPECT_EQ(g->Clicked(X(5) + 1, y), -1);
  EXPECT_EQ(g->Clicked(X(1) - 1, y), -1);
  EXPECT_EQ(g->Clicked(X(3), y + 4), -1);
}

TEST_F(PointTypes, AGanttMarkSitsOverTheMiddleOfItsBar) {
  auto g = Make<TGanttSeries>();
  g->AddGantt(1, 5, 2, QStringLiteral("task"));
  g->Marks()->SetVisible(true);
  g->CalcFirstLastVisibleIndex();
  chart.host.backend.clearLines();
  g->DrawMarks();
  const QStringList lines = chart.host.backend.lines();
  // The arrow still starts at the task's start; the framed box (the second
  // rectangle, after its shadow) moves by half the bar and half its height.
  const int x0 = X(1), x1 = X(5), y = Y(2);
  EXPECT_TRUE(lines.contains(QStringLiteral("moveTo ") + P(x0, y)));
  const QStringList boxes = lines.filter(QRegularExpression("^rectangle"));
  ASSERT_EQ(boxes.size(), 2);
  const QStringList r = boxes[1].section(' ', 1, 1).split(',');
  const int left = r[0].toInt(), top = r[1].toInt();
  const int w = r[2].toInt() - left, h = r[3].toInt() - top;
  EXPECT_EQ(left, x0 - w / 2 + (x1 - x0) / 2);
  EXPECT_EQ(top, y - h + 1 + h / 2);
}

// --- arrows ------------------------------------------------------------------------------------

TEST_F(PointTypes, AnArrowRunsFromItsStartToItsEndWithItsHead) {
  auto a = Make<TArrowSeries>();
  a->SetArrowWidth(12);
  a->SetArrowHeight(10);
  a->AddArrow(1, 1, 5, 4);
  const QStringList calls = Paint(*a);
  const QPoint from(X(1), Y(1)), to(X(5), Y(4));
  ASSERT_EQ(calls.size(), 5);
  EXPECT_EQ(calls[0], QStringLiteral("moveTo ") + P(from.x(), from.y()));
  EXPECT_EQ(calls[1], QStringLiteral("lineTo ") + P(to.x(), to.y()));
  // The head's corners lie 10 back along the arrow and 6 to either side.
  const double dx = to.x() - from.x(), dy = to.y() - from.y();
  const double len = std::hypot(dx, dy);
  for (int k : {2, 4}) {
    const QStringList xy = calls[k].section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
    const double cx = xy[0].toDouble() - (to.x() - 10 * dx / len);
    const double cy = xy[1].toDouble() - (to.y() - 10 * dy / len);
    EXPECT_NEAR(std::hypot(cx, cy), 6, 1.0) << calls[k].toStdString();
    EXPECT_NEAR(cx * dx + cy * dy, 0, len) << "across the arrow";
  }
  EXPECT_EQ(chart.host.backend.pen().color, base::clRed);
  // The axes reach the arrow's ends.
  a->AddArrow(2, 2, -3, 12);
  EXPECT_DOUBLE_EQ(a->MinXValue(), -3);
  EXPECT_DOUBLE_EQ(a->MaxXValue(), 5);
  EXPECT_DOUBLE_EQ(a->MaxYValue(), 12);
  EXPECT_DOUBLE_EQ(a->MinYValue(), 1);
}

TEST_F(PointTypes, AnArrowIsClickedOnItsShaftAndHeadOnly) {
  auto a = Make<TArrowSeries>();
  a->SetArrowWidth(12);
  a->SetArrowHeight(10);
  a->AddArrow(1, 1, 5, 4);
  a->AddArrow(4, 1, 4, 4);  // a vertical one crossing the first
  a->CalcFirstLastVisibleIndex();
  const QPoint from(X(1), Y(1)), to(X(5), Y(4));
  const QPoint mid = (from + to) / 2;
  EXPECT_EQ(a->Clicked(mid.x(), mid.y() + 1), 0) << "on the shaft";
  EXPECT_EQ(a->Clicked(to.x() - 6, to.y() + 5), 0) << "in the head, off the shaft";
  EXPECT_EQ(a->Clicked(from.x(), from.y() - 3), -1) << "near the tail, off the shaft";
  EXPECT_EQ(a->Clicked(from.x() - 5, from.y() + 4), -1);
  // Where both cross, the one drawn last answers.
  const int crossX = X(4);
  const int crossY = from.y() + (to.y() - from.y()) * (crossX - from.x()) / (to.x() - from.x());
  EXPECT_EQ(a->Clicked(crossX, crossY), 1);
}

// --- bubbles -----------------------------------------------------------------------------------

TEST_F(PointTypes, BubblesAreSizedFromTheAxesWithoutTouchingThePointer) {
  const int x = X(5), y = Y(5);
  const struct {
    const char* name;
    double radius;
    bool squared;
    int h, v;
  } cases[] = {
      {"squared: the vertical size both ways", 1, true, 23, 23},
      {"not squared: each axis its own", 1, false, 38, 23},
      {"radius 0", 0, true, 0, 0},
      {"NaN radius", kNaN, true, 0, 0},
      {"infinite radius", std::numeric_limits<double>::infinity(), true, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto b = Make<TBubbleSeries>();
    b->SetSquared(c.squared);
    b->AddBubble(5, 5, c.radius);
    EXPECT_EQ(Paint(*b), QStringList{QStringLiteral("ellipse %1,%2,%3,%4")
                                         .arg(x - c.h)
                                         .arg(y - c.v)
                                         .arg(x + c.h)
                                         .arg(y + c.v)});
    b->DrawLegend(0, TRect{0, 0, 20, 10});
    EXPECT_EQ(b->Pointer()->HorizSize(), 4);
    EXPECT_EQ(b->Pointer()->VertSize(), 4);
  }
}

TEST_F(PointTypes, TheBubbleLegendSymbolFitsItsRectangle) {
  auto b = Make<TBubbleSeries>();
  b->AddBubble(5, 5, 3);
  b->Pointer()->SetHorizSize(40);
  b->Pointer()->SetVertSize(40);
  chart.host.backend.clearLines();
  b->DrawLegend(0, TRect{0, 0, 20, 10});
  // The line series' rule with the pen visible: a third of the rectangle.
  EXPECT_EQ(
      chart.host.backend.lines().filter(QStringLiteral("ellipse")).value(0).section(' ', 0, 1),
      QStringLiteral("ellipse 4,2,16,8"));
  EXPECT_EQ(b->Pointer()->HorizSize(), 40);
}

TEST_F(PointTypes, BubblesWidenTheValueAxisByTheirRadius) {
  auto b = Make<TBubbleSeries>();
  b->AddBubble(2, 3, 1);
  b->AddBubble(4, 6, 2);
  EXPECT_DOUBLE_EQ(b->MaxYValue(), 8);
  EXPECT_DOUBLE_EQ(b->MinYValue(), 2);
  EXPECT_DOUBLE_EQ(b->MaxZValue(), 2);
  EXPECT_DOUBLE_EQ(b->MinZValue(), -2);
  b->Pointer()->SetDraw3D(false);
  EXPECT_DOUBLE_EQ(b->MaxZValue(), b->MinZValue());
}

TEST_F(PointTypes, ABubbleIsClickedWithinTheEllipseItIsDrawnWith) {
  auto b = Make<TBubbleSeries>();
  b->AddBubble(5, 5, 1);  // 23 pixels round
  b->CalcFirstLastVisibleIndex();
  const int x = X(5), y = Y(5);
  EXPECT_EQ(b->Clicked(x + 10, y), 0) << "10 pixels inside";
  EXPECT_EQ(b->Clicked(x, y - 20), 0);
  EXPECT_EQ(b->Clicked(x + 20, y + 20), -1) << "the bounding box's corner";
  EXPECT_EQ(b->Clicked(x + 24, y), -1);
}

TEST_F(PointTypes, ABubbleReachingInFromOutsideTheAxisIsDrawn) {
  auto b = Make<TBubbleSeries>();
  b->AddBubble(-0.5, 5, 1);
  b->AddBubble(5, 5, 1);
  EXPECT_EQ(Paint(*b).filter(QStringLiteral("ellipse")).size(), 2);
}

TEST_F(PointTypes, NullPointsAreNotDrawn) {
  auto g = Make<TGanttSeries>();
  g->AddGantt(1, 5, 2, {}, base::clNone);
  auto a = Make<TArrowSeries>();
  a->AddArrow(1, 1, 5, 4, {}, base::clNone);
  auto b = Make<TBubbleSeries>();
  b->AddBubble(5, 5, 1, {}, base::clNone);
  for (TChartSeries* s : {static_cast<TChartSeries*>(g.get()), static_cast<TChartSeries*>(a.get()),
                          static_cast<TChartSeries*>(b.get())}) {
    SCOPED_TRACE(s->metaObject()->className());
    EXPECT_EQ(Paint(*s), QStringList{});
    s->CalcFirstLastVisibleIndex();
    EXPECT_EQ(s->Clicked(X(5), Y(4)), -1);
  }
}

TEST(PointTypesGallery, RegisterAndCopyAsTheirOwnKinds) {
  ChartEngineScope engine({RegisterSeriesTypes});
  const struct {
    const QMetaObject* meta;
    const char* description;
    int count;
  } types[] = {{&TGanttSeries::staticMetaObject, "Gantt", 1},
               {&TArrowSeries::staticMetaObject, "Arrow", 2},
               {&TBubbleSeries::staticMetaObject, "Bubble", 1}};
  for (const auto& t : types) {
    SCOPED_TRACE(t.description);
    const TPlotSeriesType* entry = PlotSeriesTypes().FindByClass(t.meta);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->DescriptionText(), QString::fromUtf8(t.description));
    EXPECT_EQ(entry->NumGallerySeries, t.count);
  }
  FakeDrawingChart chart;
  TArrowSeries arrow;
  arrow.SetParentChart(&chart);
  arrow.PrepareForGallery(false);
  EXPECT_EQ(arrow.PointCount(), 3);
  EXPECT_EQ(arrow.ArrowWidth(), 12);
  EXPECT_EQ(arrow.ArrowHeight(), 12);
  EXPECT_EQ(arrow.SeriesColor(), base::clGray);
  QStringList names;
  arrow.CreateSubGallery([&](const QString& n) { names << n; });
  EXPECT_FALSE(names.contains(QStringLiteral("Triangle"))) << "no marker shapes for arrows";
  TGanttSeries gantt, other;
  gantt.SetParentChart(&chart);
  gantt.PrepareForGallery(false);
  EXPECT_EQ(gantt.Pointer()->VertSize(), 3);
  EXPECT_FALSE(gantt.ColorEachPoint());
  gantt.SetParentChart(nullptr);
  gantt.LinePen()->SetWidth(3);
  gantt.AddGantt(1, 4, 0);
  other.Assign(gantt);
  EXPECT_EQ(other.ConnectingPen()->Width(), 3);
  EXPECT_DOUBLE_EQ(other.EndValues()->Values()[0], 4);
  EXPECT_FALSE(gantt.IsValidSourceOf(&arrow));
  TBubbleSeries bubble, copy;
  bubble.SetSquared(false);
  copy.Assign(bubble);
  EXPECT_FALSE(copy.Squared());
  EXPECT_TRUE(copy.IsValidSourceOf(&bubble));
}

}  // namespace
