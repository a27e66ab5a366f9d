#pragma once
// A project over a writer-made file that records the commands a view gives
// it, and a window surface whose pick maps window pixels onto the scene.
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/view/ViewModel.h"
#include "viewer/view/ViewNavigation.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// 11 x 9 nodes of unit cells. Material 1 ("brick") in columns 4..6 and
// material 2 ("mortar") in column 7, both in rows 3..6. Kinds 0, 2 and 4 in
// two steps; the temperature of cell (i, j) is 100 i + j (+ 1000 in step 2).
resultwriter::ResultFileSpec NavigationTestContent(int version = 2);

// Writes the description into a private folder first, for the host to open.
struct NavigationTestFolder {
  explicit NavigationTestFolder(const resultwriter::ResultFileSpec& description);
  QTemporaryDir dir;
  QString path;
};

class NavigationTestHost : private NavigationTestFolder, public ViewFileHost {
 public:
  explicit NavigationTestHost(const resultwriter::ResultFileSpec& description)
      : NavigationTestFolder(description), ViewFileHost(path) {}

  // Every command as a word, e.g. "StepForward" or "ShowMaterial 1".
  QStringList Calls;
  bool SessionExists = false;

  void Pause() override { Calls << QStringLiteral("Pause"); }
  void StepForward() override;
  void StepBack() override;
  void GotoStep() override { Calls << QStringLiteral("GotoStep"); }
  void UpdateViews() override { Calls << QStringLiteral("UpdateViews"); }
  bool LoadSession() override;
  void SaveSession() override { Calls << QStringLiteral("SaveSession"); }
  void ShowMaterial(int index) override { Calls << QStringLiteral("ShowMaterial %1").arg(index); }
};

// Picking is a top view with `PixelsPerMetre` and the scene origin in the
// middle of the viewport; Background makes every pick miss.
class FakeNavigationSurface : public NavigationSurface {
 public:
  QSize Viewport{400, 300};
  double PixelsPerMetre = 20;
  bool Background = false;
  QStringList Messages;
  int ViewSaves = 0;
  QString CellText, ValueText;
  std::vector<std::optional<QRect>> ZoomBoxes;

  // Window point (top-left origin) over grid point (gx, gy) in metres.
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

// A temperature view with its navigation beside another scalar view and a
// vector view of the same project, on an English locale.
struct NavigationScene {
  explicit NavigationScene(int version = 2);
  const ViewTransform& t() const { return model.Transform(); }

  LocaleGuard locale{LocaleGuard::English()};
  NavigationTestHost host;
  ColorLegendModel legend, otherLegend, vectorLegend;
  ViewModel model, otherScalar, vector;
  FakeNavigationSurface surface;
  ViewNavigation nav;
  int repaints = 0;
};
