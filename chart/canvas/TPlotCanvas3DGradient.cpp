// Gradient fills: bands of solid colour laid with fillRect, the brush
// changed only where the colour does, so that any backend (a recording
// too) sees the bands as they are painted.
#include "base/MathUtil.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// k * b / n rounded half away from zero, in 64 bits: a rectangle may be
// wider than the int range.
int64_t MulDiv64(int64_t k, int64_t b, int64_t n) {
  const int64_t p = k * b;
  const int64_t q = (std::abs(p) * 2 + n) / (2 * n);
  return p < 0 ? -q : q;
}

// Colour k of the n steps from c1 to c2 (both RGB). With no steps at all
// the gradient is c1: a zero divisor must not reach the multiply-divide,
// whose -1 would take a channel of 0 round to 255.
class GradientSteps {
 public:
  GradientSteps(base::TColor c1, base::TColor c2, int64_t steps) : steps_(steps) {
    for (int i = 0; i < 3; ++i) {
      from_[i] = static_cast<int>((c1 >> (8 * i)) & 0xFFu);
      delta_[i] = static_cast<int>((c2 >> (8 * i)) & 0xFFu) - from_[i];
    }
  }
  base::TColor operator()(int64_t k) const {
    base::TColor out = 0;
    for (int i = 0; i < 3; ++i) {
      const int64_t step = steps_ > 0 ? MulDiv64(k, delta_[i], steps_) : 0;
      out |= static_cast<base::TColor>(std::clamp<int64_t>(from_[i] + step, 0, 255)) << (8 * i);
    }
    return out;
  }

 private:
  int64_t steps_;
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

// Beyond this distance from the origin no device shows anything (backends
// cut coordinates far closer in), so lines out there are not drawn.
constexpr int64_t kVisible = int64_t(1) << 16;
constexpr int64_t kNever = INT64_MAX;

// How many steps a line at `pos`, moving by `dir` per step for at most
// `left` more steps, needs to come within sight; 0 when it is, kNever when
// it never will.
int64_t StepsInto(int64_t pos, int dir, int64_t left) {
  if (pos >= -kVisible && pos <= kVisible) return 0;
  const int64_t steps = dir > 0 ? -kVisible - pos : pos - kVisible;
  return steps > 0 && steps <= left ? steps : kNever;
}

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
  const int64_t w = int64_t(right) - left;
  const int64_t h = int64_t(bottom) - top;
  if (w <= 0 || h <= 0) return;
  DrawingBackend& b = ReferenceCanvas();

  switch (direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
      // Bands from the bottom edge upwards (columns: from the right edge).
      const bool rows = direction == gdTopBottom || direction == gdBottomTop;
      const int64_t size = rows ? h : w;
      const int64_t n = std::min<int64_t>(size, 256);
      const GradientSteps colour(c1, c2, n - 1);
      BandBrush brush(b);
      const int64_t far = rows ? bottom : right;
      for (int64_t k = 0; k < n; ++k) {
        const int from = static_cast<int>(far - MulDiv64(k + 1, size, n));
        const int to = static_cast<int>(far - MulDiv64(k, size, n));
        brush.Use(colour(k));
        b.fillRect(rows ? TRect{left, from, right, to} : TRect{from, top, to, bottom});
      }
      break;
    }
    case gdFromCenter: {
      // Frames from the outside in, one pixel each way per step; the
      // longer side goes on alone once the shorter one is used up.
      const int64_t hi = h / 2, wj = w / 2;
      const GradientSteps colour(c1, c2, wj + hi);
      BandBrush brush(b);
      for (int64_t i = 0, j = 0;;) {
        // Frames whose four lines all lie outside any device are passed
        // over in one go: a rectangle of the whole int range must not take
        // billions of steps.
        const int64_t skip =
            std::min({StepsInto(top + i, 1, hi - i), StepsInto(bottom - i - 1, -1, hi - i),
                      StepsInto(left + j, 1, wj - j), StepsInto(right - j - 1, -1, wj - j)});
        if (skip == kNever) break;
        if (skip > 0) {
          i = std::min(hi, i + skip);
          j = std::min(wj, j + skip);
          continue;
        }
        const int inLeft = static_cast<int>(left + j), inRight = static_cast<int>(right - j);
        const int inTop = static_cast<int>(top + i), inBottom = static_cast<int>(bottom - i);
        if (inLeft < inRight && inTop < inBottom) {
          brush.Use(colour(i + j));
          b.fillRect(TRect{inLeft, inTop, inRight, inTop + 1});
          const int64_t height = int64_t(inBottom) - inTop;
          if (height > 1) b.fillRect(TRect{inLeft, inBottom - 1, inRight, inBottom});
          if (height > 2) {
            b.fillRect(TRect{inLeft, inTop + 1, inLeft + 1, inBottom - 1});
            if (int64_t(inRight) - inLeft > 1)
              b.fillRect(TRect{inRight - 1, inTop + 1, inRight, inBottom - 1});
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
      // one diagonal: one line each, for the diagonals that can be seen.
      const GradientSteps colour(c1, c2, w + h);
      const bool down = direction == gdFromTopLeft;
      const int64_t firstX = std::clamp<int64_t>(-kVisible - int64_t(left), 0, w - 1);
      const int64_t lastX = std::clamp<int64_t>(kVisible - int64_t(left), 0, w - 1);
      // Steps from the corner row towards the other edge.
      const int64_t cornerY = down ? top : int64_t(bottom) - 1;
      const int64_t nearY = down ? -kVisible - cornerY : cornerY - kVisible;
      const int64_t farY = down ? kVisible - cornerY : cornerY + kVisible;
      const int64_t firstY = std::clamp<int64_t>(nearY, 0, h - 1);
      const int64_t lastY = std::clamp<int64_t>(farY, 0, h - 1);
      LinePen pen(b);
      for (int64_t d = firstX + firstY; d <= lastX + lastY; ++d) {
        const int64_t x0 = std::max<int64_t>(0, d - (h - 1));
        const int64_t x1 = std::min<int64_t>(d, w - 1);
        pen.Use(colour(d));
        const int64_t y0 = d - x0, y1 = d - x1;
        const int sx0 = base::SaturateToInt(left + x0), sx1 = base::SaturateToInt(left + x1 + 1);
        if (down) {
          b.moveTo(sx0, base::SaturateToInt(top + y0));
          b.lineTo(sx1, base::SaturateToInt(top + y1 - 1));
        } else {
          b.moveTo(sx0, base::SaturateToInt(bottom - 1 - y0));
          b.lineTo(sx1, base::SaturateToInt(bottom - y1));
        }
      }
      break;
    }
  }
}
