#pragma once
// Clipping done before coordinates reach a painter: segments against a
// rectangle (Liang–Barsky) and polygons against a rectangle
// (Sutherland–Hodgman, which keeps the fill of the part inside).
#include <QPointF>
#include <QRectF>

#include <span>
#include <vector>

// Clips the segment a-b to `box` in place; false when nothing is left.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) noexcept;

// The part of the closed polygon `points` inside `box`.
std::vector<QPointF> ClipPolygon(std::span<const QPointF> points, const QRectF& box);
