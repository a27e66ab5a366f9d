#pragma once
// The series that draw one bar per point, from an origin to the point's
// value, beside, on or over the bars of the chart's other bar series.
//
// Vertical and horizontal bars share everything but the axes: the category
// axis orders the points (the not-mandatory values) and the value axis
// carries the bar lengths (the mandatory values). How the bar series of a
// chart share the room is decided once per paint for all of them, before
// the axes are sized (DoBeforeDrawChart), and nothing is kept between
// paints: stack sums walk the chart's list at each call.
#include "chart/model/TChartSeries.h"
#include "chart/series/TBarSeriesGradient.h"

#include <functional>

class TCustomBarSeries : public TChartSeries {
  Q_OBJECT

 public:
  enum TBarStyle {
    bsRectangle,
    bsPyramid,
    bsInvPyramid,
    bsCilinder,
    bsEllipse,
    bsArrow,
    bsRectGradient,
    bsCone
  };
  Q_ENUM(TBarStyle)
  enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll };
  Q_ENUM(TMultiBar)

 private:
  Q_PROPERTY(bool AutoBarSize READ AutoBarSize WRITE SetAutoBarSize)
  Q_CLASSINFO("default:AutoBarSize", "false")
  Q_PROPERTY(bool AutoMarkPosition READ AutoMarkPosition WRITE SetAutoMarkPosition)
  Q_CLASSINFO("default:AutoMarkPosition", "true")
  Q_PROPERTY(TChartBrush* BarBrush READ BarBrush WRITE SetBarBrush STORED false)
  Q_PROPERTY(TChartPen* BarPen READ BarPen WRITE SetBarPen STORED false)
  Q_PROPERTY(TBarStyle BarStyle READ BarStyle WRITE SetBarStyle)
  Q_CLASSINFO("default:BarStyle", "bsRectangle")
  Q_PROPERTY(int BarWidthPercent READ BarWidthPercent WRITE SetBarWidthPercent)
  Q_CLASSINFO("default:BarWidthPercent", "70")
  Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
  Q_CLASSINFO("default:Dark3D", "true")
  Q_PROPERTY(TBarSeriesGradient* Gradient READ Gradient WRITE SetGradient)
  Q_PROPERTY(TMultiBar MultiBar READ MultiBar WRITE SetMultiBar)
  Q_CLASSINFO("default:MultiBar", "mbSide")
  Q_PROPERTY(int OffsetPercent READ OffsetPercent WRITE SetOffsetPercent)
  Q_CLASSINFO("default:OffsetPercent", "0")
  Q_PROPERTY(bool SideMargins READ SideMargins WRITE SetSideMargins)
  Q_CLASSINFO("default:SideMargins", "true")
  Q_PROPERTY(int StackGroup READ StackGroup WRITE SetStackGroup)
  Q_CLASSINFO("default:StackGroup", "0")
  Q_PROPERTY(bool UseYOrigin READ UseYOrigin WRITE SetUseYOrigin)
  Q_CLASSINFO("default:UseYOrigin", "true")
  Q_PROPERTY(double YOrigin READ YOrigin WRITE SetYOrigin)
  Q_CLASSINFO("default:YOrigin", "0")

 public:
  using GetBarStyleEvent =
      std::function<void(TCustomBarSeries& sender, int valueIndex, TBarStyle& style)>;

  explicit TCustomBarSeries(QObject* owner = nullptr);

  // --- published ---------------------------------------------------------------------------
  bool AutoBarSize() const { return autoBarSize_; }
  void SetAutoBarSize(bool value) { SetBooleanProperty(autoBarSize_, value); }
  bool AutoMarkPosition() const { return autoMarkPosition_; }
  void SetAutoMarkPosition(bool value) { SetBooleanProperty(autoMarkPosition_, value); }
  TChartBrush* BarBrush() const { return Brush(); }
  void SetBarBrush(TChartBrush* value) { SetBrush(value); }
  TChartPen* BarPen() const { return Pen(); }
  void SetBarPen(TChartPen* value) { SetPen(value); }
  TBarStyle BarStyle() const { return barStyle_; }
  void SetBarStyle(TBarStyle value);
  // Stored as given; below 0 it sizes bars as 0.
  int BarWidthPercent() const { return barWidthPercent_; }
  void SetBarWidthPercent(int value) { SetIntegerProperty(barWidthPercent_, value); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { SetBooleanProperty(dark3D_, value); }
  TBarSeriesGradient* Gradient() const { return gradient_; }
  void SetGradient(TBarSeriesGradient* value);
  TMultiBar MultiBar() const { return multiBar_; }
  // MultiBar and SideMargins hold for every bar series of this class in
  // the chart: both go to all of them, with one repaint.
  void SetMultiBar(TMultiBar value);
  int OffsetPercent() const { return offsetPercent_; }
  void SetOffsetPercent(int value) { SetIntegerProperty(offsetPercent_, value); }
  bool SideMargins() const { return sideMargins_; }
  void SetSideMargins(bool value);
  int StackGroup() const { return stackGroup_; }
  void SetStackGroup(int value) { SetIntegerProperty(stackGroup_, value); }
  bool UseYOrigin() const { return useYOrigin_; }
  void SetUseYOrigin(bool value) { SetBooleanProperty(useYOrigin_, value); }
  double YOrigin() const { return yOrigin_; }
  void SetYOrigin(double value) { SetDoubleProperty(yOrigin_, value); }

  GetBarStyleEvent OnGetBarStyle;

  // --- this paint's shares (DoBeforeDrawChart, then the margins) ---------------------------
  int NumBars() const { return numBars_; }
  int MaxBarPoints() const { return maxBarPoints_; }
  int BarOrder() const { return barOrder_; }
  int PreviousPoints() const { return previousPoints_; }
  int BarSize() const { return barSize_; }
  // The bar last drawn, in screen coordinates (right and bottom exclusive).
  TRect BarBounds() const { return bar_; }

  // --- geometry ------------------------------------------------------------------------------
  // The stack below point `index` (all of the stack with `sumAll`) for the
  // stacked modes, counting only values of the sign of this point's; else
  // YOrigin.
  double PointOrigin(int index, bool sumAll) const;
  // Where bar `index` starts and ends on the value axis.
  int OriginPos(int index) const;
  int ValueEndPos(int index) const;
  // Where bar `index` starts on the category axis.
  int CategoryPos(int index) const;
  // The value axis position of the value axis' minimum.
  int ValueAxisMinPos() const;

  // --- element and series -------------------------------------------------------------------
  // Takes MultiBar and SideMargins of the first bar series of this class
  // already in the new chart.
  void SetParentChart(ChartHost* value) override;
  void Assign(const TCustomChartElement& source) override;
  QString GetEditorClass() const override { return QStringLiteral("TBarSeriesEditor"); }
  void DoBeforeDrawChart() override;
  // Stacked and side-by-side bars stand in the slot of the first bar
  // series of their class.
  void CalcZOrder() override;
  bool MoreSameZOrder() const override;
  bool DrawSeriesForward(int valueIndex) const override;
  int Clicked(int x, int y) override;

  // --- gallery -----------------------------------------------------------------------------------
  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;
  void PrepareForGallery(bool enabled) override;
  int NumSampleValues() const override;

  // --- hooks ---------------------------------------------------------------------------------
  // The pixels a mark needs along the value axis (-1: the widest mark).
  virtual int MarkExtent(int valueIndex) const = 0;
  // Whether `p` (on the series' plane) lies on bar `valueIndex`'s shape.
  virtual bool ClickedBar(int valueIndex, const QPoint& p) const;
  virtual bool AllowStackStyles() const { return true; }
  // Draws bar `valueIndex` between `start` and `end` on the value axis
  // (the category extent is in BarBounds).
  virtual void DrawBar(int valueIndex, int start, int end) = 0;

 protected:
  void PrepareLegendCanvas(int legendIndex, base::TColor& backColor, TChartBrush& brush) override;

  bool Vertical() const { return YMandatory(); }
  const TChartAxis* ValueAxis() const { return Vertical() ? GetVertAxis() : GetHorizAxis(); }
  const TChartAxis* CategoryAxis() const { return Vertical() ? GetHorizAxis() : GetVertAxis(); }
  int CategoryPosValue(double value) const {
    return Vertical() ? CalcXPosValue(value) : CalcYPosValue(value);
  }
  // The bar size from the category axis' length, then the margins it
  // needs on that axis.
  void CalcBarSize();
  void CategoryMargins(int& first, int& second);
  // The margins of the marks on the value axis: `low` on the side of the
  // values below the origin, `high` on the other.
  void ValueMargins(int& low, int& high);
  // The value range of the bars (stacks, 100 % and the origin included).
  double MaxBarValue(double baseMaximum) const;
  double MinBarValue(double baseMinimum) const;
  // The category range of side-all bars, else the base's.
  double MaxCategory(double baseMaximum) const;
  double MinCategory(double baseMinimum) const;
  // The fixed size of TBarSeries/THorizBarSeries, 0 for none.
  virtual int CustomBarSize() const { return 0; }
  // The style of bar `valueIndex` (OnGetBarStyle may change it).
  TBarStyle StyleOf(int valueIndex);
  // Draws bar `valueIndex` in `r` in the style of the point;
  // `valueAtLowEnd` tells whether the value lies at r's smaller coordinate
  // on the value axis (the apex of 3D pyramids and cones).
  void DrawBarShape(int valueIndex, const TRect& r, bool valueAtLowEnd);
  // The end colour of a gradient bar of point `valueIndex`.
  base::TColor GradientEndColor(int valueIndex, base::TColor color) const;
  // Moves a mark up past the marks of the earlier visible points it would
  // cover.
  void AvoidEarlierMarks(int valueIndex, TSeriesMarkPosition& position) const;

  TRect bar_{};
  base::TColor barColor_ = base::clNone;
  // Whether the bar being drawn has its value at bar_'s smaller coordinate.
  bool valueAtLowEnd_ = true;

 private:
  // Whether `other` counts in this series' bar family.
  bool SameBars(const TChartSeries& other) const;
  double StackTotal(int index) const { return PointOrigin(index, true); }
  // The first active bar series of this class in the chart.
  const TCustomBarSeries* FirstOfClass() const;
  // Stored straight into the other bar series of this class: their setters
  // would walk the list again and repaint once each.
  void ShareLayout();
  // Sub-styles from "Stack" on add a second bar series to a one-series
  // sample chart.
  void AddGalleryPartner(int index);

  bool autoBarSize_ = false;
  bool autoMarkPosition_ = true;
  TBarStyle barStyle_ = bsRectangle;
  int barWidthPercent_ = 70;
  bool dark3D_ = true;
  TBarSeriesGradient* gradient_;  // owned through the QObject tree
  TMultiBar multiBar_ = mbSide;
  int offsetPercent_ = 0;
  bool sideMargins_ = true;
  int stackGroup_ = 0;
  bool useYOrigin_ = true;
  double yOrigin_ = 0;

  int numBars_ = 1;
  int maxBarPoints_ = -1;
  int barOrder_ = 1;
  int previousPoints_ = 0;
  int barSize_ = 0;
};
