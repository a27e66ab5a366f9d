// What a view model makes of a field for drawing: relief, back faces, markers.
#include "base/Colors.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/BoundaryMarkers.h"
#include "viewer/view/ReliefFacing.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <tuple>

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

// Cells i0..i1 x j0..j1 of an nx x ny grid active, except the holes.
std::vector<std::int16_t> Block(int nx, int ny, std::initializer_list<std::pair<int, int>> holes,
                                int i0, int i1, int j0, int j1) {
  std::vector<std::int16_t> m(std::size_t(nx * ny), 0);
  for (int i = i0; i <= i1; ++i)
    for (int j = j0; j <= j1; ++j) m[std::size_t(i * ny + j)] = 1;
  for (const auto& [i, j] : holes) m[std::size_t(i * ny + j)] = 0;
  return m;
}

// A temperature view, cell k holding value(k), range [0, max]; over unit
// cells or over the grid lines x and y.
struct Relief {
  ViewTestHost host;
  ColorLegendModel legend;
  ViewModel model;
  Relief(int nx, int ny, std::vector<std::int16_t> cells, float max,
         const std::function<float(int)>& value)
      : host(nx, ny, std::move(cells)), model(Fill(host, max, value), dkTemperature, legend) {
    model.PrepareForPaint();
  }
  Relief(std::vector<float> x, std::vector<float> y, std::vector<std::int16_t> cells, float max,
         const std::function<float(int)>& value)
      : host(std::move(x), std::move(y), std::move(cells)),
        model(Fill(host, max, value), dkTemperature, legend) {
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

// Column widths 1, 2, 3, 1, 2, 1 and row heights 1, 1, 2, 4, 1, 1; cells
// 2..5 x 2..5 active around a hole of two cells, (3, 3) and (4, 3); cell
// (i, j) holds 10 i + j. The weights are WX = 1, 2/3, 0.6, 0.25, 2/3, 1/3, 0
// and WY = 1, 0.5, 2/3, 2/3, 0.2, 0.5, 0, so a weight taken as 1 - w, or from
// the neighbouring column or row, changes every height below. The heights
// were worked out by hand from the rules, step by step.
TEST(ViewReliefHeights, UnequalCellsWeighEdgesAndCornersByCellSize) {
  constexpr int ny = 7;
  const Relief r({0, 1, 3, 6, 7, 9, 10}, {0, 1, 2, 4, 8, 9, 10},
                 Block(7, ny, {{3, 3}, {4, 3}}, 2, 5, 2, 5), 70,
                 [](int k) { return float(10 * (k / ny) + k % ny); });
  enum Section { C, U, R, K };
  const struct {
    Section section;
    int i, j;
    float height;
    const char* rule;
  } table[] = {
      {K, 1, 1, 22, "outer corner below left: V(2, 2)"},
      {R, 1, 3, 23, "left side: C(2, 3)"},
      {K, 1, 3, 23.0f + 1.0f / 3, "left side: 2/3 C(2, 3) + 1/3 C(2, 4)"},
      {U, 3, 1, 32, "lower side: C(3, 2)"},
      {K, 3, 1, 39.5f, "lower side: 0.25 C(3, 2) + 0.75 C(4, 2)"},
      {U, 2, 4, 24.8f, "inside: 0.8 C(2, 5) + 0.2 C(2, 4)"},
      {R, 2, 4, 28, "inside: 0.4 C(3, 4) + 0.6 C(2, 4)"},
      {K, 2, 4, 28.8f, "inside: 0.8 (0.6 C(2, 5) + 0.4 C(3, 5)) + 0.2 R(2, 4)"},
      {R, 5, 3, 53, "right side: C(5, 3)"},
      {K, 5, 3, 53.0f + 1.0f / 3, "right side: 2/3 C(5, 3) + 1/3 C(5, 4)"},
      {U, 3, 5, 35, "upper side: C(3, 5)"},
      {K, 3, 5, 42.5f, "upper side: 0.25 C(3, 5) + 0.75 C(4, 5)"},
      {K, 3, 3, 41.5f, "below the hole's top: 0.25 C(3, 4) + 0.75 C(4, 4)"},
      {C, 3, 3, 33, "the hole keeps its own value"},
      {K, 2, 2, (2.0f / 3 * 26 + 0.6f * (22 + 1.0f / 3)) / (2.0f / 3 + 0.6f),
       "inner corner 7: (WY2 R(2, 2) + WX2 U(2, 2)) / (WY2 + WX2)"},
      {K, 4, 2, 2.0f / 3 * (45 + 1.0f / 3) + 1.0f / 3 * (52 + 1.0f / 3),
       "inner corner 6: (WY2 R(4, 2) + WX5 U(5, 2)) / (WY2 + WX5)"},
      {K, 2, 3, (0.2f * 28 + 0.6f * (23 + 1.0f / 3)) / 0.8f,
       "inner corner 5: (WY4 R(2, 4) + WX2 U(2, 3)) / (WY4 + WX2)"},
      {K, 4, 3, (0.2f * (47 + 1.0f / 3) + (53 + 1.0f / 3) / 3) / (0.2f + 1.0f / 3),
       "inner corner 4: (WY4 R(4, 4) + WX5 U(5, 3)) / (WY4 + WX5)"},
      {C, 3, 4, (42.3f + 41.5f + 28.8f + 24.5f) / 4, "centre: mean of its four corners"},
      {C, 2, 2, (24.263158f + 22) / 2, "beside inner corner 7: (K(2, 2) + K(1, 1)) / 2"},
      {C, 5, 2, (52 + 47.666667f) / 2, "beside inner corner 6: (K(5, 1) + K(4, 2)) / 2"},
      {C, 2, 4, (24.5f + 24.8f) / 2, "beside inner corner 5: (K(2, 3) + K(1, 4)) / 2"},
      {C, 5, 4, (54.8f + 51.083333f) / 2, "beside inner corner 4: (K(5, 4) + K(4, 3)) / 2"},
  };
  const TGrid& g = r.g();
  const std::int32_t base[] = {g.CentreBase(), g.XMidBase(), g.YMidBase(), 0};
  for (const auto& row : table) {
    SCOPED_TRACE(row.rule);
    const std::size_t v = std::size_t(base[row.section] + row.i * ny + row.j);
    const float z = r.model.Vertices()[v].Z;
    EXPECT_NEAR(z, row.height, 1e-4);
    // Each of these heights carries the legend's colour of that height.
    EXPECT_EQ(ColourAt(r.model.Colors(), v), r.legend.ValueToInterpolatedColor(z));
  }
}

// 5 x 5 lines; column widths 1, 2, 3, 1 and row heights 2, 1, 4, 1; the
// active block is cells 2..3 x 2..3, cell (i, j) holding 10 i + j. Each
// marker covers the column (or row) of the cell it marks, half that cell's
// size outside the region, at the height of the cell it stands on.
TEST(ViewBoundaryMarkers, EachSideMarksItsCellsOutsideTheRegionAtTheirHeight) {
  constexpr int ny = 5;
  const Relief r({0, 1, 3, 6, 7}, {0, 2, 3, 7, 8}, Block(5, ny, {}, 2, 3, 2, 3), 50,
                 [](int k) { return float(10 * (k / ny) + k % ny); });
  struct Box {
    float x0, x1, y0, y1, z;
    bool operator<(const Box& o) const { return std::tie(x0, y0) < std::tie(o.x0, o.y0); }
  };
  const struct {
    std::uint8_t side;
    std::vector<Box> boxes;
  } table[] = {
      // Below the region (y = 2): the inactive cells (2, 1) and (3, 1).
      {bsBottom, {{1, 3, 0.5f, 1.5f, 21}, {3, 6, 0.5f, 1.5f, 31}}},
      // Left of it (x = 1): the cells (1, 2) and (1, 3).
      {bsLeft, {{-2, 0, 2, 3, 12}, {-2, 0, 3, 7, 13}}},
      // Above it (y = 7, taken from the node below the marked one).
      {bsTop, {{1, 3, 9, 13, 24}, {3, 6, 9, 13, 34}}},
      // Right of it (x = 6, taken from the node left of the marked one).
      {bsRight, {{7.5f, 10.5f, 2, 3, 42}, {7.5f, 10.5f, 3, 7, 43}}},
  };
  BoundaryMarkers markers;
  const ViewModel& m = r.model;
  for (const auto& row : table) {
    SCOPED_TRACE(int(row.side));
    markers.Build(r.g(), m.Vertices(), m.Colors(), false, m.ColorScale(), row.side);
    ASSERT_EQ(markers.Count(), int(row.boxes.size()));
    const auto& p = markers.FillVertices();
    const std::size_t perMarker = p.size() / std::size_t(markers.Count());
    std::vector<Box> boxes;
    for (std::size_t first = 0; first < p.size(); first += perMarker) {
      Box b{1e9f, -1e9f, 1e9f, -1e9f, 0};
      float zMin = 1e9f, zMax = -1e9f;
      for (std::size_t k = first; k < first + perMarker; k += 3) {
        b.x0 = std::min(b.x0, p[k]);
        b.x1 = std::max(b.x1, p[k]);
        b.y0 = std::min(b.y0, p[k + 1]);
        b.y1 = std::max(b.y1, p[k + 1]);
        zMin = std::min(zMin, p[k + 2]);
        zMax = std::max(zMax, p[k + 2]);
      }
      b.z = (zMin + zMax) / 2;
      EXPECT_NEAR(zMax - zMin, 0.05f, 1e-4);
      boxes.push_back(b);
    }
    std::sort(boxes.begin(), boxes.end());
    for (std::size_t k = 0; k < boxes.size(); ++k) {
      const Box &got = boxes[k], &want = row.boxes[k];
      EXPECT_NEAR(got.x0, want.x0, 1e-4) << k;
      EXPECT_NEAR(got.x1, want.x1, 1e-4) << k;
      EXPECT_NEAR(got.y0, want.y0, 1e-4) << k;
      EXPECT_NEAR(got.y1, want.y1, 1e-4) << k;
      EXPECT_NEAR(got.z, want.z, 1e-4) << k;
    }
  }

  // All four sides together, and none; flat shading takes the class colour.
  markers.Build(r.g(), m.Vertices(), m.Colors(), true, m.ColorScale(), 15);
  EXPECT_EQ(markers.Count(), 8);
  EXPECT_EQ(ColourAt(markers.FillColors(), 0), m.ColorScale().ClassColor(21.0));
  markers.Build(r.g(), m.Vertices(), m.Colors(), true, m.ColorScale(), 0);
  EXPECT_EQ(markers.Count(), 0);
}
