#include "GridBuilder.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

using Ints = std::vector<std::int32_t>;
using Indices = TGrid::IndexArray;

TEST(GridSizesAndWeights, MovesTheOriginAndDerivesWidthsFromIt) {
  GridInput in{{0.5f, 1, 3}, {2, 4}, {0, 0, 0, 0, 0, 0}};
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(in.x[0], 0.0f);  // the caller's array changed
  EXPECT_EQ(in.y[0], 0.0f);
  EXPECT_EQ(grid.DX(), (std::vector<float>{0, 1, 2}));
  EXPECT_FLOAT_EQ(grid.WX()[0], 1);
  EXPECT_FLOAT_EQ(grid.WX()[1], 1 - 1.0f / 3);
  EXPECT_FLOAT_EQ(grid.WX()[2], 0);
  EXPECT_EQ(grid.DY(), (std::vector<float>{0, 4}));
  EXPECT_EQ(grid.Width(), 3);
  EXPECT_EQ(grid.Height(), 4);
  EXPECT_EQ(grid.MaxCellSize(), 4);
  EXPECT_EQ(grid.RowStart(), (Ints{0, 2, 4}));
}

TEST(GridSizesAndWeights, NodeBetweenTwoCellsWithoutWidthWeighsBothEqually) {
  GridInput in{{0, 0, 1, 1, 1, 2}, {0, 1}, std::vector<std::int16_t>(12, 0)};
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.WX()[0], 0.5f);  // x[1] - x[0] = 0
  EXPECT_FLOAT_EQ(grid.WX()[2], 0.0f);
  EXPECT_EQ(grid.WX()[3], 0.5f);
  EXPECT_FLOAT_EQ(grid.WX()[4], 1.0f);
  EXPECT_FLOAT_EQ(grid.WX()[5], 0.0f);
}

TEST(GridSizesAndWeights, SingleColumnGridHasFiniteWeightsAndNoActiveCell) {
  GridInput in{{7}, {0, 1, 2}, {1, 1, 1}};
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.WX(), (std::vector<float>{0.5f}));
  EXPECT_TRUE(grid.ActiveCells().empty());
  EXPECT_EQ(grid.CellScale(), 1);
  EXPECT_EQ(grid.Vertices().size(), 12u);
}

// The 3 x 3 grid with only the centre cell (k = 4) active.
class GridAroundOneActiveCell : public ::testing::Test {
 protected:
  void SetUp() override {
    in = GridInput{{0, 2, 5}, {0, 3, 4}, std::vector<std::int16_t>(9, 0)};
    in.at(1, 1) = 1;
    in.build(grid);
  }
  GridInput in;
  TGrid grid;
};

TEST_F(GridAroundOneActiveCell, ListsTheFourSidesAndScalesByTheCellArea) {
  EXPECT_EQ(grid.ActiveCells(), (Ints{4}));
  EXPECT_EQ(grid.SideLists()[gsUp], (Ints{3}));
  EXPECT_EQ(grid.SideLists()[gsDown], (Ints{4}));
  EXPECT_EQ(grid.SideLists()[gsRight], (Ints{1}));
  EXPECT_EQ(grid.SideLists()[gsLeft], (Ints{4}));
  EXPECT_FLOAT_EQ(grid.CellScale(), 1 / std::sqrt(2.0f * 3.0f));
}

TEST_F(GridAroundOneActiveCell, DrawsTheCellFromItsCornersAndCentre) {
  EXPECT_EQ(grid.OutlineIndices(), (Indices{0, 3, 3, 4, 4, 1, 1, 0}));
  EXPECT_EQ(grid.FillIndices(), (Indices{13, 3, 4, 1, 13, 4, 13, 1, 0, 3, 13, 0}));
  EXPECT_EQ(grid.CentreBase(), 9);
  EXPECT_EQ(grid.XMidBase(), 18);
  EXPECT_EQ(grid.YMidBase(), 27);
  const TGridVertex centre = grid.Vertices()[13];
  EXPECT_EQ(centre.X, 1);
  EXPECT_EQ(centre.Y, 1.5f);
  const TGridVertex lastXMid = grid.Vertices()[18 + 8];  // last column: falls on x[nx-2]
  EXPECT_EQ(lastXMid.X, 2);
  EXPECT_EQ(lastXMid.Y, 4);
  // Every side of the lone cell is a material edge: West, East, South, North.
  EXPECT_EQ(grid.EdgeIndices(), (Indices{1, 0, 3, 4, 0, 3, 4, 1}));
  EXPECT_EQ(grid.CornerLists()[0], (Ints{0}));
  EXPECT_EQ(grid.CornerLists()[2], (Ints{4}));
}

