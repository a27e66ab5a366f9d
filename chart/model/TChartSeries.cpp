#include "chart/model/TChartSeries.h"

#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPalette.h"
#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartCustomAxes.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotFunction.h"

#include <QScopedValueRollback>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A bulk fill (an update that at least grew the series by a quarter) gives
// back the lists' slack when it is above a quarter, so ten million points
// cost their 16 bytes and not up to twice that. Small updates keep the
// slack: trimming after each would make repeated appends quadratic.
constexpr double TrimSlack = 1.25;

}  // namespace

TChartSeries::TChartSeries(QObject* owner) : TChartSeries(ChangeHandler{}, owner) {}

TChartSeries::TChartSeries(ChangeHandler onChange, QObject* owner)
    : TCustomChartSeries(std::move(onChange), owner),
      // The formats a translation gives (the declared defaults are the
      // English table's).
      percentFormat_(ChartText(ChartMsg::PercentFormat)),
      valueFormat_(ChartText(ChartMsg::ValuesFormat)),
      valuesList_(this, [this] {
        if (constructed_) Changed();
      }) {
  Init();
  constructed_ = true;
}

void TChartSeries::Init() {
  xValues_ = &valuesList_.Add(QStringLiteral("X"));
  yValues_ = &valuesList_.Add(QStringLiteral("Y"));
  // Set before the lists report changes: a new series has made none.
  xValues_->SetOrder(loAscending);
  mandatory_ = yValues_;
  notMandatory_ = xValues_;
  marks_ = new TSeriesMarks(
      nullptr, [this] { Changed(); }, this);
  marks_->SetSeries(this);
}

void TChartSeries::SetParentChart(ChartHost* value) {
  marks_->SetParentChart(value);
  drawing_ = dynamic_cast<SeriesDrawingChart*>(value);
  TCustomChartSeries::SetParentChart(value);
}

TChartSeries::~TChartSeries() {
  destroying_ = true;
  SetParentChart(nullptr);
  LeaveSources();
  // Dependants forget this series as their source.
  const std::vector<TChartSeries*> dependants = linked_;
  for (TChartSeries* d : dependants) {
    auto& list = d->dataSources_;
    list.erase(std::remove(list.begin(), list.end(), static_cast<QObject*>(this)), list.end());
  }
  linked_.clear();
  marks_->SetSeries(nullptr);
}

// --- published --------------------------------------------------------------

void TChartSeries::SetSeriesColor(base::TColor value) {
  if (!SetColorProperty(seriesColor_, value) || takingFreeColor_) return;
  if (ChartHost* chart = ParentChart()) chart->BroadcastSeriesEvent(seColorChanged, this);
}

void TChartSeries::SetColorEachPoint(bool value) {
  if (!SetBooleanProperty(colorEachPoint_, value) || value || !hasColors_) return;
  // A null point keeps its colour: without the list it would show again.
  const bool anyNull = std::find(colors_.begin(), colors_.end(), base::clNone) != colors_.end();
  if (!anyNull) {
    colors_.clear();
    colors_.shrink_to_fit();
    hasColors_ = false;
  }
}

void TChartSeries::SetColorSource(const QString& value) {
  if (SetStringProperty(colorSource_, value)) CheckDataSource();
}

void TChartSeries::SetXLabelsSource(const QString& value) {
  if (SetStringProperty(xLabelsSource_, value)) CheckDataSource();
}

void TChartSeries::SetMarks(TSeriesMarks* value) {
  if (value && value != marks_) marks_->Assign(*value);
}

void TChartSeries::AssignValueList(TChartValueList& to, const TChartValueList* from) {
  if (!from || from == &to) return;
  to.Assign(*from);
  to.SetName(from->Name());
}

void TChartSeries::SetXValues(TChartValueList* value) {
  AssignValueList(*xValues_, value);
}

void TChartSeries::SetYValues(TChartValueList* value) {
  AssignValueList(*yValues_, value);
}

