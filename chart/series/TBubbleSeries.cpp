#include "chart/series/TBubbleSeries.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartHitTests.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TChartAxis.h"

#include <algorithm>
#include <cmath>

namespace {

// A bubble far larger than any chart still leaves its edges in int range.
constexpr int kMaxBubbleSize = 67108863;

int PixelSize(const TChartAxis* axis, double radius) {
  if (!axis || !std::isfinite(radius)) return 0;
  return std::clamp(axis->CalcSizeValue(radius), 0, kMaxBubbleSize);
}

}  // namespace

TBubbleSeries::TBubbleSeries(QObject* owner)
    : TPointSeries(owner), radiusValues_(&ValuesList().Add(ChartText(ChartMsg::ValueNameRadius))) {
  // A bubble centred outside the axes' range may still reach into them.
  calcVisiblePoints_ = false;
  Pointer()->SetInflateMargins(false);
  Pointer()->SetStyle(TSeriesPointer::psCircle);
  Marks()->Frame()->SetVisible(false);
  Marks()->SetTransparent(true);
  SetColorEachPoint(true);
}

void TBubbleSeries::Assign(const TCustomChartElement& source) {
  TPointSeries::Assign(source);
  if (const auto* s = qobject_cast<const TBubbleSeries*>(&source); s && s != this)
    SetSquared(s->squared_);
}

bool TBubbleSeries::IsValidSourceOf(const TChartSeries* other) const {
  return other != this && qobject_cast<const TBubbleSeries*>(other) != nullptr;
}

int TBubbleSeries::AddBubble(double x, double y, double radius, const QString& label,
                             base::TColor color) {
  radiusValues_->SetTempValue(radius);
  return AddPointXY(x, y, label, color);
}

QSize TBubbleSeries::BubbleSize(int valueIndex) const {
  const double radius = radiusValues_->Values()[static_cast<std::size_t>(valueIndex)];
  const int v = PixelSize(GetVertAxis(), radius);
  return {squared_ ? v : PixelSize(GetHorizAxis(), radius), v};
}

void TBubbleSeries::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || !Pointer()->Visible() || IsNull(valueIndex)) return;
  TCanvas3D& canvas = chart->Canvas();
  const base::TColor color = GetValueColor(valueIndex);
  Pointer()->PrepareCanvas(canvas, color);
  const TSeriesPointer::TSeriesPointerStyle style =
      OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : Pointer()->Style();
  const QSize size = BubbleSize(valueIndex);
  Pointer()->DrawShape(canvas, chart->View3D(), CalcXPos(valueIndex), CalcYPos(valueIndex),
                       size.width(), size.height(), color, style);
}

bool TBubbleSeries::ClickedPointer(int valueIndex, int px, int py, int x, int y) const {
  if (IsNull(valueIndex)) return false;
  const QSize size = BubbleSize(valueIndex);
  return PointInEllipse(QPoint(x, y), px - size.width(), py - size.height(), px + size.width(),
                        py + size.height());
}

// --- extremes -----------------------------------------------------------------------------------

double TBubbleSeries::MaxYValue() const {
  double result = TPointSeries::MaxYValue();
  const auto y = YValues()->Values();
  const auto r = radiusValues_->Values();
  for (std::size_t i = 0; i < y.size(); ++i)
    if (std::isfinite(y[i] + r[i])) result = std::max(result, y[i] + r[i]);
  return result;
}

double TBubbleSeries::MinYValue() const {
  double result = TPointSeries::MinYValue();
  const auto y = YValues()->Values();
  const auto r = radiusValues_->Values();
  for (std::size_t i = 0; i < y.size(); ++i)
    if (std::isfinite(y[i] - r[i])) result = std::min(result, y[i] - r[i]);
  return result;
}

double TBubbleSeries::MaxZValue() const {
  if (!Pointer()->Draw3D()) return TPointSeries::MaxZValue();
  return radiusValues_->Maximum();
}

double TBubbleSeries::MinZValue() const {
  if (!Pointer()->Draw3D()) return TPointSeries::MinZValue();
  return -radiusValues_->Maximum();
}

// --- legend and samples -------------------------------------------------------------------------

void TBubbleSeries::DrawLegendSymbolRect(const TRect& r, base::TColor backColor) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || !Pointer()->Visible()) {
    TPointSeries::DrawLegendSymbolRect(r, backColor);
    return;
  }
  // Both sizes min(width, height), handed to the routine instead of
  // written into the pointer.
  const int size = std::min(r.Right - r.Left, r.Bottom - r.Top);
  Pointer()->DrawLegendShape(chart->Canvas(), r, LegendColor(), LinePen()->Visible(), size, size);
}

void TBubbleSeries::AddSampleValues(int count) {
  const SampleRange b = SampleBounds(count);
  const double stepX = count > 1 ? (b.maxX - b.minX) / (count - 1) : 0;
  const double rangeY = b.maxY - b.minY;
  const int bound = std::isfinite(rangeY) ? base::Round(rangeY) : 0;
  for (int i = 0; i < count; ++i) {
    const double y = b.minY + SampleRandomInt(bound);
    const double radius = rangeY / 15 + SampleRandomInt(std::max(1, bound / 8));
    AddBubble(b.minX + i * stepX, y, radius);
  }
}
