#pragma once
// The 3D drawing interface of the chart: integer chart coordinates (x to the
// right, y downwards, z into the depth) projected onto the 2D canvas. Walls,
// axes, series and marks draw through it; which projection applies is the
// concrete canvas's business.
#include "chart/canvas/TPlotCanvas.h"

class TView3DOptions;

class TCanvas3D : public TPlotCanvas {
 public:
  virtual QPoint Calculate2DPosition(int x, int y, int z) const = 0;
  virtual QPoint Calculate3DPosition(int x, int y, int z) const = 0;
  // Starts a paint on `destination` and answers the rectangle to draw in.
  virtual TRect InitWindow(DrawingBackend* destination, TView3DOptions* view, bool is3D,
                           const TRect& r) = 0;
  // Centres the projection on `r` with `maxDepth` as the depth of the chart.
  virtual void Projection(int maxDepth, const TRect& r) = 0;
  // Ends a paint: the drawing reaches the destination.
  virtual void ShowImage() = 0;
  // Shows the last finished drawing again on `destination`.
  virtual void ReDrawBitmap(DrawingBackend& destination) = 0;
  // Clips to the outline of the box `r` x [z0, z1] as the view shows it.
  virtual void ClipCube(const TRect& r, int z0, int z1) = 0;
  virtual void Disable3D() = 0;
  virtual void Restore3D() = 0;
  virtual void LineWithZ(int x0, int y0, int x1, int y1, int z) = 0;
  virtual void MoveTo3D(int x, int y, int z) = 0;
  virtual void LineTo3D(int x, int y, int z) = 0;
  virtual void PlaneWithZ(QPoint p1, QPoint p2, QPoint p3, QPoint p4, int z) = 0;
  virtual void RectangleWithZ(const TRect& r, int z) = 0;
  // The horizontal plane at height `top` from z0 to z1.
  virtual void RectangleY(int left, int top, int right, int z0, int z1) = 0;
  // The vertical plane at x = `left` from z0 to z1.
  virtual void RectangleZ(int left, int top, int bottom, int z0, int z1) = 0;
  virtual void RotateLabel3D(int x, int y, int z, const QString& text, double angle) = 0;
  virtual void TextOut3D(int x, int y, int z, const QString& text) = 0;
  // The four points last projected by a quad primitive, as a polygon.
  virtual void PolygonFour() = 0;
};
