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
  // The first level from the points, each further one from the one below,
  // pairing its blocks, until one block covers everything.
  if (n >= static_cast<std::size_t>(kBlock)) {
    Level first;
    const std::size_t blocks = n / kBlock;  // whole blocks only
    first.lo.resize(blocks);
    first.hi.resize(blocks);
    for (std::size_t b = 0; b < blocks; ++b) {
      const double* v = y.data() + b * kBlock;
      double lo = v[0], hi = v[0];
      for (int k = 1; k < kBlock; ++k) {
        lo = v[k] < lo ? v[k] : lo;
        hi = v[k] > hi ? v[k] : hi;
      }
      first.lo[b] = lo;
      first.hi[b] = hi;
    }
    levels_.push_back(std::move(first));
    while (levels_.back().lo.size() >= 2) {
      const Level& below = levels_.back();
      Level next;
      const std::size_t blocks = below.lo.size() / 2;
      next.lo.resize(blocks);
      next.hi.resize(blocks);
      for (std::size_t b = 0; b < blocks; ++b) {
        next.lo[b] = std::min(below.lo[2 * b], below.lo[2 * b + 1]);
        next.hi[b] = std::max(below.hi[2 * b], below.hi[2 * b + 1]);
      }
      levels_.push_back(std::move(next));
    }
  }
  usable_ = true;
}

void FastLineYExtremes::Range(int first, int last, double& lo, double& hi) const {
  const double* y = y_.data();
  double l = y[first], h = y[first];
  const auto single = [&](int i) {
    l = y[i] < l ? y[i] : l;
    h = y[i] > h ? y[i] : h;
  };
  // Shifts, not divisions: this runs per pixel column.
  const auto block = [&](int k, int at) {
    const Level& level = levels_[static_cast<std::size_t>(k)];
    const auto b = static_cast<std::size_t>(at) >> (kShift + k);
    l = std::min(l, level.lo[b]);
    h = std::max(h, level.hi[b]);
  };
  const int levels = static_cast<int>(levels_.size());
  int i = first;
  // Single points up to a block boundary; then up the levels, taking a
  // block where the position is not aligned to the next level; then down.
  for (; i <= last && (i & (kBlock - 1)) != 0; ++i) single(i);
  int k = 0;
  for (; k < levels; ++k) {
    const int size = kBlock << k;
    if (i + size - 1 > last) break;
    if (k + 1 < levels && (i & ((size << 1) - 1)) == 0) continue;
    block(k, i);
    i += size;
  }
  for (k = std::min(k, levels - 1); k >= 0; --k) {
    const int size = kBlock << k;
    while (i + size - 1 <= last) {
      block(k, i);
      i += size;
    }
  }
  for (; i <= last; ++i) single(i);
  lo = l;
  hi = h;
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
