#pragma once
// Which polygons of a relief face away from the viewer. The relief draws back
// faces as outlines; asking the driver to sort every polygon by facing costs
// as much as drawing the relief again, so the slopes of all polygons are
// taken once per change of heights and a paint compares them with the view:
// not at all when the bounds of the slopes show that no polygon can face
// away (the usual case), else one pass over the stored slopes.
//
// Projection is orthographic, so facing depends only on the linear part of
// the modelview matrix: a polygon with model normal n (counter-clockwise seen
// from above) faces the viewer when w . n > 0, w = (row 1 x row 2) of that
// linear part.
#include "resultdata/TGrid.h"

#include <cstdint>
#include <span>
#include <vector>

class ReliefFacing {
 public:
  // Takes the slopes dz/dx, dz/dy of the polygons (`corners` 3: triangles,
  // 4: quads) given by `indices` into `vertices`.
  void Update(std::span<const TGridVertex> vertices, std::span<const std::uint32_t> indices,
              int corners);

  // `m` is the column-major modelview matrix. False when every polygon is
  // sure to face the viewer.
  bool MayHaveBackFaces(const float m[16]) const;

  // The indices of the polygons that face away (those of the last Update).
  void CollectBackFaces(const float m[16], std::span<const std::uint32_t> indices,
                        std::vector<std::uint32_t>& out) const;

 private:
  struct Upright {
    std::uint32_t polygon;
    float nx, ny, nz;
  };

  int corners_ = 3;
  // Per polygon (a, b) with n proportional to (-a, -b, 1); polygons seen
  // edge-on or clockwise from above have no such form and are kept apart.
  std::vector<float> slopes_;
  std::vector<Upright> upright_;
  float minA_ = 0, maxA_ = 0, minB_ = 0, maxB_ = 0;
};
