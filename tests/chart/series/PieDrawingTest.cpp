// The pie on a recording device: the exact slices of known values (radial
// points from the angle formula with ties-to-even rounding), half pies and
// rotation, empty and one-point pies, slices too thin to draw, patterns,
// the shadow, exploded slices, and the hit test of every slice where it is
// drawn. The fake chart's rectangle 12,10 - 388,240 gives the ellipse
// centre (200,125) and radii 188 and 115.
#include "chart/core/ChartEngine.h"
#include "chart/series/TPieSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

// Readable failures: the calls as text.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr double kPi = std::numbers::pi;

QString P(QPoint p) {
  return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// The point at `degrees` on the ellipse about (cx, cy).
QPoint OnEllipse(double degrees, int cx = 200, int cy = 125, int rx = 188, int ry = 115) {
  const double a = degrees * kPi / 180;
  return QPoint(cx + int(std::lrint(rx * std::cos(a))), cy - int(std::lrint(ry * std::sin(a))));
}

QString PieCall(const QString& rect, double fromDeg, double toDeg, QPoint move = {}, int cx = 200,
                int cy = 125, int rx = 188, int ry = 115) {
  return QStringLiteral("pie %1 %2 %3")
      .arg(rect, P(OnEllipse(fromDeg, cx, cy, rx, ry) + move),
           P(OnEllipse(toDeg, cx, cy, rx, ry) + move));
}

class PieDrawing : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::unique_ptr<TPieSeries> pie = std::make_unique<TPieSeries>();

  PieDrawing() {
    pie->SetParentChart(&chart);
    pie->Marks()->SetVisible(false);
  }
  RecordingBackend& Device() { return chart.host.backend; }
  void Values(const std::vector<double>& values) {
    for (double v : values) pie->Add(v);
  }
  // The series' share of a paint, as the chart runs it.
  QStringList Paint() {
    Device().clearLines();
    pie->DoBeforeDrawChart();
    pie->CalcFirstLastVisibleIndex();
    pie->DoBeforeDrawValues();
    pie->DrawAllValues();
    pie->DrawMarks();
    return Device().lines();
  }
  // Drawing calls only, without pen and brush.
  static QStringList Shapes(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
      if (!l.startsWith(QLatin1String("set"))) out << l.section(QStringLiteral(" pen["), 0, 0);
    return out;
  }
  static QStringList Brushes(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
      if (l.startsWith(QLatin1String("pie "))) out << l.section(QStringLiteral("brush["), 1);
    return out;
  }
};

const QString kRect = QStringLiteral("12,10,388,240");

TEST_F(PieDrawing, SlicesRunFromAngleZeroInProportionToTheirValues) {
  Values({1, 2, 3});
  pie->SetPointColor(0, base::clRed);
  pie->SetPointColor(1, base::clGreen);
  pie->SetPointColor(2, base::clBlue);
  const QStringList lines = Paint();
  EXPECT_EQ(Shapes(lines), (QStringList{PieCall(kRect, 0, 60), PieCall(kRect, 60, 180),
                                        PieCall(kRect, 180, 360)}));
  EXPECT_EQ(Brushes(lines),
            (QStringList{"$0000FF bsSolid]", "$008000 bsSolid]", "$FF0000 bsSolid]"}));
}

// Patterns, asked for or forced by a monochrome device (then in black).
TEST_F(PieDrawing, PatternsHatchEachSliceByItsIndexModuloSix) {
  Values({1, 1, 1, 1, 1, 1, 1});
  pie->SetPointColor(0, base::clRed);
  for (bool monochrome : {false, true}) {
    SCOPED_TRACE(monochrome);
    pie->SetUsePatterns(!monochrome);
    chart.Canvas().SetMonochrome(monochrome);
    const QStringList brushes = Brushes(Paint());
    ASSERT_EQ(brushes.size(), 7);
    EXPECT_EQ(brushes[0], monochrome ? "$000000 bsHorizontal]" : "$0000FF bsHorizontal]");
    QStringList styles;
    for (const QString& b : brushes) styles << b.section(QLatin1Char(' '), 1, 1);
    EXPECT_EQ(styles, (QStringList{"bsHorizontal]", "bsVertical]", "bsFDiagonal]", "bsBDiagonal]",
                                   "bsCross]", "bsDiagCross]", "bsHorizontal]"}));
  }
}

