#pragma once
// The pixel-column reduction of a polyline through sorted points. Joining
// every point of one pixel column lights the column from its lowest to its
// highest point, and the segments into and out of the column depend only on
// its first and last points; so first, extreme and last points give the
// same pixels as all of them, whatever the column holds. The last column of
// the line is the exception: its end pixel is left out unless the line
// passed there before, so the point before the end is kept as well.
#include <QPoint>

#include <functional>
#include <span>
#include <vector>

struct FastLineColumnInput {
  std::span<const double> x;  // ascending and finite over [first, last]
  std::span<const double> y;  // finite over [first, last]
  int first = 0;
  int last = -1;
  // Pixel positions; both monotone in the value (either direction).
  std::function<int(double)> xPos;
  std::function<int(double)> yPos;
  // False keeps only the first point of each column (its vertical extent
  // is dropped, as the literal rule drops it).
  bool allPoints = true;
};

// The points to join, in drawing order, without consecutive repeats.
// Costs one X conversion per column and point of its binary search, and one
// comparison of Y per point.
std::vector<QPoint> ReduceFastLineColumns(const FastLineColumnInput& in);
