#pragma once
// The software projection of the chart canvas: integer chart coordinates (x to
// the right, y downwards, z into the depth) to screen pixels and back.
//
// Three modes: orthogonal (depth slides points along a fixed slope), rotated 3D
// (elevation, rotation and tilt, optionally with perspective) and off (points
// pass unchanged). The canvas sets the view at the start of a paint
// (SetView), centres it on the chart rectangle (Centre) and then projects
// every 3D call through here.
#include <QPoint>

// The view values the projection needs, in the units the chart stores them:
// angles in degrees, zoom in percent, offsets in pixels.
struct ChartViewAngles {
  double elevation = 0;
  double rotation = 0;
  double tilt = 0;
  bool orthogonal = false;
  double orthoAngle = 45;
  double zoom = 100;
  int perspective = 0;
  int horizOffset = 0;
  int vertOffset = 0;
};

class ChartProjection {
 public:
  // Starts a paint: `is3D` false (or no view) leaves points unchanged except
  // under an orthogonal view. Resets the perspective; Centre sets it again.
  void SetView(const ChartViewAngles* view, bool is3D);

  // Centres the projection on the rectangle (right and bottom exclusive) with
  // the depth centre at maxDepth div 2, the rotation centre added; the
  // view's offsets move the picture and its perspective applies from here.
  void Centre(int maxDepth, int left, int top, int right, int bottom, const ChartViewAngles* view);

  // A point of the chart to the screen.
  QPoint To2D(int x, int y, int z) const;
  // A screen point back to the chart at depth z, ignoring perspective.
  // Unchanged where the view cannot be inverted.
  QPoint ToChart(int x, int y, int z) const;

  bool Is3D() const { return is3D_; }
  void Set3D(bool on) { is3D_ = on; }
  bool IsOrthogonal() const { return orthogonal_; }
  double ZoomFactor() const { return zoomFactor_; }
  double Perspective() const { return perspective_; }

  // The centre a rotation turns around, moved from the rectangle's centre.
  void SetRotationCentre(double x, double y, double z) {
    rotationCentreX_ = x;
    rotationCentreY_ = y;
    rotationCentreZ_ = z;
  }

  int XCentre() const { return xC_; }
  int YCentre() const { return yC_; }
  int ZCentre() const { return zC_; }
  int XOffsetCentre() const { return xO_; }
  int YOffsetCentre() const { return yO_; }

 private:
  bool is3D_ = true;
  bool orthogonal_ = false;
  double rotationCentreX_ = 0, rotationCentreY_ = 0, rotationCentreZ_ = 0;
  int xC_ = 0, yC_ = 0, zC_ = 0;
  int xO_ = 0, yO_ = 0;
  // sin(elevation) enters the perspective term on its own.
  double sE_ = 0;
  double d_[8] = {0, 0, 1, 1, 1, 0, 0, 0};
  // Depth slope of the orthogonal view: screen pixels up per unit of depth.
  double k_ = 1;
  double perspective_ = 0;
  double zoomFactor_ = 1;
};
