#pragma once
// The two tiling layouts of the main window's MDI area. Qt's own tiling is a
// grid without a direction; these keep the classic meaning:
//   vertical:   windows side by side, each as tall as the area allows
//   horizontal: windows stacked, each as wide as the area allows
// Up to three windows form one row (vertical) or one column (horizontal);
// more fill floor(sqrt(n)) columns (rows), the last ones taking one window
// more when n does not divide evenly.
#include <QRect>

#include <vector>

enum class TileDirection { Vertical, Horizontal };

// Rectangles for `count` windows in `area`, in window order; they cover the
// area without overlap. Empty for count <= 0 or an empty area.
std::vector<QRect> TileRects(const QRect& area, int count, TileDirection direction);
