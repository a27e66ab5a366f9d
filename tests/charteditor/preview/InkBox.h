#pragma once
// The bounding box of the pixels of `image` inside `within` for which `is`
// holds; a box with Right < Left when there are none.
#include "chart/canvas/GraphicsTypes.h"

#include <QImage>

#include <algorithm>

template <class Pred>
TRect InkBox(const QImage& image, const TRect& within, Pred is) {
  TRect box{within.Right, within.Bottom, within.Left - 1, within.Top - 1};
  for (int y = within.Top; y < within.Bottom; ++y)
    for (int x = within.Left; x < within.Right; ++x)
      if (is(image.pixel(x, y))) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}
