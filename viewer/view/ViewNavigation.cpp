#include "viewer/view/ViewNavigation.h"

#include "base/Format.h"
#include "resultdata/TGrid.h"
#include "resultdata/TResultFile.h"
#include "viewer/view/ViewHost.h"
#include "viewer/view/ViewModel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A zoom step's factor kept positive: the chain must never scale by 0 or
// mirror the scene.
double ClampedFactor(double f) {
  return std::isfinite(f) && f >= ViewNavigation::MinZoomFactor ? f : ViewNavigation::MinZoomFactor;
}

QString CoordinatesText(double x, double y, double z) {
  return base::Format(QStringLiteral("x: %f, y: %f, z: %f"), {x, y, z});
}

}  // namespace

QString MouseModeText(TMouseMode mode) {
  switch (mode) {
    case mmNone:
      return QStringLiteral("None");
    case mmRotate:
      return QStringLiteral("Rotate");
    case mmTranslate:
      return QStringLiteral("Translate");
    case mmZoom:
      return QStringLiteral("Zoom");
    case mmReset:
      return QStringLiteral("Reset");
    case mmLight:
      return QStringLiteral("Light");
  }
  return QString();
}

ViewNavigation::ViewNavigation(ViewModel& model, NavigationSurface& surface)
    : model_(model), surface_(surface) {}

ViewHost& ViewNavigation::host() const {
  return model_.Host();
}

void ViewNavigation::repaint() {
  model_.RequestRepaint();
}

// ---- keys ----

void ViewNavigation::KeyEvent(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  KeyDown(key, modifiers);
  // With Ctrl held a key gives a control character, which no character
  // command takes.
  if (text.size() == 1 && !modifiers.testFlag(Qt::ControlModifier)) KeyPress(text.front());
}

void ViewNavigation::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (model_.Creating()) return;
  const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  // Arrow steps: a tenth of the grid, a fifth with Ctrl.
  const double divisor = ctrl ? 5.0 : 10.0;
  const TGrid* grid = model_.Grid();
  const double w = grid != nullptr ? grid->Width() : 0.0;
  const double h = grid != nullptr ? grid->Height() : 0.0;
  const ViewTransform& t = model_.Transform();

  switch (key) {
    case Qt::Key_Left:
      model_.SetTranX(float(t.TranX + w / divisor));
      repaint();
      return;
    case Qt::Key_Right:
      model_.SetTranX(float(t.TranX - w / divisor));
      repaint();
      return;
    case Qt::Key_Up:
      model_.SetTranY(float(t.TranY - h / divisor));
      repaint();
      return;
    case Qt::Key_Down:
      model_.SetTranY(float(t.TranY + h / divisor));
      repaint();
      return;
    case Qt::Key_Backspace:
      host().Pause();
      host().StepBack();
      repaint();
      return;
    case Qt::Key_Space:
      host().Pause();
      host().StepForward();
      repaint();
      return;
    default:
      break;
  }

  if (!ctrl) {
    if (key == Qt::Key_W) surface_.SaveViewSettings();
    repaint();
    return;
  }
  switch (key) {
    case Qt::Key_Control:
      return;
    case Qt::Key_R:
      mouseMode_ = mmRotate;
      repaint();
      return;
    case Qt::Key_T:
      mouseMode_ = mmTranslate;
      repaint();
      return;
    case Qt::Key_Z:
      mouseMode_ = mmZoom;
      repaint();
      return;
    case Qt::Key_P:
      mouseMode_ = mmLight;
      repaint();
      return;
    case Qt::Key_E:
      resetMode();
      repaint();
      return;
    case Qt::Key_I:
      if (mouseMode_ == mmRotate) RotateIncrement = 0;
      if (mouseMode_ == mmTranslate) TranslateIncrement = 0;
      if (mouseMode_ == mmZoom) ZoomIncrement = 0;
      repaint();
      return;
    case Qt::Key_S:
      surface_.ShowMessage(ModeReport());
      repaint();
      return;
    case Qt::Key_L:
      if (host().LoadSession()) repaint();
      return;
    case Qt::Key_W:
      host().SaveSession();
      return;
    case Qt::Key_G:
      host().GotoStep();
      return;
    default:
      mouseMode_ = mmNone;
      return;
  }
}

void ViewNavigation::resetMode() {
  mouseMode_ = mmReset;
  ViewTransform& t = model_.TransformForUpdate();
  t.AxisX = t.AxisY = t.AxisZ = 0;
  t.Angle = 0;
  model_.SetAngleX(0);
  model_.SetAngleY(0);
  model_.SetAngleZ(0);
  model_.SetTranX(0);
  model_.SetTranY(0);
  model_.SetTranZ(0);
  model_.FitScale();
  RotateIncrement = TranslateIncrement = ZoomIncrement = LightIncrement = 0;
  model_.SetLightPos({0, 0, 0});
}

double& ViewNavigation::modeIncrement() {
  switch (mouseMode_) {
    case mmRotate:
      return RotateIncrement;
    case mmTranslate:
      return TranslateIncrement;
    case mmZoom:
      return ZoomIncrement;
    case mmLight:
      return LightIncrement;
    default:
      scratchIncrement_ = 0;
      return scratchIncrement_;
  }
}

