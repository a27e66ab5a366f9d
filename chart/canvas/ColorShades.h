#pragma once
// The darker shades that give the faces of solids their depth.
#include "base/Colors.h"

// `color` (system colours resolved) with `amount` taken off each of red,
// green and blue, a channel not above `amount` going to 0.
base::TColor DarkerColor(base::TColor color, int amount) noexcept;
