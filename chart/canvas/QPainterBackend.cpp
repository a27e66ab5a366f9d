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
#include <numeric>

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

// A wide pen's dashes, in pen widths, as Qt takes them: the thin pattern a
// third as long, so that at width 3 a dash is as long as a thin one. Round
// and square ends reach half a width past each dash: the gaps are a width
// longer, so that they stay open at every width.
QList<qreal> wideDashPattern(TPenStyle style, bool capped) {
  QList<qreal> dashes;
  switch (style) {
    case Graphics::psDash:
      dashes = {6, 2};
      break;
    case Graphics::psDot:
      dashes = {1, 1};
      break;
    case Graphics::psDashDot:
      dashes = {3, 2, 1, 2};
      break;
    case Graphics::psDashDotDot:
      dashes = {3, 1, 1, 1, 1, 1};
      break;
    default:
      return {};
  }
  if (capped)
    for (qsizetype i = 1; i < dashes.size(); i += 2) dashes[i] += 1;
  return dashes;
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

// A thin line as the classic device lights it on the pixel grid: one pixel
// per step along its major axis from its start, its end left out, each on
// the minor coordinate nearest the exact line (a tie goes up).
struct GridLine {
  GridLine(QPoint from, QPoint to) {
    const int64_t dx = int64_t(to.x()) - from.x();
    const int64_t dy = int64_t(to.y()) - from.y();
    xMajor = std::abs(dx) >= std::abs(dy);
    const int64_t run = xMajor ? dx : dy;
    major0 = xMajor ? from.x() : from.y();
    minor0 = xMajor ? from.y() : from.x();
    steps = std::abs(run);
    dir = run > 0 ? 1 : -1;
    rise = xMajor ? dy : dx;
  }
  int64_t majorAt(int64_t k) const { return major0 + dir * k; }
  int64_t minorAt(int64_t k) const {
    const __int128 num = __int128(2) * k * rise + steps;
    const __int128 den = __int128(2) * steps;
    __int128 q = num / den;
    if (num % den != 0 && num < 0) --q;
    return minor0 + static_cast<int64_t>(q);
  }

  bool xMajor = true;
  int64_t major0 = 0, minor0 = 0;
  int64_t steps = 0;
  int dir = 1;
  int64_t rise = 0;  // minor change from start to end
};

int64_t floorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The line to hand Qt's thin-line rasteriser so that it lights what
// GridLine lights. It steps along the major axis from the lower end of a
// line over the rows (or columns) [low, high) of its ends rounded to whole
// pixels, each at the floor of a 16.16 minor coordinate that starts at the
// lower end, half a row on when that coordinate grows. Both ends move by the
// same multiple of 1/64 pixel (its unit): along the major axis by m, which
// keeps the rows while it stays in a 64-wide window (for a line towards
// lower coordinates a pixel on, so that its start is lit and its end left
// out), and across by half a pixel less what the slope gains over m, which
// must come out whole: then the floor falls on the nearest pixel. `exact` is
// false where no m of the window gives that, or the rasteriser's rounded
// step drifts too far over a long line; the line then comes as close as the
// unit lets.
struct PainterLine {
  QLineF line;
  bool exact = false;
};

PainterLine painterLine(QPoint from, QPoint to) {
  const GridLine g(from, to);
  const bool forward = g.dir > 0;
  const int64_t n = g.steps;
  const int64_t climb = forward ? g.rise : -g.rise;  // from the lower end up
  const int64_t half = climb > 0 ? 32 : 0;
  // u = half - m, where the rasteriser takes its first minor coordinate.
  const int64_t lo = forward ? half - 31 : half - 95;
  const int64_t hi = lo + 63;
  int64_t u = lo;
  int64_t q = n;  // the slope's denominator in lowest terms
  if (lo <= 0 && 0 <= hi) {
    u = 0;
  } else {
    q = n / std::gcd(std::abs(climb), n);
    const int64_t up = floorDiv(hi, q) * q;  // the multiple of q nearest 0
    const int64_t down = -floorDiv(-lo, q) * q;
    if (hi < 0 && up >= lo) {
      u = up;
    } else if (lo > 0 && down <= hi) {
      u = down;
    } else {
      // None: the one whose gain is nearest a whole 1/64.
      int64_t best = std::numeric_limits<int64_t>::max();
      for (int64_t c = lo; c <= hi; ++c) {
        const int64_t r = ((c * climb) % n + n) % n;
        const int64_t off = std::min(r, n - r);
        if (off < best) best = off, u = c;
      }
    }
  }
  const bool whole = (u * climb) % n == 0;
  if (whole && n > 179) q = n / std::gcd(std::abs(climb), n);
  const int64_t gain = floorDiv(2 * u * climb + n, 2 * n);
  const double along = static_cast<double>(half - u) / 64.0;
  const double across = static_cast<double>(32 - gain) / 64.0;
  const QPointF shift = g.xMajor ? QPointF(along, across) : QPointF(across, along);
  return {QLineF(QPointF(from) + shift, QPointF(to) + shift), whole && q * (n + 3) < 32768};
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
  const bool thin = cosmetic();
  if (thin) {
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
    const QList<qreal> dashes =
        thin ? dashPattern(pen_.style)
             : wideDashPattern(pen_.style, pen_.endStyle != Graphics::esFlat);
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
  if (!linePixels_) {
    if (lineFast_ && lineBox_.contains(from) && lineBox_.contains(position_)) {
      active().drawLine(from, position_);
      return;
    }
    const QPointF pts[2] = {QPointF(from), QPointF(position_)};
    strokeLines(pts);
    return;
  }
  const bool near = lineBox_.contains(from) && lineBox_.contains(position_);
  const PainterLine line = painterLine(from, position_);
  if (line.exact && near && lineFast_) {
    active().drawLine(line.line);
    return;
  }
  // The painter would put a pixel off the line, or cut a far end where the
  // pixels no longer follow: a solid line goes as its runs of pixels.
  if ((!line.exact || !near) && !dashed()) {
    drawGridRuns(from, position_);
    return;
  }
  const QPointF pts[2] = {line.line.p1(), line.line.p2()};
  strokeLines(pts);
}

void QPainterBackend::drawGridRuns(QPoint from, QPoint to) {
  const GridLine g(from, to);
  // Only the steps whose pixels fall on the device.
  const QRect box = logicalDeviceRect(1).toAlignedRect();
  const int64_t majorLow = g.xMajor ? box.left() : box.top();
  const int64_t majorHigh = g.xMajor ? box.right() : box.bottom();
  const int64_t minorLow = g.xMajor ? box.top() : box.left();
  const int64_t minorHigh = g.xMajor ? box.bottom() : box.right();
  int64_t first = 0, last = g.steps - 1;
  if (g.dir > 0) {
    first = std::max(first, majorLow - g.major0);
    last = std::min(last, majorHigh - g.major0);
  } else {
    first = std::max(first, g.major0 - majorHigh);
    last = std::min(last, g.major0 - majorLow);
  }
  // The minor coordinate only grows (or only falls) with the step.
  const int sense = g.rise >= 0 ? 1 : -1;
  auto firstStep = [&](auto before) {  // the first step in [first, last] not `before`
    int64_t a = first, b = last + 1;
    while (a < b) {
      const int64_t mid = a + (b - a) / 2;
      if (before(mid))
        a = mid + 1;
      else
        b = mid;
    }
    return a;
  };
  if (first > last) return;
  if (sense > 0) {
    first = firstStep([&](int64_t k) { return g.minorAt(k) < minorLow; });
    last = firstStep([&](int64_t k) { return g.minorAt(k) <= minorHigh; }) - 1;
  } else {
    first = firstStep([&](int64_t k) { return g.minorAt(k) > minorHigh; });
    last = firstStep([&](int64_t k) { return g.minorAt(k) >= minorLow; }) - 1;
  }
  std::vector<QLine>& runs = gridRuns_;
  runs.clear();
  for (int64_t k = first; k <= last;) {
    const int64_t minor = g.minorAt(k);
    int64_t end = k;
    while (end < last && g.minorAt(end + 1) == minor) ++end;
    // Along the axis the painter lights [low, high).
    const int low = static_cast<int>(std::min(g.majorAt(k), g.majorAt(end)));
    const int high = static_cast<int>(std::max(g.majorAt(k), g.majorAt(end))) + 1;
    const int across = static_cast<int>(minor);
    runs.push_back(g.xMajor ? QLine(low, across, high, across) : QLine(across, low, across, high));
    k = end + 1;
  }
  if (lineFast_) {
    active().drawLines(runs.data(), static_cast<int>(runs.size()));
  } else {
    for (const QLine& run : runs) {
      const QPointF pts[2] = {QPointF(run.p1()), QPointF(run.p2())};
      strokeLines(pts);
    }
  }
  runs.clear();
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
  for (std::vector<QLineF>& lines : lineBatches_) lines.clear();
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
    lineBatches_[kDown].emplace_back(QPointF(run.x, run.top), QPointF(run.x, run.bottom + 1));
    run.open = false;
  };
  auto flush = [&] {
    closeRun();
    for (std::vector<QLineF>& lines : lineBatches_) {
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
      if (from == to) continue;  // lights nothing, as lineTo
      if (from.x() == to.x() && linePixels_) {
        position_ = to;
        // From the start to just before the end, whichever way.
        const int top = to.y() > from.y() ? from.y() : to.y() + 1;
        const int bottom = to.y() > from.y() ? to.y() - 1 : from.y();
        if (run.open && run.x == from.x()) {
          run.top = std::min(run.top, top);
          run.bottom = std::max(run.bottom, bottom);
        } else {
          closeRun();
          run = Run{true, from.x(), top, bottom};
        }
        continue;
      }
      const PainterLine line =
          linePixels_ ? painterLine(from, to) : PainterLine{QLineF(from, to), true};
      if (line.exact) {
        position_ = to;
        closeRun();
        const int direction = 3 * (sign(to.x() - from.x()) + 1) + sign(to.y() - from.y()) + 1;
        lineBatches_[static_cast<std::size_t>(direction)].push_back(line.line);
        continue;
      }
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
