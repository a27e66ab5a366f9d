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

constexpr float GridWidth = 10, GridHeight = 8;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;

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
  ViewModel model_, otherScalar_, vector_;
  FakeNavigationSurface surface_;
  ViewNavigation nav_;
  int repaints_ = 0;
};

TEST_F(NavigationKeys, ArrowsPanEveryScalarViewByATenthOfTheGridAndAFifthWithCtrl) {
  const ViewTransform start = t();
  const float vectorTran = vector_.Transform().TranX;
  key(Qt::Key_Left);
  key(Qt::Key_Left, Ctrl);
  key(Qt::Key_Up);
  key(Qt::Key_Down, Ctrl);
  EXPECT_FLOAT_EQ(t().TranX, start.TranX + GridWidth / 10 + GridWidth / 5);
  EXPECT_FLOAT_EQ(t().TranY, start.TranY - GridHeight / 10 + GridHeight / 5);
  EXPECT_FLOAT_EQ(otherScalar_.Transform().TranX, t().TranX);
  EXPECT_EQ(vector_.Transform().TranX, vectorTran);
  EXPECT_EQ(repaints_, 4);

  // From a vector view only that view moves.
  ViewNavigation vectorNav(vector_, surface_);
  vectorNav.KeyDown(Qt::Key_Right, Qt::NoModifier);
  EXPECT_FLOAT_EQ(vector_.Transform().TranX, vectorTran - GridWidth / 10);
  EXPECT_FLOAT_EQ(otherScalar_.Transform().TranX, t().TranX);
}

TEST_F(NavigationKeys, SpaceAndBackspacePauseAndStepOnce) {
  key(Qt::Key_Space);
  key(Qt::Key_Backspace);
  EXPECT_EQ(host_.Calls, (QStringList{"Pause", "StepForward", "Pause", "StepBack"}));
  EXPECT_EQ(repaints_, 2);
}

TEST_F(NavigationKeys, CtrlLettersChooseTheModeAndOtherCtrlKeysClearIt) {
  const std::pair<int, TMouseMode> table[] = {
      {Qt::Key_R, mmRotate}, {Qt::Key_T, mmTranslate}, {Qt::Key_Z, mmZoom}, {Qt::Key_P, mmLight}};
  for (const auto& [k, mode] : table) {
    key(k, Ctrl);
    EXPECT_EQ(nav_.MouseMode(), mode);
  }
  key(Qt::Key_Control, Ctrl);
  EXPECT_EQ(nav_.MouseMode(), mmLight);
  EXPECT_EQ(repaints_, 4);
  key(Qt::Key_Q, Ctrl);
  EXPECT_EQ(nav_.MouseMode(), mmNone);
  EXPECT_EQ(repaints_, 4);
}

TEST_F(NavigationKeys, CtrlEResetsTransformIncrementsAndLight) {
  key(Qt::Key_R, Ctrl);
  chars("+++xz");
  key(Qt::Key_Left);
  key(Qt::Key_P, Ctrl);
  chars("++x");
  key(Qt::Key_E, Ctrl);
  EXPECT_EQ(nav_.MouseMode(), mmReset);
  const ViewTransform& r = t();
  for (float v :
       {r.AxisX, r.AxisY, r.AxisZ, r.Angle, r.AngleX, r.AngleZ, r.TranX, r.TranY, r.TranZ})
    EXPECT_EQ(v, 0.0f);
  EXPECT_EQ(otherScalar_.Transform().AngleZ, 0.0f);
  EXPECT_FLOAT_EQ(r.ScaleX, 1.1f / GridWidth);
  EXPECT_FLOAT_EQ(r.ScaleZ, 1.0f / 1000.0f);
  EXPECT_EQ(nav_.RotateIncrement + nav_.LightIncrement, 0);
  EXPECT_EQ(model_.LightPos(), (std::array<float, 3>{0, 0, 0}));
}

TEST_F(NavigationKeys, CtrlIClearsTheIncrementOfRotateTranslateOrZoomOnly) {
  key(Qt::Key_R, Ctrl);
  chars("++");
  key(Qt::Key_T, Ctrl);
  chars("+++");
  key(Qt::Key_I, Ctrl);
  EXPECT_EQ(nav_.TranslateIncrement, 0);
  EXPECT_EQ(nav_.RotateIncrement, 2);
  key(Qt::Key_P, Ctrl);
  chars("+");
  key(Qt::Key_I, Ctrl);
  EXPECT_EQ(nav_.LightIncrement, 1);
}

TEST_F(NavigationKeys, CtrlSReportsModeIncrementAndValues) {
  key(Qt::Key_S, Ctrl);
  key(Qt::Key_R, Ctrl);
  chars("++x");
  key(Qt::Key_S, Ctrl);
  key(Qt::Key_T, Ctrl);
  chars("+++++");
  key(Qt::Key_S, Ctrl);
  ASSERT_EQ(surface_.Messages.size(), 3);
  EXPECT_EQ(surface_.Messages[0], QStringLiteral("Mode: None, Increment: 0.00, \r"));
  EXPECT_EQ(surface_.Messages[1],
            QStringLiteral("Mode: Rotate, Increment: 2.00, \rx: 0.02, y: 0.00, z: 0.00"));
  // The translation increment is reported in the unit it moves by.
  EXPECT_TRUE(
      surface_.Messages[2].startsWith(QStringLiteral("Mode: Translate, Increment: 0.05, \rx: ")));
}

