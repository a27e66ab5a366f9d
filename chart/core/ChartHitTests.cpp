#include "chart/core/ChartHitTests.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Differences of ints fit 64 bits; their products need 128.
using Wide = __int128;

Wide absWide(Wide v) {
  return v < 0 ? -v : v;
}

int mid(int a, int b) {
  return static_cast<int>((static_cast<int64_t>(a) + b) / 2);  // toward zero, like the layout
}

}  // namespace

bool PointInLine(const QPoint& p, int x0, int y0, int x1, int y1, int tolerance) {
  const int64_t dx = static_cast<int64_t>(x1) - x0;
  const int64_t dy = static_cast<int64_t>(y1) - y0;
  const Wide cross = static_cast<Wide>(dy) * (static_cast<int64_t>(p.x()) - x0) -
                     static_cast<Wide>(static_cast<int64_t>(p.y()) - y0) * dx;
  if (std::max(std::llabs(dx), std::llabs(dy)) <= absWide(cross)) return false;
  const int64_t t = tolerance;
  const int64_t px = p.x(), py = p.y();
  return px >= static_cast<int64_t>(std::min(x0, x1)) - t &&
         px <= static_cast<int64_t>(std::max(x0, x1)) + t &&
         py >= static_cast<int64_t>(std::min(y0, y1)) - t &&
         py <= static_cast<int64_t>(std::max(y0, y1)) + t;
}

bool PointInPolygon(const QPoint& p, std::span<const QPoint> points) {
  bool inside = false;
  const size_t n = points.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const int64_t xi = points[i].x(), yi = points[i].y();
    const int64_t xj = points[j].x(), yj = points[j].y();
    const int64_t py = p.y();
    if (!((yi <= py && py < yj) || (yj <= py && py < yi))) continue;
    // p.x < (xj - xi)(py - yi)/(yj - yi) + xi, multiplied out exactly.
    const Wide lhs = static_cast<Wide>(p.x() - xi) * (yj - yi);
    const Wide rhs = static_cast<Wide>(xj - xi) * (py - yi);
    if (yj > yi ? lhs < rhs : lhs > rhs) inside = !inside;
  }
  return inside;
}

bool PointInVertTriangle(const QPoint& p, int left, int right, int top, int bottom) {
  const QPoint t[] = {{left, bottom}, {mid(left, right), top}, {right, bottom}};
  return PointInPolygon(p, t);
}

bool PointInHorizTriangle(const QPoint& p, int top, int bottom, int left, int right) {
  const QPoint t[] = {{right, top}, {left, mid(top, bottom)}, {right, bottom}};
  return PointInPolygon(p, t);
}

bool PointInEllipse(const QPoint& p, int left, int top, int right, int bottom) {
  const int64_t cx = mid(left, right), cy = mid(top, bottom);
  const double a = static_cast<double>(cx - left), b = static_cast<double>(cy - top);
  const double a2 = a * a, b2 = b * b;
  if (a2 == 0 || b2 == 0) return false;
  const double x = static_cast<double>(p.x() - cx), y = static_cast<double>(p.y() - cy);
  return x * x / a2 + y * y / b2 <= 1;
}
