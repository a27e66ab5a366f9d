#include "tests/viewer/ViewTestHost.h"

#include <numeric>

namespace {

std::vector<float> Steps(int n) {
  std::vector<float> c(static_cast<std::size_t>(n));
  std::iota(c.begin(), c.end(), 0.0f);
  return c;
}

}  // namespace

ViewTestHost::ViewTestHost(int nx, int ny, std::vector<std::int16_t> materials)
    : ViewTestHost(Steps(nx), Steps(ny), std::move(materials)) {}

ViewTestHost::ViewTestHost(std::vector<float> x, std::vector<float> y,
                           std::vector<std::int16_t> materials)
    : hasGrid_(true) {
  grid_.Build(int(x.size()), int(y.size()), materials, y, x);
  max_.fill(1.0f);
}

std::vector<std::int16_t> ViewTestHost::AllActive(int nx, int ny) {
  std::vector<std::int16_t> m(std::size_t(nx) * std::size_t(ny), 0);
  for (int i = 1; i < nx; ++i)
    for (int j = 1; j < ny; ++j) m[std::size_t(i * ny + j)] = 1;
  return m;
}

std::vector<float>& ViewTestHost::Sized(std::vector<float>& v) {
  if (v.empty()) v.assign(std::size_t(grid_.Nx()) * std::size_t(grid_.Ny()), 0.0f);
  return v;
}
