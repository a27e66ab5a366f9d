// The shape series on a recording device: the primitive and exact
// rectangle of every style, the text block's positions, the three meanings
// of the two points, shapes that must not be drawn, the axis extremes, the
// hit tests and the gallery. Expected pixels come from the fake chart's
// axes: 0..10 over 12..388 across and 240..10 upwards.
#include "chart/core/ChartEngine.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TChartShape.h"
#include "tests/chart/series/SeriesRender.h"

#include <QMetaEnum>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace {

using seriestest::P;
using seriestest::X;
using seriestest::Y;
QString R(int l, int t, int r, int b) {
  return QStringLiteral("%1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b);
}
QString Line(int x0, int y0, int x1, int y1) {
  return QStringLiteral("moveTo %1|lineTo %2").arg(P(x0, y0), P(x1, y1));
}
QString Poly(std::initializer_list<QPoint> points) {
  QStringList out;
  for (const QPoint& p : points) out << P(p.x(), p.y());
  return QStringLiteral("polygon ") + out.join(QLatin1Char(' '));
}

using S = TChartShape;

class ShapeDrawing : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  S shape;

  ShapeDrawing() {
    shape.SetParentChart(&chart);
    Place(2, 3, 6, 8);
  }
  void Place(double x0, double y0, double x1, double y1) {
    shape.SetX0(x0);
    shape.SetY0(y0);
    shape.SetX1(x1);
    shape.SetY1(y1);
  }
  QStringList Paint() {
    chart.host.backend.clearLines();
    shape.CalcFirstLastVisibleIndex();
    shape.DrawAllValues();
    return chart.host.backend.lines();
  }
  // The drawing calls without the state they were made in.
  QStringList Shapes() {
    QStringList out;
    for (const QString& l : Paint()) {
      if (l.startsWith(QLatin1String("set"))) continue;
      out << l.section(QStringLiteral(" pen["), 0, 0).section(QStringLiteral(" font["), 0, 0);
    }
    return out;
  }
  static QStringList Calls(const QStringList& entries) {
    QStringList out;
    for (const QString& e : entries) out << e.split(QLatin1Char('|'));
    return out;
  }
};

TEST_F(ShapeDrawing, EachStyleDrawsItsPrimitiveInTheNormalisedRectangle) {
  // Points (2, 3) and (6, 8): r = 87,56 - 238,171, centre 162,113.
  const int l = X(2), t = Y(8), r = X(6), b = Y(3);
  const int cx = (l + r) / 2, cy = (t + b) / 2;
  const QString rect = QStringLiteral("rectangle ") + R(l, t, r, b);
  const QString up = Poly({{l, b}, {cx, t}, {r, b}});
  const QString down = Poly({{l, t}, {cx, b}, {r, t}});
  const QString cross = Line(cx, t, cx, b) + "|" + Line(l, cy, r, cy);
  const QString diag = Line(l, t, r, b) + "|" + Line(l, b, r, t);
  const struct {
    S::TChartShapeStyle style;
    QStringList calls;
  } cases[] = {
      {S::chasRectangle, {rect}},
      {S::chasCircle, {QStringLiteral("ellipse ") + R(l, t, r, b)}},
      {S::chasVertLine, {Line(cx, t, cx, b)}},
      {S::chasHorizLine, {Line(l, cy, r, cy)}},
      {S::chasTriangle, {up}},
      {S::chasInvertTriangle, {down}},
      // The line keeps its direction: from point 0 (bottom left) to point 1.
      {S::chasLine, {Line(X(2), Y(3), X(6), Y(8))}},
      {S::chasDiamond, {Poly({{l, cy}, {cx, t}, {r, cy}, {cx, b}})}},
      {S::chasCube, {rect}},
      {S::chasCross, {cross}},
      {S::chasDiagCross, {diag}},
      {S::chasStar, {cross, diag}},
      {S::chasPyramid, {up}},
      {S::chasInvertPyramid, {down}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QMetaEnum::fromType<S::TChartShapeStyle>().valueToKey(c.style));
    shape.SetStyle(c.style);
    EXPECT_EQ(Shapes(), Calls(c.calls));
  }
  shape.SetStyle(S::chasRectangle);
  shape.SetRoundRectangle(true);
  EXPECT_EQ(Shapes(), QStringList{QStringLiteral("roundRect %1 12x12").arg(R(l, t, r, b))});
}

