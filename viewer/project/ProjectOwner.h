#pragma once
// What a project (TZolProject) needs from the window that keeps it: views and
// the material window to be made and shown, the prompt of the Goto command,
// error reports and the Start/Stop state of the main window. TfrmMain is the
// real owner; tests supply fakes, so projects run headless.
#include "resultdata/TDataKind.h"
#include "viewer/widgets/MaterialView.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ProjectView;
class TZolProject;

class ProjectOwner {
 public:
  virtual ~ProjectOwner() = default;

  // Called after every Play and Pause of a project.
  virtual void UpdateStartAction() = 0;

  // A new view of `kind` for `project`, already shown as an MDI child (the
  // last one made is on top and active). May throw base::Exception.
  virtual std::unique_ptr<ProjectView> CreateView(TZolProject& project, TDataKind kind) = 0;

  // The project's material window, shown as an MDI child with the project's
  // file name as caption.
  virtual std::unique_ptr<MaterialView> CreateMaterialWindow(TZolProject& project) = 0;

  // A one-line prompt; nullopt on Cancel.
  virtual std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                         const QString& text) = 0;

  // Shows a failure that ended a command (a step that could not be read).
  virtual void ReportError(const QString& message) = 0;
};
