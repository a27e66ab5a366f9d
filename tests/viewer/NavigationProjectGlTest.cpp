// Navigation and sessions inside the main window with a real project: keys
// reach the project through the view's MDI frame, a drag turns the scalar
// views, and a session brings back the MDI windows.
#include "ProjectFakes.h"

#include "base/IniFile.h"
#include "platform/SessionLocation.h"
#include "platform/SettingsStore.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/SessionFile.h"
#include "viewer/TZolProject.h"
#include "viewer/TfrmGLBase.h"
#include "viewer/TfrmMain.h"

#include <gtest/gtest.h>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>
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
    resultwriter::writeFile(NavigationTestContent(), file);
    ASSERT_TRUE(window_->OpenProject(file));
    project_ = window_->Projects().front().get();
    for (const auto& v : project_->Views()) views_[v->Kind()] = dynamic_cast<TfrmGLBase*>(v.get());
    ASSERT_TRUE(temperature() && water() && flux());
  }
  void TearDown() override {
    window_.reset();
    SetSessionFileLocation(platform::SessionLocation::Default());
  }

  TfrmGLBase* temperature() { return views_[dkTemperature]; }
  TfrmGLBase* water() { return views_[dkWatercontent]; }
  TfrmGLBase* flux() { return views_[dkCapillaryFlux]; }
  static QMdiSubWindow* frame(TfrmGLBase* view) {
    return qobject_cast<QMdiSubWindow*>(view->parentWidget());
  }

  QTemporaryDir dir_;
  std::unique_ptr<platform::SettingsStore> store_;
  std::unique_ptr<TfrmMain> window_;
  TZolProject* project_ = nullptr;
  std::map<TDataKind, TfrmGLBase*> views_;
};

TEST_F(NavigationProject, DragTurnsTheScalarViewsOfTheProjectOnly) {
  window_->MdiArea()->setActiveSubWindow(frame(temperature()));
  QWindow* w = window_->windowHandle();
  const QPoint from = temperature()->OpenGL1.Widget()->mapTo(window_.get(), QPoint(60, 60));
  QTest::mousePress(w, Qt::LeftButton, {}, from);
  QTest::mouseMove(w, from + QPoint(20, -30));
  QTest::mouseRelease(w, Qt::LeftButton, {}, from + QPoint(20, -30));
  for (TfrmGLBase* scalar : {temperature(), water()}) {
    EXPECT_FLOAT_EQ(scalar->AngleX(), -3.0f);
    EXPECT_FLOAT_EQ(scalar->AngleZ(), 2.0f);
  }
  EXPECT_EQ(flux()->AngleX(), 0.0f);
  EXPECT_EQ(flux()->AngleZ(), 0.0f);
  testsupport::saveArtifact(window_->grab().toImage(), "NavigationProjectDragged.png");
}

// The MDI frame has no close shortcut of its own: Ctrl+W must reach the view.
TEST_F(NavigationProject, SpaceStepsWAndCtrlWSaveTheSessionAndLeaveTheFrameOpen) {
  QMdiSubWindow* sub = frame(temperature());
  window_->MdiArea()->setActiveSubWindow(sub);
  const auto start = project_->CurrentStepIndex();
  QTest::keyClick(temperature(), Qt::Key_Space);
  EXPECT_EQ(project_->CurrentStepIndex(), start + 1);
  project_->Play();
  const auto playing = project_->CurrentStepIndex();
  QTest::keyClick(temperature(), Qt::Key_Space);  // pauses and steps once
  EXPECT_FALSE(project_->IsPlaying());
  EXPECT_NE(project_->CurrentStepIndex(), playing);

  const QString session = dir_.filePath("veltrano.session");
  QTest::keyClick(temperature(), Qt::Key_W);
  EXPECT_EQ(base::TIniFile(session).ReadSections(), QStringList{"Temperature"});
  QTest::keyClick(temperature(), Qt::Key_W, Qt::ControlModifier);  // every view of the project
  EXPECT_EQ(base::TIniFile(session).ReadSections().size(), 3);
  EXPECT_TRUE(sub->isVisible());
  EXPECT_EQ(window_->MdiArea()->subWindowList().size(), 3);
}

using SessionWindows = NavigationProject;

// Restoring a window's size fits its view's scale; the stored zoom must win.
TEST_F(SessionWindows, PlacementZoomStateAndActiveWindowComeBack) {
  TfrmGLBase* zoomedView = temperature();
  QMdiSubWindow* subs[] = {frame(flux()), frame(zoomedView)};
  subs[0]->setGeometry(30, 40, 500, 350);
  subs[1]->setGeometry(300, 200, 640, 480);
  zoomedView->SetScaleX(zoomedView->ScaleX() * 3.0f);
  zoomedView->SetAngleX(-40.0f);
  window_->MdiArea()->setActiveSubWindow(subs[0]);
  const float zoomed = zoomedView->ScaleX();
  project_->SaveSession();

  subs[0]->setGeometry(0, 0, 300, 200);
  subs[1]->setGeometry(10, 10, 400, 300);
  zoomedView->ResetView();
  zoomedView->SetAngleX(0.0f);
  window_->MdiArea()->setActiveSubWindow(subs[1]);
  ASSERT_NE(zoomedView->ScaleX(), zoomed);
  ASSERT_TRUE(project_->LoadSession());
  EXPECT_EQ(subs[0]->geometry(), QRect(30, 40, 500, 350));
  EXPECT_EQ(subs[1]->geometry(), QRect(300, 200, 640, 480));
  EXPECT_EQ(zoomedView->ScaleX(), zoomed) << "the window's resize fitted the scale after loading";
  EXPECT_EQ(zoomedView->AngleX(), -40.0f);
  EXPECT_EQ(window_->MdiArea()->activeSubWindow(), subs[0]);
  EXPECT_FALSE(zoomedView->Model().PaintSuspended());
}

}  // namespace
