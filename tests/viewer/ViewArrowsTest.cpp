#include "tests/viewer/ViewTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

// Tip of arrow n (glyph point 0 is the first vertex of the first triangle).
std::pair<float, float> Tip(const ArrowList& arrows, int n) {
  const auto& v = arrows.Vertices();
  return {v[std::size_t(n) * 45], v[std::size_t(n) * 45 + 1]};
}

}  // namespace

TEST(ViewArrows, OnlyInteriorNodesAboveTheSmallestMagnitude) {
  ViewTestHost host(5, 5, ViewTestHost::AllActive(5, 5));
  auto& v = host.ValuesOf(dkHeatFlux);
  host.DirectionsOf(dkHeatFlux);
  std::fill(v.begin(), v.end(), 5.0f);  // outer rows and columns too
  v[2 * 5 + 2] = 0.0f;
  v[1 * 5 + 1] = 1e-18f;
  v[3 * 5 + 2] = std::numeric_limits<float>::quiet_NaN();
  ColorLegendModel legend;
  ViewModel model(host, dkHeatFlux, legend);
  const ArrowList& arrows = model.BuildArrows();
  const std::vector<std::int32_t> expected{1 * 5 + 2, 1 * 5 + 3, 2 * 5 + 1,
                                           2 * 5 + 3, 3 * 5 + 1, 3 * 5 + 3};
  EXPECT_EQ(arrows.Nodes(), expected);
  EXPECT_EQ(arrows.VertexCount(), 6 * 15);
}

TEST(ViewArrows, ThresholdDrawsASeededRandomShare) {
  const int n = 52;
  ViewTestHost host(n, n, ViewTestHost::AllActive(n, n));
  auto& v = host.ValuesOf(dkCapillaryFlux);
  host.DirectionsOf(dkCapillaryFlux);
  std::fill(v.begin(), v.end(), 1.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkCapillaryFlux, legend);
  ASSERT_TRUE(model.HasFlag(dfArrowNorm));
  EXPECT_EQ(model.BuildArrows().Count(), 50 * 50);  // threshold 1: all of them

  model.SetThreshold(0.5f);
  model.SeedRandom(7);
  const std::vector<std::int32_t> first = model.BuildArrows().Nodes();
  const std::vector<std::int32_t> second = model.BuildArrows().Nodes();
  EXPECT_GT(first.size(), 1100u);
  EXPECT_LT(first.size(), 1400u);
  EXPECT_NE(first, second);  // a fresh half at every paint
  model.SeedRandom(7);
  EXPECT_EQ(model.BuildArrows().Nodes(), first);  // the same seed, the same share

  // Without ArrowNorm the threshold does not apply.
  model.SetFlag(dfArrowNorm, false);
  EXPECT_EQ(model.BuildArrows().Count(), 50 * 50);
}

TEST(ViewArrows, LengthIsFixedMagnitudeOrLogarithmic) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));  // unit cells: MaxCellSize 1
  host.SetRange(dkAirVelocity, 0, 2.2f);                   // k = 2.2 * 1 / 2.2 = 1
  auto& v = host.ValuesOf(dkAirVelocity);
  auto& dir = host.DirectionsOf(dkAirVelocity);
  std::fill(v.begin(), v.end(), 3.0f);
  std::fill(dir.begin(), dir.end(), 90.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkAirVelocity, legend);
  const TGridVertex centre = model.Vertices()[std::size_t(host.TheGrid().CentreBase() + 5)];

  auto [x, y] = Tip(model.BuildArrows(), 0);  // normalised: MaxCellSize / 1.1, pointing up
  EXPECT_NEAR(x, centre.X, 1e-5);
  EXPECT_NEAR(y, centre.Y + 1.0f / 1.1f, 1e-5);

  model.SetFlag(dfArrowNorm, false);
  model.SetArrowScale(2.0f);
  std::tie(x, y) = Tip(model.BuildArrows(), 0);
  EXPECT_NEAR(y - centre.Y, 6.0f, 1e-4);  // v * scale * k

  model.SetFlag(dfArrowLog, true);
  std::tie(x, y) = Tip(model.BuildArrows(), 0);
  EXPECT_NEAR(y - centre.Y, std::log(7.0f), 1e-4);
}

TEST(ViewArrows, LengthFactorFallsBackToOneForAnEmptySum) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  EXPECT_FLOAT_EQ(ArrowList::LengthFactor(host.TheGrid(), -3, 3), 1.0f);
  EXPECT_FLOAT_EQ(ArrowList::LengthFactor(host.TheGrid(), 0, 4.4f), 0.5f);
}

TEST(ViewArrows, ColouredByClassOnlyWithMoreThanOneBox) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  host.SetRange(dkDiffusionFlux, 0, 10);
  auto& v = host.ValuesOf(dkDiffusionFlux);
  host.DirectionsOf(dkDiffusionFlux);
  std::fill(v.begin(), v.end(), 9.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkDiffusionFlux, legend);
  std::set<std::uint8_t> bytes(model.BuildArrows().Colors().begin(),
                               model.BuildArrows().Colors().end());
  EXPECT_EQ(bytes, std::set<std::uint8_t>{0});  // one box: black
  legend.SetBoxCount(3);
  legend.SetBoxColor(3, 0x0000FF);
  const auto& colors = model.BuildArrows().Colors();
  EXPECT_EQ(colors[0], 0xFF);
  EXPECT_EQ(colors[1], 0x00);
}
