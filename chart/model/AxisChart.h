#pragma once
// What an axis needs of the chart it belongs to, and of the series that
// supply its label texts. The axis panel implements TAxisChart; each series
// gives an AxisLabelSource. Both stay small so that axes can be tested and
// drawn without a panel.
#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/ChartHost.h"

#include <QString>

#include <vector>

class TCanvas3D;
class TChartAxis;
class TChartPen;

// One series as an axis reads it.
class AxisLabelSource {
 public:
  virtual ~AxisLabelSource() = default;
  // The range of point indices that is visible; -1 for both when none is.
  virtual int FirstVisibleIndex() const = 0;
  virtual int LastVisibleIndex() const = 0;
  virtual QString PointText(int index) const = 0;
  virtual QString MarkText(int index) const = 0;
  virtual double XValue(int index) const = 0;
  virtual double YValue(int index) const = 0;
  // The DateTime flags of the horizontal and vertical value lists.
  virtual bool XDateTime() const = 0;
  virtual bool YDateTime() const = 0;
  // True for a series whose Y values are the mandatory ones (most series);
  // false for a horizontal series.
  virtual bool YMandatory() const = 0;
  // At least one point text with a first entry set.
  virtual bool HasPointTexts() const = 0;
  // The depth flag set, or a maximum z other than the minimum z.
  virtual bool HasDepthValues() const = 0;
  virtual QString Title() const = 0;
};

// The side of the chart an axis lies on.
enum class AxisSide { Left, Top, Right, Bottom, Depth };

class TAxisChart : public ChartHost {
 public:
  virtual TCanvas3D& Canvas() = 0;
  virtual TRect ChartRect() const = 0;
  // The chart's 3D depth in pixels (0 in 2D).
  virtual int Width3D() const = 0;
  virtual bool View3D() const = 0;
  // An orthogonal view or one rotated by a full turn: depth labels move by
  // half a line.
  virtual bool FlatDepthLabels() const = 0;
  virtual bool AxisBehind() const = 0;
  // The chart shows its axes and this one is visible.
  virtual bool AxisDrawn(const TChartAxis& axis) const = 0;
  // The thickness of the wall along a side (0 without walls or in 2D).
  virtual int WallSize(AxisSide side) const = 0;
  // The widest line of `text` split at "\r", and its number of lines.
  virtual int MultiLineTextWidth(const QString& text, int& lines) const = 0;
  // The widest point text or mark text of the series bound to `axis`.
  virtual int MaxTextWidth(const TChartAxis& axis) const = 0;
  virtual int MaxMarkWidth(const TChartAxis& axis) const = 0;
  // The smallest and largest values of the series bound to `axis`.
  virtual double MinAxisValue(const TChartAxis& axis) const = 0;
  virtual double MaxAxisValue(const TChartAxis& axis) const = 0;
  // The active series bound to `axis`, and all active series in order.
  virtual std::vector<const AxisLabelSource*> AxisSeries(const TChartAxis& axis) const = 0;
  virtual std::vector<const AxisLabelSource*> ActiveSeries() const = 0;
  // The user's hook for label texts; `series` is null for value labels.
  virtual void GetAxisLabel(const TChartAxis& axis, const AxisLabelSource* series, int index,
                            QString& text) const = 0;
  // The user's hook for label values. Answers false when none is set.
  virtual bool HasNextAxisLabel() const = 0;
  virtual void GetNextAxisLabel(const TChartAxis& axis, int index, double& value,
                                bool& stop) const = 0;
  // A pen width as the device draws it (wider on a printer).
  virtual int DevicePenWidth(int width) const = 0;
};
