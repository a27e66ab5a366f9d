#include "chart/model/TCustomAxisPanel.h"

#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/SeriesPaging.h"

#include <QStringList>

#include <algorithm>

// The axes hold their chart as a TAxisChart, a ChartHost of its own; the
// panel is a ChartHost for its series. This small object answers the axes
// on the panel's behalf, so that neither host is shared.
class TCustomAxisPanel::AxisLink final : public TAxisChart {
 public:
  explicit AxisLink(TCustomAxisPanel& panel) : panel_(panel) {}
  ~AxisLink() override { HostGone(); }

  void Invalidate() override { panel_.InvalidateChart(); }
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) override {
    panel_.BroadcastSeriesEvent(event, series);
  }
  bool ReadingStoredState() const override { return panel_.ReadingStoredState(); }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}

  TCanvas3D& Canvas() override { return panel_.Canvas(); }
  TRect ChartRect() const override { return panel_.ChartRect(); }
  int Width3D() const override { return 0; }
  bool View3D() const override { return panel_.View3D(); }
  bool FlatDepthLabels() const override { return true; }
  bool AxisBehind() const override { return true; }
  bool AxisDrawn(const TChartAxis& axis) const override { return axis.Visible(); }
  int WallSize(AxisSide) const override { return 0; }
  int MultiLineTextWidth(const QString& text, int& lines) const override {
    const QStringList parts = text.split(QLatin1Char('\r'));
    lines = static_cast<int>(parts.size());
    int widest = 0;
    for (const QString& p : parts) widest = std::max(widest, panel_.Canvas().TextWidth(p));
    return widest;
  }
  int MaxTextWidth(const TChartAxis&) const override { return 0; }
  int MaxMarkWidth(const TChartAxis&) const override { return 0; }
  double MinAxisValue(const TChartAxis& axis) const override { return panel_.MinMax(axis, false); }
  double MaxAxisValue(const TChartAxis& axis) const override { return panel_.MinMax(axis, true); }
  std::vector<const AxisLabelSource*> AxisSeries(const TChartAxis& axis) const override {
    std::vector<const AxisLabelSource*> result;
    for (TChartSeries* s : panel_.series_)
      if (s->Active() && panel_.IsAssociated(*s, axis)) result.push_back(s);
    return result;
  }
  std::vector<const AxisLabelSource*> ActiveSeries() const override {
    std::vector<const AxisLabelSource*> result;
    for (TChartSeries* s : panel_.series_)
      if (s->Active()) result.push_back(s);
    return result;
  }
  void GetAxisLabel(const TChartAxis&, const AxisLabelSource*, int, QString&) const override {}
  bool HasNextAxisLabel() const override { return false; }
  void GetNextAxisLabel(const TChartAxis&, int, double&, bool& stop) const override { stop = true; }
  int DevicePenWidth(int width) const override { return width; }

 private:
  TCustomAxisPanel& panel_;
};

TCustomAxisPanel::TCustomAxisPanel(QObject* parent)
    : TCustomPlotPanelExtended(parent), axisLink_(std::make_unique<AxisLink>(*this)) {
  leftAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), false, false);
  leftAxis_->Title()->SetAngle(90);
  topAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), true, true);
  rightAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), false, true);
  rightAxis_->Title()->SetAngle(270);
  bottomAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), true, false);
  depthAxis_ = std::make_unique<TChartDepthAxis>(axisLink_.get());
  depthAxis_->SetVisible(false);
  depthAxis_->SetOtherSide(true);
}

TCustomAxisPanel::~TCustomAxisPanel() {
  // The series outlive the chart that lists them: they see no chart from now.
  HostGone();
  series_.clear();
}

TChartSeries* TCustomAxisPanel::GetSeries(int index) const {
  // A caller's mistake, not a user's: the fixed message table has no entry
  // for it.
  if (index < 0 || index >= SeriesCount())
    throw ChartException(QStringLiteral("Series index %1 out of bounds (0 to %2).")
                             .arg(index)
                             .arg(SeriesCount() - 1));
  return series_[static_cast<size_t>(index)];
}

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* series) {
  if (series) series->SetParentChart(this);
  return series;
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* series) {
  if (series && series->ParentChart() == this) series->SetParentChart(nullptr);
}

void TCustomAxisPanel::ExchangeSeries(int a, int b) {
  TChartSeries* first = GetSeries(a);
  TChartSeries* second = GetSeries(b);
  series_[static_cast<size_t>(a)] = second;
  series_[static_cast<size_t>(b)] = first;
  BroadcastSeriesEvent(seOrderChanged, first);
  InvalidateChart();
}

TChartSeries* TCustomAxisPanel::FirstActiveSeries() const {
  for (TChartSeries* s : series_)
    if (s->Active()) return s;
  return nullptr;
}

int TCustomAxisPanel::CountActiveSeries() const {
  return static_cast<int>(std::count_if(series_.begin(), series_.end(),
                                        [](const TChartSeries* s) { return s->Active(); }));
}

TAxisChart& TCustomAxisPanel::AxisServices() {
  return *axisLink_;
}

void TCustomAxisPanel::ElementAttached(TPlotPersistent* element) {
  auto* series = dynamic_cast<TChartSeries*>(element);
  if (!series || std::find(series_.begin(), series_.end(), series) != series_.end()) return;
  series_.push_back(series);
  BroadcastSeriesEvent(seAdd, series);
  InvalidateChart();
}

void TCustomAxisPanel::ElementDetached(TPlotPersistent* element) {
  auto it = std::find(series_.begin(), series_.end(), element);
  if (it == series_.end()) return;
  series_.erase(it);
  BroadcastSeriesEvent(seRemove, element);
  InvalidateChart();
}