TEST_F(GridAroundOneActiveCell, MarksEachSideOnceInUpLeftDownRightOrder) {
  ASSERT_EQ(grid.SideMarkCount(), 4);
  const std::vector<std::int32_t> nodes{3, 7, 5, 1};
  for (int n = 0; n < 4; ++n) {
    EXPECT_EQ(grid.SideMarks()[std::size_t(n)].Node, nodes[std::size_t(n)]);
    EXPECT_EQ(grid.SideMarks()[std::size_t(n)].HalfWidth, 1);
    EXPECT_EQ(grid.SideMarks()[std::size_t(n)].HalfHeight, 1.5f);
  }
  EXPECT_EQ(grid.SideRanges()[gsUp].First, 0);
  EXPECT_EQ(grid.SideRanges()[gsUp].End, 1);
  EXPECT_EQ(grid.SideRanges()[gsLeft].First, 1);
  EXPECT_EQ(grid.SideRanges()[gsDown].First, 2);
  EXPECT_EQ(grid.SideRanges()[gsRight].First, 3);
  EXPECT_EQ(grid.SideRanges()[gsRight].End, 4);
}

TEST(GridWithoutActiveCells, HasEmptyIndexArraysAndUnitScale) {
  GridInput in = unitGrid(4, 5);
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.OutlineIndexCount(), 0);
  EXPECT_EQ(grid.FillIndexCount(), 0);
  EXPECT_EQ(grid.EdgeIndexCount(), 0);
  EXPECT_EQ(grid.SideMarkCount(), 0);
  EXPECT_EQ(grid.CellScale(), 1);
  EXPECT_EQ(grid.Vertices().size(), 80u);
}

// Segments of the edge array as unordered node pairs.
std::set<std::pair<std::uint32_t, std::uint32_t>> edgeSegments(const TGrid& grid) {
  std::set<std::pair<std::uint32_t, std::uint32_t>> segments;
  const Indices& e = grid.EdgeIndices();
  for (std::size_t n = 0; n + 1 < e.size(); n += 2)
    segments.insert({std::min(e[n], e[n + 1]), std::max(e[n], e[n + 1])});
  return segments;
}

TEST(GridMaterialEdges, MaterialChangeBetweenNeighboursGivesEastAndWestEdge) {
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
  EXPECT_EQ(edgeSegments(grid).count({3, 4}), 1u);

  in.at(2, 1) = 1;
  in.x[0] = 0;
  in.build(grid);
  EXPECT_EQ(edgeSegments(grid).count({3, 4}), 0u) << "equal materials share no edge";
  EXPECT_EQ(grid.EdgeIndexCount(), 12);
}

TEST(GridBorderCells, CellsWithoutAreaAreNeverActive) {
  GridInput in = unitGrid(3, 3);
  in.cells.assign(9, 1);
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{4, 5, 7, 8}));
  for (std::uint32_t index : grid.OutlineIndices()) EXPECT_LT(index, 9u);
  // Inactive column 0 and row 0 lie next to the active block.
  EXPECT_EQ(grid.SideLists()[gsRight], (Ints{1, 2}));
  EXPECT_EQ(grid.SideLists()[gsUp], (Ints{3, 6}));
}

TEST(GridBorderCells, SidesInTheTopRowAndLastColumnAreFound) {
  // Active cell (1, 2) lies in the top row; its inactive neighbours (0, 2)
  // and (2, 2) lie in the top row too.
  GridInput in = unitGrid(3, 3);
  in.at(1, 2) = 1;
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.SideLists()[gsRight], (Ints{2}));
  EXPECT_EQ(grid.SideLists()[gsLeft], (Ints{5}));
  EXPECT_EQ(grid.SideLists()[gsUp], (Ints{4}));
  EXPECT_TRUE(grid.SideLists()[gsDown].empty()) << "the grid border is no side";
  for (const TSideMark& mark : grid.SideMarks()) EXPECT_LT(mark.Node, 9);
}

TEST(GridBorderCells, ShortOrNegativeMaterialTableCountsAsInactive) {
  GridInput in = unitGrid(3, 3);
  in.cells = {0, 0, 0, 0, -4, 1};  // cell 4 negative, cells 6 .. 8 missing
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells(), (Ints{5}));
  in.cells.clear();  // a file without a material table
  in.build(grid);
  EXPECT_TRUE(grid.ActiveCells().empty());
  EXPECT_EQ(grid.Vertices().size(), 36u);
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

TEST(GridRebuild, StartsFromScratchAndKeepsTheArrow) {
  GridInput first = unitGrid(3, 3);
  first.at(1, 1) = 1;
  TGrid grid;
  first.build(grid);
  GridInput second = unitGrid(2, 2);
  second.build(grid);
  EXPECT_TRUE(grid.ActiveCells().empty());
  EXPECT_TRUE(grid.SideLists()[gsUp].empty());
  EXPECT_TRUE(grid.CornerLists()[0].empty());
  EXPECT_EQ(grid.Vertices().size(), 16u);
  EXPECT_EQ(grid.ArrowPoints()[0].X, 1);
  EXPECT_EQ(grid.ArrowTriangles()[14], 8u);
}

}  // namespace

namespace {

TEST(GridWithoutActiveCells, ActiveCellsWithoutAreaKeepUnitScale) {
  GridInput in{{0, 1, 1}, {0, 1, 2}, std::vector<std::int16_t>(9, 0)};
  in.at(2, 1) = 1;  // x[2] = x[1]: the only active cell has no width
  TGrid grid;
  in.build(grid);
  EXPECT_EQ(grid.ActiveCells().size(), 1u);
  EXPECT_EQ(grid.CellScale(), 1);
}

}  // namespace
