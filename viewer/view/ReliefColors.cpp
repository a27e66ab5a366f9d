#include "viewer/view/ReliefColors.h"

#include <algorithm>
#include <cmath>

namespace {

// The relief's sections and the legend in one place. Heights are read and
// written through cell coordinates that are clamped to the grid, so a cell of
// the last column or row reads itself where it would have read beyond the
// grid (or into the next vertex section).
class Relief {
 public:
  Relief(const TGrid& grid, std::span<const float> values, const ReliefColorScale& scale,
         std::span<TGridVertex> vertices, std::span<std::uint8_t> colors)
      : nx_(grid.Nx()),
        ny_(grid.Ny()),
        wx_(grid.WX()),
        wy_(grid.WY()),
        values_(values),
        scale_(scale),
        vertices_(vertices),
        colors_(colors),
        centre_(grid.CentreBase()),
        xMid_(grid.XMidBase()),
        yMid_(grid.YMidBase()),
        lowest_(scale.LowestValue()) {}

  int nx() const { return nx_; }
  int ny() const { return ny_; }

  // Cell index of (i, j), clamped into the grid.
  int at(int i, int j) const {
    i = std::clamp(i, 0, nx_ - 1);
    j = std::clamp(j, 0, ny_ - 1);
    return i * ny_ + j;
  }

  float wx(int i) const { return wx_[std::clamp(i, 0, nx_ - 1)]; }
  float wy(int j) const { return wy_[std::clamp(j, 0, ny_ - 1)]; }

  // Field value of cell c; a value that is no number counts as the lowest.
  float V(int c) const {
    const float v = values_[c];
    return std::isfinite(v) ? v : float(lowest_);
  }

  float C(int c) const { return vertices_[centre_ + c].Z; }
  float U(int c) const { return vertices_[xMid_ + c].Z; }
  float R(int c) const { return vertices_[yMid_ + c].Z; }
  float K(int c) const { return vertices_[c].Z; }

  // Height only (steps that store no colour).
  void setC(int c, float h) { vertices_[centre_ + c].Z = h; }
  void setK(int c, float h) { vertices_[c].Z = h; }

  // Height and its colour.
  void colourC(int c, float h) { store(centre_ + c, h); }
  void colourU(int c, float h) { store(xMid_ + c, h); }
  void colourR(int c, float h) { store(yMid_ + c, h); }
  void colourK(int c, float h) { store(c, h); }

 private:
  void store(int vertex, float h) {
    vertices_[vertex].Z = h;
    const std::uint32_t rgb = scale_.InterpolatedColor(h);
    std::uint8_t* out = &colors_[std::size_t(vertex) * 3];
    out[0] = std::uint8_t(rgb & 0xFF);
    out[1] = std::uint8_t((rgb >> 8) & 0xFF);
    out[2] = std::uint8_t((rgb >> 16) & 0xFF);
  }

  int nx_, ny_;
  const std::vector<float>& wx_;
  const std::vector<float>& wy_;
  std::span<const float> values_;
  const ReliefColorScale& scale_;
  std::span<TGridVertex> vertices_;
  std::span<std::uint8_t> colors_;
  int centre_, xMid_, yMid_;
  double lowest_;
};

// Weighted mean of two edge heights meeting at a corner; the plain mean when
// both weights are 0 (coinciding grid lines).
float weighted(float wa, float a, float wb, float b) {
  const float sum = wa + wb;
  return sum != 0.0f ? (wa * a + wb * b) / sum : (a + b) / 2.0f;
}

}  // namespace

