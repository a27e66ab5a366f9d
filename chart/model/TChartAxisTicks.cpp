// The axis line, ticks, grid lines and minor marks of an axis.
#include "chart/canvas/TCanvas3D.h"
#include "chart/model/TChartAxis.h"

#include <cmath>

namespace {
void ClearBrushOf(TCanvas3D& canvas) {
  BackendBrush brush = canvas.ReferenceCanvas().brush();
  brush.style = Graphics::bsClear;
  canvas.ReferenceCanvas().setBrush(brush);
}
}  // namespace

void TChartAxis::DrawTicksAndGrids() {
  TAxisChart* c = Chart();
  TCanvas3D& canvas = c->Canvas();
  canvas.SetBackMode(BackMode::Transparent);
  ClearBrushOf(canvas);
  if (axis_->Visible()) {
    canvas.AssignPen(*axis_);
    DrawAxisLine();
  }
  if (ticks_->Visible() && tickLength_ != 0) {
    canvas.AssignPen(*ticks_);
    for (const int p : ticks_list_)
      if (OnAxis(p)) DrawTick(p, 1, ClampPixels(tickLength_));
  }
  if (grid_->Visible()) {
    TChartPen pen;
    pen.Assign(*grid_);
    if (pen.Color() == base::clDefault) pen.SetColor(base::clGray);
    pen.SetWidth(c->DevicePenWidth(pen.Width()));
    canvas.AssignPen(pen);
    if (gridCentered_) {
      for (size_t i = 1; i < ticks_list_.size(); ++i)
        DrawGridLine((ticks_list_[i - 1] + ticks_list_[i]) / 2);
    } else {
      for (const int p : ticks_list_) DrawGridLine(p);
    }
  }
  if (ticksInner_->Visible() && tickInnerLength_ != 0) {
    canvas.AssignPen(*ticksInner_);
    for (const int p : ticks_list_)
      if (OnAxis(p)) DrawTick(p, -1, -ClampPixels(tickInnerLength_));
  }
  if (!ticks_list_.empty()) {
    if (minorTicks_->Visible()) {
      canvas.AssignPen(*minorTicks_);
      DrawMinorMarks(false);
    }
    if (minorGrid_->Visible()) {
      canvas.AssignPen(*minorGrid_);
      DrawMinorMarks(true);
    }
  }
}

void TChartAxis::DrawAxisLine() {
  TAxisChart* c = Chart();
  TCanvas3D& canvas = c->Canvas();
  const int depth = c->Width3D();
  switch (Side()) {
    case AxisSide::Left: {
      const int x = AxisPosition - c->WallSize(AxisSide::Left);
      canvas.LineWithZ(x, StartPos, x, EndPos + c->WallSize(AxisSide::Bottom), 0);
      break;
    }
    case AxisSide::Right:
      canvas.LineWithZ(AxisPosition, StartPos, AxisPosition, EndPos, depth);
      break;
    case AxisSide::Bottom: {
      const int y = AxisPosition + c->WallSize(AxisSide::Bottom);
      canvas.LineWithZ(StartPos - c->WallSize(AxisSide::Left), y, EndPos, y, 0);
      break;
    }
    case AxisSide::Top:
      canvas.LineWithZ(StartPos, AxisPosition, EndPos, AxisPosition, depth);
      break;
    case AxisSide::Depth: {
      const TRect r = c->ChartRect();
      const int y = r.Bottom + c->WallSize(AxisSide::Bottom);
      canvas.MoveTo3D(r.Right, y, 0);
      canvas.LineTo3D(r.Right, y, depth);
      break;
    }
  }
}

void TChartAxis::DrawTick(int p, int offset, int length) {
  TAxisChart* c = Chart();
  TCanvas3D& canvas = c->Canvas();
  const int depth = c->Width3D();
  switch (Side()) {
    case AxisSide::Left: {
      const int x = AxisPosition - (offset + c->WallSize(AxisSide::Left));
      canvas.LineWithZ(x, p, x - length, p, 0);
      break;
    }
    case AxisSide::Bottom: {
      const int y = AxisPosition + offset + c->WallSize(AxisSide::Bottom);
      canvas.LineWithZ(p, y, p, y + length, 0);
      break;
    }
    case AxisSide::Right: {
      const int x = AxisPosition + offset;
      canvas.LineWithZ(x, p, x + length, p, depth);
      break;
    }
    case AxisSide::Top: {
      const int y = AxisPosition - offset;
      canvas.LineWithZ(p, y, p, y - length, depth);
      break;
    }
    case AxisSide::Depth: {
      const TRect r = c->ChartRect();
      canvas.LineWithZ(r.Right + offset, r.Bottom, r.Right + offset + length, r.Bottom, p);
      break;
    }
  }
}

