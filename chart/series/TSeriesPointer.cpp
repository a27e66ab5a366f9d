#include "chart/series/TSeriesPointer.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TChartSeries.h"

#include <algorithm>
#include <array>

TSeriesPointer::TSeriesPointer(TChartSeries* series, ChangeHandler onChange)
    : TPlotCustomShapeBrushPen(series ? series->ParentChart() : nullptr, std::move(onChange),
                               series),
      series_(series) {}

namespace {

// A stored chart may hold a size the setter refuses; loading keeps the
// size it has instead of failing the whole chart.
bool RefuseSize(const TSeriesPointer& pointer, int value) {
  if (value >= 1) return false;
  const ChartHost* chart = pointer.ParentChart();
  if (chart && chart->ReadingStoredState()) return true;
  throw ChartException(ChartText(ChartMsg::PointerSize));
}

}  // namespace

void TSeriesPointer::SetHorizSize(int value) {
  if (!RefuseSize(*this, value)) StoreAndRepaint(horizSize_, value);
}

void TSeriesPointer::SetVertSize(int value) {
  if (!RefuseSize(*this, value)) StoreAndRepaint(vertSize_, value);
}

void TSeriesPointer::Assign(const TSeriesPointer& source) {
  if (&source == this) return;
  dark3D_ = source.dark3D_;
  draw3D_ = source.draw3D_;
  horizSize_ = source.horizSize_;
  inflateMargins_ = source.inflateMargins_;
  style_ = source.style_;
  vertSize_ = source.vertSize_;
  TPlotCustomShapeBrushPen::Assign(source);
  Changed();
}

void TSeriesPointer::PrepareCanvas(TCanvas3D& canvas, base::TColor color) const {
  DrawingBackend& backend = canvas.ReferenceCanvas();
  BackendPen pen = Pen()->ToBackendPen(canvas.GetMonochrome());
  if (Pen()->Visible() && Pen()->Color() == clPlotColor) pen.color = color;
  backend.setPen(pen);
  const TChartBrush& brush = *Brush();
  base::TColor brushColor = brush.Color();
  if (brushColor == clPlotColor)
    brushColor = brush.Style() == Graphics::bsSolid ? color : base::clBlack;
  TChartBrush b;
  b.Assign(brush);
  b.SetColor(brushColor);
  canvas.AssignBrush(b);
}

void TSeriesPointer::DrawShape(TCanvas3D& canvas, bool is3D, int x, int y, int h, int v,
                               base::TColor color, TSeriesPointerStyle style) const {
  const int left = x - h, right = x + h, top = y - v, bottom = y + v;
  const int z0 = series_ ? series_->StartZ() : 0;
  const int zMid = series_ ? series_->MiddleZ() : 0;
  const int z1 = series_ ? series_->EndZ() : 0;
  // Line shapes draw in the point's colour whatever the pen says.
  auto linePen = [&] {
    DrawingBackend& backend = canvas.ReferenceCanvas();
    BackendPen pen = backend.pen();
    pen.color = color;
    backend.setPen(pen);
  };
  auto cross = [&] {
    if (is3D) {
      canvas.VertLine3D(x, top, bottom + 1, z0);
      canvas.HorizLine3D(left, right + 1, y, z0);
    } else {
      canvas.DoVertLine(x, top, bottom + 1);
      canvas.DoHorizLine(left, right + 1, y);
    }
  };
  auto diagCross = [&] {
    if (is3D) {
      canvas.LineWithZ(left, top, right + 1, bottom + 1, z0);
      canvas.LineWithZ(right, top, left - 1, bottom + 1, z0);
    } else {
      canvas.Line(left, top, right + 1, bottom + 1);
      canvas.Line(right, top, left - 1, bottom + 1);
    }
  };
  const bool solid = is3D && draw3D_;
  switch (style) {
    case psRectangle:
      if (solid)
        canvas.Cube(left, right, top, bottom, z0, z1, dark3D_);
      else if (is3D)
        canvas.RectangleWithZ(TRect{left, top, right + 1, bottom + 1}, z0);
      else
        canvas.Rectangle(left, top, right + 1, bottom + 1);
      break;
    case psCircle:
      if (solid && canvas.SupportsFullRotation())
        canvas.Sphere(x, y, zMid, h);
      else if (is3D)
        canvas.EllipseWithZ(left, top, right, bottom, z0);
      else
        canvas.Ellipse(left, top, right, bottom);
      break;
    case psTriangle:
    case psDownTriangle: {
      const bool up = style == psTriangle;
      const int base = up ? bottom : top;
      const int apex = up ? top : bottom;
      if (solid) {
        canvas.Pyramid(true, left, apex, right, base, z0, z1, dark3D_);
      } else {
        const std::array<QPoint, 3> p = {QPoint(left, base), QPoint(right, base), QPoint(x, apex)};
        if (is3D)
          canvas.TriangleWithZ(p[0], p[1], p[2], z0);
        else
          canvas.Polygon(p);
      }
      break;
    }
    case psCross:
      linePen();
      cross();
      break;
    case psDiagCross:
      linePen();
      diagCross();
      break;
    case psStar:
      linePen();
      cross();
      diagCross();
      break;
    case psDiamond: {
      const std::array<QPoint, 4> p = {QPoint(left, y), QPoint(x, top), QPoint(right, y),
                                       QPoint(x, bottom)};
      if (is3D)
        canvas.PlaneWithZ(p[0], p[1], p[2], p[3], z0);
      else
        canvas.Polygon(p);
      break;
    }
    case psSmallDot:
      if (is3D)
        canvas.SetPixel3D(x, y, zMid, color);
      else
        canvas.SetPixel(x, y, color);
      break;
    case psNothing:
      break;
  }
}

void TSeriesPointer::Draw(int x, int y, base::TColor color, TSeriesPointerStyle style) const {
  if (!series_) return;
  auto* chart = dynamic_cast<SeriesDrawingChart*>(series_->ParentChart());
  if (!chart) return;
  DrawShape(chart->Canvas(), chart->View3D(), x, y, horizSize_, vertSize_, color, style);
}

void TSeriesPointer::DrawLegendShape(TCanvas3D& canvas, const TRect& r, base::TColor color,
                                     bool small, int horizSize, int vertSize) const {
  PrepareCanvas(canvas, color);
  const int width = r.Right - r.Left;
  const int height = r.Bottom - r.Top;
  const int w = small ? width / 3 : width / 2 + 1;
  const int hgt = small ? height / 3 : height / 2 + 1;
  DrawShape(canvas, false, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, std::min(horizSize, w),
            std::min(vertSize, hgt), color, style_);
}

void TSeriesPointer::CalcHorizMargins(int& left, int& right) const {
  if (!Visible() || !inflateMargins_) return;
  left = std::max(left, horizSize_ + 1);
  right = std::max(right, horizSize_ + 1);
}

void TSeriesPointer::CalcVertMargins(int& top, int& bottom) const {
  if (!Visible() || !inflateMargins_) return;
  top = std::max(top, vertSize_ + 1);
  bottom = std::max(bottom, vertSize_ + 1);
}

bool TSeriesPointer::Clicked(int px, int py, int x, int y) const {
  return std::abs(x - px) < horizSize_ && std::abs(y - py) < vertSize_;
}
