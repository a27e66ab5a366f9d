#include "charteditor/grid/ChartGridModel.h"

#include "base/Colors.h"
#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"
#include "base/ParseDateTime.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/SeriesHelpers.h"
#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/grid/GridPointEdits.h"

#include <algorithm>
#include <cmath>

namespace {

// Holds the grid's writing flag for a scope.
class WritingScope {
 public:
  explicit WritingScope(int& count) : count_(count) { ++count_; }
  ~WritingScope() { --count_; }
  WritingScope(const WritingScope&) = delete;
  WritingScope& operator=(const WritingScope&) = delete;

 private:
  int& count_;
};

}  // namespace

ChartGridModel::ChartGridModel(QObject* parent) : QAbstractTableModel(parent) {
  Rebuild();
}

ChartGridModel::~ChartGridModel() {
  Unlisten();
}

TCustomAxisPanel* ChartGridModel::Chart() const {
  return showingChart_ && chartAlive_ ? dynamic_cast<TCustomAxisPanel*>(chart_) : nullptr;
}

void ChartGridModel::Listen(ChartHost* host) {
  Unlisten();
  chart_ = host;
  chartAlive_ = ParentChartPtr(host);
  if (auto* panel = dynamic_cast<TCustomPlotPanel*>(host)) {
    panel->AddListener(this);
    // Emitted after the chart's own destructor: it no longer calls anyone.
    connect(panel, &QObject::destroyed, this, [this] {
      chartAlive_ = ParentChartPtr();
      chart_ = nullptr;
      Rebuild();
    });
  }
}

void ChartGridModel::Unlisten() {
  if (auto* panel = dynamic_cast<TCustomPlotPanel*>(chartAlive_.get())) {
    panel->RemoveListener(this);
    disconnect(panel, &QObject::destroyed, this, nullptr);
  }
  chart_ = nullptr;
  chartAlive_ = ParentChartPtr();
}

void ChartGridModel::SetChart(TCustomAxisPanel* chart) {
  if (showingChart_ && chart == Chart()) return;
  if (series_) disconnect(series_, &QObject::destroyed, this, nullptr);
  series_ = nullptr;
  showingChart_ = chart != nullptr;
  Listen(chart);
  Rebuild();
}

void ChartGridModel::SetSeries(TChartSeries* series) {
  if (!showingChart_ && series == series_) return;
  if (series_) disconnect(series_, &QObject::destroyed, this, nullptr);
  series_ = series;
  showingChart_ = false;
  Listen(series ? series->ParentChart() : nullptr);
  if (series) connect(series, &QObject::destroyed, this, [this] { Rebuild(); });
  Rebuild();
}

void ChartGridModel::SetShowColors(bool value) {
  if (showColors_ == value) return;
  showColors_ = value;
  Rebuild();
}

void ChartGridModel::SetShowLabels(bool value) {
  if (showLabels_ == value) return;
  showLabels_ = value;
  Rebuild();
}

void ChartGridModel::SetShowXValues(TChartGridShow value) {
  if (showXValues_ == value) return;
  showXValues_ = value;
  Rebuild();
}

std::vector<TChartSeries*> ChartGridModel::ShownSeries() const {
  if (TCustomAxisPanel* chart = Chart()) return chart->SeriesList();
  if (series_) return {series_.data()};
  return {};
}

bool ChartGridModel::XColumnShown(const TChartSeries* series) const {
  return std::find(xShown_.begin(), xShown_.end(), series) != xShown_.end();
}

bool ChartGridModel::HasPoints() const {
  for (const TChartSeries* s : ShownSeries())
    if (s->PointCount() > 0) return true;
  return false;
}

TChartSeries* ChartGridModel::ColumnSeries(int column) const {
  if (column < 0 || column >= static_cast<int>(columns_.size())) return nullptr;
  const Column& c = columns_[static_cast<std::size_t>(column)];
  if (c.kind == ColumnKind::Value) return c.series;
  const std::vector<TChartSeries*> shown = ShownSeries();
  return shown.empty() ? nullptr : shown.front();
}

