#pragma once
// The marker a series draws at its points. The shape routine takes its half
// sizes as arguments and never writes the published ones, so that series
// which size their markers per point (bars, bubbles) share it.
#include "base/Colors.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/TPlotCustomShapeBrushPen.h"

class TCanvas3D;
class TChartSeries;

class TSeriesPointer : public TPlotCustomShapeBrushPen {
  Q_OBJECT

 public:
  enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing
  };
  Q_ENUM(TSeriesPointerStyle)

 private:
  Q_PROPERTY(TChartBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
  Q_CLASSINFO("default:Dark3D", "true")
  Q_PROPERTY(bool Draw3D READ Draw3D WRITE SetDraw3D)
  Q_CLASSINFO("default:Draw3D", "true")
  Q_PROPERTY(int HorizSize READ HorizSize WRITE SetHorizSize)
  Q_CLASSINFO("default:HorizSize", "4")
  Q_PROPERTY(bool InflateMargins READ InflateMargins WRITE SetInflateMargins)
  Q_CLASSINFO("default:InflateMargins", "true")
  Q_PROPERTY(TChartPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(TSeriesPointerStyle Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "psRectangle")
  Q_PROPERTY(int VertSize READ VertSize WRITE SetVertSize)
  Q_CLASSINFO("default:VertSize", "4")
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "true")

 public:
  // `series` owns the pointer and gives it its depths.
  explicit TSeriesPointer(TChartSeries* series, ChangeHandler onChange = {});

  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { StoreAndRepaint(dark3D_, value); }
  bool Draw3D() const { return draw3D_; }
  void SetDraw3D(bool value) { StoreAndRepaint(draw3D_, value); }
  int HorizSize() const { return horizSize_; }
  // A size below 1 raises ChartException, except while the chart reads its
  // stored state: a stored chart then loads with the size unchanged.
  void SetHorizSize(int value);
  bool InflateMargins() const { return inflateMargins_; }
  void SetInflateMargins(bool value) { StoreAndRepaint(inflateMargins_, value); }
  TSeriesPointerStyle Style() const { return style_; }
  void SetStyle(TSeriesPointerStyle value) { StoreAndRepaint(style_, value); }
  int VertSize() const { return vertSize_; }
  void SetVertSize(int value);

  TChartSeries* Series() const { return series_; }

  // Pen and brush of the canvas for a marker in `color`: a pen or brush
  // colour left to the chart takes `color` (a patterned brush black).
  void PrepareCanvas(TCanvas3D& canvas, base::TColor color) const;
  // One marker centred on (x, y) with half sizes h and v, in 3D on the
  // series' depths when `is3D`.
  void DrawShape(TCanvas3D& canvas, bool is3D, int x, int y, int h, int v, base::TColor color,
                 TSeriesPointerStyle style) const;
  // The marker at (x, y) with the published sizes, on the series' chart.
  void Draw(int x, int y, base::TColor color, TSeriesPointerStyle style) const;
  // The legend's marker in `r`, smaller when `small` (a line crosses it).
  void DrawLegendShape(TCanvas3D& canvas, const TRect& r, base::TColor color, bool small) const {
    DrawLegendShape(canvas, r, color, small, horizSize_, vertSize_);
  }
  // The same with the half sizes given, never exceeding the rectangle.
  void DrawLegendShape(TCanvas3D& canvas, const TRect& r, base::TColor color, bool small,
                       int horizSize, int vertSize) const;
  // Room for the marker at the chart's edges.
  void CalcHorizMargins(int& left, int& right) const;
  void CalcVertMargins(int& top, int& bottom) const;
  // Whether (x, y) lies within the marker at (px, py).
  bool Clicked(int px, int py, int x, int y) const;

  void Assign(const TSeriesPointer& source);

 private:
  TChartSeries* series_;
  bool dark3D_ = true;
  bool draw3D_ = true;
  int horizSize_ = 4;
  bool inflateMargins_ = true;
  TSeriesPointerStyle style_ = psRectangle;
  int vertSize_ = 4;
};
