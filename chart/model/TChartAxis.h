#pragma once
// A chart axis: turns values into pixel positions and back, finds its range
// from the series bound to it, chooses the label step so that labels fit,
// writes the label texts, reserves its band of the chart and draws line,
// ticks, grids, labels and title.
//
// A range with a non-finite end (or a difference that overflows) is shown
// as if it were empty: every value maps to the centre, and no labels or
// ticks are drawn, so that no zoom or data can hang a paint.
#include "base/MathUtil.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotFont.h"
#include "chart/core/TPlotPersistent.h"
#include "chart/model/AxisChart.h"
#include "chart/model/TChartAxisTitle.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

class TChartAxis : public TPlotPersistent {
  Q_OBJECT

 public:
  enum TAxisLabelAlign { alDefault, alOpposite };
  Q_ENUM(TAxisLabelAlign)
  enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
  Q_ENUM(TAxisLabelStyle)

 private:
  Q_PROPERTY(bool Automatic READ Automatic WRITE SetAutomatic)
  Q_CLASSINFO("default:Automatic", "true")
  Q_PROPERTY(bool AutomaticMaximum READ AutomaticMaximum WRITE SetAutomaticMaximum)
  Q_CLASSINFO("default:AutomaticMaximum", "true")
  Q_PROPERTY(bool AutomaticMinimum READ AutomaticMinimum WRITE SetAutomaticMinimum)
  Q_CLASSINFO("default:AutomaticMinimum", "true")
  Q_PROPERTY(double Maximum READ Maximum WRITE SetMaximum)
  Q_CLASSINFO("default:Maximum", "0")
  Q_PROPERTY(double Minimum READ Minimum WRITE SetMinimum)
  Q_CLASSINFO("default:Minimum", "0")
  Q_PROPERTY(double Increment READ Increment WRITE SetIncrement)
  Q_CLASSINFO("default:Increment", "0")
  Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
  Q_CLASSINFO("default:Logarithmic", "false")
  Q_PROPERTY(int LogarithmicBase READ LogarithmicBase WRITE SetLogarithmicBase)
  Q_CLASSINFO("default:LogarithmicBase", "10")
  Q_PROPERTY(TChartPen* Axis READ Axis WRITE SetAxis)
  Q_PROPERTY(TChartPen* Grid READ Grid WRITE SetGrid)
  Q_PROPERTY(bool GridCentered READ GridCentered WRITE SetGridCentered)
  Q_CLASSINFO("default:GridCentered", "false")
  Q_PROPERTY(TChartPen* MinorGrid READ MinorGrid WRITE SetMinorGrid)
  Q_PROPERTY(TChartPen* Ticks READ Ticks WRITE SetTicks)
  Q_PROPERTY(TChartPen* TicksInner READ TicksInner WRITE SetTicksInner)
  Q_PROPERTY(TChartPen* MinorTicks READ MinorTicks WRITE SetMinorTicks)
  Q_PROPERTY(int TickLength READ TickLength WRITE SetTickLength)
  Q_CLASSINFO("default:TickLength", "4")
  Q_PROPERTY(int TickInnerLength READ TickInnerLength WRITE SetTickInnerLength)
  Q_CLASSINFO("default:TickInnerLength", "0")
  Q_PROPERTY(int MinorTickLength READ MinorTickLength WRITE SetMinorTickLength)
  Q_CLASSINFO("default:MinorTickLength", "2")
  Q_PROPERTY(int MinorTickCount READ MinorTickCount WRITE SetMinorTickCount)
  Q_CLASSINFO("default:MinorTickCount", "3")
  Q_PROPERTY(bool TickOnLabelsOnly READ TickOnLabelsOnly WRITE SetTickOnLabelsOnly)
  Q_CLASSINFO("default:TickOnLabelsOnly", "true")
  Q_PROPERTY(bool Labels READ Labels WRITE SetLabels)
  Q_CLASSINFO("default:Labels", "true")
  Q_PROPERTY(TPlotFont* LabelsFont READ LabelsFont WRITE SetLabelsFont)
  Q_PROPERTY(int LabelsAngle READ LabelsAngle WRITE SetLabelsAngle)
  Q_CLASSINFO("default:LabelsAngle", "0")
  Q_PROPERTY(TAxisLabelAlign LabelsAlign READ LabelsAlign WRITE SetLabelsAlign)
  Q_CLASSINFO("default:LabelsAlign", "alDefault")
  Q_PROPERTY(TAxisLabelStyle LabelStyle READ LabelStyle WRITE SetLabelStyle)
  Q_CLASSINFO("default:LabelStyle", "talAuto")
  Q_PROPERTY(bool LabelsOnAxis READ LabelsOnAxis WRITE SetLabelsOnAxis)
  Q_CLASSINFO("default:LabelsOnAxis", "true")
  Q_PROPERTY(int LabelsSeparation READ LabelsSeparation WRITE SetLabelsSeparation)
  Q_CLASSINFO("default:LabelsSeparation", "10")
  Q_PROPERTY(int LabelsSize READ LabelsSize WRITE SetLabelsSize)
  Q_CLASSINFO("default:LabelsSize", "0")
  Q_PROPERTY(bool LabelsExponent READ LabelsExponent WRITE SetLabelsExponent)
  Q_CLASSINFO("default:LabelsExponent", "false")
  Q_PROPERTY(bool LabelsMultiLine READ LabelsMultiLine WRITE SetLabelsMultiLine)
  Q_CLASSINFO("default:LabelsMultiLine", "false")
  Q_PROPERTY(QString AxisValuesFormat READ AxisValuesFormat WRITE SetAxisValuesFormat)
  Q_CLASSINFO("default:AxisValuesFormat", "#,##0.###")
  Q_PROPERTY(QString DateTimeFormat READ DateTimeFormat WRITE SetDateTimeFormat)
  Q_CLASSINFO("default:DateTimeFormat", "")
  Q_PROPERTY(bool ExactDateTime READ ExactDateTime WRITE SetExactDateTime)
  Q_CLASSINFO("default:ExactDateTime", "true")
  Q_PROPERTY(bool RoundFirstLabel READ RoundFirstLabel WRITE SetRoundFirstLabel)
  Q_CLASSINFO("default:RoundFirstLabel", "true")
  Q_PROPERTY(TChartAxisTitle* Title READ Title WRITE SetTitle)
  Q_PROPERTY(int TitleSize READ TitleSize WRITE SetTitleSize)
  Q_CLASSINFO("default:TitleSize", "0")
  Q_PROPERTY(bool Inverted READ Inverted WRITE SetInverted)
  Q_CLASSINFO("default:Inverted", "false")
  Q_PROPERTY(bool Horizontal READ Horizontal WRITE SetHorizontal)
  Q_CLASSINFO("default:Horizontal", "@owner")
  Q_PROPERTY(bool OtherSide READ OtherSide WRITE SetOtherSide)
  Q_CLASSINFO("default:OtherSide", "@owner")
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "true")
  Q_PROPERTY(double StartPosition READ StartPosition WRITE SetStartPosition)
  Q_CLASSINFO("default:StartPosition", "0")
  Q_PROPERTY(double EndPosition READ EndPosition WRITE SetEndPosition)
  Q_CLASSINFO("default:EndPosition", "100")
  Q_PROPERTY(double PositionPercent READ PositionPercent WRITE SetPositionPercent)
  Q_CLASSINFO("default:PositionPercent", "0")

 public:
  // The largest pixel coordinate a position is clamped to.
  static constexpr int MaxPixelPos = 67108863;
  // Upper bounds on the labels one Draw writes.
  static constexpr int MaxLinearLabels = 10000;
  static constexpr int MaxLogLabels = 2200;
  static constexpr int MaxTicks = 2000;
  // Passes of the automatic step search: enough for any finite range.
  static constexpr int MaxIncrementPasses = 2200;

  explicit TChartAxis(TAxisChart* chart = nullptr, bool horizontal = false, bool otherSide = false,
                      QObject* parent = nullptr);
  ~TChartAxis() override;

  TAxisChart* Chart() const { return static_cast<TAxisChart*>(chart_.get()); }
  void SetChart(TAxisChart* chart) { chart_ = chart; }

  // --- published -----------------------------------------------------------
  bool Automatic() const { return automatic_; }
  void SetAutomatic(bool value);
  bool AutomaticMaximum() const { return automaticMaximum_; }
  void SetAutomaticMaximum(bool value);
  bool AutomaticMinimum() const { return automaticMinimum_; }
  void SetAutomaticMinimum(bool value);
  double Maximum() const { return maximum_; }
  void SetMaximum(double value);
  double Minimum() const { return minimum_; }
  void SetMinimum(double value);
  double Increment() const { return increment_; }
  void SetIncrement(double value);
  bool Logarithmic() const { return logarithmic_; }
  void SetLogarithmic(bool value);
  int LogarithmicBase() const { return logarithmicBase_; }
  void SetLogarithmicBase(int value);
  TChartPen* Axis() const { return axis_; }
  void SetAxis(TChartPen* value) { AssignPen(axis_, value); }
  TChartPen* Grid() const { return grid_; }
  void SetGrid(TChartPen* value) { AssignPen(grid_, value); }
  bool GridCentered() const { return gridCentered_; }
  void SetGridCentered(bool value) { Store(gridCentered_, value); }
  TChartPen* MinorGrid() const { return minorGrid_; }
  void SetMinorGrid(TChartPen* value) { AssignPen(minorGrid_, value); }
  TChartPen* Ticks() const { return ticks_; }
  void SetTicks(TChartPen* value) { AssignPen(ticks_, value); }
  TChartPen* TicksInner() const { return ticksInner_; }
  void SetTicksInner(TChartPen* value) { AssignPen(ticksInner_, value); }
  TChartPen* MinorTicks() const { return minorTicks_; }
  void SetMinorTicks(TChartPen* value) { AssignPen(minorTicks_, value); }
  int TickLength() const { return tickLength_; }
  void SetTickLength(int value) { Store(tickLength_, value); }
  int TickInnerLength() const { return tickInnerLength_; }
  void SetTickInnerLength(int value) { Store(tickInnerLength_, value); }
  int MinorTickLength() const { return minorTickLength_; }
  void SetMinorTickLength(int value) { Store(minorTickLength_, value); }
  int MinorTickCount() const { return minorTickCount_; }
  // Stored as given; a negative count draws no minor marks.
  void SetMinorTickCount(int value) { Store(minorTickCount_, value); }
  bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
  void SetTickOnLabelsOnly(bool value) { Store(tickOnLabelsOnly_, value); }
  bool Labels() const { return labels_; }
  void SetLabels(bool value) { Store(labels_, value); }
  TPlotFont* LabelsFont() const { return labelsFont_; }
  void SetLabelsFont(TPlotFont* value);
  int LabelsAngle() const { return labelsAngle_; }
  // Stored modulo 360: 450 is 90, -90 is 270.
  void SetLabelsAngle(int value) { Store(labelsAngle_, NormalizedAngle(value)); }
  TAxisLabelAlign LabelsAlign() const { return labelsAlign_; }
  void SetLabelsAlign(TAxisLabelAlign value) { Store(labelsAlign_, value); }
  TAxisLabelStyle LabelStyle() const { return labelStyle_; }
  void SetLabelStyle(TAxisLabelStyle value) { Store(labelStyle_, value); }
  bool LabelsOnAxis() const { return labelsOnAxis_; }
  void SetLabelsOnAxis(bool value) { Store(labelsOnAxis_, value); }
  int LabelsSeparation() const { return labelsSeparation_; }
  void SetLabelsSeparation(int value);
  int LabelsSize() const { return labelsSize_; }
  void SetLabelsSize(int value) { Store(labelsSize_, value); }
  bool LabelsExponent() const { return labelsExponent_; }
  void SetLabelsExponent(bool value) { Store(labelsExponent_, value); }
  bool LabelsMultiLine() const { return labelsMultiLine_; }
  void SetLabelsMultiLine(bool value) { Store(labelsMultiLine_, value); }
  QString AxisValuesFormat() const { return axisValuesFormat_; }
  void SetAxisValuesFormat(const QString& value) { Store(axisValuesFormat_, value); }
  QString DateTimeFormat() const { return dateTimeFormat_; }
  void SetDateTimeFormat(const QString& value) { Store(dateTimeFormat_, value); }
  bool ExactDateTime() const { return exactDateTime_; }
  void SetExactDateTime(bool value) { Store(exactDateTime_, value); }
  bool RoundFirstLabel() const { return roundFirstLabel_; }
  void SetRoundFirstLabel(bool value) { Store(roundFirstLabel_, value); }
  TChartAxisTitle* Title() const { return title_; }
  void SetTitle(TChartAxisTitle* value);
  int TitleSize() const { return titleSize_; }
  void SetTitleSize(int value) { Store(titleSize_, value); }
  bool Inverted() const { return inverted_; }
  void SetInverted(bool value) { Store(inverted_, value); }
  bool Horizontal() const { return horizontal_; }
  void SetHorizontal(bool value) { Store(horizontal_, value); }
  bool OtherSide() const { return otherSide_; }
  void SetOtherSide(bool value) { Store(otherSide_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }
  double StartPosition() const { return startPosition_; }
  void SetStartPosition(double value) { Store(startPosition_, value); }
  double EndPosition() const { return endPosition_; }
  void SetEndPosition(double value) { Store(endPosition_, value); }
  double PositionPercent() const { return positionPercent_; }
  void SetPositionPercent(double value) { Store(positionPercent_, value); }

  // The chart file stores the fixed ends only while they are not automatic.
  bool IsMaximumStored() const { return !automatic_ && !automaticMaximum_; }
  bool IsMinimumStored() const { return !automatic_ && !automaticMinimum_; }

  // Copies every published value and the depth flag.
  void Assign(const TChartAxis& source);

  // --- working state -------------------------------------------------------
  double CurMinimum = 0;
  double CurMaximum = 0;
  double CurRange = 0;
  bool RangeIsZero = true;
  double LogMinimum = 0;
  double LogMaximum = 0;
  double LogRange = 0;
  int StartPos = 0;
  int EndPos = 0;
  int AxisSize = 0;
  int CenterPos = 0;
  double PixelsPerUnit = 0;
  double PixelsPerLogUnit = 0;
  int AxisPosition = 0;
  int LabelsPosition = 0;
  int TitlePosition = 0;
  bool IsDateTimeCache = false;
  bool IsDepthAxis = false;

  // False while an end, the range or the scale is not finite (on a
  // logarithmic axis also its logarithms): the axis then behaves as for an
  // empty range.
  bool RangeIsFinite() const { return rangeFinite_ && (!logarithmic_ || logFinite_); }
  AxisSide Side() const;

  // --- scaling -------------------------------------------------------------
  void RecalcMinMax();
  void AdjustMaxMinRect(const TRect& r);
  void InternalCalcPositions();
  void CalcRect(TRect& r, bool inflate);
  void SetMinMax(double minimum, double maximum);
  void Scroll(double offset, bool checkLimits);
  // Recomputes the scales from CurMinimum, CurMaximum and the span.
  void CalcScales();

  // --- conversion ----------------------------------------------------------
  int CalcXPosValue(double value) const {
    return (IsDepthAxis || logarithmic_ || !rangeFinite_ || RangeIsZero)
               ? CalcPosValueSlow(value, true)
               : LinearPos(value, true);
  }
  int CalcYPosValue(double value) const {
    return (IsDepthAxis || logarithmic_ || !rangeFinite_ || RangeIsZero)
               ? CalcPosValueSlow(value, false)
               : LinearPos(value, false);
  }
  int CalcPosValue(double value) const {
    return horizontal_ ? CalcXPosValue(value) : CalcYPosValue(value);
  }
  double CalcPosPoint(int pixel) const;
  int CalcSizeValue(double value) const;

  // --- labels --------------------------------------------------------------
  QString LabelValue(double value) const;
  TAxisLabelStyle CalcLabelStyle() const;
  virtual TAxisLabelStyle InternalCalcLabelStyle() const;
  int MaxLabelsWidth() const;
  double CalcIncrement(int maxLabels) const;
  double CalcIncrementFromLabels() const;
  bool IsDateTime() const;

  // --- drawing -------------------------------------------------------------
  void Draw(bool calcPosAxis);
  void DrawTitle(int x, int y);
  void DrawAxisLabel(int x, int y, int angle, const QString& text);

  bool Clicked(int x, int y) const;

  // Pixel positions of the ticks of the last Draw, in drawing order.
  const std::vector<int>& TickPositions() const { return ticks_list_; }

 protected:
  void AxisChanged() const;

 private:
  void AssignPen(TChartPen* target, TChartPen* value);
  // Pixel arithmetic on stored integers (a TickLength of INT_MAX, a position
  // of 1e300 percent) stays within the pixel range instead of overflowing.
  static int ClampPixels(double v) {
    return base::Round(std::clamp(v, -double(MaxPixelPos), double(MaxPixelPos)));
  }
  int LinearPos(double value, bool horizontal) const {
    if (std::isnan(value)) value = CurMinimum;
    const double d = (value - CurMinimum) * PixelsPerUnit;
    double p;
    if (horizontal)
      p = inverted_ ? EndPos - d : StartPos + d;
    else
      p = inverted_ ? StartPos + d : EndPos - d;
    return base::Round(std::clamp(p, -double(MaxPixelPos), double(MaxPixelPos)));
  }
  int CalcPosValueSlow(double value, bool horizontal) const;

  // Labels and ticks of one Draw (AxisDraw.cpp).
  struct DrawState;
  void DrawLabels(DrawState& s);
  void DrawValueLabels(DrawState& s);
  void DrawLinearLabels(DrawState& s);
  void DrawLogLabels(DrawState& s);
  bool DrawCustomLabels(DrawState& s);
  void DrawSeriesLabels(DrawState& s, TAxisLabelStyle style);
  void DrawDepthTextLabels(DrawState& s);
  void DrawValueLabel(DrawState& s, double value);
  void DrawThisLabel(DrawState& s, int pos, const QString& text,
                     double value = std::numeric_limits<double>::quiet_NaN());
  // A tick at pos for value (NaN when the value is not known).
  void AddTick(int pos, double value);
  void DrawTicksAndGrids();
  void DrawAxisLine();
  void DrawTick(int pos, int offset, int length);
  void DrawGridLine(int pos);
  void DrawMinorMarks(bool grid);
  bool DrawMinorMark(int pos, bool grid);
  bool OnAxis(int pos) const;
  void DrawExponentText(int x, int y, int z, const QString& text);
  int FontHeight() const;
  int SizeTickAxis() const;
  int SizeLabels(const TPlotFont& font, int angle, int fixedSize, const QString& text,
                 bool measureLabels) const;
  int ApplyPositionPercent(int pos) const;
  int LabelWidth(const QString& text) const;
  int LabelLines(const QString& text) const;
  int MaxLabelsWidthUncached() const;

  ParentChartPtr chart_;
  bool automatic_ = true;
  bool automaticMaximum_ = true;
  bool automaticMinimum_ = true;
  double maximum_ = 0;
  double minimum_ = 0;
  double increment_ = 0;
  bool logarithmic_ = false;
  int logarithmicBase_ = 10;
  TChartAxisPen* axis_;
  TDottedGrayPen* grid_;
  bool gridCentered_ = false;
  TChartHiddenPen* minorGrid_;
  TDarkGrayPen* ticks_;
  TDarkGrayPen* ticksInner_;
  TDarkGrayPen* minorTicks_;
  int tickLength_ = 4;
  int tickInnerLength_ = 0;
  int minorTickLength_ = 2;
  int minorTickCount_ = 3;
  bool tickOnLabelsOnly_ = true;
  bool labels_ = true;
  TPlotFont* labelsFont_;
  int labelsAngle_ = 0;
  TAxisLabelAlign labelsAlign_ = alDefault;
  TAxisLabelStyle labelStyle_ = talAuto;
  bool labelsOnAxis_ = true;
  int labelsSeparation_ = 10;
  int labelsSize_ = 0;
  bool labelsExponent_ = false;
  bool labelsMultiLine_ = false;
  QString axisValuesFormat_;
  QString dateTimeFormat_;
  bool exactDateTime_ = true;
  bool roundFirstLabel_ = true;
  TChartAxisTitle* title_;
  int titleSize_ = 0;
  bool inverted_ = false;
  bool horizontal_ = false;
  bool otherSide_ = false;
  bool visible_ = true;
  double startPosition_ = 0;
  double endPosition_ = 100;
  double positionPercent_ = 0;

  bool rangeFinite_ = true;
  bool logFinite_ = true;
  // Where a logarithmic scale and its labels start when the minimum is <= 0.
  double logStart_ = 0;
  // During a Draw: the user's label hook is held back while widths are
  // measured, and the widest label is measured once.
  mutable bool suspendLabelHook_ = false;
  bool drawing_ = false;
  int cachedMaxLabelsWidth_ = 0;
  std::vector<int> ticks_list_;
  // The value of each tick (NaN where not known), for the minor marks of a
  // logarithmic axis.
  std::vector<double> tickValues_;
};

// The depth (z) axis of 3D charts: its automatic labels are series titles
// unless some series has depth values.
class TChartDepthAxis : public TChartAxis {
  Q_OBJECT
  // Hidden until a 3D chart asks for it.
  Q_CLASSINFO("default:Visible", "false")

 public:
  explicit TChartDepthAxis(TAxisChart* chart = nullptr, QObject* parent = nullptr);
  TAxisLabelStyle InternalCalcLabelStyle() const override;
};
