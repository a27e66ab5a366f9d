// Cylinders, cones, 3D pie slices and cut pyramids. Bar and pie series call
// these once per point, so every working list is a fixed array.
#include "base/MathUtil.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int kRingPoints = 16;
constexpr int kFaceShadeStep = 16;
constexpr int kCapShade = 64;
constexpr int kSliceShade = 32;
constexpr int kMaxArcPoints = 32;

int Mid(int a, int b) {
  return static_cast<int>((int64_t(a) + b) / 2);
}

int At(int64_t v) {
  return base::SaturateToInt(v);
}

// The narrow end's radius: the product is taken in 64 bits, since a
// radius may be half the int range.
int64_t Narrowed(int64_t radius, int percent) {
  return base::Round64(double(radius * percent) * 0.01);
}

}  // namespace

// --- cone and cylinder ---------------------------------------------------------------------

void TPlotCanvas3D::Cylinder(bool vertical, int left, int top, int right, int bottom, int z0,
                             int z1, bool darkSides) {
  Cone(vertical, left, top, right, bottom, z0, z1, darkSides, 100);
}

void TPlotCanvas3D::Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                         bool darkSides, int conePercent) {
  if (conePercent == 0) conePercent = 10;
  const base::TColor face = FaceColor();
  const int64_t rz = (int64_t(z1) - z0) / 2;
  const int cz = Mid(z0, z1);
  const int64_t r = vertical ? (int64_t(right) - left) / 2 : (int64_t(bottom) - top) / 2;
  const int c = vertical ? Mid(left, right) : Mid(top, bottom);
  const int64_t h = vertical ? std::abs(int64_t(bottom) - top) : std::abs(int64_t(right) - left);
  const int64_t rNarrow = Narrowed(r, conePercent);
  const int64_t rzNarrow = Narrowed(rz, conePercent);
  // The narrow end at the smaller y standing, at the larger x lying.
  const int narrowEnd = vertical ? std::min(top, bottom) : std::max(left, right);
  const int baseEnd = vertical ? At(narrowEnd + h) : At(narrowEnd - h);
  const int firstAngle = vertical ? 3 : 4;

  std::array<QPoint, kRingPoints> ring;
  std::array<QPoint, kRingPoints> foot;
  for (int k = 0; k < kRingPoints; ++k) {
    const double a = (k - firstAngle) * std::numbers::pi / 8;
    const double sa = std::sin(a), ca = std::cos(a);
    const int across = At(c + base::Round64(r * sa));
    const int acrossNarrow = At(c + base::Round64(rNarrow * sa));
    const int depth = At(cz - base::Round64(rz * ca));
    const int depthNarrow = At(cz - base::Round64(rzNarrow * ca));
    if (vertical) {
      foot[k] = Calculate3DPosition(across, baseEnd, depth);
      ring[k] = Calculate3DPosition(acrossNarrow, narrowEnd, depthNarrow);
    } else {
      foot[k] = Calculate3DPosition(baseEnd, across, depth);
      ring[k] = Calculate3DPosition(narrowEnd, acrossNarrow, depthNarrow);
    }
  }

  // All sixteen faces, the one from the last point back to the first too:
  // without it a strip of the body stays unpainted whenever it faces the
  // viewer.
  DrawingBackend& b = ReferenceCanvas();
  for (int k = 0; k < kRingPoints; ++k) {
    const int n = (k + 1) % kRingPoints;
    const int64_t near =
        vertical ? int64_t(ring[k].x()) + foot[k].x() : int64_t(ring[k].y()) + foot[k].y();
    const int64_t far =
        vertical ? int64_t(foot[n].x()) + ring[n].x() : int64_t(foot[n].y()) + ring[n].y();
    if (near >= far) continue;
    if (darkSides) ShadeFace(face, kFaceShadeStep * k);
    b.polygon(std::array<QPoint, 4>{ring[k], foot[k], foot[n], ring[n]});
  }
  if (darkSides) ShadeFace(face, kCapShade);
  b.polygon(ring);
}

// --- pie slice -------------------------------------------------------------------------------

