#include "chart/series/FastLineColumns.h"

#include <algorithm>
#include <cmath>

namespace {

void Append(std::vector<QPoint>& out, QPoint p) {
  if (out.empty() || out.back() != p) out.push_back(p);
}

// The first index in (from, last] whose column differs from `column`,
// else last + 1. The search starts at `guess` (the previous column's width
// on from): galloping away from it, then halving, so that evenly spread
// points cost a few conversions per column.
int ColumnEnd(const FastLineColumnInput& in, int from, int column, int guess) {
  const auto differs = [&](int i) { return in.xPos(in.x[static_cast<std::size_t>(i)]) != column; };
  int lo = from;         // known in the column
  int hi = in.last + 1;  // known past it
  const int g = std::clamp(guess, from + 1, in.last + 1);
  if (g > in.last || differs(g)) {
    // Back from the guess towards `from`.
    hi = g;
    for (int step = 1; hi - step > lo; step *= 2) {
      if (!differs(hi - step)) {
        lo = hi - step;
        break;
      }
      hi -= step;
    }
  } else {
    // On from the guess.
    lo = g;
    for (int step = 1;; step *= 2) {
      const int at = lo + step;
      if (at > in.last) break;
      if (differs(at)) {
        hi = at;
        break;
      }
      lo = at;
    }
  }
  // lo in the column, hi differs (or is past the end).
  while (hi - lo > 1) {
    const int mid = lo + (hi - lo) / 2;
    if (differs(mid))
      hi = mid;
    else
      lo = mid;
  }
  return hi;
}

}  // namespace

FastLineYExtremes::FastLineYExtremes(std::span<const double> x, std::span<const double> y) : y_(y) {
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || (i > 0 && x[i] < x[i - 1])) return;
  // Each level from the one below (the points for the first).
  std::span<const double> belowLo = y.first(n), belowHi = y.first(n);
  for (Level& level : levels_) {
    const std::size_t blocks = (belowLo.size() + kBlock - 1) / kBlock;
    level.lo.resize(blocks);
    level.hi.resize(blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
      const std::size_t end = std::min(belowLo.size(), (b + 1) * kBlock);
      double lo = belowLo[b * kBlock], hi = belowHi[b * kBlock];
      for (std::size_t i = b * kBlock + 1; i < end; ++i) {
        lo = std::min(lo, belowLo[i]);
        hi = std::max(hi, belowHi[i]);
      }
      level.lo[b] = lo;
      level.hi[b] = hi;
    }
    belowLo = level.lo;
    belowHi = level.hi;
  }
  usable_ = true;
}

void FastLineYExtremes::Range(int first, int last, double& lo, double& hi) const {
  lo = hi = y_[static_cast<std::size_t>(first)];
  int i = first;
  const auto take = [&](double l, double h) {
    lo = std::min(lo, l);
    hi = std::max(hi, h);
  };
  // Shifts and masks, not divisions: this runs per pixel column.
  const auto takeBlock = [&](int k) {
    const auto at = static_cast<std::size_t>(i) >> (kShift * (k + 1));
    take(levels_[k].lo[at], levels_[k].hi[at]);
    i += kBlock << (kShift * k);
  };
  // Single points up to a block, blocks of each level up to one of the
  // next, the largest blocks, then back down.
  for (; i <= last && (i & (kBlock - 1)) != 0; ++i) take(y_[i], y_[i]);
  for (int k = 0; k < kLevels; ++k) {
    const int size = kBlock << (kShift * k);
    const int nextMask = (size << kShift) - 1;
    while (i + size - 1 <= last && (k == kLevels - 1 || (i & nextMask) != 0)) takeBlock(k);
  }
  for (int k = kLevels - 1; k >= 0; --k) {
    const int size = kBlock << (kShift * k);
    while (i + size - 1 <= last) takeBlock(k);
  }
  for (; i <= last; ++i) take(y_[i], y_[i]);
}

std::vector<QPoint> ReduceFastLineColumns(const FastLineColumnInput& in) {
  std::vector<QPoint> out;
  if (in.first < 0 || in.last < in.first) return out;
  const double* y = in.y.data();
  int i = in.first;
  int width = 1;  // of the column before
  while (i <= in.last) {
    const int column = in.xPos(in.x[static_cast<std::size_t>(i)]);
    const int end = ColumnEnd(in, i, column, i + width);
    width = end - i;
    const int lastInColumn = end - 1;
    if (!in.allPoints) {
      Append(out, QPoint(column, in.yPos(y[i])));
      i = end;
      continue;
    }
    if (lastInColumn == i) {
      Append(out, QPoint(column, in.yPos(y[i])));
      i = end;
      continue;
    }
    const bool finalColumn = end > in.last;
    const int firstY = in.yPos(y[i]);
    const int lastY = in.yPos(y[lastInColumn]);
    Append(out, QPoint(column, firstY));
    if (!finalColumn) {
      // Order within the column changes no pixel: the two extremes.
      double lo = y[i], hi = y[i];
      if (in.extremes) {
        in.extremes->Range(i, lastInColumn, lo, hi);
      } else {
        for (int k = i + 1; k <= lastInColumn; ++k) {
          lo = std::min(lo, y[k]);
          hi = std::max(hi, y[k]);
        }
      }
      Append(out, QPoint(column, in.yPos(lo)));
      Append(out, QPoint(column, in.yPos(hi)));
    } else {
      // The end pixel shows only if the line left it before: the extremes
      // where the line first reaches them, in order, then the last pixel
      // before the end.
      int loAt = i, hiAt = i, beforeEnd = -1;
      if (in.extremes) {
        // The pixel extremes of a prefix move monotonically with its end:
        // halve on the prefix's extremes for where each is first reached.
        const auto prefixPixels = [&](int end, int& top, int& bottom) {
          double lo = 0, hi = 0;
          in.extremes->Range(i, end, lo, hi);
          const int a = in.yPos(lo), b = in.yPos(hi);
          top = std::min(a, b);
          bottom = std::max(a, b);
        };
        int loY = 0, hiY = 0;
        prefixPixels(lastInColumn, loY, hiY);
        const auto firstReaching = [&](bool top, int pixel) {
          int lo = i, hi = lastInColumn;  // the answer is in [lo, hi]
          while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            int t = 0, b = 0;
            prefixPixels(mid, t, b);
            if ((top ? t : b) == pixel)
              hi = mid;
            else
              lo = mid + 1;
          }
          return lo;
        };
        loAt = firstReaching(true, loY);
        hiAt = firstReaching(false, hiY);
      } else {
        int loY = firstY, hiY = firstY;
        for (int k = i + 1; k <= lastInColumn; ++k) {
          const int py = in.yPos(y[k]);
          if (py < loY) loY = py, loAt = k;
          if (py > hiY) hiY = py, hiAt = k;
        }
      }
      for (int k = lastInColumn - 1; k >= i; --k)
        if (in.yPos(y[k]) != lastY) {
          beforeEnd = k;
          break;
        }
      const int a = std::min(loAt, hiAt), b = std::max(loAt, hiAt);
      Append(out, QPoint(column, in.yPos(y[a])));
      Append(out, QPoint(column, in.yPos(y[b])));
      if (beforeEnd > b) Append(out, QPoint(column, in.yPos(y[beforeEnd])));
    }
    Append(out, QPoint(column, lastY));
    i = end;
  }
  return out;
}
