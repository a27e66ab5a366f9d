// The navigator bars: button layout, keys, repeat, and the button states
// of the grid and page navigators.
#include "GridFixture.h"
#include "charteditor/grid/TChartGrid.h"
#include "charteditor/grid/TChartGridNavigator.h"
#include "charteditor/grid/TChartPageNavigator.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using Nav = TCustomChartNavigator;

std::vector<int> Widths(const Nav& nav) {
  std::vector<int> out;
  int x = 0;
  for (int i = 0; i < Nav::kButtonCount; ++i) {
    const QToolButton* b = nav.Button(i);
    if (b->isHidden()) continue;
    EXPECT_EQ(b->x(), x) << i;  // side by side from the left
    EXPECT_EQ(b->height(), nav.height()) << i;
    out.push_back(b->width());
    x += b->width();
  }
  return out;
}

std::vector<bool> States(const Nav& nav) {
  std::vector<bool> out;
  for (int i = 0; i < Nav::kButtonCount; ++i) out.push_back(nav.Button(i)->isEnabled());
  return out;
}

TEST(NavigatorLayout, SharesTheWidthAndSpreadsTheLeftoverPixels) {
  struct Row {
    bool pageNavigator, aligned;
    int width;
    int expectedWidth;
    std::vector<int> widths;
  };
  const Row rows[] = {
      {false, false, 241, 234, {26, 26, 26, 26, 26, 26, 26, 26, 26}},
      {false, true, 241, 241, {27, 27, 26, 27, 27, 27, 26, 27, 27}},
      {true, false, 241, 240, {60, 60, 60, 60}},
      {true, true, 241, 241, {60, 60, 61, 60}},
      {false, false, 100, 180, {20, 20, 20, 20, 20, 20, 20, 20, 20}},  // at least 20 each
  };
  for (const Row& r : rows) {
    std::unique_ptr<Nav> nav;
    if (r.pageNavigator) {
      nav = std::make_unique<TChartPageNavigator>();
    } else {
      nav = std::make_unique<TChartGridNavigator>();
    }
    nav->SetAligned(r.aligned);
    nav->show();  // a hidden widget hears of its size only when shown
    nav->resize(r.width, 25);
    EXPECT_EQ(nav->width(), r.expectedWidth) << r.width << r.aligned;
    EXPECT_EQ(Widths(*nav), r.widths) << r.width << r.aligned << r.pageNavigator;
  }
}

TEST(NavigatorKeys, SpaceClicksTheFocusedButtonAndArrowsMoveTheFocus) {
  TChartGridNavigator nav;
  nav.resize(241, 25);
  std::vector<int> clicked;
  nav.OnButtonClicked = [&](Nav&, int index) { clicked.push_back(index); };
  for (int i = 0; i < Nav::kButtonCount; ++i) nav.Button(i)->setEnabled(true);
  EXPECT_EQ(nav.FocusedButton(), 0);
  QTest::keyClick(&nav, Qt::Key_Left);
  EXPECT_EQ(nav.FocusedButton(), 0);
  QTest::keyClick(&nav, Qt::Key_Right);
  QTest::keyClick(&nav, Qt::Key_Right);
  EXPECT_EQ(nav.FocusedButton(), 2);
  QTest::keyClick(&nav, Qt::Key_Space);
  nav.Button(2)->setEnabled(false);
  QTest::keyClick(&nav, Qt::Key_Space);  // disabled: nothing
  for (int i = 0; i < 8; ++i) QTest::keyClick(&nav, Qt::Key_Right);
  EXPECT_EQ(nav.FocusedButton(), 8);
  EXPECT_EQ(clicked, (std::vector<int>{2}));
  // The page navigator skips its hidden buttons.
  TChartPageNavigator pages;
  for (int i = 0; i < 6; ++i) QTest::keyClick(&pages, Qt::Key_Right);
  EXPECT_EQ(pages.FocusedButton(), 3);
}

TEST(NavigatorButtons, RepeatWhileHeldAndCarryTheirHints) {
  TChartGridNavigator nav;
  QToolButton* next = nav.Button(Nav::nbNext);
  EXPECT_TRUE(next->autoRepeat());
  EXPECT_EQ(next->autoRepeatDelay(), 400);
  EXPECT_EQ(next->autoRepeatInterval(), 100);
  EXPECT_TRUE(next->autoRaise());
  EXPECT_EQ(next->toolTip(), "Next");
  nav.SetHints({"", "Back", "", "", "", "", "", "", "", "Ignored"});
  EXPECT_EQ(nav.Button(Nav::nbFirst)->toolTip(), "First");
  EXPECT_EQ(nav.Button(Nav::nbPrior)->toolTip(), "Back");
  next->setEnabled(true);
  int clicks = 0;
  nav.OnButtonClicked = [&](Nav&, int index) { clicks += index == Nav::nbNext; };
  nav.show();
  QTest::mousePress(next, Qt::LeftButton);
  QTest::qWait(650);  // repeats at about 400, 500 and 600 ms
  QTest::mouseRelease(next, Qt::LeftButton);
  EXPECT_GE(clicks, 2);
  EXPECT_LE(clicks, 6);
  const int afterRelease = clicks;
  QTest::qWait(250);
  EXPECT_EQ(clicks, afterRelease);
}

