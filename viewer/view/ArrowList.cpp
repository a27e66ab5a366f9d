#include "viewer/view/ArrowList.h"

#include <cmath>
#include <numbers>

float ArrowList::LengthFactor(const TGrid& grid, float rangeMin, float rangeMax) {
  const float sum = rangeMin + rangeMax;
  if (sum == 0.0f || !std::isfinite(sum)) return 1.0f;
  const float k = 2.2f * grid.MaxCellSize() / sum;
  return std::isfinite(k) ? k : 1.0f;
}

void ArrowList::Build(const TGrid& grid, std::span<const TGridVertex> vertices, const float* values,
                      const float* directions, const ArrowSettings& settings,
                      const ColorOf& colorOf, std::mt19937& rng) {
  nodes_.clear();
  vertices_.clear();
  colors_.clear();
  const int nx = grid.Nx(), ny = grid.Ny();
  const std::size_t nodes = std::size_t(nx) * std::size_t(ny);
  if (values == nullptr || directions == nullptr || nx < 3 || ny < 3 ||
      vertices.size() < std::size_t(grid.CentreBase()) + nodes)
    return;

  const float k = LengthFactor(grid, settings.RangeMin, settings.RangeMax);
  const float fixedLength = grid.MaxCellSize() / 1.1f;
  const bool share = settings.Normalized && settings.Threshold < 1.0f;
  const float cellScale = grid.CellScale();
  std::uniform_real_distribution<float> uniform(0.0f, 1.0f);

  const auto& points = grid.ArrowPoints();
  const auto& triangles = grid.ArrowTriangles();

  for (int i = 1; i <= nx - 2; ++i) {
    for (int j = 1; j <= ny - 2; ++j) {
      const int c = i * ny + j;
      const float v = values[c];
      if (!(v > 1e-18f) || !std::isfinite(v)) continue;
      if (share && uniform(rng) > settings.Threshold) continue;
      const float angle = directions[c];
      if (!std::isfinite(angle)) continue;

      float length;
      if (settings.Normalized) {
        length = fixedLength;
      } else {
        const float scaled = v * settings.Scale;
        length = (settings.Logarithmic ? std::log(1.0f + scaled) : scaled) * k;
      }
      if (!std::isfinite(length)) continue;
      float sx = length, sy = length;
      if (share) {
        sx *= grid.DX()[i] * cellScale;
        sy *= grid.DY()[j] * cellScale;
      }

      // The glyph is rotated first, then scaled, then moved to the cell
      // centre: the order of the matrix calls translate, scale, rotate.
      const TGridVertex& centre = vertices[std::size_t(grid.CentreBase()) + std::size_t(c)];
      const float z = -centre.Z * k;
      const double radians = double(angle) * std::numbers::pi / 180.0;
      const float cs = float(std::cos(radians)), sn = float(std::sin(radians));
      const std::uint32_t rgb = colorOf ? colorOf(v) : 0u;
      for (const std::uint32_t index : triangles) {
        const TGridPoint p = points[index];
        vertices_.push_back(centre.X + sx * (cs * p.X - sn * p.Y));
        vertices_.push_back(centre.Y + sy * (sn * p.X + cs * p.Y));
        vertices_.push_back(z);
        colors_.push_back(std::uint8_t(rgb & 0xFF));
        colors_.push_back(std::uint8_t((rgb >> 8) & 0xFF));
        colors_.push_back(std::uint8_t((rgb >> 16) & 0xFF));
      }
      nodes_.push_back(c);
    }
  }
}
