#pragma once
// The base of series drawn in an ellipse inside the chart rectangle rather
// than against the axes: the ellipse's rectangle, centre and radii for the
// paint under way, the rotation, and the conversions between angles and
// points on the ellipse.
//
// A circled series looks at the chart from the front: while the first one
// is in a chart, the chart's 3D view is kept aside and replaced by a
// straight view; it comes back when the last one leaves the chart, is
// switched off or is freed. Only one copy is kept per chart, held by one
// of its circled series and handed on to another when that one goes.
#include "chart/model/TChartSeries.h"

#include <QPoint>

#include <memory>

class TCustomPlotPanel;

class TCircledSeries : public TChartSeries {
  Q_OBJECT
  Q_PROPERTY(bool Circled READ Circled WRITE SetCircled)
  Q_CLASSINFO("default:Circled", "false")
  Q_PROPERTY(int CustomXRadius READ CustomXRadius WRITE SetCustomXRadius)
  Q_CLASSINFO("default:CustomXRadius", "0")
  Q_PROPERTY(int CustomYRadius READ CustomYRadius WRITE SetCustomYRadius)
  Q_CLASSINFO("default:CustomYRadius", "0")

 public:
  explicit TCircledSeries(QObject* owner = nullptr);
  // Gives the chart its view back first.
  ~TCircledSeries() override;

  // Keep the ellipse a circle on the output device. Shared by every series
  // of the same class in the chart; setting it drops their custom radii
  // (unless the chart is loading).
  bool Circled() const { return circled_; }
  void SetCircled(bool value);
  // Degrees, kept in 0..359.
  int RotationAngle() const { return rotationAngle_; }
  void SetRotationAngle(int value);
  // Fixed radii in pixels, shared by every series of the same class in the
  // chart; 0 (or less) sizes the ellipse from the chart rectangle.
  int CustomXRadius() const { return customXRadius_; }
  void SetCustomXRadius(int value);
  int CustomYRadius() const { return customYRadius_; }
  void SetCustomYRadius(int value);
  // What shows behind the slices and hatches; clPlotColor follows the chart.
  base::TColor CircleBackColor() const { return circleBackColor_; }
  void SetCircleBackColor(base::TColor value);

  // The geometry of the paint under way (DoBeforeDrawValues sets it).
  int XRadius() const { return xRadius_; }
  int YRadius() const { return yRadius_; }
  int CircleWidth() const { return circleWidth_; }
  int CircleHeight() const { return circleHeight_; }
  int CircleXCenter() const { return circleXCenter_; }
  int CircleYCenter() const { return circleYCenter_; }
  TRect CircleRect() const { return circleRect_; }
  double RotationRadians() const { return rotationRadians_; }

  // The point at `angle` radians (counter-clockwise from 3 o'clock, plus
  // the rotation) on the ellipse of radii (xRadius, yRadius) about the centre.
  QPoint AngleToPoint(double angle, int xRadius, int yRadius) const;
  // The angle of (x, y) seen from the centre, less the rotation, in 0..2 pi.
  double PointToAngle(int x, int y) const {
    return AngleAround(circleXCenter_, circleYCenter_, x, y);
  }
  // The same seen from (cx, cy), a slice's centre when it is moved out.
  double AngleAround(int cx, int cy, int x, int y) const;
  // The colour behind the slices: CircleBackColor, or when it follows the
  // chart white on a printer, else the back wall's colour (unless it is
  // transparent), else the chart's.
  base::TColor CalcCircleBackColor() const;

  void SetParentChart(ChartHost* value) override;
  void SetActive(bool value) override;
  bool UseAxis() const override { return false; }
  // Drawn over the whole chart rectangle: every axis counts it as its own,
  // so that walls and axes stay.
  bool AssociatedToAxis(const TChartAxis&) const override { return true; }
  // Computes the circle geometry, then the base's event.
  void DoBeforeDrawValues() override;
  // Circled, rotation, custom radii and the back colour, then the base's.
  void Assign(const TCustomChartElement& source) override;

 protected:
  void PrepareLegendCanvas(int legendIndex, base::TColor& backColor, TChartBrush& brush) override;
  // Squares the rectangle up to even sizes of at least 4 and takes the
  // sizes and centre from it.
  void AdjustCircleRect();
  // The radii from the custom ones or the rectangle; the rectangle then
  // lies about the centre with those radii.
  void CalcRadius();
  void SetCircleRect(const TRect& r) { circleRect_ = r; }
  // The chart as a panel, or null (a series outside a complete chart).
  TCustomPlotPanel* Panel() const;

 private:
  // Sets `apply` on every series of this class in the chart (just this one
  // without a chart).
  template <class F>
  void ForEachSameClass(F apply);
  // The circle geometry before the slices are drawn: the chart rectangle,
  // room for the marks, the device's aspect when Circled.
  void CalcCircleGeometry();
  // Room for the marks around the ellipse.
  void MakeRoomForMarks();
  void TakeChartView();
  // Gives the saved view to another circled series still in the chart,
  // or back to the chart when none is left.
  void ReleaseChartView();

  bool circled_ = false;
  int rotationAngle_ = 0;
  int customXRadius_ = 0;
  int customYRadius_ = 0;
  int xRadius_ = 0;
  int yRadius_ = 0;
  base::TColor circleBackColor_ = clPlotColor;
  std::unique_ptr<TView3DOptions> savedView_;
  int circleWidth_ = 0;
  int circleHeight_ = 0;
  int circleXCenter_ = 0;
  int circleYCenter_ = 0;
  TRect circleRect_;
  double rotationRadians_ = 0;
};
