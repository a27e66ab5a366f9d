// The view window as a whole: its parts, captions, status texts, the
// transform registry and painting rules around minimising and loading.
#include "gl/TTransformationManager.h"
#include "tests/support/Artifacts.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/TColorScrollBox.h"
#include "viewer/TQuroProgress.h"
#include "viewer/TfrmGLBase.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QOpenGLWidget>

#include <memory>

namespace {

class ViewWindow : public testing::Test {
 protected:
  ViewWindow() : host_(6, 5, ViewTestHost::AllActive(6, 5)) {
    host_.SetRange(dkTemperature, -10, 30);
    auto& v = host_.ValuesOf(dkTemperature);
    for (std::size_t k = 0; k < v.size(); ++k) v[k] = float(k % 7) * 5.0f - 10.0f;
  }

  std::unique_ptr<TfrmGLBase> open(TDataKind kind) {
    auto view = std::make_unique<TfrmGLBase>(host_, kind);
    view->resize(700, 460);
    view->show();
    return view;
  }

  ViewTestHost host_;
};

}  // namespace

TEST_F(ViewWindow, DrawingOnTheLeftPanelWithDateLegendAndStatusOnTheRight) {
  auto view = open(dkTemperature);
  for (const char* name : {"OpenGL1", "Panel1", "PanelCalendar", "QuroProgress", "csb", "Panel2",
                           "Panel3", "StaticText1", "StaticText2", "StaticText3"})
    EXPECT_NE(view->findChild<QWidget*>(name), nullptr) << name;
  QWidget* area = view->OpenGL1.Widget();
  EXPECT_EQ(area->x(), 0);
  EXPECT_GE(view->Panel1->x(), area->width());
  EXPECT_EQ(view->Panel1->x() + view->Panel1->width(), view->width());
  EXPECT_LT(view->PanelCalendar->mapTo(view.get(), QPoint()).y(),
            view->csb->mapTo(view.get(), QPoint()).y());
  EXPECT_LT(view->csb->mapTo(view.get(), QPoint()).y(),
            view->Panel2->mapTo(view.get(), QPoint()).y());
  EXPECT_EQ(view->QuroProgress->Mode(), vmHMSDMY);

  // The whole window as a user sees it.
  view->ResetView();
  view->SetAngleX(-35.5f);
  view->GrabFrame();
  testsupport::saveArtifact(view->grab().toImage(), "ViewWindow.png");
}

TEST_F(ViewWindow, CaptionsNameTheKindAndTheFile) {
  auto view = open(dkTemperature);
  EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Temperature [°C] (/data/wall.res)"));
  EXPECT_EQ(view->csb->Model().Caption(), QString::fromUtf8("Temperature [°C]"));
  view->SetViewCaption(" T inside ");
  EXPECT_EQ(view->windowTitle(), "T inside (/data/wall.res)");
}

TEST_F(ViewWindow, PaintShowsTheTransformInThreeStatusLines) {
  auto view = open(dkTemperature);
  view->ResetView();
  view->SetAngleX(-30);
  view->GrabFrame();
  EXPECT_EQ(view->StatusText(), view->Model().StatusText());
  EXPECT_EQ(view->StaticText1->text().count('\n'), 2);
  EXPECT_TRUE(view->StaticText1->text().startsWith("Rotation: x=-30.00"));
}

TEST_F(ViewWindow, RegistersItsTransformWhileItLives) {
  const int before = TransformationManager().Count();
  {
    auto view = open(dkTemperature);
    EXPECT_EQ(TransformationManager().Count(), before + 1);
    EXPECT_EQ(TransformationManager().Items(before), view.get());
  }
  EXPECT_EQ(TransformationManager().Count(), before);
}

TEST_F(ViewWindow, ScalarViewsTurnTogetherThroughTheRegistryInterface) {
  auto water = open(dkWatercontent);
  auto temperature = open(dkTemperature);
  auto flux = open(dkHeatFlux);
  ITransformation& turn = *temperature;
  turn.SetAngleZ(25);
  turn.SetTranX(0.3f);
  EXPECT_FLOAT_EQ(water->AngleZ(), 25);
  EXPECT_FLOAT_EQ(water->TranX(), 0.3f);
  EXPECT_FLOAT_EQ(flux->AngleZ(), 0);
}

TEST_F(ViewWindow, NewStepSetsTheDateAndRecomputesAtThePaint) {
  auto view = open(dkTemperature);
  view->GrabFrame();
  EXPECT_FALSE(view->Model().Dirty());
  view->ShowStep(36526.5);  // 1 January 2000, noon
  EXPECT_DOUBLE_EQ(view->QuroProgress->CurDate(), 36526.5);
  view->GrabFrame();
  EXPECT_FALSE(view->Model().Dirty());
}

TEST_F(ViewWindow, MinimisedOrLoadingViewNeitherDrawsNorRecomputes) {
  auto view = open(dkTemperature);
  view->GrabFrame();
  view->showMinimized();
  view->ShowStep(36527.0);
  view->GrabFrame();
  EXPECT_TRUE(view->Model().Dirty());
  view->showNormal();
  view->SetLoading(true);
  view->GrabFrame();
  EXPECT_TRUE(view->Model().Dirty());
  view->SetLoading(false);
  view->GrabFrame();
  EXPECT_FALSE(view->Model().Dirty());
}

TEST_F(ViewWindow, LegendChangeRecomputesColours) {
  auto view = open(dkTemperature);
  view->GrabFrame();
  const auto before = view->Model().Colors();
  view->csb->Model().SetBoxColor(1, 0x00FF00);  // fires the colour change
  EXPECT_NE(view->Model().Colors(), before);
}
