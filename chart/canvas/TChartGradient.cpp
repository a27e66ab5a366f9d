#include "chart/canvas/TChartGradient.h"

#include "chart/canvas/TPlotCanvas.h"

#include <algorithm>
#include <cstdint>

TCustomPlotGradient::TCustomPlotGradient(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent) {}

void TCustomPlotGradient::SetMidColor(base::TColor value) {
  if (value == base::clNone) {
    if (!useMiddle_) return;
    useMiddle_ = false;
    Changed();
    return;
  }
  if (useMiddle_ && midColor_ == value) return;
  useMiddle_ = true;
  midColor_ = value;
  Changed();
}

void TCustomPlotGradient::UseMiddleColor() {
  if (useMiddle_ || midColor_ == base::clNone) return;
  useMiddle_ = true;
  Changed();
}

void TCustomPlotGradient::Assign(const TCustomPlotGradient& source) {
  if (&source == this) return;
  const bool same = direction_ == source.direction_ && endColor_ == source.endColor_ &&
                    startColor_ == source.startColor_ && visible_ == source.visible_ &&
                    MidColor() == source.MidColor();
  direction_ = source.direction_;
  endColor_ = source.endColor_;
  startColor_ = source.startColor_;
  visible_ = source.visible_;
  useMiddle_ = source.useMiddle_;
  if (source.useMiddle_) midColor_ = source.midColor_;
  if (!same) Changed();
}

namespace {

int Middle(int a, int b) {
  return static_cast<int>((static_cast<int64_t>(a) + b) / 2);
}

}  // namespace

void TCustomPlotGradient::Draw(TPlotCanvas& canvas, const TRect& rect, int corner) const {
  const TRect r = NormalizedRect(rect);
  DrawingBackend& backend = canvas.ReferenceCanvas();
  // Pushed and popped on the backend itself, so that a clip the caller set
  // stays in force afterwards.
  if (corner > 0) backend.pushClipRoundRect(r, corner, corner);
  const bool linear = direction_ <= gdRightLeft;
  if (!useMiddle_ || !linear) {
    canvas.GradientFill(r, startColor_, endColor_, direction_);
  } else {
    // GradientFill puts its first colour at the bottom (right) edge, or its
    // second one for the reversed directions. Each half runs from its outer
    // colour to the middle colour at the split line.
    const bool reversed = direction_ == gdBottomTop || direction_ == gdRightLeft;
    const base::TColor nearColor = reversed ? endColor_ : startColor_;
    const base::TColor farColor = reversed ? startColor_ : endColor_;
    auto fill = [&](const TRect& part, base::TColor nearEdge, base::TColor farEdge) {
      if (reversed)
        canvas.GradientFill(part, farEdge, nearEdge, direction_);
      else
        canvas.GradientFill(part, nearEdge, farEdge, direction_);
    };
    if (direction_ == gdTopBottom || direction_ == gdBottomTop) {
      const int y = Middle(r.Top, r.Bottom);
      fill({r.Left, r.Top, r.Right, y}, midColor_, farColor);
      fill({r.Left, y, r.Right, r.Bottom}, nearColor, midColor_);
    } else {
      const int x = Middle(r.Left, r.Right);
      fill({r.Left, r.Top, x, r.Bottom}, midColor_, farColor);
      fill({x, r.Top, r.Right, r.Bottom}, nearColor, midColor_);
    }
  }
  if (corner > 0) backend.popClip();
}
