#pragma once
// The series that join their points by lines, fill the area below them or
// only mark them: line, horizontal line, point and area series share this
// drawing, stacking and hit testing.
//
// Drawing walks the visible points in drawing order. Each segment runs from
// the previous point to the current one; a point's marker is drawn once,
// after every segment that touches it, so lines never cover markers. The
// segment entering the chart from the edge on the side of the lowest
// visible X is drawn in either drawing direction.
#include "chart/series/TCustomLineSeries.h"
#include "chart/series/TSeriesPointer.h"

#include <functional>

class TCustomSeries : public TCustomLineSeries {
  Q_OBJECT

 public:
  enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
  Q_ENUM(TCustomSeriesStack)

 private:
  Q_PROPERTY(Graphics::TBrushStyle AreaBrush READ AreaBrush WRITE SetAreaBrush)
  Q_CLASSINFO("default:AreaBrush", "bsSolid")
  Q_PROPERTY(uint AreaColor READ AreaColor WRITE SetAreaColor)
  Q_CLASSINFO("default:AreaColor", "$20000000")
  Q_CLASSINFO("kind:AreaColor", "color")
  Q_PROPERTY(TChartPen* AreaLinesPen READ AreaLinesPen WRITE SetAreaLinesPen)
  Q_PROPERTY(bool ClickableLine READ ClickableLine WRITE SetClickableLine)
  Q_CLASSINFO("default:ClickableLine", "true")
  Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
  Q_CLASSINFO("default:Dark3D", "true")
  Q_PROPERTY(bool DrawArea READ DrawArea WRITE SetDrawArea)
  Q_CLASSINFO("default:DrawArea", "false")
  Q_PROPERTY(bool InvertedStairs READ InvertedStairs WRITE SetInvertedStairs)
  Q_CLASSINFO("default:InvertedStairs", "false")
  Q_PROPERTY(int LineHeight READ LineHeight WRITE SetLineHeight)
  Q_CLASSINFO("default:LineHeight", "0")
  Q_PROPERTY(TChartPen* OutLine READ OutLine WRITE SetOutLine)
  Q_PROPERTY(TSeriesPointer* Pointer READ Pointer WRITE SetPointer)
  Q_PROPERTY(TCustomSeriesStack Stacked READ Stacked WRITE SetStacked)
  Q_CLASSINFO("default:Stacked", "cssNone")
  Q_PROPERTY(bool Stairs READ Stairs WRITE SetStairs)
  Q_CLASSINFO("default:Stairs", "false")
  Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
  Q_CLASSINFO("default:Transparency", "0")

 public:
  using ClickPointerEvent = std::function<void(TCustomSeries&, int valueIndex, int x, int y)>;
  using GetPointerStyleEvent =
      std::function<TSeriesPointer::TSeriesPointerStyle(TChartSeries&, int valueIndex)>;

  explicit TCustomSeries(QObject* owner = nullptr);

  // --- published ---------------------------------------------------------------------------
  TChartBrush* AreaChartBrush() const { return areaBrush_; }
  Graphics::TBrushStyle AreaBrush() const { return areaBrush_->Style(); }
  void SetAreaBrush(Graphics::TBrushStyle value) { areaBrush_->SetStyle(value); }
  base::TColor AreaColor() const { return areaColor_; }
  void SetAreaColor(base::TColor value) { SetColorProperty(areaColor_, value); }
  TChartPen* AreaLinesPen() const { return areaLinesPen_; }
  void SetAreaLinesPen(TChartPen* value);
  bool ClickableLine() const { return clickableLine_; }
  void SetClickableLine(bool value) { SetBooleanProperty(clickableLine_, value); }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { SetBooleanProperty(dark3D_, value); }
  bool DrawArea() const { return drawArea_; }
  void SetDrawArea(bool value) { SetBooleanProperty(drawArea_, value); }
  bool InvertedStairs() const { return invertedStairs_; }
  void SetInvertedStairs(bool value) { SetBooleanProperty(invertedStairs_, value); }
  int LineHeight() const { return lineHeight_; }
  void SetLineHeight(int value) { SetIntegerProperty(lineHeight_, value); }
  TChartPen* OutLine() const { return outLine_; }
  void SetOutLine(TChartPen* value);
  TSeriesPointer* Pointer() const { return pointer_; }
  void SetPointer(TSeriesPointer* value);
  TCustomSeriesStack Stacked() const { return stacked_; }
  // Every series of the chart of this class (or one derived from it) takes
  // the mode too, with one repaint.
  void SetStacked(TCustomSeriesStack value);
  bool Stairs() const { return stairs_; }
  void SetStairs(bool value) { SetBooleanProperty(stairs_, value); }
  // Percent, held in 0..100 (100 draws no fill).
  int Transparency() const { return transparency_; }
  void SetTransparency(int value);

