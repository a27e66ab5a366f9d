#pragma once
// The 3D drawing interface of the chart: integer chart coordinates (x to the
// right, y downwards, z into the depth) projected onto the 2D canvas. Walls,
// axes, series and marks draw through it; which projection applies is the
// concrete canvas's business.
#include "chart/canvas/TPlotCanvas.h"

#include <array>

class TView3DOptions;

struct TPoint3D {
  int x = 0;
  int y = 0;
  int z = 0;
};

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

  // --- shapes: filled with the brush, outlined with the pen ---------------
  // "Dark sides" draw the side faces 128 and the top 64 darker per channel.
  virtual void Cube(int left, int right, int top, int bottom, int z0, int z1, bool darkSides) = 0;
  virtual void HorizLine3D(int left, int right, int y, int z) = 0;
  virtual void VertLine3D(int x, int top, int bottom, int z) = 0;
  virtual void ZLine3D(int x, int y, int z0, int z1) = 0;
  virtual void SetPixel3D(int x, int y, int z, base::TColor color) = 0;
  // The brush (unless clear) takes the first colour.
  virtual void Triangle3D(const std::array<TPoint3D, 3>& points,
                          const std::array<base::TColor, 3>& colors) = 0;
  virtual void TriangleWithZ(QPoint p1, QPoint p2, QPoint p3, int z) = 0;
  // The quad from a to b at z0 and back from b to a at z1.
  virtual void Plane3D(QPoint a, QPoint b, int z0, int z1) = 0;
  // p1 and p2 at z0, p3 and p4 at z1.
  virtual void PlaneFour3D(QPoint p1, QPoint p2, QPoint p3, QPoint p4, int z0, int z1) = 0;
  virtual void PolygonWithZ(std::span<const QPoint> points, int z) = 0;
  virtual void EllipseWithZ(int left, int top, int right, int bottom, int z) = 0;
  virtual void Sphere(int x, int y, int z, int radius) = 0;
  virtual void Arrow(bool filled, QPoint from, QPoint to, int headWidth, int headHeight, int z) = 0;
  // A flat ring sector, angles in radians counter-clockwise from 3 o'clock.
  virtual void Donut(int xCenter, int yCenter, int xRadius, int yRadius, double startAngle,
                     double endAngle, int holePercent) = 0;
  virtual void Pyramid(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                       bool darkSides) = 0;

  // --- solids ------------------------------------------------------------
  // Sixteen-sided bodies; the narrow end keeps conePercent of the base radii
  // (0 is taken as 10) and lies at the smaller y, or at the larger x when
  // lying down.
  virtual void Cylinder(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                        bool darkSides) = 0;
  virtual void Cone(bool vertical, int left, int top, int right, int bottom, int z0, int z1,
                    bool darkSides, int conePercent) = 0;
  // One slice of an elliptic disc from z0 to z1, angles in radians
  // counter-clockwise on the screen.
  virtual void Pie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1,
                     double startAngle, double endAngle, bool darkSides, bool drawSides) = 0;
  // A pyramid over `r` x [z0, z1] cut flat at the top (r.Top) to
  // 2 truncX x 2 truncZ around the middle.
  virtual void PyramidTrunc(const TRect& r, int z0, int z1, int truncX, int truncZ) = 0;
};
