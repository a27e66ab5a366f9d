#include "gl/SquareViewport.h"

#include <algorithm>

SquareViewport CenteredSquareViewport(int width, int height) {
  const int side = std::max(width, height);
  if (height >= width) return {(width - side) / 2, 0, side};
  return {0, (height - side) / 2, side};
}

bool TResizeWatch::Update(int width, int height) {
  const bool notGrown = width <= lastWidth_ && height <= lastHeight_;
  lastWidth_ = width;
  lastHeight_ = height;
  return notGrown;
}
