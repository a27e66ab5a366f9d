#pragma once
// One geometric shape between the series' two points, with an optional
// gradient fill and a block of text inside: a note laid over a chart. The
// points are values on the series' axes, pixels, or (axis origin) point 0
// on the axes and point 1 a size in pixels from it.
//
// The shape is drawn only while the series holds exactly two points whose
// coordinates are finite numbers.
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TPlotFont.h"
#include "chart/model/TChartSeries.h"

#include <QStringList>

class TChartShape : public TChartSeries {
  Q_OBJECT

 public:
  enum TChartShapeStyle {
    chasRectangle,
    chasCircle,
    chasVertLine,
    chasHorizLine,
    chasTriangle,
    chasInvertTriangle,
    chasLine,
    chasDiamond,
    chasCube,
    chasCross,
    chasDiagCross,
    chasStar,
    chasPyramid,
    chasInvertPyramid
  };
  Q_ENUM(TChartShapeStyle)
  enum TAlignment { taLeftJustify, taRightJustify, taCenter };
  Q_ENUM(TAlignment)
  enum TPlotVertAlign { vaTop, vaCenter, vaBottom };
  Q_ENUM(TPlotVertAlign)
  enum TChartShapeXYStyle { xysPixels, xysAxis, xysAxisOrigin };
  Q_ENUM(TChartShapeXYStyle)

 private:
  Q_CLASSINFO("default:SeriesColor", "$FFFFFF")
  Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_CLASSINFO("default:Alignment", "taCenter")
  Q_PROPERTY(TPlotFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(TChartGradient* Gradient READ Gradient WRITE SetGradient)
  Q_PROPERTY(bool RoundRectangle READ RoundRectangle WRITE SetRoundRectangle)
  Q_CLASSINFO("default:RoundRectangle", "false")
  Q_PROPERTY(TChartShapeStyle Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "chasCircle")
  Q_PROPERTY(QStringList Text READ Text WRITE SetText)
  Q_CLASSINFO("default:Text", "")
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_CLASSINFO("default:Transparent", "false")
  Q_PROPERTY(TPlotVertAlign VertAlign READ VertAlign WRITE SetVertAlign)
  Q_CLASSINFO("default:VertAlign", "vaCenter")
  Q_PROPERTY(TChartShapeXYStyle XYStyle READ XYStyle WRITE SetXYStyle)
  Q_CLASSINFO("default:XYStyle", "xysAxis")
  Q_PROPERTY(double X0 READ X0 WRITE SetX0)
  Q_CLASSINFO("default:X0", "0")
  Q_PROPERTY(double Y0 READ Y0 WRITE SetY0)
  Q_CLASSINFO("default:Y0", "0")
  Q_PROPERTY(double X1 READ X1 WRITE SetX1)
  Q_CLASSINFO("default:X1", "100")
  Q_PROPERTY(double Y1 READ Y1 WRITE SetY1)
  Q_CLASSINFO("default:Y1", "100")

 public:
  explicit TChartShape(QObject* owner = nullptr);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { StoreRepaint(alignment_, value); }
  TPlotFont* Font() const { return font_; }
  // Copies `value` (null changes nothing).
  void SetFont(TPlotFont* value);
  TChartGradient* Gradient() const { return gradient_; }
  void SetGradient(TChartGradient* value);
  bool RoundRectangle() const { return roundRectangle_; }
  void SetRoundRectangle(bool value) { StoreRepaint(roundRectangle_, value); }
  TChartShapeStyle Style() const { return style_; }
  void SetStyle(TChartShapeStyle value) { StoreRepaint(style_, value); }
  const QStringList& Text() const { return text_; }
  virtual void SetText(const QStringList& value) { StoreRepaint(text_, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { StoreRepaint(transparent_, value); }
  TPlotVertAlign VertAlign() const { return vertAlign_; }
  void SetVertAlign(TPlotVertAlign value) { StoreRepaint(vertAlign_, value); }
  TChartShapeXYStyle XYStyle() const { return xyStyle_; }
  void SetXYStyle(TChartShapeXYStyle value) { StoreRepaint(xyStyle_, value); }
  // The values of points 0 and 1, read and written in place; 0 for a point
  // the series does not hold, whose writes change nothing.
  double X0() const { return PointValue(*XValues(), 0); }
  void SetX0(double value) { SetPointValue(*XValues(), 0, value); }
  double Y0() const { return PointValue(*YValues(), 0); }
  void SetY0(double value) { SetPointValue(*YValues(), 0, value); }
  double X1() const { return PointValue(*XValues(), 1); }
  void SetX1(double value) { SetPointValue(*XValues(), 1, value); }
  double Y1() const { return PointValue(*YValues(), 1); }
  void SetY1(double value) { SetPointValue(*YValues(), 1, value); }

  // The rectangle from the two points as pixels, before normalising (a
  // line keeps its direction). False when a coordinate or size is not a
  // finite number, or the series does not hold two points.
  virtual bool CalcShapeRect(TRect& r) const;
  // The rectangle with edges in order and at least 1 x 1.
  static TRect NormalisedRect(const TRect& r);

  void Assign(const TCustomChartElement& source) override;
  // The published shape Style takes the name the series' own style set is
  // stored under: a file holds one value per name, so the set stays out.
  QStringList ExtraStoredNames() const override;
  QString GetEditorClass() const override { return QStringLiteral("TChartShapeEditor"); }
  void SetSeriesColor(base::TColor value) override;
  void DrawValue(int valueIndex) override;
  int Clicked(int x, int y) override;
  bool UseAxis() const override { return xyStyle_ != xysPixels; }
  void CalcZOrder() override;
  bool MoreSameZOrder() const override { return false; }
  bool IsValidSourceOf(const TChartSeries* other) const override;
  // With the axis origin style point 1 is a size, not a value.
  double MaxXValue() const override;
  double MinXValue() const override;
  double MaxYValue() const override;
  double MinYValue() const override;

  void CreateSubGallery(const std::function<void(const QString&)>& add) const override;
  void SetSubGallery(int index) override;
  void PrepareForGallery(bool enabled) override;
  void AddSampleValues(int count) override;

 protected:
  void DrawLegendSymbolRect(const TRect& r, base::TColor backColor) override;

 private:
  template <class T>
  void StoreRepaint(T& field, const T& value) {
    if (Store(field, value)) Repaint();
  }
  static double PointValue(const TChartValueList& list, int index) {
    return index < list.Count() ? list.Values()[static_cast<std::size_t>(index)] : 0.0;
  }
  void SetPointValue(TChartValueList& list, int index, double value);
  void AddDefaultPoints();
  // The shape in `r` (normalised; `raw` for the line), in 3D when `is3D`.
  void DrawShape(bool is3D, const TRect& r, const TRect& raw);
  void DrawGradient(bool is3D, const TRect& r);
  void DrawText(const TRect& r);

  TAlignment alignment_ = taCenter;
  TPlotFont* font_;           // owned through the QObject tree
  TChartGradient* gradient_;  // owned through the QObject tree
  bool roundRectangle_ = false;
  TChartShapeStyle style_ = chasCircle;
  QStringList text_;
  bool transparent_ = false;
  TPlotVertAlign vertAlign_ = vaCenter;
  TChartShapeXYStyle xyStyle_ = xysAxis;
};
