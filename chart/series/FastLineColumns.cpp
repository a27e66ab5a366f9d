#include "chart/series/FastLineColumns.h"

#include <algorithm>

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
      for (int k = i + 1; k <= lastInColumn; ++k) {
        lo = std::min(lo, y[k]);
        hi = std::max(hi, y[k]);
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
