#include "chart/canvas/ColorShades.h"

base::TColor DarkerColor(base::TColor color, int amount) noexcept {
  const base::TColor rgb = base::ColorToRGB(color);
  base::TColor out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int channel = static_cast<int>((rgb >> shift) & 0xFFu);
    if (amount < channel) out |= static_cast<base::TColor>(channel - amount) << shift;
  }
  return out;
}
