// The drawing of TCustomSeries: the outline pass, the walk over the
// points, the segments in 2D and 3D, and the markers after them.
#include "chart/canvas/ColorShades.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/canvas/TPlotBlend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/series/TCustomSeries.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The printing width adjustment of the chart, when it is a panel.
void CheckPrinterPen(const ChartHost* chart, BackendPen& pen) {
  if (const auto* panel = dynamic_cast<const TCustomPlotPanel*>(chart)) panel->CheckPenWidth(pen);
}

void SetBrushColor(DrawingBackend& backend, base::TColor color) {
  BackendBrush brush = backend.brush();
  brush.color = color;
  backend.setBrush(brush);
}

}  // namespace

void TCustomSeries::DrawAllValues() {
  if (outLine_->Visible()) {
    outlinePass_ = true;
    TCustomLineSeries::DrawAllValues();
    outlinePass_ = false;
  }
  TCustomLineSeries::DrawAllValues();
}

base::TColor TCustomSeries::AreaBrushColor(base::TColor pointColor) const {
  if (outlinePass_) return outLine_->Color();
  return areaColor_ == clPlotColor || ColorEachPoint() ? pointColor : areaColor_;
}

BackendPen TCustomSeries::PassLinePen(bool monochrome) const {
  if (!outlinePass_) return LinePen()->ToBackendPen(monochrome);
  // Wide enough to show on both sides of the line drawn over it.
  BackendPen pen = outLine_->ToBackendPen(monochrome);
  pen.width = 2 * outLine_->Width() + 2;
  return pen;
}

void TCustomSeries::PrepareLine2D(base::TColor color) {
  TCanvas3D& canvas = Drawing()->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  BackendPen pen = PassLinePen(canvas.GetMonochrome());
  pen.color = color;
  if (LinePen()->Visible()) CheckPrinterPen(ParentChart(), pen);
  if (!(pen == backend.pen())) backend.setPen(pen);
  BackendBrush brush = Brush()->ToBackendBrush(color, canvas.GetMonochrome());
  brush.color = color;
  backend.setBrush(brush);
}

void TCustomSeries::DrawPointer(int x, int y, base::TColor color, int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  pointer_->PrepareCanvas(chart->Canvas(), color);
  const TSeriesPointer::TSeriesPointerStyle style =
      OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : pointer_->Style();
  pointer_->Draw(x, y, color, style);
}

void TCustomSeries::FlushPointer() {
  if (!pending_.waiting) return;
  pending_.waiting = false;
  DrawPointer(pending_.x, pending_.y, pending_.color, pending_.index);
}

void TCustomSeries::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  TCanvas3D& canvas = chart->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  const bool isNull = IsNull(valueIndex);
  const base::TColor color =
      isNull ? base::clNone : (outlinePass_ ? outLine_->Color() : GetValueColor(valueIndex));
  const int x = CalcXPos(valueIndex);
  const int y = CalcYPos(valueIndex);
  if (backend.pen().color != base::clBlack) {
    BackendPen pen = backend.pen();
    pen.color = base::clBlack;
    backend.setPen(pen);
  }
  if (!isNull && backend.brush().color != color) SetBrushColor(backend, color);

  if (oldColor_ == base::clNone) {
    oldX_ = x;
    oldY_ = y;
  }
  originPos_ = GetOriginPos(valueIndex);
  const bool forward = DrawValuesForward();
  const int first = forward ? firstValueIndex_ : lastValueIndex_;
  const int last = forward ? lastValueIndex_ : firstValueIndex_;
  // The segment from the chart's edge joins the lowest visible index.
  const bool entering = valueIndex == firstValueIndex_ && valueIndex > 0;

  if (valueIndex == first) {
    pending_ = {};
    if (dark3D_) {
      slopeLimit_ = 1.0;
      if (const auto* panel = dynamic_cast<const TCustomAxisPanel*>(ParentChart());
          panel && panel->Width3D() != 0)
        slopeLimit_ = std::abs(double(panel->Height3D()) / panel->Width3D());
    }
    if (forward && entering) DrawEnteringSegment(valueIndex, x, y, originPos_, color);
    if (chart->View3D() && drawArea_ && canvas.SupportsFullRotation() && !isNull)
      canvas.RectangleZ(x, y, originPos_, StartZ(), EndZ());
  } else if (!isNull && (x != oldX_ || y != oldY_)) {
    DrawSegment({oldX_, oldY_, oldOriginPos_, x, y, originPos_, color});
  }

  // The previous point's marker comes after the last segment touching it.
  if (pointer_->Visible()) {
    FlushPointer();
    if (!isNull) pending_ = {true, x, y, valueIndex, color};
  }
  if (valueIndex == last) {
    if (!forward && entering) DrawEnteringSegment(valueIndex, x, y, originPos_, color);
    FlushPointer();
  }

  oldX_ = x;
  oldY_ = y;
  oldOriginPos_ = originPos_;
  oldColor_ = color;
}