int ChartGridModel::LargestCount() const {
  int largest = 0;
  for (const TChartSeries* s : ShownSeries())
    largest = std::max(largest, SeriesUserPoints(*s).Count());
  return largest;
}

std::vector<ChartGridModel::Column> ChartGridModel::BuildColumns() {
  std::vector<Column> columns;
  xShown_.clear();
  if (showColors_) columns.push_back({ColumnKind::Color});
  if (showLabels_) columns.push_back({ColumnKind::Label});
  for (TChartSeries* s : ShownSeries()) {
    const bool showX = showXValues_ == cgsYes || (showXValues_ == cgsAuto && HasCustomXValues(*s));
    if (showX) xShown_.push_back(s);
    TChartValueList* notMandatory = s->NotMandatoryValueList();
    bool first = true;
    auto add = [&](TChartValueList* list) {
      columns.push_back({ColumnKind::Value, s, list, first});
      first = false;
    };
    if (showX) add(notMandatory);
    add(s->MandatoryValueList());
    TChartValueLists& lists = s->ValuesList();
    for (int k = 2; k < lists.Count(); ++k) add(&lists[k]);
  }
  return columns;
}

void ChartGridModel::FitRows() {
  const int rows = std::max(1, LargestCount());
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
}

void ChartGridModel::Rebuild() {
  std::vector<Column> columns = BuildColumns();
  const int rows = std::max(1, LargestCount());
  const bool sameColumns =
      columns.size() == columns_.size() &&
      std::equal(columns.begin(), columns.end(), columns_.begin(),
                 [](const Column& a, const Column& b) {
                   return a.kind == b.kind && a.series == b.series && a.list == b.list;
                 });
  if (!sameColumns) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_ = rows;
    endResetModel();
  } else {
    columns_ = std::move(columns);
    FitRows();
    ShowCellsAgain();
  }
  Q_EMIT Rebuilt();
}

void ChartGridModel::ShowCellsAgain() {
  if (!columns_.empty()) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
  Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
}

void ChartGridModel::PlotEvent(::TPlotEvent& event) {
  auto* seriesEvent = dynamic_cast<TPlotSeriesEvent*>(&event);
  if (!seriesEvent || writing_ > 0) return;
  switch (seriesEvent->Event) {
    case seChanged:
    case seColorChanged:
    case seActiveChanged:
      ShowCellsAgain();
      break;
    default:
      Rebuild();
  }
}

// --- reading -------------------------------------------------------------------------

int ChartGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int ChartGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString ChartGridModel::CellText(int row, int column) const {
  if (row < 0 || column < 0 || column >= columnCount()) return {};
  const Column& c = columns_[static_cast<std::size_t>(column)];
  switch (c.kind) {
    case ColumnKind::Color:
      return {};
    case ColumnKind::Label:
      for (const TChartSeries* s : ShownSeries()) {
        const SeriesUserPoints points(*s);
        if (points.Count() > row) return points.Label(row);
      }
      return {};
    case ColumnKind::Value:
      break;
  }
  const SeriesUserPoints points(*c.series);
  if (row >= points.Count() || points.IsNull(row)) return {};
  const double v = points.Value(*c.list, row);
  if (c.list->DateTime()) return v >= 1 ? base::DateTimeToStr(v) : base::TimeToStr(v);
  return base::FormatFloat(c.series->ValueFormat(), v);
}

QVariant ChartGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Column& c = columns_[static_cast<std::size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return CellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return c.kind == ColumnKind::Value ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                                         : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
      if (c.kind == ColumnKind::Color) {
        if (const TChartSeries* s = ColumnSeries(index.column())) {
          const SeriesUserPoints points(*s);
          if (index.row() < points.Count()) {
            const base::TColor color = points.Color(index.row());
            if (color != base::clNone) return base::ToQColor(color);
          }
        }
      }
      return {};
    default:
      return {};
  }
}

