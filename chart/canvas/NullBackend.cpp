#include "chart/canvas/NullBackend.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

int NullBackend::pixelHeight(const BackendFont& font) {
  return FontPixelHeight(font);
}

bool NullBackend::penInks() const {
  return pen_.smallDots || pen_.style != Graphics::psClear;
}

bool NullBackend::fillInks() const {
  return penInks() || !brush_.image.isNull() || brush_.style != Graphics::bsClear;
}

void NullBackend::setPen(const BackendPen& pen) {
  count(false);
  pen_ = pen;
}
void NullBackend::setBrush(const BackendBrush& brush) {
  count(false);
  brush_ = brush;
}
void NullBackend::setFont(const BackendFont& font) {
  count(false);
  font_ = font;
}
void NullBackend::setBackColor(base::TColor color) {
  count(false);
  backColor_ = color;
}
void NullBackend::setBackMode(BackMode mode) {
  count(false);
  backMode_ = mode;
}
void NullBackend::setTextAlign(int flags) {
  count(false);
  textAlign_ = flags;
}

void NullBackend::moveTo(int x, int y) {
  count(false);
  position_ = QPoint(x, y);
}
void NullBackend::lineTo(int x, int y) {
  count(penInks() && QPoint(x, y) != position_);
  position_ = QPoint(x, y);
}
void NullBackend::polyline(std::span<const QPoint> points) {
  count(penInks() && points.size() > 1);
}
void NullBackend::polygon(std::span<const QPoint> points, bool) {
  count(fillInks() && points.size() > 1);
}
void NullBackend::rectangle(const TRect&) {
  count(fillInks());
}
void NullBackend::roundRect(const TRect&, int, int) {
  count(fillInks());
}
void NullBackend::ellipse(const TRect&) {
  count(fillInks());
}
void NullBackend::arc(const TRect&, QPoint, QPoint) {
  count(penInks());
}
void NullBackend::pie(const TRect&, QPoint, QPoint) {
  count(fillInks());
}
void NullBackend::fillRect(const TRect&) {
  count(!brush_.image.isNull() || brush_.style != Graphics::bsClear);
}
void NullBackend::setPixel(int, int, base::TColor) {
  count(true);
}

void NullBackend::textOut(int, int, const QString& text) {
  count(!text.isEmpty());
}
void NullBackend::textOutline(int, int, const QString& text) {
  count(!text.isEmpty());
}

QSize NullBackend::textExtent(const QString& text) const {
  ++calls_;
  const TextMetrics m = fakeMetrics(font_);
  const long long w = static_cast<long long>(text.size()) * (m.averageCharWidth + font_.charExtra);
  return QSize(static_cast<int>(std::clamp<long long>(w, 0, std::numeric_limits<int>::max())),
               m.height);
}

TextMetrics NullBackend::textMetrics() const {
  ++calls_;
  return fakeMetrics(font_);
}

TextMetrics NullBackend::fakeMetrics(const BackendFont& font) {
  const int h = std::min(pixelHeight(font), 1 << 24);
  TextMetrics m;
  m.ascent = h;
  m.descent = h / 4;
  m.height = h + h / 4;
  m.averageCharWidth = std::max(1, h / 2);
  return m;
}

void NullBackend::draw(int, int, const QImage& image) {
  count(!image.isNull());
}
void NullBackend::stretchDraw(const TRect&, const QImage& image) {
  count(!image.isNull());
}
void NullBackend::tiledDraw(const TRect&, const QImage& image) {
  count(!image.isNull());
}

void NullBackend::pushClipRect(const TRect&) {
  count(false);
  ++clipDepth_;
}
void NullBackend::pushClipEllipse(const TRect&) {
  count(false);
  ++clipDepth_;
}
void NullBackend::pushClipRoundRect(const TRect&, int, int) {
  count(false);
  ++clipDepth_;
}
void NullBackend::pushClipPolygon(std::span<const QPoint>) {
  count(false);
  ++clipDepth_;
}
void NullBackend::popClip() {
  count(false);
  if (clipDepth_ > 0) --clipDepth_;
}

void NullBackend::setMapping(QSize windowSize, const TRect& viewport) {
  count(false);
  mapped_ = true;
  windowSize_ = windowSize;
  viewport_ = viewport;
}
void NullBackend::resetMapping() {
  count(false);
  mapped_ = false;
}

void NullBackend::beginBlend(const TRect&) {
  count(false);
  ++blendDepth_;
}
void NullBackend::endBlend(int) {
  count(false);
  if (blendDepth_ > 0) --blendDepth_;
}

BackendCapabilities NullBackend::capabilities() const {
  ++calls_;
  return BackendCapabilities{};
}

QImage NullBackend::grab(const TRect&) const {
  ++calls_;
  return {};
}
