#include "resultdata/TGrid.h"

#include "base/Exceptions.h"

#include <QString>

#include <algorithm>
#include <cmath>

// The cell material table as the geometry sees it. Every neighbour lookup of
// the build goes through materialAt, so no lookup can leave the table: cells
// beyond the border, the area-less cells of column 0 and row 0, entries a short
// table lacks and negative entries all read as 0 (inactive).
class TGrid::CellTable {
 public:
  CellTable(std::span<const std::int16_t> cells, int nx, int ny)
      : cells_(cells), nx_(nx), ny_(ny) {}

  int materialAt(int i, int j) const {
    if (i < 1 || j < 1 || i >= nx_ || j >= ny_) return 0;
    const std::size_t k = std::size_t(i) * std::size_t(ny_) + std::size_t(j);
    if (k >= cells_.size()) return 0;
    return std::max<int>(cells_[k], 0);
  }
  bool activeAt(int i, int j) const { return materialAt(i, j) > 0; }

 private:
  std::span<const std::int16_t> cells_;
  int nx_;
  int ny_;
};

namespace {

// Widths d[i] = c[i] - c[i-1] (d[0] = 0) and weights w[i] = 1 - d[i] / (c[n] -
// c[p]) of one axis. Two neighbouring cells without width would make the weight
// 0 / 0; they share the node equally (0.5) instead.
void axisSizes(std::span<const float> c, std::vector<float>& d, std::vector<float>& w,
               float& maxCellSize) {
  const int n = int(c.size());
  d.resize(std::size_t(n));
  w.resize(std::size_t(n));
  for (int i = 0; i < n; ++i) {
    const int prev = std::max(i - 1, 0);
    const int next = i < n - 1 ? i + 1 : n - 1;
    d[std::size_t(i)] = c[std::size_t(i)] - c[std::size_t(prev)];
    const float span = c[std::size_t(next)] - c[std::size_t(prev)];
    w[std::size_t(i)] = span != 0 ? 1 - d[std::size_t(i)] / span : 0.5f;
    maxCellSize = std::max(maxCellSize, d[std::size_t(i)]);
  }
}

}  // namespace

TGrid::TGrid()
    : arrowPoints_{{{1, 0},
                    {0.8f, 0.05f},
                    {0.8f, -0.05f},
                    {0, 0.05f},
                    {0, -0.05f},
                    {0.5f, 0.15f},
                    {0.55f, 0.05f},
                    {0.55f, -0.05f},
                    {0.5f, -0.15f}}},
      arrowTriangles_{0, 1, 2, 2, 1, 3, 2, 3, 4, 1, 5, 6, 2, 7, 8} {}

void TGrid::Build(int nx, int ny, std::span<const std::int16_t> cellMaterials,
                  std::span<float> yOriginSetToZero, std::span<float> xOriginSetToZero) {
  if (nx < 0 || ny < 0)
    throw base::Exception(QStringLiteral("The grid size %1 x %2 is invalid.").arg(nx).arg(ny));
  if (xOriginSetToZero.size() < std::size_t(nx) || yOriginSetToZero.size() < std::size_t(ny))
    throw base::Exception(
        QStringLiteral("The grid of %1 x %2 nodes lacks coordinates.").arg(nx).arg(ny));
  if (std::int64_t(nx) * ny > MaxNodeCount)
    throw base::Exception(
        QStringLiteral("The grid of %1 x %2 nodes is too large.").arg(nx).arg(ny));

  *this = TGrid();
  nx_ = nx;
  ny_ = ny;
  if (nx == 0 || ny == 0) return;

  std::span<float> x = xOriginSetToZero.first(std::size_t(nx));
  std::span<float> y = yOriginSetToZero.first(std::size_t(ny));
  x[0] = 0;
  y[0] = 0;

  const CellTable cells(cellMaterials, nx, ny);
  buildSizes(x, y);
  buildCells(cells);
  buildVertices(x, y);
  buildSideMarks(cells, x, y);
}

void TGrid::buildSizes(std::span<const float> x, std::span<const float> y) {
  axisSizes(x, dx_, wx_, maxCellSize_);
  axisSizes(y, dy_, wy_, maxCellSize_);
  width_ = x[std::size_t(nx_ - 1)];
  height_ = y[std::size_t(ny_ - 1)];
  rowStart_.resize(std::size_t(nx_));
  for (int i = 0; i < nx_; ++i) rowStart_[std::size_t(i)] = i * ny_;
}

