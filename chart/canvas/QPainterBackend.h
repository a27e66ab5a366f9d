#pragma once
// The drawing backend over a QPainter that is already active on its device
// (an image, a widget, a printer, an SVG generator or a QPicture). It makes
// Qt draw by the classic device rules that stored charts and pixel tests
// expect: no antialiasing; one-pixel pens are cosmetic with flat ends, and
// a line lights its first pixel and leaves out its last in every direction;
// right and bottom edges are exclusive, and a rectangle without an outline
// is one pixel smaller still; corner sizes of round rectangles are ellipse
// sizes; arcs and pies take radial points; polygons fill odd-even; fonts
// are pixel sizes at 96 pixels per inch.
// Coordinates are clipped before they reach Qt, whose raster engine fails
// far outside +/-32767.
#include "chart/canvas/DrawingBackend.h"

#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QTransform>

#include <array>
#include <memory>
#include <vector>

class QPainterBackend : public DrawingBackend {
 public:
  // `painter` must stay active while the backend draws, and belongs to the
  // backend meanwhile (the backend keeps the pen it set). Its state is saved
  // here and restored by the destructor.
  explicit QPainterBackend(QPainter& painter);
  ~QPainterBackend() override;
  QPainterBackend(const QPainterBackend&) = delete;
  QPainterBackend& operator=(const QPainterBackend&) = delete;

  void setPen(const BackendPen& pen) override {
    pen_ = pen;
    lineReady_ = false;
  }
  const BackendPen& pen() const override { return pen_; }
  void setBrush(const BackendBrush& brush) override { brush_ = brush; }
  const BackendBrush& brush() const override { return brush_; }
  void setFont(const BackendFont& font) override;
  const BackendFont& font() const override { return font_; }
  void setBackColor(base::TColor color) override { backColor_ = color; }
  base::TColor backColor() const override { return backColor_; }
  void setBackMode(BackMode mode) override {
    backMode_ = mode;
    lineReady_ = false;
  }
  BackMode backMode() const override { return backMode_; }
  void setTextAlign(int flags) override { textAlign_ = flags; }
  int textAlign() const override { return textAlign_; }

  void moveTo(int x, int y) override { position_ = QPoint(x, y); }
  void lineTo(int x, int y) override;
  QPoint currentPosition() const override { return position_; }
  void polylineTo(std::span<const QPoint> points) override;
  void polyline(std::span<const QPoint> points) override;
  void polygon(std::span<const QPoint> points, bool winding = false) override;
  void rectangle(const TRect& r) override;
  void roundRect(const TRect& r, int ellipseWidth, int ellipseHeight) override;
  void ellipse(const TRect& r) override;
  void arc(const TRect& r, QPoint start, QPoint end) override;
  void pie(const TRect& r, QPoint start, QPoint end) override;
  void fillRect(const TRect& r) override;
  void setPixel(int x, int y, base::TColor color) override;

  void textOut(int x, int y, const QString& text) override;
  void textOutline(int x, int y, const QString& text) override;
  QSize textExtent(const QString& text) const override;
  TextMetrics textMetrics() const override;

  void draw(int x, int y, const QImage& image) override;
  void stretchDraw(const TRect& r, const QImage& image) override;
  void tiledDraw(const TRect& r, const QImage& image) override;

  void pushClipRect(const TRect& r) override;
  void pushClipEllipse(const TRect& r) override;
  void pushClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) override;
  void pushClipPolygon(std::span<const QPoint> points) override;
  void popClip() override;
  int clipDepth() const override {
    return static_cast<int>(softClip_ ? softClips_.size() : clips_.size());
  }

  void setMapping(QSize windowSize, const TRect& viewport) override;
  void resetMapping() override;

  void beginBlend(const TRect& r) override;
  void endBlend(int transparency) override;

  BackendCapabilities capabilities() const override;
  QSize deviceSize() const override;
  QImage grab(const TRect& r) const override;

  // The Qt font this backend draws `font` with.
  static QFont toQFont(const BackendFont& font);

 private:
  // How far beyond the device polygons and shapes are cut: far enough that
  // the cut edges never show, near enough for Qt's raster engine.
  static constexpr double kGuard = 16384.0;
  struct SavedClip {
    bool enabled;
    QPainterPath path;
  };

  QPainter& active() const { return blend_ ? *blend_->painter : painter_; }
  bool cosmetic() const;
  bool dashed() const;
  // The pen in `color`; `solid` leaves out the dashes (for opaque gaps).
  QPen qpen(base::TColor color, bool solid) const;
  QBrush qbrush() const;
  void beginRop(QPainter& p) const;
  void endRop(QPainter& p) const;
  // The device rectangle grown by `grow` pixels, in logical units.
  QRectF logicalDeviceRect(double grow) const;
  double penGrow() const;
  void strokePolyline(std::span<const QPointF> points);
  void strokeLines(std::span<const QPointF> points);
  // A zero-length line of a wide pen: a dot of the pen's width.
  void wideDot(QPoint at);
  void fillPath(const QPainterPath& path);
  void hatchWithLines(QPainter& p, const QPainterPath& path) const;
  // Fills the shape with the brush and strokes it with the pen.
  void drawShape(const QPainterPath& outline);
  void pushClipPath(const QPainterPath& path);
  bool softClipping() const;
  // The clip in force, in logical units, where this backend clips itself.
  QPainterPath logicalClip() const;
  // One device pixel in logical units.
  double devicePixel() const;
  void emitFill(QPainter& p, const QPainterPath& path, const QBrush& brush);
  void emitStroke(QPainter& p, const QPainterPath& path);
  void emitPolyline(QPainter& p, const QPointF* points, int count);
  void drawImagePart(const QRectF& target, const QImage& image);
  TRect framed(const TRect& r) const;
  void replay(QPicture& picture);
  void placeText(int x, int y, const QString& text, bool outline);
  // Sets the painter up for plain lines and decides whether they may go to
  // it directly.
  void prepareLines();
  // A thin line as its runs of pixels along the major axis, the steps off
  // the device left out.
  void drawGridRuns(QPoint from, QPoint to);

  QPainter& painter_;
  BackendPen pen_;
  BackendBrush brush_;
  BackendFont font_;
  QFont qfont_;
  base::TColor backColor_ = base::clWhite;
  BackMode backMode_ = BackMode::Transparent;
  int textAlign_ = 0;
  QPoint position_;
  std::vector<SavedClip> clips_;
  bool softClip_ = false;
  std::vector<QPainterPath> softClips_;  // device units, each the intersection so far
  QTransform baseTransform_;
  bool mapped_ = false;
  // lineTo's fast path: the painter holds the line pen (lineReady_), lines
  // may go straight to it (lineFast_) when both ends lie in lineBox_.
  bool lineReady_ = false;
  bool lineFast_ = false;
  bool linePixels_ = false;  // a thin pen on a mapping that only moves: the pixel rule holds
  QRect lineBox_;

  struct Blend {
    QPicture picture;
    std::unique_ptr<QPainter> painter;
    TRect rect;
  };
  std::unique_ptr<Blend> blend_;
  // polylineTo's segments by direction (sign of dx and dy), kept for
  // their capacity.
  std::array<std::vector<QLineF>, 9> lineBatches_;
  std::vector<QLine> gridRuns_;
  size_t blendClipBase_ = 0;
};
