#include "chart/series/TCustomSeries.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartHitTests.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TSeriesMarkPosition.h"
#include "chart/series/SeriesStacking.h"

#include <algorithm>
#include <array>
#include <cmath>

TCustomSeries::TCustomSeries(QObject* owner)
    : TCustomLineSeries(owner),
      areaBrush_(new TChartBrush([this] { CanvasChanged(); }, this)),
      areaLinesPen_(new TChartPen([this] { CanvasChanged(); }, this)),
      outLine_(new TChartHiddenPen([this] { CanvasChanged(); }, this)),
      pointer_(new TSeriesPointer(this, [this] { Changed(); })) {
  // The visible range keeps the point beyond the far edge, so that the
  // line runs out of the chart instead of stopping short of it.
  drawBetweenPoints_ = true;
}

// --- published -------------------------------------------------------------------------------

void TCustomSeries::SetAreaLinesPen(TChartPen* value) {
  if (value) areaLinesPen_->Assign(*value);
}

void TCustomSeries::SetOutLine(TChartPen* value) {
  if (value) outLine_->Assign(*value);
}

void TCustomSeries::SetPointer(TSeriesPointer* value) {
  if (value) pointer_->Assign(*value);
}

void TCustomSeries::SetTransparency(int value) {
  SetIntegerProperty(transparency_, std::clamp(value, 0, 100));
}

void TCustomSeries::SetStacked(TCustomSeriesStack value) {
  if (!Store(stacked_, value)) return;
  // Stored straight into the others: their setters would walk the list
  // again and repaint once each.
  if (const auto* chart = Drawing()) {
    for (TChartSeries* s : chart->SeriesList()) {
      if (s != this && s->metaObject()->inherits(metaObject()))
        static_cast<TCustomSeries*>(s)->stacked_ = value;
    }
  }
  Repaint();
}

void TCustomSeries::SetParentChart(ChartHost* value) {
  TCustomLineSeries::SetParentChart(value);
  pointer_->SetParentChart(value);
}

void TCustomSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TCustomSeries*>(&source); s && s != this) {
    clickableLine_ = s->clickableLine_;
    areaBrush_->Assign(*s->areaBrush_);
    areaColor_ = s->areaColor_;
    areaLinesPen_->Assign(*s->areaLinesPen_);
    lineInPointColor_ = s->lineInPointColor_;
    dark3D_ = s->dark3D_;
    drawArea_ = s->drawArea_;
    drawLine_ = s->drawLine_;
    invertedStairs_ = s->invertedStairs_;
    lineHeight_ = s->lineHeight_;
    pointer_->Assign(*s->pointer_);
    stacked_ = s->stacked_;
    stairs_ = s->stairs_;
    outLine_->Assign(*s->outLine_);
    transparency_ = s->transparency_;
  }
  TCustomLineSeries::Assign(source);
}

// --- margins and depth -------------------------------------------------------------------------

void TCustomSeries::CalcHorizMargins(int& left, int& right) {
  TCustomLineSeries::CalcHorizMargins(left, right);
  pointer_->CalcHorizMargins(left, right);
  if (!drawLine_) return;
  if (stairs_) {
    left = std::max(left, LinePen()->Width());
    right = std::max(right, LinePen()->Width());
  }
  if (outLine_->Visible()) {
    left = std::max(left, outLine_->Width());
    right = std::max(right, outLine_->Width());
  }
}

void TCustomSeries::CalcVertMargins(int& top, int& bottom) {
  TCustomLineSeries::CalcVertMargins(top, bottom);
  pointer_->CalcVertMargins(top, bottom);
  if (drawLine_) {
    if (stairs_) {
      top = std::max(top, LinePen()->Width());
      bottom = std::max(bottom, LinePen()->Width() + 1);
    }
    if (outLine_->Visible()) {
      top = std::max(top, outLine_->Width());
      bottom = std::max(bottom, outLine_->Width());
    }
  }
  const SeriesDrawingChart* chart = Drawing();
  if (lineHeight_ >= 1 && !drawArea_ && chart && chart->View3D())
    bottom = std::max(bottom, lineHeight_);
  if (Marks()->Visible()) top = std::max(top, Marks()->ArrowLength());
}

