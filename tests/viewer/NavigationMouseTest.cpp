// Mouse navigation: drags rotate, pan and zoom through the shared setters,
// Shift draws a zoom box, and the guards that keep a box or a zoom drag from
// breaking the transform.
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"
#include "viewer/ViewNavigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class NavigationMouse : public testing::Test {
 protected:
  NavigationMouse()
      : host_(NavigationTestSpec()),
        model_(host_, dkTemperature, legend_),
        otherScalar_(host_, dkWatercontent, otherLegend_),
        vector_(host_, dkCapillaryFlux, vectorLegend_),
        nav_(model_, surface_) {
    model_.OnRepaint = [this] { ++repaints_; };
  }

  void drag(Qt::KeyboardModifiers m, QPoint from, QPoint to,
            Qt::MouseButton button = Qt::LeftButton) {
    nav_.MouseDown(button, m, from.x(), from.y());
    nav_.MouseMove(m, to.x(), to.y());
    nav_.MouseUp(button, m, to.x(), to.y());
  }
  const ViewTransform& t() const { return model_.Transform(); }

  NavigationTestHost host_;
  ColorLegendModel legend_, otherLegend_, vectorLegend_;
  ViewModel model_;
  ViewModel otherScalar_;
  ViewModel vector_;
  FakeNavigationSurface surface_;
  ViewNavigation nav_;
  int repaints_ = 0;
};

TEST_F(NavigationMouse, PlainDragRotatesEveryScalarViewAndNoVectorView) {
  drag(Qt::NoModifier, {100, 100}, {130, 80});
  EXPECT_FLOAT_EQ(t().AngleX, -2.0f);  // dy / 10
  EXPECT_FLOAT_EQ(t().AngleZ, 3.0f);   // dx / 10
  EXPECT_FLOAT_EQ(otherScalar_.Transform().AngleX, -2.0f);
  EXPECT_FLOAT_EQ(otherScalar_.Transform().AngleZ, 3.0f);
  EXPECT_EQ(vector_.Transform().AngleX, 0.0f);
  EXPECT_EQ(vector_.Transform().AngleZ, 0.0f);
  EXPECT_FALSE(nav_.Dragging());
  EXPECT_EQ(repaints_, 1);

  // Each move turns by the step from the last position; no button, no turn.
  nav_.MouseDown(Qt::LeftButton, Qt::NoModifier, 10, 10);
  nav_.MouseMove(Qt::NoModifier, 20, 10);
  nav_.MouseMove(Qt::NoModifier, 25, 10);
  nav_.MouseUp(Qt::LeftButton, Qt::NoModifier, 25, 10);
  nav_.MouseMove(Qt::NoModifier, 90, 10);
  EXPECT_FLOAT_EQ(t().AngleZ, 4.5f);
}

TEST_F(NavigationMouse, CtrlDragPansByHalfTheLargerViewportSide) {
  const ViewTransform start = t();
  drag(Qt::ControlModifier, {100, 100}, {140, 120});
  const double m = 400 / 2.0;  // viewport 400 x 300
  EXPECT_FLOAT_EQ(t().TranX, float(start.TranX + 40 / m / start.ScaleX));
  EXPECT_FLOAT_EQ(t().TranY, float(start.TranY - 20 / m / start.ScaleY));
  EXPECT_FLOAT_EQ(otherScalar_.Transform().TranX, t().TranX);
  EXPECT_EQ(t().AngleX, 0.0f);
}

TEST_F(NavigationMouse, CtrlAltDragZoomsByTheDraggedShareOfTheWidthAndStaysPositive) {
  const ViewTransform start = t();
  drag(Qt::ControlModifier | Qt::AltModifier, {200, 100}, {300, 100});
  EXPECT_FLOAT_EQ(t().ScaleX, start.ScaleX * 1.25f);
  EXPECT_FLOAT_EQ(t().ScaleY, start.ScaleY * 1.25f);
  EXPECT_FLOAT_EQ(t().ScaleZ, start.ScaleZ * 1.25f);
  EXPECT_EQ(t().TranX, start.TranX);

  // Dragging left by more than the width would make the factor negative.
  drag(Qt::ControlModifier | Qt::AltModifier, {399, 100}, {-20, 100});
  EXPECT_FLOAT_EQ(t().ScaleX, start.ScaleX * 1.25f * float(ViewNavigation::MinZoomFactor));
}

