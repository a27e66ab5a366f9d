// Bar series beyond the rectangles: the 2D shape of each style, the
// thin-bar rule, mark positions, hit tests, the size rule's hostile inputs,
// relative gradient colours, the gallery's sub-styles, and a property test
// of random stacks. Pixels come from the fake chart's axes: 0..10 over
// 12..388 across and 240..10 upwards.
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"
#include "tests/chart/series/SeriesRender.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

using seriestest::X;
using seriestest::Y;

class BarBehaviour : public testing::Test {
 public:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::vector<std::unique_ptr<TCustomBarSeries>> series;

  template <class S = TBarSeries>
  S& Add(const std::vector<std::pair<double, double>>& points,
         TCustomBarSeries::TMultiBar multi = TCustomBarSeries::mbNone) {
    auto s = std::make_unique<S>();
    // Joining takes the layout of the bars already there.
    s->SetMultiBar(multi);
    s->SetParentChart(&chart);
    s->SetSeriesColor(base::clRed);
    s->Marks()->SetVisible(false);
    for (auto [x, y] : points) s->AddPointXY(x, y);
    series.push_back(std::move(s));
    return static_cast<S&>(*series.back());
  }
  void Layout() {
    for (auto& each : series) {
      each->DoBeforeDrawChart();
      int a = 0, b = 0;
      each->CalcHorizMargins(a, b);
      each->CalcVertMargins(a, b);
      each->CalcFirstLastVisibleIndex();
    }
  }
  QStringList Paint(TCustomBarSeries& s) {
    Layout();
    chart.host.backend.clearLines();
    s.DrawAllValues();
    QStringList out;
    for (const QString& l : chart.host.backend.lines())
      if (!l.startsWith(QLatin1String("set"))) out << l;
    return out;
  }
  static QString Shape(const QString& line) { return line.section(QStringLiteral(" pen["), 0, 0); }
};

TEST_F(BarBehaviour, EachStyleDrawsItsShapeIn2D) {
  // One bar of 4 at x = 5: 70 % of 376 / 2 = 131.6 -> 132 wide.
  const int left = X(5) - 66, right = left + 133, top = Y(4), bottom = Y(0);
  const int mid = (left + right) / 2;
  auto pt = [](int x, int y) { return QStringLiteral("%1,%2").arg(x).arg(y); };
  using B = TCustomBarSeries;
  const struct {
    B::TBarStyle style;
    QStringList shapes;
  } cases[] = {
      {B::bsRectangle,
       {QStringLiteral("rectangle %1,%2,%3,%4").arg(left).arg(top).arg(right).arg(bottom)}},
      {B::bsCilinder,
       {QStringLiteral("rectangle %1,%2,%3,%4").arg(left).arg(top).arg(right).arg(bottom)}},
      {B::bsPyramid,
       {"polygon " + pt(left, bottom) + " " + pt(mid, top) + " " + pt(right, bottom)}},
      {B::bsCone, {"polygon " + pt(left, bottom) + " " + pt(mid, top) + " " + pt(right, bottom)}},
      {B::bsInvPyramid,
       {"polygon " + pt(left, top) + " " + pt(mid, bottom) + " " + pt(right, top)}},
      {B::bsEllipse,
       {QStringLiteral("ellipse %1,%2,%3,%4").arg(left).arg(top).arg(right).arg(bottom)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    series.clear();
    auto& s = Add({{5, 4}});
    s.SetBarStyle(c.style);
    QStringList shapes;
    for (const QString& l : Paint(s)) shapes << Shape(l);
    EXPECT_EQ(shapes, c.shapes);
  }
  // The gradient fills the rectangle, then outlines it with a clear brush.
  series.clear();
  auto& g = Add({{5, 4}});
  g.SetBarStyle(B::bsRectGradient);
  const QStringList lines = Paint(g);
  ASSERT_GE(lines.size(), 2);
  EXPECT_TRUE(lines.back().startsWith(
      QStringLiteral("rectangle %1,%2,%3,%4").arg(left).arg(top).arg(right).arg(bottom)));
  EXPECT_TRUE(lines.back().contains(QLatin1String("bsClear"))) << lines.back().toStdString();
  // OnGetBarStyle decides per point.
  series.clear();
  auto& e = Add({{5, 4}});
  e.OnGetBarStyle = [](TCustomBarSeries&, int, B::TBarStyle& style) { style = B::bsEllipse; };
  EXPECT_TRUE(Paint(e).front().startsWith(QLatin1String("ellipse")));
}

TEST_F(BarBehaviour, ThinBarsFallBackToTheBrushColour) {
  // A zero-height bar (value at the origin) is a line in the brush colour
  // (red, $0000FF); a bar lower than its pen is the pen alone, in the brush
  // colour, over a clear brush.
  auto& flat = Add({{5, 0}});
  QStringList lines = Paint(flat);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].startsWith(QLatin1String("rectangle 134,240,267,240")))
      << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(QLatin1String("pen[$0000FF w1 psSolid"))) << lines[0].toStdString();
  series.clear();
  FakeDrawingChart::Scale(chart.left, 0, 1000);
  auto& low = Add({{5, 10}});
  low.BarPen()->SetWidth(4);
  lines = Paint(low);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].contains(QLatin1String("pen[$0000FF w4"))) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains(QLatin1String("bsClear"))) << lines[0].toStdString();
  // A tall bar keeps the black pen and the solid brush.
  low.AddPointXY(6, 500);
  lines = Paint(low);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[1].contains(QLatin1String("pen[$000000 w4"))) << lines[1].toStdString();
  EXPECT_TRUE(lines[1].contains(QLatin1String("brush[$0000FF bsSolid"))) << lines[1].toStdString();
}

