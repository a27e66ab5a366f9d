#include "chart/canvas/QPainterBackend.h"

#include "chart/canvas/GeometryClip.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace {

QRectF shapeRect(const TRect& r) {
  // Qt's aliased outline of a w×h rectangle covers w + 1 columns: the
  // classic exclusive right and bottom edges are one less. Filled alone,
  // the same rectangle samples pixel centres and covers Left..Right-2: one
  // pixel smaller, as a shape without an outline is on the classic device.
  return QRectF(r.Left, r.Top, static_cast<double>(r.Right) - r.Left - 1,
                static_cast<double>(r.Bottom) - r.Top - 1);
}

// Curves reach their extreme coordinates only at single points, where Qt's
// aliased rasteriser rounds down: half a pixel more puts the classic
// extreme columns and rows (Left..Right-1) on the curve.
QRectF curveRect(const TRect& r) {
  return QRectF(r.Left, r.Top, static_cast<double>(r.Right) - r.Left - 0.5,
                static_cast<double>(r.Bottom) - r.Top - 0.5);
}

Qt::BrushStyle hatchStyle(TBrushStyle style) {
  switch (style) {
    case Graphics::bsHorizontal:
      return Qt::HorPattern;
    case Graphics::bsVertical:
      return Qt::VerPattern;
    case Graphics::bsFDiagonal:  // "\\\\": down to the right
      return Qt::FDiagPattern;
    case Graphics::bsBDiagonal:
      return Qt::BDiagPattern;
    case Graphics::bsCross:
      return Qt::CrossPattern;
    case Graphics::bsDiagCross:
      return Qt::DiagCrossPattern;
    case Graphics::bsClear:
      return Qt::NoBrush;
    case Graphics::bsSolid:
      break;
  }
  return Qt::SolidPattern;
}

bool isHatch(TBrushStyle style) {
  return style != Graphics::bsSolid && style != Graphics::bsClear;
}

// The classic cosmetic dash patterns, in pixels.
QList<qreal> dashPattern(TPenStyle style) {
  switch (style) {
    case Graphics::psDash:
      return {18, 6};
    case Graphics::psDot:
      return {3, 3};
    case Graphics::psDashDot:
      return {9, 6, 3, 6};
    case Graphics::psDashDotDot:
      return {9, 3, 3, 3, 3, 3};
    default:
      return {};
  }
}

// Parametric angle, in degrees, of the ellipse point in the direction of
// `p` from the centre of `r`.
double parametricAngle(const QRectF& r, QPointF p) {
  const double a = r.width() / 2.0;
  const double b = r.height() / 2.0;
  const double dx = p.x() - r.center().x();
  const double dy = p.y() - r.center().y();
  if (dx == 0.0 && dy == 0.0) return 0.0;
  return std::atan2(-dy * a, dx * b) * 180.0 / std::numbers::pi;
}

// Counter-clockwise span from `start` to `end`; directions that coincide
// give the whole ellipse.
double arcSpan(double start, double end) {
  double span = std::fmod(end - start, 360.0);
  if (span < 0) span += 360.0;
  if (span < 1e-9) span = 360.0;
  return span;
}

// Qt lights a thin line over [low, high) of its major axis whichever way
// it runs, so a line towards lower coordinates would lose its start pixel
// and light its end. Drawn moved by this step, it lights its start and
// leaves out its end, one pixel per step as before: one pixel back towards
// the start along the major axis, and on the minor axis the ceiling of the
// slope towards the start, since Qt puts the pixel before a line's high end
// at the floor of the exact minor coordinate there. A line along an axis or
// a diagonal moves along itself and keeps its pixels; a dash pattern keeps
// its phase at the start.
QPoint startwardStep(QPoint from, QPoint to) {
  const int64_t dx = int64_t(to.x()) - from.x();
  const int64_t dy = int64_t(to.y()) - from.y();
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int64_t steps = -(xMajor ? dx : dy);
  if (steps <= 0) return {};
  const int64_t rise = -(xMajor ? dy : dx);  // |rise| <= steps
  const int minor = static_cast<int>(rise / steps + (rise > 0 && rise % steps != 0 ? 1 : 0));
  return xMajor ? QPoint(1, minor) : QPoint(minor, 1);
}

}  // namespace

QPainterBackend::QPainterBackend(QPainter& painter) : painter_(painter) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter_.setBackgroundMode(Qt::TransparentMode);
  baseTransform_ = painter_.worldTransform();
  // Qt's SVG generator writes no clipping: this backend clips for it.
  softClip_ = painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::SVG;
  qfont_ = toQFont(font_);
}

