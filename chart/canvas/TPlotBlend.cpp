#include "chart/canvas/TPlotBlend.h"

#include "base/MathUtil.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <QRgb>

#include <algorithm>

namespace {

TRect Intersect(const TRect& r, QSize size) {
  TRect out{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, size.width()),
            std::min(r.Bottom, size.height())};
  if (out.IsEmpty()) return {};
  return out;
}

QImage Rgb32(QImage image) {
  if (image.format() != QImage::Format_RGB32) image.convertTo(QImage::Format_RGB32);
  return image;
}

// Mixes `kept` (the pixels of `r` before) into the pixels of `image` at the
// same place.
void MixInto(QImage& image, int left, int top, const QImage& kept, int transparency) {
  for (int y = 0; y < kept.height(); ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(kept.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(top + y)) + left;
    for (int x = 0; x < kept.width(); ++x) to[x] = TPlotBlend::Mix(from[x], to[x], transparency);
  }
}

}  // namespace

unsigned TPlotBlend::Mix(unsigned kept, unsigned drawn, int transparency) {
  if ((drawn & 0xFFFFFFu) == 0xFFFFFFu) drawn &= 0xFFFEFFFFu;
  const float k = static_cast<float>(transparency) / 100.0f;
  const float d = static_cast<float>(100 - transparency) / 100.0f;
  auto channel = [k, d](unsigned a, unsigned b) {
    const float v = static_cast<float>(a & 0xFF) * k + static_cast<float>(b & 0xFF) * d;
    return static_cast<unsigned>(std::clamp(base::Round(v), 0, 255));
  };
  return (drawn & 0xFF000000u) | channel(kept >> 16, drawn >> 16) << 16 |
         channel(kept >> 8, drawn >> 8) << 8 | channel(kept, drawn);
}

TPlotBlend::TPlotBlend(TPlotCanvas3D& canvas, const TRect& r)
    : canvas_(canvas), backend_(&canvas.ReferenceCanvas()) {
  if (canvas.Buffered() && canvas.Buffer()) {
    buffer_ = canvas.Buffer();
    rect_ = Intersect(r, buffer_->size());
    if (rect_.IsEmpty()) return;
    kept_ = Rgb32(buffer_->copy(rect_.Left, rect_.Top, rect_.Width(), rect_.Height()));
    mode_ = Mode::Buffer;
  } else if (backend_->capabilities().pixelReadBack) {
    rect_ = Intersect(r, backend_->deviceSize());
    if (rect_.IsEmpty()) return;
    kept_ = Rgb32(backend_->grab(rect_));
    if (kept_.size() == QSize(rect_.Width(), rect_.Height())) mode_ = Mode::ReadBack;
  } else {
    rect_ = r;
    backend_->beginBlend(r);
    mode_ = Mode::Recorded;
  }
}

TPlotBlend::~TPlotBlend() {
  if (mode_ == Mode::Recorded && &canvas_.ReferenceCanvas() == backend_) backend_->endBlend(0);
}

void TPlotBlend::DoBlend(int transparency) {
  const Mode mode = mode_;
  mode_ = Mode::None;
  const int t = std::clamp(transparency, 0, 100);
  // The paint this blend began in may have ended: then there is nothing
  // left to mix into.
  switch (mode) {
    case Mode::None:
      break;
    case Mode::Buffer:
      if (canvas_.Buffered() && canvas_.Buffer() == buffer_ && rect_.Right <= buffer_->width() &&
          rect_.Bottom <= buffer_->height())
        MixInto(*buffer_, rect_.Left, rect_.Top, kept_, t);
      break;
    case Mode::ReadBack:
      if (&canvas_.ReferenceCanvas() == backend_) {
        QImage now = Rgb32(backend_->grab(rect_));
        if (now.size() != kept_.size()) break;
        MixInto(now, 0, 0, kept_, t);
        backend_->draw(rect_.Left, rect_.Top, now);
      }
      break;
    case Mode::Recorded:
      if (&canvas_.ReferenceCanvas() == backend_) backend_->endBlend(t);
      break;
  }
}
