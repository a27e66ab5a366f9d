// What a series' points read as in marks and legend items, and its legend
// symbol.
#include "chart/model/TChartSeries.h"

#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TChartAxis.h"

#include <cmath>

namespace {

const QChar kLineSeparator(13);
const QChar kColumnSeparator(6);

}  // namespace

QString TChartSeries::ValueText(const TChartValueList& list, double value) const {
  if (!list.DateTime()) return base::FormatFloat(valueFormat_, value);
  // A date reads as the axis that shows the list labels its dates.
  const TChartAxis* axis = &list == xValues_ ? GetHorizAxis() : GetVertAxis();
  if (axis && !axis->DateTimeFormat().isEmpty())
    return base::FormatDateTime(axis->DateTimeFormat(), value);
  return base::DateTimeToStr(value);
}

QString TChartSeries::XValueText(int index) const {
  const double x = xValues_->Values()[static_cast<std::size_t>(index)];
  if (xValues_->DateTime()) return ValueText(*xValues_, x);
  if (const TChartAxis* axis = GetHorizAxis()) return axis->LabelValue(x);
  return base::FormatFloat(valueFormat_, x);
}

namespace {

// 100 x part / whole, or 100 when the whole is 0.
double PercentOf(double part, double whole) {
  return whole == 0 ? 100 : 100 * part / whole;
}

}  // namespace

QString TChartSeries::MarkText(int index) const {
  QString text;
  if (index < 0 || index >= PointCount()) return text;
  const bool multiLine = marks_->MultiLine();
  const QString sep = multiLine ? QString(kLineSeparator) : QStringLiteral(" ");
  const double v = mandatory_->Values()[static_cast<std::size_t>(index)];
  const QString value = ValueText(*mandatory_, v);
  const QString label = GetXLabel(index);
  const QString labelOrValue = label.isEmpty() ? value : label;
  const double sum = PercentTotal();
  const QString percent = base::FormatFloat(percentFormat_, PercentOf(std::abs(v), sum));
  const auto percentTotal = [&] {
    return ChartFormat(multiLine ? ChartMsg::MarkOfMultiLine : ChartMsg::MarkOf,
                       {percent, base::FormatFloat(valueFormat_, sum)});
  };
  switch (marks_->Style()) {
    case TSeriesMarks::smsValue:
      text = value;
      break;
    case TSeriesMarks::smsPercent:
      text = percent;
      break;
    case TSeriesMarks::smsLabel:
      text = labelOrValue;
      break;
    case TSeriesMarks::smsLabelPercent:
      text = labelOrValue + sep + percent;
      break;
    case TSeriesMarks::smsLabelValue:
      text = labelOrValue + sep + value;
      break;
    case TSeriesMarks::smsLegend:
      if (SeriesDrawingChart* chart = Drawing()) text = chart->FormattedValueLegend(*this, index);
      break;
    case TSeriesMarks::smsPercentTotal:
      text = percentTotal();
      break;
    case TSeriesMarks::smsLabelPercentTotal:
      text = labelOrValue + sep + percentTotal();
      break;
    case TSeriesMarks::smsXValue:
      text = XValueText(index);
      break;
    case TSeriesMarks::smsXY:
      text = XValueText(index) + sep + value;
      break;
  }
  if (OnGetMarkText) OnGetMarkText(*this, index, text);
  return text;
}

QString TChartSeries::LegendString(int legendIndex, TLegendTextStyle style) const {
  const int i = LegendToValueIndex(legendIndex);
  const QString label = GetXLabel(i);
  if (style == ltsPlain || i < 0 || i >= PointCount()) return label;
  const double v = mandatory_->Values()[static_cast<std::size_t>(i)];
  const QString value = ValueText(*mandatory_, v);
  const QString percent = base::FormatFloat(percentFormat_, PercentOf(v, PercentTotal()));
  const QString sep(kColumnSeparator);
  const auto left = [&](const QString& t) { return label.isEmpty() ? t : t + sep + label; };
  const auto right = [&](const QString& t) { return label.isEmpty() ? t : label + sep + t; };
  switch (style) {
    case ltsPlain:
      break;
    case ltsLeftValue:
      return left(value);
    case ltsRightValue:
      return right(value);
    case ltsLeftPercent:
      return left(percent);
    case ltsRightPercent:
      return right(percent);
    case ltsXValue:
      return XValueText(i);
    case ltsValue:
      return value;
    case ltsPercent:
      return percent;
    case ltsXAndValue:
      return XValueText(i) + sep + value;
    case ltsXAndPercent:
      return XValueText(i) + sep + percent;
  }
  return label;
}

// --- legend symbol --------------------------------------------------------------------------

void TChartSeries::DrawLegend(int legendIndex, const TRect& r) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || (legendIndex == -1 && colorEachPoint_)) return;
  TCanvas3D& canvas = chart->Canvas();
  canvas.AssignPen(*Pen());
  const base::TColor color = legendIndex == -1 ? seriesColor_ : LegendItemColor(legendIndex);
  if (color == base::clNone) return;
  base::TColor back = chart->LegendBackColor();
  TChartBrush brush;
  brush.Assign(*Brush());
  brush.SetColor(color);
  PrepareLegendCanvas(legendIndex, back, brush);
  canvas.AssignBrush(brush, back, color);
  DrawLegendSymbolRect(r, back);
}

void TChartSeries::DrawLegendSymbolRect(const TRect& r, base::TColor backColor) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  TCanvas3D& canvas = chart->Canvas();
  canvas.DoRectangle(r);
  DrawingBackend& backend = canvas.ReferenceCanvas();
  if (backend.brush().color != backColor) return;
  // The symbol would vanish in the legend: outline it.
  if (backend.brush().color == base::clBlack) {
    BackendPen pen = backend.pen();
    pen.color = base::clWhite;
    backend.setPen(pen);
  }
  BackendBrush clear = backend.brush();
  clear.style = bsClear;
  backend.setBrush(clear);
  canvas.DoRectangle(r);
}
