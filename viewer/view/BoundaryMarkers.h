#pragma once
// The boundary markers of the relative-humidity and temperature views: one
// small prism beside each cell of the region's border that carries a boundary
// condition (the grid's side marks), coloured like the cell beside it.
// Built as plain triangles and line segments so that a paint draws all
// markers with two calls instead of a dozen small polygons per marker.
#include "resultdata/TGrid.h"
#include "viewer/view/ReliefColors.h"

#include <cstdint>
#include <span>
#include <vector>

class BoundaryMarkers {
 public:
  // Sides to mark (BoundarySides bits): 1 top, 2 left, 4 bottom, 8 right.
  // `vertices` and `colors` are the view's (cell-centre heights and smooth
  // colours); with `flat` the fill takes the class colour of the height.
  void Build(const TGrid& grid, std::span<const TGridVertex> vertices,
             std::span<const std::uint8_t> colors, bool flat, const ReliefColorScale& scale,
             std::uint8_t sides);

  int Count() const { return count_; }
  // Triangles (x, y, z per vertex) with a colour (r, g, b) per vertex.
  const std::vector<float>& FillVertices() const { return fill_; }
  const std::vector<std::uint8_t>& FillColors() const { return fillColors_; }
  // The edges of every face, as line segments (x, y, z per vertex).
  const std::vector<float>& OutlineVertices() const { return outline_; }

 private:
  int count_ = 0;
  std::vector<float> fill_;
  std::vector<std::uint8_t> fillColors_;
  std::vector<float> outline_;
};