void TCustomSeries::DrawEnteringSegment(int valueIndex, int x, int y, int origin,
                                        base::TColor color) {
  const int before = valueIndex - 1;
  if (IsNull(before) || IsNull(valueIndex)) return;
  Segment s{0, 0, origin, x, y, origin, color};
  if (drawArea_) {
    s.oldX = CalcXPos(before);
    s.oldY = CalcYPos(before);
    s.oldOrigin = GetOriginPos(before);
  } else {
    const TChartAxis* axis = GetHorizAxis();
    const TRect r = Drawing()->ChartRect();
    s.oldX = axis && axis->Inverted() ? r.Right : r.Left;
    s.oldY = CalcYPos(before);
    if (!stairs_) {
      const std::span<const double> xs = XValues()->Values();
      const std::span<const double> ys = YValues()->Values();
      const double x0 = xs[static_cast<std::size_t>(before)];
      const double x1 = xs[static_cast<std::size_t>(valueIndex)];
      const double y0 = ys[static_cast<std::size_t>(before)];
      const double y1 = ys[static_cast<std::size_t>(valueIndex)];
      // Two points on one X, or values too far apart to interpolate, have
      // no line through the edge: the earlier point's height stands in.
      if (x1 != x0) {
        const double value = y0 + (y1 - y0) * (XScreenToValue(s.oldX) - x0) / (x1 - x0);
        if (std::isfinite(value)) s.oldY = StackedYPos(valueIndex, value);
      }
    }
  }
  if (s.oldX != x || s.oldY != y) DrawSegment(s);
}

void TCustomSeries::DrawSegment(const Segment& s) {
  if (Drawing()->View3D()) {
    if (drawArea_ || drawLine_) DrawSegment3D(s);
  } else if (drawArea_) {
    DrawArea2D(s);
  } else if (drawLine_) {
    DrawLine2D(s);
  }
}

void TCustomSeries::DrawLine2D(const Segment& s) {
  PrepareLine2D(lineInPointColor_ || outlinePass_ ? s.color : SeriesColor());
  TCanvas3D& canvas = Drawing()->Canvas();
  if (!stairs_) {
    canvas.Line(s.oldX, s.oldY, s.x, s.y);
    return;
  }
  if (invertedStairs_)
    canvas.DoVertLine(s.oldX, s.oldY, s.y);
  else
    canvas.DoHorizLine(s.oldX, s.x, s.oldY);
  canvas.LineTo(s.x, s.y);
}

