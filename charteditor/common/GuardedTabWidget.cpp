#include "charteditor/common/GuardedTabWidget.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionTabBarBase>
#include <QTabBar>
#include <QWheelEvent>

#include <cstdlib>

namespace {

// Qt's tab bar switches from inside its own event handlers; this one asks
// its widget first and swallows the event when the shown page stays.
class GuardedTabBar final : public QTabBar {
 public:
  explicit GuardedTabBar(GuardedTabWidget& tabs) : QTabBar(&tabs), tabs_(tabs) {}

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Shortcut) {
      const auto* shortcut = static_cast<QShortcutEvent*>(event);
      for (int i = 0; i < count(); ++i)
        if (QKeySequence::mnemonic(tabText(i)) == shortcut->key() && !tabs_.MayChangeTo(i))
          return true;
    }
    return QTabBar::event(event);
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (!Refused(*event, QEvent::MouseButtonPress)) QTabBar::mousePressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!Refused(*event, QEvent::MouseButtonRelease)) QTabBar::mouseReleaseEvent(event);
  }

  // The arrows and the wheel step to the next page a user can see and
  // use (the tab bar's own stepping would also land on hidden tabs).
  void keyPressEvent(QKeyEvent* event) override {
    const bool back = event->key() == (isRightToLeft() ? Qt::Key_Right : Qt::Key_Left);
    const bool forth = event->key() == (isRightToLeft() ? Qt::Key_Left : Qt::Key_Right);
    if (!back && !forth) {
      QTabBar::keyPressEvent(event);
      return;
    }
    tabs_.SelectPage(tabs_.NextSelectable(back ? -1 : 1));
    event->accept();
  }

#if QT_CONFIG(wheelevent)
  void wheelEvent(QWheelEvent* event) override {
    const QPoint delta = event->angleDelta();
    const int along = std::abs(delta.y()) > std::abs(delta.x()) ? delta.y() : delta.x();
    const bool switches = style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling, nullptr, this);
    // A touchpad's pixel scrolling scrolls the tabs themselves.
    if (!switches || along == 0 || !event->pixelDelta().isNull()) {
      QTabBar::wheelEvent(event);
      return;
    }
    tabs_.SelectPage(tabs_.NextSelectable(along > 0 ? -1 : 1));
    event->accept();
  }
#endif

 private:
  // A left button event of the kind that selects tabs, on another tab,
  // which the shown page refused to give way to.
  bool Refused(QMouseEvent& event, QEvent::Type selecting) {
    if (event.button() != Qt::LeftButton) return false;
    QStyleOptionTabBarBase option;
    option.initFrom(this);
    if (style()->styleHint(QStyle::SH_TabBar_SelectMouseType, &option, this) != selecting)
      return false;
    if (tabs_.MayChangeTo(tabAt(event.position().toPoint()))) return false;
    event.accept();
    return true;
  }

  GuardedTabWidget& tabs_;
};

}  // namespace

GuardedTabWidget::GuardedTabWidget(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new GuardedTabBar(*this));
}

bool GuardedTabWidget::MayChangeTo(int index) {
  if (index < 0 || index >= count() || index == currentIndex()) return true;
  if (!isTabEnabled(index) || !isTabVisible(index)) return true;
  return !CanLeavePage || CanLeavePage();
}

int GuardedTabWidget::NextSelectable(int step, bool wrap) const {
  const int n = count();
  int i = currentIndex();
  for (int k = 1; k < n; ++k) {
    i += step;
    if (wrap) {
      i = (i + n) % n;
    } else if (i < 0 || i >= n) {
      return -1;
    }
    if (isTabEnabled(i) && isTabVisible(i)) return i;
  }
  return -1;
}

bool GuardedTabWidget::SelectPage(int index) {
  if (index < 0 || index >= count()) return false;
  if (index != currentIndex() && CanLeavePage && !CanLeavePage()) return false;
  setCurrentIndex(index);
  return currentIndex() == index;
}

void GuardedTabWidget::keyPressEvent(QKeyEvent* event) {
  const bool cycling = (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
                       (event->modifiers() & Qt::ControlModifier) && count() > 1;
  if (!cycling) {
    QTabWidget::keyPressEvent(event);
    return;
  }
  const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
  SelectPage(NextSelectable(back ? -1 : 1, true));
  event->accept();
}
