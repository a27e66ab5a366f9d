#include "charteditor/export/MetafileBackend.h"

#include "chart/canvas/QPainterBackend.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <cmath>

MetafileBackend::MetafileBackend(QSize size)
    : qfont_(QPainterBackend::toQFont(font_)), size_(size.expandedTo(QSize(1, 1))) {}

void MetafileBackend::setFont(const BackendFont& font) {
  font_ = font;
  qfont_ = QPainterBackend::toQFont(font);
}

QSize MetafileBackend::textExtent(const QString& text) const {
  // The same metrics the QPainter backend answers, so that a chart lays
  // out alike on screen and in the picture.
  const QFontMetrics fm(qfont_);
  return QSize(fm.horizontalAdvance(text), fm.ascent() + fm.descent());
}

TextMetrics MetafileBackend::textMetrics() const {
  const QFontMetrics fm(qfont_);
  TextMetrics m;
  m.ascent = fm.ascent();
  m.descent = fm.descent();
  m.height = m.ascent + m.descent;
  m.averageCharWidth = fm.averageCharWidth();
  return m;
}

std::vector<int> MetafileBackend::advances(const QString& text) const {
  const QFontMetricsF fm(qfont_);
  std::vector<int> out;
  out.reserve(static_cast<size_t>(text.size()));
  double sum = 0;
  long long placed = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A surrogate pair advances once, on its first unit.
    if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) {
      out.push_back(0);
      continue;
    }
    const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    sum += fm.horizontalAdvance(text.mid(i, n));
    const long long next = std::llround(sum);
    out.push_back(static_cast<int>(next - placed));
    placed = next;
  }
  return out;
}

void MetafileBackend::setMapping(QSize windowSize, const TRect& viewport) {
  if (windowSize.width() == 0 || windowSize.height() == 0) return;
  mapping_ = Mapping{true, windowSize, viewport};
}

BackendCapabilities MetafileBackend::capabilities() const {
  BackendCapabilities caps;
  caps.metafile = true;
  caps.pixelReadBack = false;
  caps.rasterOps = false;
  caps.dpiX = caps.dpiY = 96;
  return caps;
}

uint32_t MetafileBackend::colorRef(base::TColor color) {
  return base::ColorToRGB(color) & 0x00FFFFFFu;
}

bool MetafileBackend::sameDirection(const TRect& r, QPoint start, QPoint end) {
  // Twice the centre keeps everything in integers; products of such
  // values need more than 64 bits.
  using Wide = __int128;
  const Wide cx = static_cast<Wide>(r.Left) + r.Right;
  const Wide cy = static_cast<Wide>(r.Top) + r.Bottom;
  const Wide ax = 2 * static_cast<Wide>(start.x()) - cx, ay = 2 * static_cast<Wide>(start.y()) - cy;
  const Wide bx = 2 * static_cast<Wide>(end.x()) - cx, by = 2 * static_cast<Wide>(end.y()) - cy;
  return ax * by - ay * bx == 0 && ax * bx + ay * by >= 0;
}

BackendPen MetafileBackend::clearPen() {
  BackendPen p;
  p.style = Graphics::psClear;
  return p;
}

// --- the object table ----------------------------------------------------------

int MetafileBackend::allocateSlot() {
  // The lowest free slot: plain metafiles require it, and it keeps the
  // table of enhanced ones small.
  for (size_t i = static_cast<size_t>(firstSlot_); i < slots_.size(); ++i) {
    if (!slots_[i]) {
      slots_[i] = true;
      return static_cast<int>(i);
    }
  }
  slots_.push_back(true);
  tableSize_ = std::max(tableSize_, static_cast<int>(slots_.size()));
  return static_cast<int>(slots_.size()) - 1;
}

int MetafileBackend::liveObjects() const {
  return static_cast<int>(std::count(slots_.begin(), slots_.end(), true));
}

bool MetafileBackend::held(int slot) const {
  auto holds = [slot](const PlayerState& s) {
    return s.pen == slot || s.brush == slot || s.font == slot;
  };
  return holds(player_) || std::any_of(saved_.begin(), saved_.end(), holds);
}

