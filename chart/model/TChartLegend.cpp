#include "chart/model/TChartLegend.h"

#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomAxisPanel.h"

TChartLegendGradient::TChartLegendGradient(ChangeHandler onChange, QObject* parent)
    : TChartGradient(std::move(onChange), parent) {
  direction_ = gdRightLeft;
  startColor_ = base::clSilver;
  endColor_ = base::clWhite;
}

TChartLegend::TChartLegend(ChartHost* parentChart, ChangeHandler onChange, QObject* parent)
    : TPlotCustomShapePosition(parentChart, std::move(onChange), parent,
                               &NewGradient<TChartLegendGradient>),
      dividingLines_(new TChartHiddenPen([this] { SubObjectChanged(); }, this)),
      symbol_(new TLegendSymbol([this] { SubObjectChanged(); }, this)) {}

void TChartLegend::SetDividingLines(TChartPen* value) {
  if (value && value != dividingLines_) dividingLines_->Assign(*value);
}

void TChartLegend::SetFirstValue(int value) {
  if (value < 0) throw LegendException(ChartText(ChartMsg::LegendFirstValue));
  StoreAndRepaint(firstValue_, value);
}

void TChartLegend::SetSymbol(TLegendSymbol* value) {
  if (value && value != symbol_) symbol_->Assign(*value);
}

void TChartLegend::Assign(const TChartLegend& source) {
  if (&source == this) return;
  TPlotCustomShapePosition::Assign(source);
  SetAlignment(source.alignment_);
  SetCheckBoxes(source.checkBoxes_);
  SetCurrentPage(source.currentPage_);
  SetDividingLines(source.dividingLines_);
  SetFirstValue(source.firstValue_);
  SetFontSeriesColor(source.fontSeriesColor_);
  SetHorizMargin(source.horizMargin_);
  SetInverted(source.inverted_);
  SetLegendStyle(source.legendStyle_);
  SetMaxNumRows(source.maxNumRows_);
  SetResizeChart(source.resizeChart_);
  SetSymbol(source.symbol_);
  SetTextStyle(source.textStyle_);
  SetTopPos(source.topPos_);
  SetVertMargin(source.vertMargin_);
  SetVertSpacing(source.vertSpacing_);
}

TCustomAxisPanel* TChartLegend::Chart() const {
  return dynamic_cast<TCustomAxisPanel*>(ParentChart());
}

TChartLegend::TLegendStyle TChartLegend::ResolvedStyle() const {
  if (legendStyle_ != lsAuto) return legendStyle_;
  const TCustomAxisPanel* chart = Chart();
  const int active = chart ? chart->CountActiveSeries() : 0;
  return !checkBoxes_ && active < 2 ? lsValues : lsSeries;
}

bool TChartLegend::ShowsCheckBoxes() const {
  return checkBoxes_ && ResolvedStyle() != lsValues;
}

bool TChartLegend::MustDraw() const {
  const TCustomAxisPanel* chart = Chart();
  return Visible() && chart && (ShowsCheckBoxes() || chart->CountActiveSeries() > 0);
}

TChartSeries* TChartLegend::ValuesSeries() const {
  if (series_) return series_;
  const TCustomAxisPanel* chart = Chart();
  return chart ? chart->FirstActiveSeries() : nullptr;
}

void TChartLegend::SetSeries(TChartSeries* value) {
  if (series_ == value) return;
  series_ = value;
  Repaint();
}

QString TChartLegend::FormattedValue(const TChartSeries& series, int index) const {
  QString text = series.LegendString(index, textStyle_);
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text;
}

std::vector<TChartSeries*> TChartLegend::LegendSeries() const {
  std::vector<TChartSeries*> list;
  const TCustomAxisPanel* chart = Chart();
  if (!chart) return list;
  for (TChartSeries* s : chart->SeriesList()) {
    if (s->ShowInLegend() && (checkBoxes_ || s->Active())) list.push_back(s);
  }
  return list;
}

TChartSeries* TChartLegend::ItemSeries(int index) const {
  if (ResolvedStyle() == lsValues || index < 0) return nullptr;
  const std::vector<TChartSeries*> list = LegendSeries();
  return index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)] : nullptr;
}

bool TChartLegend::ToggleItemSeries(int index) {
  if (!ShowsCheckBoxes()) return false;
  TChartSeries* series = ItemSeries(index);
  if (!series) return false;
  series->SetActive(!series->Active());
  return true;
}

int TChartLegend::Clicked(int x, int y) const {
  // A legend the chart no longer draws leaves no items behind.
  if (!MustDraw()) return -1;
  // The last drawn wins where the chart moved items over each other.
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
    const TRect& r = it->rect;
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return it->index;
  }
  return -1;
}
