// Gradient fills: bands of solid colour laid with fillRect, the brush
// changed only where the colour does, so that any backend (a recording
// too) sees the bands as they are painted.
#include "base/MathUtil.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>
#include <utility>

namespace {

// Colour k of the n steps from c1 to c2 (both RGB). With no steps at all
// the gradient is c1: a zero divisor must not reach MulDiv, whose -1 would
// take a channel of 0 round to 255.
class GradientSteps {
 public:
  GradientSteps(base::TColor c1, base::TColor c2, int steps) : steps_(steps) {
    for (int i = 0; i < 3; ++i) {
      from_[i] = static_cast<int>((c1 >> (8 * i)) & 0xFFu);
      delta_[i] = static_cast<int>((c2 >> (8 * i)) & 0xFFu) - from_[i];
    }
  }
  base::TColor operator()(int k) const {
    base::TColor out = 0;
    for (int i = 0; i < 3; ++i) {
      const int step = steps_ > 0 ? base::MulDiv(k, delta_[i], steps_) : 0;
      out |= static_cast<base::TColor>(std::clamp(from_[i] + step, 0, 255)) << (8 * i);
    }
    return out;
  }

 private:
  int steps_;
  int from_[3] = {};
  int delta_[3] = {};
};

// Hands the backend a new solid brush only when the colour changes.
class BandBrush {
 public:
  explicit BandBrush(DrawingBackend& b) : b_(b), saved_(b.brush()) {}
  ~BandBrush() { b_.setBrush(saved_); }
  BandBrush(const BandBrush&) = delete;
  BandBrush& operator=(const BandBrush&) = delete;

  void Use(base::TColor color) {
    if (set_ && color == current_.color) return;
    current_.color = color;
    b_.setBrush(current_);
    set_ = true;
  }

 private:
  DrawingBackend& b_;
  BackendBrush saved_;
  BackendBrush current_;
  bool set_ = false;
};

// The same for the pen of the diagonal fills.
class LinePen {
 public:
  explicit LinePen(DrawingBackend& b) : b_(b), saved_(b.pen()) {}
  ~LinePen() { b_.setPen(saved_); }
  LinePen(const LinePen&) = delete;
  LinePen& operator=(const LinePen&) = delete;

  void Use(base::TColor color) {
    if (set_ && color == current_.color) return;
    current_.color = color;
    b_.setPen(current_);
    set_ = true;
  }

 private:
  DrawingBackend& b_;
  BackendPen saved_;
  BackendPen current_;
  bool set_ = false;
};

}  // namespace

void TPlotCanvas3D::GradientFill(const TRect& rect, base::TColor color1, base::TColor color2,
                                 TGradientDirection direction) {
  if (direction != gdTopBottom && direction != gdLeftRight) std::swap(color1, color2);
  const base::TColor c1 = base::ColorToRGB(color1) & 0xFFFFFFu;
  const base::TColor c2 = base::ColorToRGB(color2) & 0xFFFFFFu;
  const int left = std::min(rect.Left, rect.Right);
  const int right = std::max(rect.Left, rect.Right);
  const int top = std::min(rect.Top, rect.Bottom);
  const int bottom = std::max(rect.Top, rect.Bottom);
  // In 64 bits: a rectangle across the whole int range has no int size.
  const int w = base::SaturateToInt(int64_t(right) - left);
  const int h = base::SaturateToInt(int64_t(bottom) - top);
  if (w <= 0 || h <= 0) return;
  DrawingBackend& b = ReferenceCanvas();

  switch (direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
      // Bands from the bottom edge upwards (columns: from the right edge).
      const bool rows = direction == gdTopBottom || direction == gdBottomTop;
      const int size = rows ? h : w;
      const int n = std::min(size, 256);
      const GradientSteps colour(c1, c2, n - 1);
      BandBrush brush(b);
      const int far = rows ? bottom : right;
      for (int k = 0; k < n; ++k) {
        const int from = far - base::MulDiv(k + 1, size, n);
        const int to = far - base::MulDiv(k, size, n);
        brush.Use(colour(k));
        b.fillRect(rows ? TRect{left, from, right, to} : TRect{from, top, to, bottom});
      }
      break;
    }
    case gdFromCenter: {
      // Frames from the outside in, one pixel each way per step; the
      // longer side goes on alone once the shorter one is used up.
      const int hi = h / 2, wj = w / 2;
      const GradientSteps colour(c1, c2, wj + hi);
      BandBrush brush(b);
      for (int i = 0, j = 0;;) {
        const TRect in{left + j, top + i, right - j, bottom - i};
        if (!in.IsEmpty()) {
          brush.Use(colour(i + j));
          b.fillRect(TRect{in.Left, in.Top, in.Right, in.Top + 1});
          if (in.Height() > 1) b.fillRect(TRect{in.Left, in.Bottom - 1, in.Right, in.Bottom});
          if (in.Height() > 2) {
            b.fillRect(TRect{in.Left, in.Top + 1, in.Left + 1, in.Bottom - 1});
            if (in.Width() > 1)
              b.fillRect(TRect{in.Right - 1, in.Top + 1, in.Right, in.Bottom - 1});
          }
        }
        if (i >= hi && j >= wj) break;
        if (i < hi) ++i;
        if (j < wj) ++j;
      }
      break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
      // Pixels at the same distance from the corner (x + y steps) lie on
      // one diagonal: one line each.
      const GradientSteps colour(c1, c2, base::SaturateToInt(int64_t(w) + h));
      const bool down = direction == gdFromTopLeft;
      LinePen pen(b);
      const int64_t last = int64_t(w) + h - 2;
      for (int64_t d = 0; d <= last; ++d) {
        const int64_t x0 = std::max<int64_t>(0, d - (h - 1));
        const int64_t x1 = std::min<int64_t>(d, w - 1);
        pen.Use(colour(static_cast<int>(d)));
        const int y0 = static_cast<int>(d - x0), y1 = static_cast<int>(d - x1);
        const int sx0 = static_cast<int>(left + x0), sx1 = static_cast<int>(left + x1) + 1;
        if (down) {
          b.moveTo(sx0, top + y0);
          b.lineTo(sx1, top + y1 - 1);
        } else {
          b.moveTo(sx0, bottom - 1 - y0);
          b.lineTo(sx1, bottom - y1);
        }
      }
      break;
    }
  }
}
