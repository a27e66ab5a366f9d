#pragma once
// The chart canvas: the 2D and 3D drawing interfaces over a DrawingBackend,
// with a software projection (ChartProjection), an optional off-screen
// buffer and the chart's clipping, pen, brush and font conventions.
//
// A paint is InitWindow, Projection, drawing, ShowImage. On a raster device
// (an image or a window) the drawing goes into an owned image that ShowImage
// copies to the destination in one piece; printers, vector pictures and the
// recording backend are drawn on directly.
#include "chart/canvas/ChartProjection.h"
#include "chart/canvas/TCanvas3D.h"

#include <QImage>

#include <memory>

class QPainter;
class QPainterBackend;

class TPlotCanvas3D : public TCanvas3D {
 public:
  TPlotCanvas3D();
  ~TPlotCanvas3D() override;

  // --- state ---------------------------------------------------------------
  bool GetMonochrome() const override { return monochrome_; }
  void SetMonochrome(bool value) override { monochrome_ = value; }
  int GetTextAlign() const override;
  void SetTextAlign(int flags) override;
  bool GetUseBuffer() const override { return useBuffer_; }
  // Turning the buffer off frees it.
  void SetUseBuffer(bool value) override;
  void SetPixel(int x, int y, base::TColor color) override;
  bool SupportsFullRotation() const override { return false; }
  bool SupportsTextZoom() const override { return false; }

  // --- 2D ------------------------------------------------------------------
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  void Draw(int x, int y, const QImage& image) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void FillRect(const TRect& r) override;
  void Frame3D(TRect& r, base::TColor topColor, base::TColor bottomColor, int width) override;
  void LineTo(int x, int y) override;
  void MoveTo(int x, int y) override;
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
  using TPlotCanvas::Rectangle;
  void Rectangle(int x0, int y0, int x1, int y1) override;
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
  void StretchDraw(const TRect& r, const QImage& image) override;
  void TextOut(int x, int y, const QString& text) override;
  void ClipRectangle(const TRect& r) override;
  void ClipEllipse(const TRect& r);
  void ClipRoundRect(const TRect& r, int ellipseWidth, int ellipseHeight);
  void ClipPolygon(std::span<const QPoint> points);
  void UnClipRectangle() override;
  void DoHorizLine(int x0, int x1, int y) override;
  void DoRectangle(const TRect& r) override;
  void DoVertLine(int x, int y0, int y1) override;
  // Fills `r` with the brush.
  void EraseBackground(const TRect& r) override;
  void GradientFill(const TRect& r, base::TColor color1, base::TColor color2,
                    TGradientDirection direction) override;
  // The buffer no longer shows the chart: the next paint draws it anew.
  void Invalidate() override { imageChanged_ = true; }
  bool ImageChanged() const { return imageChanged_; }
  void Line(int x0, int y0, int x1, int y1) override;
  void Polygon(std::span<const QPoint> points) override;
  void RotateLabel(int x, int y, const QString& text, double angle) override;

  // --- 3D ------------------------------------------------------------------
  QPoint Calculate2DPosition(int x, int y, int z) const override;
  QPoint Calculate3DPosition(int x, int y, int z) const override;
  TRect InitWindow(DrawingBackend* destination, TView3DOptions* view, bool is3D,
                   const TRect& r) override;
  void Projection(int maxDepth, const TRect& r) override;
  void ShowImage() override;
  void ReDrawBitmap(DrawingBackend& destination) override;
  void ClipCube(const TRect& r, int z0, int z1) override;
  void Disable3D() override;
  void Restore3D() override;
  void LineWithZ(int x0, int y0, int x1, int y1, int z) override;
  void MoveTo3D(int x, int y, int z) override;
  void LineTo3D(int x, int y, int z) override;
  void PlaneWithZ(QPoint p1, QPoint p2, QPoint p3, QPoint p4, int z) override;
  void RectangleWithZ(const TRect& r, int z) override;
  void RectangleY(int left, int top, int right, int z0, int z1) override;
  void RectangleZ(int left, int top, int bottom, int z0, int z1) override;
  void RotateLabel3D(int x, int y, int z, const QString& text, double angle) override;
  void TextOut3D(int x, int y, int z, const QString& text) override;
  void PolygonFour() override;
  void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) override;
  void HorizLine3D(int left, int right, int y, int z) override;
  void VertLine3D(int x, int top, int bottom, int z) override;
  void ZLine3D(int x, int y, int z0, int z1) override;
  void SetPixel3D(int x, int y, int z, base::TColor color) override;
  void Triangle3D(const std::array<TPoint3D, 3>& points,
                  const std::array<base::TColor, 3>& colors) override;
  void TriangleWithZ(QPoint p1, QPoint p2, QPoint p3, int z) override;
  void Plane3D(QPoint a, QPoint b, int z0, int z1) override;
  void PlaneFour3D(QPoint p1, QPoint p2, QPoint p3, QPoint p4, int z0, int z1) override;
  void PolygonWithZ(std::span<const QPoint> points, int z) override;
  void EllipseWithZ(int left, int top, int right, int bottom, int z) override;
  void Sphere(int x, int y, int z, int radius) override;
  void Arrow(bool filled, QPoint from, QPoint to, int headWidth, int headHeight, int z) override;
  void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle, double endAngle,
             int holePercent) override;
  void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
               bool darkSides) override;
  void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                bool darkSides) override;
  void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1, bool darkSides,
            int conePercent) override;
  void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
             double endAngle, bool darkSides, bool drawSides) override;
  void PyramidTrunc(const TRect& r, int z0, int z1, int truncX, int truncZ) override;

  // The point a rotation turns around, moved from the chart's centre.
  void SetRotationCentre(double x, double y, double z) { projection_.SetRotationCentre(x, y, z); }
  const ChartProjection& Projector() const { return projection_; }
  bool Is3D() const { return projection_.Is3D(); }
  bool ZoomText() const { return zoomText_; }
  TRect Bounds() const { return bounds_; }
  // The off-screen image while buffered (null otherwise); TPlotBlend mixes
  // in it directly.
  QImage* Buffer() const { return buffer_.get(); }
  bool Buffered() const { return bufferBackend_ != nullptr; }

 private:
  // Pen, brush, font, background and alignment as every paint starts.
  void ResetState();
  void EndBuffer();
  void FreeBuffer();
  bool MakeBuffer(int width, int height);
  int RotatedLabelHeight() const;
  int ZoomedTextHeight() const;
  // Faces of solids: the colour they start from (the solid brush's, else
  // the background's), and a shade of it put where that colour goes.
  base::TColor FaceColor() const;
  void SetFaceColor(base::TColor color);
  void ShadeFace(base::TColor face, int amount);
  // The two stored-quad corners of a face of a solid, projected.
  void StoreQuad(TPoint3D a, TPoint3D b, TPoint3D c, TPoint3D d);

  ChartProjection projection_;
  TView3DOptions* view_ = nullptr;
  bool useBuffer_ = true;
  bool imageChanged_ = true;
  bool zoomText_ = true;
  bool saved3D_ = true;
  TRect bounds_;
  DrawingBackend* destination_ = nullptr;
  // Where UnClipRectangle goes back to.
  int unclipDepth_ = 0;
  QPoint quad_[4];

  std::unique_ptr<QImage> buffer_;
  std::unique_ptr<QPainter> bufferPainter_;
  std::unique_ptr<QPainterBackend> bufferBackend_;
  // What an empty chart rectangle draws on.
  NullBackend empty_;
};
