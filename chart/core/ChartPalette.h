#pragma once
// The colours series take when they have none of their own, in the order
// charts hand them out.
#include "base/Colors.h"

#include <array>

inline constexpr std::array<base::TColor, 20> kDefaultPalette{
    0x0000FF, 0x008000, 0x00FFFF, 0xFF0000, 0xFFFFFF, 0x808080, 0xFF00FF,
    0x808000, 0x800000, 0x000080, 0x00FF00, 0x008080, 0x800080, 0xC0C0C0,
    0xFFFF00, 0x000000, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0,
};

// Entry `index` of the palette, counted cyclically both ways: -1 is the last.
base::TColor GetDefaultColor(int index);
