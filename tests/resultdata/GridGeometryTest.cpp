#include "resultdata/TGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Coordinates and a cell material table laid out column by column
// (k = i * ny + j), as the reader holds them.
struct GridInput {
  std::vector<float> x, y;
  std::vector<std::int16_t> cells;

  int nx() const { return int(x.size()); }
  int ny() const { return int(y.size()); }
  std::int16_t& at(int i, int j) { return cells[std::size_t(i * ny() + j)]; }
  void build(TGrid& grid) { grid.Build(nx(), ny(), cells, y, x); }
};

// Coordinates 0, 1, 2, ... along both axes and every cell inactive.
inline GridInput unitGrid(int nx, int ny) {
  GridInput g;
  for (int i = 0; i < nx; ++i) g.x.push_back(float(i));
  for (int j = 0; j < ny; ++j) g.y.push_back(float(j));
  g.cells.assign(std::size_t(nx * ny), 0);
  return g;
}

using Ints = std::vector<std::int32_t>;
using Indices = TGrid::IndexArray;
using Sides = std::array<Ints, 4>;

TEST(GridSizesAndWeights, MovesTheOriginAndDerivesWidthsAndWeights) {
  GridInput in{{0.5f, 1, 3}, {2, 4}, {0, 0, 0, 0, 0, 0}};
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(in.x[0], 0.0f);  // the caller's array changed
  EXPECT_EQ(in.y[0], 0.0f);
  EXPECT_EQ(grid.DX(), (std::vector<float>{0, 1, 2}));
  EXPECT_EQ(grid.DY(), (std::vector<float>{0, 4}));
  EXPECT_FLOAT_EQ(grid.WX()[0], 1);
  EXPECT_FLOAT_EQ(grid.WX()[1], 1 - 1.0f / 3);
  EXPECT_FLOAT_EQ(grid.WX()[2], 0);
  EXPECT_EQ(grid.Width(), 3);
  EXPECT_EQ(grid.Height(), 4);

  // A node between two cells without width weighs both equally, not 0 / 0.
  in = GridInput{{0, 0, 1, 1, 1, 2}, {0, 1}, std::vector<std::int16_t>(12, 0)};
  in.build(grid);
  EXPECT_EQ(grid.WX()[0], 0.5f);
  EXPECT_EQ(grid.WX()[3], 0.5f);
  EXPECT_FLOAT_EQ(grid.WX()[4], 1.0f);
  in = GridInput{{7}, {0, 1, 2}, {1, 1, 1}};  // a single column
  in.build(grid);
  EXPECT_EQ(grid.WX(), (std::vector<float>{0.5f}));
  EXPECT_TRUE(grid.ActiveCells().empty());
}

TEST(GridAroundOneActiveCell, ListsTheFourSidesMarksThemAndScalesByTheCellArea) {
  GridInput in{{0, 2, 5}, {0, 3, 4}, std::vector<std::int16_t>(9, 0)};
  in.at(1, 1) = 1;  // k = 4, the centre
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{4}));
  EXPECT_EQ(grid.SideLists(),
            (Sides{Ints{3}, Ints{1}, Ints{4}, Ints{4}}));  // Up, Right, Down, Left
  EXPECT_FLOAT_EQ(grid.CellScale(), 1 / std::sqrt(2.0f * 3.0f));
  EXPECT_EQ(grid.CornerLists()[2], (Ints{4}));
  // Outline and material edges from the cell's corners: West, East, South, North.
  EXPECT_EQ(grid.OutlineIndices(), (Indices{0, 3, 3, 4, 4, 1, 1, 0}));
  EXPECT_EQ(grid.EdgeIndices(), (Indices{1, 0, 3, 4, 0, 3, 4, 1}));
  // One mark per side, in the order Up, Left, Down, Right.
  Ints marked;
  for (const TSideMark& mark : grid.SideMarks()) marked.push_back(mark.Node);
  EXPECT_EQ(marked, (Ints{3, 7, 5, 1}));
}

TEST(GridWithoutActiveCells, HasEmptyIndexArraysAndUnitScale) {
  GridInput in = unitGrid(4, 5);
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.OutlineIndexCount() + grid.FillIndexCount() + grid.EdgeIndexCount() +
                grid.SideMarkCount(),
            0);
  EXPECT_EQ(grid.CellScale(), 1);
  // An active cell without area (x[2] = x[1]) gives no mean size to scale by either.
  in = GridInput{{0, 1, 1}, {0, 1, 2}, std::vector<std::int16_t>(9, 0)};
  in.at(2, 1) = 1;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells().size(), 1u);
  EXPECT_EQ(grid.CellScale(), 1);
}

TEST(GridMaterialEdges, MaterialChangeBetweenNeighboursGivesOneEastAndOneWestEdge) {
  GridInput in = unitGrid(4, 3);
  in.at(1, 1) = 1;  // k = 4
  in.at(2, 1) = 2;  // k = 7
  TGrid grid;
  in.build(grid);
  // West edges (4, 7), then East (4, 7), South, North.
  const Indices& e = grid.EdgeIndices();
  ASSERT_EQ(e.size(), 16u);
  EXPECT_EQ((Indices{e[2], e[3]}), (Indices{4, 3}));  // West side of cell 7
  EXPECT_EQ((Indices{e[4], e[5]}), (Indices{3, 4}));  // East side of cell 4
  in.at(2, 1) = 1;
  in.build(grid);
  EXPECT_EQ(grid.EdgeIndexCount(), 12) << "equal materials share no edge";
}

// Cells of column 0 and row 0 have no area; neighbours beyond the border, short
// and negative table entries all count as inactive.
TEST(GridBorderCells, AreaLessAndOutsideCellsAreInactive) {
  GridInput in = unitGrid(3, 3);
  in.cells.assign(9, 1);
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{4, 5, 7, 8}));
  EXPECT_EQ(grid.SideLists()[gsRight], (Ints{1, 2}));
  EXPECT_EQ(grid.SideLists()[gsUp], (Ints{3, 6}));

  in = unitGrid(3, 3);
  in.at(1, 2) = 1;  // in the top row, as are its inactive neighbours
  in.build(grid);
  EXPECT_EQ(grid.SideLists(), (Sides{Ints{4}, Ints{2}, Ints{}, Ints{5}}));  // the border is no side

  in.cells = {0, 0, 0, 0, -4, 1};  // cell 4 negative, cells 6 .. 8 missing
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{5}));
  in.cells.clear();  // a file without a material table
  in.build(grid);
  EXPECT_TRUE(grid.ActiveCells().empty());
  EXPECT_TRUE(grid.CornerLists()[0].empty()) << "a rebuild starts from scratch";
}

// Random material tables, including active cells in the area-less column 0 and
// row 0 and negative entries, must never give an index outside the vertex
// array or a fill triangle outside its cell.
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