TEST_F(BarBehaviour, MarginsMakeRoomForBarsAndTheirMarks) {
  auto& a = Add({{1, 2}, {2, 3}}, TCustomBarSeries::mbSide);
  Add({{1, 1}, {2, 1}}, TCustomBarSeries::mbSide);
  a.Marks()->SetVisible(true);
  a.Marks()->SetArrowLength(20);
  Layout();
  // Two side bars of 376 / 3 * 0.7 / 2 = 43.75 -> 44 each: room for both
  // at each end, half of it without side margins.
  int left = 0, right = 0;
  a.CalcHorizMargins(left, right);
  EXPECT_EQ(a.BarSize(), 44);
  EXPECT_EQ(left, 88);
  EXPECT_EQ(right, 88);
  a.SetSideMargins(false);
  Layout();
  a.CalcHorizMargins(left, right);
  EXPECT_EQ(left, a.BarSize());
  // The marks' room: font height, arrow, frame, one pixel; above positive
  // bars only, below too once a value lies under the origin.
  chart.Canvas().AssignFont(*a.Marks()->Font());
  const int frame = a.Marks()->Frame()->Visible() ? 2 * a.Marks()->Frame()->Width() : 0;
  const int room = chart.Canvas().TextHeight(QStringLiteral("W")) + 20 + frame + 1;
  int top = 0, bottom = 0;
  a.CalcVertMargins(top, bottom);
  EXPECT_EQ(top, room);
  EXPECT_EQ(bottom, 0);
  a.AddPointXY(3, -1);
  a.CalcVertMargins(top, bottom);
  EXPECT_EQ(bottom, room);
  chart.left.SetInverted(true);
  a.Delete(0);
  a.Delete(0);
  a.CalcVertMargins(top, bottom);
  EXPECT_EQ(top, room) << "inverted: the negative side is the top";
  EXPECT_EQ(bottom, 0);
}

TEST_F(BarBehaviour, NullPointsDrawNoBar) {
  auto& s = Add({{1, 2}});
  s.AddNullXY(5, 5);
  s.AddPointXY(9, 4);
  const QStringList lines = Paint(s);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("rectangle %1,").arg(s.CalcXPos(0))));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("rectangle %1,").arg(s.CalcXPos(2))));
  EXPECT_EQ(s.Clicked(s.CalcXPos(1) + 2, Y(1)), -1);
}

