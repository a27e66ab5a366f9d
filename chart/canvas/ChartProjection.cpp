#include "chart/canvas/ChartProjection.h"

#include "base/MathUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
constexpr double kDegree = 0.017453292519943295;
// Below this a view cannot be inverted: the screen plane is seen edge-on.
constexpr double kSingular = 1e-9;
// round(v) + offset, saturated: points far outside any device stay far
// outside instead of wrapping around.
int Place(double v, int64_t offset) {
  return base::SaturateToInt(base::Round64(std::clamp(v, -1e18, 1e18)) + offset);
}

}  // namespace

void ChartProjection::SetView(const ChartViewAngles* view, bool is3D) {
  is3D_ = is3D;
  orthogonal_ = false;
  zoomFactor_ = 1.0;
  if (is3D && view) {
    orthogonal_ = view->orthogonal;
    if (orthogonal_) {
      const double a = view->orthoAngle * kDegree;
      k_ = std::cos(a) < 0.01 ? 1.0 : std::sin(a) / std::cos(a);
    }
    zoomFactor_ = view->zoom * 0.01;
  }
  if (is3D && !orthogonal_) {
    perspective_ = 0;
    const double e = view ? view->elevation * kDegree : 0;
    const double r = view ? view->rotation * kDegree : 0;
    const double t = view ? view->tilt * kDegree : 0;
    sE_ = std::sin(e);
    const double cE = std::cos(e), sR = std::sin(r), cR = std::cos(r);
    const double sT = std::sin(t), cT = std::cos(t);
    d_[0] = cE * sR;
    d_[1] = cE * sT;
    d_[2] = std::max(cE * cT, 1e-5);
    d_[3] = cR * cE;
    d_[4] = std::max(sR * sE_ * sT + cR * cT, 1e-5);
    d_[5] = cT * sR * sE_ - cR * sT;
    d_[6] = cR * sE_ * sT - cT * sR;
    d_[7] = cR * cT * sE_ + sR * sT;
  }
}

void ChartProjection::Centre(int maxDepth, int left, int top, int right, int bottom,
                             const ChartViewAngles* view) {
  xC_ = base::SaturateToInt((int64_t(left) + right) / 2 + base::Round(rotationCentreX_));
  yC_ = base::SaturateToInt((int64_t(top) + bottom) / 2 + base::Round(rotationCentreY_));
  zC_ = base::SaturateToInt(int64_t(base::Round(rotationCentreZ_)) + maxDepth / 2);
  xO_ = xC_;
  yO_ = yC_;
  if (!view) return;
  xO_ = base::SaturateToInt(int64_t(xO_) + view->horizOffset);
  yO_ = base::SaturateToInt(int64_t(yO_) + view->vertOffset);
  // An empty rectangle has no width to spread the perspective over: parallel.
  const int64_t width = int64_t(right) - left;
  if (view->perspective > 0 && width > 0) perspective_ = view->perspective / 150.0 / double(width);
}

QPoint ChartProjection::To2D(int x, int y, int z) const {
  const double dx = double(x) - xC_, dy = double(y) - yC_;
  if (orthogonal_)
    return {Place((dx + z) * zoomFactor_, xO_), Place((dy - z * k_) * zoomFactor_, yO_)};
  if (!is3D_) return {x, y};
  const double w = double(z) - zC_;
  double f = zoomFactor_;
  if (perspective_ > 0) f = (1 - (dx * d_[0] - dy * sE_ + w * d_[3]) * perspective_) * zoomFactor_;
  return {Place((dx * d_[4] + dy * d_[1] + w * d_[6]) * f, xO_),
          Place((dx * d_[5] + dy * d_[2] + w * d_[7]) * f, yO_)};
}

QPoint ChartProjection::ToChart(int x, int y, int z) const {
  if (zoomFactor_ == 0) return {x, y};
  const double i = 1.0 / zoomFactor_;
  const double sx = double(x) - xO_, sy = double(y) - yO_;
  if (orthogonal_) {
    return {Place(sx * i, int64_t(xC_) - z), Place(sy * i + z * k_, yC_)};
  }
  if (!is3D_) return {x, y};
  // The forward map without perspective is linear in (x', y'): solve the 2x2
  // system instead of dividing each screen axis by its own diagonal term,
  // which only holds while the view has no cross terms.
  const double det = d_[4] * d_[2] - d_[1] * d_[5];
  if (std::fabs(det) < kSingular) return {x, y};
  const double w = double(z) - zC_;
  const double u = sx * i - w * d_[6];
  const double v = sy * i - w * d_[7];
  return {Place((u * d_[2] - v * d_[1]) / det, xC_), Place((v * d_[4] - u * d_[5]) / det, yC_)};
}