void ComputeReliefColors(const TGrid& grid, std::span<const float> values,
                         const ReliefColorScale& scale, std::span<TGridVertex> vertices,
                         std::span<std::uint8_t> colors) {
  const std::size_t cells = std::size_t(grid.Nx()) * std::size_t(grid.Ny());
  if (cells == 0 || values.size() < cells || vertices.size() < 4 * cells ||
      colors.size() < 12 * cells)
    return;

  Relief r(grid, values, scale, vertices, colors);
  const int ny = r.ny();
  const auto& active = grid.ActiveCells();
  const auto& corner = grid.CornerLists();
  const auto& up = grid.SideLists()[gsUp];
  const auto& right = grid.SideLists()[gsRight];
  const auto& down = grid.SideLists()[gsDown];
  const auto& left = grid.SideLists()[gsLeft];

  // Walks a list with each entry's cell coordinates.
  auto each = [ny](const std::vector<std::int32_t>& list, auto&& f) {
    for (const std::int32_t e : list) f(e, e / ny, e % ny);
  };

  // 1. Active cell centres take their values.
  for (const std::int32_t e : active) r.setC(e, r.V(e));

  // 2. Outer corners (heights only, except the node of corner list 0).
  each(corner[0], [&](int, int i, int j) { r.colourK(r.at(i, j), r.V(r.at(i + 1, j + 1))); });
  each(corner[1], [&](int, int i, int j) { r.setC(r.at(i + 1, j + 1), r.V(r.at(i, j + 1))); });
  each(corner[3], [&](int e, int i, int j) {
    r.setC(r.at(i + 1, j), r.V(e));
    r.setC(r.at(i, j + 1), r.V(e));
  });
  each(corner[2], [&](int e, int i, int j) { r.setC(r.at(i, j + 1), r.V(e)); });

  // 3. Inactive cells along the lower and left sides take their own values.
  for (const std::int32_t e : up) r.colourC(e, r.V(e));
  for (const std::int32_t e : right) r.colourC(e, r.V(e));

  // 4. Edges and nodes of the inactive cells on the left side.
  each(right, [&](int e, int i, int j) {
    const float east = r.C(r.at(i + 1, j));
    r.colourR(e, east);
    r.colourK(e, r.wy(j) * east + (1 - r.wy(j)) * r.C(r.at(i + 1, j + 1)));
  });
  // 5. ... and on the lower side.
  each(up, [&](int e, int i, int j) {
    const float north = r.C(r.at(i, j + 1));
    r.colourU(e, north);
    r.colourK(e, r.wx(i) * north + (1 - r.wx(i)) * r.C(r.at(i + 1, j + 1)));
  });

  // 6. Edges and upper-right nodes of the active cells.
  each(active, [&](int e, int i, int j) {
    const float wx = r.wx(i), wy = r.wy(j);
    const float north = r.C(r.at(i, j + 1));
    const float east = r.C(r.at(i + 1, j));
    const float northEast = r.C(r.at(i + 1, j + 1));
    r.colourU(e, (1 - wy) * north + wy * r.C(e));
    r.colourR(e, (1 - wx) * east + wx * r.C(e));
    r.colourK(e, (1 - wy) * (wx * north + (1 - wx) * northEast) + wy * r.R(e));
  });

  // 7. Active cells on the right and upper sides of the region.
  each(left, [&](int e, int i, int j) {
    r.colourR(e, r.C(e));
    r.colourK(e, r.wy(j) * r.C(e) + (1 - r.wy(j)) * r.C(r.at(i, j + 1)));
  });
  each(down, [&](int e, int i, int j) {
    r.colourU(e, r.C(e));
    r.colourK(e, r.wx(i) * r.C(e) + (1 - r.wx(i)) * r.C(r.at(i + 1, j)));
  });

  // 8. The inactive centres beyond them take their own values.
  each(down, [&](int, int i, int j) {
    const int n = r.at(i, j + 1);
    r.colourC(n, r.V(n));
  });
  each(left, [&](int, int i, int j) {
    const int n = r.at(i + 1, j);
    r.colourC(n, r.V(n));
  });

  // 9. Inner corners: the corner height is the weighted mean of the two edge
  // heights meeting there.
  each(corner[5], [&](int e, int i, int j) {
    r.colourK(e, weighted(r.wy(j + 1), r.R(r.at(i, j + 1)), r.wx(i), r.U(e)));
  });
  each(corner[4], [&](int e, int i, int j) {
    r.colourK(e, weighted(r.wy(j + 1), r.R(r.at(i, j + 1)), r.wx(i + 1), r.U(r.at(i + 1, j))));
  });
  each(corner[7],
       [&](int e, int i, int j) { r.colourK(e, weighted(r.wy(j), r.R(e), r.wx(i), r.U(e))); });
  each(corner[6], [&](int e, int i, int j) {
    r.colourK(e, weighted(r.wy(j), r.R(e), r.wx(i + 1), r.U(r.at(i + 1, j))));
  });

  // 10. Active centres: the mean of the cell's four corners.
  each(active, [&](int e, int i, int j) {
    r.colourC(e,
              (r.K(e) + r.K(r.at(i, j - 1)) + r.K(r.at(i - 1, j)) + r.K(r.at(i - 1, j - 1))) / 4);
  });

  // 11. Centres beside inner corners: the mean of two corner heights.
  each(corner[5], [&](int e, int i, int j) {
    r.colourC(r.at(i, j + 1), (r.K(e) + r.K(r.at(i - 1, j + 1))) / 2);
  });
  each(corner[4], [&](int e, int i, int j) {
    r.colourC(r.at(i + 1, j + 1), (r.K(r.at(i + 1, j + 1)) + r.K(e)) / 2);
  });
  each(corner[7],
       [&](int e, int i, int j) { r.colourC(e, (r.K(e) + r.K(r.at(i - 1, j - 1))) / 2); });
  each(corner[6], [&](int e, int i, int j) {
    r.colourC(r.at(i + 1, j), (r.K(r.at(i + 1, j - 1)) + r.K(e)) / 2);
  });
}

void ComputeFlatColors(const TGrid& grid, std::span<const float> values,
                       const ReliefColorScale& scale, std::span<std::uint8_t> nodeColors) {
  const std::size_t cells = std::size_t(grid.Nx()) * std::size_t(grid.Ny());
  if (values.size() < cells || nodeColors.size() < 3 * cells) return;
  const double lowest = scale.LowestValue();
  for (const std::int32_t c : grid.ActiveCells()) {
    const float v = values[c];
    const std::uint32_t rgb = scale.ClassColor(std::isfinite(v) ? double(v) : lowest);
    std::uint8_t* out = &nodeColors[std::size_t(c - 1) * 3];
    out[0] = std::uint8_t(rgb & 0xFF);
    out[1] = std::uint8_t((rgb >> 8) & 0xFF);
    out[2] = std::uint8_t((rgb >> 16) & 0xFF);
  }
}

std::vector<std::uint32_t> FlatQuadIndices(const TGrid& grid) {
  const auto ny = std::uint32_t(grid.Ny());
  std::vector<std::uint32_t> indices;
  indices.reserve(grid.ActiveCells().size() * 4);
  for (const std::int32_t cell : grid.ActiveCells()) {
    const auto c = std::uint32_t(cell);  // active cells have i >= 1 and j >= 1
    indices.insert(indices.end(), {c, c - ny, c - ny - 1, c - 1});
  }
  return indices;
}