QVariant ChartGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    return role == Qt::DisplayRole ? QVariant(section) : QVariant();
  }
  if (section < 0 || section >= columnCount()) return {};
  const Column& c = columns_[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
      switch (c.kind) {
        case ColumnKind::Color:
          return QStringLiteral("Colors");
        case ColumnKind::Label:
          return QStringLiteral("Text");
        case ColumnKind::Value:
          return c.list->Name();
      }
      return {};
    case TitleRole:
      if (c.kind != ColumnKind::Value) return {};
      if (!showingChart_) return c.list->Name();
      if (!c.firstOfBlock) return {};
      if (TCustomAxisPanel* chart = Chart()) return chart->SeriesTitleOrName(*c.series);
      return {};
    case SeriesRole:
      if (c.kind == ColumnKind::Value && c.firstOfBlock && showingChart_)
        return QVariant::fromValue(static_cast<QObject*>(c.series));
      return {};
    default:
      return {};
  }
}

bool ChartGridModel::CanEditText(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columnCount()) return false;
  const Column& c = columns_[static_cast<std::size_t>(column)];
  switch (c.kind) {
    case ColumnKind::Color:
      return false;
    case ColumnKind::Label:
      for (const TChartSeries* s : ShownSeries())
        if (!IsSourcedSeries(*s)) return true;
      return false;
    case ColumnKind::Value:
      return !IsSourcedSeries(*c.series);
  }
  return false;
}

Qt::ItemFlags ChartGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (CanEditText(index.row(), index.column())) f |= Qt::ItemIsEditable;
  return f;
}

bool ChartGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid()) return false;
  return SetCellText(index.row(), index.column(), value.toString());
}

// --- writing ---------------------------------------------------------------------------

bool ChartGridModel::ConvertText(const TChartValueList& list, const QString& text,
                                 double& value) const {
  try {
    value = list.DateTime() ? base::StrToDateTime(text) : base::StrToFloat(text);
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
    return false;
  }
  if (std::isfinite(value)) return true;
  // The text reads as a number, but not one a chart can place.
  Prompts().Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
  return false;
}

bool ChartGridModel::SetCellText(int row, int column, const QString& text, int* movedTo) {
  int at = row;
  if (!movedTo) movedTo = &at;
  *movedTo = row;
  if (!CanEditText(row, column)) return false;
  const Column c = columns_[static_cast<std::size_t>(column)];
  bool changed = false;
  {
    WritingScope writing(writing_);
    changed =
        c.kind == ColumnKind::Label ? SetLabelText(row, text) : SetValueText(row, c, text, movedTo);
  }
  if (!changed) return false;
  AfterWrite();
  Q_EMIT CellEdited(*movedTo, column, text);
  return true;
}

bool ChartGridModel::SetLabelText(int row, const QString& text) {
  bool changed = false;
  for (TChartSeries* s : ShownSeries()) {
    if (IsSourcedSeries(*s)) continue;
    if (text.isEmpty() && row >= SeriesUserPoints(*s).Count()) continue;  // nothing to clear
    s->ReleasePaintedPoints();
    if (!PadToPoint(*s, row)) continue;
    s->SetXLabel(row, text);
    changed = true;
  }
  return changed;
}

bool ChartGridModel::SetValueText(int row, const Column& c, const QString& text, int* movedTo) {
  TChartSeries& s = *c.series;
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    const SeriesUserPoints points(s);
    if (row >= points.Count() || points.IsNull(row)) return false;
    s.ReleasePaintedPoints();
    s.SetPointColor(row, base::clNone);
    return true;
  }
  double value = 0;
  if (!ConvertText(*c.list, trimmed, value)) return false;
  s.ReleasePaintedPoints();
  if (!PadToPoint(s, row)) return false;
  const bool wasNull = s.IsNull(row);
  c.list->SetValue(row, value);
  if (wasNull) s.SetPointColor(row, clPlotColor);
  const int at = MovePointIntoOrder(s, *c.list, row);
  if (movedTo) *movedTo = at;
  s.NotifyValue(SeriesValueEvent::Modify, at);
  return true;
}

