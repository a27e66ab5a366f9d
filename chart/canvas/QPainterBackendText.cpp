// The QPainter backend: text and images.
#include "chart/canvas/QPainterBackend.h"

#include "chart/canvas/GeometryClip.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPicture>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

// --- text ----------------------------------------------------------------------

void QPainterBackend::placeText(int x, int y, const QString& text, bool outline) {
  if (text.isEmpty()) return;
  lineReady_ = false;
  QPainter& p = active();
  const QFontMetricsF fm(qfont_);
  const double width = fm.horizontalAdvance(text);
  double dx = 0;
  switch (textAlign_ & TextAlign::HorizontalMask) {
    case TextAlign::Center:
      dx = -width / 2.0;
      break;
    case TextAlign::Right:
      dx = -width;
      break;
    default:
      break;
  }
  double baseline = fm.ascent();
  switch (textAlign_ & TextAlign::VerticalMask) {
    case TextAlign::Baseline:
      baseline = 0;
      break;
    case TextAlign::Bottom:
      baseline = -fm.descent();
      break;
    default:
      break;
  }
  // Turn about the reference point; alignment happens in the turned frame.
  QTransform local = QTransform::fromTranslate(x, y);
  if (font_.angle % 3600 != 0) local.rotate(-font_.angle / 10.0);
  const QRectF cell(dx, baseline - fm.ascent(), width, fm.ascent() + fm.descent());
  const QPointF origin(dx, baseline);
  QPainterPath cellPath;
  cellPath.addRect(cell);
  cellPath = local.map(cellPath);
  const bool penVisible = pen_.smallDots || pen_.style != Graphics::psClear;
  if (outline || (softClipping() && !logicalClip().contains(cellPath))) {
    // As outlines: stroked and filled, or cut by a clip the device lacks.
    QPainterPath glyphs;
    glyphs.addText(origin, qfont_, text);
    glyphs = local.map(glyphs);
    if (!outline && backMode_ == BackMode::Opaque)
      emitFill(p, cellPath, base::ToQColor(backColor_));
    emitFill(p, glyphs, base::ToQColor(font_.color));
    if (outline && penVisible) {
      p.setPen(qpen(pen_.color, false));
      p.setBrush(Qt::NoBrush);
      emitStroke(p, glyphs);
    }
    return;
  }
  if (backMode_ == BackMode::Opaque) emitFill(p, cellPath, base::ToQColor(backColor_));
  p.save();
  p.setTransform(local, true);
  p.setBackgroundMode(Qt::TransparentMode);
  p.setFont(qfont_);
  p.setPen(base::ToQColor(font_.color));
  p.drawText(origin, text);
  p.restore();
}

void QPainterBackend::textOut(int x, int y, const QString& text) {
  placeText(x, y, text, false);
}

void QPainterBackend::textOutline(int x, int y, const QString& text) {
  placeText(x, y, text, true);
}

QSize QPainterBackend::textExtent(const QString& text) const {
  const QFontMetrics fm(qfont_);
  return QSize(fm.horizontalAdvance(text), fm.ascent() + fm.descent());
}

TextMetrics QPainterBackend::textMetrics() const {
  const QFontMetrics fm(qfont_);
  TextMetrics m;
  m.ascent = fm.ascent();
  m.descent = fm.descent();
  m.height = m.ascent + m.descent;
  m.averageCharWidth = fm.averageCharWidth();
  return m;
}

// --- images --------------------------------------------------------------------

void QPainterBackend::draw(int x, int y, const QImage& image) {
  if (image.isNull()) return;
  drawImagePart(QRectF(x, y, image.width(), image.height()), image);
}

void QPainterBackend::stretchDraw(const TRect& r, const QImage& image) {
  if (image.isNull() || r.IsEmpty()) return;
  drawImagePart(QRectF(r.Left, r.Top, r.Width(), r.Height()), image);
}

void QPainterBackend::drawImagePart(const QRectF& target, const QImage& image) {
  QPainter& p = active();
  if (!softClipping()) {
    p.drawImage(target, image);
    return;
  }
  // This device does not clip: draw only the part inside the clip's bounds.
  const QRectF visible = target.intersected(logicalClip().boundingRect());
  if (visible.isEmpty()) return;
  const double sx = image.width() / target.width();
  const double sy = image.height() / target.height();
  const QRectF source((visible.left() - target.left()) * sx, (visible.top() - target.top()) * sy,
                      visible.width() * sx, visible.height() * sy);
  p.drawImage(visible, image, source);
}

void QPainterBackend::tiledDraw(const TRect& r, const QImage& image) {
  if (image.isNull() || r.IsEmpty()) return;
  QBrush brush(image);
  brush.setTransform(QTransform::fromTranslate(r.Left, r.Top));
  QPainterPath path;
  path.addRect(QRectF(r.Left, r.Top, r.Width(), r.Height()));
  emitFill(active(), path, brush);
}
