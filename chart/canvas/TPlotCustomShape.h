#pragma once
// The framed box of titles, legend, axis titles and series marks: fill
// (colour or gradient), frame pen, shadow, bevel, rounded corners and
// translucency over a bounds rectangle its owner sets before drawing.
#include "base/Colors.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TPlotCustomShapeBrushPen.h"
#include "chart/canvas/TPlotFont.h"

class TCanvas3D;

class TPlotCustomShape : public TPlotCustomShapeBrushPen {
  Q_OBJECT
  Q_PROPERTY(TChartBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TChartPen* Frame READ Frame WRITE SetFrame)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "true")
  Q_PROPERTY(Graphics::TPanelBevel Bevel READ Bevel WRITE SetBevel)
  Q_CLASSINFO("default:Bevel", "bvNone")
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_CLASSINFO("default:BevelWidth", "2")
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$FFFFFF")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(TPlotFont* Font READ Font WRITE SetFont)
  Q_PROPERTY(TChartGradient* Gradient READ Gradient WRITE SetGradient)
  Q_PROPERTY(uint ShadowColor READ ShadowColor WRITE SetShadowColor)
  Q_CLASSINFO("default:ShadowColor", "$000000")
  Q_CLASSINFO("kind:ShadowColor", "color")
  Q_PROPERTY(int ShadowSize READ ShadowSize WRITE SetShadowSize)
  Q_CLASSINFO("default:ShadowSize", "3")
  Q_PROPERTY(Graphics::TChartObjectShapeStyle ShapeStyle READ ShapeStyle WRITE SetShapeStyle)
  Q_CLASSINFO("default:ShapeStyle", "fosRectangle")
  Q_PROPERTY(int Transparency READ Transparency WRITE SetTransparency)
  Q_CLASSINFO("default:Transparency", "0")
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_CLASSINFO("default:Transparent", "false")

 public:
  // The corner size of fosRoundRectangle boxes.
  static constexpr int RoundCorner = 16;

  // The class of the gradient an heir creates (the class-level hook):
  // marks have their own defaults.
  using GradientClass = TChartGradient* (*)(ChangeHandler onChange, QObject* parent);
  template <class T>
  static TChartGradient* NewGradient(ChangeHandler onChange, QObject* parent) {
    return new T(std::move(onChange), parent);
  }

  explicit TPlotCustomShape(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                            QObject* parent = nullptr)
      : TPlotCustomShape(parentChart, std::move(onChange), parent, &NewGradient<TChartGradient>) {}

  TChartPen* Frame() const { return Pen(); }
  void SetFrame(TChartPen* value) { SetPen(value); }
  TPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TPanelBevel value) { StoreAndRepaint(bevel_, value); }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value) { StoreAndRepaint(bevelWidth_, value); }
  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { StoreAndRepaint(color_, value); }
  TPlotFont* Font() const { return font_; }
  // Copies `value` (null changes nothing).
  void SetFont(TPlotFont* value);
  TChartGradient* Gradient() const { return gradient_; }
  // Copies `value` (null changes nothing).
  void SetGradient(TChartGradient* value);
  base::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(base::TColor value) { StoreAndRepaint(shadowColor_, value); }
  int ShadowSize() const { return shadowSize_; }
  void SetShadowSize(int value) { StoreAndRepaint(shadowSize_, value); }
  TChartObjectShapeStyle ShapeStyle() const { return shapeStyle_; }
  void SetShapeStyle(TChartObjectShapeStyle value) { StoreAndRepaint(shapeStyle_, value); }
  // Percent; taken within 0..100 when drawn.
  int Transparency() const { return transparency_; }
  void SetTransparency(int value) { StoreAndRepaint(transparency_, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { StoreAndRepaint(transparent_, value); }

  // Where the box goes; its owner sets it before drawing.
  const TRect& ShapeBounds() const { return shapeBounds_; }
  void SetShapeBounds(const TRect& r) { shapeBounds_ = r; }

  // The box over ShapeBounds at depth 0, unrotated; translucent on a
  // TPlotCanvas3D when Transparency is above 0.
  void Draw(TCanvas3D& canvas) const;
  // The box over `r` turned by `angle` degrees counter-clockwise about its
  // centre, at depth `z`: shadow, fill, frame, bevel. A transparent shape
  // draws nothing.
  void DrawRectRotated(TCanvas3D& canvas, const TRect& r, int angle = 0, int z = 0) const;

  // Copies brush, frame, visibility and every value of the box; the
  // bounds stay.
  void Assign(const TPlotCustomShape& source);

 protected:
  TPlotCustomShape(ChartHost* parentChart, ChangeHandler onChange, QObject* parent,
                   GradientClass gradientClass, BrushClass brushClass = &NewBrush<TChartBrush>);

 protected:
  // Heirs with other defaults (marks, titles) set these in their
  // constructors, silently.
  TPanelBevel bevel_ = bvNone;
  int bevelWidth_ = 2;
  base::TColor color_ = base::clWhite;
  base::TColor shadowColor_ = base::clBlack;
  int shadowSize_ = 3;
  TChartObjectShapeStyle shapeStyle_ = fosRectangle;
  int transparency_ = 0;
  bool transparent_ = false;

 private:
  // The outline of the box, as drawn: a rectangle, a rounded one, a
  // rectangle at depth z, or the turned corners at depth z.
  void DrawBox(TCanvas3D& canvas, const TRect& r, int angle, int z) const;

  TPlotFont* font_;           // owned through the QObject tree
  TChartGradient* gradient_;  // owned through the QObject tree
  TRect shapeBounds_;
};