void TCustomSeries::CalcZOrder() {
  SeriesDrawingChart* chart = Drawing();
  // The base hands out the slot after the chart's highest; stepping back
  // first makes it hand out the current one (once there is one).
  if (stacked_ != cssNone && ZOrder() == -1 && chart && chart->View3D() && chart->MaxZOrder() >= 0)
    chart->SetMaxZOrder(chart->MaxZOrder() - 1);
  TCustomLineSeries::CalcZOrder();
}

// --- stacking --------------------------------------------------------------------------------

double TCustomSeries::StackBelow(int index) const {
  return PositiveStackSum(*this, index, true);
}

double TCustomSeries::StackTotal(int index) const {
  return PositiveStackSum(*this, index, false);
}

int TCustomSeries::ValueAxisMinPos() const {
  const TChartAxis* axis = ValueAxis();
  if (!axis) return 0;
  return axis->Inverted() ? axis->StartPos : axis->EndPos;
}

int TCustomSeries::StackedYPos(int index, double value) const {
  switch (stacked_) {
    case cssStack: {
      const int pos = CalcYPosValue(StackBelow(index) + value);
      // A stack never crosses the side of the axis' minimum.
      const int floor = ValueAxisMinPos();
      const TChartAxis* axis = ValueAxis();
      const bool inverted = axis && axis->Inverted();
      return inverted ? std::max(pos, floor) : std::min(pos, floor);
    }
    case cssStack100: {
      const double total = StackTotal(index);
      // No total: the foot of the 0..100 scale, not a pixel off the chart.
      if (total == 0) return CalcYPosValue(0);
      return CalcYPosValue((StackBelow(index) + value) * 100.0 / total);
    }
    default:
      return CalcYPosValue(value);
  }
}

int TCustomSeries::CalcYPos(int index) const {
  if (stacked_ != cssStack && stacked_ != cssStack100) return TCustomLineSeries::CalcYPos(index);
  return StackedYPos(index, YValues()->Values()[static_cast<std::size_t>(index)]);
}

int TCustomSeries::GetOriginPos(int valueIndex) const {
  if (stacked_ == cssStack || stacked_ == cssStack100) return StackedYPos(valueIndex, 0);
  return ValueAxisMinPos();
}

double TCustomSeries::MaxYValue() const {
  if (stacked_ == cssStack100) return 100;
  double result = TCustomLineSeries::MaxYValue();
  if (stacked_ == cssStack) {
    const std::span<const double> y = YValues()->Values();
    for (int i = 0; i < PointCount(); ++i)
      result = std::max(result, StackBelow(i) + y[static_cast<std::size_t>(i)]);
  }
  return result;
}

double TCustomSeries::MinYValue() const {
  return stacked_ == cssStack100 ? 0 : TCustomLineSeries::MinYValue();
}

// --- hit tests ----------------------------------------------------------------------------------

bool TCustomSeries::ClickedPointer(int /*valueIndex*/, int px, int py, int x, int y) const {
  return pointer_->Clicked(px, py, x, y);
}

