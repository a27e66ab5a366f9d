// Random material tables, including active cells in the area-less column 0 and
// row 0 and negative entries, must never give an index outside the vertex
// array or a fill triangle outside its cell.
#include "GridBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

GridInput randomGrid(std::mt19937& rng) {
  std::uniform_int_distribution<int> size(2, 40);
  std::uniform_int_distribution<int> step(0, 4);  // 0: two equal coordinates
  GridInput g;
  const int nx = size(rng), ny = size(rng);
  float c = std::uniform_real_distribution<float>(-5, 5)(rng);
  for (int i = 0; i < nx; ++i) g.x.push_back(c += 0.25f * float(step(rng)));
  for (int j = 0; j < ny; ++j) g.y.push_back(c += 0.5f * float(step(rng)));
  // Dense, sparse or mixed materials, so that every side and corner case occurs.
  const int density = std::uniform_int_distribution<int>(0, 3)(rng);
  std::uniform_int_distribution<int> material(-1, 3);
  std::uniform_int_distribution<int> coin(0, 3);
  for (int k = 0; k < nx * ny; ++k)
    g.cells.push_back(coin(rng) < density ? std::int16_t(material(rng)) : std::int16_t(0));
  return g;
}

TEST(GridIndicesStayInsideTheGrid, ForRandomMaterialTables) {
  std::mt19937 rng(20261206);
  for (int round = 0; round < 500; ++round) {
    GridInput in = randomGrid(rng);
    TGrid grid;
    in.build(grid);
    const int nx = in.nx(), ny = in.ny();
    const auto nodes = std::uint32_t(nx * ny);
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << nx << " x " << ny);
    ASSERT_EQ(grid.Vertices().size(), 4u * nodes);

    for (std::uint32_t index : grid.OutlineIndices()) ASSERT_LT(index, nodes);
    for (std::uint32_t index : grid.EdgeIndices()) ASSERT_LT(index, nodes);
    for (std::uint32_t index : grid.FillIndices()) ASSERT_LT(index, 4 * nodes);
    ASSERT_EQ(grid.FillIndexCount(), 12 * int(grid.ActiveCells().size()));
    ASSERT_EQ(grid.OutlineIndexCount(), 8 * int(grid.ActiveCells().size()));

    for (std::size_t n = 0; n < grid.ActiveCells().size(); ++n) {
      const std::int32_t k = grid.ActiveCells()[n];
      const int i = k / ny, j = k % ny;
      ASSERT_TRUE(i >= 1 && j >= 1 && in.at(i, j) > 0) << k;
      // Moving the origin to 0 can reverse the first cell of an axis that
      // lies below 0, so the box takes the smaller coordinate first.
      const auto [x0, x1] = std::minmax(in.x[std::size_t(i - 1)], in.x[std::size_t(i)]);
      const auto [y0, y1] = std::minmax(in.y[std::size_t(j - 1)], in.y[std::size_t(j)]);
      double area = 0;
      for (std::size_t t = 0; t < 4; ++t) {
        const TGridVertex* v[3];
        for (std::size_t c = 0; c < 3; ++c) {
          v[c] = &grid.Vertices()[grid.FillIndices()[12 * n + 3 * t + c]];
          ASSERT_TRUE(v[c]->X >= x0 && v[c]->X <= x1 && v[c]->Y >= y0 && v[c]->Y <= y1 &&
                      v[c]->Z == 0)
              << "cell " << k << ", triangle " << t;
        }
        area += std::abs(double(v[1]->X - v[0]->X) * double(v[2]->Y - v[0]->Y) -
                         double(v[2]->X - v[0]->X) * double(v[1]->Y - v[0]->Y)) /
                2;
      }
      // The four triangles tile the cell.
      ASSERT_NEAR(area, double(x1 - x0) * double(y1 - y0), 1e-4);
    }

    // Side lists pair an active cell with an inactive one inside the grid.
    auto active = [&](std::int32_t k) {
      return k >= 0 && k < int(nodes) && k / ny >= 1 && k % ny >= 1 && in.at(k / ny, k % ny) > 0;
    };
    for (std::int32_t k : grid.SideLists()[gsUp]) ASSERT_TRUE(!active(k) && active(k + 1));
    for (std::int32_t k : grid.SideLists()[gsRight]) ASSERT_TRUE(!active(k) && active(k + ny));
    for (std::int32_t k : grid.SideLists()[gsDown])
      ASSERT_TRUE(k % ny < ny - 1 && active(k) && !active(k + 1));
    for (std::int32_t k : grid.SideLists()[gsLeft])
      ASSERT_TRUE(k / ny < nx - 1 && active(k) && !active(k + ny));
    for (const auto& list : grid.CornerLists())
      for (std::int32_t k : list) ASSERT_TRUE(k >= 0 && k < int(nodes));
    for (const TSideMark& mark : grid.SideMarks()) {
      ASSERT_TRUE(mark.Node >= 0 && mark.Node < int(nodes) && std::isfinite(mark.HalfWidth) &&
                  mark.HalfWidth >= 0 && std::isfinite(mark.HalfHeight) && mark.HalfHeight >= 0);
    }
    // The four ranges cover the marks without gaps: Up, Left, Down, Right.
    const auto& r = grid.SideRanges();
    ASSERT_TRUE(r[gsUp].First == 0 && r[gsLeft].First == r[gsUp].End &&
                r[gsDown].First == r[gsLeft].End && r[gsRight].First == r[gsDown].End &&
                r[gsRight].End == grid.SideMarkCount());
    for (const auto* weights : {&grid.WX(), &grid.WY()})
      for (float w : *weights) ASSERT_TRUE(std::isfinite(w));
    ASSERT_TRUE(std::isfinite(grid.CellScale()));
  }
}

}  // namespace
