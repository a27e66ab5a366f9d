// The canvas projection: screen points back to the chart within rounding on
// any invertible view, exact where nothing is rotated, and the documented
// special cases (steep orthogonal slope, perspective, empty rectangles).
#include "chart/canvas/ChartProjection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

ChartProjection Projected(const ChartViewAngles& view, int maxDepth = 100, int left = 0,
                          int top = 0, int right = 800, int bottom = 600) {
  ChartProjection p;
  p.SetView(&view, true);
  p.Centre(maxDepth, left, top, right, bottom, &view);
  return p;
}

double Determinant(const ChartViewAngles& v) {
  const double k = 0.017453292519943295;
  const double e = v.elevation * k, r = v.rotation * k, t = v.tilt * k;
  const double d1 = std::cos(e) * std::sin(t);
  const double d2 = std::max(std::cos(e) * std::cos(t), 1e-5);
  const double d4 =
      std::max(std::sin(r) * std::sin(e) * std::sin(t) + std::cos(r) * std::cos(t), 1e-5);
  const double d5 = std::cos(t) * std::sin(r) * std::sin(e) - std::cos(r) * std::sin(t);
  return d4 * d2 - d1 * d5;
}

TEST(ProjectionInvertsViews, RandomRotatedViewsComeBackWithinTwoPixels) {
  std::mt19937 rng(17);
  std::uniform_real_distribution<double> angle(0, 360);
  std::uniform_int_distribution<int> zoom(100, 300), depth(-200, 200), coord(-100, 900),
      offset(-50, 50);
  int views = 0;
  while (views < 400) {
    ChartViewAngles v;
    v.elevation = std::round(angle(rng));
    v.rotation = std::round(angle(rng));
    v.tilt = std::round(angle(rng));
    v.zoom = zoom(rng);
    v.horizOffset = offset(rng);
    v.vertOffset = offset(rng);
    if (std::fabs(Determinant(v)) < 0.5) continue;
    ++views;
    const ChartProjection p = Projected(v);
    for (int i = 0; i < 50; ++i) {
      const int x = coord(rng), y = coord(rng), z = depth(rng);
      const QPoint s = p.To2D(x, y, z);
      const QPoint back = p.ToChart(s.x(), s.y(), z);
      ASSERT_LE(std::abs(back.x() - x), 2)
          << "E " << v.elevation << " R " << v.rotation << " T " << v.tilt << " zoom " << v.zoom
          << " point " << x << "," << y << "," << z;
      ASSERT_LE(std::abs(back.y() - y), 2)
          << "E " << v.elevation << " R " << v.rotation << " T " << v.tilt << " zoom " << v.zoom
          << " point " << x << "," << y << "," << z;
    }
  }
}

TEST(ProjectionInvertsViews, UnrotatedAndOrthogonalViewsComeBackExactly) {
  struct Case {
    const char* name;
    bool orthogonal;
    double orthoAngle;
  };
  const Case cases[] = {{"unrotated", false, 45},
                        {"orthogonal 45", true, 45},
                        {"orthogonal 30", true, 30},
                        {"orthogonal 90", true, 90}};
  for (const Case& c : cases) {
    ChartViewAngles v;
    v.orthogonal = c.orthogonal;
    v.orthoAngle = c.orthoAngle;
    v.horizOffset = 7;
    v.vertOffset = -3;
    const ChartProjection p = Projected(v);
    for (int x = -40; x <= 840; x += 37)
      for (int y = -40; y <= 640; y += 41)
        for (int z = -200; z <= 200; z += 23) {
          const QPoint s = p.To2D(x, y, z);
          ASSERT_EQ(p.ToChart(s.x(), s.y(), z), QPoint(x, y)) << c.name << " " << z;
        }
  }
}

struct ForwardCase {
  const char* name;
  ChartViewAngles view;
  int x, y, z;
  QPoint expected;
};

