#pragma once
// The material window of a project: a text window that lists the material
// data of the cell under the mouse in one of the project's views. The project
// opens it, fills it through SetLines whenever the hovered material changes
// and closes it again.
#include "viewer/widgets/MaterialView.h"
#include "viewer/widgets/TViewer.h"

class TZolProject;

class TFormMaterial : public TViewer, public MaterialView {
  Q_OBJECT

 public:
  // The first line asks for a mouse movement until the project lists a
  // material.
  explicit TFormMaterial(TZolProject* project, QWidget* parent = nullptr);

  TZolProject* ProjectManager() const { return project_; }

  // MaterialView
  void SetLines(const QStringList& lines) override { TViewer::SetLines(lines); }
  // Minimises the MDI frame around the window (or the window itself).
  void Minimize() override;
  QWidget* Widget() override { return this; }

 private:
  TZolProject* project_;
};