QPainterBackend::~QPainterBackend() {
  if (blend_) endBlend(0);
  painter_.restore();
}

QFont QPainterBackend::toQFont(const BackendFont& font) {
  QFont f(font.name);
  f.setPixelSize(std::clamp(FontPixelHeight(font), 1, 0xFFFF));
  f.setBold(font.style.testFlag(Graphics::fsBold));
  f.setItalic(font.style.testFlag(Graphics::fsItalic));
  f.setUnderline(font.style.testFlag(Graphics::fsUnderline));
  f.setStrikeOut(font.style.testFlag(Graphics::fsStrikeOut));
  if (font.charExtra != 0) f.setLetterSpacing(QFont::AbsoluteSpacing, font.charExtra);
  f.setKerning(false);
  return f;
}

void QPainterBackend::setFont(const BackendFont& font) {
  font_ = font;
  qfont_ = toQFont(font);
}

// --- state applied to a painter --------------------------------------------

bool QPainterBackend::cosmetic() const {
  if (pen_.smallDots || pen_.width <= 0) return true;
  const QTransform& t = painter_.worldTransform();
  const double scale = std::sqrt(std::abs(t.determinant()));
  return pen_.width * scale <= 1.0;
}

QPen QPainterBackend::qpen(base::TColor color, bool solid) const {
  if (!pen_.smallDots && pen_.style == Graphics::psClear) return Qt::NoPen;
  QPen p(base::ToQColor(color));
  if (cosmetic()) {
    p.setWidth(0);
    p.setCosmetic(true);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
  } else {
    p.setWidthF(pen_.width);
    p.setCapStyle(pen_.endStyle == Graphics::esRound    ? Qt::RoundCap
                  : pen_.endStyle == Graphics::esSquare ? Qt::SquareCap
                                                        : Qt::FlatCap);
    // A wide pen's corners are round whatever its ends.
    p.setJoinStyle(Qt::RoundJoin);
  }
  if (solid) return p;
  if (pen_.smallDots) {
    p.setDashPattern({1, 1});
  } else {
    const QList<qreal> dashes = dashPattern(pen_.style);
    if (!dashes.isEmpty()) p.setDashPattern(dashes);
  }
  return p;
}

bool QPainterBackend::dashed() const {
  return pen_.smallDots || !dashPattern(pen_.style).isEmpty();
}

QBrush QPainterBackend::qbrush() const {
  if (!brush_.image.isNull()) {
    QImage pattern = brush_.image;
    if (pattern.depth() == 1) {
      pattern = pattern.convertToFormat(QImage::Format_Mono);
      pattern.setColorCount(2);
      pattern.setColor(0, base::ToQColor(brush_.color).rgba());
      pattern.setColor(1, base::ToQColor(backColor_).rgba());
    }
    return QBrush(pattern);
  }
  if (brush_.style == Graphics::bsClear) return Qt::NoBrush;
  return QBrush(base::ToQColor(brush_.color), hatchStyle(brush_.style));
}

void QPainterBackend::beginRop(QPainter& p) const {
  if (pen_.mode == Graphics::pmNotXor && p.paintEngine() &&
      p.paintEngine()->type() == QPaintEngine::Raster)
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
}

