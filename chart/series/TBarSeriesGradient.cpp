#include "chart/series/TBarSeriesGradient.h"

#include "base/MathUtil.h"

#include <algorithm>

TBarSeriesGradient::TBarSeriesGradient(ChangeHandler onChange, QObject* parent)
    : TChartGradient(std::move(onChange), parent) {
  visible_ = true;
}

void TBarSeriesGradient::Assign(const TBarSeriesGradient& source) {
  if (&source == this) return;
  TCustomPlotGradient::Assign(source);
  SetRelative(source.relative_);
}

base::TColor TBarSeriesGradient::BarEndColor(base::TColor barColor, double fraction) const {
  if (!relative_) return barColor;
  const double f = fraction >= 0 ? std::min(fraction, 1.0) : (fraction < 0 ? 0.0 : 1.0);
  // Channels of system colours mean nothing until resolved.
  const base::TColor from = base::ColorToRGB(StartColor());
  const base::TColor to = base::ColorToRGB(barColor);
  base::TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>(from >> shift & 0xFF);
    const int b = static_cast<int>(to >> shift & 0xFF);
    const int c = std::clamp(base::Round(a + (b - a) * f), 0, 255);
    result |= static_cast<base::TColor>(c) << shift;
  }
  return result;
}