void ViewNavigation::KeyPress(QChar ch) {
  if (model_.Creating()) return;
  double& inc = modeIncrement();
  switch (ch.unicode()) {
    case '+':
      inc += 1;
      return;
    case '-':
      inc -= 1;
      return;
    case 'x':
    case 'y':
    case 'z':
      step(char(ch.unicode()));
      return;
    case 'i':
    case 'I':
      if (mouseMode_ == mmZoom) ZoomBy(false, inc);
      return;
    case 'o':
    case 'O':
      if (mouseMode_ == mmZoom) ZoomBy(true, inc);
      return;
    default:
      return;
  }
}

void ViewNavigation::step(char axis) {
  const int a = axis - 'x';  // 0 x, 1 y, 2 z
  const double inc = modeIncrement();
  const ViewTransform& t = model_.Transform();
  switch (mouseMode_) {
    case mmRotate: {
      const float angles[3] = {t.AngleX, t.AngleY, t.AngleZ};
      const float v = float(angles[a] + inc / 100);
      if (a == 0) model_.SetAngleX(v);
      if (a == 1) model_.SetAngleY(v);
      if (a == 2) model_.SetAngleZ(v);
      break;
    }
    case mmTranslate: {
      const float trans[3] = {t.TranX, t.TranY, t.TranZ};
      const float v = float(trans[a] + inc / 100);
      if (a == 0) model_.SetTranX(v);
      if (a == 1) model_.SetTranY(v);
      if (a == 2) model_.SetTranZ(v);
      break;
    }
    case mmZoom: {
      const float scales[3] = {t.ScaleX, t.ScaleY, t.ScaleZ};
      const float v = float(scales[a] * ClampedFactor(1 + inc / 10));
      if (a == 0) model_.SetScaleX(v);
      if (a == 1) model_.SetScaleY(v);
      if (a == 2) model_.SetScaleZ(v);
      break;
    }
    case mmLight: {
      std::array<float, 3> light = model_.LightPos();
      light[std::size_t(a)] = float(light[std::size_t(a)] + inc);
      model_.SetLightPos(light);
      break;
    }
    default:
      return;
  }
  repaint();
}

void ViewNavigation::ZoomBy(bool out, double inc) {
  double f = ClampedFactor(inc / 10 + 1);
  if (out) f = 1 / f;
  const ViewTransform& t = model_.Transform();
  model_.SetScaleX(float(t.ScaleX * f));
  model_.SetScaleY(float(t.ScaleY * f));
  model_.SetScaleZ(float(t.ScaleZ * f));
  repaint();
}

QString ViewNavigation::ModeReport() const {
  const ViewTransform& t = model_.Transform();
  double increment = 0;
  QString values;
  switch (mouseMode_) {
    case mmRotate:
      increment = RotateIncrement;
      values = CoordinatesText(t.AngleX, t.AngleY, t.AngleZ);
      break;
    case mmTranslate:
      increment = TranslateIncrement / 100;
      values = CoordinatesText(t.TranX, t.TranY, t.TranZ);
      break;
    case mmZoom:
      increment = ZoomIncrement;
      values = CoordinatesText(t.ScaleX, t.ScaleY, t.ScaleZ);
      break;
    case mmLight: {
      increment = LightIncrement;
      const std::array<float, 3>& light = model_.LightPos();
      values = CoordinatesText(light[0], light[1], light[2]);
      break;
    }
    default:
      break;
  }
  return base::Format(QStringLiteral("Mode: %s, Increment: %f, %s%s"),
                      {MouseModeText(mouseMode_), increment, QChar(13), values});
}

// ---- mouse ----

void ViewNavigation::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                               int y) {
  lastX_ = x;
  lastY_ = y;
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  // The right button opens the popup menu; Shift draws a zoom box.
  dragging_ = !shift && button != Qt::RightButton;
  boxing_ = shift && button != Qt::RightButton;
  boxX_ = boxEndX_ = x;
  boxY_ = boxEndY_ = y;
}

void ViewNavigation::MouseMove(Qt::KeyboardModifiers modifiers, int x, int y) {
  if (dragging_) {
    const int dx = x - lastX_;
    const int dy = y - lastY_;
    const ViewTransform& t = model_.Transform();
    const QSize viewport = surface_.ViewportSize();
    if (!modifiers.testFlag(Qt::ControlModifier)) {
      model_.SetAngleX(float(t.AngleX + dy / 10.0));
      model_.SetAngleZ(float(t.AngleZ + dx / 10.0));
    } else if (modifiers.testFlag(Qt::AltModifier)) {
      // Dragging a whole viewport width to the right doubles the scale.
      if (viewport.width() > 0) {
        const double f = ClampedFactor(1 - double(lastX_ - x) / viewport.width());
        model_.SetScaleX(float(t.ScaleX * f));
        model_.SetScaleY(float(t.ScaleY * f));
        model_.SetScaleZ(float(t.ScaleZ * f));
      }
    } else {
      // Pan: half the larger side of the viewport is one unit of the
      // projection, divided by the scale to get scene units.
      const double m = std::max(viewport.width(), viewport.height()) / 2.0;
      if (m > 0 && t.ScaleX != 0 && t.ScaleY != 0) {
        model_.SetTranX(float(t.TranX + dx / m / t.ScaleX));
        model_.SetTranY(float(t.TranY - dy / m / t.ScaleY));
      }
    }
    lastX_ = x;
    lastY_ = y;
    repaint();
  }
  if (boxing_) {
    boxEndX_ = x;
    boxEndY_ = y;
    surface_.ShowZoomBox(ZoomBoxRect());
  }
  UpdateHover(x, y);
}