TEST_F(BarBehaviour, BarSizeNeverGoesNegativeNorDividesByZero) {
  auto& s = Add({{1, 1}, {2, 2}});
  s.SetBarWidthPercent(-50);
  Layout();
  EXPECT_EQ(s.BarSize(), 0);
  EXPECT_EQ(s.BarWidthPercent(), -50) << "the stored value stays";
  s.SetBarWidthPercent(70);
  s.SetAutoBarSize(true);
  // 2 + max - min: 2 + 10 - 0 slots over 376 pixels.
  Layout();
  EXPECT_EQ(s.BarSize(), 22);  // round(0.7 * round(376 / 12)) = 22
  // A range too wide for a finite slot count.
  for (auto [lo, hi] : {std::pair{-1e308, 1e308}}) {
    FakeDrawingChart::Scale(chart.bottom, lo, hi);
    Layout();
    EXPECT_EQ(s.BarSize(), 0) << lo << ".." << hi;
  }
  s.SetActive(false);
  Layout();
  EXPECT_GE(s.NumBars(), 1);
  int left = 0, right = 0;
  s.CalcHorizMargins(left, right);
  EXPECT_GE(left, 0);
  EXPECT_GE(right, 0);
}

TEST_F(BarBehaviour, RelativeGradientsShadeByValueWithinTheRange) {
  TBarSeriesGradient g;
  g.SetStartColor(base::clWhite);
  EXPECT_EQ(g.BarEndColor(base::clRed, 0.5), base::clRed) << "not relative: the bar colour";
  g.SetRelative(true);
  const struct {
    double fraction;
    base::TColor want;
  } cases[] = {{0, base::clWhite}, {1, base::clRed},
               {0.5, 0x008080FF},  {-3, base::clWhite},
               {7, base::clRed},   {std::numeric_limits<double>::quiet_NaN(), base::clRed}};
  for (const auto& c : cases)
    EXPECT_EQ(g.BarEndColor(base::clRed, c.fraction), c.want) << c.fraction;
  // A system colour is resolved before its channels are mixed.
  EXPECT_EQ(g.BarEndColor(base::ColorToRGB(base::clWindow), 1), g.BarEndColor(base::clWindow, 1));
}

TEST_F(BarBehaviour, MarksSitHalfABarRightAndAboveOrBelowTheBar) {
  auto& s = Add({{3, 4}, {7, -2}});
  FakeDrawingChart::Scale(chart.left, -5, 5);
  s.Marks()->SetVisible(true);
  s.Marks()->SetArrowLength(20);
  s.SetAutoMarkPosition(false);
  Layout();
  s.DrawMarks();
  const int half = s.BarSize() / 2;
  const TSeriesMarkPosition* up = s.Marks()->Positions().GetPosition(0);
  const TSeriesMarkPosition* down = s.Marks()->Positions().GetPosition(1);
  ASSERT_TRUE(up && down);
  auto y = [](double v) { return static_cast<int>(std::lrint(240 - (v + 5) * 23.0)); };
  EXPECT_EQ(up->ArrowStart, QPoint(s.CalcXPos(0) + half, y(4)));
  EXPECT_EQ(up->ArrowEnd, QPoint(s.CalcXPos(0) + half, y(4) - 20));
  EXPECT_EQ(up->BoxTopLeft.y(), y(4) - up->BoxHeight + 1 - 20);
  EXPECT_EQ(up->BoxTopLeft.x(), s.CalcXPos(0) + half - up->BoxWidth / 2);
  EXPECT_EQ(down->BoxTopLeft.y(), y(-2) - down->BoxHeight + 1 + 20 + down->BoxHeight);
}

TEST_F(BarBehaviour, HorizontalMarksSitBesideTheBarEnd) {
  FakeDrawingChart::Scale(chart.bottom, -10, 10);
  auto& s = Add<THorizBarSeries>({{6, 2}, {-4, 6}});
  s.Marks()->SetVisible(true);
  s.Marks()->SetArrowLength(20);
  Layout();
  s.DrawMarks();
  const int half = s.BarSize() / 2;
  auto x = [](double v) { return static_cast<int>(std::lrint(12 + (v + 10) * 18.8)); };
  const TSeriesMarkPosition* right = s.Marks()->Positions().GetPosition(0);
  const TSeriesMarkPosition* left = s.Marks()->Positions().GetPosition(1);
  ASSERT_TRUE(right && left);
  const int top0 = s.CalcYPos(0), top1 = s.CalcYPos(1);
  EXPECT_EQ(right->ArrowStart, QPoint(x(6), top0 + half));
  EXPECT_EQ(right->ArrowEnd, QPoint(x(6) + 20, top0 + half));
  EXPECT_EQ(right->BoxTopLeft.x(), x(6) + 20);
  EXPECT_EQ(right->BoxTopLeft.y(), top0 - right->BoxHeight + 1 + half + right->BoxHeight / 2);
  // Pointing left, the box ends the arrow's length left of the bar.
  EXPECT_EQ(left->BoxTopLeft.x() + left->BoxWidth, x(-4) - 20);
  EXPECT_EQ(left->ArrowStart, QPoint(x(-4), top1 + half));
}

