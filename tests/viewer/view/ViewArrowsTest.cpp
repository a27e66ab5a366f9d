#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A vector view over n x n unit cells, range [0, max], one value everywhere.
struct Field {
  ViewTestHost host;
  ColorLegendModel legend;
  ViewModel model;
  Field(int n, TDataKind kind, float value, float max = 1, float direction = 0)
      : host(n, n, ViewTestHost::AllActive(n, n)),
        model(Fill(host, kind, value, max, direction), kind, legend) {}
  static ViewTestHost& Fill(ViewTestHost& host, TDataKind kind, float value, float max, float dir) {
    host.SetRange(kind, 0, max);
    auto& v = host.ValuesOf(kind);
    std::fill(v.begin(), v.end(), value);
    auto& d = host.DirectionsOf(kind);
    std::fill(d.begin(), d.end(), dir);
    return host;
  }
};

}  // namespace

TEST(ViewArrows, OnlyInteriorNodesAboveTheSmallestMagnitude) {
  Field f(5, dkHeatFlux, 5.0f);
  auto& v = f.host.ValuesOf(dkHeatFlux);
  v[2 * 5 + 2] = 0.0f;
  v[1 * 5 + 1] = 1e-18f;
  v[3 * 5 + 2] = std::numeric_limits<float>::quiet_NaN();
  const ArrowList& arrows = f.model.BuildArrows();
  EXPECT_EQ(arrows.Nodes(), (std::vector<std::int32_t>{7, 8, 11, 13, 16, 18}));
  EXPECT_EQ(arrows.VertexCount(), 6 * 15);
}

TEST(ViewArrows, ThresholdDrawsASeededRandomShare) {
  Field f(52, dkCapillaryFlux, 1.0f);
  ViewModel& model = f.model;
  EXPECT_EQ(model.BuildArrows().Count(), 50 * 50);           // threshold 1: all of them
  for (float t : {0.5f, 0.0f, 1.5f}) model.SetThreshold(t);  // 0 and 1.5 are out of range
  ASSERT_FLOAT_EQ(model.Threshold(), 0.5f);
  model.SeedRandom(7);
  const std::vector<std::int32_t> first = model.BuildArrows().Nodes();
  EXPECT_GT(first.size(), 1100u);
  EXPECT_LT(first.size(), 1400u);
  EXPECT_NE(model.BuildArrows().Nodes(), first);  // a fresh share at every paint
  model.SeedRandom(7);
  EXPECT_EQ(model.BuildArrows().Nodes(), first);
  model.SetFlag(dfArrowNorm, false);  // the threshold applies to normalised arrows only
  EXPECT_EQ(model.BuildArrows().Count(), 50 * 50);
}

TEST(ViewArrows, LengthIsFixedMagnitudeOrLogarithmic) {
  Field f(4, dkAirVelocity, 3.0f, 2.2f, 90.0f);  // unit cells: k = 2.2 * 1 / 2.2 = 1
  ViewModel& model = f.model;
  const TGridVertex centre = model.Vertices()[std::size_t(f.host.TheGrid().CentreBase() + 5)];
  // The tip of the first arrow is its first vertex; direction 90 points up.
  auto tipY = [&] { return model.BuildArrows().Vertices()[1] - centre.Y; };
  EXPECT_NEAR(model.BuildArrows().Vertices()[0], centre.X, 1e-5);
  EXPECT_NEAR(tipY(), 1.0f / 1.1f, 1e-5);  // normalised: MaxCellSize / 1.1
  model.SetFlag(dfArrowNorm, false);
  model.SetArrowScale(2.0f);
  EXPECT_NEAR(tipY(), 6.0f, 1e-4);  // v * scale * k
  model.SetFlag(dfArrowLog, true);
  EXPECT_NEAR(tipY(), std::log(7.0f), 1e-4);

  // An empty range sum falls back to a factor of 1 instead of dividing by zero.
  EXPECT_FLOAT_EQ(ArrowList::LengthFactor(f.host.TheGrid(), -3, 3), 1.0f);
}

TEST(ViewArrows, ColouredByClassOnlyWithMoreThanOneBox) {
  Field f(4, dkDiffusionFlux, 9.0f, 10);
  for (std::uint8_t byte : f.model.BuildArrows().Colors()) ASSERT_EQ(byte, 0);  // one box: black
  f.legend.SetBoxCount(3);
  f.legend.SetBoxColor(3, 0x0000FF);
  EXPECT_EQ(f.model.BuildArrows().Colors()[0], 0xFF);
  EXPECT_EQ(f.model.BuildArrows().Colors()[1], 0x00);
}

// Lines 0, 1, 3, 6 across and 0, 2, 3, 7 up: cell widths 1, 2, 3, heights 2,
// 1, 4; every cell active, so the mean cell area is 42 / 9 and the cell
// scale 3 / sqrt(42). MaxCellSize is 4. Normalised arrows drawn as a random
// share are sized by the cell they stand in: along x by its width, along y by
// its height. With the whole share they all have the fixed length.
TEST(ViewArrows, ARandomShareIsSizedByEachCellsWidthAndHeight) {
  ViewTestHost host({0, 1, 3, 6}, {0, 2, 3, 7}, ViewTestHost::AllActive(4, 4));
  host.SetRange(dkCapillaryFlux, 0, 1);
  std::fill(host.ValuesOf(dkCapillaryFlux).begin(), host.ValuesOf(dkCapillaryFlux).end(), 1.0f);
  host.DirectionsOf(dkCapillaryFlux);  // all along +x
  ColorLegendModel legend;
  ViewModel model(host, dkCapillaryFlux, legend);
  const float fixed = 4.0f / 1.1f, cellScale = 3.0f / std::sqrt(42.0f);
  const float width[] = {0, 1, 2, 3}, height[] = {0, 2, 1, 4};
  for (const float threshold : {1.0f, 0.999f}) {
    SCOPED_TRACE(threshold);
    model.SetThreshold(threshold);
    model.SeedRandom(3);
    const ArrowList& arrows = model.BuildArrows();
    ASSERT_GT(arrows.Count(), 2);
    for (int a = 0; a < arrows.Count(); ++a) {
      const int node = arrows.Nodes()[std::size_t(a)], i = node / 4, j = node % 4;
      const TGridVertex centre = model.Vertices()[std::size_t(host.TheGrid().CentreBase() + node)];
      const float* v = &arrows.Vertices()[std::size_t(a) * 15 * 3];
      float halfWidth = 0;  // the barbs reach 0.15 of the length to either side
      for (int k = 0; k < 15; ++k) halfWidth = std::max(halfWidth, v[k * 3 + 1] - centre.Y);
      const bool share = threshold < 1;
      EXPECT_NEAR(v[0] - centre.X, fixed * (share ? width[i] * cellScale : 1), 1e-4) << i << j;
      EXPECT_NEAR(halfWidth, 0.15f * fixed * (share ? height[j] * cellScale : 1), 1e-4) << i << j;
    }
  }
}
