#include "viewer/main/MdiTiling.h"

#include <cmath>

namespace {
// Splits [start, start + length) into `parts` pieces; the last ends exactly
// at start + length.
int Edge(int start, int length, int parts, int k) {
  return start + static_cast<int>(static_cast<long long>(length) * k / parts);
}
}  // namespace

std::vector<QRect> TileRects(const QRect& area, int count, TileDirection direction) {
  std::vector<QRect> rects;
  if (count <= 0 || area.isEmpty()) return rects;
  rects.reserve(static_cast<size_t>(count));

  // Lanes run along the tiling direction: columns for vertical tiling, rows
  // for horizontal. Each lane is split across into its windows.
  const int lanes = count <= 3 ? count : static_cast<int>(std::sqrt(static_cast<double>(count)));
  const int perLane = count / lanes;
  const int extraLanes = count % lanes;  // the last lanes hold one window more

  const bool vertical = direction == TileDirection::Vertical;
  const int laneStart = vertical ? area.left() : area.top();
  const int laneLength = vertical ? area.width() : area.height();
  const int crossStart = vertical ? area.top() : area.left();
  const int crossLength = vertical ? area.height() : area.width();

  for (int lane = 0; lane < lanes; ++lane) {
    const int inLane = perLane + (lane >= lanes - extraLanes ? 1 : 0);
    const int a0 = Edge(laneStart, laneLength, lanes, lane);
    const int a1 = Edge(laneStart, laneLength, lanes, lane + 1);
    for (int w = 0; w < inLane; ++w) {
      const int c0 = Edge(crossStart, crossLength, inLane, w);
      const int c1 = Edge(crossStart, crossLength, inLane, w + 1);
      rects.push_back(vertical ? QRect(a0, c0, a1 - a0, c1 - c0) : QRect(c0, a0, c1 - c0, a1 - a0));
    }
  }
  return rects;
}
