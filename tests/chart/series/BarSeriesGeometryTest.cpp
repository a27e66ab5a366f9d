// Bar series on a recording device: the exact rectangles of side-by-side,
// side-all, stacked, grouped and 100 % bars, vertical and horizontal, on
// normal and inverted axes, with and without a pen. Every expected pixel
// comes from the fake chart's axes (chart rectangle 12..388 across, 240..10
// upwards) and the bar-size rule, never from the code under test.
#include "chart/core/ChartEngine.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

// An axis' pixel of `v` over [lo, hi] shown from `from` to `to`.
int Pos(double v, double lo, double hi, int from, int to) {
  return static_cast<int>(std::lrint(from + (v - lo) * (to - from) / (hi - lo)));
}
int X(double v, double lo = 0, double hi = 10) {
  return Pos(v, lo, hi, 12, 388);
}
int Y(double v, double lo = 0, double hi = 10) {
  return Pos(v, lo, hi, 240, 10);
}
int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}
// The bar size: percent of the slot (axis length over points, plus one
// with side margins), shared by `bars`, made even.
int BarSize(int length, int points, int percent, int bars, bool sideMargins = true) {
  const int width = length / (sideMargins ? points + 1 : points);
  int size = RoundEven(percent * 0.01 * width) / bars;
  return size % 2 ? size + 1 : size;
}
QString Rect(int l, int t, int r, int b) {
  return QStringLiteral("rectangle %1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b);
}

class BarGeometry : public testing::Test {
 public:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::vector<std::unique_ptr<TCustomBarSeries>> series;

  RecordingBackend& Device() { return chart.host.backend; }

  // A series with one point per value: vertical bars stand at X = index,
  // horizontal ones at Y = index.
  template <class S>
  S& Add(const std::vector<double>& values,
         TCustomBarSeries::TMultiBar multi = TCustomBarSeries::mbSide, int group = 0) {
    auto s = std::make_unique<S>();
    s->SetParentChart(&chart);
    s->SetSeriesColor(base::clRed);
    s->Marks()->SetVisible(false);
    s->SetStackGroup(group);
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (std::is_same_v<S, THorizBarSeries>)
        s->AddPointXY(values[i], double(i));
      else
        s->AddPointXY(double(i), values[i]);
    }
    s->SetMultiBar(multi);
    series.push_back(std::move(s));
    return static_cast<S&>(*series.back());
  }
  // The paint's pre-pass and margins for every series, then the rectangles
  // `s` draws.
  QStringList Paint(TCustomBarSeries& s) {
    for (auto& each : series) {
      each->DoBeforeDrawChart();
      int a = 0, b = 0;
      each->CalcHorizMargins(a, b);
      each->CalcVertMargins(a, b);
    }
    Device().clearLines();
    s.CalcFirstLastVisibleIndex();
    s.DrawAllValues();
    QStringList out;
    for (const QString& l : Device().lines())
      if (!l.startsWith(QLatin1String("set")))
        out << l.section(QStringLiteral(" pen["), 0, 0).section(QStringLiteral(" clip"), 0, 0);
    return out;
  }
};

