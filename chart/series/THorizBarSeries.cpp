#include "chart/series/THorizBarSeries.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TSeriesMarkPosition.h"

#include <algorithm>

THorizBarSeries::THorizBarSeries(QObject* owner) : TCustomBarSeries(owner) {
  SetMandatoryLists();
  XValues()->SetOrder(loNone);
  YValues()->SetOrder(loAscending);
  Gradient()->SetDirection(gdLeftRight);
  XValues()->SetName(QStringLiteral("Bar"));
}

void THorizBarSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const THorizBarSeries*>(&source); s && s != this)
    customBarHeight_ = s->customBarHeight_;
  TCustomBarSeries::Assign(source);
}

void THorizBarSeries::CalcHorizMargins(int& left, int& right) {
  TCustomBarSeries::CalcHorizMargins(left, right);
  const TChartAxis* axis = ValueAxis();
  if (axis && axis->Inverted())
    ValueMargins(right, left);
  else
    ValueMargins(left, right);
}

void THorizBarSeries::CalcVertMargins(int& top, int& bottom) {
  TCustomBarSeries::CalcVertMargins(top, bottom);
  CategoryMargins(top, bottom);
}

int THorizBarSeries::MarkExtent(int valueIndex) const {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return 0;
  TCanvas3D& canvas = chart->Canvas();
  canvas.AssignFont(*Marks()->Font());
  if (valueIndex >= 0)
    return valueIndex < PointCount() ? canvas.TextWidth(MarkText(valueIndex)) : 0;
  int widest = 0;
  for (int i = 0; i < PointCount(); ++i) widest = std::max(widest, canvas.TextWidth(MarkText(i)));
  return widest;
}

void THorizBarSeries::DrawValue(int valueIndex) {
  if (!Drawing()) return;
  barColor_ = GetValueColor(valueIndex);
  if (barColor_ == base::clNone) return;
  int top = CalcYPos(valueIndex);
  // Full-height bars reach the bar of the point before, which lies above
  // this one on an inverted axis or in a descending order.
  int bottom =
      BarWidthPercent() == 100 && valueIndex >= 1 ? CalcYPos(valueIndex - 1) : top + BarSize() + 1;
  int valueEnd = CalcXPos(valueIndex);
  int originEnd = OriginPos(valueIndex);
  const bool valueAtLeft = valueEnd <= originEnd;
  // Without a pen the bar grows by one pixel at its larger x only, so that
  // bars pointing left and right come out the same length.
  if (!BarPen()->Visible()) {
    if (valueEnd > originEnd)
      ++valueEnd;
    else
      ++originEnd;
    ++(bottom >= top ? bottom : top);
  }
  bar_ = NormalizedRect({originEnd, top, valueEnd, bottom});
  valueAtLowEnd_ = valueAtLeft;
  DrawBar(valueIndex, bar_.Left, bar_.Right);
}

void THorizBarSeries::DrawBar(int valueIndex, int left, int right) {
  DrawBarShape(valueIndex, TRect{left, bar_.Top, right, bar_.Bottom}, valueAtLowEnd_);
}

void THorizBarSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  const int half = BarSize() / 2;
  const int length = Marks()->ArrowLength();
  // A bar left of its origin carries its mark on the left.
  const int along =
      CalcXPos(valueIndex) < OriginPos(valueIndex) ? -(length + position.BoxWidth) : length;
  position.ArrowStart.ry() += half;
  position.ArrowEnd.ry() += half;
  position.ArrowEnd.rx() += along;
  position.BoxTopLeft.rx() += along + position.BoxWidth / 2;
  position.BoxTopLeft.ry() += half + position.BoxHeight / 2;
  TCustomBarSeries::DrawMark(valueIndex, text, position);
}