TEST_F(NavigationKeys, SessionAndGotoKeysReachTheProject) {
  key(Qt::Key_L, Ctrl);  // no session file: nothing to show
  EXPECT_EQ(repaints_, 0);
  host_.SessionExists = true;
  key(Qt::Key_L, Ctrl);
  key(Qt::Key_W, Ctrl);
  key(Qt::Key_G, Ctrl);
  EXPECT_EQ(host_.Calls, (QStringList{"LoadSession", "LoadSession", "SaveSession", "GotoStep"}));
  EXPECT_EQ(repaints_, 1);
  EXPECT_EQ(surface_.ViewSaves, 0);

  key(Qt::Key_W);  // this view alone
  EXPECT_EQ(surface_.ViewSaves, 1);
  EXPECT_EQ(host_.Calls.size(), 4);
  key(Qt::Key_A);
  EXPECT_EQ(repaints_, 3);
}

TEST_F(NavigationKeys, AxisCharactersStepTheModesValueOnlyAfterPlus) {
  const ViewTransform start = t();
  key(Qt::Key_R, Ctrl);
  chars("xyz");
  EXPECT_EQ(t().AngleX, 0.0f);
  chars("++xx-yzXYZ");
  EXPECT_FLOAT_EQ(t().AngleX, 0.04f);
  EXPECT_FLOAT_EQ(t().AngleY, 0.01f);
  EXPECT_FLOAT_EQ(t().AngleZ, 0.01f);
  EXPECT_FLOAT_EQ(otherScalar_.Transform().AngleX, 0.04f);
  EXPECT_EQ(vector_.Transform().AngleX, 0.0f);

  key(Qt::Key_T, Ctrl);
  chars("+++y");
  EXPECT_FLOAT_EQ(t().TranY, start.TranY + 0.03f);

  const float otherScaleZ = otherScalar_.Transform().ScaleZ;
  key(Qt::Key_Z, Ctrl);
  chars("+++++z");
  EXPECT_FLOAT_EQ(t().ScaleZ, start.ScaleZ * 1.5f);
  EXPECT_EQ(otherScalar_.Transform().ScaleZ, otherScaleZ);  // zoom is per view

  key(Qt::Key_P, Ctrl);
  chars("++x");
  EXPECT_FLOAT_EQ(model_.LightPos()[0], 12.0f);

  // Without a mode '+' goes to a scratch value and x does nothing.
  key(Qt::Key_Q, Ctrl);
  chars("+++x");
  EXPECT_EQ(nav_.TranslateIncrement, 3);
  EXPECT_FLOAT_EQ(model_.LightPos()[0], 12.0f);
}

TEST_F(NavigationKeys, ZoomCharactersWorkInZoomModeOnly) {
  const ViewTransform start = t();
  key(Qt::Key_R, Ctrl);
  chars("++i");
  EXPECT_EQ(t().ScaleX, start.ScaleX);
  key(Qt::Key_Z, Ctrl);
  chars("+++++I");
  EXPECT_FLOAT_EQ(t().ScaleX, start.ScaleX * 1.5f);
  EXPECT_FLOAT_EQ(t().ScaleY, start.ScaleY * 1.5f);
  EXPECT_FLOAT_EQ(t().ScaleZ, start.ScaleZ * 1.5f);
  chars("o");
  EXPECT_FLOAT_EQ(t().ScaleX, start.ScaleX);
}

TEST_F(NavigationKeys, ZoomFactorsNeverReachZero) {
  key(Qt::Key_Z, Ctrl);
  chars("----------");
  const float before = t().ScaleX;
  chars("i");  // factor 0 would flatten the scene
  EXPECT_FLOAT_EQ(t().ScaleX, float(before * ViewNavigation::MinZoomFactor));
  chars("o");  // 1 / 0 would be infinite
  EXPECT_FLOAT_EQ(t().ScaleX, before);
  chars("----------x");  // factor -1 would mirror
  EXPECT_GT(t().ScaleX, 0.0f);
}

TEST_F(NavigationKeys, OneKeyEventRunsKeyDownThenItsCharacter) {
  key(Qt::Key_R, Ctrl);
  nav_.KeyEvent(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
  nav_.KeyEvent(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  EXPECT_FLOAT_EQ(t().AngleX, 0.01f);
  EXPECT_EQ(repaints_, 4);  // Ctrl+R, the + key, the X key, the x character
  // Ctrl+X clears the mode; its control character runs no command.
  nav_.KeyEvent(Qt::Key_X, Ctrl, QString(QChar(24)));
  EXPECT_EQ(nav_.MouseMode(), mmNone);
  EXPECT_FLOAT_EQ(t().AngleX, 0.01f);
}

}  // namespace
