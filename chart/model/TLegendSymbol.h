#pragma once
// The colour symbol of each legend item: on which side of the text it sits,
// how wide it is (pixels, or a percentage of the item's text width) and
// whether consecutive symbols join into one band.
#include "chart/core/TPlotPersistent.h"

class TLegendSymbol : public TPlotPersistent {
  Q_OBJECT

 public:
  enum TLegendSymbolPosition { spLeft, spRight };
  Q_ENUM(TLegendSymbolPosition)
  enum TLegendSymbolSize { lcsPercent, lcsPixels };
  Q_ENUM(TLegendSymbolSize)

 private:
  Q_PROPERTY(bool Continuous READ Continuous WRITE SetContinuous)
  Q_CLASSINFO("default:Continuous", "false")
  Q_PROPERTY(TLegendSymbolPosition Position READ Position WRITE SetPosition)
  Q_CLASSINFO("default:Position", "spLeft")
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_CLASSINFO("default:Width", "20")
  Q_PROPERTY(TLegendSymbolSize WidthUnits READ WidthUnits WRITE SetWidthUnits)
  Q_CLASSINFO("default:WidthUnits", "lcsPercent")

 public:
  explicit TLegendSymbol(ChangeHandler onChange = {}, QObject* parent = nullptr)
      : TPlotPersistent(std::move(onChange), parent) {}

  bool Continuous() const { return continuous_; }
  void SetContinuous(bool value) { Store(continuous_, value); }
  TLegendSymbolPosition Position() const { return position_; }
  void SetPosition(TLegendSymbolPosition value) { Store(position_, value); }
  int Width() const { return width_; }
  void SetWidth(int value) { Store(width_, value); }
  TLegendSymbolSize WidthUnits() const { return widthUnits_; }
  void SetWidthUnits(TLegendSymbolSize value) { Store(widthUnits_, value); }

  // The symbol's width in pixels next to an item whose text part is
  // `itemWidth` wide; never negative.
  int PixelWidth(int itemWidth) const;

  void Assign(const TLegendSymbol& source);

 private:
  bool continuous_ = false;
  TLegendSymbolPosition position_ = spLeft;
  int width_ = 20;
  TLegendSymbolSize widthUnits_ = lcsPercent;
};
