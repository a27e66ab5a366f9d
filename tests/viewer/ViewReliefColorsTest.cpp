#include "base/Colors.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Colour bytes of vertex `v` as a 0x00BBGGRR value.
base::TColor ColourAt(const ViewModel& m, int v) {
  const auto& c = m.Colors();
  return base::RGB(c[std::size_t(v) * 3], c[std::size_t(v) * 3 + 1], c[std::size_t(v) * 3 + 2]);
}

struct Relief {
  const ViewModel& m;
  const TGrid& g;
  float C(int c) const { return m.Vertices()[std::size_t(g.CentreBase() + c)].Z; }
  float U(int c) const { return m.Vertices()[std::size_t(g.XMidBase() + c)].Z; }
  float R(int c) const { return m.Vertices()[std::size_t(g.YMidBase() + c)].Z; }
  float K(int c) const { return m.Vertices()[std::size_t(c)].Z; }
};

}  // namespace

// 3 x 3 nodes, unit cells, only cell 4 (i = 1, j = 1) active; value of cell k
// is 10 k. Traced by hand through the eleven steps.
TEST(ViewReliefHeights, SingleActiveCellTakesCornerMeans) {
  std::vector<std::int16_t> materials(9, 0);
  materials[4] = 1;
  ViewTestHost host(3, 3, materials);
  host.SetRange(dkWatercontent, 0, 80);
  auto& v = host.ValuesOf(dkWatercontent);
  for (int k = 0; k < 9; ++k) v[std::size_t(k)] = 10.0f * float(k);
  ColorLegendModel legend;
  ViewModel model(host, dkWatercontent, legend);
  model.PrepareForPaint();
  const Relief r{model, host.TheGrid()};

  EXPECT_FLOAT_EQ(r.K(0), 40);  // corner list 0: the active cell's value
  EXPECT_FLOAT_EQ(r.K(1), 40);  // right side: between C(4) and C(5) = 40
  EXPECT_FLOAT_EQ(r.R(1), 40);
  EXPECT_FLOAT_EQ(r.U(3), 40);  // up side
  EXPECT_FLOAT_EQ(r.K(3), 20);  // 0.5 * C(4) + 0.5 * C(7) before C(7) is set
  EXPECT_FLOAT_EQ(r.K(4), 20);  // down side: 0.5 * C(4) + 0.5 * C(7)
  EXPECT_FLOAT_EQ(r.R(4), 40);
  EXPECT_FLOAT_EQ(r.U(4), 40);
  EXPECT_FLOAT_EQ(r.C(3), 30);  // inactive neighbours keep their own values
  EXPECT_FLOAT_EQ(r.C(1), 10);
  EXPECT_FLOAT_EQ(r.C(5), 50);
  EXPECT_FLOAT_EQ(r.C(7), 70);
  EXPECT_FLOAT_EQ(r.C(4), 30);  // (K4 + K3 + K1 + K0) / 4 = (20 + 20 + 40 + 40) / 4

  // Each coloured height carries the legend's interpolated colour.
  const TGrid& g = host.TheGrid();
  EXPECT_EQ(ColourAt(model, 0), legend.ValueToInterpolatedColor(40));
  EXPECT_EQ(ColourAt(model, 3), legend.ValueToInterpolatedColor(20));
  EXPECT_EQ(ColourAt(model, g.CentreBase() + 4), legend.ValueToInterpolatedColor(30));
  EXPECT_EQ(ColourAt(model, g.CentreBase() + 7), legend.ValueToInterpolatedColor(70));
  EXPECT_NE(ColourAt(model, g.CentreBase() + 4), ColourAt(model, g.CentreBase() + 7));
}

TEST(ViewReliefHeights, ConstantFieldGivesAFlatReliefOfThatHeight) {
  ViewTestHost host(6, 5, ViewTestHost::AllActive(6, 5));
  host.SetRange(dkTemperature, -20, 20);
  auto& v = host.ValuesOf(dkTemperature);
  std::fill(v.begin(), v.end(), 7.5f);
  ColorLegendModel legend;
  ViewModel model(host, dkTemperature, legend);
  model.PrepareForPaint();
  const TGrid& g = host.TheGrid();
  const base::TColor expected = legend.ValueToInterpolatedColor(7.5);
  // Every vertex of the fill triangles lies at 7.5 in the colour of 7.5.
  for (const std::uint32_t index : g.FillIndices()) {
    ASSERT_FLOAT_EQ(model.Vertices()[index].Z, 7.5f) << "vertex " << index;
    ASSERT_EQ(ColourAt(model, int(index)), expected) << "vertex " << index;
  }
}

