#include "viewer/widgets/TFormMaterial.h"

#include <QMdiSubWindow>

TFormMaterial::TFormMaterial(TZolProject* project, QWidget* parent)
    : TViewer(parent), project_(project) {
  setObjectName(QStringLiteral("FormMaterial"));
  setWindowTitle(QStringLiteral("FormMaterial"));
  resize(859, 588);
  SetLines({QStringLiteral("Move the mouse to update")});
}

void TFormMaterial::Minimize() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    frame->showMinimized();
  else
    showMinimized();
}
