#include "viewer/main/TfrmMain.h"

#include "base/Convert.h"
#include "base/Exceptions.h"
#include "platform/ProcessLauncher.h"
#include "platform/SettingsStore.h"
#include "viewer/main/ActionIcons.h"
#include "viewer/main/CommandLineFiles.h"
#include "viewer/main/MainWindowViews.h"
#include "viewer/main/TAboutBox.h"
#include "viewer/main/THistoryList.h"
#include "viewer/project/TZolProject.h"
#include "viewer/view/ProjectView.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>

namespace {

// Addresses behind Help > Contact and Help > Web.
const char* const kContactUrl = "mailto:support@orv-software.example?subject=Veltrano";
const char* const kHomeUrl = "https://www.orv-software.example/veltrano";

class QtPrompts final : public MainWindowPrompts {
 public:
  QString OpenFileName(QWidget* parent) override {
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        QStringLiteral("*.zol (*.zol);;*.vq3 (*.vq3)"));
  }
  std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& text) override {
    bool ok = false;
    const QString value =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok) return std::nullopt;
    return value;
  }
  Answer AskYesNoCancel(QWidget* parent, const QString& text) override {
    const auto b = QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
  }
  void ShowError(QWidget* parent, const QString& message) override {
    QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
  }
};

}  // namespace

TfrmMain::TfrmMain(platform::SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent),
      prompts_(std::make_unique<QtPrompts>()),
      viewFactory_(DefaultViewFactory()),
      materialFactory_(DefaultMaterialFactory()),
      programFolder_(QCoreApplication::applicationDirPath()) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Veltrano"));
  // Bounds of the normal (not maximised) window.
  setGeometry(215, 256, 812, 612);

  mdi_ = new QMdiArea(this);
  mdi_->setObjectName(QStringLiteral("MDIClient"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this] { UpdateStartAction(); });

  CreateActions();
  CreateMenus();
  CreateToolBars();
  statusBar();

  history_ = std::make_unique<THistoryList>(settings);
  history_->SetRegKey(QStringLiteral("LastFiles"));
  history_->SetBaseMenu(reopenMenu_);
  connect(history_.get(), &THistoryList::FileChosen, this,
          [this](const QString& path) { OpenProject(path); });
  history_->SetMaxItems(4);

  // Without a window manager the maximised state is only a hint: start at the
  // screen's size so the views have room either way.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  setWindowState(Qt::WindowMaximized);
}

TfrmMain::~TfrmMain() {
  // The MDI area outlives this part of the object; its activation signals
  // must not reach a half-destroyed window.
  disconnect(mdi_, nullptr, this, nullptr);
  // Newest first, each paused before it goes; the views leave the MDI area
  // with their project, before the area itself is destroyed.
  while (!projects_.empty()) {
    projects_.back()->Pause();
    RemoveProject(projects_.size() - 1);
  }
}

void TfrmMain::SetPrompts(std::unique_ptr<MainWindowPrompts> prompts) {
  if (prompts) prompts_ = std::move(prompts);
}
void TfrmMain::SetViewFactory(ViewFactory factory) {
  viewFactory_ = std::move(factory);
}
void TfrmMain::SetMaterialFactory(MaterialFactory factory) {
  materialFactory_ = std::move(factory);
}

// ---------------------------------------------------------------- actions

QAction* TfrmMain::NewAction(const char* name, const QString& caption, const QString& hint,
                             int image) {
  auto* a = new QAction(caption, this);
  a->setObjectName(QString::fromLatin1(name));
  a->setToolTip(hint);
  a->setStatusTip(hint);
  if (image >= 0) a->setIcon(ActionImage(image));
  actions_.push_back(a);
  return a;
}

QAction* TfrmMain::Action(const QString& objectName) const {
  for (QAction* a : actions_)
    if (a->objectName() == objectName) return a;
  return nullptr;
}

void TfrmMain::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const base::Exception& e) {
    ReportError(e.message());
  } catch (const std::exception& e) {
    ReportError(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ReportError(QStringLiteral("unknown failure"));
  }
}

