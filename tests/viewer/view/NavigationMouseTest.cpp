// Mouse navigation: drags pan and zoom, Shift draws a zoom box, the guards that
// keep a box or a zoom drag from breaking the transform, middle clicks.
#include "tests/viewer/NavigationTestHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void drag(NavigationScene& s, Qt::KeyboardModifiers m, QPoint from, QPoint to) {
  s.nav.MouseDown(Qt::LeftButton, m, from.x(), from.y());
  s.nav.MouseMove(m, to.x(), to.y());
  s.nav.MouseUp(Qt::LeftButton, m, to.x(), to.y());
}

void middleClick(NavigationScene& s, double gx, double gy) {
  const QPoint p = s.surface.WindowPointOf(gx, gy);
  s.nav.MouseDown(Qt::MiddleButton, Qt::NoModifier, p.x(), p.y());
  s.nav.MouseUp(Qt::MiddleButton, Qt::NoModifier, p.x(), p.y());
}

// Plain drags turn the views: see NavigationProject under a window system.
TEST(NavigationMouse, CtrlDragsPanAndCtrlAltDragsZoomPositively) {
  NavigationScene s;
  const ViewTransform start = s.t();
  // Ctrl pans by half the larger viewport side (400 x 300).
  drag(s, Qt::ControlModifier, {100, 100}, {140, 120});
  EXPECT_FLOAT_EQ(s.t().TranX, float(start.TranX + 40 / 200.0 / start.ScaleX));
  EXPECT_FLOAT_EQ(s.t().TranY, float(start.TranY - 20 / 200.0 / start.ScaleY));
  EXPECT_FLOAT_EQ(s.otherScalar.Transform().TranX, s.t().TranX);

  // Ctrl+Alt zooms by the dragged share of the width, never below the minimum factor.
  drag(s, Qt::ControlModifier | Qt::AltModifier, {200, 100}, {300, 100});
  EXPECT_FLOAT_EQ(s.t().ScaleX, start.ScaleX * 1.25f);
  EXPECT_FLOAT_EQ(s.t().ScaleZ, start.ScaleZ * 1.25f);
  drag(s, Qt::ControlModifier | Qt::AltModifier, {399, 100}, {-20, 100});
  EXPECT_FLOAT_EQ(s.t().ScaleX, start.ScaleX * 1.25f * float(ViewNavigation::MinZoomFactor));
}

TEST(NavigationMouse, ZoomBoxFillsTheViewportAroundItsCentreWhicheverWayItIsDrawn) {
  NavigationScene s;
  const ViewTransform start = s.t();
  drag(s, Qt::ShiftModifier, {100, 60}, {180, 100});  // 80 x 40 in 400 x 300
  const double f = std::min(300.0 / 40, 400.0 / 80);
  EXPECT_FLOAT_EQ(s.t().ScaleX, float(start.ScaleX * f));
  EXPECT_FLOAT_EQ(s.t().ScaleY, float(start.ScaleY * f));
  EXPECT_EQ(s.t().ScaleZ, start.ScaleZ);
  // Picked at the box's centre (140, 80), counted from the bottom: scene
  // point ((140 - 200) / 20, (219 - 150) / 20), which moves to the middle.
  EXPECT_FLOAT_EQ(s.t().TranX, 3.0f);
  EXPECT_FLOAT_EQ(s.t().TranY, -3.45f);
  EXPECT_EQ(s.surface.ZoomBoxes.back(), std::nullopt);

  const float scale = s.t().ScaleX;
  drag(s, Qt::ShiftModifier, {100, 100}, {180, 60});  // to the upper right
  EXPECT_FLOAT_EQ(s.t().ScaleX, scale * 5.0f);
  drag(s, Qt::ShiftModifier, {180, 60}, {100, 100});  // to the lower left
  EXPECT_FLOAT_EQ(s.t().ScaleX, scale * 25.0f);

  // Over the background there is no point to centre on.
  s.surface.Background = true;
  const ViewTransform before = s.t();
  drag(s, Qt::ShiftModifier, {100, 60}, {180, 100});
  EXPECT_FLOAT_EQ(s.t().ScaleX, before.ScaleX * 5.0f);
  EXPECT_EQ(s.t().TranX, before.TranX);
  EXPECT_EQ(s.t().TranY, before.TranY);

  drag(s, Qt::ShiftModifier, {180, 100}, {100, 60});  // to the upper left: reset
  EXPECT_EQ(s.t().TranX, 0.0f);
  EXPECT_FLOAT_EQ(s.t().ScaleX, 1.1f / 10.0f);
}

