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

// Lowest and highest Y over any index range in a few steps: per block of
// 16, 32, 64, ... points their extremes (about two bytes per point), so
// that a range costs at most 15 single points at each end and a block or
// two per level between. Built once per change of the points; answers
// nothing (Usable() false) when a value is not finite or X is not
// ascending, since then neither the extremes nor the columns are defined.
class FastLineYExtremes {
 public:
  FastLineYExtremes() = default;
  FastLineYExtremes(std::span<const double> x, std::span<const double> y);
  bool Usable() const { return usable_; }
  // Over [first, last], both inside the points.
  void Range(int first, int last, double& lo, double& hi) const;

 private:
  // Level k holds blocks of kBlock << k points.
  static constexpr int kShift = 4;
  static constexpr int kBlock = 1 << kShift;
  struct Level {
    std::vector<double> lo, hi;
  };
  std::span<const double> y_;
  std::vector<Level> levels_;
  bool usable_ = false;
};

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
  // When set, the column extremes come from it instead of a walk.
  const FastLineYExtremes* extremes = nullptr;
};

// The points to join, in drawing order, without consecutive repeats.
// Costs the X conversions of one binary search per column, the extremes of
// each column, and a Y conversion per point of the last column.
std::vector<QPoint> ReduceFastLineColumns(const FastLineColumnInput& in);
