// What a view model makes of a field for drawing: relief, back faces, markers.
#include "base/Colors.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/BoundaryMarkers.h"
#include "viewer/view/ReliefFacing.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

// Colour bytes of vertex `v` as a 0x00BBGGRR value.
base::TColor ColourAt(const std::vector<std::uint8_t>& c, std::size_t v) {
  return base::RGB(c[v * 3], c[v * 3 + 1], c[v * 3 + 2]);
}

std::vector<std::int16_t> Cells(int count, std::initializer_list<int> active) {
  std::vector<std::int16_t> m(std::size_t(count), 0);
  for (int k : active) m[std::size_t(k)] = 1;
  return m;
}

// A temperature view over unit cells, cell k holding value(k), range [0, max].
struct Relief {
  ViewTestHost host;
  ColorLegendModel legend;
  ViewModel model;
  Relief(int nx, int ny, std::vector<std::int16_t> cells, float max,
         const std::function<float(int)>& value)
      : host(nx, ny, std::move(cells)), model(Fill(host, max, value), dkTemperature, legend) {
    model.PrepareForPaint();
  }
  static ViewTestHost& Fill(ViewTestHost& host, float max, const std::function<float(int)>& f) {
    host.SetRange(dkTemperature, 0, max);
    auto& v = host.ValuesOf(dkTemperature);
    for (std::size_t k = 0; k < v.size(); ++k) v[k] = f(int(k));
    return host;
  }
  const TGrid& g() const { return host.TheGrid(); }
  float C(int c) const { return model.Vertices()[std::size_t(g().CentreBase() + c)].Z; }
  float U(int c) const { return model.Vertices()[std::size_t(g().XMidBase() + c)].Z; }
  float R(int c) const { return model.Vertices()[std::size_t(g().YMidBase() + c)].Z; }
  float K(int c) const { return model.Vertices()[std::size_t(c)].Z; }
};

// Column-major linear part: eye = Rx(degrees) * diag(1, 1, scaleZ) * p.
std::vector<float> TiltedMatrix(float degrees, float scaleZ) {
  const float r = degrees * float(std::numbers::pi) / 180.0f;
  const float c = std::cos(r), s = std::sin(r);
  return {1, 0, 0, 0, 0, c, s, 0, 0, -s * scaleZ, c * scaleZ, 0, 0, 0, 0, 1};
}

// Back faces by the projected area of each triangle, the way GL decides.
std::vector<std::uint32_t> BruteForce(const std::vector<float>& m,
                                      const std::vector<TGridVertex>& v,
                                      std::span<const std::uint32_t> tris) {
  auto project = [&m](const TGridVertex& p) {
    return std::pair{m[0] * p.X + m[4] * p.Y + m[8] * p.Z, m[1] * p.X + m[5] * p.Y + m[9] * p.Z};
  };
  std::vector<std::uint32_t> out;
  for (std::size_t f = 0; f + 3 <= tris.size(); f += 3) {
    const auto [ax, ay] = project(v[tris[f]]);
    const auto [bx, by] = project(v[tris[f + 1]]);
    const auto [cx, cy] = project(v[tris[f + 2]]);
    if ((bx - ax) * (cy - ay) - (by - ay) * (cx - ax) < 0)
      out.insert(out.end(), tris.begin() + std::ptrdiff_t(f), tris.begin() + std::ptrdiff_t(f + 3));
  }
  return out;
}

}  // namespace

// Only cell 4 (i = 1, j = 1) active, cell k holding 10 k; traced by hand.
TEST(ViewReliefHeights, SingleActiveCellTakesCornerMeans) {
  const Relief r(3, 3, Cells(9, {4}), 80, [](int k) { return 10.0f * float(k); });
  EXPECT_FLOAT_EQ(r.K(0), 40);  // corner list 0: the active cell's value
  EXPECT_FLOAT_EQ(r.K(1), 40);  // right side: between C(4) and C(5) = 40
  EXPECT_FLOAT_EQ(r.R(1), 40);
  EXPECT_FLOAT_EQ(r.U(3), 40);  // up side
  EXPECT_FLOAT_EQ(r.K(3), 20);  // 0.5 * C(4) + 0.5 * C(7) before C(7) is set
  EXPECT_FLOAT_EQ(r.K(4), 20);  // down side: 0.5 * C(4) + 0.5 * C(7)
  EXPECT_FLOAT_EQ(r.C(3), 30);  // inactive neighbours keep their own values
  EXPECT_FLOAT_EQ(r.C(7), 70);
  EXPECT_FLOAT_EQ(r.C(4), 30);  // (K4 + K3 + K1 + K0) / 4 = (20 + 20 + 40 + 40) / 4

  // Each height carries the legend's interpolated colour.
  const auto& c = r.model.Colors();
  const std::size_t centre = std::size_t(r.g().CentreBase());
  for (std::size_t v : {std::size_t(0), std::size_t(3), centre + 4, centre + 7})
    EXPECT_EQ(ColourAt(c, v), r.legend.ValueToInterpolatedColor(r.model.Vertices()[v].Z)) << v;
  EXPECT_NE(ColourAt(c, centre + 4), ColourAt(c, centre + 7));
}

