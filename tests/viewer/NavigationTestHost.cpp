#include "tests/viewer/NavigationTestHost.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr int Nx = 11, Ny = 9;
}  // namespace

resultwriter::ResultFileSpec NavigationTestContent(int version) {
  resultwriter::ResultFileSpec d;
  d.version = version;
  d.setKinds({0, 2, 4});
  for (int i = 0; i < Nx; ++i) d.x.push_back(float(i));
  for (int j = 0; j < Ny; ++j) d.y.push_back(float(j));
  if (version >= 1) {
    for (int i = 0; i < Nx; ++i)
      for (int j = 0; j < Ny; ++j)
        d.cellMaterials.push_back(j < 3 || j > 6 ? 0 : i >= 4 && i <= 6 ? 1 : i == 7 ? 2 : 0);
    for (const char* name : {"brick", "mortar"}) d.materials.emplace_back().name = name;
  }
  resultwriter::Ranges& ranges = d.ranges.emplace();
  ranges[0] = {0.0f, 100.0f};
  ranges[2] = {0.0f, 1000.0f};
  ranges[4] = {0.0f, 2.0f};
  for (int n = 0; n < 2; ++n) {
    resultwriter::Step step;
    step.time = 3600.0 * (n + 1);
    step.values[2].resize(std::size_t(Nx * Ny));
    for (int i = 0; i < Nx; ++i)
      for (int j = 0; j < Ny; ++j)
        step.values[2][std::size_t(i * Ny + j)] = float(100 * i + j + 1000 * n);
    step.values[4].assign(std::size_t(Nx * Ny), 1.0f);
    step.directions[4].assign(std::size_t(Nx * Ny), 0.0f);
    d.steps.push_back(step);
  }
  return d;
}

NavigationTestFolder::NavigationTestFolder(const resultwriter::ResultFileSpec& description)
    : path(dir.filePath(QStringLiteral("navigation.res"))) {
  if (!dir.isValid()) throw std::runtime_error("no temporary folder");
  resultwriter::writeFile(description, path);
}

void NavigationTestHost::StepForward() {
  Calls << QStringLiteral("StepForward");
  ViewFileHost::StepForward();
}

void NavigationTestHost::StepBack() {
  Calls << QStringLiteral("StepBack");
  ViewFileHost::StepBack();
}

bool NavigationTestHost::LoadSession() {
  Calls << QStringLiteral("LoadSession");
  return SessionExists;
}

// The 10 x 8 m grid is centred on the scene origin.
QPoint FakeNavigationSurface::WindowPointOf(double gx, double gy) const {
  const int x = int(std::lround((gx - 5.0) * PixelsPerMetre + Viewport.width() / 2.0));
  const int yUp = int(std::lround((gy - 4.0) * PixelsPerMetre + Viewport.height() / 2.0));
  return {x, Viewport.height() - 1 - yUp};
}

bool FakeNavigationSurface::PickPoint(int x, int y, double& sceneX, double& sceneY) {
  if (Background) return false;
  sceneX = (x - Viewport.width() / 2.0) / PixelsPerMetre;
  sceneY = (y - Viewport.height() / 2.0) / PixelsPerMetre;
  return true;
}

NavigationScene::NavigationScene(int version)
    : host(NavigationTestContent(version)),
      model(host, dkTemperature, legend),
      otherScalar(host, dkWatercontent, otherLegend),
      vector(host, dkCapillaryFlux, vectorLegend),
      nav(model, surface) {
  model.OnRepaint = [this] { ++repaints; };
}
