#pragma once
// The four walls of a chart: the back wall behind the chart rectangle and,
// in 3D, the left, bottom and right walls along the axes. Each has a pen,
// a fill (brush, colour or gradient), a thickness and its own colour.
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TPlotCustomShapeBrushPen.h"

class TCustomChartWall : public TPlotCustomShapeBrushPen {
  Q_OBJECT

 public:
  // `defaultColor` is the wall's own colour, which a chart file leaves out.
  TCustomChartWall(ChartHost* parentChart, base::TColor defaultColor, ChangeHandler onChange = {},
                   QObject* parent = nullptr);

  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { StoreAndRepaint(color_, value); }
  base::TColor DefaultColor() const { return defaultColor_; }
  bool IsColorStored() const { return color_ != defaultColor_; }
  bool Dark3D() const { return dark3D_; }
  void SetDark3D(bool value) { StoreAndRepaint(dark3D_, value); }
  TChartGradient* Gradient() const { return gradient_; }
  // Copies `value` (null changes nothing).
  void SetGradient(TChartGradient* value);
  // Thickness in pixels (0: a plane).
  int Size() const { return size_; }
  void SetSize(int value) { StoreAndRepaint(size_, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { StoreAndRepaint(transparent_, value); }

  // Whether a 3D cube of the wall is drawn with darker sides.
  bool DarkSides() const;

  void Assign(const TCustomChartWall& source);

 protected:
  bool transparent_ = false;

 private:
  base::TColor color_;
  base::TColor defaultColor_;
  bool dark3D_ = true;
  int size_ = 0;
  TChartGradient* gradient_;  // owned through the QObject tree
};

class TChartWall : public TCustomChartWall {
  Q_OBJECT
  Q_PROPERTY(TChartBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "@owner")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(bool Dark3D READ Dark3D WRITE SetDark3D)
  Q_CLASSINFO("default:Dark3D", "true")
  Q_PROPERTY(TChartGradient* Gradient READ Gradient WRITE SetGradient)
  Q_PROPERTY(TChartPen* Pen READ Pen WRITE SetPen)
  Q_PROPERTY(int Size READ Size WRITE SetSize)
  Q_CLASSINFO("default:Size", "0")
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_CLASSINFO("default:Transparent", "false")
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "true")

 public:
  explicit TChartWall(ChartHost* parentChart = nullptr, base::TColor defaultColor = base::clWhite,
                      ChangeHandler onChange = {}, QObject* parent = nullptr)
      : TCustomChartWall(parentChart, defaultColor, std::move(onChange), parent) {}
};

// Behind the chart rectangle: silver, and see-through until told otherwise.
class TChartBackWall : public TChartWall {
  Q_OBJECT
  Q_CLASSINFO("default:Transparent", "true")

 public:
  explicit TChartBackWall(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                          QObject* parent = nullptr);
};

// Only in 3D, and hidden until shown.
class TChartRightWall : public TChartWall {
  Q_OBJECT
  Q_CLASSINFO("default:Visible", "false")

 public:
  explicit TChartRightWall(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                           QObject* parent = nullptr);
};
