#pragma once
// The pen every chart part publishes: the class library's pen (Color, Mode,
// Style, Width) plus visibility, the one-pixel dotted look and the end
// style of wide lines. A change tells the owner through its change handler.
#include "base/Colors.h"
#include "chart/canvas/DrawingBackend.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/TPlotPersistent.h"

class TChartPen : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$000000")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(Graphics::TPenMode Mode READ Mode WRITE SetMode)
  Q_CLASSINFO("default:Mode", "pmCopy")
  Q_PROPERTY(Graphics::TPenStyle Style READ Style WRITE SetStyle)
  Q_CLASSINFO("default:Style", "psSolid")
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_CLASSINFO("default:Width", "1")
  Q_PROPERTY(Graphics::TPenEndStyle EndStyle READ EndStyle WRITE SetEndStyle)
  Q_CLASSINFO("default:EndStyle", "esRound")
  Q_PROPERTY(bool SmallDots READ SmallDots WRITE SetSmallDots)
  Q_CLASSINFO("default:SmallDots", "false")
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "true")

 public:
  explicit TChartPen(ChangeHandler onChange = {}, QObject* parent = nullptr);

  base::TColor Color() const { return color_; }
  void SetColor(base::TColor value) { Store(color_, value); }
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value) { Store(mode_, value); }
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value) { Store(style_, value); }
  int Width() const { return width_; }
  // Negative widths are taken as 0 (one device pixel).
  void SetWidth(int value);
  TPenEndStyle EndStyle() const { return endStyle_; }
  void SetEndStyle(TPenEndStyle value) { Store(endStyle_, value); }
  bool SmallDots() const { return smallDots_; }
  void SetSmallDots(bool value) { Store(smallDots_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Store(visible_, value); }

  // Copies all seven values; the owner hears of it once, if anything changed.
  void Assign(const TChartPen& source);

  // The pen a canvas selects for this one: a clear pen when not visible,
  // a one-pixel dotted pen for SmallDots, black in monochrome.
  BackendPen ToBackendPen(bool monochrome = false) const;

 protected:
  base::TColor color_ = base::clBlack;
  TPenMode mode_ = Graphics::pmCopy;
  TPenStyle style_ = Graphics::psSolid;
  int width_ = 1;
  TPenEndStyle endStyle_ = Graphics::esRound;
  bool smallDots_ = false;
  bool visible_ = true;
};

// Pens that start hidden: outlines of texts, optional borders.
class TChartHiddenPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:Visible", "false")

 public:
  explicit TChartHiddenPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

// Grid lines.
class TDottedGrayPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:Color", "$808080")
  Q_CLASSINFO("default:Style", "psDot")

 public:
  explicit TDottedGrayPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

class TDarkGrayPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:Color", "$808080")

 public:
  explicit TDarkGrayPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

// Axis lines.
class TChartAxisPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:Width", "2")

 public:
  explicit TChartAxisPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

class TChartArrowPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:Color", "$FFFFFF")

 public:
  explicit TChartArrowPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};