void TChartSeries::SetMandatoryLists() {
  mandatory_ = xValues_;
  notMandatory_ = yValues_;
  yMandatory_ = false;
}

// --- points -------------------------------------------------------------------

int TChartSeries::AddPointXY(double x, double y, const QString& label, base::TColor color) {
  xValues_->SetTempValue(x);
  yValues_->SetTempValue(y);
  if (OnBeforeAdd && !OnBeforeAdd(*this)) return -1;
  const int index = StorePoint(xValues_->TempValue(), yValues_->TempValue(), label, color);
  if (updateCount_ == 0) NotifyNewValue(index);
  return index;
}

int TChartSeries::StorePoint(double x, double y, const QString& label, base::TColor color) {
  NoteValue(x, y);
  // The list of positions (X, or Y for a series whose values run along the
  // horizontal axis) places the point by its order; the values follow it.
  const bool byX = notMandatory_ == xValues_;
  const int index = notMandatory_->AddChartValue(byX ? x : y);
  mandatory_->InsertChartValue(index, byX ? y : x);
  for (int k = 2; k < valuesList_.Count(); ++k) {
    TChartValueList& list = valuesList_[k];
    list.InsertChartValue(index, list.TempValue());
  }
  const auto at = static_cast<std::size_t>(index);
  if (hasColors_) {
    colors_.insert(colors_.begin() + index, color);
  } else if (color != clPlotColor) {
    colors_.assign(static_cast<std::size_t>(PointCount() - 1), clPlotColor);
    colors_.insert(colors_.begin() + index, color);
    hasColors_ = true;
  }
  if (!label.isEmpty() || !labels_.empty()) {
    if (labels_.size() < at) labels_.resize(at);
    labels_.insert(labels_.begin() + index, label);
  }
  return index;
}

int TChartSeries::Add(double value, const QString& label, base::TColor color) {
  if (yMandatory_) return AddPointXY(xValues_->Count(), value, label, color);
  return AddPointXY(value, yValues_->Count(), label, color);
}

int TChartSeries::AddNull(const QString& label) {
  return Add(0, label, base::clNone);
}

int TChartSeries::AddNullXY(double x, double y, const QString& label) {
  return AddPointXY(x, y, label, base::clNone);
}

void TChartSeries::NotifyNewValue(int valueIndex) {
  if (OnAfterAdd) OnAfterAdd(*this, valueIndex);
  NotifyValue(SeriesValueEvent::Add, valueIndex);
  if (Active()) Repaint();
}

void TChartSeries::ClearLists() {
  for (int k = 0; k < valuesList_.Count(); ++k) valuesList_[k].ClearValues();
  colors_.clear();
  colors_.shrink_to_fit();
  hasColors_ = false;
  labels_.clear();
  labels_.shrink_to_fit();
  marks_->Positions().Clear();
  xMayHoldNaN_ = false;
  yMayHoldNaN_ = false;
}

void TChartSeries::ClearValues() {
  ClearLists();
  if (OnClearValues) OnClearValues(*this);
  NotifyValue(SeriesValueEvent::Clear, 0);
  // A chart on its way out has no ParentChart any more: no repaint then.
  if (Active()) Repaint();
}

void TChartSeries::RaiseIndex(int index) const {
  throw ChartException(ChartFormat(ChartMsg::DeleteIndexOutOfBounds, {index, PointCount() - 1}));
}

void TChartSeries::Delete(int valueIndex) {
  CheckIndex(valueIndex);
  for (int k = 0; k < valuesList_.Count(); ++k) valuesList_[k].Delete(valueIndex);
  const auto at = static_cast<std::size_t>(valueIndex);
  if (hasColors_ && colors_.size() > at) colors_.erase(colors_.begin() + valueIndex);
  if (labels_.size() > at) labels_.erase(labels_.begin() + valueIndex);
  marks_->Positions().Delete(valueIndex);
  NotifyValue(SeriesValueEvent::Delete, valueIndex);
  if (Active()) Repaint();
}