TEST_F(ShapeDrawing, ShapesThatCannotBeDrawnDrawNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* name;
    std::function<void(S&)> setup;
  } cases[] = {
      {"one point", [](S& s) { s.Delete(1); }},
      {"three points", [](S& s) { s.AddPointXY(4, 4); }},
      {"a NaN coordinate on the axes", [&](S& s) { s.SetY1(nan); }},
      {"an infinite pixel coordinate",
       [&](S& s) {
         s.SetXYStyle(S::xysPixels);
         s.SetX0(-inf);
       }},
      {"an infinite pixel size from the origin",
       [&](S& s) {
         s.SetXYStyle(S::xysAxisOrigin);
         s.SetX1(inf);
       }},
      {"entirely outside the chart rectangle", [](S& s) { s.SetX0(20), s.SetX1(30); }},
      {"a size from the origin beyond any chart, to the left",
       [](S& s) {
         s.SetXYStyle(S::xysAxisOrigin);
         s.SetX0(-1e300);
         s.SetX1(-1e300);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    S s;
    s.SetParentChart(&chart);
    s.SetStyle(S::chasRectangle);
    s.SetX0(2), s.SetY0(3), s.SetX1(6), s.SetY1(8);
    c.setup(s);
    chart.host.backend.clearLines();
    s.CalcFirstLastVisibleIndex();
    s.DrawAllValues();
    EXPECT_TRUE(chart.host.backend.lines().filter(QRegularExpression("^(rect|moveTo)")).isEmpty());
  }
}

TEST_F(ShapeDrawing, TwoEqualPointsLightOnePixelInEveryStyle) {
  Place(4, 4, 4, 4);
  const int x = X(4), y = Y(4);
  shape.SetStyle(S::chasRectangle);
  EXPECT_EQ(Shapes(), QStringList{QStringLiteral("rectangle ") + R(x, y, x + 1, y + 1)});
  shape.SetStyle(S::chasCircle);
  EXPECT_EQ(Shapes(), QStringList{QStringLiteral("ellipse ") + R(x, y, x + 1, y + 1)});
  // A line from a point to itself would light nothing.
  shape.SetStyle(S::chasLine);
  EXPECT_EQ(Shapes(), Calls({Line(x, y, x + 1, y)}));
}

TEST_F(ShapeDrawing, PixelShapesStayAndOriginShapesMoveWithPointZero) {
  shape.SetStyle(S::chasRectangle);
  shape.SetXYStyle(S::xysPixels);
  Place(100, 50, 150, 90);
  const QStringList pixels = {QStringLiteral("rectangle ") + R(100, 50, 150, 90)};
  EXPECT_EQ(Shapes(), pixels);
  FakeDrawingChart::Scale(chart.bottom, 0, 5);
  FakeDrawingChart::Scale(chart.left, 0, 5);
  EXPECT_EQ(Shapes(), pixels) << "zooming the axes leaves a pixel shape in place";
  EXPECT_FALSE(shape.UseAxis());

  // Point 0 on the axes, point 1 a size of 60 x 40 pixels.
  shape.SetXYStyle(S::xysAxisOrigin);
  Place(2, 3, 60, 40);
  const int x5 = static_cast<int>(std::lrint(12 + 2 * 75.2));
  const int y5 = static_cast<int>(std::lrint(240 - 3 * 46.0));
  EXPECT_EQ(Shapes(), QStringList{QStringLiteral("rectangle ") + R(x5, y5, x5 + 60, y5 + 40)});
  FakeDrawingChart::Scale(chart.bottom, 0, 10);
  FakeDrawingChart::Scale(chart.left, 0, 10);
  EXPECT_EQ(Shapes(),
            QStringList{QStringLiteral("rectangle ") + R(X(2), Y(3), X(2) + 60, Y(3) + 40)});
}

TEST_F(ShapeDrawing, OnlyPointZeroOfAnOriginShapeWidensTheAxes) {
  Place(5, 7, 60, 40);
  EXPECT_DOUBLE_EQ(shape.MaxXValue(), 60);
  shape.SetXYStyle(S::xysAxisOrigin);
  EXPECT_DOUBLE_EQ(shape.MinXValue(), 5);
  EXPECT_DOUBLE_EQ(shape.MaxXValue(), 5) << "a pixel size is no value on the axis";
  EXPECT_DOUBLE_EQ(shape.MinYValue(), 7);
  EXPECT_DOUBLE_EQ(shape.MaxYValue(), 7);
}

TEST_F(ShapeDrawing, TextLinesStartWhereTheAlignmentsPutThem) {
  // Fake metrics for a 16-pixel font: lines 20 high, 8 per character.
  shape.SetStyle(S::chasRectangle);
  shape.Font()->SetHeight(-16);
  shape.SetText({"ab", "abcd"});
  const int l = X(2), t = Y(8), r = X(6), b = Y(3);
  const int cx = (l + r) / 2, cy = (t + b) / 2;
  const int h = 20, n = 2;
  const int pen = 1;
  struct Case {
    S::TPlotVertAlign vert;
    S::TAlignment horiz;
    int y;
    std::function<int(int w)> x;
  };
  const std::vector<Case> cases = {
      {S::vaTop, S::taLeftJustify, t, [&](int) { return l + pen + 4; }},
      {S::vaCenter, S::taCenter, cy - static_cast<int>(std::lrint(n * h / 2.0)),
       [&](int w) { return cx - w / 2; }},
      {S::vaBottom, S::taRightJustify, b - n * h, [&](int w) { return r - pen - w - 4; }},
      {S::vaTop, S::taRightJustify, t, [&](int w) { return r - pen - w - 4; }},
      {S::vaBottom, S::taLeftJustify, b - n * h, [&](int) { return l + pen + 4; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.vert << " " << c.horiz);
    shape.SetVertAlign(c.vert);
    shape.SetAlignment(c.horiz);
    const QStringList texts = Shapes().filter(QStringLiteral("textOut"));
    EXPECT_EQ(texts, QStringList({QStringLiteral("textOut %1 \"ab\"").arg(P(c.x(16), c.y)),
                                  QStringLiteral("textOut %1 \"abcd\"").arg(P(c.x(32), c.y + h))}));
  }
}

TEST_F(ShapeDrawing, TextInTheFillColourFlipsToBlackOrWhite) {
  shape.SetStyle(S::chasRectangle);
  shape.SetText({"x"});
  const struct {
    base::TColor brush, font, drawn;
  } cases[] = {
      {base::clRed, base::clRed, base::clBlack},
      {base::clBlack, base::clBlack, base::clWhite},
      {base::clRed, base::clBlue, base::clBlue},
  };
  for (const auto& c : cases) {
    shape.SetSeriesColor(c.brush);
    shape.Font()->SetColor(c.font);
    Paint();
    EXPECT_EQ(chart.host.backend.font().color, c.drawn);
    EXPECT_EQ(shape.Font()->Color(), c.font) << "the published font keeps its colour";
  }
}

TEST_F(ShapeDrawing, AGradientCircleIsClippedToItsEllipseThenOutlined) {
  shape.Gradient()->SetVisible(true);
  const QString box = R(X(2), Y(8), X(6), Y(3));
  QStringList calls;
  for (const QString& l : Paint())
    if (!l.startsWith(QLatin1String("set"))) calls << l.section(QLatin1Char(' '), 0, 1);
  ASSERT_GE(calls.size(), 3);
  EXPECT_EQ(calls.front(), QStringLiteral("pushClipEllipse ") + box);
  EXPECT_EQ(calls[calls.size() - 2], QStringLiteral("popClip"));
  EXPECT_TRUE(calls.back().startsWith(QStringLiteral("ellipse ") + box));
  EXPECT_EQ(chart.host.backend.brush().style, Graphics::bsClear);
  EXPECT_EQ(chart.host.backend.clipDepth(), 0);
}

TEST_F(ShapeDrawing, ClicksHitWhatEachStyleDraws) {
  // r = 87,56 - 238,171; centre 162,113.
  const struct {
    S::TChartShapeStyle style;
    QPoint in, out;
  } cases[] = {
      {S::chasCircle, {162, 60}, {90, 59}},     // the bounding box's corner is outside
      {S::chasRectangle, {90, 59}, {86, 100}},  // every other style: the rectangle
      {S::chasTriangle, {162, 60}, {90, 59}},   // tip up
      {S::chasInvertTriangle, {90, 59}, {200, 170}},
      {S::chasDiamond, {162, 60}, {90, 59}},
      {S::chasVertLine, {162, 100}, {163, 100}},  // no tolerance
      {S::chasHorizLine, {100, 113}, {100, 114}},
      {S::chasLine, {87, 171}, {100, 171}},  // from point 0, as drawn
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QMetaEnum::fromType<S::TChartShapeStyle>().valueToKey(c.style));
    shape.SetStyle(c.style);
    EXPECT_EQ(shape.Clicked(c.in.x(), c.in.y()), 0);
    EXPECT_EQ(shape.Clicked(c.out.x(), c.out.y()), -1);
  }
  shape.Delete(1);
  EXPECT_EQ(shape.Clicked(162, 113), -1) << "one point draws no shape to click";
}

TEST(ShapeSeries, RegistersWithItsSubStylesAndCopies) {
  ChartEngineScope engine({RegisterSeriesTypes});
  const TPlotSeriesType* entry = PlotSeriesTypes().FindByClass(&TChartShape::staticMetaObject);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->DescriptionText(), QStringLiteral("Shape"));
  EXPECT_EQ(entry->NumGallerySeries, 2);
  std::unique_ptr<TPlotPersistent> made(ChartClasses().Create(QStringLiteral("TChartShape")));
  auto* fresh = qobject_cast<TChartShape*>(made.get());
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->PointCount(), 2);
  EXPECT_EQ(fresh->Brush()->Color(), base::clWhite);
  EXPECT_EQ(fresh->SeriesColor(), base::clWhite);
  EXPECT_DOUBLE_EQ(fresh->X1(), 100);

  QStringList names;
  fresh->CreateSubGallery([&](const QString& n) { names << n; });
  EXPECT_EQ(names.join(QLatin1Char(',')),
            QStringLiteral("Normal,Rectangle,Vert.Line,Horiz.Line,Ellipse,Down Tri.,Line,Diamond,"
                           "Cube,Cross,Diag.Cross,Star,Pyramid,Inv. Pyramid,Hollow"));
  const S::TChartShapeStyle styles[] = {
      S::chasRectangle, S::chasVertLine, S::chasHorizLine,    S::chasCircle, S::chasInvertTriangle,
      S::chasLine,      S::chasDiamond,  S::chasCube,         S::chasCross,  S::chasDiagCross,
      S::chasStar,      S::chasPyramid,  S::chasInvertPyramid};
  for (int k = 1; k <= 13; ++k) {
    TChartShape s;
    s.SetSubGallery(k);
    EXPECT_EQ(s.Style(), styles[k - 1]) << k;
  }
  fresh->SetSubGallery(14);
  EXPECT_TRUE(fresh->Transparent());

  fresh->SetText({"note"});
  fresh->SetXYStyle(S::xysPixels);
  fresh->SetSeriesColor(base::clGreen);
  TChartShape copy;
  copy.Assign(*fresh);
  EXPECT_EQ(copy.Text(), QStringList{"note"});
  EXPECT_EQ(copy.XYStyle(), S::xysPixels);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.Brush()->Color(), base::clGreen);
  EXPECT_TRUE(copy.IsValidSourceOf(fresh));
}