void ChartGridModel::AfterWrite() {
  // The columns stay as they are: an edit that makes a series' X values the
  // point numbers again must not pull the column from under the cursor.
  FitRows();
  ShowCellsAgain();
  Q_EMIT Rebuilt();
  if (TCustomAxisPanel* chart = Chart()) {
    chart->InvalidateChart();
  } else if (series_) {
    series_->Repaint();
  }
  Q_EMIT Changed();
}

int ChartGridModel::InsertPoints(int column) {
  TChartSeries* target = ColumnSeries(column);
  int row = -1;
  {
    WritingScope writing(writing_);
    for (TChartSeries* s : ShownSeries()) {
      if (IsSourcedSeries(*s)) continue;
      s->ReleasePaintedPoints();
      const int at = AppendNullPoint(*s);
      if (at < 0) continue;
      if (s == target || row < 0) row = at;
    }
  }
  if (row < 0) return -1;
  AfterWrite();
  return row;
}

bool ChartGridModel::AppendRowBelow(int row, int column) {
  TChartSeries* s = ColumnSeries(column);
  if (!s || IsSourcedSeries(*s) || row + 1 < rows_) return false;
  {
    WritingScope writing(writing_);
    s->ReleasePaintedPoints();
    if (!PadToPoint(*s, row + 1)) return false;
  }
  AfterWrite();
  return true;
}

bool ChartGridModel::RemoveEmptyLastRow(int row, int column) {
  TChartSeries* s = ColumnSeries(column);
  if (!s || IsSourcedSeries(*s) || row != rows_ - 1) return false;
  const SeriesUserPoints points(*s);
  if (row != points.Count() - 1 || !points.IsNull(row) || !points.Label(row).isEmpty())
    return false;
  {
    WritingScope writing(writing_);
    s->ReleasePaintedPoints();
    s->Delete(row);
  }
  AfterWrite();
  return true;
}

bool ChartGridModel::DeleteRow(int row) {
  const bool lastDataRow = rows_ == 1;
  bool changed = false;
  {
    WritingScope writing(writing_);
    for (TChartSeries* s : ShownSeries()) {
      if (IsSourcedSeries(*s) || row < 0 || row >= SeriesUserPoints(*s).Count()) continue;
      s->ReleasePaintedPoints();
      // Only point numbers are renumbered: a hidden column of dates stays.
      TChartValueList* x = s->NotMandatoryValueList();
      const bool renumber = !XColumnShown(s) && IsIndexSequence(*x);
      s->Delete(row);
      if (renumber) x->FillSequence();
      changed = true;
    }
  }
  if (!changed) return false;
  if (lastDataRow) Rebuild();
  AfterWrite();
  return true;
}

bool ChartGridModel::ChoosePointColor(int row) {
  const std::vector<TChartSeries*> shown = ShownSeries();
  TChartSeries* s = shown.empty() ? nullptr : shown.front();
  // A point past the end has nothing to colour; a null one takes the colour
  // and shows again with the value it holds.
  if (!s || IsSourcedSeries(*s) || row < 0) return false;
  const SeriesUserPoints points(*s);
  if (row >= points.Count()) return false;
  const base::TColor old = points.Color(row);
  base::TColor color = old;
  if (!Prompts().ChooseColor(color) || color == old) return false;
  {
    WritingScope writing(writing_);
    s->ReleasePaintedPoints();
    s->SetPointColor(row, color);
  }
  AfterWrite();
  return true;
}