void TChartSeries::SwapValueIndex(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  if (a == b) return;
  for (int k = 0; k < valuesList_.Count(); ++k) valuesList_[k].Exchange(a, b);
  const auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
  if (hasColors_) std::swap(colors_[ua], colors_[ub]);
  if (!labels_.empty()) {
    // Labels stop after the last labelled point: pad before exchanging.
    const std::size_t reach = std::max(ua, ub) + 1;
    if (labels_.size() < reach) labels_.resize(reach);
    std::swap(labels_[ua], labels_[ub]);
  }
  if (marks_->Positions().Count() > 0) marks_->Positions().Exchange(a, b);
  Repaint();
}

double TChartSeries::GetXValue(int index) const {
  CheckIndex(index);
  return xValues_->Values()[static_cast<std::size_t>(index)];
}

double TChartSeries::GetYValue(int index) const {
  CheckIndex(index);
  return yValues_->Values()[static_cast<std::size_t>(index)];
}

double TChartSeries::GetMarkValue(int index) const {
  CheckIndex(index);
  return mandatory_->Values()[static_cast<std::size_t>(index)];
}

QString TChartSeries::GetXLabel(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= labels_.size()) return {};
  return labels_[static_cast<std::size_t>(index)];
}

void TChartSeries::SetXLabel(int index, const QString& text) {
  CheckIndex(index);
  const auto at = static_cast<std::size_t>(index);
  if (labels_.size() <= at) {
    if (text.isEmpty()) return;  // nothing to store, nothing changes
    labels_.resize(at + 1);
  }
  labels_[at] = text;
  Repaint();
}

base::TColor TChartSeries::GetValueColor(int index) const {
  if (hasColors_ && index >= 0 && static_cast<std::size_t>(index) < colors_.size()) {
    const base::TColor c = colors_[static_cast<std::size_t>(index)];
    if (c != clPlotColor) return c;
  }
  return colorEachPoint_ ? GetDefaultColor(index) : seriesColor_;
}

void TChartSeries::SetPointColor(int index, base::TColor color) {
  CheckIndex(index);
  if (!hasColors_) {
    if (color == clPlotColor) return;
    colors_.assign(static_cast<std::size_t>(PointCount()), clPlotColor);
    hasColors_ = true;
  }
  colors_[static_cast<std::size_t>(index)] = color;
  Repaint();
}

void TChartSeries::EndUpdate() {
  if (updateCount_ <= 0) return;
  if (--updateCount_ > 0) return;
  TrimAfterUpdate();
  NotifyValue(SeriesValueEvent::Refresh, 0);
  if (ChartHost* chart = ParentChart()) chart->BroadcastSeriesEvent(seRefresh, this);
  Repaint();
}

void TChartSeries::TrimAfterUpdate() {
  const int count = PointCount();
  const int added = count - countAtBeginUpdate_;
  countAtBeginUpdate_ = count;
  if (added <= 0 || added * 4 < count) return;
  for (int k = 0; k < valuesList_.Count(); ++k) {
    TChartValueList& list = valuesList_[k];
    if (static_cast<double>(list.Capacity()) > TrimSlack * count) list.ShrinkToFit();
  }
}

TChartValueList* TChartSeries::GetYValueList(const QString& name) const {
  const QString wanted = name.toUpper();
  for (int k = 2; k < valuesList_.Count(); ++k) {
    if (valuesList_[k].Name().toUpper() == wanted) return &valuesList_[k];
  }
  return mandatory_;
}

bool TChartSeries::HasPointTexts() const {
  return !labels_.empty() && !labels_.front().isEmpty();
}

// --- sources and dependants ----------------------------------------------------------

SeriesChart* TChartSeries::Services() const {
  return dynamic_cast<SeriesChart*>(ParentChart());
}

QObject* TChartSeries::DataSource() const {
  for (const QPointer<QObject>& s : dataSources_) {
    if (s) return s.data();
  }
  return nullptr;
}