TEST(ProjectionMapsPoints, KnownViews) {
  // Rectangle 0..300 x 0..200, depth 100: centre (150, 100, 50).
  ChartViewAngles flat;
  ChartViewAngles flatOffset;
  flatOffset.horizOffset = 10;
  flatOffset.vertOffset = -4;
  ChartViewAngles flatZoom;
  flatZoom.zoom = 200;
  ChartViewAngles ortho45;
  ortho45.orthogonal = true;
  ChartViewAngles orthoSteep;  // cosine below 0.01: slope 1, not tan(89.6)
  orthoSteep.orthogonal = true;
  orthoSteep.orthoAngle = 89.6;
  ChartViewAngles perspective;
  perspective.perspective = 15;  // p = 15 / 150 / 300
  ChartViewAngles turned;
  turned.rotation = 90;  // x' goes into depth, depth comes out as -x
  const ForwardCase cases[] = {
      {"flat keeps x, y", flat, 17, 23, 0, {17, 23}},
      {"flat ignores depth", flat, 17, 23, 190, {17, 23}},
      {"flat shifts by the offsets", flatOffset, 17, 23, 90, {27, 19}},
      {"zoom 200 doubles around the centre", flatZoom, 160, 90, 0, {170, 80}},
      {"orthogonal 45 slides depth up-right", ortho45, 150, 100, 20, {170, 80}},
      {"steep orthogonal uses slope 1", orthoSteep, 150, 100, 20, {170, 80}},
      {"far points shrink by perspective", perspective, 450, 100, 1050, {350, 100}},
      {"near points grow by perspective", perspective, 450, 100, -950, {550, 100}},
      {"rotation 90", turned, 150, 100, 70, {130, 100}},
  };
  for (const ForwardCase& c : cases) {
    const ChartProjection p = Projected(c.view, 100, 0, 0, 300, 200);
    EXPECT_EQ(p.To2D(c.x, c.y, c.z), c.expected) << c.name;
  }
}

TEST(ProjectionMapsPoints, EmptyWidthWithPerspectiveStaysParallel) {
  ChartViewAngles v;
  v.elevation = 345;
  v.rotation = 345;
  v.perspective = 15;
  ChartViewAngles parallel = v;
  parallel.perspective = 0;
  const ChartProjection p = Projected(v, 100, 40, 0, 40, 200);
  const ChartProjection q = Projected(parallel, 100, 40, 0, 40, 200);
  EXPECT_EQ(p.Perspective(), 0.0);
  for (const QPoint pt : {QPoint(0, 0), QPoint(100, 50), QPoint(-30, 400)})
    EXPECT_EQ(p.To2D(pt.x(), pt.y(), 80), q.To2D(pt.x(), pt.y(), 80));
}

TEST(ProjectionMapsPoints, PointsPassUnchangedWhereTheyCannotBeProjected) {
  ChartViewAngles v;
  v.rotation = 345;
  v.elevation = 345;
  ChartProjection off;
  off.SetView(&v, false);
  off.Centre(100, 0, 0, 300, 200, &v);
  EXPECT_EQ(off.To2D(5, 6, 70), QPoint(5, 6));
  EXPECT_EQ(off.ToChart(5, 6, 70), QPoint(5, 6));

  ChartProjection disabled = Projected(v, 100, 0, 0, 300, 200);
  disabled.Set3D(false);
  EXPECT_EQ(disabled.To2D(5, 6, 70), QPoint(5, 6));

  ChartViewAngles edgeOn;  // the screen plane seen edge-on
  edgeOn.elevation = 90;
  edgeOn.rotation = 90;
  const ChartProjection singular = Projected(edgeOn, 100, 0, 0, 300, 200);
  EXPECT_EQ(singular.ToChart(11, 12, 30), QPoint(11, 12));

  ChartViewAngles zero;
  zero.zoom = 0;
  const ChartProjection flat = Projected(zero, 100, 0, 0, 300, 200);
  EXPECT_EQ(flat.ToChart(11, 12, 30), QPoint(11, 12));
}

TEST(ProjectionMapsPoints, ExtremeCoordinatesSaturateInsteadOfWrapping) {
  ChartViewAngles rotated;
  rotated.rotation = 345;
  rotated.elevation = 345;
  rotated.zoom = 300;
  ChartViewAngles perspective = rotated;  // points behind the eye may flip: only no overflow
  perspective.perspective = 15;
  ChartViewAngles orthogonal;
  orthogonal.orthogonal = true;
  orthogonal.zoom = 300;
  const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
  for (const ChartViewAngles& v : {rotated, orthogonal}) {
    const ChartProjection p = Projected(v, 100, -50, -50, 800, 600);
    const QPoint far = p.To2D(big, big, 0);
    EXPECT_GT(far.x(), 1000000) << v.orthogonal;
    const QPoint near = p.To2D(small, small, 0);
    EXPECT_LT(near.x(), -1000000) << v.orthogonal;
  }
  for (const ChartViewAngles& v : {rotated, orthogonal, perspective}) {
    const ChartProjection p = Projected(v, 100, -50, -50, 800, 600);
    for (const int a : {big, small, 0})
      for (const int b : {big, small, 0}) {
        p.To2D(a, b, a);
        p.To2D(b, a, b);
        p.ToChart(a, b, b);
        p.ToChart(b, a, a);
      }
  }
}

}  // namespace
