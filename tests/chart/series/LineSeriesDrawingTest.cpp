// Line, point and area series on a recording device: the exact segments,
// stairs, nulls, the segment entering from the chart's edge (on a normal
// and an inverted axis), area quadrilaterals, markers after the segments
// that touch them, the outline pass, and the hit tests. Every expected
// pixel comes from the axis formula of the fake chart: 0..10 over the
// chart rectangle 12..388 across and 240..10 upwards.
#include "chart/core/ChartEngine.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/THorizLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "tests/chart/series/SeriesRender.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

using seriestest::P;
using seriestest::X;
using seriestest::Y;
QString At(double x, double y) {
  return P(X(x), Y(y));
}

struct Pt {
  double x;
  std::optional<double> y;  // none: a null point
};

class LineDrawing : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;

  RecordingBackend& Device() { return chart.host.backend; }

  template <class S>
  std::unique_ptr<S> Make(const std::vector<Pt>& points) {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    s->SetSeriesColor(base::clRed);
    for (const Pt& p : points) {
      if (p.y)
        s->AddPointXY(p.x, *p.y);
      else
        s->AddNullXY(p.x, 0);
    }
    return s;
  }
  QStringList Paint(TChartSeries& s) {
    Device().clearLines();
    s.CalcFirstLastVisibleIndex();
    s.DrawAllValues();
    return Device().lines();
  }
  // The drawing calls without the state they were made in.
  static QStringList Shapes(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines) {
      if (l.startsWith(QLatin1String("set"))) continue;
      out << l.section(QStringLiteral(" pen["), 0, 0).section(QStringLiteral(" clip"), 0, 0);
    }
    return out;
  }
  static QString Line(int x0, int y0, int x1, int y1) {
    return QStringLiteral("moveTo %1|lineTo %2").arg(P(x0, y0), P(x1, y1));
  }
  static QString Rect(int l, int t, int r, int b) {
    return QStringLiteral("rectangle %1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b);
  }
  // "a|b" entries split into calls.
  static QStringList Calls(const QStringList& entries) {
    QStringList out;
    for (const QString& e : entries) out << e.split(QLatin1Char('|'));
    return out;
  }
};

