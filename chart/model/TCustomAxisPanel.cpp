#include "chart/model/TCustomAxisPanel.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/AxisPanelLink.h"
#include "chart/model/TCustomChartElement.h"
#include "chart/model/TPlotSeriesSource.h"

#include <algorithm>

TCustomAxisPanel::TCustomAxisPanel(QObject* parent)
    : TCustomPlotPanelExtended(parent), axisLink_(std::make_unique<AxisLink>(*this)), tools_(this) {
  leftAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), false, false);
  leftAxis_->Title()->SetAngle(90);
  topAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), true, true);
  rightAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), false, true);
  rightAxis_->Title()->SetAngle(270);
  bottomAxis_ = std::make_unique<TChartAxis>(axisLink_.get(), true, false);
  depthAxis_ = std::make_unique<TChartDepthAxis>(axisLink_.get());
  customAxes_ = std::make_unique<TChartCustomAxes>(axisLink_.get(), [this] { InvalidateChart(); });
}

TCustomAxisPanel::~TCustomAxisPanel() {
  // The series outlive the chart that lists them: they see no chart from now.
  HostGone();
  series_.clear();
  tools_.Clear();
}

void TCustomAxisPanel::SetCustomAxes(TChartCustomAxes* value) {
  if (value && value != customAxes_.get()) customAxes_->Assign(*value);
}

void TCustomAxisPanel::CopyAxis(TChartAxis& target, const TChartAxis* value) {
  if (value && value != &target) target.Assign(*value);
}

void TCustomAxisPanel::Assign(const TCustomPlotPanel& source) {
  if (const auto* s = qobject_cast<const TCustomAxisPanel*>(&source)) {
    axisBehind_ = s->axisBehind_;
    axisVisible_ = s->axisVisible_;
    leftAxis_->Assign(*s->leftAxis_);
    topAxis_->Assign(*s->topAxis_);
    rightAxis_->Assign(*s->rightAxis_);
    bottomAxis_->Assign(*s->bottomAxis_);
    depthAxis_->Assign(*s->depthAxis_);
    clipPoints_ = s->clipPoints_;
    customAxes_->Assign(*s->customAxes_);
    maxPointsPerPage_ = s->maxPointsPerPage_;
    page_ = s->page_;
    scaleLastPage_ = s->scaleLastPage_;
    view3DWalls_ = s->view3DWalls_;
  }
  TCustomPlotPanelExtended::Assign(source);
}

// --- series list ----------------------------------------------------------------------

TChartSeries* TCustomAxisPanel::GetSeries(int index) const {
  // A caller's mistake, not a user's: the fixed message table has no entry
  // for it.
  if (index < 0 || index >= SeriesCount())
    throw ChartException(QStringLiteral("Series index %1 out of bounds (0 to %2).")
                             .arg(index)
                             .arg(SeriesCount() - 1));
  return series_[static_cast<size_t>(index)];
}

int TCustomAxisPanel::IndexOfSeries(const TChartSeries* series) const {
  const auto it = std::find(series_.begin(), series_.end(), series);
  return it == series_.end() ? -1 : static_cast<int>(it - series_.begin());
}

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* series) {
  if (series) series->SetParentChart(this);
  return series;
}