TEST(NavigationMouse, TinyOrAbandonedZoomBoxesAreIgnored) {
  NavigationScene s;
  const ViewTransform start = s.t();
  drag(s, Qt::ShiftModifier, {100, 100}, {100, 100});  // a Shift click
  drag(s, Qt::ShiftModifier, {100, 100}, {180, 102});  // a flat line
  drag(s, Qt::ShiftModifier, {100, 100}, {98, 97});    // a twitch to the upper left
  s.nav.MouseDown(Qt::LeftButton, Qt::ShiftModifier, 100, 60);
  s.nav.MouseMove(Qt::ShiftModifier, 180, 100);
  s.nav.MouseUp(Qt::LeftButton, Qt::NoModifier, 180, 100);  // Shift released first
  EXPECT_EQ(s.t().ScaleX, start.ScaleX);
  EXPECT_EQ(s.t().TranX, start.TranX);
  EXPECT_EQ(s.repaints, 0);
  EXPECT_EQ(s.surface.ZoomBoxes.back(), std::nullopt);
}

TEST(MiddleClick, NamesOnlyAMaterialThatHasARecord) {
  NavigationScene s;
  middleClick(s, 4.5, 3.5);
  middleClick(s, 6.5, 3.5);
  middleClick(s, 1.5, 1.5);  // no material
  middleClick(s, 20, 20);    // beyond the grid: clamped to the last cell, none
  s.surface.Background = true;
  middleClick(s, 4.5, 3.5);
  EXPECT_EQ(s.surface.Messages, (QStringList{"brick", "mortar"}));

  // Version 0 has material 1 in every cell with an area, but no records.
  NavigationScene old(0);
  const QPoint p = old.surface.WindowPointOf(4.5, 3.5);
  old.nav.MouseMove(Qt::NoModifier, p.x(), p.y());
  EXPECT_TRUE(old.host.Calls.isEmpty());
  middleClick(old, 4.5, 3.5);
  EXPECT_TRUE(old.surface.Messages.isEmpty());
}

// Hovering lists the material of the cell under the mouse (its record,
// numbered from 0); a boundary cell beside the material shows the value it
// holds but lists none, nor does a cell far from it or the background.
TEST(Hover, ListsTheMaterialOfTheCellUnderTheMouseOnly) {
  NavigationScene s;
  const struct {
    double x, y;
    const char* listed;  // nullptr: nothing listed
    const char* cell;
  } table[] = {
      {4.5, 3.5, "ShowMaterial 0", "(5,4)=(4.500m,3.500m)"},  // brick
      {6.5, 5.5, "ShowMaterial 1", "(7,6)=(6.500m,5.500m)"},  // mortar
      {2.5, 3.5, nullptr, "(3,4)=(2.500m,3.500m)"},           // left of the brick
      {7.5, 3.5, nullptr, "(8,4)=(7.500m,3.500m)"},           // right of the mortar
      {0.5, 0.5, nullptr, "(1,1)=(0.500m,0.500m)"},           // far from both
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.cell);
    s.host.Calls.clear();
    const QPoint p = s.surface.WindowPointOf(row.x, row.y);
    s.nav.MouseMove(Qt::NoModifier, p.x(), p.y());
    EXPECT_EQ(s.surface.CellText, QString::fromLatin1(row.cell));
    EXPECT_EQ(s.host.Calls,
              row.listed ? QStringList{QString::fromLatin1(row.listed)} : QStringList{});
  }
  // The boundary cell left of the brick shows its own temperature.
  const QPoint left = s.surface.WindowPointOf(2.5, 3.5);
  s.nav.MouseMove(Qt::NoModifier, left.x(), left.y());
  EXPECT_TRUE(s.surface.ValueText.trimmed().startsWith(QStringLiteral("304 ")))
      << s.surface.ValueText.toStdString();
  s.surface.Background = true;
  s.host.Calls.clear();
  s.nav.MouseMove(Qt::NoModifier, left.x(), left.y());
  EXPECT_TRUE(s.surface.CellText.isEmpty());
  EXPECT_TRUE(s.surface.ValueText.isEmpty());
  EXPECT_TRUE(s.host.Calls.isEmpty());
}

}  // namespace