std::vector<QObject*> TChartSeries::DataSources() const {
  std::vector<QObject*> out;
  for (const QPointer<QObject>& s : dataSources_) {
    if (s) out.push_back(s.data());
  }
  return out;
}

void TChartSeries::AddLinked(TChartSeries* dependant) {
  if (std::find(linked_.begin(), linked_.end(), dependant) == linked_.end()) {
    linked_.push_back(dependant);
  }
}

void TChartSeries::RemoveLinked(TChartSeries* dependant) {
  linked_.erase(std::remove(linked_.begin(), linked_.end(), dependant), linked_.end());
}

void TChartSeries::LeaveSources() {
  for (const QPointer<QObject>& s : dataSources_) {
    if (auto* series = qobject_cast<TChartSeries*>(s.data())) series->RemoveLinked(this);
  }
  dataSources_.clear();
}

void TChartSeries::CheckCircularSource(const TChartSeries* source) const {
  // Walks every series `source` takes points from; the visited set ends the
  // walk on any graph, even one a damaged file made circular elsewhere.
  QSet<const TChartSeries*> visited;
  std::vector<const TChartSeries*> pending{source};
  while (!pending.empty()) {
    const TChartSeries* s = pending.back();
    pending.pop_back();
    if (!s || visited.contains(s)) continue;
    if (s == this) throw ChartException(ChartText(ChartMsg::CircularDataSource));
    visited.insert(s);
    for (const QPointer<QObject>& up : s->dataSources_) {
      pending.push_back(qobject_cast<const TChartSeries*>(up.data()));
    }
  }
}

void TChartSeries::SetDataSource(QObject* source) {
  if (!source) {
    if (destroying_) return;
    LeaveSources();
    // A sample chart shows sample points rather than none.
    if (ShowSampleValues && ParentChart())
      FillSampleValues(NumSampleValues());
    else
      ClearValues();
    Repaint();
    return;
  }
  const bool loading = ParentChart() && ParentChart()->ReadingStoredState();
  AddDataSource(source, loading);
}

void TChartSeries::AddDataSource(QObject* source, bool keepOthers) {
  SeriesChart* services = Services();
  if (!services) throw ChartException(ChartText(ChartMsg::NoParentChartDataSource));
  if (!services->IsValidDataSource(*this, source)) {
    throw ChartException(ChartFormat(ChartMsg::InvalidDataSource, {source->objectName()}));
  }
  for (const QPointer<QObject>& s : dataSources_) {
    if (s == source) return;
  }
  auto* series = qobject_cast<TChartSeries*>(source);
  if (series) CheckCircularSource(series);
  if (!keepOthers) LeaveSources();
  dataSources_.emplace_back(source);
  if (series) series->AddLinked(this);
  services->CheckDatasource(*this);
}

namespace {

const QString kCustomHoriz = QStringLiteral("CustomHorizAxis");
const QString kCustomVert = QStringLiteral("CustomVertAxis");

const TChartCustomAxes* CustomAxesOf(const TChartSeries& series) {
  const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series.ParentChart());
  return chart ? chart->CustomAxes() : nullptr;
}

// The place of `axis` among the series' chart's custom axes, or -1.
int CustomAxisPlace(const TChartSeries& series, const TChartAxis* axis) {
  const TChartCustomAxes* axes = CustomAxesOf(series);
  return axes && axis ? axes->IndexOf(axis) : -1;
}

}  // namespace

QStringList TChartSeries::ExtraStoredNames() const {
  QStringList names = TCustomChartSeries::ExtraStoredNames();
  // Also a single source: no published property carries it.
  if (!DataSources().empty()) names << QStringLiteral("DataSources");
  if (horizAxis_ == aCustomHorizAxis && CustomAxisPlace(*this, customHorizAxis_) >= 0)
    names << kCustomHoriz;
  if (vertAxis_ == aCustomVertAxis && CustomAxisPlace(*this, customVertAxis_) >= 0)
    names << kCustomVert;
  return names;
}

