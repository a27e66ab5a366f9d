// The QPainter backend: clips, the logical mapping, translucency and the
// device it draws on.
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

// --- clipping ------------------------------------------------------------------

void QPainterBackend::pushClipPath(const QPainterPath& path) {
  lineReady_ = false;
  if (softClip_) {
    QPainterPath device = painter_.worldTransform().map(path);
    if (!softClips_.empty()) device = softClips_.back().intersected(device);
    softClips_.push_back(device);
    return;
  }
  QPainter& p = active();
  clips_.push_back(SavedClip{p.hasClipping(), p.clipPath()});
  p.setClipPath(path, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QPainterBackend::pushClipRect(const TRect& r) {
  QPainterPath path;
  path.addRect(QRectF(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())));
  pushClipPath(path);
}

void QPainterBackend::pushClipEllipse(const TRect& r) {
  QPainterPath path;
  path.addEllipse(QRectF(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())));
  pushClipPath(path);
}

void QPainterBackend::pushClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
  QPainterPath path;
  path.addRoundedRect(QRectF(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())),
                      std::abs(ellipseWidth) / 2.0, std::abs(ellipseHeight) / 2.0);
  pushClipPath(path);
}

void QPainterBackend::pushClipPolygon(std::span<const QPoint> points) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  QPolygonF poly;
  for (QPoint q : points) poly << QPointF(q);
  const QRectF guard = logicalDeviceRect(kGuard);
  const std::vector<QPointF> clipped = ClipPolygon(std::span(poly.constData(), poly.size()), guard);
  path.addPolygon(QPolygonF(clipped.begin(), clipped.end()));
  pushClipPath(path);
}

void QPainterBackend::popClip() {
  lineReady_ = false;
  if (softClip_) {
    if (!softClips_.empty()) softClips_.pop_back();
    return;
  }
  if (clips_.empty()) return;
  // A clip pushed before a translucent layer began belongs to the device.
  const bool outer = blend_ && clips_.size() <= blendClipBase_;
  if (outer) --blendClipBase_;
  QPainter& p = outer ? painter_ : active();
  const SavedClip saved = clips_.back();
  clips_.pop_back();
  if (saved.enabled) {
    p.setClipPath(saved.path);
  } else {
    p.setClipping(false);
  }
}

// --- mapping ---------------------------------------------------------------------

void QPainterBackend::setMapping(QSize windowSize, const TRect& viewport) {
  lineReady_ = false;
  if (windowSize.width() == 0 || windowSize.height() == 0) return;
  const double sx = static_cast<double>(viewport.Width()) / windowSize.width();
  const double sy = static_cast<double>(viewport.Height()) / windowSize.height();
  const QTransform t =
      QTransform::fromScale(sx, sy) * QTransform::fromTranslate(viewport.Left, viewport.Top);
  painter_.setWorldTransform(t * baseTransform_);
  mapped_ = true;
}

void QPainterBackend::resetMapping() {
  lineReady_ = false;
  painter_.setWorldTransform(baseTransform_);
  mapped_ = false;
}

// --- translucency ---------------------------------------------------------------

void QPainterBackend::beginBlend(const TRect& r) {
  lineReady_ = false;
  if (blend_) return;
  blend_ = std::make_unique<Blend>();
  blend_->rect = r;
  blend_->painter = std::make_unique<QPainter>(&blend_->picture);
  blend_->painter->setRenderHint(QPainter::Antialiasing, false);
  blendClipBase_ = clips_.size();
}

void QPainterBackend::endBlend(int transparency) {
  lineReady_ = false;
  if (!blend_) return;
  while (clips_.size() > blendClipBase_) clips_.pop_back();
  blend_->painter->end();
  const std::unique_ptr<Blend> blend = std::move(blend_);
  const TRect& r = blend->rect;
  const QRectF inside(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
  // Intersecting with a switched-off clip would bring the old one back.
  const Qt::ClipOperation op = painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip;
  const double opacity = (100 - std::clamp(transparency, 0, 100)) / 100.0;
  if (softClip_) {
    // Without clipping the layer cannot be split at its rectangle.
    painter_.save();
    painter_.setOpacity(opacity);
    replay(blend->picture);
    painter_.restore();
    return;
  }
  // Only the layer's rectangle is mixed; what was drawn beyond it stays as drawn.
  QPainterPath outside;
  outside.setFillRule(Qt::OddEvenFill);
  outside.addRect(logicalDeviceRect(kGuard));
  outside.addRect(inside);
  painter_.save();
  painter_.setClipPath(outside, op);
  replay(blend->picture);
  painter_.restore();
  if (inside.isEmpty()) return;
  painter_.save();
  painter_.setClipRect(inside, op);
  painter_.setOpacity(opacity);
  // Replayed command by command under this opacity and clip.
  replay(blend->picture);
  painter_.restore();
}

void QPainterBackend::replay(QPicture& picture) {
  // A picture plays scaled by the device's resolution against its own;
  // the layer was drawn in this device's units, so undo that.
  const QPaintDevice* device = painter_.device();
  painter_.save();
  if (device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0)
    painter_.scale(static_cast<double>(picture.logicalDpiX()) / device->logicalDpiX(),
                   static_cast<double>(picture.logicalDpiY()) / device->logicalDpiY());
  picture.play(&painter_);
  painter_.restore();
}

// --- device ----------------------------------------------------------------------

BackendCapabilities QPainterBackend::capabilities() const {
  BackendCapabilities caps;
  const QPaintDevice* device = painter_.device();
  const QPaintEngine* engine = painter_.paintEngine();
  const int devType = device ? device->devType() : 0;
  const QPaintEngine::Type type = engine ? engine->type() : QPaintEngine::User;
  caps.pixelReadBack = devType == QInternal::Image;
  caps.metafile =
      devType == QInternal::Picture || type == QPaintEngine::SVG || type == QPaintEngine::Picture;
  caps.printer = devType == QInternal::Printer;
  caps.rasterOps = type == QPaintEngine::Raster;
  if (device) {
    caps.dpiX = device->logicalDpiX();
    caps.dpiY = device->logicalDpiY();
  }
  return caps;
}

QSize QPainterBackend::deviceSize() const {
  const QPaintDevice* device = painter_.device();
  if (!device) return {};
  return QSize(device->width(), device->height());
}

QImage QPainterBackend::grab(const TRect& r) const {
  QPaintDevice* device = painter_.device();
  if (!device || device->devType() != QInternal::Image) return {};
  const auto* image = static_cast<const QImage*>(device);
  const QRect want(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
  const QRect part = want.intersected(image->rect());
  if (part.isEmpty()) return {};
  return image->copy(part).convertToFormat(QImage::Format_RGB32);
}