TEST_F(LineDrawing, SegmentsFollowThePartsRules) {
  // Each case: the series, its settings, and the calls of one paint.
  struct Case {
    const char* name;
    std::vector<Pt> points;
    std::function<void(TCustomSeries&)> setup;
    QStringList calls;
  };
  const std::vector<Pt> three = {{1, 1}, {4, 5}, {8, 2}};
  const std::vector<Case> cases = {
      {"three points: two lines",
       three,
       {},
       {Line(X(1), Y(1), X(4), Y(5)), Line(X(4), Y(5), X(8), Y(2))}},
      {"stairs run first, then rise",
       three,
       [](TCustomSeries& s) { s.SetStairs(true); },
       {Line(X(1), Y(1), X(4), Y(1)), "lineTo " + At(4, 5), Line(X(4), Y(5), X(8), Y(5)),
        "lineTo " + At(8, 2)}},
      {"inverted stairs rise first, then run",
       three,
       [](TCustomSeries& s) {
         s.SetStairs(true);
         s.SetInvertedStairs(true);
       },
       {Line(X(1), Y(1), X(1), Y(5)), "lineTo " + At(4, 5), Line(X(4), Y(5), X(4), Y(2)),
        "lineTo " + At(8, 2)}},
      {"a null point: no segment ends at it, the next starts at the next point",
       {{1, 1}, {3, 2}, {5, std::nullopt}, {7, 4}, {9, 3}},
       {},
       {Line(X(1), Y(1), X(3), Y(2)), Line(X(7), Y(4), X(9), Y(3))}},
      {"markers: each after the segment leaving it, the last one last",
       three,
       [](TCustomSeries& s) {
         s.Pointer()->SetVisible(true);
         s.Pointer()->SetStyle(TSeriesPointer::psCircle);
       },
       {Line(X(1), Y(1), X(4), Y(5)),
        QStringLiteral("ellipse %1,%2,%3,%4")
            .arg(X(1) - 4)
            .arg(Y(1) - 4)
            .arg(X(1) + 4)
            .arg(Y(1) + 4),
        Line(X(4), Y(5), X(8), Y(2)),
        QStringLiteral("ellipse %1,%2,%3,%4")
            .arg(X(4) - 4)
            .arg(Y(5) - 4)
            .arg(X(4) + 4)
            .arg(Y(5) + 4),
        QStringLiteral("ellipse %1,%2,%3,%4")
            .arg(X(8) - 4)
            .arg(Y(2) - 4)
            .arg(X(8) + 4)
            .arg(Y(2) + 4)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto s = Make<TLineSeries>(c.points);
    if (c.setup) c.setup(*s);
    EXPECT_EQ(Shapes(Paint(*s)), Calls(c.calls));
  }
}

TEST_F(LineDrawing, AHorizontalLineJoinsItsPointsUpTheVerticalAxis) {
  // The X values are the line's values, the Y values order the points.
  auto s = std::make_unique<THorizLineSeries>();
  s->SetParentChart(&chart);
  s->AddPointXY(6, 1);
  s->AddPointXY(4, 3);
  s->AddPointXY(2, 7);
  EXPECT_EQ(Shapes(Paint(*s)), Calls({Line(X(6), Y(1), X(4), Y(3)), Line(X(4), Y(3), X(2), Y(7))}));
  // Scaled down the value axis, the same points lie along it.
  FakeDrawingChart::Scale(chart.bottom, 0, 20);
  const int x6 = static_cast<int>(std::lrint(12 + 6 * 18.8));
  EXPECT_EQ(Shapes(Paint(*s)).first(), QStringLiteral("moveTo %1").arg(P(x6, Y(1))));
}

TEST_F(LineDrawing, ALineIsDrawnInThePointColourWithTheLinePen) {
  auto s = Make<TLineSeries>({{1, 1}, {4, 5}, {8, 2}});
  s->SetPointColor(2, base::clBlue);
  s->LinePen()->SetWidth(3);
  const QStringList lines = Paint(*s);
  QStringList lineTos;
  for (const QString& l : lines)
    if (l.startsWith(QLatin1String("lineTo"))) lineTos << l;
  ASSERT_EQ(lineTos.size(), 2);
  EXPECT_TRUE(lineTos[0].contains(QLatin1String("pen[$0000FF w3 psSolid")))
      << lineTos[0].toStdString();
  EXPECT_TRUE(lineTos[1].contains(QLatin1String("pen[$FF0000 w3 psSolid")))
      << lineTos[1].toStdString();
  s->SetLineInPointColor(false);
  for (const QString& l : Paint(*s)) {
    if (l.startsWith(QLatin1String("lineTo"))) {
      EXPECT_TRUE(l.contains(QLatin1String("pen[$0000FF w3"))) << l.toStdString();
    }
  }
}

TEST_F(LineDrawing, TheLineEntersFromTheEdgeOfTheLowestVisibleX) {
  // The bottom axis shows 4..10: points 0 and 1 lie left of it. The line
  // through (3, 2) and (5, 6) crosses x = 4 at y = 4.
  const std::vector<Pt> points = {{1, 1}, {3, 2}, {5, 6}, {7, 3}};
  const double edgeY = 2 + (6 - 2) * (4.0 - 3) / (5 - 3);
  FakeDrawingChart::Scale(chart.bottom, 4, 10);
  auto xPos = [](double v, bool inverted) {
    const double d = (v - 4) * 376 / 6.0;
    return static_cast<int>(std::lrint(inverted ? 388 - d : 12 + d));
  };
  for (bool inverted : {false, true}) {
    SCOPED_TRACE(inverted ? "inverted: from the right edge" : "normal: from the left edge");
    chart.bottom.SetInverted(inverted);
    FakeDrawingChart::Scale(chart.bottom, 4, 10);
    auto s = Make<TLineSeries>(points);
    const int edge = inverted ? 388 : 12;
    const QString entering = Line(edge, Y(edgeY), xPos(5, inverted), Y(6));
    const QString next = inverted ? Line(xPos(7, true), Y(3), xPos(5, true), Y(6))
                                  : Line(xPos(5, false), Y(6), xPos(7, false), Y(3));
    // Drawing runs from the low X forward, or from the high X backward.
    const QStringList want = inverted ? Calls({next, entering}) : Calls({entering, next});
    EXPECT_EQ(Shapes(Paint(*s)), want);
    // The Part's fallbacks: stairs and a point before the edge on the same X
    // take the earlier point's height.
    s->SetStairs(true);
    const QStringList stairs = Shapes(Paint(*s));
    const QString first = Line(edge, Y(2), edge == 12 ? xPos(5, false) : xPos(5, true), Y(2));
    EXPECT_TRUE(stairs.contains(first.section(QLatin1Char('|'), 0, 0)))
        << stairs.join('\n').toStdString();
  }
}

TEST_F(LineDrawing, AnEdgeHeightThatIsNotFiniteFallsBackToTheEarlierPoint) {
  // The difference of the two values overflows: the interpolated height
  // would be -infinity, far below the chart, while the earlier point is
  // far above it.
  FakeDrawingChart::Scale(chart.bottom, 4, 10);
  auto s = Make<TLineSeries>({{3, 1e308}, {5, -1e308}, {8, 3}});
  const QStringList calls = Shapes(Paint(*s));
  ASSERT_FALSE(calls.isEmpty());
  EXPECT_EQ(calls[0], "moveTo " + P(12, chart.left.CalcYPosValue(1e308)));
}

TEST_F(LineDrawing, PointersAtEveryNonNullPointOnceAfterTheLines) {
  // Issue's example: (0,1) (1,2) (2,null) (3,4); then a last point on the
  // pixel of the one before it.
  struct Case {
    const char* name;
    std::vector<Pt> points;
    bool line;
    std::vector<std::pair<double, double>> markers;
  } cases[] = {
      {"point series with a null",
       {{0, 1}, {1, 2}, {2, std::nullopt}, {3, 4}},
       false,
       {{0, 1}, {1, 2}, {3, 4}}},
      {"line series with a null",
       {{0, 1}, {1, 2}, {2, std::nullopt}, {3, 4}},
       true,
       {{0, 1}, {1, 2}, {3, 4}}},
      {"last point on its neighbour's pixel",
       {{1, 1}, {5, 5}, {5.001, 5}},
       true,
       {{1, 1}, {5, 5}, {5.001, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TCustomSeries> s;
    if (c.line)
      s = Make<TLineSeries>(c.points);
    else
      s = Make<TPointSeries>(c.points);
    s->Pointer()->SetVisible(true);
    const QStringList calls = Shapes(Paint(*s));
    QStringList rects;
    int lastLine = -1, firstRect = -1;
    for (int k = 0; k < calls.size(); ++k) {
      if (calls[k].startsWith(QLatin1String("rectangle"))) {
        rects << calls[k];
        if (firstRect < 0) firstRect = k;
      } else if (calls[k].startsWith(QLatin1String("lineTo"))) {
        lastLine = k;
      }
    }
    QStringList want;
    for (auto [x, y] : c.markers) want << Rect(X(x) - 4, Y(y) - 4, X(x) + 5, Y(y) + 5);
    EXPECT_EQ(rects, want);
    // No marker is drawn before a segment that touches it.
    if (c.line) {
      EXPECT_LT(lastLine, calls.indexOf(rects.back()));
    }
    (void)firstRect;
  }
}

TEST_F(LineDrawing, AnAreaFillsQuadrilateralsDownToTheAxisMinimum) {
  auto s = Make<TAreaSeries>({{1, 1}, {4, 5}, {8, 2}});
  // The top edge in the line pen after each quadrilateral.
  const auto quad = [](double x0, double y0, double x1, double y1, int origin) {
    return QStringLiteral("polygon %1 %2 %3 %4|")
               .arg(P(X(x0), origin), At(x0, y0), At(x1, y1), P(X(x1), origin)) +
           Line(X(x0), Y(y0), X(x1), Y(y1));
  };
  EXPECT_EQ(Shapes(Paint(*s)), Calls({quad(1, 1, 4, 5, 240), quad(4, 5, 8, 2, 240)}));
  // On an inverted value axis the minimum is at the top: the fill hangs
  // from there, not from the axis' maximum at the bottom.
  chart.left.SetInverted(true);
  FakeDrawingChart::Scale(chart.left, 0, 10);
  const QStringList calls = Shapes(Paint(*s));
  ASSERT_FALSE(calls.isEmpty());
  EXPECT_EQ(calls[0], QStringLiteral("polygon %1 %2 %3 %4")
                          .arg(P(X(1), 10), P(X(1), static_cast<int>(std::lrint(10 + 1 * 23.0))),
                               P(X(4), static_cast<int>(std::lrint(10 + 5 * 23.0))), P(X(4), 10)));
  // With UseYOrigin the fill reaches YOrigin.
  chart.left.SetInverted(false);
  FakeDrawingChart::Scale(chart.left, 0, 10);
  s->SetUseYOrigin(true);
  s->SetYOrigin(3);
  EXPECT_EQ(
      Shapes(Paint(*s)).first(),
      QStringLiteral("polygon %1 %2 %3 %4").arg(P(X(1), Y(3)), At(1, 1), At(4, 5), P(X(4), Y(3))));
}

TEST_F(LineDrawing, AVisibleOutlineIsAWiderPassInItsColourFirst) {
  auto s = Make<TLineSeries>({{1, 1}, {4, 5}});
  s->OutLine()->SetVisible(true);
  s->OutLine()->SetWidth(2);
  s->OutLine()->SetColor(base::clBlue);
  QStringList lineTos;
  for (const QString& l : Paint(*s)) {
    if (l.startsWith(QLatin1String("lineTo")))
      lineTos << l.section(QStringLiteral(" psSolid"), 0, 0);
  }
  EXPECT_EQ(lineTos, QStringList({"lineTo " + At(4, 5) + " pen[$FF0000 w6",
                                  "lineTo " + At(4, 5) + " pen[$0000FF w1"}));
  // Pen and colour are as before.
  EXPECT_EQ(s->LinePen()->Width(), 1);
  EXPECT_EQ(s->SeriesColor(), base::clRed);
}

TEST_F(LineDrawing, HitTestsAnswerPointersAndTheEarlierPointOfASegment) {
  auto s = Make<TLineSeries>({{1, 1}, {5, 5}, {9, 1}});
  s->CalcFirstLastVisibleIndex();
  // The middle of the segment from point 0 to 1, on the line exactly
  // (both sides' pixel distances are even).
  const int xm = X(1) + (X(5) - X(1)) / 2;
  const int ym = Y(1) + (Y(5) - Y(1)) / 2;
  ASSERT_EQ((X(5) - X(1)) % 2, 0);
  ASSERT_EQ((Y(5) - Y(1)) % 2, 0);
  EXPECT_EQ(s->Clicked(X(5), Y(5)), 1);
  EXPECT_EQ(s->Clicked(X(1), Y(1)), 0);
  EXPECT_EQ(s->Clicked(xm, ym), 0);
  EXPECT_EQ(s->Clicked(X(5) + 3, Y(1)), -1);
  s->SetClickableLine(false);
  EXPECT_EQ(s->Clicked(xm, ym), -1);
  // A pointer answers within its half sizes, not on them.
  s->Pointer()->SetVisible(true);
  int clicked = -1;
  s->OnClickPointer = [&](TCustomSeries&, int index, int, int) { clicked = index; };
  EXPECT_EQ(s->Clicked(X(9) + 3, Y(1) - 3), 2);
  EXPECT_EQ(clicked, 2);
  EXPECT_EQ(s->Clicked(X(9) + 4, Y(1)), -1);
}

// An orthogonal 3D view at 45 degrees with the series 40 deep: a point at
// depth z shows z to the right and z up.
class LineDrawing3D : public LineDrawing {
 protected:
  LineDrawing3D() {
    chart.host.is3D = true;
    chart.host.width3D = 40;
    chart.host.view.SetOrthogonal(true);
    chart.host.Start();
  }
  template <class S>
  std::unique_ptr<S> Make3D(const std::vector<Pt>& points) {
    auto s = Make<S>(points);
    s->SetDepthExtent(0, 40);
    return s;
  }
  QStringList Legend(TChartSeries& s, const TRect& r) {
    Device().clearLines();
    s.DrawLegend(-1, r);
    return Device().lines();
  }
};

TEST_F(LineDrawing3D, UnderAMarkerTheLegendLineIsTheFlatOne) {
  auto s = Make3D<TLineSeries>({{1, 1}, {4, 5}});
  const TRect r{20, 30, 44, 40};
  // Without a marker the 3D symbol is the filled box.
  EXPECT_EQ(Shapes(Legend(*s, r)), QStringList({"rectangle 20,30,44,40"}));
  s->Pointer()->SetVisible(true);
  const QStringList inDepth = Shapes(Legend(*s, r));
  ASSERT_FALSE(inDepth.isEmpty());
  EXPECT_EQ(inDepth.mid(0, 2), Calls({Line(20, 35, 44, 35)}));
  EXPECT_FALSE(inDepth.contains(QStringLiteral("rectangle 20,30,44,40")));
  // Just as a flat chart draws it.
  chart.host.is3D = false;
  chart.host.Start();
  EXPECT_EQ(inDepth, Shapes(Legend(*s, r)));
}

TEST_F(LineDrawing3D, TheOutlinePassUsesTheOutlinePenWidened) {
  auto s = Make3D<TLineSeries>({{1, 1}, {4, 5}});
  s->OutLine()->SetVisible(true);
  s->OutLine()->SetWidth(2);
  s->OutLine()->SetStyle(Graphics::psDash);
  s->OutLine()->SetColor(base::clBlue);
  QStringList pens;
  for (const QString& l : Paint(*s)) {
    if (l.startsWith(QLatin1String("polygon")))
      pens << l.section(QStringLiteral(" pen["), 1, 1).section(QLatin1Char(' '), 0, 2);
  }
  ASSERT_EQ(pens.size(), 2);
  EXPECT_EQ(pens[0], QStringLiteral("$FF0000 w6 psDash"));
  EXPECT_EQ(pens[1], QStringLiteral("$000000 w1 psSolid"));
}

TEST_F(LineDrawing3D, AClickOnTheRibbonsFaceAnswersItsSegment) {
  const int depth = 20;  // half way through the series
  const struct {
    const char* name;
    bool stairs;
    QPoint onFace;  // before the depth moves it
  } cases[] = {
      {"straight: the middle of the segment", false, {(X(1) + X(5)) / 2, (Y(1) + Y(5)) / 2}},
      {"stairs: the run", true, {(X(1) + X(5)) / 2, Y(1)}},
      {"stairs: the rise", true, {X(5), (Y(1) + Y(5)) / 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto s = Make3D<TLineSeries>({{1, 1}, {5, 5}});
    s->SetStairs(c.stairs);
    s->CalcFirstLastVisibleIndex();
    const QPoint shown = chart.Canvas().Calculate3DPosition(c.onFace.x(), c.onFace.y(), depth);
    ASSERT_NE(shown, c.onFace);
    EXPECT_EQ(s->Clicked(shown.x(), shown.y()), 0);
    // Beyond the back edge the ribbon ends.
    const QPoint behind = chart.Canvas().Calculate3DPosition(c.onFace.x(), c.onFace.y(), 60);
    EXPECT_EQ(s->Clicked(behind.x(), behind.y()), -1);
  }
}

}  // namespace
