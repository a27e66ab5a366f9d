#include "chart/model/TLegendSymbol.h"

#include "base/MathUtil.h"

#include <algorithm>

int TLegendSymbol::PixelWidth(int itemWidth) const {
  const int w = widthUnits_ == lcsPixels ? width_ : base::Round(width_ * 0.01 * itemWidth);
  return std::max(0, w);
}

void TLegendSymbol::Assign(const TLegendSymbol& source) {
  if (&source == this) return;
  SetContinuous(source.continuous_);
  SetPosition(source.position_);
  SetWidth(source.width_);
  SetWidthUnits(source.widthUnits_);
}
