#pragma once
// Hit tests of the mouse against what charts draw: lines, polygons,
// triangles and ellipses. Coordinates reach +-67,108,863 after zooming, so
// the arithmetic is wide enough never to overflow for any int input.
#include <QPoint>

#include <span>

// True when `p` lies on the line through (x0, y0)-(x1, y1) to within the
// rounding of its cross product, and inside the segment's bounding box
// enlarged by `tolerance`. A segment of one point hits nothing.
bool PointInLine(const QPoint& p, int x0, int y0, int x1, int y1, int tolerance = 0);
inline bool PointOnSegment(const QPoint& p, int x0, int y0, int x1, int y1) {
  return PointInLine(p, x0, y0, x1, y1, 0);
}

// Even-odd rule: a point on a left edge is inside, on a right edge outside.
// An empty polygon contains nothing.
bool PointInPolygon(const QPoint& p, std::span<const QPoint> points);

// The triangle (left, bottom), (mid, top), (right, bottom): tip up or down.
bool PointInVertTriangle(const QPoint& p, int left, int right, int top, int bottom);
// The triangle (right, top), (left, mid), (right, bottom): tip left or right.
bool PointInHorizTriangle(const QPoint& p, int top, int bottom, int left, int right);

// The ellipse inscribed in the rectangle (right and bottom as the chart
// stores them); a rectangle without width or height contains nothing.
bool PointInEllipse(const QPoint& p, int left, int top, int right, int bottom);
