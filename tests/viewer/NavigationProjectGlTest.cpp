// Navigation inside the main window with a real project: the view's keys
// step the project and save the session through the view's MDI frame (which
// has no close shortcut of its own), and a drag in one view turns the
// project's other scalar views but no vector view.
#include "ProjectFakes.h"

#include "base/IniFile.h"
#include "platform/SessionLocation.h"
#include "platform/SettingsStore.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/SessionFile.h"
#include "viewer/TColorScrollBox.h"
#include "viewer/TZolProject.h"
#include "viewer/TfrmGLBase.h"
#include "viewer/TfrmMain.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

class NavigationProject : public testing::Test {
 protected:
  void SetUp() override {
    SetSessionFileLocation(platform::SessionLocation(dir_.filePath("veltrano"), dir_.path()));
    store_ = std::make_unique<platform::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
    window_ = std::make_unique<TfrmMain>(*store_);
    window_->SetPrompts(std::make_unique<FakePrompts>());
    window_->showNormal();
    window_->setGeometry(40, 40, 1200, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    const QString file = dir_.filePath(QStringLiteral("wall.res"));
    resultwriter::writeFile(NavigationTestSpec(), file);
    ASSERT_TRUE(window_->OpenProject(file));
    project_ = window_->Projects().front().get();
  }
  void TearDown() override {
    window_.reset();
    SetSessionFileLocation(platform::SessionLocation::Default());
  }

  TfrmGLBase* view(TDataKind kind) const {
    for (const auto& v : project_->Views())
      if (v->Kind() == kind) return dynamic_cast<TfrmGLBase*>(v.get());
    return nullptr;
  }

  QTemporaryDir dir_;
  std::unique_ptr<platform::SettingsStore> store_;
  std::unique_ptr<TfrmMain> window_;
  TZolProject* project_ = nullptr;
};

TEST_F(NavigationProject, SpaceStepsOnceAndBackspaceStepsBack) {
  TfrmGLBase* temperature = view(dkTemperature);
  ASSERT_NE(temperature, nullptr);
  const auto start = project_->CurrentStepIndex();
  QTest::keyClick(temperature, Qt::Key_Space);
  EXPECT_EQ(project_->CurrentStepIndex(), start + 1);
  EXPECT_FALSE(project_->IsPlaying());

  // While playing, Space pauses and steps exactly once.
  project_->Play();
  const auto playing = project_->CurrentStepIndex();
  QTest::keyClick(temperature, Qt::Key_Space);
  EXPECT_FALSE(project_->IsPlaying());
  EXPECT_NE(project_->CurrentStepIndex(), playing);

  const auto before = project_->CurrentStepIndex();
  QTest::keyClick(temperature->csb, Qt::Key_Backspace);
  EXPECT_NE(project_->CurrentStepIndex(), before);
}

TEST_F(NavigationProject, DragTurnsTheScalarViewsOfTheProjectOnly) {
  TfrmGLBase* temperature = view(dkTemperature);
  TfrmGLBase* water = view(dkWatercontent);
  TfrmGLBase* flux = view(dkCapillaryFlux);
  ASSERT_TRUE(temperature && water && flux);
  window_->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(temperature->parentWidget()));
  QWindow* w = temperature->window()->windowHandle();
  QOpenGLWidget* area = temperature->OpenGL1.Widget();
  const QPoint from = area->mapTo(temperature->window(), QPoint(60, 60));
  QTest::mousePress(w, Qt::LeftButton, {}, from);
  QTest::mouseMove(w, from + QPoint(20, -30));
  QTest::mouseRelease(w, Qt::LeftButton, {}, from + QPoint(20, -30));
  EXPECT_FLOAT_EQ(temperature->AngleX(), -3.0f);
  EXPECT_FLOAT_EQ(temperature->AngleZ(), 2.0f);
  EXPECT_FLOAT_EQ(water->AngleX(), -3.0f);
  EXPECT_FLOAT_EQ(water->AngleZ(), 2.0f);
  EXPECT_EQ(flux->AngleX(), 0.0f);
  EXPECT_EQ(flux->AngleZ(), 0.0f);
  testsupport::saveArtifact(window_->grab().toImage(),
                            QStringLiteral("NavigationProjectDragged.png"));
}

TEST_F(NavigationProject, WAndCtrlWSaveTheSessionAndLeaveTheFrameOpen) {
  TfrmGLBase* temperature = view(dkTemperature);
  ASSERT_NE(temperature, nullptr);
  auto* frame = qobject_cast<QMdiSubWindow*>(temperature->parentWidget());
  ASSERT_NE(frame, nullptr);
  window_->MdiArea()->setActiveSubWindow(frame);
  const QString session = dir_.filePath("veltrano.session");

  QTest::keyClick(temperature, Qt::Key_W);
  ASSERT_TRUE(QFileInfo::exists(session));
  EXPECT_EQ(base::TIniFile(session).ReadSections(), QStringList{"Temperature"});

  QTest::keyClick(temperature, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(base::TIniFile(session).ReadSections().size(), 3);  // every view of the project
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 3);
}

}  // namespace
