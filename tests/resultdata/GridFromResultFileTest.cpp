// The grid of a file as the project builds it: straight from the reader's
// arrays, moving the reader's own origin.
#include "ResultFileSamples.h"

#include "resultdata/TGrid.h"
#include "resultdata/TResultFile.h"

#include <gtest/gtest.h>

namespace {

TEST(GridFromResultFile, BuildsFromTheReadersArraysAndMovesItsOrigin) {
  samples::TempFiles files;
  samples::ResultFileSpec spec = samples::richSpec(2, samples::Framing::Plain);
  spec.x[0] = -0.25f;
  spec.y[0] = 0.125f;
  TResultFile reader(files.write(QStringLiteral("grid.vq3"), spec));
  TGrid grid;
  grid.Build(reader.Nx(), reader.Ny(), reader.CellMaterials(), reader.Y(), reader.X());
  EXPECT_EQ(reader.X()[0], 0.0f);
  EXPECT_EQ(reader.Y()[0], 0.0f);
  EXPECT_EQ(grid.DX()[1], 0.5f);
  EXPECT_EQ(grid.DY()[1], 0.25f);
  EXPECT_EQ(grid.Width(), 3.0f);
  EXPECT_EQ(grid.ActiveCells(), (std::vector<std::int32_t>{4, 5, 7, 8, 10, 11}));
  EXPECT_EQ(grid.Vertices().size(), 4u * 12u);
}

}  // namespace
