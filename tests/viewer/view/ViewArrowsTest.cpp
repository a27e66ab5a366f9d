#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>

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
