#pragma once
// Where the parts of a colour legend go, in pixels, from two font numbers: the
// height of the bold title line and the legend font's size in points. A row is
// twice the font size high; the swatch and the caption sit at fixed fractions
// of that height, so the legend scales with its font.
#include <QPoint>
#include <QRect>

#include <algorithm>

struct ColorLegendLayout {
  int titleHeight = 0;  // bottom of the title line
  int fontPoints = 8;   // legend font size in points

  int RowHeight() const { return std::max(1, 2 * fontPoints); }

  // Top of row i (1-based): the rows start half a font size below the title.
  int RowTop(int i) const { return titleHeight + fontPoints / 2 + (i - 1) * RowHeight(); }

  // Bottom edge of the last row; of the title without rows.
  int ClientHeight(int boxCount) const {
    return boxCount > 0 ? RowTop(boxCount) + RowHeight() : titleHeight;
  }

  // Row index under a y coordinate of the legend, 0 for none.
  int RowAt(int y, int boxCount) const {
    const int first = RowTop(1);
    if (y < first || boxCount < 1) return 0;
    const int i = (y - first) / RowHeight() + 1;
    return i <= boxCount ? i : 0;
  }

  // Swatch in row coordinates: H/4, H/8 to 3H/2, H - H/8 (right and bottom
  // exclusive).
  QRect SwatchRect() const {
    const int h = RowHeight();
    return QRect(QPoint(h / 4, h / 8), QPoint(3 * h / 2 - 1, h - h / 8 - 1));
  }

  // Top-left of the caption text in row coordinates; one pixel lower while
  // the row is under the mouse.
  QPoint CaptionPos(bool active) const {
    const int h = RowHeight();
    return QPoint(7 * h / 4, (h - 3 * fontPoints / 2) / 2 - 1 + (active ? 1 : 0));
  }
};
