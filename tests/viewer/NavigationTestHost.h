#pragma once
// Stand-ins for the navigation tests: a project over a writer-made result
// file that records the commands a view's keys give it, and a window surface
// whose picking maps window pixels straight onto the scene.
#include "resultdata/TGrid.h"
#include "resultdata/TResultFile.h"
#include "viewer/ViewHost.h"
#include "viewer/ViewNavigation.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

namespace resultwriter {
struct ResultFileSpec;
}

// An 11 x 9 node grid of unit cells; column 1 to 10, row 1 to 8 are cells.
// Materials: 1 ("brick") in columns 4 to 6 of rows 3 to 6, 2 ("mortar") in
// column 7 of the same rows, none elsewhere. Water content (kind 0, all 0),
// temperature (kind 2) and capillary flux (kind 4) in two steps; the
// temperature of cell (i, j) is 100 i + j (+ 1000 in the second step), the
// flux 1. Header ranges: water content 0 to 100, temperature 0 to 1000, flux
// 0 to 2.
resultwriter::ResultFileSpec NavigationTestSpec(int version = 2);
int NavigationMaterialOf(int i, int j);

class NavigationTestHost : public ViewHost {
 public:
  // Writes the spec into a private folder and opens it at the first step.
  explicit NavigationTestHost(const resultwriter::ResultFileSpec& spec);
  ~NavigationTestHost() override;

  TResultFile& File() { return *reader_; }

  // Every command as a word, in order: "Pause", "StepForward", "StepBack",
  // "GotoStep", "LoadSession", "SaveSession", "ShowMaterial 1".
  QStringList Calls;
  bool SessionExists = false;
  bool Loaded = true;

  const TGrid* Grid() const override { return &grid_; }
  float RangeMin(TDataKind kind) const override;
  float RangeMax(TDataKind kind) const override;
  const float* FieldValues(TDataKind kind) const override;
  const float* FieldDirections(TDataKind kind) const override;
  const TResultFile* Reader() const override { return reader_.get(); }
  QString FileName() const override { return reader_->FileName(); }
  bool IsLoaded() const override { return Loaded; }
  void Pause() override { Calls << QStringLiteral("Pause"); }
  void StepForward() override;
  void StepBack() override;
  void GotoStep() override { Calls << QStringLiteral("GotoStep"); }
  void UpdateViews() override {}
  bool LoadSession() override;
  void SaveSession() override { Calls << QStringLiteral("SaveSession"); }
  void SavePosition() override {}
  void RestorePosition() override {}
  void ShowMaterial(int index) override;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TResultFile> reader_;
  TGrid grid_;
};

// A window surface without a window. Picking is a top view of the grid with
// `PixelsPerMetre` pixels per scene unit and the scene origin in the middle
// of the viewport; Background makes every pick miss.
class FakeNavigationSurface : public NavigationSurface {
 public:
  QSize Viewport{400, 300};
  double PixelsPerMetre = 20;
  bool Background = false;
  // Last pick asked for (bottom-left origin).
  int PickX = -1, PickY = -1;
  QStringList Messages;
  int ViewSaves = 0;
  QString CellText = QStringLiteral("unset"), ValueText = QStringLiteral("unset");
  std::vector<std::optional<QRect>> ZoomBoxes;

  // Scene point of a window point given with the top-left origin.
  double SceneX(int x) const { return (x - Viewport.width() / 2.0) / PixelsPerMetre; }
  double SceneY(int y) const {
    return (Viewport.height() - 1 - y - Viewport.height() / 2.0) / PixelsPerMetre;
  }
  // Window point (top-left origin) over grid point (gx, gy) of an 10 x 8 m grid.
  QPoint WindowPointOf(double gx, double gy) const;

  QSize ViewportSize() const override { return Viewport; }
  bool PickPoint(int x, int y, double& sceneX, double& sceneY) override;
  void ShowMessage(const QString& text) override { Messages << text; }
  void SaveViewSettings() override { ++ViewSaves; }
  void SetHoverTexts(const QString& cell, const QString& value) override {
    CellText = cell;
    ValueText = value;
  }
  void ShowZoomBox(const std::optional<QRect>& box) override { ZoomBoxes.push_back(box); }
};
