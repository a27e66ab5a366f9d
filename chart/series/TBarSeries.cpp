#include "chart/series/TBarSeries.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TSeriesMarkPosition.h"

TBarSeries::TBarSeries(QObject* owner) : TCustomBarSeries(owner) {
  Gradient()->SetDirection(gdTopBottom);
  YValues()->SetName(QStringLiteral("Bar"));
}

void TBarSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TBarSeries*>(&source); s && s != this)
    customBarWidth_ = s->customBarWidth_;
  TCustomBarSeries::Assign(source);
}

void TBarSeries::CalcHorizMargins(int& left, int& right) {
  TCustomBarSeries::CalcHorizMargins(left, right);
  CategoryMargins(left, right);
}

void TBarSeries::CalcVertMargins(int& top, int& bottom) {
  TCustomBarSeries::CalcVertMargins(top, bottom);
  const TChartAxis* axis = ValueAxis();
  if (axis && axis->Inverted())
    ValueMargins(top, bottom);
  else
    ValueMargins(bottom, top);
}

int TBarSeries::MarkExtent(int /*valueIndex*/) const {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return 0;
  chart->Canvas().AssignFont(*Marks()->Font());
  return chart->Canvas().TextHeight(QStringLiteral("W"));
}

void TBarSeries::DrawValue(int valueIndex) {
  if (!Drawing()) return;
  barColor_ = GetValueColor(valueIndex);
  if (barColor_ == base::clNone) return;
  int left = CalcXPos(valueIndex);
  // Full-width bars touch: each reaches the next one's left edge, which lies
  // left of this one on an inverted axis.
  const bool touching = BarWidthPercent() == 100 && valueIndex < PointCount() - 1;
  int right = touching ? CalcXPos(valueIndex + 1) : left + BarSize() + 1;
  int top = CalcYPos(valueIndex);
  int bottom = OriginPos(valueIndex);
  const bool valueAtTop = top <= bottom;
  if (!BarPen()->Visible()) {
    if (bottom > top)
      ++bottom;
    else
      ++top;
    ++(right >= left ? right : left);
  }
  bar_ = NormalizedRect({left, top, right, bottom});
  valueAtLowEnd_ = valueAtTop;
  DrawBar(valueIndex, bar_.Top, bar_.Bottom);
}

void TBarSeries::DrawBar(int valueIndex, int top, int bottom) {
  DrawBarShape(valueIndex, TRect{bar_.Left, top, bar_.Right, bottom}, valueAtLowEnd_);
}

void TBarSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  const int half = BarSize() / 2;
  position.BoxTopLeft.rx() += half;
  position.ArrowStart.rx() += half;
  position.ArrowEnd.rx() += half;
  const int length = Marks()->ArrowLength();
  // A bar below its origin carries its mark underneath.
  if (CalcYPos(valueIndex) > OriginPos(valueIndex)) {
    position.BoxTopLeft.ry() += length + position.BoxHeight;
    position.ArrowEnd.ry() += length + position.BoxHeight;
  } else {
    position.BoxTopLeft.ry() -= length;
    position.ArrowEnd.ry() -= length;
  }
  if (AutoMarkPosition()) AvoidEarlierMarks(valueIndex, position);
  TCustomBarSeries::DrawMark(valueIndex, text, position);
}
