// Text on the chart canvas: shadows, outlines, turned labels and the zoom of
// 3D texts.
#include "base/MathUtil.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>

namespace {

constexpr int kPixelsPerInch = 96;

int PointSize(int height) {
  return base::MulDiv(height < 0 ? -height : height, 72, kPixelsPerInch);
}

}  // namespace

void TPlotCanvas3D::TextOut(int x, int y, const QString& text) {
  DrawingBackend& b = ReferenceCanvas();
  const int h = decoration_.shadowHoriz, v = decoration_.shadowVert;
  if (h != 0 || v != 0) {
    // Text and shadow share the extent TextWidth and TextHeight measure:
    // whichever lies up or left starts at (x, y).
    const BackendFont font = b.font();
    BackendFont shadow = font;
    shadow.color = decoration_.shadowColor;
    b.setFont(shadow);
    b.textOut(x + std::max(0, h), y + std::max(0, v), text);
    b.setFont(font);
    x += std::max(0, -h);
    y += std::max(0, -v);
  }
  if (decoration_.outline) {
    const BackendPen pen = b.pen();
    b.setPen(decoration_.outlinePen);
    b.textOutline(x, y, text);
    b.setPen(pen);
  } else {
    b.textOut(x, y, text);
  }
}

int TPlotCanvas3D::RotatedLabelHeight() const {
  const int size = PointSize(ReferenceCanvas().font().height);
  return -(std::max(1, base::Round(size * projection_.ZoomFactor())) * kPixelsPerInch / 72);
}

int TPlotCanvas3D::ZoomedTextHeight() const {
  const int size = PointSize(ReferenceCanvas().font().height);
  return -base::MulDiv(std::max(1, base::Round(size * projection_.ZoomFactor())), kPixelsPerInch,
                       72);
}

void TPlotCanvas3D::RotateLabel(int x, int y, const QString& text, double angle) {
  DrawingBackend& b = ReferenceCanvas();
  if (angle > 360) angle -= 360;
  BackendBrush brush = b.brush();
  brush.style = Graphics::bsClear;
  brush.image = QImage();
  b.setBrush(brush);
  const BackendFont font = b.font();
  BackendFont turned = font;
  turned.angle = base::Round(angle * 10);
  if (zoomText_ && projection_.ZoomFactor() != 1) turned.height = RotatedLabelHeight();
  b.setFont(turned);
  TextOut(x, y, text);
  b.setFont(font);
}

void TPlotCanvas3D::RotateLabel3D(int x, int y, int z, const QString& text, double angle) {
  const QPoint p = Calculate3DPosition(x, y, z);
  RotateLabel(p.x(), p.y(), text, angle);
}

void TPlotCanvas3D::TextOut3D(int x, int y, int z, const QString& text) {
  const QPoint p = Calculate3DPosition(x, y, z);
  DrawingBackend& b = ReferenceCanvas();
  if (!zoomText_ || projection_.ZoomFactor() == 1) {
    TextOut(p.x(), p.y(), text);
    return;
  }
  const BackendFont font = b.font();
  BackendFont zoomed = font;
  zoomed.height = ZoomedTextHeight();
  b.setFont(zoomed);
  TextOut(p.x(), p.y(), text);
  b.setFont(font);
}
