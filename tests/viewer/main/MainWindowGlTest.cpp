// The main window with real view windows on the X display: opening files,
// commands for the active view's project, playback, and closing projects.
#include "tests/viewer/ProjectFakes.h"

#include "platform/SettingsStore.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/main/THistoryList.h"
#include "viewer/project/TZolProject.h"
#include "viewer/view/TfrmGLBase.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMdiArea>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

namespace {

class MainWindowGlTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<TfrmMain>(store_);
    auto prompts = std::make_unique<FakePrompts>();
    prompts_ = prompts.get();
    window_->SetPrompts(std::move(prompts));
    window_->showNormal();
    window_->setGeometry(40, 40, 1200, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  // A grid big enough to show a pattern: 12 x 9 lines, one material.
  QString File(const QString& name, std::initializer_list<int> kinds = {0, 2}, int steps = 3) {
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
  TZolProject& Project(std::size_t i) { return *window_->Projects().at(i); }
  QAction* Act(const char* name) { return window_->Action(QString::fromLatin1(name)); }

  QTemporaryDir dir_;
  platform::SettingsStore store_{dir_.filePath(QStringLiteral("s.ini"))};
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
  EXPECT_EQ(window_->History().Files(), (QStringList{b, a}));
  EXPECT_EQ(store_.value(QStringLiteral("LastFiles"), QStringLiteral("File0")), b);
  EXPECT_EQ(window_->GraphArguments(),
            (QStringList{QStringLiteral("-f"), a, QStringLiteral("-f"), b}));

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

TEST_F(MainWindowGlTest, RefusedFilesShowTheMessageAndLeaveNothingBehind) {
  const auto write = [this](const char* name, const QByteArray& bytes) {
    QFile f(dir_.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return f.fileName();
  };
  prompts_->openFile = write("junk.vq3", "not a result file at all, not even close to one");
  Act("FileOpen")->trigger();
  EXPECT_EQ(prompts_->errors, QStringList{QStringLiteral("unsupported Filetype or Fileversion")});

  // A header followed by half a step: the first step cannot be read.
  resultwriter::Layout layout;
  QByteArray bytes = resultwriter::writeBytes(SmallSpec({0, 2}, 0), &layout);
  bytes.append(QByteArray(static_cast<int>(layout.stepSize / 2), '\0'));
  EXPECT_FALSE(window_->OpenProject(write("nostep.vq3", bytes)));
  EXPECT_EQ(prompts_->errors.size(), 2);
  EXPECT_TRUE(window_->Projects().empty());
  EXPECT_EQ(window_->History().Count(), 0);
  EXPECT_TRUE(window_->MdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowGlTest, CommandsReachOnlyTheActiveProjectAndGotoShowsConversionErrors) {
  Act("MovieGoto")->trigger();  // no active view: nothing to ask
  EXPECT_TRUE(prompts_->textPrompts.isEmpty());
  window_->OpenProject(File(QStringLiteral("a.vq3"), {0}, 5));
  prompts_->texts = {QStringLiteral("3")};
  Act("MovieGoto")->trigger();
  EXPECT_EQ(Project(0).CurrentStepIndex(), 3);
  prompts_->texts = {QStringLiteral("x")};
  Act("MovieGoto")->trigger();  // the conversion error is shown, nothing escapes
  EXPECT_EQ(prompts_->errors.size(), 1);
  EXPECT_EQ(Project(0).CurrentStepIndex(), 3);
}

TEST_F(MainWindowGlTest, CloseProjectAsksAboutEveryProjectNewestFirst) {
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
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 4) << "closed views leave no empty frame";
}

// However slow the machine, playing shows step after step until stopped.
TEST_F(MainWindowGlTest, PlayingAdvancesTheStepsUntilStopped) {
  window_->OpenProject(File(QStringLiteral("film.vq3"), {0, 2, 5}, 40));
  TZolProject& p = *window_->Projects().front();
  const auto before = p.StepsShown();
  Act("MovieStart")->trigger();
  EXPECT_EQ(Act("MovieStart")->text(), QStringLiteral("&Stop"));
  EXPECT_TRUE(RunEventsUntil([&] { return p.StepsShown() > before + 5; }));
  Act("MovieStart")->trigger();
  EXPECT_FALSE(p.IsPlaying());
  const auto stopped = p.StepsShown();
  RunEventsFor(100);
  EXPECT_EQ(p.StepsShown(), stopped);
}

TEST_F(MainWindowGlTest, ClosingProjectsWhilePlayingNeitherCrashesNorHangs) {
  const QString f = File(QStringLiteral("loop.vq3"), {0, 4}, 6);
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
}

// The tool-bar rotations turn the active view alone, by the angle step with
// the sign of each button, and repaint it at once; Reset zeroes the angles
// of every scalar view of the project and fits the active one.
TEST_F(MainWindowGlTest, RotationsTurnTheActiveViewAloneAndResetZeroesTheAngles) {
  window_->OpenProject(File(QStringLiteral("turn.vq3"), {0, 2}));
  auto* active = dynamic_cast<TfrmGLBase*>(window_->ActiveView());
  ASSERT_NE(active, nullptr);
  TfrmGLBase* other = nullptr;
  for (const auto& v : Project(0).Views())
    if (v.get() != window_->ActiveView()) other = dynamic_cast<TfrmGLBase*>(v.get());
  ASSERT_NE(other, nullptr);
  struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      count += e->type() == QEvent::Paint;
      return false;
    }
  } paints;
  active->OpenGL1.Widget()->installEventFilter(&paints);
  const auto angles = [](const TfrmGLBase* v) {
    return std::array{v->AngleX(), v->AngleY(), v->AngleZ()};
  };

  const struct {
    const char* action;
    int axis;
    float degrees;
  } table[] = {{"curlxm", 0, 5},  {"curlxp", 0, -5}, {"curlym", 1, -5},
               {"curlyp", 1, 5},  {"curlzm", 2, -5}, {"curlzp", 2, 5},
               {"curlxp", 0, -5}, {"curlyp", 1, 5},  {"curlzm", 2, -5}};
  std::array<float, 3> expected{};
  for (const auto& row : table) {
    SCOPED_TRACE(row.action);
    QCoreApplication::processEvents();
    paints.count = 0;
    Act(row.action)->trigger();
    QCoreApplication::processEvents();
    expected[std::size_t(row.axis)] += row.degrees;
    EXPECT_EQ(angles(active), expected);
    EXPECT_EQ(angles(other), (std::array<float, 3>{})) << "the other view stays";
    EXPECT_GT(paints.count, 0);
  }

  other->SetAngleY(7);  // shared: both scalar views turn
  active->SetTranX(0.1f);
  active->SetScaleX(9);
  paints.count = 0;
  Act("viewreset")->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(angles(active), (std::array<float, 3>{}));
  EXPECT_EQ(angles(other), (std::array<float, 3>{}));
  EXPECT_EQ(active->TranX(), 0.0f);
  EXPECT_EQ(other->TranX(), 0.0f);
  EXPECT_FLOAT_EQ(active->ScaleX(), 1.1f / 0.55f);  // fitted to the 0.55 m wide grid
  EXPECT_GT(paints.count, 0);
}

}  // namespace
