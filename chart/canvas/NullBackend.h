#pragma once
// A backend that draws nowhere: it keeps the state, answers fixed text
// metrics and counts calls, so that code can be run (and timed, and its
// drawing counted) without a device. Text metrics for a font of pixel
// height h: a character is max(1, h div 2) + charExtra wide, a line
// h + h div 4 high with ascent h.
#include "chart/canvas/DrawingBackend.h"

#include <vector>

class NullBackend : public DrawingBackend {
 public:
  explicit NullBackend(QSize deviceSize = QSize(1000, 1000)) : deviceSize_(deviceSize) {}

  // Every call made, state and queries included.
  long long calls() const { return calls_; }
  // Drawing calls that would leave ink: a line with a visible pen, a shape
  // with a visible pen or brush, text, pixels and images.
  long long inkCalls() const { return inkCalls_; }
  void resetCounts() { calls_ = inkCalls_ = 0; }

  void setPen(const BackendPen& pen) override;
  const BackendPen& pen() const override { return pen_; }
  void setBrush(const BackendBrush& brush) override;
  const BackendBrush& brush() const override { return brush_; }
  void setFont(const BackendFont& font) override;
  const BackendFont& font() const override { return font_; }
  void setBackColor(base::TColor color) override;
  base::TColor backColor() const override { return backColor_; }
  void setBackMode(BackMode mode) override;
  BackMode backMode() const override { return backMode_; }
  void setTextAlign(int flags) override;
  int textAlign() const override { return textAlign_; }

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;
  QPoint currentPosition() const override { return position_; }
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
  int clipDepth() const override { return clipDepth_; }

  void setMapping(QSize windowSize, const TRect& viewport) override;
  void resetMapping() override;
  bool hasMapping() const { return mapped_; }

  void beginBlend(const TRect& r) override;
  void endBlend(int transparency) override;

  BackendCapabilities capabilities() const override;
  QSize deviceSize() const override { return deviceSize_; }
  QImage grab(const TRect& r) const override;

  // The pixel height of a font as these metrics use it.
  static int pixelHeight(const BackendFont& font);
  // The fixed metrics of `font` (charExtra not included in the width).
  static TextMetrics fakeMetrics(const BackendFont& font);

 protected:
  bool penInks() const;
  bool fillInks() const;
  void count(bool ink) {
    ++calls_;
    if (ink) ++inkCalls_;
  }

  BackendPen pen_;
  BackendBrush brush_;
  BackendFont font_;
  base::TColor backColor_ = base::clWhite;
  BackMode backMode_ = BackMode::Transparent;
  int textAlign_ = 0;
  QPoint position_;
  int clipDepth_ = 0;
  bool mapped_ = false;
  QSize windowSize_;
  TRect viewport_;
  int blendDepth_ = 0;

 private:
  QSize deviceSize_;
  mutable long long calls_ = 0;
  long long inkCalls_ = 0;
};
