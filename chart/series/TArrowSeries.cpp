#include "chart/series/TArrowSeries.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartHitTests.h"
#include "chart/core/ChartMessages.h"

#include <algorithm>
#include <array>
#include <cmath>

TArrowSeries::TArrowSeries(QObject* owner)
    : TPointSeries(owner),
      endXValues_(&ValuesList().Add(ChartText(ChartMsg::ValueNameEndX))),
      endYValues_(&ValuesList().Add(ChartText(ChartMsg::ValueNameEndY))) {
  XValues()->SetDateTime(true);
  endXValues_->SetDateTime(true);
  calcVisiblePoints_ = false;
  Pointer()->SetInflateMargins(false);
  Marks()->Frame()->SetVisible(false);
  Marks()->SetTransparent(true);
}

bool TArrowSeries::IsValidSourceOf(const TChartSeries* other) const {
  return other != this && qobject_cast<const TArrowSeries*>(other) != nullptr;
}

int TArrowSeries::AddArrow(double x0, double y0, double x1, double y1, const QString& label,
                           base::TColor color) {
  endXValues_->SetTempValue(x1);
  endYValues_->SetTempValue(y1);
  return AddPointXY(x0, y0, label, color);
}

QPoint TArrowSeries::EndPosition(int valueIndex) const {
  const auto i = static_cast<std::size_t>(valueIndex);
  return {CalcXPosValue(endXValues_->Values()[i]), CalcYPosValue(endYValues_->Values()[i])};
}

// --- extremes: the ends count as much as the starts --------------------------------------------

double TArrowSeries::MaxXValue() const {
  const double base = TPointSeries::MaxXValue();
  return endXValues_->Count() > 0 ? std::max(base, endXValues_->Maximum()) : base;
}

double TArrowSeries::MinXValue() const {
  const double base = TPointSeries::MinXValue();
  return endXValues_->Count() > 0 ? std::min(base, endXValues_->Minimum()) : base;
}

double TArrowSeries::MaxYValue() const {
  const double base = TPointSeries::MaxYValue();
  return endYValues_->Count() > 0 ? std::max(base, endYValues_->Maximum()) : base;
}

double TArrowSeries::MinYValue() const {
  const double base = TPointSeries::MinYValue();
  return endYValues_->Count() > 0 ? std::min(base, endYValues_->Minimum()) : base;
}

// --- drawing and hits ---------------------------------------------------------------------------

void TArrowSeries::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || IsNull(valueIndex)) return;
  TCanvas3D& canvas = chart->Canvas();
  const base::TColor color = GetValueColor(valueIndex);
  const bool is3D = chart->View3D();
  if (is3D) {
    Pointer()->PrepareCanvas(canvas, color);
  } else {
    BackendPen pen = Pointer()->Pen()->ToBackendPen(canvas.GetMonochrome());
    pen.color = color;
    canvas.ReferenceCanvas().setPen(pen);
  }
  const QPoint start(CalcXPos(valueIndex), CalcYPos(valueIndex));
  canvas.Arrow(is3D, start, EndPosition(valueIndex), ArrowWidth(), ArrowHeight(), MiddleZ());
}

namespace {

// The squared distance from p to the segment a-b, in doubles: chart
// coordinates reach far beyond what int products hold.
double SquaredDistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double length2 = d.x() * d.x() + d.y() * d.y();
  double t = 0;
  if (length2 > 0) t = std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0);
  const QPointF q = a + t * d - p;
  return q.x() * q.x() + q.y() * q.y();
}

}  // namespace

bool TArrowSeries::ArrowHit(int valueIndex, QPoint p) const {
  const QPointF from(CalcXPos(valueIndex), CalcYPos(valueIndex));
  const QPointF to = EndPosition(valueIndex);
  const double tolerance = std::max(2.0, Pointer()->Pen()->Width() / 2.0);
  if (SquaredDistanceToSegment(p, from, to) <= tolerance * tolerance) return true;
  // The head as the canvas draws it: its tip at the end, its base as far
  // back as the head is long (at most the whole arrow).
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  if (length == 0) return false;
  const double h = std::min<double>(base::Round64(length), ArrowHeight());
  const QPointF along = d / length;
  const QPointF across(-along.y(), along.x());
  const QPointF foot = to - along * h;
  const double w = ArrowWidth() / 2.0;
  const std::array<QPointF, 3> head = {to, foot + across * w, foot - across * w};
  // The sign of each edge's cross product: the same on all three inside.
  int positive = 0, negative = 0;
  for (std::size_t k = 0; k < head.size(); ++k) {
    const QPointF a = head[k], b = head[(k + 1) % head.size()];
    const double cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    if (cross > 0) ++positive;
    if (cross < 0) ++negative;
  }
  return positive == 0 || negative == 0;
}

int TArrowSeries::Clicked(int x, int y) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || firstValueIndex_ < 0) return -1;
  const QPoint p = chart->Canvas().Calculate2DPosition(x, y, MiddleZ());
  const int last = std::min(lastValueIndex_, PointCount() - 1);
  // Later arrows lie over earlier ones.
  for (int i = last; i >= firstValueIndex_; --i) {
    if (IsNull(i) || !ArrowHit(i, p)) continue;
    if (OnClickPointer) OnClickPointer(*this, i, CalcXPos(i), CalcYPos(i));
    return i;
  }
  return -1;
}

// --- gallery and samples -------------------------------------------------------------------

void TArrowSeries::PrepareForGallery(bool enabled) {
  TPointSeries::PrepareForGallery(enabled);
  FillSampleValues(3);
  SetArrowWidth(12);
  SetArrowHeight(12);
  if (!enabled) SetSeriesColor(base::clGray);
}

void TArrowSeries::AddSampleValues(int count) {
  const SampleRange b = SampleBounds(count);
  const double stepX = count > 1 ? (b.maxX - b.minX) / count : 0;
  const double stepY = (b.maxY - b.minY) / std::max(count, 1);
  auto random = [this](double range) {
    return std::isfinite(range) ? SampleRandomInt(base::Round(range)) : 0;
  };
  for (int i = 0; i < count; ++i) {
    const double x0 = b.minX + random(b.maxX - b.minX);
    const double y0 = b.minY + random(b.maxY - b.minY);
    const double x1 = x0 + random(2 * stepX) - stepX;
    const double y1 = y0 + random(2 * stepY) - stepY;
    AddArrow(x0, y0, x1, y1);
  }
}
