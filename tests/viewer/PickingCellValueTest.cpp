// The cell under a grid point and the value read there, with the search for
// the boundary cell next to the material.
#include "viewer/CellPicker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 8 x 7 nodes of unit cells; material in columns 3..4 of rows 2..4.
constexpr int Nx = 8, Ny = 7;

struct Grid {
  std::vector<float> x, y;
  std::vector<std::int16_t> materials;
  std::vector<float> values;
  Grid() {
    for (int i = 0; i < Nx; ++i) x.push_back(float(i));
    for (int j = 0; j < Ny; ++j) y.push_back(float(j));
    materials.assign(Nx * Ny, 0);
    values.resize(Nx * Ny);
    for (int i = 0; i < Nx; ++i)
      for (int j = 0; j < Ny; ++j) {
        values[std::size_t(i * Ny + j)] = float(10 * i + j);
        if (i >= 3 && i <= 4 && j >= 2 && j <= 4) materials[std::size_t(i * Ny + j)] = 1;
      }
  }
  CellLookup lookup() const { return {x, y, materials, values.data(), 1}; }
};

// Centre of cell (i, j) in grid coordinates.
double mid(int i) {
  return i - 0.5;
}

TEST(PickingCellValue, InsideMaterialReadsTheCellItself) {
  const Grid g;
  const auto r = CellValueAt(g.lookup(), mid(4), mid(3));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->I, 4);
  EXPECT_EQ(r->J, 3);
  EXPECT_EQ(r->Material, 1);
  EXPECT_EQ(r->Value, 43.0f);
}

TEST(PickingCellValue, BoundaryCellLeftOfTheMaterialReadsItsOwnValue) {
  const Grid g;
  const auto r = CellValueAt(g.lookup(), mid(2), mid(3));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->I, 2);
  EXPECT_EQ(r->J, 3);
  EXPECT_EQ(r->Material, 0);
  EXPECT_EQ(r->Value, 23.0f);
}

TEST(PickingCellValue, TwoCellsOutsideReadTheBoundaryCellNextToTheMaterial) {
  const Grid g;
  // Two left of the material: the boundary cell in column 2.
  auto r = CellValueAt(g.lookup(), mid(1), mid(3));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->I, 2);
  EXPECT_EQ(r->Value, 23.0f);
  EXPECT_EQ(r->Material, 0);
  // Two right of the material: the boundary cell in column 5.
  r = CellValueAt(g.lookup(), mid(6), mid(2));
  EXPECT_EQ(r->I, 5);
  EXPECT_EQ(r->J, 2);
  // Two above the material, then along the column of the shown cell.
  r = CellValueAt(g.lookup(), mid(3), mid(6));
  EXPECT_EQ(r->I, 3);
  EXPECT_EQ(r->J, 5);
  EXPECT_EQ(r->Value, 35.0f);
}

TEST(PickingCellValue, FarFromMaterialReadsTheCellItself) {
  const Grid g;
  const auto r = CellValueAt(g.lookup(), mid(7), mid(6));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->I, 7);
  EXPECT_EQ(r->J, 6);
  EXPECT_EQ(r->Value, 76.0f);
}

TEST(PickingCellValue, NodeLinesBelongToTheLowerCellAndTheGridClamps) {
  const Grid g;
  auto c = CellAt(g.lookup(), 3.0, 2.0);
  EXPECT_EQ(c->I, 3);
  EXPECT_EQ(c->J, 2);
  c = CellAt(g.lookup(), 99.0, 99.0);
  EXPECT_EQ(c->I, Nx - 1);
  EXPECT_EQ(c->J, Ny - 1);
  c = CellAt(g.lookup(), -5.0, -5.0);
  EXPECT_EQ(c->I, 0);
  EXPECT_EQ(c->J, 0);
  const auto r = CellValueAt(g.lookup(), 99.0, 99.0);
  EXPECT_EQ(r->Value, 76.0f);
}

TEST(PickingCellValue, MissingDataGivesNoReadingInsteadOfAFault) {
  Grid g;
  CellLookup empty;
  EXPECT_FALSE(CellValueAt(empty, 1, 1));
  EXPECT_FALSE(CellAt(empty, 1, 1));

  CellLookup noValues = g.lookup();
  noValues.Values = nullptr;
  const auto r = CellValueAt(noValues, mid(4), mid(3));
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->Value);
  EXPECT_EQ(CellValueText(*r, QStringLiteral("%4.4g [°C]")), QString());

  // A short material table counts the missing cells as without material.
  CellLookup shortTable = g.lookup();
  shortTable.Materials = std::span<const std::int16_t>(g.materials).first(3 * Ny);
  EXPECT_EQ(CellValueAt(shortTable, mid(4), mid(3))->Material, 0);
  EXPECT_EQ(shortTable.MaterialOf(-1, 2), 0);
}

TEST(PickingCellValue, MaterialNumbersMapToExistingRecordsOnly) {
  Grid g;
  CellLookup lookup = g.lookup();
  lookup.MaterialRecords = 2;
  EXPECT_EQ(lookup.RecordOf(1), 0);
  EXPECT_EQ(lookup.RecordOf(2), 1);
  EXPECT_FALSE(lookup.RecordOf(3));
  EXPECT_FALSE(lookup.RecordOf(0));
  EXPECT_FALSE(lookup.RecordOf(-4));
  lookup.MaterialRecords = 0;  // a file without records
  EXPECT_FALSE(lookup.RecordOf(1));
}

}  // namespace
