// The session file with real view windows in an MDI area: placement, state
// and the active window come back, and a zoomed view keeps its zoom although
// restoring its size makes the window fit its scale.
#include "base/IniFile.h"
#include "platform/SessionLocation.h"
#include "tests/viewer/PopupMenuFakes.h"
#include "viewer/ProjectView.h"
#include "viewer/SessionFile.h"
#include "viewer/SessionWindow.h"
#include "viewer/TfrmGLBase.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace {

class SessionWindows : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    host_ = std::make_unique<CountingHost>(CountingHost::WriteFile(dir_.path()));
    SetSessionFileLocation(platform::SessionLocation(dir_.filePath("veltrano"), dir_.path()));
    area_.resize(1200, 900);
    area_.show();
    for (TDataKind kind : {dkCapillaryFlux, dkTemperature}) {
      auto view = std::make_unique<TfrmGLBase>(*host_, kind);
      QMdiSubWindow* sub = area_.addSubWindow(view.get());
      sub->show();
      view->ResetView();
      subs_.push_back(sub);
      views_.push_back(std::move(view));
    }
  }
  void TearDown() override {
    SetSessionFileLocation(platform::SessionLocation::Default());
    views_.clear();
  }

  TfrmGLBase& view(int i) { return static_cast<TfrmGLBase&>(*views_[std::size_t(i)]); }

  QTemporaryDir dir_;
  std::unique_ptr<CountingHost> host_;
  QMdiArea area_;
  std::vector<QMdiSubWindow*> subs_;
  std::vector<std::unique_ptr<ProjectView>> views_;
};

TEST_F(SessionWindows, PlacementZoomAndActiveWindowComeBack) {
  subs_[0]->setGeometry(30, 40, 500, 350);
  subs_[1]->setGeometry(300, 200, 640, 480);
  view(1).SetScaleX(view(1).ScaleX() * 3.0f);  // zoomed in
  view(1).SetAngleX(-40.0f);
  area_.setActiveSubWindow(subs_[0]);
  const float zoomed = view(1).ScaleX();
  SaveProjectSession(views_);
  ASSERT_TRUE(QFileInfo::exists(dir_.filePath("veltrano.session")));

  subs_[0]->setGeometry(0, 0, 300, 200);
  subs_[1]->setGeometry(10, 10, 400, 300);
  view(1).ResetView();
  view(1).SetAngleX(0.0f);
  area_.setActiveSubWindow(subs_[1]);
  ASSERT_NE(view(1).ScaleX(), zoomed);

  ASSERT_TRUE(LoadProjectSession(views_));
  EXPECT_EQ(subs_[0]->geometry(), QRect(30, 40, 500, 350));
  EXPECT_EQ(subs_[1]->geometry(), QRect(300, 200, 640, 480));
  EXPECT_EQ(view(1).ScaleX(), zoomed) << "the window's resize fitted the scale after loading";
  EXPECT_EQ(view(1).AngleX(), -40.0f);
  EXPECT_EQ(area_.activeSubWindow(), subs_[0]);
  EXPECT_FALSE(view(0).Model().PaintSuspended());
  EXPECT_FALSE(view(1).Model().PaintSuspended());
}

TEST_F(SessionWindows, MaximizedAndMinimizedStatesComeBack) {
  // An MDI area keeps at most one child maximized, so one state at a time.
  subs_[1]->setGeometry(50, 60, 520, 400);
  subs_[1]->showMaximized();
  SaveProjectSession(views_);
  subs_[1]->showNormal();
  ASSERT_TRUE(LoadProjectSession(views_));
  EXPECT_TRUE(subs_[1]->isMaximized());
  subs_[1]->showNormal();

  subs_[0]->showMinimized();
  SaveProjectSession(views_);
  subs_[0]->showNormal();
  ASSERT_TRUE(LoadProjectSession(views_));
  EXPECT_TRUE(subs_[0]->isMinimized());
  EXPECT_FALSE(subs_[1]->isMaximized());
}

TEST_F(SessionWindows, KeyWWritesOnlyItsOwnView) {
  SaveViewSession(view(1));
  const base::TIniFile ini(dir_.filePath("veltrano.session"));
  EXPECT_EQ(ini.ReadSections(), QStringList{"Temperature"});
  EXPECT_FALSE(LoadSessionFile(dir_.filePath("none.session"), {}));
}

}  // namespace
