#pragma once
// The gradient fill of chart furniture: panel background, walls, titles,
// legend and marks. Two colours, or three with a middle colour that sits on
// the centre line of the linear directions.
#include "base/Colors.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/TPlotPersistent.h"

class TPlotCanvas;

class TCustomPlotGradient : public TPlotPersistent {
  Q_OBJECT

 public:
  explicit TCustomPlotGradient(ChangeHandler onChange = {}, QObject* parent = nullptr);

  TGradientDirection Direction() const { return direction_; }
  void SetDirection(TGradientDirection value) { Store(direction_, value); }
  base::TColor EndColor() const { return endColor_; }
  void SetEndColor(base::TColor value) { Store(endColor_, value); }
  // clNone while no middle colour is in use.
  base::TColor MidColor() const { return useMiddle_ ? midColor_ : base::clNone; }
  // clNone switches the middle colour off (keeping it for UseMiddleColor);
  // any other colour switches it on.
  void SetMidColor(base::TColor value);
  base::TColor StartColor() const { return startColor_; }
  void SetStartColor(base::TColor value) { Store(startColor_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }

  // Switches the middle colour on again with the colour it had. A gradient
  // that never had one stays without.
  void UseMiddleColor();
  bool UsesMiddleColor() const { return useMiddle_; }

  // Copies every value, the middle colour with its use; the owner hears of
  // it once, if anything changed.
  void Assign(const TCustomPlotGradient& source);

  // Fills `r`; with `corner` > 0 only inside the rounded rectangle of that
  // corner size. Draws whether Visible or not: that is the owner's test.
  void Draw(TPlotCanvas& canvas, const TRect& r, int corner = 0) const;

 protected:
  TGradientDirection direction_ = gdTopBottom;
  base::TColor endColor_ = base::clYellow;
  base::TColor midColor_ = base::clNone;
  base::TColor startColor_ = base::clWhite;
  bool visible_ = false;
  bool useMiddle_ = false;
};

class TChartGradient : public TCustomPlotGradient {
  Q_OBJECT
  Q_PROPERTY(Graphics::TGradientDirection Direction READ Direction WRITE SetDirection)
  Q_CLASSINFO("default:Direction", "gdTopBottom")
  Q_PROPERTY(uint EndColor READ EndColor WRITE SetEndColor)
  Q_CLASSINFO("default:EndColor", "$00FFFF")
  Q_CLASSINFO("kind:EndColor", "color")
  Q_PROPERTY(uint MidColor READ MidColor WRITE SetMidColor)
  Q_CLASSINFO("default:MidColor", "$1FFFFFFF")
  Q_CLASSINFO("kind:MidColor", "color")
  Q_PROPERTY(uint StartColor READ StartColor WRITE SetStartColor)
  Q_CLASSINFO("default:StartColor", "$FFFFFF")
  Q_CLASSINFO("kind:StartColor", "color")
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "false")

 public:
  explicit TChartGradient(ChangeHandler onChange = {}, QObject* parent = nullptr)
      : TCustomPlotGradient(std::move(onChange), parent) {}
};