int TCustomSeries::Clicked(int x, int y) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || firstValueIndex_ < 0) return -1;
  const QPoint p = chart->Canvas().Calculate2DPosition(x, y, StartZ());
  if (const int hit = TCustomLineSeries::Clicked(p.x(), p.y()); hit != -1) return hit;
  const int last = std::min(lastValueIndex_, PointCount() - 1);
  // In 3D the segments are ribbons through the depth.
  const bool ribbon = chart->View3D() && (drawLine_ || drawArea_);
  int oldX = 0, oldY = 0, oldOrigin = 0;
  for (int i = firstValueIndex_; i <= last; ++i) {
    const int px = CalcXPos(i);
    const int py = CalcYPos(i);
    const int origin = GetOriginPos(i);
    if (pointer_->Visible() && ClickedPointer(i, px, py, p.x(), p.y())) {
      if (OnClickPointer) OnClickPointer(*this, i, px, py);
      return i;
    }
    if (p == QPoint(px, py)) return i;
    if (clickableLine_ && i > firstValueIndex_ && !IsNull(i - 1)) {
      bool hit;
      if (drawArea_) {
        const std::array<QPoint, 4> quad = {QPoint(oldX, oldOrigin), QPoint(oldX, oldY),
                                            QPoint(px, py), QPoint(px, origin)};
        hit = PointInPolygon(p, quad);
      } else if (stairs_) {
        const QPoint corner = invertedStairs_ ? QPoint(oldX, py) : QPoint(px, oldY);
        hit = PointOnSegment(p, oldX, oldY, corner.x(), corner.y()) ||
              PointOnSegment(p, corner.x(), corner.y(), px, py);
      } else {
        hit = PointOnSegment(p, oldX, oldY, px, py);
      }
      if (!hit && ribbon) hit = RibbonClicked(QPoint(x, y), oldX, oldY, px, py);
      if (hit) return i - 1;
    }
    oldX = px;
    oldY = py;
    oldOrigin = origin;
  }
  return -1;
}

bool TCustomSeries::RibbonClicked(QPoint screen, int oldX, int oldY, int x, int y) const {
  const TCanvas3D& canvas = Drawing()->Canvas();
  const int z0 = StartZ(), z1 = EndZ();
  // The face from a to b through the series' depth, as the screen shows it.
  const auto face = [&](QPoint a, QPoint b) {
    const std::array<QPoint, 4> corners = {
        canvas.Calculate3DPosition(a.x(), a.y(), z0), canvas.Calculate3DPosition(b.x(), b.y(), z0),
        canvas.Calculate3DPosition(b.x(), b.y(), z1), canvas.Calculate3DPosition(a.x(), a.y(), z1)};
    return PointInPolygon(screen, corners);
  };
  const QPoint from(oldX, oldY), to(x, y);
  if (!stairs_) return face(from, to);
  const QPoint corner = invertedStairs_ ? QPoint(oldX, y) : QPoint(x, oldY);
  return face(from, corner) || face(corner, to);
}

// --- marks and legend ----------------------------------------------------------------------------

void TCustomSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  Marks()->SetZPosition(StartZ());
  Marks()->ApplyArrowLength(position);
  TCustomLineSeries::DrawMark(valueIndex, text, position);
}

void TCustomSeries::DrawLegend(int legendIndex, const TRect& r) {
  legendColor_ = legendIndex == -1 ? SeriesColor() : LegendItemColor(legendIndex);
  TCustomLineSeries::DrawLegend(legendIndex, r);
}

void TCustomSeries::DrawLegendSymbolRect(const TRect& r, base::TColor backColor) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  TCanvas3D& canvas = chart->Canvas();
  const base::TColor color = legendColor_;
  // Under a marker the line is always the flat one: a filled box would
  // hide the marker's outline.
  auto lineSymbol = [&](bool as3D) {
    DrawingBackend& backend = canvas.ReferenceCanvas();
    if (as3D) {
      canvas.AssignBrush(*Brush(), base::clNone, color);
      canvas.AssignPen(*LinePen());
      canvas.DoRectangle(r);
    } else {
      BackendPen pen = LinePen()->ToBackendPen(canvas.GetMonochrome());
      if (LinePen()->Visible()) pen.color = canvas.GetMonochrome() ? base::clWhite : color;
      backend.setPen(pen);
      BackendBrush brush = backend.brush();
      brush.style = Graphics::bsClear;
      backend.setBrush(brush);
      const int middle = (r.Top + r.Bottom) / 2;
      canvas.DoHorizLine(r.Left, r.Right, middle);
    }
  };
  if (pointer_->Visible()) {
    if (drawLine_) lineSymbol(false);
    pointer_->DrawLegendShape(canvas, r, color, LinePen()->Visible());
  } else if (drawLine_ && !drawArea_) {
    lineSymbol(chart->View3D());
  } else {
    TCustomLineSeries::DrawLegendSymbolRect(r, backColor);
  }
}