// One walk over all cells in index order collects the active cells with their
// outline and fill indices, the side lists, the corner lists and the
// material-edge lists.
void TGrid::buildCells(const CellTable& cells) {
  const int nx = nx_;
  const int ny = ny_;
  std::size_t activeCount = 0;
  for (int i = 1; i < nx; ++i)
    for (int j = 1; j < ny; ++j) activeCount += cells.activeAt(i, j) ? 1 : 0;

  centreBase_ = nx * ny;
  xMidBase_ = 2 * nx * ny;
  yMidBase_ = 3 * nx * ny;
  activeCells_.reserve(activeCount);
  outlineIndices_.resize(8 * activeCount);
  fillIndices_.resize(12 * activeCount);
  std::uint32_t* outline = outlineIndices_.data();
  std::uint32_t* fill = fillIndices_.data();

  // West, East, South, North: kept apart so the edge indices come out grouped.
  std::array<std::vector<std::int32_t>, 4> edges;
  const bool edgesWanted = nx >= 3;
  const auto uny = std::uint32_t(ny);
  double area = 0;

  for (int i = 0; i < nx; ++i) {
    for (int j = 0; j < ny; ++j) {
      const std::int32_t k = i * ny + j;
      const int m = cells.materialAt(i, j);
      if (m <= 0) {
        // Sides between this inactive cell and its active neighbours.
        if (cells.activeAt(i, j + 1))
          sideLists_[gsUp].push_back(k);
        else if (cells.activeAt(i, j - 1))
          sideLists_[gsDown].push_back(k - 1);
        if (cells.activeAt(i + 1, j))
          sideLists_[gsRight].push_back(k);
        else if (cells.activeAt(i - 1, j))
          sideLists_[gsLeft].push_back(k - ny);
        continue;
      }

      activeCells_.push_back(k);
      area += double(dx_[std::size_t(i)]) * double(dy_[std::size_t(j)]);
      const auto uk = std::uint32_t(k);
      const std::uint32_t below = uk - 1, left = uk - uny, leftBelow = uk - uny - 1;
      const std::uint32_t centre = std::uint32_t(centreBase_) + uk;
      const std::uint32_t outlineCell[8] = {leftBelow, below, below, uk, uk, left, left, leftBelow};
      const std::uint32_t fillCell[12] = {centre, below, uk,        left,  centre, uk,
                                          centre, left,  leftBelow, below, centre, leftBelow};
      outline = std::copy(std::begin(outlineCell), std::end(outlineCell), outline);
      fill = std::copy(std::begin(fillCell), std::end(fillCell), fill);

      if (i > nx - 2 || j > ny - 2) continue;  // corners and edges: interior cells only
      const bool leftFree = !cells.activeAt(i - 1, j);
      const bool rightFree = !cells.activeAt(i + 1, j);
      const bool belowFree = !cells.activeAt(i, j - 1);
      const bool aboveFree = !cells.activeAt(i, j + 1);
      if (leftFree) {
        if (belowFree) cornerLists_[0].push_back(k - ny - 1);
        if (aboveFree) cornerLists_[2].push_back(k);
      } else if (rightFree) {
        if (belowFree) cornerLists_[1].push_back(k - 1);
        if (aboveFree) cornerLists_[3].push_back(k);
      } else if (aboveFree) {
        if (cells.activeAt(i - 1, j + 1))
          cornerLists_[7].push_back(k - ny);
        else if (cells.activeAt(i + 1, j + 1))
          cornerLists_[6].push_back(k);
      } else if (belowFree) {
        if (cells.activeAt(i + 1, j - 1))
          cornerLists_[4].push_back(k - 1);
        else if (cells.activeAt(i - 1, j - 1))
          cornerLists_[5].push_back(k - ny - 1);
      }

      if (!edgesWanted) continue;
      if (cells.materialAt(i - 1, j) != m) edges[0].push_back(k);
      if (cells.materialAt(i + 1, j) != m) edges[1].push_back(k);
      if (cells.materialAt(i, j - 1) != m) edges[2].push_back(k);
      if (cells.materialAt(i, j + 1) != m) edges[3].push_back(k);
    }
  }

  // Without active cells, or with active cells that have no area (equal or
  // descending coordinates), there is no mean size to scale by.
  const double meanArea = activeCells_.empty() ? 0 : area / double(activeCells_.size());
  if (meanArea > 0 && std::isfinite(meanArea)) cellScale_ = float(1 / std::sqrt(meanArea));

  edgeIndices_.reserve(2 * (edges[0].size() + edges[1].size() + edges[2].size() + edges[3].size()));
  for (const std::int32_t k : edges[0])  // West
    edgeIndices_.insert(edgeIndices_.end(), {std::uint32_t(k - ny), std::uint32_t(k - ny - 1)});
  for (const std::int32_t k : edges[1])  // East
    edgeIndices_.insert(edgeIndices_.end(), {std::uint32_t(k - 1), std::uint32_t(k)});
  for (const std::int32_t k : edges[2])  // South
    edgeIndices_.insert(edgeIndices_.end(), {std::uint32_t(k - ny - 1), std::uint32_t(k - 1)});
  for (const std::int32_t k : edges[3])  // North
    edgeIndices_.insert(edgeIndices_.end(), {std::uint32_t(k), std::uint32_t(k - ny)});
}

