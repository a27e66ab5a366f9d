// The status texts that follow the mouse, the material listing they trigger
// and the material name of a middle click, over a writer-made file, with a
// pick that maps window pixels straight onto the grid.
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"
#include "viewer/ViewNavigation.h"

#include <gtest/gtest.h>

namespace {

class HoverStatus : public testing::Test {
 protected:
  explicit HoverStatus(int version = 2)
      : host_(NavigationTestSpec(version)),
        model_(host_, dkTemperature, legend_),
        nav_(model_, surface_) {}

  void hover(double gx, double gy) {
    const QPoint p = surface_.WindowPointOf(gx, gy);
    nav_.MouseMove(Qt::NoModifier, p.x(), p.y());
  }
  void middleClick(double gx, double gy) {
    const QPoint p = surface_.WindowPointOf(gx, gy);
    nav_.MouseDown(Qt::MiddleButton, Qt::NoModifier, p.x(), p.y());
    nav_.MouseUp(Qt::MiddleButton, Qt::NoModifier, p.x(), p.y());
  }

  LocaleGuard locale_{LocaleGuard::English()};
  NavigationTestHost host_;
  ColorLegendModel legend_;
  ViewModel model_;
  FakeNavigationSurface surface_;
  ViewNavigation nav_;
};

class HoverStatusVersion0 : public HoverStatus {
 protected:
  HoverStatusVersion0() : HoverStatus(0) {}
};

TEST_F(HoverStatus, ListsTheMaterialUnderTheMouseAndClearsOffTheScene) {
  hover(6.5, 5.5);  // cell (7, 6) of material 2
  EXPECT_EQ(surface_.CellText, QStringLiteral("(7,6)=(6.500m,5.500m)"));
  EXPECT_EQ(surface_.ValueText, QStringLiteral(" 706 [°C]"));
  hover(2.5, 3.5);  // cell (3, 4), left of the material: none listed
  EXPECT_EQ(host_.Calls, (QStringList{"ShowMaterial 1"}));
  surface_.Background = true;
  hover(4.5, 3.5);
  EXPECT_EQ(surface_.CellText, QString());
  EXPECT_EQ(surface_.ValueText, QString());
}

TEST_F(HoverStatus, MiddleClickNamesTheMaterialUnderTheMouse) {
  middleClick(4.5, 3.5);
  EXPECT_EQ(surface_.Messages, QStringList{"brick"});
  middleClick(6.5, 3.5);
  EXPECT_EQ(surface_.Messages.last(), QStringLiteral("mortar"));
  middleClick(1.5, 1.5);  // no material
  middleClick(20, 20);    // beyond the grid: clamped to the last cell, none
  EXPECT_EQ(surface_.Messages.size(), 2);
  surface_.Background = true;
  middleClick(4.5, 3.5);
  EXPECT_EQ(surface_.Messages.size(), 2);
}

TEST_F(HoverStatusVersion0, FilesWithoutMaterialRecordsNameNoMaterial) {
  // Version 0 has material 1 in every cell with an area, but no records.
  hover(4.5, 3.5);
  EXPECT_EQ(surface_.CellText, QStringLiteral("(5,4)=(4.500m,3.500m)"));
  EXPECT_TRUE(host_.Calls.isEmpty());
  middleClick(4.5, 3.5);
  EXPECT_TRUE(surface_.Messages.isEmpty());
}

}  // namespace