void ViewNavigation::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x,
                             int y) {
  const bool box = boxing_ && modifiers.testFlag(Qt::ShiftModifier) && button != Qt::RightButton;
  const int x0 = boxX_;
  const int y0 = boxY_;
  dragging_ = false;
  if (boxing_) {
    boxing_ = false;
    surface_.ShowZoomBox(std::nullopt);
  }
  if (box) ZoomBox(x0, y0, x, y);
  if (button == Qt::MiddleButton) ShowMaterialAt(x, y);
}

std::optional<QRect> ViewNavigation::ZoomBoxRect() const {
  if (!boxing_) return std::nullopt;
  return QRect(QPoint(std::min(boxX_, boxEndX_), std::min(boxY_, boxEndY_)),
               QPoint(std::max(boxX_, boxEndX_), std::max(boxY_, boxEndY_)));
}

void ViewNavigation::ZoomBox(int x0, int y0, int x1, int y1) {
  const int w = std::abs(x1 - x0);
  const int h = std::abs(y1 - y0);
  // A Shift click, or a box too small to mean anything.
  if (w < MinZoomBoxSize || h < MinZoomBoxSize) return;
  // Drawn from lower right to upper left: back to the whole grid.
  if (x1 < x0 && y1 < y0) {
    model_.ResetView();
    repaint();
    return;
  }
  // Centre of the box, halves rounded towards zero.
  const int cx = (x0 + x1) / 2;
  const int cy = (y0 + y1) / 2;
  double sx = 0;
  double sy = 0;
  const bool hit = pickScene(cx, cy, sx, sy);
  const QSize viewport = surface_.ViewportSize();
  const double f =
      ClampedFactor(std::min(double(viewport.height()) / h, double(viewport.width()) / w));
  const ViewTransform& t = model_.Transform();
  model_.SetScaleX(float(t.ScaleX * f));
  model_.SetScaleY(float(t.ScaleY * f));
  // Off the scene there is no point to centre on.
  if (hit) {
    model_.SetTranX(float(-sx));
    model_.SetTranY(float(-sy));
  }
  repaint();
}

// ---- picking ----

bool ViewNavigation::pickScene(int x, int y, double& sx, double& sy) {
  // The pick counts rows from the bottom: the pixel row of y is height - 1 - y.
  const int height = surface_.ViewportSize().height();
  return surface_.PickPoint(x, height - 1 - y, sx, sy);
}

bool ViewNavigation::pickGrid(int x, int y, double& px, double& py) {
  const TGrid* grid = model_.Grid();
  double sx = 0;
  double sy = 0;
  if (grid == nullptr || !pickScene(x, y, sx, sy)) return false;
  // The drawing centres the grid on the scene origin.
  px = sx + grid->Width() / 2.0;
  py = sy + grid->Height() / 2.0;
  return true;
}

CellLookup ViewNavigation::lookup() const {
  const TResultFile* reader = host().Reader();
  return reader != nullptr ? CellLookup::Of(*reader, model_.Values()) : CellLookup{};
}

std::optional<CellReading> ViewNavigation::ReadingAt(double px, double py) const {
  return CellValueAt(lookup(), px, py);
}

void ViewNavigation::UpdateHover(int x, int y) {
  double px = 0;
  double py = 0;
  std::optional<CellReading> reading;
  if (pickGrid(x, y, px, py)) reading = ReadingAt(px, py);
  if (!reading) {
    surface_.SetHoverTexts(QString(), QString());
    return;
  }
  surface_.SetHoverTexts(CellPositionText(*reading, px, py),
                         CellValueText(*reading, model_.ValueFormat()));
  // Files without material records (version 0) have nothing to list.
  if (const std::optional<int> record = lookup().RecordOf(reading->Material))
    host().ShowMaterial(*record);
}

void ViewNavigation::ShowMaterialAt(int x, int y) {
  double px = 0;
  double py = 0;
  if (!pickGrid(x, y, px, py)) return;
  const TResultFile* reader = host().Reader();
  if (reader == nullptr) return;
  const CellLookup cells = lookup();
  const std::optional<CellIndex> cell = CellAt(cells, px, py);
  if (!cell) return;
  const std::optional<int> record = cells.RecordOf(cells.MaterialOf(cell->I, cell->J));
  TMaterialRecord material;
  if (record && reader->GetMaterial(*record, material)) surface_.ShowMessage(material.Name);
}
