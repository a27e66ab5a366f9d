// Boxes, lines, triangles, ellipses, arrows, rings and pyramids at a depth.
// Working points live in fixed arrays on the stack: these run once per
// series point, and a chart of many points must not allocate per point.
#include "base/MathUtil.h"
#include "chart/canvas/ColorShades.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr int kSideShade = 128;
constexpr int kTopShade = 64;

// Halves toward zero without overflowing the int range.
int Mid(int a, int b) {
  return static_cast<int>((int64_t(a) + b) / 2);
}

int Sum(int64_t a, int64_t b) {
  return base::SaturateToInt(a + b);
}

bool SolidBrush(const BackendBrush& brush) {
  return brush.style == Graphics::bsSolid && brush.image.isNull();
}

}  // namespace

// --- face colours --------------------------------------------------------------------

base::TColor TPlotCanvas3D::FaceColor() const {
  const DrawingBackend& b = ReferenceCanvas();
  return SolidBrush(b.brush()) ? b.brush().color : b.backColor();
}

void TPlotCanvas3D::SetFaceColor(base::TColor color) {
  DrawingBackend& b = ReferenceCanvas();
  if (SolidBrush(b.brush())) {
    if (b.brush().color == color) return;
    BackendBrush brush = b.brush();
    brush.color = color;
    b.setBrush(brush);
  } else {
    b.setBackColor(color);
  }
}

void TPlotCanvas3D::ShadeFace(base::TColor face, int amount) {
  SetFaceColor(DarkerColor(face, amount));
}

void TPlotCanvas3D::StoreQuad(TPoint3D a, TPoint3D b, TPoint3D c, TPoint3D d) {
  quad_[0] = Calculate3DPosition(a.x, a.y, a.z);
  quad_[1] = Calculate3DPosition(b.x, b.y, b.z);
  quad_[2] = Calculate3DPosition(c.x, c.y, c.z);
  quad_[3] = Calculate3DPosition(d.x, d.y, d.z);
}

// --- box -------------------------------------------------------------------------------

void TPlotCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) {
  const base::TColor face = FaceColor();
  StoreQuad({left, top, z0}, {right, top, z0}, {right, bottom, z0}, {left, bottom, z0});
  PolygonFour();

  // Whichever side the view shows, and only when it has any width.
  const QPoint rightNear = Calculate3DPosition(right, bottom, z0);
  const QPoint rightFar = Calculate3DPosition(right, bottom, z1);
  if (rightFar.x() <= rightNear.x()) {
    const QPoint leftNear = Calculate3DPosition(left, bottom, z0);
    const QPoint leftFar = Calculate3DPosition(left, bottom, z1);
    if (leftFar.x() < leftNear.x()) {
      if (darkSides) ShadeFace(face, kSideShade);
      StoreQuad({left, top, z0}, {left, top, z1}, {left, bottom, z1}, {left, bottom, z0});
      PolygonFour();
    }
  } else {
    if (darkSides) ShadeFace(face, kSideShade);
    StoreQuad({right, top, z0}, {right, top, z1}, {right, bottom, z1}, {right, bottom, z0});
    PolygonFour();
  }

  if (Calculate3DPosition(right, top, z0).y() > Calculate3DPosition(left, top, z1).y()) {
    if (darkSides) ShadeFace(face, kTopShade);
    StoreQuad({left, top, z0}, {right, top, z0}, {right, top, z1}, {left, top, z1});
    PolygonFour();
  }
}

// --- lines and points ------------------------------------------------------------------

void TPlotCanvas3D::HorizLine3D(int left, int right, int y, int z) {
  MoveTo3D(left, y, z);
  LineTo3D(right, y, z);
}

void TPlotCanvas3D::VertLine3D(int x, int top, int bottom, int z) {
  MoveTo3D(x, top, z);
  LineTo3D(x, bottom, z);
}

void TPlotCanvas3D::ZLine3D(int x, int y, int z0, int z1) {
  MoveTo3D(x, y, z0);
  LineTo3D(x, y, z1);
}

void TPlotCanvas3D::SetPixel3D(int x, int y, int z, base::TColor color) {
  const QPoint p = Calculate3DPosition(x, y, z);
  DrawingBackend& b = ReferenceCanvas();
  if (b.pen().width != 1) {
    // A dot as wide as the pen.
    b.moveTo(p.x(), p.y());
    b.lineTo(p.x(), p.y());
  } else {
    b.setPixel(p.x(), p.y(), color);
  }
}

// --- triangles and planes ----------------------------------------------------------------

