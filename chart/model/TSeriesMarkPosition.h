#pragma once
// Where one mark of a series goes: its arrow from the point and its box,
// and whether the user placed it by hand. The list keeps one entry per
// point index (or none), so that marks moved by hand stay where they were
// put when the chart is drawn again.
#include "chart/canvas/GraphicsTypes.h"

#include <QPoint>

#include <memory>
#include <vector>

struct TSeriesMarkPosition {
  QPoint ArrowStart;
  // A hand-placed position applied to a mark keeps the arrow on the point.
  bool KeepArrowStart = false;
  QPoint ArrowEnd;
  bool MovedByHand = false;
  int BoxHeight = 0;
  QPoint BoxTopLeft;
  int BoxWidth = 0;

  TRect Bounds() const {
    return TRect{BoxTopLeft.x(), BoxTopLeft.y(), BoxTopLeft.x() + BoxWidth,
                 BoxTopLeft.y() + BoxHeight};
  }
};

class TSeriesMarksPositions {
 public:
  // The entry at `index`, or null (also for a negative index or one past
  // the end).
  TSeriesMarkPosition* GetPosition(int index) const;
  // True when some entry was moved by hand.
  bool ExistCustom() const;
  int Count() const { return int(items_.size()); }
  void Clear() { items_.clear(); }
  // Removes entry `index` when the list reaches it (later entries move up).
  void Delete(int index);
  // Exchanges two entries, first padding the list up to the larger index.
  void Exchange(int a, int b);

  // Reconciles the computed position of mark `index` with the stored one:
  // a hand-placed entry replaces the computed position (the arrow still
  // starting at the point when either asks to keep it); otherwise the
  // computed position is stored. A negative index is left alone.
  void Automatic(int index, TSeriesMarkPosition& position);

 private:
  std::vector<std::unique_ptr<TSeriesMarkPosition>> items_;
};