TEST(ShapeSeries, GallerySamplesAreATriangleAndAnEllipse) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TChartShape first, second;
  first.SetParentChart(&chart);
  second.SetParentChart(&chart);
  for (bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    first.PrepareForGallery(enabled);
    second.PrepareForGallery(enabled);
    EXPECT_EQ(first.Style(), S::chasTriangle);
    EXPECT_EQ(first.Text(), QStringList{"123"});
    EXPECT_EQ(first.Brush()->Color(), enabled ? base::clRed : base::clSilver);
    EXPECT_EQ(second.Style(), S::chasCircle);
    EXPECT_EQ(second.Text(), QStringList{"abc"});
    EXPECT_EQ(second.Brush()->Color(), enabled ? base::clBlue : base::clSilver);
    EXPECT_EQ(second.Font()->Color(), base::clWhite);
    EXPECT_EQ(second.Font()->Size(), 12);
  }
}

TEST(ShapeSeries, SampleValuesSpanTheChartsRange) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TChartShape range, shape;
  range.SetParentChart(&chart);
  range.SetY0(20);
  range.SetY1(120);
  shape.SetParentChart(&chart);
  shape.SetSampleRandom([](int n) { return n - 1; });
  // X 0..100 and Y 20..120 from the other shape.
  shape.FillSampleValues(2);
  ASSERT_EQ(shape.PointCount(), 2);
  EXPECT_DOUBLE_EQ(shape.X0(), 12.5);
  EXPECT_DOUBLE_EQ(shape.Y0(), 10);
  EXPECT_DOUBLE_EQ(shape.X1(), 87.5);
  EXPECT_DOUBLE_EQ(shape.Y1(), 119);
}

}  // namespace
