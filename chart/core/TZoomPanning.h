#pragma once
// The state of a zoom or pan drag: whether one is in progress and the
// rectangle dragged so far.
#include <utility>

struct TZoomPanning {
  bool Active = false;
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;

  void Activate(int x, int y) {
    X0 = X1 = x;
    Y0 = Y1 = y;
    Active = true;
  }

  // Orders the corners so that X0 <= X1 and Y0 <= Y1.
  void Check() {
    if (X0 > X1) std::swap(X0, X1);
    if (Y0 > Y1) std::swap(Y0, Y1);
  }
};