void TCustomSeries::DrawArea2D(const Segment& s) {
  TCanvas3D& canvas = Drawing()->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  const base::TColor fill = AreaBrushColor(s.color);
  TChartBrush brush;
  brush.Assign(*areaBrush_);
  brush.SetColor(fill);
  canvas.AssignBrush(brush);
  BackendPen pen = areaLinesPen_->ToBackendPen(canvas.GetMonochrome());
  if (areaLinesPen_->Color() == clPlotColor) pen.color = s.color;
  backend.setPen(pen);

  std::array<QPoint, 4> quad;
  if (!stairs_) {
    quad = {QPoint(s.oldX, s.oldOrigin), QPoint(s.oldX, s.oldY), QPoint(s.x, s.y),
            QPoint(s.x, s.origin)};
  } else {
    const int level = invertedStairs_ ? s.y : s.oldY;
    quad = {QPoint(s.oldX, s.origin), QPoint(s.oldX, level), QPoint(s.x, level),
            QPoint(s.x, s.origin)};
  }
  auto fillArea = [&] {
    if (stairs_) {
      // A step below the origin hangs from it: the rectangle runs from the
      // smaller coordinate, as a device rectangle must.
      const int level = quad[1].y();
      canvas.Rectangle(std::min(s.oldX, s.x), std::min(level, s.origin), std::max(s.oldX, s.x),
                       std::max(level, s.origin));
    } else {
      canvas.Polygon(quad);
    }
  };
  if (transparency_ == 0) {
    fillArea();
  } else if (transparency_ < 100) {
    int l = quad[0].x(), t = quad[0].y(), r = l, b = t;
    for (const QPoint& p : quad) {
      l = std::min(l, p.x());
      r = std::max(r, p.x());
      t = std::min(t, p.y());
      b = std::max(b, p.y());
    }
    if (auto* plot = dynamic_cast<TPlotCanvas3D*>(&canvas)) {
      TPlotBlend blend(*plot, TRect{l, t, r + 1, b + 1});
      fillArea();
      blend.DoBlend(transparency_);
    } else {
      fillArea();
    }
  }
  if (!LinePen()->Visible() && !outlinePass_) return;
  DrawLine2D(s);
}

void TCustomSeries::DrawSegment3D(const Segment& s) {
  TCanvas3D& canvas = Drawing()->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  BackendPen pen = PassLinePen(canvas.GetMonochrome());
  if (outlinePass_) pen.color = s.color;
  if (LinePen()->Visible()) CheckPrinterPen(ParentChart(), pen);
  backend.setPen(pen);
  const base::TColor face = AreaBrushColor(s.color);
  TChartBrush brush;
  brush.Assign(*Brush());
  brush.SetColor(face);
  canvas.AssignBrush(brush);
  const base::TColor dark = DarkerColor(face, 64);
  const int z0 = StartZ(), z1 = EndZ();
  if (!stairs_) {
    if (lineHeight_ > 0 && !drawArea_)
      canvas.PlaneWithZ(QPoint(s.oldX, s.oldY), QPoint(s.x, s.y), QPoint(s.x, s.y + lineHeight_),
                        QPoint(s.oldX, s.oldY + lineHeight_), z0);
    if (dark3D_ && !canvas.SupportsFullRotation() && s.x != s.oldX && slopeLimit_ != 0 &&
        double(s.oldY - s.y) / (s.x - s.oldX) > slopeLimit_)
      SetBrushColor(backend, dark);
    canvas.Plane3D(QPoint(s.oldX, s.oldY), QPoint(s.x, s.y), z0, z1);
  } else if (!invertedStairs_) {
    canvas.RectangleY(s.oldX, s.oldY, s.x, z0, z1);
    if (dark3D_) SetBrushColor(backend, dark);
    canvas.RectangleZ(s.x, s.oldY, s.y, z0, z1);
  } else {
    if (dark3D_) SetBrushColor(backend, dark);
    canvas.RectangleZ(s.oldX, s.oldY, s.y, z0, z1);
    SetBrushColor(backend, face);
    canvas.RectangleY(s.oldX, s.y, s.x, z0, z1);
  }
  if (!drawArea_) return;
  // The area's front face (and its back one where the view turns round).
  brush.Assign(*areaBrush_);
  brush.SetColor(face);
  canvas.AssignBrush(brush);
  BackendPen areaPen = areaLinesPen_->ToBackendPen(canvas.GetMonochrome());
  if (areaLinesPen_->Color() == clPlotColor) areaPen.color = s.color;
  backend.setPen(areaPen);
  const int level = invertedStairs_ ? s.y : s.oldY;
  const std::array<QPoint, 4> quad =
      stairs_ ? std::array<QPoint, 4>{QPoint(s.oldX, s.origin), QPoint(s.oldX, level),
                                      QPoint(s.x, level), QPoint(s.x, s.origin)}
              : std::array<QPoint, 4>{QPoint(s.oldX, s.oldOrigin), QPoint(s.oldX, s.oldY),
                                      QPoint(s.x, s.y), QPoint(s.x, s.origin)};
  canvas.PlaneWithZ(quad[0], quad[1], quad[2], quad[3], z0);
  if (canvas.SupportsFullRotation()) canvas.PlaneWithZ(quad[0], quad[1], quad[2], quad[3], z1);
}