void TChartAxis::DrawGridLine(int p) {
  if (!(p > StartPos && p < EndPos)) return;
  TAxisChart* c = Chart();
  TCanvas3D& canvas = c->Canvas();
  const TRect r = c->ChartRect();
  const int depth = c->Width3D();
  const bool is3D = c->View3D();
  switch (Side()) {
    case AxisSide::Depth:
      canvas.LineWithZ(r.Left, r.Bottom, r.Left, r.Top, p);
      canvas.LineWithZ(r.Left, r.Bottom, r.Right, r.Bottom, p);
      break;
    case AxisSide::Left:
      if (is3D && c->AxisBehind()) {
        canvas.MoveTo3D(r.Left, p, 0);
        canvas.LineTo3D(r.Left, p, depth);
        canvas.LineTo3D(r.Right, p, depth);
      } else {
        canvas.LineWithZ(r.Left, p, r.Right, p, 0);
      }
      break;
    case AxisSide::Bottom:
      if (is3D && c->AxisBehind()) {
        canvas.MoveTo3D(p, r.Bottom, 0);
        canvas.LineTo3D(p, r.Bottom, depth);
        canvas.LineTo3D(p, r.Top, depth);
      } else {
        canvas.LineWithZ(p, r.Top, p, r.Bottom, 0);
      }
      break;
    case AxisSide::Right:
      canvas.LineWithZ(r.Left, p, r.Right, p, is3D ? depth : 0);
      break;
    case AxisSide::Top:
      canvas.LineWithZ(p, r.Top, p, r.Bottom, is3D ? depth : 0);
      break;
  }
}

// The ticks a logarithmic axis keeps beyond its ends only place minor marks.
bool TChartAxis::OnAxis(int pos) const {
  return IsDepthAxis || (pos >= std::min(StartPos, EndPos) && pos <= std::max(StartPos, EndPos));
}

bool TChartAxis::DrawMinorMark(int pos, bool grid) {
  if (!(pos > StartPos && pos < EndPos)) return false;
  if (grid)
    DrawGridLine(pos);
  else
    DrawTick(pos, 1, ClampPixels(minorTickLength_));
  return true;
}

void TChartAxis::DrawMinorMarks(bool grid) {
  const int count = std::max(0, minorTickCount_);
  if (count == 0) return;
  const auto& t = ticks_list_;
  // At most one mark per pixel of an interval, whatever the count asks, and
  // never more marks than the axis has pixels.
  auto marksIn = [&](double interval) {
    return int(std::min<double>(count, std::floor(std::abs(interval))));
  };
  int budget = std::abs(AxisSize) - 1;
  if (budget <= 0) return;
  auto mark = [&](int pos) {
    if (DrawMinorMark(pos, grid)) --budget;
    return budget > 0;
  };
  if (!logarithmic_) {
    if (t.size() < 2) return;
    const double d0 = double(t[1] - t[0]) / (count + 1.0);
    const int n0 = marksIn(t[1] - t[0]);
    for (int k = 1; k <= n0; ++k)
      if (!mark(base::Round(t[0] - k * d0)) || !mark(base::Round(t.back() + k * d0))) return;
    for (size_t i = 1; i < t.size(); ++i) {
      const double d = double(t[i] - t[i - 1]) / (count + 1.0);
      const int n = marksIn(t[i] - t[i - 1]);
      for (int k = 1; k <= n; ++k)
        if (!mark(base::Round(t[i] - k * d))) return;
    }
    return;
  }
  const int lo = std::min(StartPos, EndPos);
  const int hi = std::max(StartPos, EndPos);
  for (size_t i = 0; i < t.size(); ++i) {
    double v = std::isfinite(tickValues_[i]) ? tickValues_[i] : CalcPosPoint(t[i]);
    if (!(v > 0) || !std::isfinite(v)) continue;
    const double delta = (v * logarithmicBase_ - v) / (count + 1.0);
    // The pixels the marks of this tick can fall on: up to the next power
    // or the axis end, whichever comes first.
    const int end = CalcPosValue(std::min(v * logarithmicBase_, CurMaximum));
    const int n = marksIn(std::clamp(end, lo, hi) - std::clamp(t[i], lo, hi));
    for (int k = 1; k <= n; ++k) {
      v += delta;
      if (v > CurMaximum) break;
      if (!mark(CalcPosValue(v))) return;
    }
  }
}
