#pragma once
// A tab widget whose shown page may refuse to be left. The question is asked
// before anything changes: a refused switch never makes another page current,
// so listeners of currentChanged hear only of switches that happened and the
// other page never shows for a moment.
//
// Every way a user switches asks: a click on a tab, the arrow keys and the
// wheel over the tab bar, a tab's mnemonic, Ctrl+Tab. Code that switches
// pages asks through SelectPage; setCurrentIndex stays unguarded for the
// switches that are no user's (a page removed or hidden).
#include <QTabWidget>

#include <functional>

class GuardedTabWidget : public QTabWidget {
  Q_OBJECT

 public:
  explicit GuardedTabWidget(QWidget* parent = nullptr);

  // Asked before the shown page is left; none set: always allowed.
  std::function<bool()> CanLeavePage;

  // Shows page `index` when the shown one may be left; true when `index`
  // is the shown page afterwards.
  bool SelectPage(int index);
  bool SelectPage(QWidget* page) { return SelectPage(indexOf(page)); }

  // Whether the shown page may be left for page `index` (asks when
  // `index` is a page a user could switch to).
  bool MayChangeTo(int index);
  // The next page in `step`'s direction a user can switch to, or -1;
  // `wrap` goes on from the other end, as Ctrl+Tab does.
  int NextSelectable(int step, bool wrap = false) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