QVariant TChartSeries::ExtraStoredValue(const QString& name) const {
  if (name == kCustomHoriz) {
    const int place =
        horizAxis_ == aCustomHorizAxis ? CustomAxisPlace(*this, customHorizAxis_) : -1;
    return place >= 0 ? QVariant(place) : QVariant();
  }
  if (name == kCustomVert) {
    const int place = vertAxis_ == aCustomVertAxis ? CustomAxisPlace(*this, customVertAxis_) : -1;
    return place >= 0 ? QVariant(place) : QVariant();
  }
  if (name != QLatin1String("DataSources")) return TCustomChartSeries::ExtraStoredValue(name);
  QStringList names;
  for (QObject* s : DataSources()) names << s->objectName();
  return names;
}

bool TChartSeries::ReadExtraStored(const QString& name, const QVariant& value) {
  const bool horiz = name.compare(kCustomHoriz, Qt::CaseInsensitive) == 0;
  if (horiz || name.compare(kCustomVert, Qt::CaseInsensitive) == 0) {
    // A series is in its chart when its record is read, and its chart's
    // custom axes are read before it. Stored files are untrusted: a place
    // that names no axis leaves the series on its standard axis.
    const TChartCustomAxes* axes = CustomAxesOf(*this);
    bool ok = false;
    const qlonglong place = value.typeId() == QMetaType::Double ? -1 : value.toLongLong(&ok);
    if (ok && axes && place >= 0 && place < axes->Count()) {
      TChartAxis* axis = axes->Get(static_cast<int>(place));
      if (horiz) {
        SetCustomHorizAxis(axis);
      } else {
        SetCustomVertAxis(axis);
      }
    }
    return true;
  }
  if (name.compare(QLatin1String("DataSources"), Qt::CaseInsensitive) != 0) {
    return TCustomChartSeries::ReadExtraStored(name, value);
  }
  if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QString) {
    pendingSourceNames_ = value.toStringList();
  }
  return true;
}

void TChartSeries::Loaded() {
  const QStringList names = std::exchange(pendingSourceNames_, {});
  const QObject* owner = parent();
  for (const QString& name : names) {
    QObject* found = nullptr;
    if (owner && !name.isEmpty()) {
      for (QObject* child : owner->children()) {
        if (child != this && child->objectName().compare(name, Qt::CaseInsensitive) == 0) {
          found = child;
          break;
        }
      }
    }
    if (!found) continue;
    try {
      AddDataSource(found, true);
    } catch (const ChartException&) {
      // Not a source this series may take: the chart loads without it.
    }
  }
}

namespace {

bool RecalculatesOn(TChartSeries::TRecalcOptions when, SeriesValueEvent event) {
  switch (event) {
    case SeriesValueEvent::Clear:
      return when & TChartSeries::rwClear;
    case SeriesValueEvent::Add:
      return when & TChartSeries::rwInsert;
    case SeriesValueEvent::Delete:
      return when & TChartSeries::rwDelete;
    case SeriesValueEvent::Refresh:
      return true;
    case SeriesValueEvent::Modify:
      return when & TChartSeries::rwModify;
  }
  return false;
}

// Holds a counter up for a scope, also when the scope ends by an exception.
class CountHold {
 public:
  explicit CountHold(int& count) : count_(count) { ++count_; }
  ~CountHold() { --count_; }
  CountHold(const CountHold&) = delete;
  CountHold& operator=(const CountHold&) = delete;

 private:
  int& count_;
};

}  // namespace

