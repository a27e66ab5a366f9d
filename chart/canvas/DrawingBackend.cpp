#include "chart/canvas/DrawingBackend.h"

#include "base/MathUtil.h"
#include "chart/core/ChartDefaults.h"

#include <cstdlib>
#include <limits>

int FontPixelHeight(const BackendFont& font) {
  if (font.height == 0) return base::MulDiv(DefaultChartFontSize(), 96, 72);
  return font.height == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max()
                                                        : std::abs(font.height);
}
