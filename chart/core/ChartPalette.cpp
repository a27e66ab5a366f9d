#include "chart/core/ChartPalette.h"

base::TColor GetDefaultColor(int index) {
  constexpr int n = static_cast<int>(kDefaultPalette.size());
  // C++'s % keeps the sign of a negative index, which would read before the table.
  return kDefaultPalette[((index % n) + n) % n];
}
