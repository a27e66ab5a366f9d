#include "viewer/view/ReliefFacing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Normal {
  float x, y, z;
};

Normal cross(const TGridVertex& p0, const TGridVertex& p1, const TGridVertex& p2) {
  const float ux = p1.X - p0.X, uy = p1.Y - p0.Y, uz = p1.Z - p0.Z;
  const float vx = p2.X - p0.X, vy = p2.Y - p0.Y, vz = p2.Z - p0.Z;
  return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

// w = row 1 x row 2 of the linear part of a column-major matrix.
Normal viewAxis(const float m[16]) {
  return {m[4] * m[9] - m[8] * m[5], m[8] * m[1] - m[0] * m[9], m[0] * m[5] - m[4] * m[1]};
}

}  // namespace

void ReliefFacing::Update(std::span<const TGridVertex> vertices,
                          std::span<const std::uint32_t> indices, int corners) {
  constexpr float inf = std::numeric_limits<float>::infinity();
  corners_ = corners;
  minA_ = minB_ = inf;
  maxA_ = maxB_ = -inf;
  upright_.clear();
  const std::size_t step = std::size_t(corners);
  const std::size_t polygons = indices.size() / step;
  slopes_.resize(polygons * 2);
  for (std::size_t p = 0; p < polygons; ++p) {
    const std::uint32_t* i = indices.data() + p * step;
    Normal n = cross(vertices[i[0]], vertices[i[1]], vertices[i[2]]);
    if (corners == 4) {
      // A quad faces by the sum of its two halves' projected areas.
      const Normal h = cross(vertices[i[0]], vertices[i[2]], vertices[i[3]]);
      n = {n.x + h.x, n.y + h.y, n.z + h.z};
    }
    float a = 0, b = 0;
    if (n.z > 0) {
      a = -n.x / n.z;
      b = -n.y / n.z;
    }
    if (!(n.z > 0) || !std::isfinite(a) || !std::isfinite(b)) {
      // Stored as a flat polygon facing up, checked on its own.
      a = b = 0;
      upright_.push_back({std::uint32_t(p), n.x, n.y, n.z});
    }
    slopes_[2 * p] = a;
    slopes_[2 * p + 1] = b;
    minA_ = std::min(minA_, a);
    maxA_ = std::max(maxA_, a);
    minB_ = std::min(minB_, b);
    maxB_ = std::max(maxB_, b);
  }
}

bool ReliefFacing::MayHaveBackFaces(const float m[16]) const {
  const Normal w = viewAxis(m);
  for (const Upright& u : upright_)
    if (w.x * u.nx + w.y * u.ny + w.z * u.nz < 0) return true;
  if (minA_ > maxA_) return false;  // no polygon
  // Front when w.z - a w.x - b w.y > 0; the largest a w.x + b w.y over the
  // box of slopes lies at one of its corners.
  const float worst = (w.x > 0 ? maxA_ : minA_) * w.x + (w.y > 0 ? maxB_ : minB_) * w.y;
  return !(w.z > worst);
}

void ReliefFacing::CollectBackFaces(const float m[16], std::span<const std::uint32_t> indices,
                                    std::vector<std::uint32_t>& out) const {
  out.clear();
  const Normal w = viewAxis(m);
  const std::size_t step = std::size_t(corners_);
  const std::size_t polygons = std::min(slopes_.size() / 2, indices.size() / step);
  auto take = [&](std::size_t p) {
    out.insert(out.end(), indices.begin() + std::ptrdiff_t(p * step),
               indices.begin() + std::ptrdiff_t((p + 1) * step));
  };
  std::size_t next = 0;  // upright polygons are listed in polygon order
  for (std::size_t p = 0; p < polygons; ++p) {
    if (next < upright_.size() && upright_[next].polygon == p) {
      const Upright& u = upright_[next++];
      if (w.x * u.nx + w.y * u.ny + w.z * u.nz < 0) take(p);
      continue;
    }
    if (w.z - slopes_[2 * p] * w.x - slopes_[2 * p + 1] * w.y < 0) take(p);
  }
}