void TPlotCanvas3D::Triangle3D(const std::array<TPoint3D, 3>& points,
                               const std::array<base::TColor, 3>& colors) {
  std::array<QPoint, 3> screen;
  for (size_t i = 0; i < 3; ++i)
    screen[i] = Calculate3DPosition(points[i].x, points[i].y, points[i].z);
  DrawingBackend& b = ReferenceCanvas();
  if (b.brush().style != Graphics::bsClear && b.brush().color != colors[0]) {
    BackendBrush brush = b.brush();
    brush.color = colors[0];
    b.setBrush(brush);
  }
  b.polygon(screen);
}

void TPlotCanvas3D::TriangleWithZ(QPoint p1, QPoint p2, QPoint p3, int z) {
  const std::array<QPoint, 3> screen = {Calculate3DPosition(p1.x(), p1.y(), z),
                                        Calculate3DPosition(p2.x(), p2.y(), z),
                                        Calculate3DPosition(p3.x(), p3.y(), z)};
  ReferenceCanvas().polygon(screen);
}

void TPlotCanvas3D::Plane3D(QPoint a, QPoint b, int z0, int z1) {
  StoreQuad({a.x(), a.y(), z0}, {b.x(), b.y(), z0}, {b.x(), b.y(), z1}, {a.x(), a.y(), z1});
  PolygonFour();
}

void TPlotCanvas3D::PlaneFour3D(QPoint p1, QPoint p2, QPoint p3, QPoint p4, int z0, int z1) {
  StoreQuad({p1.x(), p1.y(), z0}, {p2.x(), p2.y(), z0}, {p3.x(), p3.y(), z1}, {p4.x(), p4.y(), z1});
  PolygonFour();
}

void TPlotCanvas3D::PolygonWithZ(std::span<const QPoint> points, int z) {
  // Series polygons (areas, surfaces) are short; a long one may allocate.
  constexpr size_t kFixed = 128;
  std::array<QPoint, kFixed> fixed;
  std::vector<QPoint> large;
  std::span<QPoint> screen(fixed.data(), std::min(points.size(), kFixed));
  if (points.size() > kFixed) {
    large.resize(points.size());
    screen = large;
  }
  for (size_t i = 0; i < points.size(); ++i)
    screen[i] = Calculate3DPosition(points[i].x(), points[i].y(), z);
  ReferenceCanvas().polygon(screen);
}

// --- ellipses ------------------------------------------------------------------------------

void TPlotCanvas3D::EllipseWithZ(int left, int top, int right, int bottom, int z) {
  DrawingBackend& b = ReferenceCanvas();
  if (projection_.IsOrthogonal()) {
    const QPoint a = Calculate3DPosition(left, top, z);
    const QPoint c = Calculate3DPosition(right, bottom, z);
    b.ellipse(TRect{a.x(), a.y(), c.x(), c.y()});
    return;
  }
  if (!projection_.Is3D()) {
    b.ellipse(TRect{left, top, Sum(right, 1), Sum(bottom, 1)});
    return;
  }
  // Twenty vertices a tenth of a half turn apart, from the bottom point;
  // the outline goes on through 32 of them, round once and on again.
  constexpr int kDistinct = 20;
  constexpr int kOutline = 32;
  const int cx = Mid(left, right), cy = Mid(top, bottom);
  const double rx = double((int64_t(right) - left) / 2), ry = double((int64_t(bottom) - top) / 2);
  std::array<QPoint, kOutline> v;
  for (int k = 0; k < kOutline; ++k) {
    const double a = k * std::numbers::pi / 10;
    v[k] = Calculate3DPosition(Sum(cx, base::Trunc64(rx * std::sin(a))),
                               Sum(cy, base::Trunc64(ry * std::cos(a))), z);
  }
  if (b.brush().style != Graphics::bsClear) {
    const BackendPen pen = b.pen();
    BackendPen clear = pen;
    clear.style = Graphics::psClear;
    b.setPen(clear);
    const QPoint centre = Calculate3DPosition(cx, cy, z);
    for (int k = 0; k < kDistinct; ++k) {
      const std::array<QPoint, 3> fan = {centre, v[k], v[k + 1]};
      b.polygon(fan);
    }
    b.setPen(pen);
  }
  if (b.pen().style != Graphics::psClear) b.polyline(v);
}

void TPlotCanvas3D::Sphere(int x, int y, int z, int radius) {
  EllipseWithZ(Sum(x, -int64_t(radius)), Sum(y, -int64_t(radius)), Sum(x, radius), Sum(y, radius),
               z);
}

// --- arrow ---------------------------------------------------------------------------------