void TfrmMain::CreateActions() {
  auto on = [this](QAction* a, std::function<void()> f) {
    connect(a, &QAction::triggered, this, [this, f = std::move(f)] { Guarded(f); });
  };

  on(NewAction("FileOpen", QStringLiteral("&Open"), QStringLiteral("File Open"), 0), [this] {
    const QString name = prompts_->OpenFileName(this);
    if (!name.isEmpty()) OpenProject(name);
  });

  QAction* start = NewAction("MovieStart", QStringLiteral("&Start"), QStringLiteral("Start"), 1);
  start->setShortcut(QKeySequence(Qt::Key_F5));
  on(start, [this] {
    if (TZolProject* p = ActiveViewProject()) {
      if (p->IsPlaying())
        p->Pause();
      else
        p->Play();
    }
    UpdateStartAction();
  });

  QAction* reset = NewAction("MovieReset", QStringLiteral("&Reset"), QStringLiteral("Reset"), 3);
  reset->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
  on(reset, [this] {
    if (TZolProject* p = ActiveViewProject()) {
      p->Rewind();
      p->UpdateViews();
    }
    UpdateStartAction();
  });

  on(NewAction("MovieRestart", QStringLiteral("Restart"), QStringLiteral("Restart"), -1), [this] {
    if (TZolProject* p = ActiveViewProject()) {
      p->Rewind();
      p->Play();
    }
    UpdateStartAction();
  });

  // Playing every project at once is not offered: the command is shown greyed.
  QAction* all =
      NewAction("MovieStartAll", QStringLiteral("Start &all"), QStringLiteral("Start all"), -1);
  all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
  all->setEnabled(false);

  QAction* go = NewAction("MovieGoto", QStringLiteral("Goto..."), QString(), -1);
  go->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  on(go, [this] {
    if (TZolProject* p = ActiveViewProject()) p->GotoStep();
  });

  // X- adds and X+ subtracts; Y and Z add for plus and subtract for minus.
  struct Rot {
    const char* name;
    const char* caption;
    int image;
    int axis;
    float sign;
  };
  const Rot rotations[] = {{"curlxm", "Rotate X -", 4, 0, +1}, {"curlxp", "Rotate X +", 5, 0, -1},
                           {"curlym", "Rotate Y -", 6, 1, -1}, {"curlyp", "Rotate Y +", 7, 1, +1},
                           {"curlzm", "Rotate Z -", 8, 2, -1}, {"curlzp", "Rotate Z +", 9, 2, +1}};
  for (const Rot& r : rotations) {
    const QString caption = QString::fromLatin1(r.caption);
    on(NewAction(r.name, caption, caption, r.image),
       [this, axis = r.axis, sign = r.sign] { Rotate(axis, sign * angleStep_); });
  }

  on(NewAction("viewreset", QStringLiteral("Reset"), QStringLiteral("Reset"), 10), [this] {
    if (ProjectView* v = ActiveView()) ResetActiveViewTransform(*v);
  });
  on(NewAction("angle", QStringLiteral("Angle"), QStringLiteral("Edit Angle"), 11),
     [this] { EditAngleStep(); });
  on(NewAction("Graph2D", QStringLiteral("Graph2D"), QStringLiteral("View 2D Graphs"), 12),
     [this] { LaunchGraph(); });

  // Menu items without a tool button.
  on(NewAction("closeprojects1", QStringLiteral("&Close Project..."), QString(), -1),
     [this] { CloseProjects(); });
  QAction* exit = NewAction("FileExitItem", QStringLiteral("&Exit Veltrano"),
                            QStringLiteral("close all projects and exit Veltrano"), -1);
  exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  on(exit, [this] { close(); });
  on(NewAction("WindowTileItemVert", QStringLiteral("Tile &Vertically"), QString(), -1),
     [this] { TileWindows(TileDirection::Vertical); });
  on(NewAction("WindowTileItemHorz", QStringLiteral("Tile &Horizontally"), QString(), -1),
     [this] { TileWindows(TileDirection::Horizontal); });
  on(NewAction("WindowCascadeItem", QStringLiteral("&Overlap"), QString(), -1),
     [this] { mdi_->cascadeSubWindows(); });
  on(NewAction("Materials1", QStringLiteral("&Material data"), QString(), -1),
     [this] { ToggleMaterialOfActiveChild(); });
  on(NewAction("HelpAboutItem", QStringLiteral("&About"), QString(), -1),
     [this] { ShowAboutBox(this, ActiveView()); });
  on(NewAction("N2", QStringLiteral("Co&ntact..."), QString(), -1),
     [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kContactUrl))); });
  on(NewAction("OrvontheWeb1", QStringLiteral("Quro on the &Web"), QString(), -1),
     [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomeUrl))); });
}