TEST_F(BarBehaviour, TheLegendTakesTheBarBrushColourUnlessItFollowsTheSeries) {
  auto& s = Add({{5, 4}});
  s.SetSeriesColor(base::clRed);
  auto symbol = [&] {
    chart.host.backend.clearLines();
    s.DrawLegend(-1, TRect{0, 0, 10, 10});
    for (const QString& l : chart.host.backend.lines())
      if (l.startsWith(QLatin1String("rectangle"))) return l;
    return QString();
  };
  EXPECT_TRUE(symbol().contains(QLatin1String("brush[$0000FF bsSolid"))) << symbol().toStdString();
  s.BarBrush()->SetColor(base::clLime);
  EXPECT_TRUE(symbol().contains(QLatin1String("brush[$00FF00 bsSolid"))) << symbol().toStdString();
}

TEST_F(BarBehaviour, NeighbourMarksArePushedApart) {
  // Two equal bars side by side on neighbouring points: the wide marks of
  // the second would cover the first's, so it moves up by their overlap.
  auto& s = Add({{4, 5}, {4.3, 5}});
  s.Marks()->SetVisible(true);
  s.SetValueFormat(QStringLiteral("0.000000"));
  Layout();
  s.DrawMarks();
  const TSeriesMarkPosition* first = s.Marks()->Positions().GetPosition(0);
  const TSeriesMarkPosition* second = s.Marks()->Positions().GetPosition(1);
  ASSERT_TRUE(first && second);
  const int dx = s.CalcXPos(1) - s.CalcXPos(0);
  ASSERT_LT(dx, first->BoxWidth) << "the case needs overlapping boxes";
  EXPECT_EQ(second->BoxTopLeft.y(), first->BoxTopLeft.y() - first->BoxHeight);
  EXPECT_EQ(second->ArrowEnd.y(), first->ArrowEnd.y() - first->BoxHeight);
  s.SetAutoMarkPosition(false);
  s.DrawMarks();
  EXPECT_EQ(s.Marks()->Positions().GetPosition(1)->BoxTopLeft.y(),
            s.Marks()->Positions().GetPosition(0)->BoxTopLeft.y());
}

