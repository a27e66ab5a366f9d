#include "viewer/main/MainWindowViews.h"

#include "viewer/project/TZolProject.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/widgets/TFormMaterial.h"

TfrmMain::ViewFactory DefaultViewFactory() {
  return [](TZolProject& project, TDataKind kind) -> std::unique_ptr<ProjectView> {
    return std::make_unique<TfrmGLBase>(project, kind);
  };
}

TfrmMain::MaterialFactory DefaultMaterialFactory() {
  return [](TZolProject& project) -> std::unique_ptr<MaterialView> {
    return std::make_unique<TFormMaterial>(&project);
  };
}

void RotateActiveView(ProjectView& view, int axis, float degrees) {
  auto* form = dynamic_cast<TfrmGLBase*>(&view);
  if (!form) return;
  // Set on this view's own transform, not through the shared setters: the
  // tool-bar rotations turn the active view alone.
  ViewTransform& t = form->Model().TransformForUpdate();
  float ViewTransform::*angle = axis == 0   ? &ViewTransform::AngleX
                                : axis == 1 ? &ViewTransform::AngleY
                                            : &ViewTransform::AngleZ;
  t.*angle += degrees;
  form->FormPaint();
}

void ResetActiveViewTransform(ProjectView& view) {
  auto* form = dynamic_cast<TfrmGLBase*>(&view);
  if (!form) {
    view.ResetView();
    return;
  }
  form->Model().ResetRotation();
  form->ResetView();
  form->FormPaint();
}
