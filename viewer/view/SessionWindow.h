#pragma once
// The window placement the session file keeps of a view: bounds, state and
// whether it is the active window. The session code sees windows only
// through this interface; WidgetSessionWindow is the real one.
#include <QRect>

class QWidget;

class SessionWindow {
 public:
  enum State { Normal = 0, Minimized = 1, Maximized = 2 };

  virtual ~SessionWindow() = default;
  // Left, top, width and height of the window frame (an MDI child's within
  // the MDI area).
  virtual QRect Bounds() const = 0;
  virtual void SetBounds(const QRect& bounds) = 0;
  virtual int WindowState() const = 0;
  virtual void SetWindowState(int state) = 0;
  // The window is the active MDI child (the active window outside an MDI area).
  virtual bool IsActive() const = 0;
  // Brings the window to the front and activates it.
  virtual void Activate() = 0;
};

// The placement of a view window: its MDI frame when it has one, else the
// widget's own top-level window.
class WidgetSessionWindow final : public SessionWindow {
 public:
  explicit WidgetSessionWindow(QWidget& view) : view_(view) {}
  QRect Bounds() const override;
  void SetBounds(const QRect& bounds) override;
  int WindowState() const override;
  void SetWindowState(int state) override;
  bool IsActive() const override;
  void Activate() override;

 private:
  QWidget& frame() const;

  QWidget& view_;
};