TChartSeries* TCustomAxisPanel::AddSeriesOfClass(const QMetaObject& metaObject) {
  const ChartClassEntry* entry = ChartClasses().Find(
      QString::fromLatin1(metaObject.className()).section(QLatin1String("::"), -1));
  if (!entry || entry->metaObject != &metaObject || !entry->create) return nullptr;
  QObject* owner = parent() ? parent() : this;
  TPlotPersistent* made = entry->create(owner);
  auto* series = qobject_cast<TChartSeries*>(made);
  if (!series) {
    delete made;
    return nullptr;
  }
  return AddSeries(series);
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

void TCustomAxisPanel::FreeAllSeries(const QMetaObject* metaObject) {
  const std::vector<TChartSeries*> list = series_;
  for (TChartSeries* s : list) {
    if (metaObject && !s->metaObject()->inherits(metaObject)) continue;
    s->SetParentChart(nullptr);
    delete s;
  }
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

TChartSeries* TCustomAxisPanel::SeriesLegend(int index, bool onlyActive) const {
  int n = 0;
  for (TChartSeries* s : series_) {
    if (!s->ShowInLegend() || (onlyActive && !s->Active())) continue;
    if (n == index) return s;
    ++n;
  }
  return nullptr;
}

QString TCustomAxisPanel::SeriesTitleLegend(int index, bool onlyActive) const {
  const TChartSeries* s = SeriesLegend(index, onlyActive);
  return s ? SeriesTitleOrName(*s) : QString();
}

QString TCustomAxisPanel::SeriesTitleOrName(const TChartSeries& series) const {
  if (!series.Title().isEmpty()) return series.Title();
  if (!series.objectName().isEmpty()) return series.objectName();
  return ChartText(ChartMsg::Series) + QLatin1Char(' ') + QString::number(IndexOfSeries(&series));
}

std::vector<std::pair<QString, TChartSeries*>> TCustomAxisPanel::FillSeriesTitles() const {
  std::vector<std::pair<QString, TChartSeries*>> titles;
  titles.reserve(series_.size());
  for (TChartSeries* s : series_) titles.emplace_back(SeriesTitleOrName(*s), s);
  return titles;
}

void TCustomAxisPanel::ElementAttached(TPlotPersistent* element) {
  auto* series = dynamic_cast<TChartSeries*>(element);
  if (!series || std::find(series_.begin(), series_.end(), series) != series_.end()) return;
  if (quietList_) {
    series_.push_back(series);
    return;
  }
  series->Added();
  series_.push_back(series);
  BroadcastSeriesEvent(seAdd, series);
  InvalidateChart();
}

void TCustomAxisPanel::ElementDetached(TPlotPersistent* element) {
  auto it = std::find(series_.begin(), series_.end(), element);
  if (it == series_.end()) return;
  if (quietList_) {
    series_.erase(it);
    return;
  }
  // A series leaves its chart first thing when it is destroyed, so that
  // Removed and the listeners still see a whole series.
  if (auto* series = dynamic_cast<TChartSeries*>(element)) {
    series->Removed();
    // Shown while the mouse was over the series: the chart's own comes
    // back now, not at the next move of the mouse.
    if (CurrentCursor() == series->Cursor()) SetCurrentCursor(Cursor());
  }
  series_.erase(std::find(series_.begin(), series_.end(), element));
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
  if (const auto* other = qobject_cast<const TChartSeries*>(source))
    return other != &series && other->IsValidSeriesSource();
  const auto* component = qobject_cast<const TPlotSeriesSource*>(source);
  return component && component->Available();
}

void TCustomAxisPanel::CheckDatasource(TChartSeries& series) {
  if (ReadingStoredState()) return;
  QObject* source = series.DataSource();
  if (const auto* other = qobject_cast<const TChartSeries*>(source)) {
    series.AddValues(*other);
  } else if (auto* component = qobject_cast<TPlotSeriesSource*>(source)) {
    if (component->Active()) {
      component->SetSeries(&series);
      component->Load();
    }
  }
}

// --- tools ----------------------------------------------------------------------------

void TCustomAxisPanel::NotifyToolsPaint(TChartToolEvent event) {
  for (const auto& tool : tools_.Items())
    if (tool->Active()) tool->ChartEvent(event);
}

void TCustomAxisPanel::NotifyToolsMouse(int kind, TMouseButton button, TShiftState shift, int x,
                                        int y) {
  for (const auto& tool : tools_.Items()) {
    if (!tool->Active()) continue;
    tool->ChartMouseEvent(kind, button, shift, x, y);
    if (CancelMouse()) break;
  }
}

// --- pages ----------------------------------------------------------------------------

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
