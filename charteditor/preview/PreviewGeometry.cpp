#include "charteditor/preview/PreviewGeometry.h"

#include "base/MathUtil.h"
#include "chart/core/ChartCursors.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// MulDiv with 64-bit products, rounding as MulDiv does; 0 for c == 0.
int Scale(int64_t a, int64_t b, int64_t c) {
  if (c == 0) return 0;
  const int64_t p = a * b;
  const int64_t q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
  return base::SaturateToInt((p < 0) != (c < 0) ? -q : q);
}

bool Near(int a, int b) {
  return std::abs(a - b) < 5;
}

}  // namespace

TRect PreviewPaperRect(QSize client, QSize paper) {
  const int64_t w = client.width(), h = client.height();
  const int64_t pw = paper.width(), ph = paper.height();
  if (w < 1 || h < 1) return TRect{0, 0, 0, 0};
  TRect r{0, 0, 0, 0};
  if (w * ph <= pw * h) {
    const int width = static_cast<int>(w) - base::Round(w / 5.0);
    r.Left = base::Round(w / 10.0);
    r.Right = r.Left + width;
    const int height = pw < 1 ? static_cast<int>(h) : Scale(width, ph, pw);
    r.Top = static_cast<int>((h - height) / 2);
    r.Bottom = r.Top + height;
  } else {
    const int height = static_cast<int>(h) - base::Round(h / 5.0);
    r.Top = base::Round(h / 10.0);
    r.Bottom = r.Top + height;
    const int width = ph < 1 ? static_cast<int>(w) : Scale(height, pw, ph);
    r.Left = static_cast<int>((w - width) / 2);
    r.Right = r.Left + width;
  }
  return PaperUsable(r) ? r : TRect{0, 0, 0, 0};
}

bool PaperUsable(const TRect& paper) {
  return paper.Right - paper.Left >= 1 && paper.Bottom - paper.Top >= 1;
}

TRect PreviewChartRect(const TRect& paper, const TRect& margins) {
  const int pw = paper.Right - paper.Left, ph = paper.Bottom - paper.Top;
  TRect r{paper.Left + Scale(margins.Left, pw, 100), paper.Top + Scale(margins.Top, ph, 100),
          paper.Right - Scale(margins.Right, pw, 100),
          paper.Bottom - Scale(margins.Bottom, ph, 100)};
  // Each side rounds on its own: margins that leave a sliver of the paper
  // may leave nothing. Keep one pixel, on the paper.
  const auto keep = [](int& lo, int& hi, int min, int max) {
    lo = std::clamp(lo, min, std::max(min, max - 1));
    hi = std::clamp(hi, lo + 1, std::max(lo + 1, max));
  };
  if (!PaperUsable(paper)) return r;
  keep(r.Left, r.Right, paper.Left, paper.Right);
  keep(r.Top, r.Bottom, paper.Top, paper.Bottom);
  return r;
}

PreviewHit PreviewHitTest(const TRect& c, QPoint p, bool allowMove, bool allowResize) {
  const bool l = Near(p.x(), c.Left), r = Near(p.x(), c.Right);
  const bool t = Near(p.y(), c.Top), b = Near(p.y(), c.Bottom);
  PreviewHit hit = phNone;
  if (l && t)
    hit = phTopLeft;
  else if (l && b)
    hit = phBottomLeft;
  else if (r && t)
    hit = phTopRight;
  else if (r && b)
    hit = phBottomRight;
  else if (l)
    hit = phLeft;
  else if (r)
    hit = phRight;
  else if (t)
    hit = phTop;
  else if (b)
    hit = phBottom;
  else if (allowMove && p.x() >= c.Left && p.x() < c.Right && p.y() >= c.Top && p.y() < c.Bottom)
    hit = phMove;
  if (hit != phMove && !allowResize) hit = phNone;
  return hit;
}

int PreviewHitCursor(PreviewHit hit) {
  switch (hit) {
    case phLeft:
    case phRight:
      return crHSplit;
    case phTop:
    case phBottom:
      return crVSplit;
    case phMove:
      return crPlotHand;
    case phTopLeft:
    case phBottomRight:
      return crSizeNWSE;
    case phTopRight:
    case phBottomLeft:
      return crSizeNESW;
    default:
      return crDefault;
  }
}

