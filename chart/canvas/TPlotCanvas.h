#pragma once
// The 2D drawing interface every chart part draws through: shapes, lines,
// text and images in device coordinates, with the chart's own pen, brush and
// font conventions (hidden pens, monochrome, text shadows and outlines).
// The drawing lands on a DrawingBackend (the "reference canvas"), which a
// concrete canvas chooses: an off-screen buffer or the destination itself.
#include "base/Colors.h"
#include "chart/canvas/DrawingBackend.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/NullBackend.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <span>

class TChartBrush;
class TChartPen;
class TPlotFont;

class TPlotCanvas {
 public:
  TPlotCanvas() = default;
  virtual ~TPlotCanvas() = default;
  TPlotCanvas(const TPlotCanvas&) = delete;
  TPlotCanvas& operator=(const TPlotCanvas&) = delete;

  // Where the drawing goes right now. Never null: between paints a canvas
  // draws nowhere.
  DrawingBackend& ReferenceCanvas() const { return *backend_; }

  virtual base::TColor GetBackColor() const;
  virtual BackMode GetBackMode() const;
  virtual bool GetMonochrome() const = 0;
  virtual int GetTextAlign() const = 0;
  virtual bool GetUseBuffer() const = 0;
  virtual void SetBackColor(base::TColor color);
  virtual void SetBackMode(BackMode mode);
  virtual void SetMonochrome(bool value) = 0;
  virtual void SetPixel(int x, int y, base::TColor color) = 0;
  virtual void SetTextAlign(int flags) = 0;
  virtual void SetUseBuffer(bool value) = 0;

  // The arc and pie run counter-clockwise from the ray through (x3, y3) to
  // the ray through (x4, y4) on the ellipse inside (x1, y1)-(x2, y2).
  virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void Draw(int x, int y, const QImage& image) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void FillRect(const TRect& r) = 0;
  // A raised or sunk border `width` pixels wide inside `r`.
  virtual void Frame3D(TRect& r, base::TColor topColor, base::TColor bottomColor, int width) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void Rectangle(int x0, int y0, int x1, int y1) = 0;
  // Corner sizes are the width and height of the corner ellipse.
  virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) = 0;
  virtual void StretchDraw(const TRect& r, const QImage& image) = 0;
  virtual void TextOut(int x, int y, const QString& text) = 0;
  // The extent of `text` in the current font, its shadow included.
  virtual int TextWidth(const QString& text) const;
  virtual int TextHeight(const QString& text) const;
  virtual void ClipRectangle(const TRect& r) = 0;
  virtual void DoHorizLine(int x0, int x1, int y) = 0;
  virtual void DoRectangle(const TRect& r) = 0;
  virtual void DoVertLine(int x, int y0, int y1) = 0;
  virtual void EraseBackground(const TRect& r) = 0;
  // Fills `r` with bands running from `color1` to `color2` in `direction`
  // (the first colour at the bottom or right edge; the radial directions
  // start from `color2`). Leaves the brush and pen as it found them.
  virtual void GradientFill(const TRect& r, base::TColor color1, base::TColor color2,
                            TGradientDirection direction) = 0;
  virtual void Invalidate() = 0;
  virtual void Line(int x0, int y0, int x1, int y1) = 0;
  virtual void Polygon(std::span<const QPoint> points) = 0;
  // Text turned counter-clockwise by `angle` degrees about (x, y).
  virtual void RotateLabel(int x, int y, const QString& text, double angle) = 0;
  virtual void UnClipRectangle() = 0;
  virtual bool SupportsFullRotation() const = 0;
  virtual bool SupportsTextZoom() const = 0;

  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }

  // The chart's pen, brush and font. A hidden pen draws nothing; monochrome
  // makes pens and text black and brushes white. A brush's image becomes a
  // pattern on an opaque background; otherwise a `backColor` other than
  // clNone makes the background (hatch gaps) opaque in that colour.
  // `ownerColor` stands in for a brush colour of clDefault.
  void AssignPen(const TChartPen& pen);
  void AssignBrush(const TChartBrush& brush, base::TColor backColor = base::clNone,
                   base::TColor ownerColor = base::clWhite);
  // Also remembers the font's shadow and outline for TextOut.
  void AssignFont(const TPlotFont& font);

 protected:
  // What TextOut needs of the last chart font, copied: the font object
  // may go away before the canvas does.
  struct TextDecoration {
    int shadowHoriz = 0;
    int shadowVert = 0;
    base::TColor shadowColor = base::clSilver;
    bool outline = false;
    BackendPen outlinePen;
  };

  void SetTarget(DrawingBackend* backend) { backend_ = backend ? backend : &nowhere_; }
  bool monochrome_ = false;
  TextDecoration decoration_;

 private:
  NullBackend nowhere_;
  DrawingBackend* backend_ = &nowhere_;
};
