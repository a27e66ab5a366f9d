// The view window as a whole: its parts, its registry entry, when it recomputes.
#include "gl/TTransformationManager.h"
#include "tests/support/Artifacts.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/widgets/TColorScrollBox.h"
#include "viewer/widgets/TQuroProgress.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QOpenGLWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class ViewWindow : public testing::Test {
 protected:
  ViewWindow() : host_(6, 5, ViewTestHost::AllActive(6, 5)) {
    host_.SetRange(dkTemperature, -10, 30);
    auto& v = host_.ValuesOf(dkTemperature);
    for (std::size_t k = 0; k < v.size(); ++k) v[k] = float(k % 7) * 5.0f - 10.0f;
    view_ = std::make_unique<TfrmGLBase>(host_, dkTemperature);
    view_->resize(700, 460);
    view_->show();
    view_->GrabFrame();
  }

  ViewTestHost host_;
  std::unique_ptr<TfrmGLBase> view_;
};

}  // namespace

TEST_F(ViewWindow, DrawingOnTheLeftDateLegendAndStatusOnTheRight) {
  TfrmGLBase& view = *view_;
  QWidget* area = view.OpenGL1.Widget();
  auto top = [&view](QWidget* w) { return w->mapTo(&view, QPoint()).y(); };
  EXPECT_EQ(area->x(), 0);
  EXPECT_GE(view.Panel1->x(), area->width());
  EXPECT_EQ(view.Panel1->x() + view.Panel1->width(), view.width());
  EXPECT_LT(top(view.PanelCalendar), top(view.csb));
  EXPECT_LT(top(view.csb), top(view.Panel2));
  EXPECT_TRUE(view.Panel1->isAncestorOf(view.StaticText1));

  view.SetAngleX(-35.5f);
  view.GrabFrame();  // zoom fitted to 5 m and 40 degrees
  EXPECT_EQ(view.StaticText1->text().toStdString(),
            "Rotation: x=-35.50, y=0.00, z=0.00\n"
            "Translation: x=-0.10, y=-0.07, z=-1.00\n"
            "Zoom: x=0.22, y=0.22, z=0.03");
  testsupport::saveArtifact(view.grab().toImage(), "ViewWindow.png");
}

TEST_F(ViewWindow, RegistersItsTransformWhileItLives) {
  const int count = TransformationManager().Count();
  EXPECT_EQ(TransformationManager().Items(count - 1), view_.get());
  view_.reset();
  EXPECT_EQ(TransformationManager().Count(), count - 1);
}

TEST_F(ViewWindow, RecomputesAtThePaintUnlessMinimisedOrLoading) {
  EXPECT_FALSE(view_->Model().Dirty());
  view_->ShowStep(36526.5);  // 1 January 2000, noon
  EXPECT_DOUBLE_EQ(view_->QuroProgress->CurDate(), 36526.5);
  view_->showMinimized();
  view_->GrabFrame();
  EXPECT_TRUE(view_->Model().Dirty());
  view_->showNormal();
  view_->SetLoading(true);
  view_->GrabFrame();
  EXPECT_TRUE(view_->Model().Dirty());
  view_->SetLoading(false);
  view_->GrabFrame();
  EXPECT_FALSE(view_->Model().Dirty());

  const auto before = view_->Model().Colors();
  view_->csb->Model().SetBoxColor(1, 0x00FF00);  // a legend change recomputes the colours
  EXPECT_NE(view_->Model().Colors(), before);
}

// Plain helper objects hanging off the window go before its parts, each
// exactly once, however many there are and even when one takes another
// with it.
TEST_F(ViewWindow, ClosingFreesEveryHelperOnceWhileThePartsStillExist) {
  std::vector<QString> freed;
  bool legendThere = true;
  struct Helper : QObject {
    Helper(QObject* parent, QString name, std::vector<QString>& log, TfrmGLBase& view,
           bool& legendThere)
        : QObject(parent), name_(std::move(name)), log_(log), view_(view), legend_(legendThere) {}
    ~Helper() override {
      log_.push_back(name_);
      legend_ = legend_ && view_.csb != nullptr && view_.csb->parent() != nullptr;
    }
    QString name_;
    std::vector<QString>& log_;
    TfrmGLBase& view_;
    bool& legend_;
  };
  TfrmGLBase& view = *view_;
  auto* a = new Helper(&view, "a", freed, view, legendThere);
  auto* b = new Helper(&view, "b", freed, view, legendThere);
  new Helper(&view, "c", freed, view, legendThere);
  new Helper(a, "a's own", freed, view, legendThere);
  QObject::connect(a, &QObject::destroyed, b, [b] { delete b; });  // a takes b with it
  view_.reset();
  std::sort(freed.begin(), freed.end());
  EXPECT_EQ(freed, (std::vector<QString>{"a", "a's own", "b", "c"}));
  EXPECT_TRUE(legendThere);
}
