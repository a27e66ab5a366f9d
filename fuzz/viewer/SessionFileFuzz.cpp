// Session and legend files as a user's disk may hold them, read into a
// headless view model and its legend (no window, no GL). Whatever the bytes,
// reading must not crash and must leave only values a view can draw with.
#include "base/Exceptions.h"
#include "resultdata/TGrid.h"
#include "tests/support/FixedViewHost.h"
#include "viewer/view/LegendFile.h"
#include "viewer/view/SessionFile.h"
#include "viewer/view/SessionWindow.h"
#include "viewer/view/TFloatIniFile.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// A project of a 4 x 4 grid with every inner cell of material 1.
class Host final : public FixedViewHost {
 public:
  Host() {
    std::vector<float> x{0, 1, 2, 3}, y{0, 1, 2, 3};
    std::vector<std::int16_t> materials(16, 0);
    for (int i = 1; i < 4; ++i)
      for (int j = 1; j < 4; ++j) materials[std::size_t(i * 4 + j)] = 1;
    grid_.Build(4, 4, materials, y, x);
  }
  const TGrid* Grid() const override { return &grid_; }
  float RangeMin(TDataKind) const override { return -10; }
  float RangeMax(TDataKind) const override { return 30; }
  const float* FieldValues(TDataKind) const override { return values_.data(); }
  const float* FieldDirections(TDataKind) const override { return values_.data(); }
  QString FileName() const override { return QStringLiteral("fuzz.res"); }

 private:
  TGrid grid_;
  std::vector<float> values_ = std::vector<float>(16, 5.0f);
};

class Window final : public SessionWindow {
 public:
  QRect Bounds() const override { return bounds; }
  void SetBounds(const QRect& r) override { bounds = r; }
  int WindowState() const override { return state; }
  void SetWindowState(int s) override { state = s; }
  bool IsActive() const override { return false; }
  void Activate() override {}
  QRect bounds{0, 0, 640, 480};
  int state = Normal;
};

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("fuzz.session"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  static Host host;
  for (TDataKind kind : {dkTemperature, dkAirVelocity}) {
    ColorLegendModel legend;
    ViewModel view(host, kind, legend);
    Window window;
    try {
      const TFloatIniFile ini(path);
      LoadViewSettings(ini, view, window);
      ReadLegend(legend, ini);
    } catch (const base::Exception&) {
      continue;  // a file the ini reader refuses
    }
    check(view.Threshold() > 0.0f && view.Threshold() <= 1.0f);
    check(view.ShadeModel() == ViewModel::glFlat || view.ShadeModel() == ViewModel::glSmooth);
    check(view.GridDepthFunc() >= 0x200 && view.GridDepthFunc() <= 0x207);
    check(view.MatDepthFunc() >= 0x200 && view.MatDepthFunc() <= 0x207);
    const ViewTransform& t = view.Transform();
    for (float v : {t.TranX, t.TranY, t.TranZ, t.AngleX, t.AngleY, t.AngleZ, view.ArrowScale()})
      check(std::isfinite(v));
    for (float s : {t.ScaleX, t.ScaleY, t.ScaleZ}) check(std::isfinite(s) && s != 0.0f);
    check(legend.BoxCount() >= 1 && legend.BoxCount() <= ColorLegendModel::MaxBoxCount);
    check(std::isfinite(legend.MinValAct()) && std::isfinite(legend.MaxValAct()));
    check(window.bounds.width() >= 1 && window.bounds.height() >= 1);
    check(window.state >= 0 && window.state <= 2);
    // The view still computes and draws from what was read.
    view.ComputeColors();
    (void)view.FlatColors();
    (void)view.BuildArrows();
  }
  return 0;
}