TEST_F(BarBehaviour, HitTestsFollowTheShape) {
  auto& s = Add({{5, 8}});
  Layout();
  const int left = s.CalcXPos(0), right = left + s.BarSize();
  const int top = Y(8), bottom = Y(0);
  const QPoint inside((left + right) / 2, (top + bottom) / 2);
  const QPoint topCorner(left + 2, top + 2);
  const QPoint outside(right + 3, inside.y());
  using B = TCustomBarSeries;
  const struct {
    B::TBarStyle style;
    bool corner;
  } cases[] = {{B::bsRectangle, true},
               {B::bsPyramid, false},
               {B::bsEllipse, false},
               {B::bsInvPyramid, true},
               {B::bsCone, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    s.SetBarStyle(c.style);
    EXPECT_EQ(s.Clicked(inside.x(), inside.y()), 0);
    EXPECT_EQ(s.Clicked(topCorner.x(), topCorner.y()), c.corner ? 0 : -1);
    EXPECT_EQ(s.Clicked(outside.x(), outside.y()), -1);
  }
  s.SetBarStyle(B::bsInvPyramid);
  EXPECT_EQ(s.Clicked(left + 2, bottom - 2), -1) << "the inverted pyramid's foot corner";
}

TEST_F(BarBehaviour, LayoutIsSharedAcrossTheChartsBarsAndTheirDepthSlot) {
  auto& a = Add({{1, 1}});
  auto& b = Add({{1, 2}});
  auto& h = Add<THorizBarSeries>({{1, 1}});
  const int before = chart.invalidations;
  a.SetMultiBar(TCustomBarSeries::mbStacked);
  EXPECT_EQ(chart.invalidations, before + 1) << "one repaint for all";
  EXPECT_EQ(b.MultiBar(), TCustomBarSeries::mbStacked);
  EXPECT_EQ(h.MultiBar(), TCustomBarSeries::mbNone) << "another bar class keeps its own";
  a.SetSideMargins(false);
  EXPECT_FALSE(b.SideMargins());
  auto& joining = Add({{1, 3}});
  EXPECT_EQ(joining.MultiBar(), TCustomBarSeries::mbStacked);
  EXPECT_FALSE(joining.SideMargins());
  // In 3D the stacked bars stand in the first one's slot, the horizontal
  // ones in a slot of their own.
  chart.host.is3D = true;
  chart.maxZOrder = -1;
  for (auto& s : series) s->CalcZOrder();
  EXPECT_EQ(b.DepthSlot(), a.DepthSlot());
  EXPECT_EQ(joining.DepthSlot(), a.DepthSlot());
  EXPECT_NE(h.DepthSlot(), a.DepthSlot());
  EXPECT_EQ(chart.maxZOrder, h.DepthSlot());
  EXPECT_TRUE(a.MoreSameZOrder());
  a.SetMultiBar(TCustomBarSeries::mbSideAll);
  EXPECT_FALSE(a.MoreSameZOrder());
}

TEST_F(BarBehaviour, StackedRangesAndDrawingOrder) {
  auto& a = Add({{0, 3}, {1, -2}}, TCustomBarSeries::mbStacked);
  auto& b = Add({{0, 4}, {1, -5}}, TCustomBarSeries::mbStacked);
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 7);
  EXPECT_DOUBLE_EQ(b.MinYValue(), -7);
  EXPECT_TRUE(b.DrawSeriesForward(0));
  EXPECT_FALSE(b.DrawSeriesForward(1)) << "below the origin: top series first";
  a.SetMultiBar(TCustomBarSeries::mbStacked100);
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 100);
  EXPECT_DOUBLE_EQ(b.MinYValue(), 0);
  a.SetMultiBar(TCustomBarSeries::mbSide);
  a.SetYOrigin(-9);
  EXPECT_DOUBLE_EQ(a.MinYValue(), -9);
  a.SetMultiBar(TCustomBarSeries::mbSideAll);
  Layout();
  EXPECT_DOUBLE_EQ(b.MaxXValue(), 3) << "two points after the first series' two";
}

// Random stacks of both signs in three groups: each bar ends at the running
// same-sign sum of its group, and with 100 % the last series of a group
// reaches the top wherever its total is not zero, all inside the chart.
TEST_F(BarBehaviour, RandomStacksEndAtTheirRunningSums) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> value(-6, 6);
  std::uniform_int_distribution<int> groupOf(0, 2);
  for (int round = 0; round < 20; ++round) {
    series.clear();
    const bool hundred = round % 2 == 1;
    const int points = 5, count = 6;
    FakeDrawingChart::Scale(chart.left, hundred ? 0 : -40, hundred ? 100 : 40);
    std::vector<std::vector<double>> values(count, std::vector<double>(points));
    std::vector<int> groups(count);
    for (int k = 0; k < count; ++k) {
      std::vector<std::pair<double, double>> pts;
      for (int i = 0; i < points; ++i) pts.emplace_back(i, values[k][i] = value(random));
      auto& s = Add(pts, hundred ? TCustomBarSeries::mbStacked100 : TCustomBarSeries::mbStacked);
      s.SetStackGroup(groups[k] = groupOf(random));
    }
    Layout();
    const TRect r = chart.ChartRect();
    for (int k = 0; k < count; ++k) {
      for (int i = 0; i < points; ++i) {
        double below = 0, total = 0;
        const double v = values[k][i];
        for (int j = 0; j < count; ++j) {
          const double w = values[j][i];
          const bool sameSign = v < 0 ? w < 0 : w > 0;
          if (groups[j] != groups[k] || !sameSign) continue;
          if (j < k) below += w;
          total += w;
        }
        auto& s = *series[static_cast<std::size_t>(k)];
        const double end = hundred ? (total == 0 ? 0 : (below + v) * 100 / total) : below + v;
        EXPECT_EQ(s.CalcYPos(i), chart.left.CalcYPosValue(end)) << "series " << k << " point " << i;
        EXPECT_GE(s.CalcYPos(i), r.Top);
        EXPECT_LE(s.CalcYPos(i), r.Bottom);
        EXPECT_GE(s.OriginPos(i), r.Top);
        EXPECT_LE(s.OriginPos(i), r.Bottom);
        bool lastOfGroup = true;
        for (int j = k + 1; j < count; ++j)
          if (groups[j] == groups[k] && (v < 0 ? values[j][i] < 0 : values[j][i] > 0))
            lastOfGroup = false;
        if (hundred && lastOfGroup && total != 0) {
          EXPECT_EQ(s.CalcYPos(i), r.Top);
        }
      }
    }
  }
}

