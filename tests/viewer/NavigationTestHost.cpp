#include "tests/viewer/NavigationTestHost.h"

#include "tests/support/writer/ResultFileWriter.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr int Nx = 11, Ny = 9;
}

int NavigationMaterialOf(int i, int j) {
  if (j < 3 || j > 6) return 0;
  if (i >= 4 && i <= 6) return 1;
  if (i == 7) return 2;
  return 0;
}

resultwriter::ResultFileSpec NavigationTestSpec(int version) {
  resultwriter::ResultFileSpec spec;
  spec.version = version;
  spec.setKinds({0, 2, 4});
  for (int i = 0; i < Nx; ++i) spec.x.push_back(float(i));
  for (int j = 0; j < Ny; ++j) spec.y.push_back(float(j));
  if (version >= 1) {
    for (int i = 0; i < Nx; ++i)
      for (int j = 0; j < Ny; ++j)
        spec.cellMaterials.push_back(std::int16_t(NavigationMaterialOf(i, j)));
    for (const char* name : {"brick", "mortar"}) {
      resultwriter::Material m;
      m.name = name;
      spec.materials.push_back(m);
    }
  }
  resultwriter::Ranges ranges{};
  ranges[0] = {0.0f, 100.0f};
  ranges[2] = {0.0f, 1000.0f};
  ranges[4] = {0.0f, 2.0f};
  spec.ranges = ranges;
  for (int n = 0; n < 2; ++n) {
    resultwriter::Step step;
    step.time = 3600.0 * (n + 1);
    step.values[2].resize(std::size_t(Nx * Ny));
    for (int i = 0; i < Nx; ++i)
      for (int j = 0; j < Ny; ++j)
        step.values[2][std::size_t(i * Ny + j)] = float(100 * i + j + 1000 * n);
    step.values[4].assign(std::size_t(Nx * Ny), 1.0f);
    step.directions[4].assign(std::size_t(Nx * Ny), 0.0f);
    spec.steps.push_back(step);
  }
  return spec;
}

NavigationTestHost::NavigationTestHost(const resultwriter::ResultFileSpec& spec) {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  const QString path = dir_.path() + QStringLiteral("/navigation.res");
  resultwriter::writeFile(spec, path);
  reader_ = std::make_unique<TResultFile>(path);
  grid_.Build(reader_->Nx(), reader_->Ny(), reader_->CellMaterials(), reader_->Y(), reader_->X());
  reader_->NextStep();
}

NavigationTestHost::~NavigationTestHost() = default;

float NavigationTestHost::RangeMin(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->HeaderBlock().Ranges[kind].Min : 0.0f;
}

float NavigationTestHost::RangeMax(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->HeaderBlock().Ranges[kind].Max : 1.0f;
}

const float* NavigationTestHost::FieldValues(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->FieldTable()[kind].Values : nullptr;
}

const float* NavigationTestHost::FieldDirections(TDataKind kind) const {
  return kind < FieldKindCount ? reader_->FieldTable()[kind].Directions : nullptr;
}

void NavigationTestHost::StepForward() {
  Calls << QStringLiteral("StepForward");
  reader_->NextStep();
}

void NavigationTestHost::StepBack() {
  Calls << QStringLiteral("StepBack");
  reader_->PrevStep();
}

bool NavigationTestHost::LoadSession() {
  Calls << QStringLiteral("LoadSession");
  return SessionExists;
}

void NavigationTestHost::ShowMaterial(int index) {
  Calls << QStringLiteral("ShowMaterial %1").arg(index);
}

QPoint FakeNavigationSurface::WindowPointOf(double gx, double gy) const {
  // Grid 10 x 8 m centred on the scene origin.
  const double sx = gx - 5.0;
  const double sy = gy - 4.0;
  const int x = int(std::lround(sx * PixelsPerMetre + Viewport.width() / 2.0));
  const int yUp = int(std::lround(sy * PixelsPerMetre + Viewport.height() / 2.0));
  return {x, Viewport.height() - 1 - yUp};
}

bool FakeNavigationSurface::PickPoint(int x, int y, double& sceneX, double& sceneY) {
  PickX = x;
  PickY = y;
  if (Background) return false;
  sceneX = (x - Viewport.width() / 2.0) / PixelsPerMetre;
  sceneY = (y - Viewport.height() / 2.0) / PixelsPerMetre;
  return true;
}
