// The main window with fake views: opening files (from the command line, the
// Open command and recent files), routing commands to the active view's
// project, the Close Project walk, the angle prompt, the child windows'
// close behaviour and the graph program's arguments.
#include "ProjectFakes.h"

#include "platform/SettingsStore.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/THistoryList.h"
#include "viewer/TZolProject.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>

#include <memory>

namespace {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    store_ = std::make_unique<platform::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
    window_ = std::make_unique<TfrmMain>(*store_);
    auto prompts = std::make_unique<FakePrompts>();
    prompts_ = prompts.get();
    window_->SetPrompts(std::move(prompts));
    window_->SetViewFactory(
        [this](TZolProject&, TDataKind kind) { return std::make_unique<FakeView>(log_, kind); });
    window_->SetMaterialFactory(
        [this](TZolProject&) { return std::make_unique<FakeMaterialWindow>(log_); });
    window_->show();
  }
  void TearDown() override {
    window_.reset();
    EXPECT_EQ(log_.alive, 0);
  }

  QString File(const QString& name, std::initializer_list<int> kinds = {0, 2}, int steps = 3) {
    return WriteResultFile(SmallSpec(kinds, steps), dir_.path(), name);
  }
  TZolProject& Project(std::size_t i) { return *window_->Projects().at(i); }
  QAction* Act(const char* name) { return window_->Action(QString::fromLatin1(name)); }

  QTemporaryDir dir_;
  FakeLog log_;
  std::unique_ptr<platform::SettingsStore> store_;
  std::unique_ptr<TfrmMain> window_;
  FakePrompts* prompts_ = nullptr;
};