void TCustomAxisPanel::BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) {
  TPlotSeriesEvent e;
  e.Sender = this;
  e.Event = event;
  e.Series = series;
  // A listener may leave the list while it hears the event.
  const std::vector<TPlotEventListener*> listeners = Listeners();
  for (TPlotEventListener* l : listeners) l->PlotEvent(e);
}

bool TCustomAxisPanel::IsValidDataSource(const TChartSeries& series, const QObject* source) const {
  const auto* other = qobject_cast<const TChartSeries*>(source);
  return other && other != &series && other->IsValidSeriesSource();
}

void TCustomAxisPanel::CheckDatasource(TChartSeries& series) {
  if (ReadingStoredState()) return;
  if (const auto* source = qobject_cast<const TChartSeries*>(series.DataSource()))
    series.AddValues(*source);
}

bool TCustomAxisPanel::IsAssociated(const TChartSeries& series, const TChartAxis& axis) const {
  if (&axis == topAxis_.get())
    return series.HorizAxis() == TChartSeries::aTopAxis ||
           series.HorizAxis() == TChartSeries::aBothHorizAxis;
  if (&axis == bottomAxis_.get())
    return series.HorizAxis() == TChartSeries::aBottomAxis ||
           series.HorizAxis() == TChartSeries::aBothHorizAxis;
  if (&axis == leftAxis_.get())
    return series.VertAxis() == TChartSeries::aLeftAxis ||
           series.VertAxis() == TChartSeries::aBothVertAxis;
  if (&axis == rightAxis_.get())
    return series.VertAxis() == TChartSeries::aRightAxis ||
           series.VertAxis() == TChartSeries::aBothVertAxis;
  return false;
}

double TCustomAxisPanel::MinMax(const TChartAxis& axis, bool isMax) const {
  if (&axis == depthAxis_.get()) {
    double result = 0;
    bool found = false;
    for (const TChartSeries* s : series_) {
      if (!s->Active()) continue;
      const double v = isMax ? s->MaxZValue() : s->MinZValue();
      if (!found || (isMax ? v > result : v < result)) result = v;
      found = true;
    }
    return found ? result : (isMax ? 0.5 : -0.5);
  }
  const bool horizontal = axis.Horizontal();
  const TChartSeries* pagingSeries = nullptr;
  bool activeOnAxis = false;
  for (const TChartSeries* s : series_) {
    if (!IsAssociated(*s, axis)) continue;
    if (s->Active()) {
      if (!activeOnAxis) pagingSeries = s;
      activeOnAxis = true;
    } else if (!pagingSeries) {
      pagingSeries = s;
    }
  }
  // Pages cut the values that are not the mandatory ones: X of a Y series.
  if (maxPointsPerPage_ > 0 && pagingSeries && pagingSeries->PointCount() > 0 &&
      horizontal == pagingSeries->YMandatory()) {
    const TChartValueList& list = horizontal ? *pagingSeries->XValues() : *pagingSeries->YValues();
    const PagePoints points = PagePointsOf(pagingSeries->PointCount(), maxPointsPerPage_, page_);
    double minimum = list.Values()[static_cast<size_t>(points.first)];
    double maximum = list.Values()[static_cast<size_t>(points.last)];
    if (!scaleLastPage_ && points.Count() < maxPointsPerPage_)
      ScaleShortPage(list.Values(), points, maxPointsPerPage_, minimum, maximum);
    return isMax ? maximum : minimum;
  }
  double result = 0;
  bool found = false;
  for (const TChartSeries* s : series_) {
    if (!(s->Active() || !activeOnAxis) || s->PointCount() == 0 || !IsAssociated(*s, axis))
      continue;
    const double v = horizontal ? (isMax ? s->MaxXValue() : s->MinXValue())
                                : (isMax ? s->MaxYValue() : s->MinYValue());
    if (!found || (isMax ? v > result : v < result)) result = v;
    found = true;
  }
  return result;
}

int TCustomAxisPanel::NumPages() const {
  if (maxPointsPerPage_ < 1 || series_.empty()) return 1;
  const TChartSeries* first = series_.front();
  const bool yMandatory = first->YMandatory();
  auto pagesOf = [&](const TChartAxis& axis) {
    int largest = 0;
    for (const TChartSeries* s : series_)
      if (s->Active() && IsAssociated(*s, axis)) largest = std::max(largest, s->PointCount());
    return PageCountOf(largest, maxPointsPerPage_);
  };
  return yMandatory ? std::max(pagesOf(*topAxis_), pagesOf(*bottomAxis_))
                    : std::max(pagesOf(*leftAxis_), pagesOf(*rightAxis_));
}

void TCustomAxisPanel::SetPage(int value) {
  value = std::clamp(value, 1, NumPages());
  if (value == page_) return;
  page_ = value;
  InvalidateChart();
  BroadcastPageChange();
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value) {
  if (value < 0) throw ChartException(ChartText(ChartMsg::MaxPointsPerPage));
  if (value == maxPointsPerPage_) return;
  maxPointsPerPage_ = value;
  page_ = std::clamp(page_, 1, NumPages());
  InvalidateChart();
  BroadcastPageChange();
}

void TCustomAxisPanel::BroadcastPageChange() {
  TPlotPageChangeEvent e;
  e.Sender = this;
  const std::vector<TPlotEventListener*> listeners = Listeners();
  for (TPlotEventListener* l : listeners) l->PlotEvent(e);
  if (OnPageChange) OnPageChange(*this);
}