TEST_F(BarGeometry, VerticalBarsStandWhereTheirShareOfTheSlotSays) {
  struct Case {
    const char* name;
    std::function<QStringList(BarGeometry&)> paint;
    std::function<QStringList()> want;
  };
  const std::vector<double> ten = {1, 2, 3, 4, 5, 6, 7, 8, 9, 5};
  const std::vector<Case> cases = {
      {"two side-by-side series: even widths, the first left of the point, the second at it",
       [&](BarGeometry& f) {
         f.Add<TBarSeries>(ten);
         auto& second = f.Add<TBarSeries>(ten);
         return f.Paint(*f.series[0]) + f.Paint(second);
       },
       [&] {
         const int size = BarSize(376, 10, 70, 2);
         EXPECT_EQ(size, 12);
         QStringList want;
         for (int order : {1, 2})
           for (int i = 0; i < 10; ++i) {
             const int left = X(i) + RoundEven((order - 1.0 - 1.0) * size);
             want << Rect(left, Y(ten[i]), left + size + 1, Y(0));
           }
         return want;
       }},
      {"100 % bars reach the next bar's left edge",
       [&](BarGeometry& f) {
         auto& s = f.Add<TBarSeries>({2, 4, 3});
         s.SetBarWidthPercent(100);
         return f.Paint(s);
       },
       [&] {
         const int size = BarSize(376, 3, 100, 1);
         auto left = [&](int i) { return X(i) + RoundEven((1 - 0.5 - 1.0) * size); };
         return QStringList{Rect(left(0), Y(2), left(1), Y(0)), Rect(left(1), Y(4), left(2), Y(0)),
                            Rect(left(2), Y(3), left(2) + size + 1, Y(0))};
       }},
      {"100 % bars on an inverted axis reach the next bar on their left, with and without a "
       "pen (then one pixel more at the larger x)",
       [&](BarGeometry& f) {
         f.chart.bottom.SetInverted(true);
         auto& s = f.Add<TBarSeries>({2, 4, 3});
         s.SetBarWidthPercent(100);
         QStringList got = f.Paint(s);
         s.BarPen()->SetVisible(false);
         return got + f.Paint(s);
       },
       [&] {
         const int size = BarSize(376, 3, 100, 1);
         auto left = [&](int i) { return Pos(i, 0, 10, 388, 12) - size / 2; };
         QStringList want;
         for (int grow : {0, 1}) {
           // Drawn from the last point on an inverted axis.
           want << Rect(left(2), Y(3), left(2) + size + 1 + grow, Y(0) + grow)
                << Rect(left(2), Y(4), left(1) + grow, Y(0) + grow)
                << Rect(left(1), Y(2), left(0) + grow, Y(0) + grow);
         }
         return want;
       }},
      {"no pen: one more pixel at the far end and on the right",
       [&](BarGeometry& f) {
         auto& s = f.Add<TBarSeries>({2, -1}, TCustomBarSeries::mbNone);
         s.BarPen()->SetVisible(false);
         FakeDrawingChart::Scale(f.chart.left, -5, 5);
         return f.Paint(s);
       },
       [&] {
         const int size = BarSize(376, 2, 70, 1);
         auto left = [&](int i) { return X(i) - size / 2; };
         return QStringList{Rect(left(0), Y(2, -5, 5), left(0) + size + 2, Y(0, -5, 5) + 1),
                            Rect(left(1), Y(0, -5, 5), left(1) + size + 2, Y(-1, -5, 5) + 1)};
       }},
      {"side-all bars stand at index plus the points of the series before",
       [&](BarGeometry& f) {
         f.Add<TBarSeries>({1, 2, 3}, TCustomBarSeries::mbSideAll);
         auto& second = f.Add<TBarSeries>({4, 5, 6}, TCustomBarSeries::mbSideAll);
         return f.Paint(second);
       },
       [&] {
         const int size = BarSize(376, 3, 70, 2);
         QStringList want;
         for (int i = 0; i < 3; ++i)
           want << Rect(X(i + 3) - size / 2, Y(4 + i), X(i + 3) - size / 2 + size + 1, Y(0));
         return want;
       }},
      {"stacked: a negative value stacks below the origin on the negatives only",
       [&](BarGeometry& f) {
         FakeDrawingChart::Scale(f.chart.left, -5, 5);
         f.Add<TBarSeries>({3, -2}, TCustomBarSeries::mbStacked);
         f.Add<TBarSeries>({-1, 1}, TCustomBarSeries::mbStacked);
         auto& top = f.Add<TBarSeries>({1, -1}, TCustomBarSeries::mbStacked);
         return f.Paint(top);
       },
       [&] {
         const int size = BarSize(376, 2, 70, 1);
         auto left = [&](int i) { return X(i) + RoundEven((1 - 0.5 - 1.0) * size); };
         auto y = [](double v) { return Y(v, -5, 5); };
         // Point 0 sits on 3 (the -1 does not count); point 1 below -2.
         return QStringList{Rect(left(0), y(4), left(0) + size + 1, y(3)),
                            Rect(left(1), y(-2), left(1) + size + 1, y(-3))};
       }},
      {"two stack groups stand side by side, each stacked",
       [&](BarGeometry& f) {
         f.Add<TBarSeries>({1, 2}, TCustomBarSeries::mbStacked, 0);
         auto& other = f.Add<TBarSeries>({2, 2}, TCustomBarSeries::mbStacked, 7);
         auto& onFirst = f.Add<TBarSeries>({3, 1}, TCustomBarSeries::mbStacked, 0);
         return f.Paint(onFirst) + f.Paint(other);
       },
       [&] {
         const int size = BarSize(376, 2, 70, 2);
         auto left = [&](int i, int order) {
           return X(i) + RoundEven((order - 2 * 0.5 - 1.0) * size);
         };
         return QStringList{Rect(left(0, 1), Y(4), left(0, 1) + size + 1, Y(1)),
                            Rect(left(1, 1), Y(3), left(1, 1) + size + 1, Y(2)),
                            Rect(left(0, 2), Y(2), left(0, 2) + size + 1, Y(0)),
                            Rect(left(1, 2), Y(2), left(1, 2) + size + 1, Y(0))};
       }},
      {"stack 100 %: shares of the total; a zero total is a flat bar at 0",
       [&](BarGeometry& f) {
         f.Add<TBarSeries>({1, 0}, TCustomBarSeries::mbStacked100);
         auto& top = f.Add<TBarSeries>({3, 0}, TCustomBarSeries::mbStacked100);
         FakeDrawingChart::Scale(f.chart.left, 0, 100);
         return f.Paint(top);
       },
       [&] {
         const int size = BarSize(376, 2, 70, 1);
         auto left = [&](int i) { return X(i) + RoundEven((1 - 0.5 - 1.0) * size); };
         auto y = [](double v) { return Y(v, 0, 100); };
         return QStringList{Rect(left(0), y(100), left(0) + size + 1, y(25)),
                            Rect(left(1), y(0), left(1) + size + 1, y(0))};
       }},
      {"no YOrigin on an inverted value axis: bars start at the axis minimum (its top)",
       [&](BarGeometry& f) {
         f.chart.left.SetInverted(true);
         FakeDrawingChart::Scale(f.chart.left, 0, 10);
         auto& s = f.Add<TBarSeries>({4}, TCustomBarSeries::mbNone);
         s.SetUseYOrigin(false);
         return f.Paint(s);
       },
       [&] {
         const int size = BarSize(376, 1, 70, 1);
         // Inverted: 0 at the top (10), 4 at 10 + 4 * 23.
         return QStringList{Rect(X(0) - size / 2, 10, X(0) - size / 2 + size + 1, 10 + 4 * 23)};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    series.clear();
    chart.bottom.SetInverted(false);
    chart.left.SetInverted(false);
    FakeDrawingChart::Scale(chart.bottom, 0, 10);
    FakeDrawingChart::Scale(chart.left, 0, 10);
    const QStringList got = c.paint(*this);
    ASSERT_FALSE(got.isEmpty());
    EXPECT_EQ(got, c.want());
    series.clear();
  }
}

// Horizontal 100 % bars of 3 at Y 0 and 5 at Y 1: the second reaches the
// first.
QStringList FullHeightPair() {
  const int size = BarSize(230, 2, 100, 1);
  auto top = [&](int i) { return Y(i) + RoundEven((1 - 0.5 - 1.0) * size); };
  return QStringList{Rect(X(0), top(0), X(3), top(0) + size + 1), Rect(X(0), top(1), X(5), top(0))};
}

TEST_F(BarGeometry, HorizontalBarsMirrorThem) {
  struct Case {
    const char* name;
    std::function<QStringList(BarGeometry&)> paint;
    std::function<QStringList()> want;
  };
  const std::vector<Case> cases = {
      {"two side-by-side series up the vertical axis",
       [](BarGeometry& f) {
         f.Add<THorizBarSeries>({2, 4, 6});
         auto& second = f.Add<THorizBarSeries>({1, 3, 5});
         return f.Paint(*f.series[0]) + f.Paint(second);
       },
       [] {
         const int size = BarSize(230, 3, 70, 2);
         QStringList want;
         const double values[2][3] = {{2, 4, 6}, {1, 3, 5}};
         for (int order : {1, 2})
           for (int i = 0; i < 3; ++i) {
             const int top = Y(i) + RoundEven((order - 1.0 - 1.0) * size);
             want << Rect(X(0), top, X(values[order - 1][i]), top + size + 1);
           }
         return want;
       }},
      {"no pen: +10 and -10 come out the same length, one pixel more at the larger x",
       [](BarGeometry& f) {
         FakeDrawingChart::Scale(f.chart.bottom, -20, 20);
         auto& s = f.Add<THorizBarSeries>({10, -10}, TCustomBarSeries::mbNone);
         s.BarPen()->SetVisible(false);
         return f.Paint(s);
       },
       [] {
         const int size = BarSize(230, 2, 70, 1);
         auto x = [](double v) { return X(v, -20, 20); };
         auto top = [&](int i) { return Y(i) - size / 2; };
         return QStringList{Rect(x(0), top(0), x(10) + 1, top(0) + size + 2),
                            Rect(x(-10), top(1), x(0) + 1, top(1) + size + 2)};
       }},
      {"no YOrigin: bars grow from the left end of a normal bottom axis",
       [](BarGeometry& f) {
         FakeDrawingChart::Scale(f.chart.bottom, 2, 10);
         auto& s = f.Add<THorizBarSeries>({6}, TCustomBarSeries::mbNone);
         s.SetUseYOrigin(false);
         return f.Paint(s);
       },
       [] {
         const int size = BarSize(230, 1, 70, 1);
         return QStringList{Rect(12, Y(0) - size / 2, X(6, 2, 10), Y(0) - size / 2 + size + 1)};
       }},
      {"no YOrigin: and from the right end of an inverted one",
       [](BarGeometry& f) {
         f.chart.bottom.SetInverted(true);
         FakeDrawingChart::Scale(f.chart.bottom, 2, 10);
         auto& s = f.Add<THorizBarSeries>({6}, TCustomBarSeries::mbNone);
         s.SetUseYOrigin(false);
         return f.Paint(s);
       },
       [] {
         const int size = BarSize(230, 1, 70, 1);
         const int six = 388 - RoundEven((6 - 2) * 376 / 8.0);
         return QStringList{Rect(six, Y(0) - size / 2, 388, Y(0) - size / 2 + size + 1)};
       }},
      {"100 % bars reach the bar of the point before",
       [](BarGeometry& f) {
         auto& s = f.Add<THorizBarSeries>({3, 5});
         s.SetBarWidthPercent(100);
         return f.Paint(s);
       },
       FullHeightPair},
      {"100 % bars added from the top down stand in the order of their positions",
       [](BarGeometry& f) {
         auto& s = f.Add<THorizBarSeries>({});
         s.AddPointXY(5, 1);
         s.AddPointXY(3, 0);
         s.SetBarWidthPercent(100);
         return f.Paint(s);
       },
       FullHeightPair},
      {"100 % bars on an inverted axis reach the point before above them, no pen: one pixel "
       "more at the larger y",
       [](BarGeometry& f) {
         f.chart.left.SetInverted(true);
         auto& s = f.Add<THorizBarSeries>({3, 5});
         s.SetBarWidthPercent(100);
         s.BarPen()->SetVisible(false);
         return f.Paint(s);
       },
       [] {
         const int size = BarSize(230, 2, 100, 1);
         auto top = [&](int i) { return Pos(i, 0, 10, 10, 240) - size / 2; };
         // Drawn from the last point on an inverted axis.
         return QStringList{Rect(X(0), top(0), X(5) + 1, top(1) + 1),
                            Rect(X(0), top(0), X(3) + 1, top(0) + size + 2)};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    series.clear();
    chart.bottom.SetInverted(false);
    chart.left.SetInverted(false);
    FakeDrawingChart::Scale(chart.bottom, 0, 10);
    const QStringList got = c.paint(*this);
    ASSERT_FALSE(got.isEmpty());
    EXPECT_EQ(got, c.want());
    series.clear();
  }
}

}  // namespace

// A bar type derived from the plain one, as users' own bar types are.
class TDerivedBarSeries : public TBarSeries {
  Q_OBJECT
};

namespace {

TEST_F(BarGeometry, ADerivedBarTypeStacksOnThePlainOneAndTheOtherWayRound) {
  FakeDrawingChart::Scale(chart.left, 0, 10);
  Add<TBarSeries>({2}, TCustomBarSeries::mbStacked);
  auto& derived = Add<TDerivedBarSeries>({3}, TCustomBarSeries::mbStacked);
  auto& plain = Add<TBarSeries>({1}, TCustomBarSeries::mbStacked);
  EXPECT_DOUBLE_EQ(derived.PointOrigin(0, false), 2);
  EXPECT_DOUBLE_EQ(plain.PointOrigin(0, false), 5);
  EXPECT_DOUBLE_EQ(plain.PointOrigin(0, true), 6);
  derived.DoBeforeDrawChart();
  EXPECT_EQ(derived.NumBars(), 1);
  // A horizontal bar is no member of the vertical stack.
  Add<THorizBarSeries>({4}, TCustomBarSeries::mbStacked);
  EXPECT_DOUBLE_EQ(plain.PointOrigin(0, true), 6);
}

}  // namespace

#include "BarSeriesGeometryTest.moc"