void QPainterBackend::endRop(QPainter& p) const {
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// --- geometry helpers --------------------------------------------------------

QRectF QPainterBackend::logicalDeviceRect(double grow) const {
  QSize size = deviceSize();
  const QPaintDevice* dev = painter_.device();
  if (!dev || dev->devType() == QInternal::Picture) {
    // A recording has no edges yet: keep to the range every device takes.
    size = QSize(0, 0);
    grow = std::max(grow, kGuard);
  }
  const QRectF device(-grow, -grow, size.width() + 2 * grow, size.height() + 2 * grow);
  if (painter_.worldTransform().type() == QTransform::TxNone) return device;
  bool invertible = false;
  const QTransform inverse = painter_.worldTransform().inverted(&invertible);
  if (!invertible) return device;
  return inverse.mapRect(device);
}

double QPainterBackend::penGrow() const {
  return std::max(2.0, static_cast<double>(pen_.width) + 2.0);
}

void QPainterBackend::strokePolyline(std::span<const QPointF> points) {
  if (points.size() < 2) return;
  QPainter& p = active();
  const QRectF box = logicalDeviceRect(penGrow());
  // Runs of segments that are wholly or partly inside, each drawn as one
  // polyline so that dashes and joins continue.
  std::vector<QPointF> run;
  auto flush = [&] {
    if (run.size() >= 2) emitPolyline(p, run.data(), static_cast<int>(run.size()));
    run.clear();
  };
  for (size_t i = 1; i < points.size(); ++i) {
    QPointF a = points[i - 1];
    QPointF b = points[i];
    const QPointF end = b;
    if (!ClipSegment(a, b, box)) {
      flush();
      continue;
    }
    if (run.empty() || run.back() != a) {
      flush();
      run.push_back(a);
    }
    run.push_back(b);
    if (b != end) flush();
  }
  flush();
}

void QPainterBackend::strokeLines(std::span<const QPointF> points) {
  lineReady_ = false;
  QPainter& p = active();
  if (pen_.style == Graphics::psClear && !pen_.smallDots) return;
  beginRop(p);
  p.setBrush(Qt::NoBrush);
  if (backMode_ == BackMode::Opaque && dashed()) {
    p.setPen(qpen(backColor_, true));
    strokePolyline(points);
  }
  p.setPen(qpen(pen_.color, false));
  strokePolyline(points);
  endRop(p);
}

void QPainterBackend::fillPath(const QPainterPath& path) {
  QPainter& p = active();
  const QBrush brush = qbrush();
  if (brush.style() == Qt::NoBrush) return;
  const bool hatch = brush_.image.isNull() && isHatch(brush_.style);
  if (backMode_ == BackMode::Opaque && hatch) emitFill(p, path, base::ToQColor(backColor_));
  if (hatch && softClip_) {
    // SVG readers differ in how they take pattern fills: draw the lines.
    hatchWithLines(p, path);
    return;
  }
  emitFill(p, path, brush);
}

void QPainterBackend::hatchWithLines(QPainter& p, const QPainterPath& path) const {
  constexpr int kStep = 8;
  const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
  if (box.width() > 4 * 32768 || box.height() > 4 * 32768) return;
  const TBrushStyle style = brush_.style;
  const bool horizontal = style == Graphics::bsHorizontal || style == Graphics::bsCross;
  const bool vertical = style == Graphics::bsVertical || style == Graphics::bsCross;
  const bool down = style == Graphics::bsFDiagonal || style == Graphics::bsDiagCross;
  const bool up = style == Graphics::bsBDiagonal || style == Graphics::bsDiagCross;
  auto first = [](int v) { return v - ((v % kStep) + kStep) % kStep; };
  QPainterPath lines;
  auto line = [&lines](QPointF a, QPointF b) {
    lines.moveTo(a);
    lines.lineTo(b);
  };
  if (horizontal)
    for (int y = first(box.top()); y <= box.bottom(); y += kStep)
      line(QPointF(box.left(), y), QPointF(box.right() + 1, y));
  if (vertical)
    for (int x = first(box.left()); x <= box.right(); x += kStep)
      line(QPointF(x, box.top()), QPointF(x, box.bottom() + 1));
  const int span = box.width() + box.height();
  if (down) {
    // x - y = c: down to the right.
    for (int c = first(box.left() - box.bottom()); c <= box.right() - box.top(); c += kStep)
      line(QPointF(c + box.top(), box.top()), QPointF(c + box.top() + span, box.top() + span));
  }
  if (up) {
    // x + y = c: up to the right.
    for (int c = first(box.left() + box.top()); c <= box.right() + box.bottom(); c += kStep)
      line(QPointF(c - box.top(), box.top()), QPointF(c - box.top() - span, box.top() + span));
  }
  // Lines one device pixel wide, cut to the shape (this device does not clip).
  QPainterPathStroker stroker;
  stroker.setWidth(devicePixel());
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath region = path;
  if (!softClips_.empty()) region = region.intersected(logicalClip());
  p.fillPath(stroker.createStroke(lines).intersected(region), base::ToQColor(brush_.color));
}

void QPainterBackend::drawShape(const QPainterPath& outline) {
  lineReady_ = false;
  QPainter& p = active();
  const bool hasPen = pen_.smallDots || pen_.style != Graphics::psClear;
  const QRectF guard = logicalDeviceRect(kGuard);
  beginRop(p);
  if (guard.contains(outline.controlPointRect())) {
    fillPath(outline);
    if (hasPen) {
      p.setBrush(Qt::NoBrush);
      if (backMode_ == BackMode::Opaque && dashed()) {
        p.setPen(qpen(backColor_, true));
        emitStroke(p, outline);
      }
      p.setPen(qpen(pen_.color, false));
      emitStroke(p, outline);
    }
    endRop(p);
    return;
  }
  // Far outside the device: flatten, fill what lies inside the guard, and
  // stroke the outline segment by segment, each cut to the device.
  QPainterPath cut;
  cut.setFillRule(outline.fillRule());
  for (const QPolygonF& poly : outline.toSubpathPolygons()) {
    const std::vector<QPointF> clipped =
        ClipPolygon(std::span(poly.constData(), poly.size()), guard);
    if (clipped.size() >= 3) cut.addPolygon(QPolygonF(clipped.begin(), clipped.end()));
  }
  fillPath(cut);
  endRop(p);
  if (!hasPen) return;
  for (QPolygonF poly : outline.toSubpathPolygons()) {
    // Closed: the first segment lights the point the last one leaves out.
    if (poly.size() >= 2 && poly.front() != poly.back()) poly.push_back(poly.front());
    strokeLines(std::span(poly.constData(), poly.size()));
  }
}

TRect QPainterBackend::framed(const TRect& r) const {
  // A wide inside-frame pen keeps its whole width inside the bounds.
  if (pen_.style != Graphics::psInsideFrame || pen_.smallDots || cosmetic()) return r;
  const int inset = std::min({pen_.width / 2, r.Width() / 2, r.Height() / 2});
  return {r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
}

// --- the three ways ink reaches the painter ----------------------------------------

bool QPainterBackend::softClipping() const {
  return softClip_ && !softClips_.empty();
}

QPainterPath QPainterBackend::logicalClip() const {
  if (softClips_.empty()) return {};
  bool invertible = false;
  const QTransform inverse = painter_.worldTransform().inverted(&invertible);
  return invertible ? inverse.map(softClips_.back()) : softClips_.back();
}

double QPainterBackend::devicePixel() const {
  const double scale = std::sqrt(std::abs(painter_.worldTransform().determinant()));
  return scale > 0 ? 1.0 / scale : 1.0;
}

void QPainterBackend::emitFill(QPainter& p, const QPainterPath& path, const QBrush& brush) {
  if (!softClipping()) {
    p.fillPath(path, brush);
    return;
  }
  p.fillPath(path.intersected(logicalClip()), brush);
}

// Strokes `path` with the painter's pen; where the device cannot clip, the
// stroke becomes an outline cut by the clip.
void QPainterBackend::emitStroke(QPainter& p, const QPainterPath& path) {
  if (!softClipping()) {
    p.strokePath(path, p.pen());
    return;
  }
  const QPen pen = p.pen();
  if (pen.style() == Qt::NoPen) return;
  QPainterPathStroker stroker(pen);
  const double unit = pen.isCosmetic() || pen.widthF() <= 0 ? devicePixel() : pen.widthF();
  stroker.setWidth(unit);
  if (pen.style() == Qt::CustomDashLine) {
    // Dash lengths are in pen widths; a cosmetic pen's width is one pixel.
    stroker.setDashPattern(pen.dashPattern());
  }
  p.fillPath(stroker.createStroke(path).intersected(logicalClip()), pen.color());
}

void QPainterBackend::emitPolyline(QPainter& p, const QPointF* points, int count) {
  if (!softClipping()) {
    p.drawPolyline(points, count);
    return;
  }
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
  emitStroke(p, path);
}

// --- drawing -------------------------------------------------------------------

void QPainterBackend::prepareLines() {
  lineReady_ = true;
  // Pixels are logical units only while the mapping just moves them; a
  // scaled thin line is left where it lies.
  linePixels_ = cosmetic() && painter_.worldTransform().type() <= QTransform::TxTranslate;
  const bool visible = pen_.smallDots || pen_.style != Graphics::psClear;
  lineFast_ = visible && !softClipping() && pen_.mode != Graphics::pmNotXor &&
              !(backMode_ == BackMode::Opaque && dashed());
  if (!lineFast_) return;
  QPainter& p = active();
  p.setBrush(Qt::NoBrush);
  p.setPen(qpen(pen_.color, false));
  lineBox_ = logicalDeviceRect(penGrow()).toAlignedRect().adjusted(1, 1, -1, -1);
}

void QPainterBackend::lineTo(int x, int y) {
  const QPoint from = position_;
  position_ = QPoint(x, y);
  if (from == position_) {
    // A thin line's one pixel would be its end, which a line leaves out.
    if (!cosmetic()) wideDot(from);
    return;
  }
  // Chart lines come one segment at a time and by the million: near the
  // device they go straight to the painter with the pen already set.
  if (!lineReady_) prepareLines();
  const QPoint step = linePixels_ ? startwardStep(from, position_) : QPoint();
  if (lineFast_ && lineBox_.contains(from) && lineBox_.contains(position_)) {
    active().drawLine(from + step, position_ + step);
    return;
  }
  // Far ends may pass the ends of int once moved.
  const QPointF pts[2] = {QPointF(from) + QPointF(step), QPointF(position_) + QPointF(step)};
  strokeLines(pts);
}

void QPainterBackend::polylineTo(std::span<const QPoint> points) {
  if (!lineReady_) prepareLines();
  // A thin solid copying pen: the segments lineTo would hand straight to
  // the painter go to it in a few batches of separate lines, each drawn as
  // lineTo draws it (its last pixel left out). Within one batch Qt adds an
  // end pixel to a line that runs back against the one before it, so the
  // lines go by direction, one batch each; the order of lines does not
  // change what a solid copying pen lights. Anything else takes lineTo.
  const bool batch = lineFast_ && cosmetic() && !pen_.smallDots &&
                     pen_.style == Graphics::psSolid && pen_.mode == Graphics::pmCopy;
  if (!batch) {
    for (const QPoint& q : points) lineTo(q.x(), q.y());
    return;
  }
  for (std::vector<QLine>& lines : lineBatches_) lines.clear();
  // Successive vertical segments in one column light one unbroken span:
  // each lights the pixels from its start to just before its end, and each
  // starts next to the last pixel of the one before. So a run of them is
  // drawn as one line over that span (a reduced fast line is mostly such
  // runs).
  struct Run {
    bool open = false;
    int x = 0, top = 0, bottom = 0;  // the pixels lit so far
  } run;
  constexpr std::size_t kDown = 3 * 1 + 2;  // the batch of lines going down
  auto closeRun = [&] {
    if (!run.open) return;
    lineBatches_[kDown].emplace_back(QPoint(run.x, run.top), QPoint(run.x, run.bottom + 1));
    run.open = false;
  };
  auto flush = [&] {
    closeRun();
    for (std::vector<QLine>& lines : lineBatches_) {
      if (lines.empty()) continue;
      if (!lineReady_) prepareLines();
      active().drawLines(lines.data(), static_cast<int>(lines.size()));
      lines.clear();
    }
  };
  auto sign = [](int v) { return (v > 0) - (v < 0); };
  for (const QPoint& to : points) {
    const QPoint from = position_;
    if (lineReady_ && lineBox_.contains(from) && lineBox_.contains(to)) {
      position_ = to;
      if (from == to) continue;  // lights nothing, as lineTo
      // The line as lineTo hands it to the painter, which lights it from
      // its lower end to just before its higher one.
      const QPoint step = linePixels_ ? startwardStep(from, to) : QPoint();
      const QPoint a = from + step, b = to + step;
      if (a.x() == b.x()) {
        const int top = std::min(a.y(), b.y());
        const int bottom = std::max(a.y(), b.y()) - 1;
        if (run.open && run.x == from.x()) {
          run.top = std::min(run.top, top);
          run.bottom = std::max(run.bottom, bottom);
        } else {
          closeRun();
          run = Run{true, from.x(), top, bottom};
        }
        continue;
      }
      closeRun();
      const int direction = 3 * (sign(to.x() - from.x()) + 1) + sign(to.y() - from.y()) + 1;
      lineBatches_[static_cast<std::size_t>(direction)].emplace_back(a, b);
      continue;
    }
    flush();
    lineTo(to.x(), to.y());
    if (!lineReady_) prepareLines();
  }
  flush();
}

void QPainterBackend::wideDot(QPoint at) {
  lineReady_ = false;
  if (pen_.style == Graphics::psClear && !pen_.smallDots) return;
  if (!logicalDeviceRect(penGrow()).contains(QPointF(at))) return;  // nothing of it shows
  const double w = pen_.width;
  const QRectF box(at.x() + 0.5 - w / 2, at.y() + 0.5 - w / 2, w, w);
  QPainterPath path;
  if (pen_.endStyle == Graphics::esRound)
    path.addEllipse(box);
  else
    path.addRect(box);
  QPainter& p = active();
  beginRop(p);
  p.setPen(Qt::NoPen);
  emitFill(p, path, QBrush(base::ToQColor(pen_.color)));
  endRop(p);
}

void QPainterBackend::polyline(std::span<const QPoint> points) {
  if (points.size() < 2 || (pen_.style == Graphics::psClear && !pen_.smallDots)) return;
  QPainter& p = active();
  // The common case, every point near the device, goes to Qt untouched.
  const QRectF box = logicalDeviceRect(penGrow());
  const QRect ibox = box.toAlignedRect().adjusted(1, 1, -1, -1);
  const bool inside =
      std::all_of(points.begin(), points.end(), [&ibox](QPoint q) { return ibox.contains(q); });
  if (inside && !softClipping() && !(backMode_ == BackMode::Opaque && dashed())) {
    beginRop(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(qpen(pen_.color, false));
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
    endRop(p);
    return;
  }
  std::vector<QPointF> pts(points.begin(), points.end());
  strokeLines(pts);
}

void QPainterBackend::polygon(std::span<const QPoint> points, bool winding) {
  if (points.size() < 2) return;
  QPainterPath path;
  path.setFillRule(winding ? Qt::WindingFill : Qt::OddEvenFill);
  QPolygonF poly;
  poly.reserve(static_cast<qsizetype>(points.size()));
  for (QPoint q : points) poly << QPointF(q);
  path.addPolygon(poly);
  path.closeSubpath();
  drawShape(path);
}

void QPainterBackend::rectangle(const TRect& bounds) {
  if (bounds.IsEmpty()) return;
  const TRect r = framed(bounds);
  QPainterPath outline;
  outline.addRect(shapeRect(r));
  drawShape(outline);
}

void QPainterBackend::roundRect(const TRect& bounds, int ellipseWidth, int ellipseHeight) {
  if (bounds.IsEmpty()) return;
  const TRect r = framed(bounds);
  QPainterPath outline;
  outline.addRoundedRect(curveRect(r), std::abs(ellipseWidth) / 2.0, std::abs(ellipseHeight) / 2.0);
  drawShape(outline);
}

void QPainterBackend::ellipse(const TRect& bounds) {
  if (bounds.IsEmpty()) return;
  const TRect r = framed(bounds);
  QPainterPath outline;
  outline.addEllipse(curveRect(r));
  drawShape(outline);
}

void QPainterBackend::arc(const TRect& bounds, QPoint start, QPoint end) {
  if (bounds.IsEmpty()) return;
  const TRect r = framed(bounds);
  const QRectF rect = curveRect(r);
  const double a0 = parametricAngle(rect, start);
  const double span = arcSpan(a0, parametricAngle(rect, end));
  QPainterPath path;
  path.arcMoveTo(rect, a0);
  path.arcTo(rect, a0, span);
  for (const QPolygonF& poly : path.toSubpathPolygons())
    strokeLines(std::span(poly.constData(), poly.size()));
}

void QPainterBackend::pie(const TRect& bounds, QPoint start, QPoint end) {
  if (bounds.IsEmpty()) return;
  const TRect r = framed(bounds);
  const QRectF rect = curveRect(r);
  const double a0 = parametricAngle(rect, start);
  const double span = arcSpan(a0, parametricAngle(rect, end));
  QPainterPath path;
  if (span >= 360.0) {
    path.addEllipse(rect);
  } else {
    path.moveTo(rect.center());
    path.arcTo(rect, a0, span);
    path.closeSubpath();
  }
  drawShape(path);
}

void QPainterBackend::fillRect(const TRect& r) {
  if (r.IsEmpty()) return;
  QRectF rect(r.Left, r.Top, static_cast<double>(r.Right) - r.Left,
              static_cast<double>(r.Bottom) - r.Top);
  rect = rect.intersected(logicalDeviceRect(kGuard));
  if (rect.isEmpty()) return;
  QPainter& p = active();
  // Gradient bands come by the hundred per paint: a plain solid fill goes
  // to the painter's own rectangle fill, which skips the path rasteriser.
  if (brush_.image.isNull() && brush_.style == Graphics::bsSolid && !softClipping() &&
      pen_.mode != Graphics::pmNotXor) {
    const QRect aligned = rect.toAlignedRect();
    if (QRectF(aligned) == rect)
      p.fillRect(aligned, base::ToQColor(brush_.color));
    else
      p.fillRect(rect, base::ToQColor(brush_.color));
    return;
  }
  QPainterPath path;
  path.addRect(rect);
  beginRop(p);
  fillPath(path);
  endRop(p);
}

void QPainterBackend::setPixel(int x, int y, base::TColor color) {
  QPainterPath dot;
  dot.addRect(QRectF(x, y, 1, 1));
  emitFill(active(), dot, base::ToQColor(color));
}
