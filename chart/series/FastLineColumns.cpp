#include "chart/series/FastLineColumns.h"

#include <algorithm>
#include <cmath>

namespace {

void Append(std::vector<QPoint>& out, QPoint p) {
  if (out.empty() || out.back() != p) out.push_back(p);
}

// The first index in (from, last] whose column differs from `column`,
// else last + 1: galloping, then halving.
int ColumnEnd(const FastLineColumnInput& in, int from, int column) {
  const auto differs = [&](int i) { return in.xPos(in.x[static_cast<std::size_t>(i)]) != column; };
  int lo = from;  // known in the column
  int step = 1;
  int hi = from + 1;
  while (hi <= in.last && !differs(hi)) {
    lo = hi;
    step *= 2;
    hi = std::min(in.last + 1, from + step);
  }
  if (hi > in.last) {
    hi = in.last + 1;
    if (lo == in.last) return hi;
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
  const std::size_t blocks = (n + kSmall - 1) / kSmall;
  smallLo_.resize(blocks);
  smallHi_.resize(blocks);
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::size_t end = std::min(n, (b + 1) * kSmall);
    double lo = y[b * kSmall], hi = lo;
    for (std::size_t i = b * kSmall + 1; i < end; ++i) {
      lo = std::min(lo, y[i]);
      hi = std::max(hi, y[i]);
    }
    smallLo_[b] = lo;
    smallHi_[b] = hi;
  }
  constexpr std::size_t per = kLarge / kSmall;
  const std::size_t large = (blocks + per - 1) / per;
  largeLo_.resize(large);
  largeHi_.resize(large);
  for (std::size_t b = 0; b < large; ++b) {
    const std::size_t end = std::min(blocks, (b + 1) * per);
    double lo = smallLo_[b * per], hi = smallHi_[b * per];
    for (std::size_t i = b * per + 1; i < end; ++i) {
      lo = std::min(lo, smallLo_[i]);
      hi = std::max(hi, smallHi_[i]);
    }
    largeLo_[b] = lo;
    largeHi_[b] = hi;
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
  // Single points up to a small block, small blocks up to a large one, large
  // blocks, then back down.
  while (i <= last && i % kSmall != 0) take(y_[i], y_[i]), ++i;
  while (i + kSmall - 1 <= last && i % kLarge != 0)
    take(smallLo_[i / kSmall], smallHi_[i / kSmall]), i += kSmall;
  while (i + kLarge - 1 <= last) take(largeLo_[i / kLarge], largeHi_[i / kLarge]), i += kLarge;
  while (i + kSmall - 1 <= last) take(smallLo_[i / kSmall], smallHi_[i / kSmall]), i += kSmall;
  while (i <= last) take(y_[i], y_[i]), ++i;
}

std::vector<QPoint> ReduceFastLineColumns(const FastLineColumnInput& in) {
  std::vector<QPoint> out;
  if (in.first < 0 || in.last < in.first) return out;
  const double* y = in.y.data();
  int i = in.first;
  while (i <= in.last) {
    const int column = in.xPos(in.x[static_cast<std::size_t>(i)]);
    const int end = ColumnEnd(in, i, column);
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
      int loY = firstY, hiY = firstY, loAt = i, hiAt = i, beforeEnd = -1;
      for (int k = i + 1; k <= lastInColumn; ++k) {
        const int py = in.yPos(y[k]);
        if (py < loY) loY = py, loAt = k;
        if (py > hiY) hiY = py, hiAt = k;
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
