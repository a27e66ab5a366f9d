#pragma once
// A white image with a painter and a QPainterBackend on it, for pixel probes.
#include "base/Colors.h"
#include "chart/canvas/QPainterBackend.h"

#include <QImage>
#include <QPainter>

#include <memory>

class CanvasTestImage {
 public:
  explicit CanvasTestImage(int width = 200, int height = 200)
      : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    backend_ = std::make_unique<QPainterBackend>(*painter_);
  }

  QPainterBackend& backend() { return *backend_; }
  // Ends the painting (once) and answers the image.
  const QImage& image() {
    if (painter_) {
      backend_.reset();
      painter_->end();
      painter_.reset();
    }
    return image_;
  }
  base::TColor at(int x, int y) { return base::FromQColor(QColor(image().pixel(x, y))); }
  bool isWhite(int x, int y) { return at(x, y) == base::clWhite; }

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterBackend> backend_;
};

// Pen and brush shorthands.
inline BackendPen SolidPen(base::TColor color, int width = 1) {
  BackendPen pen;
  pen.color = color;
  pen.width = width;
  return pen;
}

inline BackendPen ClearPen() {
  BackendPen pen;
  pen.style = Graphics::psClear;
  return pen;
}

inline BackendBrush SolidBrush(base::TColor color) {
  BackendBrush brush;
  brush.color = color;
  return brush;
}

inline BackendBrush ClearBrush() {
  BackendBrush brush;
  brush.style = Graphics::bsClear;
  return brush;
}