struct SweepCase {
  const char* name;
  int angleSize;
  int rotation;
  std::vector<double> values;
  std::vector<std::pair<double, double>> slices;  // degrees before rotation
};

void PrintTo(const SweepCase& c, std::ostream* os) {
  *os << c.name;
}

class PieSweep : public PieDrawing, public testing::WithParamInterface<SweepCase> {};

TEST_P(PieSweep, DrawsTheSlicesAtTheirAngles) {
  const SweepCase& c = GetParam();
  pie->SetAngleSize(c.angleSize);
  pie->SetRotationAngle(c.rotation);
  Values(c.values);
  QStringList expected;
  for (auto [from, to] : c.slices) expected << PieCall(kRect, from + c.rotation, to + c.rotation);
  EXPECT_EQ(Shapes(Paint()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pies, PieSweep,
    testing::Values(
        SweepCase{"HalfPieTurnedUp", 180, 90, {1, 1}, {{0, 90}, {90, 180}}},
        SweepCase{"RotationWrapsPastFullTurns", 360, -270, {1, 3}, {{0, 90}, {90, 360}}},
        // All zero: the first slice is the whole circle (its two radial
        // points meet), every later one is empty and left out.
        SweepCase{"AllValuesZero", 360, 0, {0, 0, 0}, {{0, 360}}},
        SweepCase{"OnePointIsAWholeEllipse", 360, 0, {5}, {{0, 360}}},
        // 0.0001 of the circle ends on the start point's pixel: skipped.
        SweepCase{"ThinSliceIsSkipped", 360, 0, {9999, 1}, {{0, 359.964}}},
        SweepCase{"NegativeValuesCountByTheirSize", 360, 0, {-1, 3}, {{0, 90}, {90, 360}}}),
    [](const testing::TestParamInfo<SweepCase>& info) { return info.param.name; });

TEST_F(PieDrawing, ShadowComesFirstMovedByItsSizesWithAClearPen) {
  Values({1, 1});
  pie->Shadow()->SetHorizSize(10);
  pie->Shadow()->SetVertSize(6);
  const QStringList lines = Paint();
  const QStringList shapes = Shapes(lines);
  ASSERT_EQ(shapes.size(), 3);
  EXPECT_EQ(shapes[0], QStringLiteral("ellipse 22,16,399,247"));
  const QString shadow = lines.filter(QStringLiteral("ellipse")).value(0);
  EXPECT_TRUE(shadow.contains(QStringLiteral("brush[$A0A0A0 bsSolid]"))) << shadow.toStdString();
  EXPECT_TRUE(shadow.contains(QStringLiteral("psClear"))) << shadow.toStdString();
}

TEST_F(PieDrawing, ACircleTooSmallDrawsNoSlices) {
  Values({1, 2});
  chart.host.rect = TRect{10, 10, 14, 30};
  EXPECT_TRUE(Shapes(Paint()).isEmpty());
}

TEST_F(PieDrawing, ExplodedBiggestSliceShrinksThePieAndMovesOut) {
  Values({1, 3});
  pie->SetExplodeBiggest(30);
  const QStringList shapes = Shapes(Paint());
  // Slice 1 (90..360 degrees, middle 225) moves by 30 % of the radii: the
  // rectangle loses half that offset on each side and is evened out; the
  // slice then moves by 30 % of the smaller radii.
  const double a = 225 * kPi / 180;
  const int dx0 = int(std::lrint(188 * 0.3 * std::cos(a)));
  const int dy0 = int(std::lrint(115 * 0.3 * std::sin(a)));
  TRect r{12 + std::abs(dx0) / 2, 10 + std::abs(dy0) / 2, 388 - std::abs(dx0) / 2,
          240 - std::abs(dy0) / 2};
  if (r.Width() % 2) --r.Right;
  if (r.Height() % 2) --r.Bottom;
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  const int rx = r.Width() / 2, ry = r.Height() / 2;
  const int dx = int(std::lrint(rx * 0.3 * std::cos(a)));
  const int dy = int(std::lrint(ry * 0.3 * std::sin(a)));
  const QString rect =
      QStringLiteral("%1,%2,%3,%4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
  const QString moved = QStringLiteral("%1,%2,%3,%4")
                            .arg(r.Left + dx)
                            .arg(r.Top - dy)
                            .arg(r.Right + dx)
                            .arg(r.Bottom - dy);
  EXPECT_EQ(pie->ExplodedSlices().Value(1), 30);
  EXPECT_EQ(pie->SliceOffset(1), QPoint(dx, dy));
  EXPECT_EQ(shapes, (QStringList{PieCall(rect, 0, 90, {}, cx, cy, rx, ry),
                                 PieCall(moved, 90, 360, QPoint(dx, -dy), cx, cy, rx, ry)}));
}

// In 3D a slice moved out makes the back slices go first: values 1..4
// turned by 10 degrees have their middles at 28, 82, 172 and 298 degrees,
// 62, 8, 82 and 152 degrees from the back.
TEST_F(PieDrawing, ThreeDDrawsTheBackSlicesFirstWhenOneIsMovedOut) {
  chart.host.is3D = true;
  chart.host.width3D = 40;
  chart.host.Start();
  pie->SetDepthExtent(0, 40);
  pie->SetRotationAngle(10);
  const base::TColor colors[] = {0x000011, 0x000022, 0x000033, 0x000044};
  for (int i = 0; i < 4; ++i) pie->Add(i + 1, {}, colors[i]);
  const auto order = [&] {
    QStringList seen;
    for (const QString& l : Paint()) {
      const QString brush = l.section(QStringLiteral("brush["), 1).left(7);
      // Shaded sides come in other colours; the tops in the slices' own.
      if (QStringList{"$000011", "$000022", "$000033", "$000044"}.contains(brush) &&
          !seen.contains(brush))
        seen << brush;
    }
    return seen;
  };
  EXPECT_EQ(order(), (QStringList{"$000011", "$000022", "$000033", "$000044"}));
  pie->SetExplodedSlice(0, 10);
  EXPECT_EQ(order(), (QStringList{"$000022", "$000011", "$000033", "$000044"}));
}

// A click at half the radius on each slice's middle angle answers that
// slice, also for one exploded 50 % to the left; the bounding box's corner
// is outside the ellipse.
TEST_F(PieDrawing, ClicksFindTheSliceWhereItIsDrawn) {
  Values({1, 1, 1, 1});
  pie->SetRotationAngle(135);    // slice 0 now faces left
  pie->SetExplodedSlice(0, 50);  // and moves left by half the radius
  Paint();
  ASSERT_LT(pie->SliceOffset(0).x(), -50);
  EXPECT_EQ(pie->SliceOffset(0).y(), 0);
  const auto onSlice = [&](int i, double fraction) {
    const double a = pie->Angles()[size_t(i)].middle + pie->RotationRadians();
    const QPoint d = pie->SliceOffset(i);
    const int cx = pie->CircleXCenter() + d.x(), cy = pie->CircleYCenter() - d.y();
    return QPoint(cx + int(std::lrint(pie->XRadius() * fraction * std::cos(a))),
                  cy - int(std::lrint(pie->YRadius() * fraction * std::sin(a))));
  };
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const QPoint p = onSlice(i, 0.5);
    EXPECT_EQ(pie->Clicked(p.x(), p.y()), i);
  }
  // Near its rim the moved slice lies outside the pie's own ellipse.
  const QPoint outer = onSlice(0, 0.8);
  EXPECT_EQ(pie->Clicked(outer.x(), outer.y()), 0);
  const TRect r = pie->CircleRect();
  EXPECT_EQ(pie->Clicked(r.Right - 2, r.Top + 2), -1);
  EXPECT_EQ(pie->Clicked(r.Left + 2, r.Bottom - 2), -1);
}

}  // namespace