void TChartSeries::NotifyValue(SeriesValueEvent event, int valueIndex) {
  if (updateCount_ > 0) return;
  // A dependant may leave meanwhile (its handler frees it): walk a copy and
  // skip those no longer linked.
  const std::vector<TChartSeries*> dependants = linked_;
  const bool holding = holdFunctionNotices_ > 0;
  for (TChartSeries* d : dependants) {
    if (std::find(linked_.begin(), linked_.end(), d) == linked_.end()) continue;
    const TRecalcOptions when = d->recalcWhen_;
    if (d->function_) {
      // One point of a source changes a sum or mean as a whole: recompute
      // from every source.
      if (holding) {
        functionNoticesHeld_ = true;
      } else if (RecalculatesOn(when, event)) {
        d->AddValues(*this);
      }
      continue;
    }
    const QPointer<TChartSeries> alive(d);
    if (holding) ++d->holdFunctionNotices_;
    try {
      switch (event) {
        case SeriesValueEvent::Clear:
          if (when & rwClear) d->ClearValues();
          break;
        case SeriesValueEvent::Add:
          if (when & rwInsert) d->AddSourcePoint(*this, valueIndex);
          break;
        case SeriesValueEvent::Delete:
          if (when & rwDelete) d->DeletedValue(*this, valueIndex);
          break;
        case SeriesValueEvent::Refresh:
          d->AddValues(*this);
          break;
        case SeriesValueEvent::Modify:
          if (when & rwModify) d->AddValues(*this);
          break;
      }
    } catch (...) {
      if (holding && alive) --d->holdFunctionNotices_;
      throw;
    }
    if (holding && alive) {
      --d->holdFunctionNotices_;
      // A function further down waits for this refill's end too.
      if (d->functionNoticesHeld_) functionNoticesHeld_ = true;
    }
  }
}

void TChartSeries::ReleaseFunctionNotices() {
  if (!std::exchange(functionNoticesHeld_, false) || updateCount_ > 0) return;
  const std::vector<TChartSeries*> dependants = linked_;
  for (TChartSeries* d : dependants) {
    if (std::find(linked_.begin(), linked_.end(), d) == linked_.end()) continue;
    if (d->function_) {
      d->AddValues(*this);
    } else {
      d->ReleaseFunctionNotices();
    }
  }
}

void TChartSeries::AddValues(const TChartSeries& source) {
  {
    const CountHold hold(holdFunctionNotices_);
    if (function_) {
      // The function computes the points from every source.
      std::vector<TChartSeries*> sources;
      for (QObject* s : DataSources())
        if (auto* series = qobject_cast<TChartSeries*>(s)) sources.push_back(series);
      function_->AddPoints(sources);
    } else {
      ClearValues();
      xValues_->SetDateTime(source.xValues_->DateTime());
      yValues_->SetDateTime(source.yValues_->DateTime());
      // A copy takes the user's points, not those the source's paint adds.
      const SeriesUserPoints points(source);
      for (int i = 0; i < points.Count(); ++i) AddSourcePoint(source, points.PointIndex(i));
    }
  }
  if (holdFunctionNotices_ == 0) ReleaseFunctionNotices();
}

int TChartSeries::AddChartValue(const TChartSeries& source, int valueIndex) {
  // Through the lists, not AddPointXY: a series type whose AddPointXY sets
  // a further list would lose the source's values, and OnBeforeAdd must not
  // put a dependant out of step with its source.
  const auto at = static_cast<std::size_t>(valueIndex);
  double x = source.UserValue(*source.xValues_, valueIndex);
  double y = source.UserValue(*source.yValues_, valueIndex);
  if (yMandatory_ != source.yMandatory_) std::swap(x, y);
  for (int k = 2; k < valuesList_.Count(); ++k) {
    const bool present = k < source.valuesList_.Count();
    valuesList_[k].SetTempValue(present ? source.valuesList_[k].Values()[at] : 0.0);
  }
  const base::TColor color =
      source.hasColors_ && source.colors_.size() > at ? source.colors_[at] : clPlotColor;
  return StorePoint(x, y, source.GetXLabel(valueIndex), color);
}

void TChartSeries::AddSourcePoint(const TChartSeries& source, int valueIndex) {
  if (valueIndex < 0 || valueIndex >= source.PointCount()) return;
  const int index = AddChartValue(source, valueIndex);
  if (index >= 0 && updateCount_ == 0) NotifyNewValue(index);
}

void TChartSeries::DeletedValue(const TChartSeries& /*source*/, int valueIndex) {
  if (valueIndex >= 0 && valueIndex < PointCount()) Delete(valueIndex);
}