  // --- unpublished switches ---------------------------------------------------------------
  bool LineInPointColor() const { return lineInPointColor_; }
  void SetLineInPointColor(bool value) { SetBooleanProperty(lineInPointColor_, value); }
  bool DrawLine() const { return drawLine_; }
  void SetDrawLine(bool value) { SetBooleanProperty(drawLine_, value); }

  ClickPointerEvent OnClickPointer;
  GetPointerStyleEvent OnGetPointerStyle;

  // --- element and series -----------------------------------------------------------------
  void SetParentChart(ChartHost* value) override;
  void Assign(const TCustomChartElement& source) override;
  QString GetEditorClass() const override { return QStringLiteral("TCustomSeriesEditor"); }
  void CalcHorizMargins(int& left, int& right) override;
  void CalcVertMargins(int& top, int& bottom) override;
  // Stacked series share the chart's current depth slot.
  void CalcZOrder() override;
  void DrawAllValues() override;
  void DrawValue(int valueIndex) override;
  int Clicked(int x, int y) override;
  void DrawLegend(int legendIndex, const TRect& r) override;
  double MaxYValue() const override;
  double MinYValue() const override;
  int CalcYPos(int index) const override;

  // --- stacking ------------------------------------------------------------------------------
  // Positive origin values of the same-class series before this one at
  // `index`, and of all of them.
  double StackBelow(int index) const;
  double StackTotal(int index) const;
  // The position of `value` stacked at point `index` by the Stacked rule.
  int StackedYPos(int index, double value) const;
  // The position of the value axis' minimum: where unstacked areas start.
  int ValueAxisMinPos() const;

  // --- hooks -----------------------------------------------------------------------------------
  virtual bool ClickedPointer(int valueIndex, int px, int py, int x, int y) const;
  virtual void DrawPointer(int x, int y, base::TColor color, int valueIndex);
  // The screen position of the area's origin at point `valueIndex`.
  virtual int GetOriginPos(int valueIndex) const;

 protected:
  void DrawLegendSymbolRect(const TRect& r, base::TColor backColor) override;
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;
  // The colour of the legend item being drawn.
  base::TColor LegendColor() const { return legendColor_; }

 private:
  struct Segment {
    int oldX, oldY, oldOrigin, x, y, origin;
    base::TColor color;
  };
  // The connecting line, area and ribbon of one segment (no markers).
  void DrawSegment(const Segment& s);
  void DrawSegment3D(const Segment& s);
  void DrawArea2D(const Segment& s);
  // The segment's line, straight or as a stair.
  void DrawLine2D(const Segment& s);
  void PrepareLine2D(base::TColor color);
  // The line pen of the pass under way: the OutLine's, widened, in the
  // outline pass.
  BackendPen PassLinePen(bool monochrome) const;
  // The segment from the chart's edge to the first visible point.
  void DrawEnteringSegment(int valueIndex, int x, int y, int origin, base::TColor color);
  void FlushPointer();
  // Whether the screen point lies on the 3D ribbon of the segment between
  // the two chart points.
  bool RibbonClicked(QPoint screen, int oldX, int oldY, int x, int y) const;
  base::TColor AreaBrushColor(base::TColor pointColor) const;
  const TChartAxis* ValueAxis() const { return GetVertAxis(); }

  TChartBrush* areaBrush_;  // owned through the QObject tree
  base::TColor areaColor_ = clPlotColor;
  TChartPen* areaLinesPen_;  // owned through the QObject tree
  bool clickableLine_ = true;
  bool lineInPointColor_ = true;
  bool dark3D_ = true;
  bool drawArea_ = false;
  bool drawLine_ = false;
  bool invertedStairs_ = false;
  int lineHeight_ = 0;
  TChartPen* outLine_;       // owned through the QObject tree
  TSeriesPointer* pointer_;  // owned through the QObject tree
  TCustomSeriesStack stacked_ = cssNone;
  bool stairs_ = false;
  int transparency_ = 0;

  // Drawing state of the paint under way.
  int originPos_ = 0;
  int oldOriginPos_ = 0;
  int oldX_ = 0;
  int oldY_ = 0;
  base::TColor oldColor_ = base::clNone;
  double slopeLimit_ = 1.0;
  base::TColor legendColor_ = clPlotColor;
  // The first of the two passes with a visible OutLine.
  bool outlinePass_ = false;
  // The last point whose marker still waits for the segment after it.
  struct PendingPointer {
    bool waiting = false;
    int x = 0, y = 0, index = 0;
    base::TColor color = base::clNone;
  } pending_;
};