TEST_F(MainWindowTest, StartsMaximisedWithItsCaptionAndTheFixedCommands) {
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Veltrano"));
  EXPECT_TRUE(window_->windowState() & Qt::WindowMaximized);
  EXPECT_FALSE(Act("MovieStartAll")->isEnabled()) << "playing all projects is not offered";
  EXPECT_EQ(Act("MovieStartAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
  EXPECT_EQ(Act("MovieStart")->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(Act("MovieReset")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F5));
  EXPECT_EQ(Act("MovieGoto")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
  EXPECT_EQ(Act("FileExitItem")->text(), QStringLiteral("&Exit Veltrano"));
  EXPECT_TRUE(Act("Graph2D")->isEnabled());
  for (const char* imaged : {"FileOpen", "MovieStart", "MovieReset", "curlxm", "curlzp",
                             "viewreset", "angle", "Graph2D"})
    EXPECT_FALSE(Act(imaged)->icon().isNull()) << imaged;
  EXPECT_EQ(window_->AngleStep(), 5.0F);
}

TEST_F(MainWindowTest, CommandLineOpensEachFileInOrderWithTheLowestKindActive) {
  const QString a = File(QStringLiteral("a.vq3"), {0, 2});
  const QString b = File(QStringLiteral("b.vq3"), {1, 3});
  window_->OpenCommandLine({b, a});
  ASSERT_EQ(window_->Projects().size(), 2u);
  EXPECT_EQ(Project(0).FileName(), b);
  EXPECT_EQ(Project(1).FileName(), a);
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 4);
  ASSERT_NE(window_->ActiveView(), nullptr);
  EXPECT_EQ(window_->ActiveView()->Kind(), dkWatercontent);
  EXPECT_EQ(window_->ActiveViewProject(), &Project(1));
  EXPECT_EQ(window_->History().Files(), (QStringList{a, b}));
}

TEST_F(MainWindowTest, CommandLineJoinsHalvesOfAPathWithABlank) {
  const QString spaced = File(QStringLiteral("my wall.vq3"));
  const qsizetype blank = spaced.lastIndexOf(QLatin1Char(' '));
  window_->OpenCommandLine({spaced.left(blank), spaced.mid(blank + 1)});
  ASSERT_EQ(window_->Projects().size(), 1u);
  EXPECT_EQ(Project(0).FileName(), spaced);
}

TEST_F(MainWindowTest, RefusedFileShowsTheMessageAndAddsNothing) {
  const QString junk = dir_.filePath(QStringLiteral("junk.vq3"));
  QFile f(junk);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a result file at all, not even close to one");
  f.close();
  prompts_->openFile = junk;
  Act("FileOpen")->trigger();
  EXPECT_TRUE(window_->Projects().empty());
  EXPECT_EQ(prompts_->errors, QStringList{QStringLiteral("unsupported Filetype or Fileversion")});
  EXPECT_EQ(window_->History().Count(), 0);
  EXPECT_TRUE(window_->MdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, FileWithoutAReadableStepLeavesNoWindowBehind) {
  resultwriter::ResultFileSpec spec = SmallSpec({0, 2}, 0);
  resultwriter::Layout layout;
  QByteArray bytes = resultwriter::writeBytes(spec, &layout);
  bytes.append(QByteArray(static_cast<int>(layout.stepSize / 2), '\0'));  // half a step
  const QString path = dir_.filePath(QStringLiteral("nostep.vq3"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();
  EXPECT_FALSE(window_->OpenProject(path));
  EXPECT_EQ(prompts_->errors.size(), 1);
  EXPECT_TRUE(window_->Projects().empty());
  EXPECT_TRUE(window_->MdiArea()->subWindowList().isEmpty());
  EXPECT_EQ(log_.alive, 0);
}

TEST_F(MainWindowTest, StartTogglesTheActiveProjectAndTheActionShowsTheState) {
  window_->OpenProject(File(QStringLiteral("a.vq3")));
  QAction* start = Act("MovieStart");
  start->trigger();
  EXPECT_TRUE(Project(0).IsPlaying());
  EXPECT_EQ(start->text(), QStringLiteral("&Stop"));
  EXPECT_EQ(start->toolTip(), QStringLiteral("Stop"));
  start->trigger();
  EXPECT_FALSE(Project(0).IsPlaying());
  EXPECT_EQ(start->text(), QStringLiteral("&Start"));

  Project(0).StepForward();
  Act("MovieRestart")->trigger();
  EXPECT_TRUE(Project(0).IsPlaying());
  EXPECT_EQ(start->text(), QStringLiteral("&Stop"));
  Act("MovieReset")->trigger();
  EXPECT_FALSE(Project(0).IsPlaying());
  EXPECT_EQ(Project(0).CurrentStepIndex(), 0);
  EXPECT_EQ(start->text(), QStringLiteral("&Start"));
}

TEST_F(MainWindowTest, CommandsWithoutAnActiveViewDoNothing) {
  Act("MovieStart")->trigger();
  Act("MovieGoto")->trigger();
  Act("curlxp")->trigger();
  Act("Materials1")->trigger();
  EXPECT_TRUE(prompts_->textPrompts.isEmpty());
  EXPECT_TRUE(prompts_->errors.isEmpty());
}

TEST_F(MainWindowTest, GotoPromptsForTheActiveProject) {
  window_->OpenProject(File(QStringLiteral("a.vq3"), {0}, 5));
  prompts_->texts = {QStringLiteral("3")};
  Act("MovieGoto")->trigger();
  EXPECT_EQ(Project(0).CurrentStepIndex(), 3);
  prompts_->texts = {QStringLiteral("x")};
  Act("MovieGoto")->trigger();  // the conversion error is shown, nothing escapes
  EXPECT_EQ(prompts_->errors.size(), 1);
  EXPECT_EQ(Project(0).CurrentStepIndex(), 3);
}

TEST_F(MainWindowTest, CloseProjectAsksAboutEveryProjectNewestFirst) {
  window_->OpenProject(File(QStringLiteral("one.vq3")));
  window_->OpenProject(File(QStringLiteral("two.data.vq3")));
  window_->OpenProject(File(QStringLiteral("three.vq3")));
  Project(2).Play();
  prompts_->answers = {MainWindowPrompts::Answer::Cancel, MainWindowPrompts::Answer::Yes,
                       MainWindowPrompts::Answer::No};
  Act("closeprojects1")->trigger();
  EXPECT_EQ(prompts_->questions, (QStringList{QStringLiteral("Close Project three?"),
                                              QStringLiteral("Close Project two.data?"),
                                              QStringLiteral("Close Project one?")}));
  ASSERT_EQ(window_->Projects().size(), 2u);
  EXPECT_TRUE(Project(0).FileName().endsWith(QStringLiteral("one.vq3")));
  EXPECT_TRUE(Project(1).FileName().endsWith(QStringLiteral("three.vq3")));
  EXPECT_FALSE(Project(1).IsPlaying()) << "every project is paused before its question";
  EXPECT_EQ(log_.alive, 4);
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 4) << "closed views leave no empty frame";
}

TEST_F(MainWindowTest, AngleStepPromptRetriesOnLettersAndKeepsCancel) {
  QLocale::setDefault(QLocale::c());
  prompts_->texts = {QStringLiteral("abc"), QStringLiteral("7.5")};
  Act("angle")->trigger();
  EXPECT_EQ(window_->AngleStep(), 7.5F);
  EXPECT_EQ(prompts_->textPrompts,
            (QStringList{QStringLiteral("View3d:Angle|Enter angle of increment|5"),
                         QStringLiteral("View3d:Angle|Enter angle of increment|5")}));
  prompts_->texts = {std::nullopt};
  Act("angle")->trigger();
  EXPECT_EQ(window_->AngleStep(), 7.5F);
  QLocale::setDefault(QLocale::system());
}

TEST_F(MainWindowTest, ClosingAChildWindowMinimisesItAndCtrlWStaysWithTheView) {
  window_->OpenProject(File(QStringLiteral("a.vq3")));
  QMdiSubWindow* sub = window_->MdiArea()->activeSubWindow();
  ASSERT_NE(sub, nullptr);
  for (QAction* a : sub->systemMenu()->actions())
    EXPECT_NE(a->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W)) << qPrintable(a->text());
  sub->close();
  EXPECT_TRUE(sub->isMinimized());
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 2);
  EXPECT_EQ(log_.alive, 2);
}

TEST_F(MainWindowTest, MaterialDataTogglesFromTheViewAndFromTheMaterialWindow) {
  window_->OpenProject(File(QStringLiteral("a.vq3")));
  Act("Materials1")->trigger();
  ASSERT_NE(Project(0).MaterialWindow(), nullptr);
  QMdiSubWindow* active = window_->MdiArea()->activeSubWindow();
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(active->widget(), Project(0).MaterialWindow()->Widget());
  EXPECT_EQ(active->widget()->windowTitle(), Project(0).FileName());
  Act("Materials1")->trigger();  // the material window is active: it closes
  EXPECT_EQ(Project(0).MaterialWindow(), nullptr);
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 2);
}

TEST_F(MainWindowTest, TilingVerticallyPutsTheViewsSideBySide) {
  window_->OpenProject(File(QStringLiteral("a.vq3"), {0, 1, 2}));
  Act("WindowTileItemVert")->trigger();
  const auto subs = window_->MdiArea()->subWindowList(QMdiArea::CreationOrder);
  ASSERT_EQ(subs.size(), 3);
  const int h = window_->MdiArea()->viewport()->height();
  EXPECT_EQ(subs[0]->geometry().height(), h);
  EXPECT_LT(subs[0]->geometry().right(), subs[1]->geometry().left());
  Act("WindowTileItemHorz")->trigger();
  EXPECT_EQ(subs[0]->geometry().width(), window_->MdiArea()->viewport()->width());
  EXPECT_LT(subs[0]->geometry().bottom(), subs[1]->geometry().top());
}

TEST_F(MainWindowTest, GraphProgramGetsOneFlagAndPathPerProject) {
  EXPECT_TRUE(window_->GraphArguments().isEmpty());
  const QString a = File(QStringLiteral("a.vq3")), b = File(QStringLiteral("b c.vq3"));
  window_->OpenProject(a);
  window_->OpenProject(b);
  EXPECT_EQ(window_->GraphArguments(),
            (QStringList{QStringLiteral("-f"), a, QStringLiteral("-f"), b}));
  // Without the program beside us the command changes nothing.
  window_->SetProgramFolder(dir_.filePath(QStringLiteral("nowhere")));
  Act("Graph2D")->trigger();
  EXPECT_TRUE(prompts_->errors.isEmpty());
}

TEST_F(MainWindowTest, RecentFilesAreStoredAfterEachOpeningAndReopen) {
  const QString a = File(QStringLiteral("a.vq3"));
  window_->OpenProject(a);
  EXPECT_EQ(store_->value(QStringLiteral("LastFiles"), QStringLiteral("File0")), a);
  QMenu* reopen = window_->History().BaseMenu();
  ASSERT_NE(reopen, nullptr);
  reopen->actions().constLast()->trigger();
  EXPECT_EQ(window_->Projects().size(), 2u) << "a recent file opens as a further project";
}

}  // namespace
