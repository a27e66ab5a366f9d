#pragma once
// The material data window of a project, as the project sees it. It lives
// with the window that offers it, so that the window needs nothing of the
// project.
#include <QStringList>

class QWidget;

class MaterialView {
 public:
  virtual ~MaterialView() = default;
  // Replaces the window's text and repaints it.
  virtual void SetLines(const QStringList& lines) = 0;
  virtual void Minimize() = 0;
  // The window shown in the MDI area; destroying the MaterialView destroys it.
  virtual QWidget* Widget() = 0;
};
