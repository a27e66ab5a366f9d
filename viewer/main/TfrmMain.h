#pragma once
// The main window: an MDI area holding the view windows of every open project
// and their material windows, the File, Movie, View, View3D and Help menus with
// three tool bars, and the recent-files list. It owns the projects (one per
// opened result file) and sends playback and view commands to the project or
// view of the active MDI child. It holds no result data itself.
//
// Every handler catches what it calls: a failure is shown as a message and
// never leaves the handler.
#include "viewer/main/MdiTiling.h"
#include "viewer/project/ProjectOwner.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class THistoryList;
class TZolProject;

namespace platform {
class SettingsStore;
}

// The dialogs of the main window and its projects, replaceable so that tests
// can answer them.
class MainWindowPrompts {
 public:
  enum class Answer { Yes, No, Cancel };
  virtual ~MainWindowPrompts() = default;
  // The file chosen in the Open dialog; empty on Cancel.
  virtual QString OpenFileName(QWidget* parent) = 0;
  virtual std::optional<QString> AskText(QWidget* parent, const QString& caption,
                                         const QString& prompt, const QString& text) = 0;
  virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
  virtual void ShowError(QWidget* parent, const QString& message) = 0;
};

class TfrmMain : public QMainWindow, public ProjectOwner {
  Q_OBJECT

 public:
  // Makes the view window of one kind of a project; the main window shows it.
  using ViewFactory = std::function<std::unique_ptr<ProjectView>(TZolProject&, TDataKind)>;
  // Makes the material window of a project.
  using MaterialFactory = std::function<std::unique_ptr<MaterialView>(TZolProject&)>;

  // `settings` keeps the recent-files list and must outlive the window.
  explicit TfrmMain(platform::SettingsStore& settings, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // ---- set-up (tests replace these before opening anything) ----
  void SetPrompts(std::unique_ptr<MainWindowPrompts> prompts);
  void SetViewFactory(ViewFactory factory);
  void SetMaterialFactory(MaterialFactory factory);
  // Folder the graph program is found from (default: the program's folder).
  void SetProgramFolder(const QString& folder) { programFolder_ = folder; }

  // ---- opening ----
  // Opens a result file as a new project and adds it to the recent files;
  // false (after showing the reader's message) when the file is refused.
  bool OpenProject(const QString& fileName);
  // Opens the files named by the program's parameters (see FilesFromCommandLine).
  void OpenCommandLine(const QStringList& parameters);

  // ---- state ----
  const std::vector<std::unique_ptr<TZolProject>>& Projects() const { return projects_; }
  float AngleStep() const { return angleStep_; }
  THistoryList& History() { return *history_; }
  QMdiArea* MdiArea() const { return mdi_; }
  // The project whose view window is the active MDI child, else nullptr.
  TZolProject* ActiveViewProject() const;
  ProjectView* ActiveView() const;
  // The action named `objectName` (FileOpen, MovieStart, ..., Graph2D) or the
  // plain menu item of that name (closeprojects1, ...).
  QAction* Action(const QString& objectName) const;

  // ---- ProjectOwner ----
  void UpdateStartAction() override;
  std::unique_ptr<ProjectView> CreateView(TZolProject& project, TDataKind kind) override;
  std::unique_ptr<MaterialView> CreateMaterialWindow(TZolProject& project) override;
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& text) override;
  void ReportError(const QString& message) override;

  // ---- commands (also reachable through the actions) ----
  void CloseProjects();
  void EditAngleStep();
  void TileWindows(TileDirection direction);
  void LaunchGraph();
  // The parameters the graph program gets: -f <file> per open project.
  QStringList GraphArguments() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  QAction* NewAction(const char* name, const QString& caption, const QString& hint, int image);
  // Puts a window into the MDI area as a child that minimises when closed.
  QMdiSubWindow* AddChild(QWidget* widget, bool isView);
  void AddToHistory(const QString& fileName);
  void RemoveProject(std::size_t index);
  // Deletes the MDI frames whose window has been destroyed.
  void DropEmptyFrames();
  // Runs `command` with failures shown instead of thrown.
  void Guarded(const std::function<void()>& command);
  void Rotate(int axis, float delta);
  void ToggleMaterialOfActiveChild();
  TZolProject* ProjectOfChild(QMdiSubWindow* child, bool* isMaterialWindow) const;

  std::unique_ptr<MainWindowPrompts> prompts_;
  ViewFactory viewFactory_;
  MaterialFactory materialFactory_;
  QString programFolder_;

  QMdiArea* mdi_ = nullptr;
  std::unique_ptr<THistoryList> history_;
  QMenu* reopenMenu_ = nullptr;
  std::vector<QAction*> actions_;
  std::vector<std::unique_ptr<TZolProject>> projects_;
  float angleStep_ = 5.0f;
};
