// The main window with fake views: opening files, routing commands to the
// active view's project and the Close Project walk.
#include "ProjectFakes.h"

#include "platform/SettingsStore.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/THistoryList.h"
#include "viewer/TZolProject.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMdiArea>
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
  EXPECT_EQ(window_->GraphArguments(),
            (QStringList{QStringLiteral("-f"), b, QStringLiteral("-f"), a}));
  EXPECT_EQ(store_->value(QStringLiteral("LastFiles"), QStringLiteral("File0")), a);
  window_->History().BaseMenu()->actions().constLast()->trigger();
  EXPECT_EQ(window_->Projects().size(), 3u) << "a recent file opens as a further project";
}

TEST_F(MainWindowTest, RefusedFilesShowTheMessageAndLeaveNothingBehind) {
  const QString junk = dir_.filePath(QStringLiteral("junk.vq3"));
  QFile f(junk);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a result file at all, not even close to one");
  f.close();
  prompts_->openFile = junk;
  Act("FileOpen")->trigger();
  EXPECT_EQ(prompts_->errors, QStringList{QStringLiteral("unsupported Filetype or Fileversion")});

  // A header followed by half a step: the first step cannot be read.
  resultwriter::Layout layout;
  QByteArray bytes = resultwriter::writeBytes(SmallSpec({0, 2}, 0), &layout);
  bytes.append(QByteArray(static_cast<int>(layout.stepSize / 2), '\0'));
  QFile g(dir_.filePath(QStringLiteral("nostep.vq3")));
  ASSERT_TRUE(g.open(QIODevice::WriteOnly));
  g.write(bytes);
  g.close();
  EXPECT_FALSE(window_->OpenProject(g.fileName()));
  EXPECT_EQ(prompts_->errors.size(), 2);
  EXPECT_TRUE(window_->Projects().empty());
  EXPECT_EQ(window_->History().Count(), 0);
  EXPECT_TRUE(window_->MdiArea()->subWindowList().isEmpty());
  EXPECT_EQ(log_.alive, 0);
}

TEST_F(MainWindowTest, CommandsReachOnlyTheActiveProjectAndGotoShowsConversionErrors) {
  for (const char* name : {"MovieStart", "MovieGoto", "curlxp", "Materials1"}) Act(name)->trigger();
  EXPECT_TRUE(prompts_->textPrompts.isEmpty());  // no active view: nothing happens
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

}  // namespace