void TfrmMain::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(Action(QStringLiteral("FileOpen")));
  reopenMenu_ = file->addMenu(QStringLiteral("&Reopen"));
  reopenMenu_->setObjectName(QStringLiteral("Reopen1"));
  file->addSeparator();
  file->addAction(Action(QStringLiteral("closeprojects1")));
  file->addSeparator();
  file->addAction(Action(QStringLiteral("FileExitItem")));

  QMenu* movie = menuBar()->addMenu(QStringLiteral("&Movie"));
  movie->addAction(Action(QStringLiteral("MovieStart")));
  movie->addAction(Action(QStringLiteral("MovieReset")));
  movie->addAction(Action(QStringLiteral("MovieRestart")));
  movie->addSeparator();
  movie->addAction(Action(QStringLiteral("MovieStartAll")));
  movie->addSeparator();
  movie->addAction(Action(QStringLiteral("MovieGoto")));

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addAction(Action(QStringLiteral("WindowTileItemVert")));
  view->addAction(Action(QStringLiteral("WindowTileItemHorz")));
  view->addAction(Action(QStringLiteral("WindowCascadeItem")));
  view->addSeparator();
  // The menu entry shows the graph program under its own caption and hint;
  // it triggers the same command as the tool button.
  auto* graph = new QAction(QStringLiteral("&Plenvy (1D)"), this);
  graph->setObjectName(QStringLiteral("Plenvy1D1"));
  graph->setIcon(ActionImage(12));
  const QString graphHint = QStringLiteral("Launch the result viewer \"Plenvy 1D\"");
  graph->setToolTip(graphHint);
  graph->setStatusTip(graphHint);
  connect(graph, &QAction::triggered, Action(QStringLiteral("Graph2D")), &QAction::trigger);
  view->addAction(graph);
  view->addAction(Action(QStringLiteral("Materials1")));

  QMenu* view3d = menuBar()->addMenu(QStringLiteral("View3&D"));
  for (const char* n : {"curlxm", "curlxp", "curlym", "curlyp", "curlzm", "curlzp", "viewreset"})
    view3d->addAction(Action(QString::fromLatin1(n)));
  view3d->addSeparator();
  view3d->addAction(Action(QStringLiteral("angle")));

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addSeparator();
  help->addAction(Action(QStringLiteral("HelpAboutItem")));
  help->addAction(Action(QStringLiteral("N2")));
  help->addAction(Action(QStringLiteral("OrvontheWeb1")));
}

void TfrmMain::CreateToolBars() {
  QToolBar* first = addToolBar(QStringLiteral("File and movie"));
  first->setObjectName(QStringLiteral("ToolBar1"));
  first->addAction(Action(QStringLiteral("FileOpen")));
  first->addSeparator();
  first->addAction(Action(QStringLiteral("MovieStart")));
  first->addAction(Action(QStringLiteral("MovieReset")));

  QToolBar* second = addToolBar(QStringLiteral("View 3D"));
  second->setObjectName(QStringLiteral("ToolBar2"));
  for (const char* n : {"curlxm", "curlxp", "curlym", "curlyp", "curlzm", "curlzp"})
    second->addAction(Action(QString::fromLatin1(n)));
  second->addSeparator();
  second->addAction(Action(QStringLiteral("angle")));
  second->addSeparator();
  second->addAction(Action(QStringLiteral("viewreset")));

  QToolBar* third = addToolBar(QStringLiteral("Graphs"));
  third->setObjectName(QStringLiteral("ToolBar3"));
  // The button carries the graph program's name; the action keeps its own hint.
  auto* button = new QAction(ActionImage(12), QStringLiteral("Graph2D"), this);
  button->setObjectName(QStringLiteral("Graph2DButton"));
  const QString hint = QStringLiteral("Launch the result viewer \"Plenvy (1D)\"");
  button->setToolTip(hint);
  button->setStatusTip(hint);
  connect(button, &QAction::triggered, Action(QStringLiteral("Graph2D")), &QAction::trigger);
  third->addAction(button);
}

// ---------------------------------------------------------------- projects

bool TfrmMain::OpenProject(const QString& fileName) {
  const QString path = QFileInfo(fileName).absoluteFilePath();
  bool opened = false;
  Guarded([&] {
    auto project = std::make_unique<TZolProject>(*this, path);
    projects_.push_back(std::move(project));
    opened = true;
    AddToHistory(path);
  });
  // A project that failed half-way has taken its views with it.
  if (!opened) DropEmptyFrames();
  UpdateStartAction();
  return opened;
}

