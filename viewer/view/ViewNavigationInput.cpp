#include "viewer/view/ViewNavigationInput.h"

#include "platform/TApplication.h"
#include "viewer/view/SessionFile.h"
#include "viewer/view/TfrmGLBase.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QOpenGLWidget>
#include <QRubberBand>

ViewNavigationInput::ViewNavigationInput(TfrmGLBase& view)
    : QObject(view.OpenGL1.Widget() != nullptr ? static_cast<QObject*>(view.OpenGL1.Widget())
                                               : static_cast<QObject*>(&view)),
      view_(view),
      navigation_(view.Model(), *this) {
  setObjectName(QStringLiteral("ViewNavigationInput"));
  watchKeys(&view_);
  for (QWidget* child : view_.findChildren<QWidget*>()) {
    // Popup menus and dialogs are windows of their own and keep their keys.
    if (!child->isWindow()) watchKeys(child);
  }
  if (QOpenGLWidget* area = view_.OpenGL1.Widget()) {
    // Mouse moves arrive without a button too: the hover status follows them.
    area->setMouseTracking(true);
    area->installEventFilter(this);
    zoomBox_ = new QRubberBand(QRubberBand::Rectangle, area);
    zoomBox_->setAttribute(Qt::WA_TransparentForMouseEvents);
    zoomBox_->hide();
  }
}

ViewNavigationInput::~ViewNavigationInput() = default;

void ViewNavigationInput::watchKeys(QObject* object) {
  object->installEventFilter(this);
}

bool ViewNavigationInput::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Every key of the window is the view's, whichever part has the focus;
      // taking it here keeps it from reaching the view a second time through
      // the parents.
      const auto* key = static_cast<QKeyEvent*>(event);
      navigation_.KeyEvent(key->key(), key->modifiers(), key->text());
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
      if (watched != view_.OpenGL1.Widget()) break;
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint p = mouse->position().toPoint();
      if (event->type() == QEvent::MouseMove)
        navigation_.MouseMove(mouse->modifiers(), p.x(), p.y());
      else if (event->type() == QEvent::MouseButtonRelease)
        navigation_.MouseUp(mouse->button(), mouse->modifiers(), p.x(), p.y());
      else
        navigation_.MouseDown(mouse->button(), mouse->modifiers(), p.x(), p.y());
      // The right button still reaches the window's popup menu.
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

// ---- NavigationSurface ----

QSize ViewNavigationInput::ViewportSize() const {
  const QOpenGLWidget* area = view_.OpenGL1.Widget();
  return area != nullptr ? area->size() : QSize();
}

bool ViewNavigationInput::PickPoint(int x, int y, double& sceneX, double& sceneY) {
  // Picking reads the depth of the last frame drawn with Transform1, in the
  // drawing area's logical pixels; TGLTransform scales them to device pixels.
  double z = 0;
  return view_.Transform1.PickPoint(view_.OpenGL1, x, y, sceneX, sceneY, z);
}

void ViewNavigationInput::ShowMessage(const QString& text) {
  QString shown = text;
  shown.replace(QChar(13), QChar('\n'));
  TApplication::ShowMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shown);
}

void ViewNavigationInput::SaveViewSettings() {
  SaveViewSession(view_);
}

void ViewNavigationInput::SetHoverTexts(const QString& cell, const QString& value) {
  view_.StaticText2->setText(cell);
  view_.StaticText3->setText(value);
}

void ViewNavigationInput::ShowZoomBox(const std::optional<QRect>& box) {
  if (zoomBox_ == nullptr) return;
  if (!box) {
    zoomBox_->hide();
    return;
  }
  zoomBox_->setGeometry(*box);
  zoomBox_->show();
}

// ---- installation ----

ViewNavigationInput& InstallViewNavigation(TfrmGLBase& view) {
  if (ViewNavigationInput* existing = ViewNavigationOf(view)) return *existing;
  return *new ViewNavigationInput(view);
}

ViewNavigationInput* ViewNavigationOf(const TfrmGLBase& view) {
  return view.findChild<ViewNavigationInput*>(QStringLiteral("ViewNavigationInput"));
}
