#include "chart/canvas/TPlotShadow.h"

void TPlotShadow::Assign(const TPlotShadow& source) {
  if (&source == this) return;
  if (color_ == source.color_ && horizSize_ == source.horizSize_ && vertSize_ == source.vertSize_)
    return;
  color_ = source.color_;
  horizSize_ = source.horizSize_;
  vertSize_ = source.vertSize_;
  Changed();
}