void MetafileBackend::release(int slot) {
  if (slot < 0 || held(slot)) return;
  writeDelete(slot);
  slots_[static_cast<size_t>(slot)] = false;
}

// --- the player's state -----------------------------------------------------------

void MetafileBackend::beginPicture(int firstSlot) {
  firstSlot_ = firstSlot;
  slots_.assign(static_cast<size_t>(firstSlot), false);
  tableSize_ = firstSlot;
  // A player starts without a logical mapping.
  player_.mappingKnown = true;
  saveState();
}

void MetafileBackend::endPicture() {
  while (!saved_.empty()) {
    writeRestoreState();
    const PlayerState inner = player_;
    player_ = saved_.back();
    saved_.pop_back();
    release(inner.pen);
    release(inner.brush);
    release(inner.font);
  }
}

void MetafileBackend::saveState() {
  writeSaveState();
  saved_.push_back(player_);
}

void MetafileBackend::popClip() {
  // The initial save belongs to the picture, not to a clip.
  if (saved_.size() < 2) return;
  writeRestoreState();
  const PlayerState inner = player_;
  player_ = saved_.back();
  saved_.pop_back();
  release(inner.pen);
  release(inner.brush);
  release(inner.font);
}

void MetafileBackend::usePen(const BackendPen& pen) {
  if (player_.pen >= 0 && player_.penValue == pen) return;
  const int slot = allocateSlot();
  writeCreatePen(slot, pen);
  writeSelect(slot);
  const int old = player_.pen;
  player_.pen = slot;
  player_.penValue = pen;
  release(old);
}

void MetafileBackend::useBrush(const BackendBrush& brush) {
  const BackendBrush& b = player_.brushValue;
  if (player_.brush >= 0 && b.style == brush.style && b.color == brush.color &&
      b.image.cacheKey() == brush.image.cacheKey() &&
      (brush.image.depth() != 1 || player_.brushBack == backColor_))
    return;
  const int slot = allocateSlot();
  writeCreateBrush(slot, brush);
  writeSelect(slot);
  const int old = player_.brush;
  player_.brush = slot;
  player_.brushValue = brush;
  player_.brushBack = backColor_;
  release(old);
}

void MetafileBackend::useFont(const BackendFont& font) {
  if (player_.font >= 0 && player_.fontValue == font) return;
  const int slot = allocateSlot();
  writeCreateFont(slot, font);
  writeSelect(slot);
  const int old = player_.font;
  player_.font = slot;
  player_.fontValue = font;
  release(old);
}

void MetafileBackend::useTextColor(base::TColor color) {
  const uint32_t c = colorRef(color);
  if (player_.textColor == c) return;
  writeTextColor(c);
  player_.textColor = c;
}

void MetafileBackend::useBackground() {
  const uint32_t c = colorRef(backColor_);
  if (player_.backColor != c) {
    writeBackColor(c);
    player_.backColor = c;
  }
  const int mode = backMode_ == BackMode::Opaque ? 1 : 0;
  if (player_.backMode != mode) {
    writeBackMode(backMode_);
    player_.backMode = mode;
  }
}

void MetafileBackend::useTextAlign(int flags) {
  if (player_.textAlign == flags) return;
  writeTextAlign(flags);
  player_.textAlign = flags;
}

void MetafileBackend::useFillMode(bool winding) {
  const int mode = winding ? 1 : 0;
  if (player_.fillMode == mode) return;
  writeFillMode(winding);
  player_.fillMode = mode;
}

void MetafileBackend::usePosition(QPoint p) {
  if (player_.positionKnown && player_.position == p) return;
  writeMoveTo(p);
  noteMoved(p);
}

void MetafileBackend::useMapping() {
  if (player_.mappingKnown && player_.mapping == mapping_) return;
  writeMapping(mapping_);
  player_.mappingKnown = true;
  player_.mapping = mapping_;
}
