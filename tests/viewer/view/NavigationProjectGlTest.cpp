// Navigation and sessions inside the main window with a real project: the
// status texts through the real depth-buffer pick, keys that reach the project
// through the view's MDI frame, drags, and a session bringing back the windows.
#include "tests/viewer/ProjectFakes.h"

#include "base/IniFile.h"
#include "platform/SessionLocation.h"
#include "platform/SettingsStore.h"
#include "platform/TApplication.h"
#include "tests/support/Artifacts.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/main/TfrmMain.h"
#include "viewer/project/TZolProject.h"
#include "viewer/view/SessionFile.h"
#include "viewer/view/TfrmGLBase.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>

namespace {

// Drawing-area point over grid point (x, y) in metres, seen from straight above.
QPoint pointOver(TfrmGLBase& view, float x, float y) {
  const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
  const TGrid& grid = *view.Model().Grid();
  const float px = x - grid.Width() / 2, py = y - grid.Height() / 2;
  const float ex = m[0] * px + m[4] * py + m[12];
  const float ey = m[1] * px + m[5] * py + m[13];
  const SquareViewport vp = view.OpenGL1.FrameViewport();
  const double ratio = view.OpenGL1.DevicePixelRatio();
  const double col = (vp.x + (ex + 1.0) / 2.0 * vp.side) / ratio;
  const double rowFromBottom = (vp.y + (ey + 1.0) / 2.0 * vp.side) / ratio;
  return {int(std::floor(col)),
          view.OpenGL1.Widget()->height() - 1 - int(std::floor(rowFromBottom))};
}

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
  LocaleGuard locale_{LocaleGuard::English()};
  TZolProject* project_ = nullptr;
  std::map<TDataKind, TfrmGLBase*> views_;
};

TEST_F(NavigationProject, HoverShowsTheCellAndValueUnderTheMouseAndMiddleClickItsMaterial) {
  TfrmGLBase& view = *temperature();
  frame(&view)->setGeometry(0, 0, 800, 520);
  window_->MdiArea()->setActiveSubWindow(frame(&view));
  view.ResetView();
  view.GrabFrame();
  QStringList messages;
  TApplication::SetMessageBoxHook(
      [&](QMessageBox::Icon, const QString&, const QString& text) { messages << text; });
  testsupport::saveArtifact(window_->grab().toImage(), "NavigationHoverView.png");
  // Input through the window system layer, as the display sends it.
  const auto at = [&](float x, float y) {
    return view.OpenGL1.Widget()->mapTo(window_.get(), pointOver(view, x, y));
  };
  QWindow* window = window_->windowHandle();

  QTest::mouseMove(window, at(4.5f, 3.5f));
  // Cell (5, 4) holds 504 °C; the position is that of the picked pixel.
  const QRegularExpression position(QStringLiteral(R"(^\(5,4\)=\(4\.\d{3}m,3\.\d{3}m\)$)"));
  EXPECT_TRUE(position.match(view.StaticText2->text()).hasMatch())
      << view.StaticText2->text().toStdString();
  EXPECT_EQ(view.StaticText3->text(), QStringLiteral(" 504 [°C]"));
  QTest::mouseMove(window, at(1.5f, 4.5f));  // left of the material: the boundary cell
  EXPECT_EQ(view.StaticText3->text(), QStringLiteral(" 305 [°C]"));
  QTest::mouseMove(window, view.OpenGL1.Widget()->mapTo(window_.get(), QPoint(3, 3)));
  EXPECT_EQ(view.StaticText2->text(), QString()) << "off the grid";
  EXPECT_EQ(view.StaticText3->text(), QString());

  // The middle button names the material under the mouse, and only a material.
  for (const QPoint p : {at(6.5f, 4.5f), at(1.5f, 1.5f)}) {
    QTest::mousePress(window, Qt::MiddleButton, {}, p);
    QTest::mouseRelease(window, Qt::MiddleButton, {}, p);
  }
  EXPECT_EQ(messages, QStringList{"mortar"});
  TApplication::SetMessageBoxHook(nullptr);
}

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
}

// The MDI frame has no close shortcut of its own: Ctrl+W must reach the view.
TEST_F(NavigationProject, SpaceStepsWAndCtrlWSaveTheSessionAndLeaveTheFrameOpen) {
  QMdiSubWindow* sub = frame(temperature());
  window_->MdiArea()->setActiveSubWindow(sub);
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