// Section 1: the nodes. Section 2: cell centres. Section 3: x mid-points (on
// the cell's bottom side). Section 4: y mid-points (on its left side). Column 0
// and row 0 degenerate onto the first node line; the last column's x mid-point
// falls on x[nx-2], the last row's y mid-point on y[ny-2].
void TGrid::buildVertices(std::span<const float> x, std::span<const float> y) {
  const int nx = nx_;
  const int ny = ny_;
  const std::size_t nodes = std::size_t(nx) * std::size_t(ny);
  vertices_.resize(4 * nodes);
  TGridVertex* node = vertices_.data();
  TGridVertex* centre = node + nodes;
  TGridVertex* xMid = centre + nodes;
  TGridVertex* yMid = xMid + nodes;
  for (int i = 0; i < nx; ++i) {
    const float xi = x[std::size_t(i)];
    const float xPrev = x[std::size_t(std::max(i - 1, 0))];
    const float xCentre = (xPrev + xi) / 2;
    const float xMidX = (xPrev + x[std::size_t(std::clamp(i, 0, std::max(nx - 2, 0)))]) / 2;
    for (int j = 0; j < ny; ++j) {
      const float yj = y[std::size_t(j)];
      const float yPrev = y[std::size_t(std::max(j - 1, 0))];
      *node++ = {xi, yj, 0};
      *centre++ = {xCentre, (yPrev + yj) / 2, 0};
      *xMid++ = {xMidX, yj, 0};
      *yMid++ = {xi, (yPrev + y[std::size_t(std::clamp(j, 0, std::max(ny - 2, 0)))]) / 2, 0};
    }
  }
}

// A mark is made for a side whose inactive cell has no active neighbour across
// the other axis. Every node a mark names lies inside the grid: the side lists
// only hold pairs of cells that both lie in it, and an active cell never lies
// in column 0 or row 0.
void TGrid::buildSideMarks(const CellTable& cells, std::span<const float> x,
                           std::span<const float> y) {
  const int ny = ny_;
  auto halfX = [&](int a, int b) { return std::fabs(x[std::size_t(a)] - x[std::size_t(b)]) / 2; };
  auto halfY = [&](int a, int b) { return std::fabs(y[std::size_t(a)] - y[std::size_t(b)]) / 2; };
  const std::size_t total =
      sideLists_[0].size() + sideLists_[1].size() + sideLists_[2].size() + sideLists_[3].size();
  sideMarks_.reserve(total);

  for (const std::int32_t k : sideLists_[gsUp]) {  // inactive (i, j) below active (i, j+1)
    const int i = k / ny, j = k % ny;
    if (!cells.activeAt(i + 1, j) && !cells.activeAt(i - 1, j))
      sideMarks_.push_back({k, halfX(i, i - 1), halfY(j, j + 1)});
  }
  const auto afterUp = std::int32_t(sideMarks_.size());
  for (const std::int32_t a : sideLists_[gsLeft]) {  // active (i, j) left of inactive (i+1, j)
    const int i = a / ny, j = a % ny;
    if (!cells.activeAt(i + 1, j + 1) && !cells.activeAt(i + 1, j - 1))
      sideMarks_.push_back({a + ny, halfX(i, i - 1), halfY(j, j - 1)});
  }
  const auto afterLeft = std::int32_t(sideMarks_.size());
  const auto& down = sideLists_[gsDown];
  for (auto it = down.rbegin(); it != down.rend(); ++it) {  // active (i, j) below inactive
    const std::int32_t a = *it;
    const int i = a / ny, j = a % ny;
    if (!cells.activeAt(i + 1, j + 1) && !cells.activeAt(i - 1, j + 1))
      sideMarks_.push_back({a + 1, halfX(i, i - 1), halfY(j, j - 1)});
  }
  const auto afterDown = std::int32_t(sideMarks_.size());
  const auto& right = sideLists_[gsRight];
  for (auto it = right.rbegin(); it != right.rend(); ++it) {  // inactive left of active
    const std::int32_t k = *it;
    const int i = k / ny, j = k % ny;
    if (!cells.activeAt(i, j - 1) && !cells.activeAt(i, j + 1))
      sideMarks_.push_back({k, halfX(i, i + 1), halfY(j, j - 1)});
  }
  const auto count = std::int32_t(sideMarks_.size());
  sideRanges_[gsUp] = {0, afterUp};
  sideRanges_[gsRight] = {afterDown, count};
  sideRanges_[gsDown] = {afterLeft, afterDown};
  sideRanges_[gsLeft] = {afterUp, afterLeft};
}
