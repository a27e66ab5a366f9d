#pragma once
// A chart canvas for the shape tests: recorded or painted on an image, in
// the flat view (screen = chart coordinates), the default view (oblique at
// 45 degrees) or with 3D off.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <memory>
#include <vector>

enum class ShapeView { Flat, Default, Off };

inline void SetUpView(TView3DOptions& view, ShapeView kind) {
  if (kind != ShapeView::Flat) return;
  view.SetOrthogonal(false);
  view.SetRotation(0);
  view.SetElevation(0);
  view.SetTilt(0);
  view.SetPerspective(0);
}

inline void StartCanvas(TPlotCanvas3D& canvas, DrawingBackend* backend, TView3DOptions& view,
                        ShapeView kind, const TRect& r) {
  SetUpView(view, kind);
  canvas.InitWindow(backend, &view, kind != ShapeView::Off, r);
  canvas.Projection(100, r);
}

// The canvas on a recording backend, with a solid brush and a black pen.
struct RecordedShapes {
  RecordingBackend backend{QSize(400, 300)};
  TView3DOptions view;
  TPlotCanvas3D canvas;

  explicit RecordedShapes(ShapeView kind = ShapeView::Flat,
                          base::TColor brush = base::TColor(0xC0C0C0)) {
    StartCanvas(canvas, &backend, view, kind, TRect{0, 0, 400, 300});
    BackendBrush b;
    b.color = brush;
    backend.setBrush(b);
    backend.clearLines();
  }
  QStringList polygons() const { return backend.lines(QStringLiteral("polygon")); }
};

// One recorded polygon line taken apart.
struct RecordedPolygon {
  std::vector<QPoint> points;
  QString brush;  // "$C0C0C0"
};

inline RecordedPolygon ParsePolygon(const QString& line) {
  RecordedPolygon out;
  const QString head = line.section(QStringLiteral(" pen["), 0, 0);
  const QStringList parts = head.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (qsizetype i = 1; i < parts.size(); ++i) {
    const QStringList xy = parts[i].split(QLatin1Char(','));
    if (xy.size() == 2) out.points.emplace_back(xy[0].toInt(), xy[1].toInt());
  }
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("brush\\[(\\$[0-9A-F]{6})")).match(line);
  if (m.hasMatch()) out.brush = m.captured(1);
  return out;
}

inline std::vector<RecordedPolygon> ParsePolygons(const QStringList& lines) {
  std::vector<RecordedPolygon> out;
  for (const QString& line : lines) out.push_back(ParsePolygon(line));
  return out;
}

// The canvas painting straight onto a white image (no buffer).
class PaintedShapes {
 public:
  explicit PaintedShapes(int width, int height, ShapeView kind = ShapeView::Flat)
      : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&image_);
    backend_ = std::make_unique<QPainterBackend>(*painter_);
    canvas.SetUseBuffer(false);
    StartCanvas(canvas, backend_.get(), view, kind, TRect{0, 0, width, height});
  }
  DrawingBackend& backend() { return canvas.ReferenceCanvas(); }
  void brush(base::TColor color) {
    BackendBrush b;
    b.color = color;
    backend().setBrush(b);
  }
  void pen(base::TColor color) {
    BackendPen p;
    p.color = color;
    backend().setPen(p);
  }
  const QImage& image() {
    if (painter_) {
      canvas.ShowImage();
      backend_.reset();
      painter_->end();
      painter_.reset();
    }
    return image_;
  }
  // 0xRRGGBB, as QImage keeps it.
  QRgb rgb(int x, int y) { return image().pixel(x, y) & 0xFFFFFFu; }

  TView3DOptions view;
  TPlotCanvas3D canvas;

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterBackend> backend_;
};
