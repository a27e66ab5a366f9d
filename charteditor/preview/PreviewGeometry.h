#pragma once
// The arithmetic of the print preview: where the paper sits in the
// window, where the chart sits on the paper for given percent margins,
// which part of the chart rectangle the mouse is over, and what a drag of
// an edge, a corner or the whole rectangle makes of the rectangle and the
// margins. Pure functions, so that windows of any size (a few pixels
// included) can be checked without one.
#include "chart/canvas/GraphicsTypes.h"

#include <QPoint>
#include <QSize>

// What the mouse is over, as the preview's drag states number it.
enum PreviewHit : int {
  phNone = 0,
  phLeft = 1,
  phTop = 2,
  phRight = 3,
  phBottom = 4,
  phMove = 5,
  phTopLeft = 6,
  phTopRight = 7,
  phBottomLeft = 8,
  phBottomRight = 9,
};

// The paper of `paper` proportions (device pixels) in a window of
// `client` pixels: four fifths of the window's tighter side, centred on
// the other. Empty (IsEmpty) when it would be below 1 x 1.
TRect PreviewPaperRect(QSize client, QSize paper);
bool PaperUsable(const TRect& paper);

// The chart inside `margins` (left, top, right, bottom, percent of the
// paper), at least 1 x 1 and on the paper.
TRect PreviewChartRect(const TRect& paper, const TRect& margins);

// The part of `chart` at `p`: edges and corners within 4 pixels. Without
// `allowResize` only phMove (or phNone) answers; without `allowMove` the
// inside answers phNone.
PreviewHit PreviewHitTest(const TRect& chart, QPoint p, bool allowMove, bool allowResize);

// The chart cursor for a hit.
int PreviewHitCursor(PreviewHit hit);

// A drag in progress: the state, where it started and the chart's
// rectangle then.
struct PreviewDrag {
  PreviewHit state = phNone;
  QPoint start;
  TRect startChart;
};

// The margins after the mouse reached `p` while dragging: only the edges
// the drag moved to another pixel change their margins (the mouse back at
// its start moves nothing), a moved chart keeps the sum of its opposite
// margins, and a change that would make a pair of opposite margins add up
// to more than 99 (or leave the chart without width or height, or off the
// paper) is refused: false, and `margins` untouched. `chart` is the
// rectangle the drag shows now; `dragged`, when given, receives the one it
// shows next: the rectangle with the moved edges where the mouse put them,
// a moved chart at its size.
bool DragPreviewMargins(const PreviewDrag& drag, QPoint p, const TRect& paper, const TRect& chart,
                        TRect& margins, TRect* dragged = nullptr);
