// The series marker: each style's primitive and corners in 2D, the solid
// or flat primitive in 3D (compared with the canvas primitive itself drawn
// on a fresh recording), legend half sizes, size checks and margins.
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/series/TPointSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <array>
#include <functional>

namespace {

using S = TSeriesPointer;

class PointerShapes : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TPointSeries series;
  TSeriesPointer& pointer = *series.Pointer();

  PointerShapes() {
    series.SetParentChart(&chart);
    // Depths 10..20, middle 15.
    series.SetDepthExtent(1, 10);
  }
  RecordingBackend& Device() { return chart.host.backend; }
  TCanvas3D& Canvas() { return chart.Canvas(); }
  void Use3D(bool on) {
    chart.host.is3D = on;
    chart.host.Start();
  }
  // The drawing calls `draw` makes, without the state.
  QStringList Record(const std::function<void()>& draw) {
    Device().clearLines();
    draw();
    QStringList out;
    for (const QString& l : Device().lines())
      if (!l.startsWith(QLatin1String("set")) || l.startsWith(QLatin1String("setPixel")))
        out << l.section(QStringLiteral(" pen["), 0, 0).section(QStringLiteral(" clip"), 0, 0);
    return out;
  }
};

TEST_F(PointerShapes, EachStyleDrawsItsPrimitiveIn2D) {
  // Centre (100, 50), half sizes 4 across and 3 up.
  const int x = 100, y = 50, h = 4, v = 3;
  const int l = x - h, r = x + h, t = y - v, b = y + v;
  auto pts = [](std::initializer_list<std::pair<int, int>> ps) {
    QStringList parts;
    for (auto [px, py] : ps) parts << QStringLiteral("%1,%2").arg(px).arg(py);
    return parts.join(QLatin1Char(' '));
  };
  auto line = [](int x0, int y0, int x1, int y1) {
    return QStringList{QStringLiteral("moveTo %1,%2").arg(x0).arg(y0),
                       QStringLiteral("lineTo %1,%2").arg(x1).arg(y1)};
  };
  const QStringList cross = line(x, t, x, b + 1) + line(l, y, r + 1, y);
  const QStringList diag = line(l, t, r + 1, b + 1) + line(r, t, l - 1, b + 1);
  const struct {
    S::TSeriesPointerStyle style;
    QStringList calls;
  } cases[] = {
      {S::psRectangle,
       {QStringLiteral("rectangle %1,%2,%3,%4").arg(l).arg(t).arg(r + 1).arg(b + 1)}},
      {S::psCircle, {QStringLiteral("ellipse %1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b)}},
      {S::psTriangle, {"polygon " + pts({{l, b}, {r, b}, {x, t}})}},
      {S::psDownTriangle, {"polygon " + pts({{l, t}, {r, t}, {x, b}})}},
      {S::psCross, cross},
      {S::psDiagCross, diag},
      {S::psStar, cross + diag},
      {S::psDiamond, {"polygon " + pts({{l, y}, {x, t}, {r, y}, {x, b}})}},
      {S::psSmallDot, {QStringLiteral("setPixel %1,%2 $00FF00").arg(x).arg(y)}},
      {S::psNothing, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    EXPECT_EQ(
        Record([&] { pointer.DrawShape(Canvas(), false, x, y, h, v, base::clLime, c.style); }),
        c.calls);
  }
  // The published sizes are the routine's to read, never to write.
  EXPECT_EQ(pointer.HorizSize(), 4);
  EXPECT_EQ(pointer.VertSize(), 4);
}

TEST_F(PointerShapes, In3DSolidsOrFlatShapesAtTheSeriesDepths) {
  Use3D(true);
  const int x = 100, y = 80, h = 5, v = 6;
  const int l = x - h, r = x + h, t = y - v, b = y + v;
  TCanvas3D& c = Canvas();
  // Each case: the style, the canvas primitive with Draw3D and without.
  const struct {
    S::TSeriesPointerStyle style;
    std::function<void()> solid, flat;
  } cases[] = {
      {S::psRectangle, [&] { c.Cube(l, r, t, b, 10, 20, true); },
       [&] {
         c.RectangleWithZ(TRect{l, t, r + 1, b + 1}, 10);
       }},
      // The recording canvas has no full rotation: no sphere.
      {S::psCircle, [&] { c.EllipseWithZ(l, t, r, b, 10); },
       [&] { c.EllipseWithZ(l, t, r, b, 10); }},
      {S::psTriangle, [&] { c.Pyramid(true, l, t, r, b, 10, 20, true); },
       [&] { c.TriangleWithZ(QPoint(l, b), QPoint(r, b), QPoint(x, t), 10); }},
      {S::psDownTriangle, [&] { c.Pyramid(true, l, b, r, t, 10, 20, true); },
       [&] { c.TriangleWithZ(QPoint(l, t), QPoint(r, t), QPoint(x, b), 10); }},
      {S::psCross,
       [&] {
         c.VertLine3D(x, t, b + 1, 10);
         c.HorizLine3D(l, r + 1, y, 10);
       },
       {}},
      {S::psDiagCross,
       [&] {
         c.LineWithZ(l, t, r + 1, b + 1, 10);
         c.LineWithZ(r, t, l - 1, b + 1, 10);
       },
       {}},
      {S::psDiamond,
       [&] { c.PlaneWithZ(QPoint(l, y), QPoint(x, t), QPoint(r, y), QPoint(x, b), 10); },
       {}},
      {S::psSmallDot, [&] { c.SetPixel3D(x, y, 15, base::clLime); }, {}},
  };
  for (const auto& k : cases) {
    for (bool draw3D : {true, false}) {
      SCOPED_TRACE(testing::Message() << k.style << (draw3D ? " Draw3D" : " flat"));
      pointer.SetDraw3D(draw3D);
      const auto& want = draw3D || !k.flat ? k.solid : k.flat;
      EXPECT_EQ(Record([&] { pointer.DrawShape(c, true, x, y, h, v, base::clLime, k.style); }),
                Record(want));
    }
  }
}

TEST_F(PointerShapes, LegendHalfSizesAreTheSmallerOfSizeAndAThirdOrHalf) {
  // A 30 x 12 symbol: a third is 10 x 4, a half plus one 16 x 7.
  const TRect r{10, 20, 40, 32};
  const int cx = 25, cy = 26;
  const struct {
    int size;
    bool small;
    int h, v;
  } cases[] = {{6, true, 6, 4}, {6, false, 6, 6}, {12, true, 10, 4}, {12, false, 12, 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << (c.small ? " small" : ""));
    pointer.SetHorizSize(c.size);
    pointer.SetVertSize(c.size);
    EXPECT_EQ(Record([&] { pointer.DrawLegendShape(Canvas(), r, base::clRed, c.small); }),
              QStringList{QStringLiteral("rectangle %1,%2,%3,%4")
                              .arg(cx - c.h)
                              .arg(cy - c.v)
                              .arg(cx + c.h + 1)
                              .arg(cy + c.v + 1)});
  }
}

// A chart that is reading a stored chart.
class LoadingHost final : public ChartHost {
 public:
  void Invalidate() override {}
  void BroadcastSeriesEvent(ChartSeriesEvent, TPlotPersistent*) override {}
  bool ReadingStoredState() const override { return true; }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}
};

TEST_F(PointerShapes, SizesBelowOneAreRefusedButDoNotFailALoad) {
  EXPECT_THROW(pointer.SetHorizSize(0), ChartException);
  EXPECT_THROW(pointer.SetVertSize(-3), ChartException);
  EXPECT_EQ(pointer.HorizSize(), 4);
  EXPECT_EQ(pointer.VertSize(), 4);
  LoadingHost loading;
  pointer.SetParentChart(&loading);
  EXPECT_NO_THROW(pointer.SetHorizSize(0));
  EXPECT_EQ(pointer.HorizSize(), 4);
  pointer.SetParentChart(&chart);
}

TEST_F(PointerShapes, MarginsLeaveRoomForAVisibleInflatingPointer) {
  pointer.SetHorizSize(6);
  pointer.SetVertSize(3);
  int left = 2, right = 9, top = 0, bottom = 0;
  pointer.CalcHorizMargins(left, right);
  pointer.CalcVertMargins(top, bottom);
  const std::array<int, 4> got = {left, right, top, bottom};
  const std::array<int, 4> want = {7, 9, 4, 4};
  EXPECT_EQ(got, want);
  pointer.SetInflateMargins(false);
  left = right = 0;
  pointer.CalcHorizMargins(left, right);
  EXPECT_EQ(left + right, 0);
}

TEST_F(PointerShapes, AHitLiesStrictlyWithinTheHalfSizes) {
  EXPECT_TRUE(pointer.Clicked(50, 50, 53, 47));
  EXPECT_FALSE(pointer.Clicked(50, 50, 54, 50));
  EXPECT_FALSE(pointer.Clicked(50, 50, 50, 46));
}

// On a raster device each stroke of a cross reaches both its corners and
// no further, whichever way it runs (one diagonal runs down to the left).
TEST_F(PointerShapes, CrossesReachTheirCornersOnly) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterBackend backend(painter);
    Canvas().SetUseBuffer(false);
    chart.host.Start(&backend);
    pointer.DrawShape(Canvas(), false, 20, 20, 4, 4, base::clRed, S::psDiagCross);
    pointer.DrawShape(Canvas(), false, 40, 40, 4, 4, base::clRed, S::psCross);
    chart.host.Start();
  }
  auto lit = [&image](int x, int y) { return image.pixel(x, y) != QColor(Qt::white).rgb(); };
  const std::array<QPoint, 5> diagonal = {QPoint(16, 16), QPoint(24, 16), QPoint(16, 24),
                                          QPoint(24, 24), QPoint(20, 20)};
  const std::array<QPoint, 4> pastDiagonal = {QPoint(15, 15), QPoint(25, 15), QPoint(15, 25),
                                              QPoint(25, 25)};
  const std::array<QPoint, 4> cross = {QPoint(36, 40), QPoint(44, 40), QPoint(40, 36),
                                       QPoint(40, 44)};
  const std::array<QPoint, 4> pastCross = {QPoint(35, 40), QPoint(45, 40), QPoint(40, 35),
                                           QPoint(40, 45)};
  for (const QPoint& p : diagonal) EXPECT_TRUE(lit(p.x(), p.y())) << p.x() << "," << p.y();
  for (const QPoint& p : cross) EXPECT_TRUE(lit(p.x(), p.y())) << p.x() << "," << p.y();
  for (const QPoint& p : pastDiagonal) EXPECT_FALSE(lit(p.x(), p.y())) << p.x() << "," << p.y();
  for (const QPoint& p : pastCross) EXPECT_FALSE(lit(p.x(), p.y())) << p.x() << "," << p.y();
}

}  // namespace