TEST(ViewReliefHeights, RecomputesOnlyWhenDirty) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  host.SetRange(dkTemperature, 0, 10);
  auto& v = host.ValuesOf(dkTemperature);
  std::fill(v.begin(), v.end(), 2.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkTemperature, legend);
  model.PrepareForPaint();
  const int centre = host.TheGrid().CentreBase() + 5;
  EXPECT_FLOAT_EQ(model.Vertices()[std::size_t(centre)].Z, 2.0f);
  std::fill(v.begin(), v.end(), 6.0f);  // a new step in the buffer
  model.PrepareForPaint();              // a rotation repaint: nothing recomputed
  EXPECT_FLOAT_EQ(model.Vertices()[std::size_t(centre)].Z, 2.0f);
  model.SetDirty();
  model.PrepareForPaint();
  EXPECT_FLOAT_EQ(model.Vertices()[std::size_t(centre)].Z, 6.0f);
  EXPECT_FALSE(model.Dirty());
}

TEST(ViewReliefHeights, ArrowViewsComputeNoRelief) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  auto& v = host.ValuesOf(dkHeatFlux);
  std::fill(v.begin(), v.end(), 3.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkHeatFlux, legend);
  model.PrepareForPaint();
  for (const TGridVertex& vertex : model.Vertices()) ASSERT_FLOAT_EQ(vertex.Z, 0.0f);
}

// Active cells in the last column and row: their right and upper neighbours
// lie beyond the grid. Heights must come from the cells themselves and no
// write may land in the next vertex section.
TEST(ViewReliefHeights, CellsOfTheLastColumnAndRowReadThemselves) {
  std::vector<std::int16_t> materials(9, 0);
  for (int k : {4, 5, 7, 8}) materials[std::size_t(k)] = 1;
  ViewTestHost host(3, 3, materials);
  host.SetRange(dkWatercontent, 0, 100);
  auto& v = host.ValuesOf(dkWatercontent);
  for (int k = 0; k < 9; ++k) v[std::size_t(k)] = 10.0f + float(k);
  ColorLegendModel legend;
  ViewModel model(host, dkWatercontent, legend);
  model.PrepareForPaint();
  const Relief r{model, host.TheGrid()};
  for (const TGridVertex& vertex : model.Vertices()) {
    ASSERT_TRUE(std::isfinite(vertex.Z));
    ASSERT_TRUE(vertex.Z == 0.0f || (vertex.Z >= 10.0f && vertex.Z <= 18.0f)) << vertex.Z;
  }
  // x mid-point 1 belongs to no active cell; a centre written one column
  // beyond the last would land exactly there.
  EXPECT_FLOAT_EQ(r.U(1), 0.0f);
  EXPECT_FLOAT_EQ(r.U(2), 0.0f);
  // The top-right node takes the corner cell's own value.
  EXPECT_FLOAT_EQ(r.K(8), 18.0f);
}

TEST(ViewReliefHeights, ValuesThatAreNoNumberDrawAsTheLowestClass) {
  ViewTestHost host(5, 5, ViewTestHost::AllActive(5, 5));
  host.SetRange(dkTemperature, -20, 20);
  auto& v = host.ValuesOf(dkTemperature);
  std::fill(v.begin(), v.end(), 5.0f);
  v[6] = std::numeric_limits<float>::quiet_NaN();
  v[12] = std::numeric_limits<float>::infinity();
  v[18] = -std::numeric_limits<float>::infinity();
  ColorLegendModel legend;
  ViewModel model(host, dkTemperature, legend);
  model.PrepareForPaint();
  for (const TGridVertex& vertex : model.Vertices()) ASSERT_TRUE(std::isfinite(vertex.Z));
  model.SetShadeModel(ViewModel::glFlat);
  const auto& flat = model.FlatColors();
  for (int cell : {6, 12, 18}) {
    const std::size_t node = std::size_t(cell - 1) * 3;
    EXPECT_EQ(base::RGB(flat[node], flat[node + 1], flat[node + 2]), legend.GetBoxColor(1))
        << "cell " << cell;
  }
  const std::size_t normal = std::size_t(7 - 1) * 3;
  EXPECT_EQ(base::RGB(flat[normal], flat[normal + 1], flat[normal + 2]),
            legend.ValueToClassColor(5.0));
}

TEST(ViewFlatRelief, OneQuadPerActiveCellColouredAtItsLastCorner) {
  std::vector<std::int16_t> materials(16, 0);
  materials[5] = materials[10] = 1;
  ViewTestHost host(4, 4, materials);
  ColorLegendModel legend;
  ViewModel model(host, dkWatercontent, legend);
  EXPECT_EQ(model.FlatQuads(), (std::vector<std::uint32_t>{5, 1, 0, 4, 10, 6, 5, 9}));
}
