// The cell under a grid point and the value read there, with the search for
// the boundary cell next to the material.
#include "viewer/view/CellPicker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 8 x 7 nodes of unit cells; material in columns 3..4 of rows 2..4; the
// value of cell (i, j) is 10 i + j.
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

TEST(PickingCellValue, OutsideTheMaterialTheBoundaryCellNextToItIsRead) {
  const Grid g;
  const struct {
    double x, y;
    int i, j, material;
  } table[] = {
      {3.5, 2.5, 4, 3, 1},    // inside the material: the cell itself
      {1.5, 2.5, 2, 3, 0},    // the boundary cell left of the material
      {0.5, 2.5, 2, 3, 0},    // two left: the boundary cell in column 2
      {5.5, 1.5, 5, 2, 0},    // two right: the boundary cell in column 5
      {2.5, 5.5, 3, 5, 0},    // two above, along the column of the shown cell
      {6.5, 5.5, 7, 6, 0},    // far from the material: the cell itself
      {99.0, 99.0, 7, 6, 0},  // the grid clamps
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
    const auto r = CellValueAt(g.lookup(), row.x, row.y);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->I, row.i);
    EXPECT_EQ(r->J, row.j);
    EXPECT_EQ(r->Material, row.material);
    EXPECT_EQ(r->Value, float(10 * row.i + row.j));
  }
  const auto c = CellAt(g.lookup(), 3.0, 2.0);  // node lines belong to the lower cell
  EXPECT_EQ(c->I, 3);
  EXPECT_EQ(c->J, 2);
  EXPECT_EQ(CellAt(g.lookup(), -5.0, -5.0)->I, 0);
}

TEST(PickingCellValue, MissingDataGivesNoReadingInsteadOfAFault) {
  Grid g;
  EXPECT_FALSE(CellValueAt(CellLookup{}, 1, 1));
  CellLookup lookup = g.lookup();
  lookup.Values = nullptr;
  // A short material table counts the missing cells as without material.
  lookup.Materials = std::span<const std::int16_t>(g.materials).first(3 * Ny);
  const auto r = CellValueAt(lookup, 3.5, 2.5);
  EXPECT_EQ(r->Material, 0);
  EXPECT_EQ(CellValueText(*r, QStringLiteral("%4.4g")), QString());
}

}  // namespace