// The right and upper neighbours of the last column and row lie beyond the
// grid: heights come from the cells themselves, no write lands elsewhere.
TEST(ViewReliefHeights, CellsOfTheLastColumnAndRowReadThemselves) {
  const Relief r(3, 3, Cells(9, {4, 5, 7, 8}), 100, [](int k) { return 10.0f + float(k); });
  for (const TGridVertex& vertex : r.model.Vertices())
    ASSERT_TRUE(vertex.Z == 0.0f || (vertex.Z >= 10.0f && vertex.Z <= 18.0f)) << vertex.Z;
  // x mid-points 1 and 2 belong to no active cell; a centre written one
  // column beyond the last would land there.
  for (int c : {1, 2}) EXPECT_FLOAT_EQ(r.U(c), 0.0f);
  EXPECT_FLOAT_EQ(r.K(8), 18.0f);  // the top-right node: the corner cell's own value
}

TEST(ViewReliefHeights, ValuesThatAreNoNumberDrawAsTheLowestClass) {
  Relief r(3, 3, Cells(9, {4, 5}), 10, [](int) { return 5.0f; });
  r.model.SetShadeModel(ViewModel::glFlat);
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity()}) {
    SCOPED_TRACE(bad);
    r.host.ValuesOf(dkTemperature)[4] = bad;
    r.model.SetDirty();
    r.model.PrepareForPaint();
    for (const TGridVertex& vertex : r.model.Vertices()) ASSERT_TRUE(std::isfinite(vertex.Z));
    // A cell's flat colour sits at its last corner, node cell - 1.
    EXPECT_EQ(ColourAt(r.model.FlatColors(), 3), r.legend.GetBoxColor(1));
    EXPECT_EQ(ColourAt(r.model.FlatColors(), 4), r.legend.ValueToClassColor(5.0));
  }
}

// Stored slopes must find exactly the triangles that GL culls as back faces.
TEST(ViewReliefFacing, SteepReliefShowsItsBackFacesOnlyWhenTilted) {
  const int n = 12;
  Relief r(n, n, ViewTestHost::AllActive(n, n), 50, [](int k) { return k % 2 ? -40.0f : 40.0f; });
  const auto& fill = r.g().FillIndices();
  const std::span<const std::uint32_t> tris(fill.data(), fill.size());
  ReliefFacing facing;
  facing.Update(r.model.Vertices(), tris, 3);
  EXPECT_FALSE(facing.MayHaveBackFaces(TiltedMatrix(0, 1).data()));
  const std::vector<float> tilted = TiltedMatrix(-60, 1);
  ASSERT_TRUE(facing.MayHaveBackFaces(tilted.data()));
  std::vector<std::uint32_t> back;
  facing.CollectBackFaces(tilted.data(), tris, back);
  EXPECT_FALSE(back.empty());
  EXPECT_EQ(back, BruteForce(tilted, r.model.Vertices(), tris));
  // Squashed heights: the same tilt no longer shows any polygon from behind.
  EXPECT_FALSE(facing.MayHaveBackFaces(TiltedMatrix(-60, 0.001f).data()));
}

TEST(ViewBoundaryMarkers, OneMarkerPerSideMarkOfTheChosenSidesBelowTheRegionAtTheCellHeight) {
  // 6 x 5 nodes; cells 1..4 x 1..3 active at 4 degrees, the last column and row not.
  const Relief r(6, 5, Cells(30, {6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23}), 10,
                 [](int) { return 4.0f; });
  const TGrid& grid = r.g();
  const ViewModel& m = r.model;
  auto marks = [&grid](TGridSide side) {
    return grid.SideRanges()[side].End - grid.SideRanges()[side].First;
  };
  ASSERT_GT(grid.SideMarkCount(), 0);
  BoundaryMarkers markers;
  for (const auto& [sides, count] : {std::pair{15, grid.SideMarkCount()},
                                     {4, marks(gsUp)},
                                     {8 | 1, marks(gsLeft) + marks(gsDown)},
                                     {0, 0}}) {
    markers.Build(grid, m.Vertices(), m.Colors(), false, m.ColorScale(), sides);
    EXPECT_EQ(markers.Count(), count) << "sides " << sides;
    EXPECT_EQ(markers.FillVertices().size(), std::size_t(count) * 14 * 3 * 3);     // 14 triangles
    EXPECT_EQ(markers.OutlineVertices().size(), std::size_t(count) * 26 * 2 * 3);  // 26 edges
  }

  // Bottom markers, flat shading: below y = 0, where the region starts, within
  // the marker's thickness around the height 4, in its class colour.
  markers.Build(grid, m.Vertices(), m.Colors(), true, m.ColorScale(), 4);
  const auto& p = markers.FillVertices();
  ASSERT_FALSE(p.empty());
  for (std::size_t k = 0; k < p.size(); k += 3) {
    ASSERT_LE(p[k + 1], 0.0f);
    ASSERT_NEAR(p[k + 2], 4.0f, 0.0251f);
  }
  EXPECT_EQ(ColourAt(markers.FillColors(), 0), m.ColorScale().ClassColor(4.0));
}
