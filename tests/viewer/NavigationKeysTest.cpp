// The key and character commands of a view: each changes the transform (of
// every scalar view where the shared rule says so), the mode, the increments
// or the project as its table says.
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"
#include "viewer/ViewNavigation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double GridWidth = 10, GridHeight = 8;

class NavigationKeys : public testing::Test {
 protected:
  NavigationKeys()
      : host_(NavigationTestSpec()),
        model_(host_, dkTemperature, legend_),
        otherScalar_(host_, dkWatercontent, otherLegend_),
        vector_(host_, dkCapillaryFlux, vectorLegend_),
        nav_(model_, surface_) {
    model_.OnRepaint = [this] { ++repaints_; };
  }

  void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { nav_.KeyDown(k, m); }
  void chars(const char* text) {
    for (const char* c = text; *c != 0; ++c) nav_.KeyPress(QLatin1Char(*c));
  }
  const ViewTransform& t() const { return model_.Transform(); }

  LocaleGuard locale_{LocaleGuard::English()};
  NavigationTestHost host_;
  ColorLegendModel legend_, otherLegend_, vectorLegend_;
  ViewModel model_;
  ViewModel otherScalar_;
  ViewModel vector_;
  FakeNavigationSurface surface_;
  ViewNavigation nav_;
  int repaints_ = 0;
};

TEST_F(NavigationKeys, ArrowsPanByATenthOfTheGridAndAFifthWithCtrl) {
  const ViewTransform start = t();
  key(Qt::Key_Left);
  EXPECT_FLOAT_EQ(t().TranX, float(start.TranX + GridWidth / 10));
  key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(t().TranX, float(start.TranX + GridWidth / 10 + GridWidth / 5));
  key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(t().TranX, float(start.TranX + GridWidth / 10));
  key(Qt::Key_Up);
  EXPECT_FLOAT_EQ(t().TranY, float(start.TranY - GridHeight / 10));
  key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(t().TranY, float(start.TranY - GridHeight / 10 + GridHeight / 5));
  EXPECT_EQ(repaints_, 5);
}

TEST_F(NavigationKeys, ArrowsMoveEveryScalarViewButNoVectorView) {
  const float vectorTran = vector_.Transform().TranX;
  key(Qt::Key_Left);
  EXPECT_FLOAT_EQ(otherScalar_.Transform().TranX, t().TranX);
  EXPECT_FLOAT_EQ(vector_.Transform().TranX, vectorTran);

  // From a vector view only that view moves.
  FakeNavigationSurface surface;
  ViewNavigation vectorNav(vector_, surface);
  const float scalarTran = t().TranX;
  vectorNav.KeyDown(Qt::Key_Right, Qt::NoModifier);
  EXPECT_FLOAT_EQ(vector_.Transform().TranX, float(vectorTran - GridWidth / 10));
  EXPECT_FLOAT_EQ(t().TranX, scalarTran);
}

TEST_F(NavigationKeys, SpaceAndBackspacePauseAndStepOnce) {
  key(Qt::Key_Space);
  EXPECT_EQ(host_.Calls, (QStringList{"Pause", "StepForward"}));
  host_.Calls.clear();
  key(Qt::Key_Backspace);
  EXPECT_EQ(host_.Calls, (QStringList{"Pause", "StepBack"}));
  EXPECT_EQ(repaints_, 2);
}

TEST_F(NavigationKeys, CtrlLettersChooseTheModeAndOtherCtrlKeysClearIt) {
  key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmRotate);
  key(Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmRotate);
  key(Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmTranslate);
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmZoom);
  key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmLight);
  EXPECT_EQ(repaints_, 4);
  key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmNone);
  EXPECT_EQ(repaints_, 4);  // no repaint for an unknown Ctrl key
}