TEST_F(NavigationMouse, RightButtonAndShiftDoNotDrag) {
  nav_.MouseDown(Qt::RightButton, Qt::NoModifier, 10, 10);
  EXPECT_FALSE(nav_.Dragging());
  nav_.MouseUp(Qt::RightButton, Qt::NoModifier, 10, 10);
  nav_.MouseDown(Qt::LeftButton, Qt::ShiftModifier, 10, 10);
  EXPECT_FALSE(nav_.Dragging());
  nav_.MouseMove(Qt::ShiftModifier, 60, 50);
  EXPECT_EQ(t().AngleZ, 0.0f);
  ASSERT_FALSE(surface_.ZoomBoxes.empty());
  EXPECT_EQ(surface_.ZoomBoxes.back(), QRect(QPoint(10, 10), QPoint(60, 50)));
  nav_.MouseUp(Qt::LeftButton, Qt::ShiftModifier, 60, 50);
  EXPECT_EQ(surface_.ZoomBoxes.back(), std::nullopt);
}

TEST_F(NavigationMouse, ZoomBoxFillsTheViewportAndCentresOnItsMiddle) {
  const ViewTransform start = t();
  drag(Qt::ShiftModifier, {100, 60}, {180, 100});
  // Box 80 x 40 in a 400 x 300 viewport.
  const double f = std::min(300.0 / 40, 400.0 / 80);
  EXPECT_FLOAT_EQ(t().ScaleX, float(start.ScaleX * f));
  EXPECT_FLOAT_EQ(t().ScaleY, float(start.ScaleY * f));
  EXPECT_EQ(t().ScaleZ, start.ScaleZ);
  // Picked at the box's centre (140, 80), counted from the bottom.
  EXPECT_EQ(surface_.PickX, 140);
  EXPECT_EQ(surface_.PickY, 300 - 1 - 80);
  EXPECT_DOUBLE_EQ(t().TranX, -surface_.SceneX(140));
  EXPECT_FLOAT_EQ(t().TranY, float(-surface_.SceneY(80)));
}

TEST_F(NavigationMouse, ZoomBoxUsesAbsoluteSizesAndKeepsTheTranslationOffTheScene) {
  const ViewTransform start = t();
  drag(Qt::ShiftModifier, {100, 100}, {180, 60});  // to the upper right
  EXPECT_FLOAT_EQ(t().ScaleX, float(start.ScaleX * 5.0));
  const ViewTransform after = t();
  drag(Qt::ShiftModifier, {180, 60}, {100, 100});  // to the lower left
  EXPECT_FLOAT_EQ(t().ScaleX, float(after.ScaleX * 5.0));

  // Over the background there is no point to centre on.
  surface_.Background = true;
  const ViewTransform before = t();
  drag(Qt::ShiftModifier, {100, 60}, {180, 100});
  EXPECT_FLOAT_EQ(t().ScaleX, float(before.ScaleX * 5.0));
  EXPECT_EQ(t().TranX, before.TranX);
  EXPECT_EQ(t().TranY, before.TranY);
}

TEST_F(NavigationMouse, ZoomBoxToTheUpperLeftResetsTheView) {
  model_.SetTranX(3);
  model_.SetScaleX(7);
  drag(Qt::ShiftModifier, {180, 100}, {100, 60});
  EXPECT_EQ(t().TranX, 0.0f);
  EXPECT_EQ(t().TranY, 0.0f);
  EXPECT_FLOAT_EQ(t().ScaleX, 1.1f / 10.0f);
}

TEST_F(NavigationMouse, TinyZoomBoxesAreIgnored) {
  const ViewTransform start = t();
  drag(Qt::ShiftModifier, {100, 100}, {100, 100});  // a Shift click
  drag(Qt::ShiftModifier, {100, 100}, {180, 102});  // a flat line
  drag(Qt::ShiftModifier, {100, 100}, {98, 97});    // a twitch to the upper left
  EXPECT_EQ(t().ScaleX, start.ScaleX);
  EXPECT_EQ(t().ScaleY, start.ScaleY);
  EXPECT_EQ(t().TranX, start.TranX);
  EXPECT_EQ(repaints_, 0);
}

TEST_F(NavigationMouse, ReleasingShiftBeforeTheButtonDropsTheBox) {
  const ViewTransform start = t();
  nav_.MouseDown(Qt::LeftButton, Qt::ShiftModifier, 100, 60);
  nav_.MouseMove(Qt::ShiftModifier, 180, 100);
  nav_.MouseUp(Qt::LeftButton, Qt::NoModifier, 180, 100);
  EXPECT_EQ(t().ScaleX, start.ScaleX);
  EXPECT_EQ(surface_.ZoomBoxes.back(), std::nullopt);
}

}  // namespace
