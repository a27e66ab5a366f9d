#include "chart/canvas/TPlotCustomShape.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/canvas/TPlotBlend.h"
#include "chart/canvas/TPlotCanvas3D.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

int Saturated(int64_t v) {
  return static_cast<int>(
      std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

TRect Moved(const TRect& r, int offset) {
  return {Saturated(int64_t{r.Left} + offset), Saturated(int64_t{r.Top} + offset),
          Saturated(int64_t{r.Right} + offset), Saturated(int64_t{r.Bottom} + offset)};
}

TRect United(const TRect& a, const TRect& b) {
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace

TPlotCustomShape::TPlotCustomShape(ChartHost* parentChart, ChangeHandler onChange, QObject* parent,
                                   GradientClass gradientClass, BrushClass brushClass)
    : TPlotCustomShapeBrushPen(parentChart, std::move(onChange), parent, brushClass),
      font_(new TPlotFont([this] { SubObjectChanged(); }, this)),
      gradient_(gradientClass([this] { SubObjectChanged(); }, this)) {}

void TPlotCustomShape::SetFont(TPlotFont* value) {
  if (value && value != font_) font_->Assign(*value);
}

void TPlotCustomShape::SetGradient(TChartGradient* value) {
  if (value && value != gradient_) gradient_->Assign(*value);
}

void TPlotCustomShape::Assign(const TPlotCustomShape& source) {
  if (&source == this) return;
  TPlotCustomShapeBrushPen::Assign(source);
  SetBevel(source.bevel_);
  SetBevelWidth(source.bevelWidth_);
  SetColor(source.color_);
  SetFont(source.font_);
  SetGradient(source.gradient_);
  SetShadowColor(source.shadowColor_);
  SetShadowSize(source.shadowSize_);
  SetShapeStyle(source.shapeStyle_);
  SetTransparency(source.transparency_);
  SetTransparent(source.transparent_);
}

void TPlotCustomShape::DrawBox(TCanvas3D& canvas, const TRect& r, int angle, int z) const {
  if (angle == 0) {
    if (canvas.SupportsFullRotation())
      canvas.RectangleWithZ(r, z);
    else if (shapeStyle_ == fosRoundRectangle)
      canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, RoundCorner, RoundCorner);
    else
      canvas.Rectangle(r);
    return;
  }
  // Negative angles turn the other way, like positive ones.
  const double a = angle * (M_PI / 180.0);
  const double c = std::cos(a);
  const double s = std::sin(a);
  const int64_t cx = (int64_t{r.Left} + r.Right) / 2;
  const int64_t cy = (int64_t{r.Top} + r.Bottom) / 2;
  const std::array<std::array<int64_t, 2>, 4> corners{
      {{r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}}};
  std::array<QPoint, 4> points;
  for (size_t i = 0; i < corners.size(); ++i) {
    const double x = static_cast<double>(corners[i][0] - cx);
    const double y = static_cast<double>(corners[i][1] - cy);
    const int64_t px = base::Round64(x * c + y * s) + cx;
    const int64_t py = base::Round64(-x * s + y * c) + cy;
    points[i] = canvas.Calculate3DPosition(Saturated(px), Saturated(py), z);
  }
  canvas.Polygon(points);
}

void TPlotCustomShape::DrawRectRotated(TCanvas3D& canvas, const TRect& r, int angle, int z) const {
  if (transparent_) return;
  DrawingBackend& backend = canvas.ReferenceCanvas();
  const TChartPen& frame = *Pen();

  if (shadowSize_ != 0 && Brush()->Style() != bsClear && !canvas.SupportsFullRotation()) {
    int offset = shadowSize_;
    if (frame.Visible() && frame.Width() > 0) offset = Saturated(int64_t{offset} + frame.Width());
    BackendPen clear;
    clear.style = psClear;
    backend.setPen(clear);
    BackendBrush shadow;
    shadow.color = shadowColor_;
    backend.setBrush(shadow);
    DrawBox(canvas, Moved(r, offset), angle, z);
  }

  if (gradient_->Visible() && angle == 0) {
    gradient_->Draw(canvas, r, shapeStyle_ == fosRoundRectangle ? RoundCorner : 0);
    BackendBrush clear;
    clear.style = bsClear;
    backend.setBrush(clear);
  } else {
    canvas.AssignBrush(*Brush(), base::clNone, color_);
    if (!canvas.GetMonochrome()) {
      BackendBrush brush = backend.brush();
      brush.color = color_;
      backend.setBrush(brush);
    }
  }

  canvas.AssignPen(frame);
  DrawBox(canvas, r, angle, z);

  if (bevel_ != bvNone) {
    const bool lowered = bevel_ == bvLowered;
    TRect ring = r;
    canvas.Frame3D(ring, lowered ? base::clBtnShadow : base::clBtnHighlight,
                   lowered ? base::clBtnHighlight : base::clBtnShadow, bevelWidth_);
  }
}

void TPlotCustomShape::Draw(TCanvas3D& canvas) const {
  if (transparent_) return;
  const int transparency = std::clamp(transparency_, 0, 100);
  auto* canvas3D = dynamic_cast<TPlotCanvas3D*>(&canvas);
  if (transparency == 0 || !canvas3D) {
    DrawRectRotated(canvas, shapeBounds_);
    return;
  }
  // The shadow is part of the box: it lies under the blend as well.
  TRect area = shapeBounds_;
  if (shadowSize_ != 0)
    area = United(area, Moved(area, Saturated(int64_t{shadowSize_} + std::max(0, Pen()->Width()))));
  TPlotBlend blend(*canvas3D, area);
  DrawRectRotated(canvas, shapeBounds_);
  blend.DoBlend(transparency);
}