void TfrmMain::AddToHistory(const QString& fileName) {
  history_->Add(fileName);
  QString error;
  if (!history_->SaveToRegistry(&error)) statusBar()->showMessage(error, 5000);
}

void TfrmMain::OpenCommandLine(const QStringList& parameters) {
  const auto exists = [](const QString& p) { return QFileInfo(p).isFile(); };
  // The window stays as it is; the shell gets a hint for a mistyped name.
  for (const QString& line : NoSuchFileLines(parameters, exists))
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  for (const QString& f : FilesFromCommandLine(parameters, exists)) OpenProject(f);
}

QStringList TfrmMain::GraphArguments() const {
  QStringList files;
  for (const auto& p : projects_) files << p->FileName();
  return platform::GraphProgramArguments(files);
}

void TfrmMain::LaunchGraph() {
  QStringList files;
  for (const auto& p : projects_) files << p->FileName();
  // A missing graph program changes nothing in the viewer.
  platform::LaunchGraphProgram(programFolder_, files);
}

void TfrmMain::CloseProjects() {
  // Newest first; every project is asked about, whatever the answers before.
  for (std::size_t i = projects_.size(); i-- > 0;) {
    TZolProject& p = *projects_[i];
    p.Pause();
    const QString name = QFileInfo(p.FileName()).completeBaseName();
    const auto answer =
        prompts_->AskYesNoCancel(this, QStringLiteral("Close Project %1?").arg(name));
    if (answer == MainWindowPrompts::Answer::Yes) RemoveProject(i);
  }
  UpdateStartAction();
}

void TfrmMain::RemoveProject(std::size_t index) {
  // Out of the list first: while a project goes, its windows leave the MDI
  // area and the activation handlers walk the list, which must not hold it
  // (or an empty slot) then.
  std::unique_ptr<TZolProject> doomed = std::move(projects_[index]);
  projects_.erase(projects_.begin() + static_cast<std::ptrdiff_t>(index));
  doomed.reset();
  DropEmptyFrames();
}

void TfrmMain::DropEmptyFrames() {
  for (QMdiSubWindow* sub : mdi_->subWindowList())
    if (!sub->widget()) delete sub;
}

void TfrmMain::EditAngleStep() {
  QString text = QLocale().toString(static_cast<double>(angleStep_), 'g', 7);
  for (;;) {
    const auto answer = prompts_->AskText(this, QStringLiteral("View3d:Angle"),
                                          QStringLiteral("Enter angle of increment"), text);
    if (!answer) return;
    // The step is stored as a single, and a non-finite one would make the
    // next rotation's angle non-finite: those count as no number.
    double value = 0;
    if (base::TryStrToFloat(*answer, value) && std::isfinite(value) &&
        std::fabs(value) <= double(std::numeric_limits<float>::max())) {
      angleStep_ = static_cast<float>(value);
      return;
    }
    // Not a number: ask again with the unchanged step, without a message.
    text = QLocale().toString(static_cast<double>(angleStep_), 'g', 7);
  }
}

void TfrmMain::TileWindows(TileDirection direction) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
    if (w->isVisible() && !w->isMinimized()) windows << w;
  const std::vector<QRect> rects =
      TileRects(mdi_->viewport()->rect(), static_cast<int>(windows.size()), direction);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    QMdiSubWindow* w = windows[static_cast<qsizetype>(i)];
    if (w->isMaximized()) w->showNormal();
    w->setGeometry(rects[i]);
  }
}

// ---------------------------------------------------------------- active child

TZolProject* TfrmMain::ProjectOfChild(QMdiSubWindow* child, bool* isMaterialWindow) const {
  if (isMaterialWindow) *isMaterialWindow = false;
  if (!child) return nullptr;
  QWidget* inner = child->widget();
  for (const auto& p : projects_) {
    for (const auto& v : p->Views())
      if (v->Widget() == inner) return p.get();
    if (p->MaterialWindow() && p->MaterialWindow()->Widget() == inner) {
      if (isMaterialWindow) *isMaterialWindow = true;
      return p.get();
    }
  }
  return nullptr;
}

TZolProject* TfrmMain::ActiveViewProject() const {
  bool material = false;
  TZolProject* p = ProjectOfChild(mdi_->activeSubWindow(), &material);
  return material ? nullptr : p;
}

