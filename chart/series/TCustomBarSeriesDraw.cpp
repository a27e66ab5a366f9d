// The drawing side of bar series: the eight bar shapes in 2D and 3D, the
// thin-bar rule, gradient colours, marks kept apart, the legend's canvas
// and the hit tests.
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartHitTests.h"
#include "chart/model/TSeriesMarkPosition.h"
#include "chart/series/TCustomBarSeries.h"

#include <algorithm>
#include <array>

TCustomBarSeries::TBarStyle TCustomBarSeries::StyleOf(int valueIndex) {
  TBarStyle style = barStyle_;
  if (OnGetBarStyle) OnGetBarStyle(*this, valueIndex, style);
  return style;
}

base::TColor TCustomBarSeries::GradientEndColor(int valueIndex, base::TColor color) const {
  if (!gradient_->Relative()) return color;
  const TChartValueList& values = *MandatoryValueList();
  const double value = values.Values()[static_cast<std::size_t>(valueIndex)];
  const double low = useYOrigin_ ? yOrigin_ : values.Minimum();
  const double range = values.Maximum() - low;
  // A bar at the top of no range at all shows its own colour.
  const double fraction = range == 0 ? 1.0 : (value - low) / range;
  return gradient_->BarEndColor(color, fraction);
}

namespace {

// A zero-sized bar is a line in the brush colour; one thinner than its pen
// is only the pen, in the brush colour.
void ApplyThinBarRule(DrawingBackend& backend, const TRect& r) {
  BackendBrush brush = backend.brush();
  if (brush.style != Graphics::bsSolid) return;
  BackendPen pen = backend.pen();
  const int width = r.Right - r.Left;
  const int height = r.Bottom - r.Top;
  if (width == 0 || height == 0) {
    pen.color = brush.color;
    if (pen.style == Graphics::psClear) pen.style = Graphics::psSolid;
    pen.width = std::max(pen.width, 1);
    backend.setPen(pen);
  } else if (pen.style != Graphics::psClear && (width < pen.width || height < pen.width)) {
    pen.color = brush.color;
    backend.setPen(pen);
    brush.style = Graphics::bsClear;
    backend.setBrush(brush);
  }
}

}  // namespace

void TCustomBarSeries::DrawBarShape(int valueIndex, const TRect& r, bool valueAtLowEnd) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  TCanvas3D& canvas = chart->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  canvas.AssignPen(*Pen());
  canvas.AssignBrush(*Brush(), base::clNone, barColor_);
  const bool vertical = Vertical();
  const bool is3D = chart->View3D();
  const int z0 = StartZ(), z1 = EndZ();
  const int midX = (r.Left + r.Right) / 2;
  const int midY = (r.Top + r.Bottom) / 2;
  // The value end and the origin end along the value axis.
  const int lowEnd = vertical ? r.Top : r.Left;
  const int highEnd = vertical ? r.Bottom : r.Right;
  const int valueEnd = valueAtLowEnd ? lowEnd : highEnd;
  const int originEnd = valueAtLowEnd ? highEnd : lowEnd;
  // 2D triangles point up the screen (vertical) or to the right.
  auto triangle = [&](bool apexAtValue) {
    std::array<QPoint, 3> p;
    if (vertical) {
      const int apex = apexAtValue ? r.Top : r.Bottom;
      const int foot = apexAtValue ? r.Bottom : r.Top;
      p = {QPoint(r.Left, foot), QPoint(midX, apex), QPoint(r.Right, foot)};
    } else {
      const int apex = apexAtValue ? r.Right : r.Left;
      const int foot = apexAtValue ? r.Left : r.Right;
      p = {QPoint(foot, r.Top), QPoint(apex, midY), QPoint(foot, r.Bottom)};
    }
    canvas.Polygon(p);
  };
  auto rectangle = [&] {
    ApplyThinBarRule(backend, r);
    canvas.Rectangle(r);
  };
  auto pyramid3D = [&](int apex, int foot) {
    if (vertical)
      canvas.Pyramid(true, r.Left, apex, r.Right, foot, z0, z1, dark3D_);
    else
      canvas.Pyramid(false, foot, r.Top, apex, r.Bottom, z0, z1, dark3D_);
  };
  auto arrow = [&](int z) {
    const int across = vertical ? r.Right - r.Left : r.Bottom - r.Top;
    const QPoint from = vertical ? QPoint(midX, r.Bottom) : QPoint(r.Left, midY);
    const QPoint to = vertical ? QPoint(midX, r.Top) : QPoint(r.Right, midY);
    canvas.Arrow(true, from, to, across, across / 2, z);
  };
  auto gradientFill = [&](const TRect& area) {
    TChartGradient fill;
    fill.Assign(*gradient_);
    fill.SetEndColor(GradientEndColor(valueIndex, barColor_));
    fill.Draw(canvas, area);
  };

  switch (StyleOf(valueIndex)) {
    case bsRectangle:
      if (is3D)
        canvas.Cube(r.Left, r.Right, r.Top, r.Bottom, z0, z1, dark3D_);
      else
        rectangle();
      break;
    case bsPyramid:
      if (is3D)
        pyramid3D(valueEnd, originEnd);
      else
        triangle(true);
      break;
    case bsInvPyramid:
      if (is3D)
        pyramid3D(originEnd, valueEnd);
      else
        triangle(false);
      break;
    case bsCilinder:
      if (is3D)
        canvas.Cylinder(vertical, r.Left, r.Top, r.Right, r.Bottom, z0, z1, dark3D_);
      else
        rectangle();
      break;
    case bsEllipse:
      if (is3D)
        canvas.EllipseWithZ(r.Left, r.Top, r.Right, r.Bottom, MiddleZ());
      else
        canvas.Ellipse(r.Left, r.Top, r.Right, r.Bottom);
      break;
    case bsArrow:
      arrow(is3D ? MiddleZ() : 0);
      break;
    case bsRectGradient:
      if (is3D) {
        canvas.Cube(r.Left, r.Right, r.Top, r.Bottom, z0, z1, dark3D_);
        if (canvas.SupportsFullRotation()) {
          const int inset = Pen()->Visible() ? Pen()->Width() : 0;
          const QPoint a = canvas.Calculate3DPosition(r.Left + inset, r.Top + inset, z0);
          const QPoint b = canvas.Calculate3DPosition(r.Right - inset, r.Bottom - inset, z0);
          gradientFill(TRect{a.x(), a.y(), b.x(), b.y()});
        }
      } else {
        gradientFill(r);
        BackendBrush clear = backend.brush();
        clear.style = Graphics::bsClear;
        backend.setBrush(clear);
        canvas.Rectangle(r);
      }
      break;
    case bsCone:
      if (!is3D) {
        triangle(true);
      } else if (vertical) {
        canvas.Cone(true, r.Left, valueEnd, r.Right, originEnd, z0, z1, dark3D_, 0);
      } else {
        canvas.Cone(false, originEnd, r.Top, valueEnd, r.Bottom, z0, z1, dark3D_, 0);
      }
      break;
  }
}

