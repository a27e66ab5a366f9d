#pragma once
// The GL viewport of a view: a square with the longer side of the window,
// centred, so that the scene keeps its proportions and overhangs the shorter
// side equally at both ends.

struct SquareViewport {
  int x = 0;
  int y = 0;
  int side = 0;

  bool operator==(const SquareViewport&) const = default;
};

// For a drawing area of width x height pixels. The offset of the shorter
// direction is (short - long) / 2 truncated toward zero, so 0 or negative.
SquareViewport CenteredSquareViewport(int width, int height);

// Remembers the size of the last resize and tells whether the new one fits
// into it: a window that only shrank needs an explicit repaint, one that grew
// gets painted anyway.
class TResizeWatch {
 public:
  // True when neither side grew since the last call; the size is remembered
  // either way.
  bool Update(int width, int height);

 private:
  int lastWidth_ = 0;
  int lastHeight_ = 0;
};
