#pragma once
// How a user moves the scene of a view window and reads values in it: the
// key and character commands, the mouse modes and drag, the zoom box and the
// hover status. The controller works on the view's model through its shared
// transform setters (so a scalar view's rotations and translations move every
// scalar view of the project) and reaches the window only through
// NavigationSurface, so the rules run headless in tests.
//
// Positions are client pixels of the drawing area (logical pixels, origin at
// the top left, y downwards); the surface's picking takes care of the device
// pixel ratio.
#include "viewer/view/CellPicker.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>

class ViewModel;
class ViewHost;

// The mouse modes; they choose what the x, y, z, i, o keys and '+'/'-' change.
enum TMouseMode : std::uint8_t {
  mmNone = 0,
  mmRotate = 1,
  mmTranslate = 2,
  mmZoom = 3,
  mmReset = 4,
  mmLight = 5,
};

// "None", "Rotate", ... as the mode report names them.
QString MouseModeText(TMouseMode mode);

// What the controller needs of the window.
class NavigationSurface {
 public:
  virtual ~NavigationSurface() = default;
  // The drawing area (client width without the side panel, client height).
  virtual QSize ViewportSize() const = 0;
  // Scene point (x, y) under the window point (x, y) of the drawing area,
  // origin at the bottom left, through the last frame's depth; false on the
  // background.
  virtual bool PickPoint(int x, int y, double& sceneX, double& sceneY) = 0;
  // A message box with an OK button. Lines are separated by CR (character 13).
  virtual void ShowMessage(const QString& text) = 0;
  // Writes this view's settings alone into the session file (key W).
  virtual void SaveViewSettings() = 0;
  // The cell and value lines of the status panel; both empty off the scene.
  virtual void SetHoverTexts(const QString& cell, const QString& value) = 0;
  // The rubber band of a zoom box being drawn, in drawing-area pixels;
  // nullopt removes it.
  virtual void ShowZoomBox(const std::optional<QRect>& box) = 0;
};

class ViewNavigation {
 public:
  // The smallest factor a zoom step multiplies a scale with: the transform
  // chain divides by the scales, so none may reach 0 or change sign.
  static constexpr double MinZoomFactor = 0.01;
  // A zoom box narrower or lower than this (pixels) is taken for a click.
  static constexpr int MinZoomBoxSize = 4;

  ViewNavigation(ViewModel& model, NavigationSurface& surface);

  // ---- keys ----
  // One key event: the key-down table, then the character table with the
  // key's text (as the window gets a key down followed by its character).
  void KeyEvent(int key, Qt::KeyboardModifiers modifiers, const QString& text);
  // The key-down table (Qt::Key values; Ctrl is Qt::ControlModifier).
  void KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // The character table.
  void KeyPress(QChar ch);

  // ---- mouse ----
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void MouseMove(Qt::KeyboardModifiers modifiers, int x, int y);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

  // ---- navigation rules ----
  // Multiplies the three scales by (inc / 10 + 1), or divides by it for `out`
  // (the factor kept at MinZoomFactor or above); repaints.
  void ZoomBy(bool out, double inc);
  // The zoom box from the press point (x0, y0) to the release point (x1, y1).
  void ZoomBox(int x0, int y0, int x1, int y1);
  // The hover status of the drawing-area point (x, y).
  void UpdateHover(int x, int y);
  // The material record under (x, y) named in a message (middle button).
  void ShowMaterialAt(int x, int y);
  // The mode report of Ctrl+S.
  QString ModeReport() const;

  // ---- state ----
  TMouseMode MouseMode() const { return mouseMode_; }
  void SetMouseMode(TMouseMode mode) { mouseMode_ = mode; }
  double RotateIncrement = 0;
  double TranslateIncrement = 0;
  double ZoomIncrement = 0;
  double LightIncrement = 0;
  bool Dragging() const { return dragging_; }
  int LastX() const { return lastX_; }
  int LastY() const { return lastY_; }
  // The zoom box being drawn (drawing-area pixels), if any.
  std::optional<QRect> ZoomBoxRect() const;

  // The reading under a scene point (grid coordinates): what the hover shows.
  std::optional<CellReading> ReadingAt(double px, double py) const;

 private:
  ViewHost& host() const;
  CellLookup lookup() const;
  void repaint();
  // The increment the x, y, z, '+', '-', i and o keys use in the current
  // mode; a scratch value in the modes without one.
  double& modeIncrement();
  void step(char axis);
  void resetMode();
  // Window point (top-left origin) to scene point, in grid coordinates.
  bool pickGrid(int x, int y, double& px, double& py);
  bool pickScene(int x, int y, double& sx, double& sy);

  ViewModel& model_;
  NavigationSurface& surface_;
  TMouseMode mouseMode_ = mmNone;
  double scratchIncrement_ = 0;
  bool dragging_ = false;
  int lastX_ = 0;
  int lastY_ = 0;
  // A zoom box started by a Shift press, with its press point.
  bool boxing_ = false;
  int boxX_ = 0;
  int boxY_ = 0;
  int boxEndX_ = 0;
  int boxEndY_ = 0;
};
