#include "viewer/view/BoundaryMarkers.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

struct Point {
  float x, y, z;
};

// The marker in its own units: a prism two wide along x whose pentagonal
// cross-section in (y, z) points towards -y; six faces (its back, y = 1, is
// open).
const std::vector<std::vector<Point>>& PrismFaces() {
  static const std::vector<std::vector<Point>> faces = [] {
    const std::array<std::array<float, 2>, 5> section{
        {{1, -1}, {-0.3f, -1}, {-1, 0}, {-0.3f, 1}, {1, 1}}};
    std::vector<std::vector<Point>> f;
    for (const float x : {-1.0f, 1.0f}) {
      std::vector<Point> end;
      for (const auto& p : section) end.push_back({x, p[0], p[1]});
      f.push_back(end);
    }
    auto quad = [&f](float y0, float z0, float y1, float z1) {
      f.push_back({{-1, y0, z0}, {1, y0, z0}, {1, y1, z1}, {-1, y1, z1}});
    };
    quad(-0.3f, 1, 1, 1);    // top face z = +1
    quad(1, -1, -0.3f, -1);  // bottom face z = -1
    quad(-1, 0, -0.3f, 1);   // upper slant to the ridge
    quad(-0.3f, -1, -1, 0);  // lower slant to the ridge
    return f;
  }();
  return faces;
}

// Where a side's markers sit relative to their node (in half sizes) and how
// they are turned (degrees about z).
struct Side {
  std::uint8_t bit;
  TGridSide list;
  float shiftX, shiftY, degrees;
};

// In drawing order: bottom, left, top, right.
constexpr Side Sides[4] = {{4, gsUp, -1, -2, 180},
                           {2, gsRight, -2, -1, 90},
                           {1, gsDown, -1, 2, 0},
                           {8, gsLeft, 2, -1, -90}};

}  // namespace

void BoundaryMarkers::Build(const TGrid& grid, std::span<const TGridVertex> vertices,
                            std::span<const std::uint8_t> colors, bool flat,
                            const ReliefColorScale& scale, std::uint8_t sides) {
  count_ = 0;
  fill_.clear();
  fillColors_.clear();
  outline_.clear();
  const int ny = grid.Ny();
  const std::int64_t nodes = std::int64_t(grid.Nx()) * ny;
  const auto& marks = grid.SideMarks();
  if (vertices.size() < std::size_t(4 * nodes) || colors.size() < std::size_t(12 * nodes)) return;

  for (const Side& side : Sides) {
    if ((sides & side.bit) == 0) continue;
    const TSideRange range = grid.SideRanges()[side.list];
    const double radians = side.degrees * std::numbers::pi / 180.0;
    const float cs = float(std::cos(radians)), sn = float(std::sin(radians));
    for (int m = std::max(range.First, 0); m < range.End && m < int(marks.size()); ++m) {
      const TSideMark& mark = marks[std::size_t(m)];
      // Top markers take y from the node below, right markers x from the
      // node to the left: those nodes are the region's corners.
      const std::int64_t node = mark.Node;
      const std::int64_t yNode = side.bit == 1 ? node - 1 : node;
      const std::int64_t xNode = side.bit == 8 ? node - ny : node;
      if (node < 0 || node >= nodes || yNode < 0 || xNode < 0) continue;
      const std::size_t centre = std::size_t(grid.CentreBase() + node);
      const Point origin{vertices[std::size_t(xNode)].X, vertices[std::size_t(yNode)].Y,
                         vertices[centre].Z};
      std::uint8_t rgb[3];
      if (flat) {
        const std::uint32_t c = scale.ClassColor(origin.z);
        rgb[0] = std::uint8_t(c & 0xFF);
        rgb[1] = std::uint8_t((c >> 8) & 0xFF);
        rgb[2] = std::uint8_t((c >> 16) & 0xFF);
      } else {
        for (int k = 0; k < 3; ++k) rgb[k] = colors[centre * 3 + std::size_t(k)];
      }

      // Marker unit -> grid: rotate, shift by half sizes, scale, move to the node.
      auto place = [&](const Point& p) {
        const float rx = cs * p.x - sn * p.y + side.shiftX;
        const float ry = sn * p.x + cs * p.y + side.shiftY;
        return Point{origin.x + mark.HalfWidth * rx, origin.y + mark.HalfHeight * ry,
                     origin.z + 0.025f * p.z};
      };
      auto push = [](std::vector<float>& out, const Point& p) {
        out.insert(out.end(), {p.x, p.y, p.z});
      };
      for (const auto& face : PrismFaces()) {
        for (std::size_t k = 1; k + 1 < face.size(); ++k) {
          for (const Point& p : {face[0], face[k], face[k + 1]}) {
            push(fill_, place(p));
            fillColors_.insert(fillColors_.end(), {rgb[0], rgb[1], rgb[2]});
          }
        }
        for (std::size_t k = 0; k < face.size(); ++k) {
          push(outline_, place(face[k]));
          push(outline_, place(face[(k + 1) % face.size()]));
        }
      }
      ++count_;
    }
  }
}