// --- marks --------------------------------------------------------------------------------------

void TCustomBarSeries::AvoidEarlierMarks(int valueIndex, TSeriesMarkPosition& position) const {
  const TSeriesMarksPositions& stored = Marks()->Positions();
  auto shrunk = [](const TRect& r) {
    return TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
  };
  const int count = std::min(stored.Count(), valueIndex);
  for (int j = std::max(firstValueIndex_, 0); j < count; ++j) {
    const TSeriesMarkPosition* other = stored.GetPosition(j);
    if (!other || other == &position) continue;
    if (!Intersects(shrunk(position.Bounds()), shrunk(other->Bounds()))) continue;
    const int up = position.Bounds().Bottom - other->Bounds().Top;
    position.BoxTopLeft.ry() -= up;
    position.ArrowEnd.ry() -= up;
  }
}

// --- legend and hit tests -----------------------------------------------------------------------

void TCustomBarSeries::PrepareLegendCanvas(int /*legendIndex*/, base::TColor& /*backColor*/,
                                           TChartBrush& brush) {
  if (Brush()->Color() != clPlotColor) brush.SetColor(Brush()->Color());
}

bool TCustomBarSeries::ClickedBar(int valueIndex, const QPoint& p) const {
  const int start = CategoryPos(valueIndex);
  const int across = Vertical() ? p.x() : p.y();
  if (across < start || across > start + barSize_) return false;
  const int value = ValueEndPos(valueIndex);
  const int origin = OriginPos(valueIndex);
  const int low = std::min(value, origin), high = std::max(value, origin);
  const int end = start + barSize_;
  const TBarStyle style = barStyle_;
  if (Vertical()) {
    switch (style) {
      case bsPyramid:
      case bsCone:
        return PointInVertTriangle(p, start, end, low, high);
      case bsInvPyramid:
        return PointInVertTriangle(p, start, end, high, low);
      case bsEllipse:
        return PointInEllipse(p, start, low, end, high);
      default:
        return p.y() >= low && p.y() <= high;
    }
  }
  switch (style) {
    case bsPyramid:
    case bsCone:
      return PointInHorizTriangle(p, start, end, high, low);
    case bsInvPyramid:
      return PointInHorizTriangle(p, start, end, low, high);
    case bsEllipse:
      return PointInEllipse(p, low, start, high, end);
    default:
      return p.x() >= low && p.x() <= high;
  }
}

int TCustomBarSeries::Clicked(int x, int y) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || firstValueIndex_ < 0) return -1;
  const QPoint p = chart->Canvas().Calculate2DPosition(x, y, StartZ());
  if (const int hit = TChartSeries::Clicked(p.x(), p.y()); hit != -1) return hit;
  const int last = std::min(lastValueIndex_, PointCount() - 1);
  for (int i = firstValueIndex_; i <= last; ++i)
    if (!IsNull(i) && ClickedBar(i, p)) return i;
  return -1;
}
