#include "tests/viewer/ViewTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ReliefFacing.h"
#include "viewer/ViewModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Column-major linear part: rotation by `degrees` about x after scaling.
std::vector<float> TiltedMatrix(float degrees, float scaleZ) {
  const float r = degrees * float(std::numbers::pi) / 180.0f;
  const float c = std::cos(r), s = std::sin(r);
  // eye = Rx * diag(1, 1, scaleZ) * p
  return {1, 0, 0, 0, 0, c, s, 0, 0, -s * scaleZ, c * scaleZ, 0, 0, 0, 0, 1};
}

// Back faces by the projected area of each triangle, the way GL decides.
std::vector<std::uint32_t> BruteForce(const std::vector<float>& m,
                                      const std::vector<TGridVertex>& v,
                                      std::span<const std::uint32_t> tris) {
  std::vector<std::uint32_t> out;
  for (std::size_t f = 0; f + 3 <= tris.size(); f += 3) {
    float area = 0;
    for (int k = 0; k < 3; ++k) {
      const TGridVertex& a = v[tris[f + std::size_t(k)]];
      const TGridVertex& b = v[tris[f + std::size_t((k + 1) % 3)]];
      const float ax = m[0] * a.X + m[4] * a.Y + m[8] * a.Z;
      const float ay = m[1] * a.X + m[5] * a.Y + m[9] * a.Z;
      const float bx = m[0] * b.X + m[4] * b.Y + m[8] * b.Z;
      const float by = m[1] * b.X + m[5] * b.Y + m[9] * b.Z;
      area += ax * by - bx * ay;
    }
    if (area < 0)
      out.insert(out.end(), tris.begin() + std::ptrdiff_t(f), tris.begin() + std::ptrdiff_t(f + 3));
  }
  return out;
}

}  // namespace

TEST(ViewReliefFacing, SteepReliefShowsItsBackFacesOnlyWhenTilted) {
  const int n = 12;
  ViewTestHost host(n, n, ViewTestHost::AllActive(n, n));
  host.SetRange(dkTemperature, -50, 50);
  auto& v = host.ValuesOf(dkTemperature);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) v[std::size_t(i * n + j)] = (j % 2 == 0) ? 40.0f : -40.0f;
  ColorLegendModel legend;
  ViewModel model(host, dkTemperature, legend);
  model.PrepareForPaint();
  const auto& fill = host.TheGrid().FillIndices();
  const std::span<const std::uint32_t> tris(fill.data(), fill.size());

  ReliefFacing facing;
  facing.Update(model.Vertices(), tris, 3);
  std::vector<std::uint32_t> back;

  const std::vector<float> top = TiltedMatrix(0, 1);
  EXPECT_FALSE(facing.MayHaveBackFaces(top.data()));

  const std::vector<float> tilted = TiltedMatrix(-60, 1);
  ASSERT_TRUE(facing.MayHaveBackFaces(tilted.data()));
  facing.CollectBackFaces(tilted.data(), tris, back);
  EXPECT_FALSE(back.empty());
  EXPECT_EQ(back, BruteForce(tilted, model.Vertices(), tris));

  // Squashed heights: the same tilt no longer shows any polygon from behind.
  const std::vector<float> flat = TiltedMatrix(-60, 0.001f);
  EXPECT_FALSE(facing.MayHaveBackFaces(flat.data()));
}

TEST(ViewReliefFacing, QuadsFaceByTheirWholeOutline) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  ColorLegendModel legend;
  ViewModel model(host, dkWatercontent, legend);
  std::vector<TGridVertex> vertices = model.Vertices();
  const auto& quads = model.FlatQuads();
  const std::span<const std::uint32_t> q(quads.data(), quads.size());
  ReliefFacing facing;
  facing.Update(vertices, q, 4);
  std::vector<std::uint32_t> back;
  // Seen from below (turned 180 degrees about x) every quad faces away.
  const std::vector<float> below = TiltedMatrix(180, 1);
  EXPECT_TRUE(facing.MayHaveBackFaces(below.data()));
  facing.CollectBackFaces(below.data(), q, back);
  EXPECT_EQ(back.size(), quads.size());
}