bool DragPreviewMargins(const PreviewDrag& drag, QPoint p, const TRect& paper, const TRect& chart,
                        TRect& margins, TRect* dragged) {
  if (!PaperUsable(paper) || drag.state == phNone || p == drag.start) return false;
  const int x = p.x(), y = p.y();
  TRect r = chart;
  bool left = false, top = false, right = false, bottom = false;
  const auto moveLeft = [&] {
    return paper.Left <= x && x < r.Right ? (r.Left = x, left = true) : false;
  };
  const auto moveTop = [&] {
    return paper.Top <= y && y < r.Bottom ? (r.Top = y, top = true) : false;
  };
  const auto moveRight = [&] {
    return r.Left < x && x <= paper.Right ? (r.Right = x, right = true) : false;
  };
  const auto moveBottom = [&] {
    return r.Top < y && y <= paper.Bottom ? (r.Bottom = y, bottom = true) : false;
  };
  // A corner moves both its edges or neither.
  const auto both = [&](auto first, auto second) {
    const TRect before = r;
    if (first() && second()) return true;
    r = before;
    left = top = right = bottom = false;
    return false;
  };
  switch (drag.state) {
    case phLeft:
      moveLeft();
      break;
    case phTop:
      moveTop();
      break;
    case phRight:
      moveRight();
      break;
    case phBottom:
      moveBottom();
      break;
    case phTopLeft:
      both(moveLeft, moveTop);
      break;
    case phTopRight:
      both(moveRight, moveTop);
      break;
    case phBottomLeft:
      both(moveLeft, moveBottom);
      break;
    case phBottomRight:
      both(moveRight, moveBottom);
      break;
    case phMove: {
      // The whole rectangle, kept on the paper at its size.
      const TRect s = drag.startChart;
      const int w = s.Right - s.Left, h = s.Bottom - s.Top;
      if (w > paper.Right - paper.Left || h > paper.Bottom - paper.Top) return false;
      const int dx = std::clamp(x - drag.start.x(), paper.Left - s.Left, paper.Right - s.Right);
      const int dy = std::clamp(y - drag.start.y(), paper.Top - s.Top, paper.Bottom - s.Bottom);
      r = TRect{s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy};
      left = right = r.Left != chart.Left;
      top = bottom = r.Top != chart.Top;
      break;
    }
    default:
      return false;
  }
  // An edge left on its pixel keeps its margin: on a small paper many
  // margins share a pixel, and the pixel's own margin is not the one set.
  left = left && r.Left != chart.Left;
  right = right && r.Right != chart.Right;
  top = top && r.Top != chart.Top;
  bottom = bottom && r.Bottom != chart.Bottom;
  if (!(left || top || right || bottom)) return false;
  const int pw = paper.Right - paper.Left, ph = paper.Bottom - paper.Top;
  TRect m = margins;
  if (left) m.Left = std::clamp(Scale(r.Left - paper.Left, 100, pw), 0, 100);
  if (right) m.Right = std::clamp(Scale(paper.Right - r.Right, 100, pw), 0, 100);
  if (top) m.Top = std::clamp(Scale(r.Top - paper.Top, 100, ph), 0, 100);
  if (bottom) m.Bottom = std::clamp(Scale(paper.Bottom - r.Bottom, 100, ph), 0, 100);
  if (drag.state == phMove) {
    // Each margin rounds on its own: the chart keeps its share of the
    // paper only when a pair keeps its sum.
    if (left) m.Right = std::max(0, margins.Left + margins.Right - m.Left);
    if (top) m.Bottom = std::max(0, margins.Top + margins.Bottom - m.Top);
  }
  // What typing refuses, a drag refuses too: the chart keeps some width.
  if (m.Left + m.Right > 99 || m.Top + m.Bottom > 99) return false;
  margins = m;
  if (dragged) *dragged = r;
  return true;
}
