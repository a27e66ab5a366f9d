#include "tests/viewer/ViewTestHost.h"
#include "viewer/BoundaryMarkers.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// 6 x 5 nodes; cells 1..4 x 1..3 active, the last column and row inactive.
std::vector<std::int16_t> Region() {
  std::vector<std::int16_t> m(30, 0);
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 3; ++j) m[std::size_t(i * 5 + j)] = 1;
  return m;
}

int MarksOf(const TGrid& grid, TGridSide side) {
  return grid.SideRanges()[side].End - grid.SideRanges()[side].First;
}

}  // namespace

TEST(ViewBoundaryMarkers, OneMarkerPerSideMarkOfTheChosenSides) {
  ViewTestHost host(6, 5, Region());
  host.SetRange(dkTemperature, 0, 10);
  auto& v = host.ValuesOf(dkTemperature);
  std::fill(v.begin(), v.end(), 4.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkTemperature, legend);
  model.PrepareForPaint();
  const TGrid& grid = host.TheGrid();
  ASSERT_GT(grid.SideMarkCount(), 0);

  BoundaryMarkers markers;
  markers.Build(grid, model.Vertices(), model.Colors(), false, model.ColorScale(), 15);
  EXPECT_EQ(markers.Count(), grid.SideMarkCount());
  markers.Build(grid, model.Vertices(), model.Colors(), false, model.ColorScale(), 4);
  EXPECT_EQ(markers.Count(), MarksOf(grid, gsUp));
  markers.Build(grid, model.Vertices(), model.Colors(), false, model.ColorScale(), 8 | 1);
  EXPECT_EQ(markers.Count(), MarksOf(grid, gsLeft) + MarksOf(grid, gsDown));
  markers.Build(grid, model.Vertices(), model.Colors(), false, model.ColorScale(), 0);
  EXPECT_EQ(markers.Count(), 0);
  EXPECT_TRUE(markers.FillVertices().empty());
}

TEST(ViewBoundaryMarkers, BottomMarkersLieBelowTheRegionAtTheCellHeight) {
  ViewTestHost host(6, 5, Region());
  host.SetRange(dkTemperature, 0, 10);
  auto& v = host.ValuesOf(dkTemperature);
  std::fill(v.begin(), v.end(), 4.0f);
  ColorLegendModel legend;
  ViewModel model(host, dkTemperature, legend);
  model.PrepareForPaint();
  BoundaryMarkers markers;
  markers.Build(host.TheGrid(), model.Vertices(), model.Colors(), true, model.ColorScale(), 4);
  ASSERT_GT(markers.Count(), 0);
  const auto& p = markers.FillVertices();
  // 14 triangles per marker; every point below y = 0 (the region starts at
  // y = 0) and within the marker's thickness around the height 4.
  EXPECT_EQ(p.size(), std::size_t(markers.Count()) * 14 * 3 * 3);
  for (std::size_t k = 0; k < p.size(); k += 3) {
    ASSERT_LE(p[k + 1], 0.0f);
    ASSERT_NEAR(p[k + 2], 4.0f, 0.0251f);
  }
  // Flat shading: the class colour of the height.
  const std::uint32_t c = model.ColorScale().ClassColor(4.0);
  EXPECT_EQ(markers.FillColors()[0], c & 0xFF);
  EXPECT_EQ(markers.FillColors()[1], (c >> 8) & 0xFF);
  EXPECT_EQ(markers.FillColors()[2], (c >> 16) & 0xFF);
  // 26 edges per marker.
  EXPECT_EQ(markers.OutlineVertices().size(), std::size_t(markers.Count()) * 26 * 2 * 3);
}
