#pragma once
// Heights and vertex colours of a scalar view's relief. Every cell value of the
// current step becomes the height of its cell centre; the node, edge and
// centre heights around it are interpolated with the grid's weights, and each
// height interpolated there gets the legend's smoothly interpolated colour, so
// one glDrawElements over the grid's fill triangles draws the whole relief.
#include "resultdata/TGrid.h"

#include <cstdint>
#include <span>
#include <vector>

// The colours of a legend as the relief needs them. Colours are 0x00BBGGRR.
class ReliefColorScale {
 public:
  virtual ~ReliefColorScale() = default;
  // The colour of a value between the class colours (smooth shading).
  virtual std::uint32_t InterpolatedColor(double value) const = 0;
  // The colour of the class a value falls in (flat shading).
  virtual std::uint32_t ClassColor(double value) const = 0;
  // The value that stands in for a value that is no number (NaN, infinite):
  // it falls into the lowest class.
  virtual double LowestValue() const = 0;
};

// Writes the heights (z) of all four vertex sections of `vertices` (a copy of
// the grid's vertices) from `values` (Nx * Ny cell values) and the matching
// colours (3 bytes r, g, b per vertex) into `colors`. Vertices that no active
// cell touches keep their height and colour. Neighbours beyond the grid's last
// column or row are read as the cell itself, so no section reads into the next.
void ComputeReliefColors(const TGrid& grid, std::span<const float> values,
                         const ReliefColorScale& scale, std::span<TGridVertex> vertices,
                         std::span<std::uint8_t> colors);

// Flat shading colours: for every active cell c, the class colour of its value
// at node c - 1 (3 bytes per node, Nx * Ny nodes). That node is the last corner
// of the cell's quad (c, c - ny, c - ny - 1, c - 1), whose colour GL_FLAT uses
// for the whole quad, and no two cells share it.
void ComputeFlatColors(const TGrid& grid, std::span<const float> values,
                       const ReliefColorScale& scale, std::span<std::uint8_t> nodeColors);

// The quad indices of the flat relief: (c, c - ny, c - ny - 1, c - 1) for every
// active cell, for one glDrawElements(GL_QUADS).
std::vector<std::uint32_t> FlatQuadIndices(const TGrid& grid);
