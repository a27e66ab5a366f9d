// The main window with real view windows on the X display: files opened from
// the command line, playback that advances, closing projects while they play.
#include "ProjectFakes.h"

#include "platform/SettingsStore.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/TZolProject.h"
#include "viewer/TfrmGLBase.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

void RunEventsFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

class MainWindowGlTest : public testing::Test {
 protected:
  void SetUp() override {
    store_ = std::make_unique<platform::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
    window_ = std::make_unique<TfrmMain>(*store_);
    auto prompts = std::make_unique<FakePrompts>();
    prompts_ = prompts.get();
    window_->SetPrompts(std::move(prompts));
    window_->showNormal();
    window_->setGeometry(40, 40, 1200, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  // A grid big enough to show a pattern: 12 x 9 lines, one material.
  QString File(const QString& name, std::initializer_list<int> kinds, int steps) {
    resultwriter::ResultFileSpec spec = SmallSpec(kinds, 0);
    spec.x.clear();
    spec.y.clear();
    for (int i = 0; i < 12; ++i) spec.x.push_back(0.05F * static_cast<float>(i));
    for (int j = 0; j < 9; ++j) spec.y.push_back(0.05F * static_cast<float>(j));
    resultwriter::Ranges ranges{};
    for (auto& r : ranges) r = {0.0F, static_cast<float>(100 * steps)};
    spec.ranges = ranges;
    resultwriter::addNumberedSteps(spec, steps);
    return WriteResultFile(spec, dir_.path(), name);
  }
  QAction* Act(const char* name) { return window_->Action(QString::fromLatin1(name)); }

  QTemporaryDir dir_;
  std::unique_ptr<platform::SettingsStore> store_;
  std::unique_ptr<TfrmMain> window_;
  FakePrompts* prompts_ = nullptr;
};

TEST_F(MainWindowGlTest, TwoFilesOpenWithAViewPerFieldKind) {
  const QString a = File(QStringLiteral("a.vq3"), {0, 2}, 4);
  const QString b = File(QStringLiteral("b.vq3"), {1, 6}, 4);
  window_->OpenCommandLine({a, b});
  ASSERT_EQ(window_->Projects().size(), 2u);
  std::vector<TDataKind> kinds;
  for (const auto& p : window_->Projects())
    for (const auto& v : p->Views()) {
      EXPECT_NE(dynamic_cast<TfrmGLBase*>(v.get()), nullptr);
      kinds.push_back(v->Kind());
    }
  EXPECT_EQ(kinds,
            (std::vector<TDataKind>{dkTemperature, dkWatercontent, dkHeatFlux, dkRelHumidity}));
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 4);
  ASSERT_NE(window_->ActiveView(), nullptr);
  EXPECT_EQ(window_->ActiveView()->Kind(), dkRelHumidity);
  EXPECT_TRUE(window_->ActiveView()->Widget()->windowTitle().endsWith(QStringLiteral("(") + b +
                                                                      QStringLiteral(")")));

  Act("WindowTileItemVert")->trigger();
  RunEventsFor(300);
  const QImage shot = window_->grab().toImage();
  testsupport::saveArtifact(shot, QStringLiteral("main-window-tiled.png"));
  // The views draw: the tiled area is not one flat colour.
  const QRect area = window_->MdiArea()->geometry();
  QSet<QRgb> colours;
  for (int x = area.left() + 10; x < area.right(); x += 37)
    for (int y = area.top() + 10; y < area.bottom(); y += 29) colours.insert(shot.pixel(x, y));
  EXPECT_GT(colours.size(), 8);
}

TEST_F(MainWindowGlTest, PlayingForASecondAdvancesTheSteps) {
  window_->OpenProject(File(QStringLiteral("film.vq3"), {0, 2, 5}, 40));
  TZolProject& p = *window_->Projects().front();
  const auto before = p.StepsShown();
  Act("MovieStart")->trigger();
  EXPECT_EQ(Act("MovieStart")->text(), QStringLiteral("&Stop"));
  RunEventsFor(1000);
  Act("MovieStart")->trigger();
  EXPECT_FALSE(p.IsPlaying());
  EXPECT_GT(p.StepsShown(), before + 5);
  const auto at = p.CurrentStepIndex();
  RunEventsFor(100);
  EXPECT_EQ(p.CurrentStepIndex(), at);
}

TEST_F(MainWindowGlTest, ClosingProjectsWhilePlayingNeitherCrashesNorHangs) {
  const QString f = File(QStringLiteral("loop.vq3"), {0, 4}, 6);
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(window_->OpenProject(f));
    window_->Projects().back()->Play();
    RunEventsFor(i % 4);
    prompts_->answers = {MainWindowPrompts::Answer::Yes};
    Act("closeprojects1")->trigger();
    ASSERT_TRUE(window_->Projects().empty());
  }
  RunEventsFor(50);
  EXPECT_TRUE(window_->MdiArea()->subWindowList().isEmpty());
  EXPECT_LT(t.elapsed(), 120000);
}

}  // namespace
