#pragma once
// The arrows of a vector view, one per interior node whose magnitude is above
// 1e-18, turned into plain triangles (15 vertices per arrow) so that a paint
// draws them all with one glDrawArrays. Built anew at every paint, because
// with a threshold below 1 a fresh random share of the arrows is drawn each time.
#include "resultdata/TGrid.h"

#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <vector>

struct ArrowSettings {
  bool Normalized = false;   // fixed length instead of the magnitude
  bool Logarithmic = false;  // ln(1 + v * Scale) instead of v * Scale
  float Threshold = 1.0f;    // share of arrows drawn when Normalized (0 < t <= 1)
  float Scale = 1.0f;        // factor of the arrow length
  float RangeMin = 0.0f;     // the kind's header range; their sum sets the
  float RangeMax = 1.0f;     // length factor
};

class ArrowList {
 public:
  // Colour of an arrow of magnitude v (0x00BBGGRR).
  using ColorOf = std::function<std::uint32_t(double v)>;

  // Length factor k = 2.2 * MaxCellSize / (min + max); 1 when min + max is 0.
  static float LengthFactor(const TGrid& grid, float rangeMin, float rangeMax);

  // Builds the arrows. `vertices` are the view's vertices (the cell-centre
  // section gives each arrow's position), `values` and `directions` (degrees)
  // the current step's Nx * Ny magnitudes and angles. `rng` decides the
  // threshold share. Magnitudes or angles that are no number give no arrow.
  void Build(const TGrid& grid, std::span<const TGridVertex> vertices, const float* values,
             const float* directions, const ArrowSettings& settings, const ColorOf& colorOf,
             std::mt19937& rng);

  // Node index (i * Ny + j) of every arrow built, in drawing order.
  const std::vector<std::int32_t>& Nodes() const { return nodes_; }
  int Count() const { return int(nodes_.size()); }

  // 15 vertices (x, y, z) per arrow and their colours (r, g, b).
  const std::vector<float>& Vertices() const { return vertices_; }
  const std::vector<std::uint8_t>& Colors() const { return colors_; }
  int VertexCount() const { return int(vertices_.size() / 3); }

 private:
  std::vector<std::int32_t> nodes_;
  std::vector<float> vertices_;
  std::vector<std::uint8_t> colors_;
};
