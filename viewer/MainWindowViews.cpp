#include "viewer/MainWindowViews.h"

#include "viewer/ProjectView.h"

TfrmMain::ViewFactory DefaultViewFactory() {
  return {};
}
TfrmMain::MaterialFactory DefaultMaterialFactory() {
  return {};
}

void RotateActiveView(ProjectView&, int, float) {}
void ResetActiveViewTransform(ProjectView& view) {
  view.ResetView();
}
