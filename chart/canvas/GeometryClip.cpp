#include "chart/canvas/GeometryClip.h"

#include <cmath>

bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) noexcept {
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  double t0 = 0.0;
  double t1 = 1.0;
  // Each edge as p·t <= q.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                       box.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (!std::isfinite(q[i])) return false;
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const QPointF start = a;
  if (t1 < 1.0) b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
  if (t0 > 0.0) a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
  return true;
}

namespace {

// One edge of the box: keeps points with inside(p) true.
template <class Inside, class Cross>
std::vector<QPointF> clipEdge(const std::vector<QPointF>& in, Inside inside, Cross cross) {
  std::vector<QPointF> out;
  if (in.empty()) return out;
  out.reserve(in.size() + 4);
  QPointF prev = in.back();
  bool prevIn = inside(prev);
  for (const QPointF& cur : in) {
    const bool curIn = inside(cur);
    if (curIn != prevIn) out.push_back(cross(prev, cur));
    if (curIn) out.push_back(cur);
    prev = cur;
    prevIn = curIn;
  }
  return out;
}

QPointF atX(QPointF a, QPointF b, double x) {
  const double t = (x - a.x()) / (b.x() - a.x());
  return QPointF(x, a.y() + t * (b.y() - a.y()));
}

QPointF atY(QPointF a, QPointF b, double y) {
  const double t = (y - a.y()) / (b.y() - a.y());
  return QPointF(a.x() + t * (b.x() - a.x()), y);
}

}  // namespace

std::vector<QPointF> ClipPolygon(std::span<const QPointF> points, const QRectF& box) {
  std::vector<QPointF> poly(points.begin(), points.end());
  const double l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
  poly = clipEdge(
      poly, [l](QPointF p) { return p.x() >= l; },
      [l](QPointF p, QPointF q) { return atX(p, q, l); });
  poly = clipEdge(
      poly, [r](QPointF p) { return p.x() <= r; },
      [r](QPointF p, QPointF q) { return atX(p, q, r); });
  poly = clipEdge(
      poly, [t](QPointF p) { return p.y() >= t; },
      [t](QPointF p, QPointF q) { return atY(p, q, t); });
  poly = clipEdge(
      poly, [b](QPointF p) { return p.y() <= b; },
      [b](QPointF p, QPointF q) { return atY(p, q, b); });
  return poly;
}