TEST(GridNavigatorStates, FollowTheGridsChartRowAndEdit) {
  GridFixture f;
  TChartGrid grid;
  TChartGridNavigator nav;
  nav.SetGrid(&grid);
  const std::vector<bool> none(9, false);
  EXPECT_EQ(States(nav), none);  // no chart
  grid.SetChart(f.chart.get());
  EXPECT_EQ(States(nav), none);  // no series: nothing to insert into
  f.AddIndexSeries(3);
  grid.Model().Rebuild();
  EXPECT_EQ(States(nav),
            (std::vector<bool>{false, false, true, true, true, true, true, false, false}));
  nav.ClickButton(Nav::nbLast);
  EXPECT_EQ(grid.CurrentRow(), 2);
  EXPECT_EQ(States(nav),
            (std::vector<bool>{true, true, false, false, true, true, true, false, false}));
  nav.ClickButton(Nav::nbPrior);
  EXPECT_EQ(grid.CurrentRow(), 1);
  nav.ClickButton(Nav::nbEdit);
  ASSERT_TRUE(grid.Editing());
  EXPECT_EQ(States(nav),
            (std::vector<bool>{true, true, true, true, false, false, false, true, true}));
  nav.ClickButton(Nav::nbCancel);
  EXPECT_FALSE(grid.Editing());
  grid.SetAllowEditing(false);
  EXPECT_EQ(States(nav),
            (std::vector<bool>{true, true, true, true, false, false, false, false, false}));
  grid.SetAllowEditing(true);
  grid.SetSeries(f.series[0].get());  // a single series: no insert
  EXPECT_FALSE(nav.Button(Nav::nbInsert)->isEnabled());
  EXPECT_FALSE(nav.Button(Nav::nbDelete)->isEnabled());
}

TEST(PageNavigatorStates, FollowTheChartsPage) {
  GridFixture f;
  f.AddIndexSeries(6);
  TChartPageNavigator nav;
  nav.SetChart(f.chart.get());
  EXPECT_EQ(States(nav), std::vector<bool>(9, false));  // one page
  f.chart->SetMaxPointsPerPage(2);                      // no page event: refresh asks again
  nav.EnableButtons();
  EXPECT_EQ(States(nav),
            (std::vector<bool>{false, false, true, true, false, false, false, false, false}));
  f.chart->SetPage(2);  // the chart tells its listeners
  EXPECT_EQ(States(nav),
            (std::vector<bool>{true, true, true, true, false, false, false, false, false}));
  nav.ClickButton(Nav::nbLast);
  EXPECT_EQ(f.chart->Page(), 3);
  nav.ClickButton(Nav::nbFirst);
  EXPECT_EQ(f.chart->Page(), 1);
  for (int i = Nav::nbInsert; i <= Nav::nbCancel; ++i) EXPECT_TRUE(nav.Button(i)->isHidden());
}

TEST(NavigatorLifetimes, GridAndNavigatorsLetGoOfEachOtherAndOfTheChart) {
  GridFixture f;
  f.AddIndexSeries(6);
  auto grid = std::make_unique<TChartGrid>();
  auto nav = std::make_unique<TChartGridNavigator>();
  nav->SetGrid(grid.get());
  EXPECT_EQ(grid->Navigator(), nav.get());
  grid->SetChart(f.chart.get());
  grid.reset();
  EXPECT_EQ(nav->Grid(), nullptr);
  nav->ClickButton(Nav::nbNext);  // nothing to drive
  grid = std::make_unique<TChartGrid>();
  grid->SetChart(f.chart.get());
  nav->SetGrid(grid.get());
  nav.reset();
  EXPECT_EQ(grid->Navigator(), nullptr);
  grid.reset();
  auto pages = std::make_unique<TChartPageNavigator>();
  pages->SetChart(f.chart.get());
  pages.reset();
  f.chart->SetMaxPointsPerPage(2);
  f.chart->SetPage(2);  // nobody freed is told
  f.AddIndexSeries(2);
  EXPECT_TRUE(f.chart->Listeners().empty());
}

}  // namespace
