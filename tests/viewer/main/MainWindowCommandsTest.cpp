// Main-window commands that need no drawing, with fake view windows: the
// angle-step dialog, Start/Stop while a material window is active, Material
// data given from the material window, and the graph program's launch.
#include "tests/viewer/ProjectFakes.h"

#include "platform/SettingsStore.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "viewer/project/TZolProject.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <memory>

namespace {

class MainWindowCommands : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<TfrmMain>(store_);
    auto prompts = std::make_unique<FakePrompts>();
    prompts_ = prompts.get();
    window_->SetPrompts(std::move(prompts));
    window_->SetViewFactory([this](TZolProject&, TDataKind kind) -> std::unique_ptr<ProjectView> {
      return std::make_unique<FakeView>(log_, kind);
    });
    window_->SetMaterialFactory([this](TZolProject&) -> std::unique_ptr<MaterialView> {
      return std::make_unique<FakeMaterialWindow>(log_);
    });
    window_->show();
  }

  TZolProject& Open(const QString& name) {
    const QString path = WriteResultFile(SmallSpec({0, 2}, 3), dir_.path(), name);
    EXPECT_TRUE(window_->OpenProject(path));
    return *window_->Projects().back();
  }
  QAction* Act(const char* name) { return window_->Action(QString::fromLatin1(name)); }

  QTemporaryDir dir_;
  platform::SettingsStore store_{dir_.filePath(QStringLiteral("s.ini"))};
  FakeLog log_;
  std::unique_ptr<TfrmMain> window_;
  FakePrompts* prompts_ = nullptr;
};

// Letters reopen the dialog with the old step and no message; Cancel keeps
// the step; the step reads and shows with the locale's decimal comma.
TEST_F(MainWindowCommands, AngleStepDialogRetriesLettersKeepsOnCancelAndReadsTheLocale) {
  LocaleGuard german(LocaleGuard::German());
  const QString asked = QStringLiteral("View3d:Angle|Enter angle of increment|");
  const struct {
    std::vector<std::optional<QString>> answers;
    QStringList prefilled;
    float step;
  } table[] = {
      {{QStringLiteral("abc"), QStringLiteral("2,5")}, {"5", "5"}, 2.5f},
      {{QStringLiteral("7.5"), std::nullopt}, {"2,5", "2,5"}, 2.5f},  // a point is no decimal here
      {{std::nullopt}, {"2,5"}, 2.5f},
      {{QStringLiteral(" 10 ")}, {"2,5"}, 10.0f},
  };
  for (const auto& row : table) {
    prompts_->texts.assign(row.answers.begin(), row.answers.end());
    prompts_->textPrompts.clear();
    Act("angle")->trigger();
    QStringList expected;
    for (const QString& text : row.prefilled) expected << asked + text;
    EXPECT_EQ(prompts_->textPrompts, expected);
    EXPECT_FLOAT_EQ(window_->AngleStep(), row.step);
  }
  EXPECT_TRUE(prompts_->errors.isEmpty());
}

// With the material window active, Start neither plays nor pauses the
// project behind it, and the caption keeps saying what the project does.
TEST_F(MainWindowCommands, StartStopLeavesProjectAndCaptionAloneWhileAMaterialWindowIsActive) {
  TZolProject& p = Open(QStringLiteral("wall.vq3"));
  QAction* start = Act("MovieStart");
  start->trigger();
  ASSERT_TRUE(p.IsPlaying());
  EXPECT_EQ(start->text(), QStringLiteral("&Stop"));
  EXPECT_EQ(start->toolTip(), QStringLiteral("Stop"));

  Act("Materials1")->trigger();
  ASSERT_NE(p.MaterialWindow(), nullptr);
  ASSERT_EQ(window_->MdiArea()->activeSubWindow()->widget(), p.MaterialWindow()->Widget());
  start->trigger();
  EXPECT_TRUE(p.IsPlaying());
  EXPECT_EQ(start->text(), QStringLiteral("&Stop"));
  p.Pause();
  window_->UpdateStartAction();
  EXPECT_EQ(start->text(), QStringLiteral("&Stop")) << "no view is active to take the state from";

  window_->MdiArea()->setActiveSubWindow(window_->MdiArea()->subWindowList().constFirst());
  ASSERT_EQ(window_->ActiveViewProject(), &p);
  EXPECT_EQ(start->text(), QStringLiteral("&Start"));
  EXPECT_EQ(start->toolTip(), QStringLiteral("Start"));
}

// Material data from the material window closes that window, the one of the
// project it belongs to, not of the project opened last.
TEST_F(MainWindowCommands, MaterialDataFromTheMaterialWindowClosesIt) {
  TZolProject& first = Open(QStringLiteral("first.vq3"));
  TZolProject& second = Open(QStringLiteral("second.vq3"));
  QMdiArea* mdi = window_->MdiArea();
  const qsizetype frames = mdi->subWindowList().size();
  for (QMdiSubWindow* sub : mdi->subWindowList())
    if (sub->widget() == first.Views().front()->Widget()) mdi->setActiveSubWindow(sub);
  ASSERT_EQ(window_->ActiveViewProject(), &first);
  Act("Materials1")->trigger();
  ASSERT_NE(first.MaterialWindow(), nullptr);
  EXPECT_EQ(mdi->subWindowList().size(), frames + 1);

  Act("Materials1")->trigger();  // given in the material window, which is active
  EXPECT_EQ(first.MaterialWindow(), nullptr);
  EXPECT_EQ(second.MaterialWindow(), nullptr);
  EXPECT_EQ(mdi->subWindowList().size(), frames);
}

// The graph program starts even when no project is open, then with no
// files; it gets -f and a file per open project.
TEST_F(MainWindowCommands, GraphProgramStartsWithNoFilesWhenNoProjectIsOpen) {
  const QString folder = dir_.filePath(QStringLiteral("Tools/Plenvy"));
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(QDir().mkpath(dir_.filePath(QStringLiteral("bin"))));
  const QString record = dir_.filePath(QStringLiteral("arguments.txt"));
  QFile script(folder + QStringLiteral("/plenvy"));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(QStringLiteral("#!/bin/sh\necho \"$#:$*\" > '%1.part' && mv '%1.part' '%1'\n")
                   .arg(record)
                   .toUtf8());
  script.close();
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  window_->SetProgramFolder(dir_.filePath(QStringLiteral("bin")));

  const auto launched = [&] {
    QFile::remove(record);
    Act("Graph2D")->trigger();
    EXPECT_TRUE(RunEventsUntil([&] { return QFile::exists(record); }));
    QFile f(record);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
  };
  EXPECT_EQ(launched(), QStringLiteral("0:"));
  const QString a = WriteResultFile(SmallSpec({0}, 1), dir_.path(), QStringLiteral("a.vq3"));
  ASSERT_TRUE(window_->OpenProject(a));
  EXPECT_EQ(launched(), QStringLiteral("2:-f ") + a);
  EXPECT_TRUE(prompts_->errors.isEmpty());
}

}  // namespace