void TPlotCanvas3D::Arrow(bool filled, QPoint from, QPoint to, int headWidth, int headHeight,
                          int z) {
  const double dx = double(to.x()) - from.x();
  const double dy = double(from.y()) - to.y();
  const double length = std::hypot(dx, dy);
  if (length == 0) return;
  const double h = std::min<double>(base::Round64(length), headHeight);
  const double s = dy / length, c = dx / length;
  // The arrow's own axes: u along it, v across.
  const double u = to.x() * c - to.y() * s;
  const double v = to.x() * s + to.y() * c;
  auto back = [&](double pu, double pv) {
    return Calculate3DPosition(base::Round(pu * c + pv * s), base::Round(-pu * s + pv * c), z);
  };
  const double w = headWidth;
  const QPoint tip = Calculate3DPosition(to.x(), to.y(), z);
  DrawingBackend& b = ReferenceCanvas();
  if (filled) {
    const double q = w / 4;
    const double uF = from.x() * c - from.y() * s;
    const std::array<QPoint, 7> shape = {
        back(uF, v + q),        back(uF, v - q),   back(u - h, v - q), back(u - h, v - w / 2), tip,
        back(u - h, v + w / 2), back(u - h, v + q)};
    b.polygon(shape);
    return;
  }
  const QPoint start = Calculate3DPosition(from.x(), from.y(), z);
  const QPoint corner1 = back(u - h, v + w / 2);
  const QPoint corner2 = back(u - h, v - w / 2);
  b.moveTo(start.x(), start.y());
  b.lineTo(tip.x(), tip.y());
  b.lineTo(corner1.x(), corner1.y());
  b.moveTo(tip.x(), tip.y());
  b.lineTo(corner2.x(), corner2.y());
}

// --- ring sector ---------------------------------------------------------------------------

void TPlotCanvas3D::Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle,
                          double endAngle, int holePercent) {
  constexpr int kMaxSteps = 128;
  const double ix = xRadius * double(holePercent) * 0.01;
  const double iy = yRadius * double(holePercent) * 0.01;
  const int n =
      std::clamp(base::Round((endAngle - startAngle) * 128 / std::numbers::pi), 2, kMaxSteps);
  const double step = (endAngle - startAngle) / (n - 1);
  std::array<QPoint, 2 * kMaxSteps> points;
  auto inner = [&](double a) {
    return QPoint(Sum(xCenter, base::Round64(std::cos(a) * ix)),
                  Sum(yCenter, -base::Round64(std::sin(a) * iy)));
  };
  points[0] = inner(startAngle);
  for (int k = 0; k < n; ++k) {
    const double a = startAngle + k * step;
    points[1 + k] = QPoint(Sum(xCenter, base::Round64(xRadius * std::cos(a))),
                           Sum(yCenter, -base::Round64(yRadius * std::sin(a))));
  }
  for (int k = n - 1; k >= 1; --k) points[n + (n - k)] = inner(startAngle + k * step);
  ReferenceCanvas().polygon(std::span<const QPoint>(points.data(), 2 * size_t(n)));
}

// --- pyramid -------------------------------------------------------------------------------

void TPlotCanvas3D::Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                            bool darkSides) {
  const base::TColor face = FaceColor();
  DrawingBackend& b = ReferenceCanvas();
  auto shade = [&](int amount) {
    if (darkSides) ShadeFace(face, amount);
  };
  const int midZ = Mid(z0, z1);
  if (vertical) {
    if (bottom != top) {
      const QPoint p1 = Calculate3DPosition(left, bottom, z0);
      const QPoint p2 = Calculate3DPosition(right, bottom, z0);
      const QPoint apex = Calculate3DPosition(Mid(left, right), top, midZ);
      const QPoint p3 = Calculate3DPosition(left, bottom, z1);
      const QPoint p4 = Calculate3DPosition(right, bottom, z1);
      const bool backSeen = bottom > top && p3.y() < apex.y();
      b.polygon(std::array<QPoint, 3>{p1, apex, p2});
      if (backSeen) b.polygon(std::array<QPoint, 3>{p1, apex, p3});
      shade(kSideShade);
      b.polygon(std::array<QPoint, 3>{p2, apex, p4});
      if (backSeen) b.polygon(std::array<QPoint, 3>{apex, p3, p4});
    }
    if (bottom <= top) {
      shade(kTopShade);
      RectangleY(left, bottom, right, z0, z1);
    }
    return;
  }
  if (left != right) {
    const QPoint p1 = Calculate3DPosition(left, top, z0);
    const QPoint p2 = Calculate3DPosition(left, bottom, z0);
    // Halved toward zero like every other middle: a shift would turn a
    // negative sum into a point near the far end of the int range.
    const QPoint apex = Calculate3DPosition(right, Mid(top, bottom), midZ);
    const QPoint p3 = Calculate3DPosition(left, top, z1);
    b.polygon(std::array<QPoint, 3>{p1, apex, p2});
    shade(kTopShade);
    b.polygon(std::array<QPoint, 3>{p1, apex, p3});
  }
  if (left >= right) {
    shade(kSideShade);
    RectangleZ(left, top, bottom, z0, z1);
  }
}