void TPlotCanvas3D::Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1,
                          double startAngle, double endAngle, bool darkSides, bool drawSides) {
  const base::TColor face = FaceColor();
  const int tens = base::Round(std::fabs(endAngle - startAngle) * 180 / std::numbers::pi / 10);
  const int count = std::clamp(tens, 0, kMaxArcPoints - 2) + 2;
  const double step = (endAngle - startAngle) / (count - 1);

  // Index 0 is the centre, 1..count the arc; top at z1, front at z0.
  std::array<QPoint, kMaxArcPoints + 1> top;
  std::array<QPoint, kMaxArcPoints + 1> front;
  top[0] = Calculate3DPosition(xCenter, yCenter, z1);
  front[0] = Calculate3DPosition(xCenter, yCenter, z0);
  double a = startAngle;
  for (int i = 1; i <= count; ++i) {
    const int x = At(xCenter + base::Round64(xRadius * std::cos(a)));
    const int y = At(yCenter - base::Round64(yRadius * std::sin(a)));
    top[i] = Calculate3DPosition(x, y, z1);
    front[i] = Calculate3DPosition(x, y, z0);
    a += step;
  }

  auto shade = [&] {
    if (darkSides) ShadeFace(face, kSliceShade);
  };
  if (drawSides) {
    if (top[count].x() < xCenter) {
      shade();
      quad_[0] = top[0];
      quad_[1] = top[count];
      quad_[2] = front[count];
      quad_[3] = front[0];
      PolygonFour();
    }
    if (top[1].x() > xCenter) {
      shade();
      quad_[0] = top[0];
      quad_[1] = top[1];
      quad_[2] = front[1];
      quad_[3] = front[0];
      PolygonFour();
    }
  }
  SetFaceColor(face);
  DrawingBackend& b = ReferenceCanvas();
  b.polygon(std::span<const QPoint>(top.data(), size_t(count) + 1));

  // The rim shows where the arc runs rightward on the screen: at most two
  // such runs, one from the start and one into the end.
  auto rim = [&](int s, int e) {
    std::array<QPoint, 2 * kMaxArcPoints> points;
    size_t n = 0;
    for (int i = s; i <= e; ++i) points[n++] = top[i];
    for (int i = e; i >= s; --i) points[n++] = front[i];
    shade();
    b.polygon(std::span<const QPoint>(points.data(), n));
  };
  auto x = [&](int i) { return top[i].x(); };
  int j = 2;
  while (j <= count && x(j) <= x(j - 1)) ++j;
  if (j > count) return;
  int e = j + 1;
  while (e <= count - 1 && x(e + 1) >= x(e)) ++e;
  bool first = true;
  if (e > count - 1) {
    if (x(count) >= x(count - 1))
      e = count;
    else
      first = false;
  }
  if (first) rim(j - 1, e);
  if ((!first || e != count) && x(count) > x(count - 1)) {
    int m = count - 1;
    while (m > 1 && x(m) > x(m - 1)) --m;
    if (m > 1) rim(m, count);
  }
}

// --- cut pyramid -------------------------------------------------------------------------------

void TPlotCanvas3D::PyramidTrunc(const TRect& r, int z0, int z1, int truncX, int truncZ) {
  const int midX = Mid(r.Left, r.Right), midZ = Mid(z0, z1);
  const int topLeft = At(int64_t(midX) - truncX), topRight = At(int64_t(midX) + truncX);
  const int topNear = At(int64_t(midZ) - truncZ), topFar = At(int64_t(midZ) + truncZ);
  const bool upright = r.Bottom > r.Top;
  auto drawBase = [&] { RectangleY(r.Left, r.Bottom, r.Right, z0, z1); };
  auto flatTop = [&] {
    if (truncX != 0) RectangleY(topLeft, r.Top, topRight, topNear, topFar);
  };
  if (upright)
    drawBase();
  else
    flatTop();
  PlaneFour3D({topLeft, r.Top}, {topRight, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, topFar,
              z1);
  StoreQuad({topLeft, r.Top, topNear}, {topLeft, r.Top, topFar}, {r.Left, r.Bottom, z1},
            {r.Left, r.Bottom, z0});
  PolygonFour();
  PlaneFour3D({topLeft, r.Top}, {topRight, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, topNear,
              z0);
  StoreQuad({topRight, r.Top, topNear}, {topRight, r.Top, topFar}, {r.Right, r.Bottom, z1},
            {r.Right, r.Bottom, z0});
  PolygonFour();
  if (upright)
    flatTop();
  else
    drawBase();
}
