// Gradient fills of the chart canvas: bands of solid colour, each a
// backend fillRect, with a new brush only when the colour changes.
#include "base/MathUtil.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>
#include <utility>

namespace {

// Colour k of the n steps from c1 to c2. With no steps at all (a band of
// one pixel, a one-pixel frame) it is c1: the rounding divide answers -1
// for a zero divisor, which would wrap a channel of 0 to 255.
base::TColor Step(base::TColor c1, base::TColor c2, int k, int n) {
  if (n <= 0) return c1;
  auto channel = [k, n](int a, int b) { return std::clamp(a + base::MulDiv(k, b - a, n), 0, 255); };
  return base::RGB(channel(base::GetRValue(c1), base::GetRValue(c2)),
                   channel(base::GetGValue(c1), base::GetGValue(c2)),
                   channel(base::GetBValue(c1), base::GetBValue(c2)));
}

class BandPainter {
 public:
  explicit BandPainter(DrawingBackend& backend) : backend_(backend), saved_(backend.brush()) {
    brush_.style = Graphics::bsSolid;
  }
  ~BandPainter() { backend_.setBrush(saved_); }
  BandPainter(const BandPainter&) = delete;
  BandPainter& operator=(const BandPainter&) = delete;

  void Fill(const TRect& r, base::TColor color) {
    if (r.IsEmpty()) return;
    if (!selected_ || color != brush_.color) {
      brush_.color = color;
      backend_.setBrush(brush_);
      selected_ = true;
    }
    backend_.fillRect(r);
  }

 private:
  DrawingBackend& backend_;
  BackendBrush saved_;
  BackendBrush brush_;
  bool selected_ = false;
};

}  // namespace

void TPlotCanvas3D::GradientFill(const TRect& rect, base::TColor color1, base::TColor color2,
                                 TGradientDirection direction) {
  if (direction != gdTopBottom && direction != gdLeftRight) std::swap(color1, color2);
  const base::TColor c1 = base::ColorToRGB(color1) & 0xFFFFFFu;
  const base::TColor c2 = base::ColorToRGB(color2) & 0xFFFFFFu;
  const TRect r{std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom),
                std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom)};
  if (r.IsEmpty()) return;
  const int w = r.Width();
  const int h = r.Height();
  DrawingBackend& backend = ReferenceCanvas();
  BandPainter bands(backend);

  switch (direction) {
    case gdTopBottom:
    case gdBottomTop: {
      const int n = std::min(h, 256);
      for (int k = 0; k < n; ++k)
        bands.Fill({r.Left, r.Bottom - base::MulDiv(k + 1, h, n), r.Right,
                    r.Bottom - base::MulDiv(k, h, n)},
                   Step(c1, c2, k, n - 1));
      break;
    }
    case gdLeftRight:
    case gdRightLeft: {
      const int n = std::min(w, 256);
      for (int k = 0; k < n; ++k)
        bands.Fill(
            {r.Right - base::MulDiv(k + 1, w, n), r.Top, r.Right - base::MulDiv(k, w, n), r.Bottom},
            Step(c1, c2, k, n - 1));
      break;
    }
    case gdFromCenter: {
      const int halfW = w / 2;
      const int halfH = h / 2;
      const int n = halfW + halfH;
      int i = 0;
      int j = 0;
      for (;;) {
        const base::TColor c = Step(c1, c2, i + j, n);
        const TRect inner{r.Left + j, r.Top + i, r.Right - j, r.Bottom - i};
        if (!inner.IsEmpty()) {
          bands.Fill({inner.Left, inner.Top, inner.Right, inner.Top + 1}, c);
          if (inner.Height() > 1)
            bands.Fill({inner.Left, inner.Bottom - 1, inner.Right, inner.Bottom}, c);
          if (inner.Height() > 2) {
            bands.Fill({inner.Left, inner.Top + 1, inner.Left + 1, inner.Bottom - 1}, c);
            if (inner.Width() > 1)
              bands.Fill({inner.Right - 1, inner.Top + 1, inner.Right, inner.Bottom - 1}, c);
          }
        }
        if (i >= halfH && j >= halfW) break;
        if (i < halfH) ++i;
        if (j < halfW) ++j;
      }
      break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
      // Colour index x + y from the named corner: each anti-diagonal is a
      // run of one-pixel cells of one colour.
      const int n = w + h;
      const bool fromTop = direction == gdFromTopLeft;
      for (int y = 0; y < h; ++y) {
        const int row = fromTop ? r.Top + y : r.Bottom - 1 - y;
        for (int x = 0; x < w; ++x)
          bands.Fill({r.Left + x, row, r.Left + x + 1, row + 1}, Step(c1, c2, x + y, n));
      }
      break;
    }
  }
}
