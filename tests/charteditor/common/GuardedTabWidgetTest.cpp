// Every way a user switches pages asks the shown page first; a refusal
// shows no other page and tells nobody of one.
#include "charteditor/common/GuardedTabWidget.h"

#include <gtest/gtest.h>

#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <vector>

namespace {

struct Tabs {
  GuardedTabWidget tabs;
  int asked = 0;
  bool allow = false;
  std::vector<int> shown;
  Tabs() {
    for (const char* caption : {"One", "Two", "Three"}) tabs.addTab(new QWidget, caption);
    tabs.CanLeavePage = [this] {
      ++asked;
      return allow;
    };
    QObject::connect(&tabs, &QTabWidget::currentChanged, [this](int i) { shown.push_back(i); });
    tabs.resize(300, 200);
    tabs.show();
  }
};

void wheelDown(QWidget* w) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QWheelEvent wheel(at, w->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(w, &wheel);
}

struct Way {
  const char* name;
  std::function<void(GuardedTabWidget&)> act;
};

const Way kWays[] = {
    {"click",
     [](GuardedTabWidget& t) {
       QTest::mouseClick(t.tabBar(), Qt::LeftButton, {}, t.tabBar()->tabRect(1).center());
     }},
    {"arrow key", [](GuardedTabWidget& t) { QTest::keyClick(t.tabBar(), Qt::Key_Right); }},
    {"ctrl+tab",
     [](GuardedTabWidget& t) { QTest::keyClick(&t, Qt::Key_Tab, Qt::ControlModifier); }},
    {"wheel", [](GuardedTabWidget& t) { wheelDown(t.tabBar()); }},
    {"code", [](GuardedTabWidget& t) { t.SelectPage(1); }},
};

TEST(GuardedTabWidget, EveryWayOfSwitchingAsksFirst) {
  for (const Way& way : kWays) {
    SCOPED_TRACE(way.name);
    Tabs t;
    way.act(t.tabs);
    EXPECT_EQ(t.asked, 1);
    EXPECT_EQ(t.tabs.currentIndex(), 0);
    EXPECT_TRUE(t.shown.empty());
    t.allow = true;
    way.act(t.tabs);
    EXPECT_EQ(t.asked, 2);
    EXPECT_EQ(t.tabs.currentIndex(), 1);
    EXPECT_EQ(t.shown, std::vector<int>{1});
  }
}

TEST(GuardedTabWidget, NothingIsAskedWhereNoSwitchCanHappen) {
  Tabs t;
  QTest::mouseClick(t.tabs.tabBar(), Qt::LeftButton, {}, t.tabs.tabBar()->tabRect(0).center());
  QTest::keyClick(t.tabs.tabBar(), Qt::Key_Left);  // no page before the first
  t.tabs.setTabEnabled(1, false);
  t.tabs.setTabVisible(2, false);
  QTest::keyClick(t.tabs.tabBar(), Qt::Key_Right);  // the others cannot be shown
  EXPECT_TRUE(t.tabs.SelectPage(0));
  EXPECT_EQ(t.asked, 0);
  EXPECT_EQ(t.tabs.currentIndex(), 0);
}

}  // namespace
