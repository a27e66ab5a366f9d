#include "viewer/view/SessionWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QMdiSubWindow* SubWindowOf(const QWidget& view) {
  return qobject_cast<QMdiSubWindow*>(view.parentWidget());
}

}  // namespace

QWidget& WidgetSessionWindow::frame() const {
  if (QMdiSubWindow* sub = SubWindowOf(view_)) return *sub;
  return *view_.window();
}

QRect WidgetSessionWindow::Bounds() const {
  const QWidget& w = frame();
  if (w.isWindow()) return QRect(w.frameGeometry().topLeft(), w.size());
  return w.geometry();
}

void WidgetSessionWindow::SetBounds(const QRect& bounds) {
  QWidget& w = frame();
  if (w.isWindow()) {
    w.move(bounds.topLeft());
    w.resize(bounds.size());
  } else {
    w.setGeometry(bounds);
  }
}

int WidgetSessionWindow::WindowState() const {
  const QWidget& w = frame();
  if (w.isMinimized()) return Minimized;
  if (w.isMaximized()) return Maximized;
  return Normal;
}

void WidgetSessionWindow::SetWindowState(int state) {
  QWidget& w = frame();
  if (state == WindowState()) return;
  switch (state) {
    case Minimized:
      w.showMinimized();
      break;
    case Maximized:
      w.showMaximized();
      break;
    default:
      w.showNormal();
      break;
  }
}

bool WidgetSessionWindow::IsActive() const {
  if (QMdiSubWindow* sub = SubWindowOf(view_))
    return sub->mdiArea() != nullptr && sub->mdiArea()->activeSubWindow() == sub;
  return view_.isActiveWindow();
}

void WidgetSessionWindow::Activate() {
  if (QMdiSubWindow* sub = SubWindowOf(view_)) {
    if (QMdiArea* area = sub->mdiArea()) {
      area->setActiveSubWindow(sub);
      return;
    }
  }
  QWidget* w = view_.window();
  w->raise();
  w->activateWindow();
}
