#include "GridBuilder.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

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
  EXPECT_EQ(grid.Vertices()[std::size_t(grid.XMidBase() + 8)].X, 2);  // last column: at x[nx-2]
  // One mark per side, in the order Up, Left, Down, Right.
  Ints marked;
  for (const TSideMark& mark : grid.SideMarks()) marked.push_back(mark.Node);
  EXPECT_EQ(marked, (Ints{3, 7, 5, 1}));
  EXPECT_EQ(grid.SideMarks()[0].HalfHeight, 1.5f);
  EXPECT_EQ(grid.SideRanges()[gsLeft].First, 1);
}

TEST(GridWithoutActiveCells, HasEmptyIndexArraysAndUnitScale) {
  GridInput in = unitGrid(4, 5);
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.OutlineIndexCount() + grid.FillIndexCount() + grid.EdgeIndexCount() +
                grid.SideMarkCount(),
            0);
  EXPECT_EQ(grid.CellScale(), 1);
  EXPECT_EQ(grid.Vertices().size(), 80u);
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
  in.at(2, 1) = 1;                                    // equal materials share no edge
  in.build(grid);
  EXPECT_EQ(grid.EdgeIndexCount(), 12);
  for (std::size_t n = 0; n < 12; n += 2)
    EXPECT_FALSE(std::min(e[n], e[n + 1]) == 3 && std::max(e[n], e[n + 1]) == 4) << n;
}

// Cells of column 0 and row 0 have no area; neighbours beyond the border, short
// and negative table entries all count as inactive.
TEST(GridBorderCells, AreaLessAndOutsideCellsAreInactive) {
  GridInput in = unitGrid(3, 3);
  in.cells.assign(9, 1);
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{4, 5, 7, 8}));
  for (std::uint32_t index : grid.OutlineIndices()) EXPECT_LT(index, 9u);
  EXPECT_EQ(grid.SideLists()[gsRight], (Ints{1, 2}));
  EXPECT_EQ(grid.SideLists()[gsUp], (Ints{3, 6}));

  in = unitGrid(3, 3);
  in.at(1, 2) = 1;  // in the top row, as are its inactive neighbours
  in.build(grid);
  EXPECT_EQ(grid.SideLists(), (Sides{Ints{4}, Ints{2}, Ints{}, Ints{5}}));  // the border is no side
  for (const TSideMark& mark : grid.SideMarks()) EXPECT_LT(mark.Node, 9);

  in.cells = {0, 0, 0, 0, -4, 1};  // cell 4 negative, cells 6 .. 8 missing
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{5}));
  in.cells.clear();  // a file without a material table
  in.build(grid);
  EXPECT_TRUE(grid.ActiveCells().empty());
  EXPECT_TRUE(grid.CornerLists()[0].empty()) << "a rebuild starts from scratch";
  EXPECT_EQ(grid.ArrowTriangles()[14], 8u) << "and keeps the arrow";
}

TEST(GridRefusesInconsistentSizes, BeforeTouchingTheCoordinates) {
  GridInput in = unitGrid(3, 3);
  in.x[0] = 5;
  TGrid grid;
  EXPECT_THROW(grid.Build(-1, 3, in.cells, in.y, in.x), base::Exception);
  EXPECT_THROW(grid.Build(4, 3, in.cells, in.y, in.x), base::Exception);
  EXPECT_EQ(in.x[0], 5);
  std::vector<float> longAxis(1 << 16, 0.0f);
  EXPECT_THROW(grid.Build(1 << 16, 1 << 16, {}, longAxis, longAxis), base::Exception);
}

}  // namespace
