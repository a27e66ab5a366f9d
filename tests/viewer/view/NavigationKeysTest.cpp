// The key and character commands of a view: each changes the transform (of
// every scalar view where the shared rule says so), the mode or the project.
#include "tests/viewer/NavigationTestHost.h"

#include <gtest/gtest.h>

namespace {

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;

void type(NavigationScene& s, const char* text) {
  for (const char* c = text; *c != 0; ++c) s.nav.KeyPress(QLatin1Char(*c));
}

TEST(NavigationKeys, EveryKeyAndCharacterChangesTheViewAsItsTableSays) {
  using T = ViewTransform;
  enum { Own, Other, Vector, Light };  // which view is read; Light reads the own light's x
  const double min = ViewNavigation::MinZoomFactor;
  // After the key and the characters the value is factor * before + offset
  // (the grid is 10 x 8 m; arrows pan by a tenth of it, a fifth with Ctrl).
  const struct {
    int key;
    Qt::KeyboardModifiers mods;
    const char* typed;
    int view;
    float T::*field;
    double factor, offset;
  } table[] = {
      {Qt::Key_Left, {}, "", Own, &T::TranX, 1, 1.0},
      {Qt::Key_Left, Ctrl, "", Own, &T::TranX, 1, 2.0},
      {Qt::Key_Up, {}, "", Own, &T::TranY, 1, -0.8},
      {Qt::Key_Down, Ctrl, "", Own, &T::TranY, 1, 1.6},
      {Qt::Key_Left, {}, "", Other, &T::TranX, 1, 1.0},
      {Qt::Key_Left, {}, "", Vector, &T::TranX, 1, 0},
      {Qt::Key_R, Ctrl, "xyz", Own, &T::AngleX, 1, 0},  // the increment starts at 0
      {Qt::Key_R, Ctrl, "++xxXYZ", Own, &T::AngleX, 1, 0.04},
      {Qt::Key_R, Ctrl, "++-y", Own, &T::AngleY, 1, 0.01},
      {Qt::Key_R, Ctrl, "++xx", Other, &T::AngleX, 1, 0.04},
      {Qt::Key_R, Ctrl, "++xx", Vector, &T::AngleX, 1, 0},
      {Qt::Key_R, Ctrl, "++i", Own, &T::ScaleX, 1, 0},  // zoom characters in zoom mode only
      {Qt::Key_T, Ctrl, "+++y", Own, &T::TranY, 1, 0.03},
      {Qt::Key_Z, Ctrl, "+++++z", Own, &T::ScaleZ, 1.5, 0},
      {Qt::Key_Z, Ctrl, "+++++z", Other, &T::ScaleZ, 1, 0},  // zoom is per view
      {Qt::Key_Z, Ctrl, "+++++I", Own, &T::ScaleY, 1.5, 0},
      {Qt::Key_Z, Ctrl, "+++++Io", Own, &T::ScaleX, 1, 0},
      {Qt::Key_Z, Ctrl, "----------i", Own, &T::ScaleX, min, 0},  // factor 0 would flatten
      {Qt::Key_Z, Ctrl, "----------io", Own, &T::ScaleX, 1, 0},   // 1 / 0 would be infinite
      {Qt::Key_Z, Ctrl, "--------------------x", Own, &T::ScaleX, min, 0},  // -1 would mirror
      {Qt::Key_P, Ctrl, "++x", Light, nullptr, 1, 2},
      {Qt::Key_Q, Ctrl, "+++x", Light, nullptr, 1, 0},  // no mode, no step
  };
  for (const auto& row : table) {
    SCOPED_TRACE(testing::Message() << "key " << row.key << " then \"" << row.typed << '"');
    NavigationScene s;
    const ViewModel* views[] = {&s.model, &s.otherScalar, &s.vector};
    const auto read = [&] {
      return row.view == Light ? s.model.LightPos()[0] : views[row.view]->Transform().*row.field;
    };
    const float before = read();
    s.nav.KeyDown(row.key, row.mods);
    type(s, row.typed);
    EXPECT_FLOAT_EQ(read(), float(row.factor * before + row.offset));
  }
}

TEST(NavigationKeys, CtrlLettersSetClearReportAndResetTheMode) {
  NavigationScene s;
  const std::pair<int, TMouseMode> modes[] = {
      {Qt::Key_R, mmRotate}, {Qt::Key_T, mmTranslate}, {Qt::Key_Z, mmZoom}, {Qt::Key_P, mmLight}};
  for (const auto& [k, mode] : modes) {
    s.nav.KeyDown(k, Ctrl);
    EXPECT_EQ(s.nav.MouseMode(), mode);
  }
  s.nav.KeyDown(Qt::Key_Control, Ctrl);
  EXPECT_EQ(s.nav.MouseMode(), mmLight);
  s.nav.KeyDown(Qt::Key_Q, Ctrl);
  EXPECT_EQ(s.nav.MouseMode(), mmNone);
  EXPECT_EQ(s.repaints, 4);

  // One key event runs the key, then its character; a control character runs nothing.
  s.nav.KeyDown(Qt::Key_R, Ctrl);
  s.nav.KeyEvent(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
  s.nav.KeyEvent(Qt::Key_Plus, Qt::NoModifier, QStringLiteral("+"));
  s.nav.KeyEvent(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  EXPECT_FLOAT_EQ(s.t().AngleX, 0.02f);
  s.nav.KeyDown(Qt::Key_S, Ctrl);
  EXPECT_EQ(s.surface.Messages.value(0),
            QStringLiteral("Mode: Rotate, Increment: 2.00, \rx: 0.02, y: 0.00, z: 0.00"));
  s.nav.KeyDown(Qt::Key_T, Ctrl);
  type(s, "+++");
  s.nav.KeyDown(Qt::Key_I, Ctrl);  // clears the translation increment only
  EXPECT_EQ(s.nav.TranslateIncrement + s.nav.RotateIncrement, 2);
  s.nav.KeyEvent(Qt::Key_X, Ctrl, QString(QChar(24)));
  EXPECT_FLOAT_EQ(s.t().AngleX, 0.02f);

  s.nav.KeyDown(Qt::Key_Left, {});
  s.nav.KeyDown(Qt::Key_P, Ctrl);
  type(s, "++x");
  s.nav.KeyDown(Qt::Key_E, Ctrl);
  EXPECT_EQ(s.nav.MouseMode(), mmReset);
  const ViewTransform& r = s.t();
  for (float v : {r.Angle, r.AngleX, r.AngleZ, r.TranX, r.TranY, r.TranZ}) EXPECT_EQ(v, 0.0f);
  EXPECT_FLOAT_EQ(r.ScaleX, 1.1f / 10);
  EXPECT_FLOAT_EQ(r.ScaleZ, 1.0f / 1000);
  EXPECT_EQ(s.nav.RotateIncrement + s.nav.LightIncrement, 0);
  EXPECT_EQ(s.model.LightPos(), (std::array<float, 3>{0, 0, 0}));
}

TEST(NavigationKeys, ProjectKeysReachTheProjectAndWTheView) {
  NavigationScene s;
  s.nav.KeyDown(Qt::Key_Space, {});
  s.nav.KeyDown(Qt::Key_Backspace, {});
  s.nav.KeyDown(Qt::Key_L, Ctrl);  // no session file: nothing to show
  EXPECT_EQ(s.repaints, 2);
  s.host.SessionExists = true;
  s.nav.KeyDown(Qt::Key_L, Ctrl);
  s.nav.KeyDown(Qt::Key_W, Ctrl);
  s.nav.KeyDown(Qt::Key_G, Ctrl);
  EXPECT_EQ(s.host.Calls, (QStringList{"Pause", "StepForward", "Pause", "StepBack", "LoadSession",
                                       "LoadSession", "SaveSession", "GotoStep"}));
  EXPECT_EQ(s.repaints, 3);
  EXPECT_EQ(s.surface.ViewSaves, 0);
  s.nav.KeyDown(Qt::Key_W, {});  // this view alone
  EXPECT_EQ(s.surface.ViewSaves, 1);
  EXPECT_EQ(s.host.Calls.size(), 8);
}

}  // namespace