// What each sub-style sets, by index and name, for both bar types.
template <class T>
void CheckBarSubStyles() {
  using B = TCustomBarSeries;
  const struct {
    const char* name;
    std::function<bool(const B&)> applied;
  } styles[] = {
      {"Normal", [](const B& s) { return s.BarStyle() == B::bsRectangle; }},
      {"Colors", [](const B& s) { return s.ColorEachPoint(); }},
      {"Pyramid", [](const B& s) { return s.BarStyle() == B::bsPyramid; }},
      {"Ellipse", [](const B& s) { return s.BarStyle() == B::bsEllipse; }},
      {"Inv. Pyramid", [](const B& s) { return s.BarStyle() == B::bsInvPyramid; }},
      {"Stack", [](const B& s) { return s.MultiBar() == B::mbStacked; }},
      {"Stack 100%", [](const B& s) { return s.MultiBar() == B::mbStacked100; }},
      {"Sides", [](const B& s) { return s.MultiBar() == B::mbSide; }},
      {"Side All", [](const B& s) { return s.MultiBar() == B::mbSideAll; }},
  };
  QStringList names;
  T probe;
  probe.CreateSubGallery([&](const QString& name) { names << name; });
  ASSERT_EQ(names.size(), 9);
  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE(styles[k].name);
    EXPECT_EQ(names[k], QString::fromUtf8(styles[k].name));
    T s;
    s.SetMultiBar(B::mbNone);
    s.SetSubGallery(k);
    EXPECT_TRUE(styles[k].applied(s));
  }
}

TEST(BarGallery, SubStylesSetWhatTheyName) {
  ChartEngineScope engine;
  CheckBarSubStyles<TBarSeries>();
  CheckBarSubStyles<THorizBarSeries>();
}

TEST(BarGallery, TheStackStyleOnAOneSeriesSampleAddsAPartner) {
  ChartEngineScope engine({RegisterSeriesTypes});
  TChart chart;
  auto* first = new TBarSeries(&chart);
  chart.AddSeries(first);
  first->PrepareForGallery(true);
  EXPECT_EQ(first->BarWidthPercent(), 85);
  EXPECT_EQ(first->MultiBar(), TCustomBarSeries::mbNone);
  EXPECT_EQ(first->NumSampleValues(), 6);
  first->SetBarWidthPercent(60);
  first->Marks()->SetVisible(true);
  first->SetSubGallery(5);
  ASSERT_EQ(chart.SeriesCount(), 2);
  auto* partner = qobject_cast<TBarSeries*>(chart.GetSeries(1));
  ASSERT_NE(partner, nullptr);
  EXPECT_EQ(first->PointCount(), 2);
  EXPECT_EQ(partner->PointCount(), 2);
  EXPECT_FALSE(first->Marks()->Visible());
  EXPECT_FALSE(partner->Marks()->Visible());
  EXPECT_EQ(partner->BarWidthPercent(), 60);
  EXPECT_EQ(partner->MultiBar(), TCustomBarSeries::mbStacked);
  EXPECT_TRUE(partner->Title().isEmpty());
  EXPECT_FALSE(partner->objectName().isEmpty());
  EXPECT_EQ(partner->NumSampleValues(), 2);
  // A second stack style on the two-series chart adds nobody.
  first->SetSubGallery(6);
  EXPECT_EQ(chart.SeriesCount(), 2);
  EXPECT_EQ(partner->MultiBar(), TCustomBarSeries::mbStacked100);
}

}  // namespace