TEST_F(NavigationKeys, CtrlEResetsTransformIncrementsAndLight) {
  key(Qt::Key_R, Qt::ControlModifier);
  chars("+++xz");
  key(Qt::Key_Left);
  key(Qt::Key_P, Qt::ControlModifier);
  chars("++x");
  ASSERT_NE(t().AngleX, 0.0f);
  ASSERT_NE(model_.LightPos()[0], 10.0f);

  key(Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(nav_.MouseMode(), mmReset);
  EXPECT_EQ(t().AxisX, 0.0f);
  EXPECT_EQ(t().AxisY, 0.0f);
  EXPECT_EQ(t().AxisZ, 0.0f);
  EXPECT_EQ(t().Angle, 0.0f);
  EXPECT_EQ(t().AngleX, 0.0f);
  EXPECT_EQ(t().AngleZ, 0.0f);
  EXPECT_EQ(otherScalar_.Transform().AngleZ, 0.0f);
  EXPECT_EQ(t().TranX, 0.0f);
  EXPECT_EQ(t().TranY, 0.0f);
  EXPECT_EQ(t().TranZ, 0.0f);
  EXPECT_FLOAT_EQ(t().ScaleX, float(1.1 / GridWidth));
  EXPECT_FLOAT_EQ(t().ScaleZ, 1.0f / 1000.0f);
  EXPECT_EQ(nav_.RotateIncrement, 0);
  EXPECT_EQ(nav_.LightIncrement, 0);
  EXPECT_EQ(model_.LightPos(), (std::array<float, 3>{0, 0, 0}));
}

TEST_F(NavigationKeys, CtrlIClearsOnlyTheCurrentModesIncrement) {
  key(Qt::Key_R, Qt::ControlModifier);
  chars("++");
  key(Qt::Key_T, Qt::ControlModifier);
  chars("+++");
  key(Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(nav_.TranslateIncrement, 0);
  EXPECT_EQ(nav_.RotateIncrement, 2);
  key(Qt::Key_P, Qt::ControlModifier);
  chars("+");
  key(Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(nav_.LightIncrement, 1);  // the light's increment is not cleared
}

TEST_F(NavigationKeys, CtrlSReportsModeIncrementAndValues) {
  key(Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(surface_.Messages.size(), 1);
  EXPECT_EQ(surface_.Messages[0], QStringLiteral("Mode: None, Increment: 0.00, \r"));

  key(Qt::Key_R, Qt::ControlModifier);
  chars("++x");
  key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(surface_.Messages[1],
            QStringLiteral("Mode: Rotate, Increment: 2.00, \rx: 0.02, y: 0.00, z: 0.00"));

  // The translation increment is reported in the unit it moves by.
  key(Qt::Key_T, Qt::ControlModifier);
  chars("+++++");
  key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(
      surface_.Messages[2].startsWith(QStringLiteral("Mode: Translate, Increment: 0.05, \rx: ")));
}

TEST_F(NavigationKeys, SessionAndGotoKeysReachTheProject) {
  key(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(repaints_, 0);  // no session file: nothing to show
  host_.SessionExists = true;
  key(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(repaints_, 1);
  key(Qt::Key_W, Qt::ControlModifier);
  key(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(host_.Calls, (QStringList{"LoadSession", "LoadSession", "SaveSession", "GotoStep"}));
  EXPECT_EQ(repaints_, 1);
  EXPECT_EQ(surface_.ViewSaves, 0);

  // Plain W saves this view alone.
  key(Qt::Key_W);
  EXPECT_EQ(surface_.ViewSaves, 1);
  EXPECT_EQ(host_.Calls.size(), 4);
  EXPECT_EQ(repaints_, 2);
  key(Qt::Key_A);
  EXPECT_EQ(repaints_, 3);
}

TEST_F(NavigationKeys, AxisCharactersChangeNothingBeforePlus) {
  key(Qt::Key_R, Qt::ControlModifier);
  chars("xyz");
  EXPECT_EQ(t().AngleX, 0.0f);
  chars("++x");
  EXPECT_FLOAT_EQ(t().AngleX, 0.02f);
  chars("x");
  EXPECT_FLOAT_EQ(t().AngleX, 0.04f);
  chars("-yz");
  EXPECT_FLOAT_EQ(t().AngleY, 0.01f);
  EXPECT_FLOAT_EQ(t().AngleZ, 0.01f);
  EXPECT_FLOAT_EQ(otherScalar_.Transform().AngleX, 0.04f);
  EXPECT_EQ(vector_.Transform().AngleX, 0.0f);
  chars("XYZ");
  EXPECT_FLOAT_EQ(t().AngleX, 0.04f);
}

TEST_F(NavigationKeys, AxisCharactersPerMode) {
  const ViewTransform start = t();
  key(Qt::Key_T, Qt::ControlModifier);
  chars("+++y");
  EXPECT_FLOAT_EQ(t().TranY, start.TranY + 0.03f);

  const float otherScaleZ = otherScalar_.Transform().ScaleZ;
  key(Qt::Key_Z, Qt::ControlModifier);
  chars("+++++z");
  EXPECT_FLOAT_EQ(t().ScaleZ, start.ScaleZ * 1.5f);
  EXPECT_EQ(otherScalar_.Transform().ScaleZ, otherScaleZ);  // zoom is per view

  key(Qt::Key_P, Qt::ControlModifier);
  chars("++x");
  EXPECT_FLOAT_EQ(model_.LightPos()[0], 12.0f);

  // No mode: '+' goes to a scratch value, x does nothing.
  key(Qt::Key_Q, Qt::ControlModifier);
  chars("+++x");
  EXPECT_EQ(nav_.RotateIncrement, 0);
  EXPECT_EQ(nav_.TranslateIncrement, 3);
  EXPECT_FLOAT_EQ(model_.LightPos()[0], 12.0f);
}

TEST_F(NavigationKeys, ZoomCharactersWorkInZoomModeOnly) {
  const ViewTransform start = t();
  key(Qt::Key_R, Qt::ControlModifier);
  chars("++i");
  EXPECT_EQ(t().ScaleX, start.ScaleX);

  key(Qt::Key_Z, Qt::ControlModifier);
  chars("+++++I");
  EXPECT_FLOAT_EQ(t().ScaleX, start.ScaleX * 1.5f);
  EXPECT_FLOAT_EQ(t().ScaleY, start.ScaleY * 1.5f);
  EXPECT_FLOAT_EQ(t().ScaleZ, start.ScaleZ * 1.5f);
  chars("o");
  EXPECT_FLOAT_EQ(t().ScaleX, start.ScaleX);
}

TEST_F(NavigationKeys, ZoomFactorsNeverReachZero) {
  key(Qt::Key_Z, Qt::ControlModifier);
  for (int n = 0; n < 10; ++n) chars("-");
  const float before = t().ScaleX;
  chars("i");  // factor 0 would flatten the scene
  EXPECT_FLOAT_EQ(t().ScaleX, float(before * ViewNavigation::MinZoomFactor));
  chars("o");  // 1 / 0 would be infinite
  EXPECT_FLOAT_EQ(t().ScaleX, before);
  for (int n = 0; n < 10; ++n) chars("-");
  chars("x");  // factor -1 would mirror
  EXPECT_GT(t().ScaleX, 0.0f);
  nav_.ZoomBy(false, -25);
  EXPECT_GT(t().ScaleY, 0.0f);
  EXPECT_TRUE(std::isfinite(t().ScaleY));
}

TEST_F(NavigationKeys, OneKeyEventRunsKeyDownThenItsCharacter) {
  key(Qt::Key_R, Qt::ControlModifier);
  nav_.KeyEvent(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
  nav_.KeyEvent(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  EXPECT_FLOAT_EQ(t().AngleX, 0.01f);
  EXPECT_EQ(repaints_, 4);  // Ctrl+R, the + key, the X key, then the x character

  // Ctrl+X clears the mode and its control character runs no command.
  nav_.KeyEvent(Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
  EXPECT_EQ(nav_.MouseMode(), mmNone);
  EXPECT_FLOAT_EQ(t().AngleX, 0.01f);
}

}  // namespace
