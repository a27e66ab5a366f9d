#pragma once
// Connects a view window's keys and mouse to its ViewNavigation: keys that
// reach the window or any widget inside it (the legend, the status texts:
// the window previews its keys), and the mouse over the drawing area, which
// is tracked without a button for the hover status. It is also the
// controller's NavigationSurface: picking through Transform1 on the view's
// GL context, the status texts, the message box and the zoom box's rubber
// band.
#include "viewer/view/ViewNavigation.h"

#include <QObject>

#include <memory>

class QRubberBand;
class TfrmGLBase;

class ViewNavigationInput : public QObject, public NavigationSurface {
  Q_OBJECT

 public:
  explicit ViewNavigationInput(TfrmGLBase& view);
  ~ViewNavigationInput() override;

  ViewNavigation& Navigation() { return navigation_; }

  // ---- NavigationSurface ----
  QSize ViewportSize() const override;
  bool PickPoint(int x, int y, double& sceneX, double& sceneY) override;
  void ShowMessage(const QString& text) override;
  void SaveViewSettings() override;
  void SetHoverTexts(const QString& cell, const QString& value) override;
  void ShowZoomBox(const std::optional<QRect>& box) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watchKeys(QObject* object);

  TfrmGLBase& view_;
  ViewNavigation navigation_;
  QRubberBand* zoomBox_ = nullptr;
};

// Gives `view` its keys and mouse navigation (the view's form calls this once,
// when built).
ViewNavigationInput& InstallViewNavigation(TfrmGLBase& view);
// The navigation of `view`; nullptr before InstallViewNavigation.
ViewNavigationInput* ViewNavigationOf(const TfrmGLBase& view);