ProjectView* TfrmMain::ActiveView() const {
  QMdiSubWindow* child = mdi_->activeSubWindow();
  if (!child) return nullptr;
  for (const auto& p : projects_)
    for (const auto& v : p->Views())
      if (v->Widget() == child->widget()) return v.get();
  return nullptr;
}

void TfrmMain::UpdateStartAction() {
  TZolProject* p = ActiveViewProject();
  if (!p) return;
  QAction* start = Action(QStringLiteral("MovieStart"));
  const bool playing = p->IsPlaying();
  start->setText(playing ? QStringLiteral("&Stop") : QStringLiteral("&Start"));
  const QString hint = playing ? QStringLiteral("Stop") : QStringLiteral("Start");
  start->setToolTip(hint);
  start->setStatusTip(hint);
  start->setIcon(ActionImage(playing ? 2 : 1));
}

void TfrmMain::Rotate(int axis, float delta) {
  if (ProjectView* v = ActiveView()) RotateActiveView(*v, axis, delta);
}

void TfrmMain::ToggleMaterialOfActiveChild() {
  bool material = false;
  if (TZolProject* p = ProjectOfChild(mdi_->activeSubWindow(), &material)) {
    p->ToggleMaterialWindow();
    DropEmptyFrames();
  }
}

// ---------------------------------------------------------------- ProjectOwner

QMdiSubWindow* TfrmMain::AddChild(QWidget* widget, bool isView) {
  auto* sub = new QMdiSubWindow;
  sub->setWidget(widget);
  // Sized before the area places it, so that the placement sees the size.
  // A view takes a sixth of the area, so that a project's views are seen
  // whole side by side, yet never less than its drawing beside the side
  // panel needs; another window keeps its own size. Either stays within the
  // area when the area has a size yet.
  const QSize area = mdi_->viewport()->size();
  QSize size = isView
                   ? QSize(area.width() / 3, area.height() / 2).expandedTo(sub->minimumSizeHint())
                   : widget->size();
  if (area.width() > 100 && area.height() > 100) size = size.boundedTo(area);
  sub->resize(size);
  mdi_->addSubWindow(sub);
  // The frame lives as long as its window: closing only minimises it, and
  // the frame goes when its owner (project) destroys the window.
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  sub->installEventFilter(this);
  // Ctrl+W belongs to the views (save session); the frame's Close entry
  // keeps its menu place without the shortcut.
  if (QMenu* menu = sub->systemMenu()) {
    for (QAction* a : menu->actions())
      if (a->shortcut() == QKeySequence(QKeySequence::Close)) a->setShortcuts({});
  }
  // The window is destroyed inside its frame, which cannot go at that moment;
  // the frame goes as soon as the event loop (or the next sweep) gets to it.
  connect(widget, &QObject::destroyed, this, [this] {
    QMetaObject::invokeMethod(this, &TfrmMain::DropEmptyFrames, Qt::QueuedConnection);
  });
  sub->show();
  return sub;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(watched)) {
      event->ignore();
      sub->showMinimized();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

std::unique_ptr<ProjectView> TfrmMain::CreateView(TZolProject& project, TDataKind kind) {
  if (!viewFactory_) throw base::Exception(QStringLiteral("no view window available"));
  std::unique_ptr<ProjectView> view = viewFactory_(project, kind);
  if (!view) throw base::Exception(QStringLiteral("the view window could not be created"));
  QMdiSubWindow* sub = AddChild(view->Widget(), true);
  mdi_->setActiveSubWindow(sub);
  return view;
}

std::unique_ptr<MaterialView> TfrmMain::CreateMaterialWindow(TZolProject& project) {
  if (!materialFactory_) throw base::Exception(QStringLiteral("no material window available"));
  std::unique_ptr<MaterialView> window = materialFactory_(project);
  if (!window) throw base::Exception(QStringLiteral("the material window could not be created"));
  window->Widget()->setWindowTitle(project.FileName());
  QMdiSubWindow* sub = AddChild(window->Widget(), false);
  mdi_->setActiveSubWindow(sub);
  return window;
}

std::optional<QString> TfrmMain::AskText(const QString& caption, const QString& prompt,
                                         const QString& text) {
  return prompts_->AskText(this, caption, prompt, text);
}

void TfrmMain::ReportError(const QString& message) {
  prompts_->ShowError(this, message);
}