// --- value-list owner ------------------------------------------------------------------

void TChartSeries::ValueChanged(int /*valueIndex*/) {
  Repaint();
}

void TChartSeries::CheckDataSource() {
  if (SeriesChart* services = Services()) services->CheckDatasource(*this);
}

// --- life in a chart ----------------------------------------------------------------------

void TChartSeries::Added() {
  if (seriesColor_ == clPlotColor) {
    // Through the setter, so that a type whose pen or brush is its colour
    // takes it too; quietly, as the chart tells its listeners of the new
    // series itself.
    const QScopedValueRollback quiet(takingFreeColor_, true);
    SetSeriesColor(FreeSeriesColor());
  }
  // Back in a chart: the sources tell this series of their changes again.
  for (const QPointer<QObject>& s : dataSources_)
    if (auto* series = qobject_cast<TChartSeries*>(s.data())) series->AddLinked(this);
  if (ShowSampleValues && !function_) {
    FillSampleValues(NumSampleValues());
  } else {
    CheckDataSource();
  }
}

void TChartSeries::Removed() {
  for (const QPointer<QObject>& s : dataSources_)
    if (auto* series = qobject_cast<TChartSeries*>(s.data())) series->RemoveLinked(this);
}

base::TColor TChartSeries::FreeSeriesColor() const {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return GetDefaultColor(0);
  const std::vector<TChartSeries*>& all = chart->SeriesList();
  const auto used = [&](base::TColor c) {
    return std::any_of(all.begin(), all.end(),
                       [&](const TChartSeries* s) { return s != this && s->seriesColor_ == c; });
  };
  for (std::size_t k = 0; k < kDefaultPalette.size(); ++k)
    if (!used(kDefaultPalette[k])) return kDefaultPalette[k];
  return GetDefaultColor(static_cast<int>(all.size()));
}

void TChartSeries::Assign(const TCustomChartElement& source) {
  TCustomChartSeries::Assign(source);
  const auto* s = qobject_cast<const TChartSeries*>(&source);
  if (!s || s == this) return;
  LeaveSources();
  // Settings of the lists pairwise, crosswise between a vertical and a
  // horizontal series; further lists by position.
  const bool cross = yMandatory_ != s->yMandatory_;
  xValues_->Assign(cross ? *s->yValues_ : *s->xValues_);
  yValues_->Assign(cross ? *s->xValues_ : *s->yValues_);
  for (int k = 2; k < std::min(valuesList_.Count(), s->valuesList_.Count()); ++k)
    valuesList_[k].Assign(s->valuesList_[k]);
  if (!function_ && s->function_) CopyFunction(*s);
  ClearLists();
  if (!s->dataSources_.empty()) {
    for (const QPointer<QObject>& up : s->dataSources_) {
      if (!up) continue;
      auto* series = qobject_cast<TChartSeries*>(up.data());
      if (series == this) continue;
      if (series) {
        try {
          CheckCircularSource(series);
        } catch (const ChartException&) {
          continue;  // would make the two feed each other
        }
        series->AddLinked(this);
      }
      dataSources_.emplace_back(up.data());
    }
  } else {
    const SeriesUserPoints points(*s);
    for (int i = 0; i < points.Count(); ++i) AddChartValue(*s, points.PointIndex(i));
  }
  marks_->Assign(*s->marks_);
  SetSeriesColor(s->seriesColor_);
  SetColorEachPoint(s->colorEachPoint_);
  SetValueFormat(s->valueFormat_);
  SetPercentFormat(s->percentFormat_);
  SetHorizAxis(s->horizAxis_);
  SetVertAxis(s->vertAxis_);
  customHorizAxis_ = s->customHorizAxis_;
  customVertAxis_ = s->customVertAxis_;
  SetRecalcWhen(s->recalcWhen_);
  SetCursor(s->cursor_);
  SetDepth(s->depth_);
  Repaint();
  CheckDataSource();
}
