#include "charteditor/series/TChartListBox.h"

#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/series/ChartListBoxDelegate.h"
#include "charteditor/series/SeriesClassChange.h"
#include "charteditor/series/SeriesGalleryHooks.h"
#include "charteditor/series/SeriesStyleFlags.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr std::array<int, TChartListBox::kColumnCount> kColumnWidths{26, 16, 26, 216};

const TPlotPersistent* PersistentOf(const TChartSeries* series) {
  return series;
}

}  // namespace

TChartListBox::TChartListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  setSortingEnabled(false);
  setDragEnabled(false);
  setMouseTracking(true);
  setItemDelegate(new ChartListBoxDelegate(*this));
}

TChartListBox::~TChartListBox() {
  destroying_ = true;
  if (chart_) chart_->RemoveListener(this);
  disconnect(chartWatch_);
}

TCustomAxisPanel* TChartListBox::Chart() const {
  return chart_.data();
}

void TChartListBox::SetChart(TCustomAxisPanel* chart) {
  if (chart_ == chart) {
    FillSeries(CurrentSeries());
    return;
  }
  if (chart_) chart_->RemoveListener(this);
  disconnect(chartWatch_);
  chart_ = chart;
  if (chart_) {
    chart_->AddListener(this);
    chartWatch_ = connect(chart_, &QObject::destroyed, this, [this] { ChartGone(); });
  }
  FillSeries(nullptr);
}

void TChartListBox::ChartGone() {
  // The chart listed its series; without it the rows name nothing.
  clear();
  otherItems_.clear();
  SyncChooser();
}

// --- columns -----------------------------------------------------------------------------

void TChartListBox::SetShowColumn(Column column, bool value) {
  if (shown_[column] == value) return;
  shown_[column] = value;
  viewport()->update();
}

int TChartListBox::ColumnWidth(Column column) {
  return kColumnWidths[column];
}

int TChartListBox::ColumnLeft(Column column) const {
  int left = 0;
  for (int c = 0; c < column; ++c)
    if (shown_[c]) left += kColumnWidths[c];
  return left;
}

int TChartListBox::ColumnAt(int x) const {
  for (int c = 0; c < kColumnCount; ++c) {
    const auto column = static_cast<Column>(c);
    const int left = ColumnLeft(column);
    if (shown_[c] && x >= left && x < left + kColumnWidths[c]) return c;
  }
  return -1;
}

// --- rows --------------------------------------------------------------------------------

TChartSeries* TChartListBox::SeriesAt(int row) const {
  if (!chart_ || row < 0 || row >= count()) return nullptr;
  const auto stored = item(row)->data(Qt::UserRole).value<quintptr>();
  // Only a series the chart still lists is handed out.
  for (TChartSeries* s : chart_->SeriesList())
    if (reinterpret_cast<quintptr>(PersistentOf(s)) == stored) return s;
  return nullptr;
}

int TChartListBox::RowOfPersistent(const TPlotPersistent* series) const {
  if (!series) return -1;
  for (int row = 0; row < count(); ++row)
    if (item(row)->data(Qt::UserRole).value<quintptr>() == reinterpret_cast<quintptr>(series))
      return row;
  return -1;
}

int TChartListBox::RowOf(const TChartSeries* series) const {
  return RowOfPersistent(PersistentOf(series));
}

std::vector<TChartSeries*> TChartListBox::SelectedSeries() const {
  std::vector<TChartSeries*> list;
  if (selectionMode() == QAbstractItemView::SingleSelection ||
      selectionMode() == QAbstractItemView::NoSelection) {
    if (TChartSeries* s = CurrentSeries()) list.push_back(s);
    return list;
  }
  for (int row = 0; row < count(); ++row)
    if (item(row)->isSelected())
      if (TChartSeries* s = SeriesAt(row)) list.push_back(s);
  return list;
}

void TChartListBox::SelectSeries(const TChartSeries* series) {
  const int row = RowOf(series);
  if (row < 0) return;
  clearSelection();
  setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void TChartListBox::FillSeries(const TChartSeries* keep) {
  clear();
  otherItems_.clear();
  if (chart_) {
    for (const auto& [text, series] : chart_->FillSeriesTitles()) {
      auto* row = new QListWidgetItem(text, this);
      row->setData(Qt::UserRole,
                   QVariant::fromValue(reinterpret_cast<quintptr>(PersistentOf(series))));
      otherItems_ << text;
    }
  }
  SyncChooser();
  const int row = RowOf(keep);
  if (row >= 0) {
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  } else if (count() > 0) {
    setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
  }
  if (OnOtherItemsChange) OnOtherItemsChange(*this);
  Refreshed();
}

void TChartListBox::SetOtherItems(QComboBox* chooser) {
  chooser_ = chooser;
  SyncChooser();
}

void TChartListBox::SyncChooser() {
  if (!chooser_) return;
  // The chooser follows the rows; its owner picks the entry itself.
  const QSignalBlocker quiet(chooser_.data());
  const int current = chooser_->currentIndex();
  chooser_->clear();
  chooser_->addItems(otherItems_);
  chooser_->setCurrentIndex(std::min(current, static_cast<int>(otherItems_.size()) - 1));
}

void TChartListBox::Refreshed() {
  if (OnRefresh) OnRefresh(*this);
}

// --- chart events ------------------------------------------------------------------------

void TChartListBox::PlotEvent(TPlotEvent& event) {
  if (destroying_) return;
  auto* e = dynamic_cast<TPlotSeriesEvent*>(&event);
  if (!e) return;
  switch (e->Event) {
    case seAdd:
    case seOrderChanged:
      FillSeries(CurrentSeries());
      break;
    case seRemove:
      SeriesRemoved(e->Series);
      break;
    case seChanged:
      SeriesRetitled(e->Series);
      break;
    case seColorChanged:
    case seActiveChanged:
      viewport()->update();
      break;
    default:
      break;
  }
}

void TChartListBox::SeriesRemoved(TPlotPersistent* series) {
  const int row = RowOfPersistent(series);
  if (row < 0) return;
  delete takeItem(row);
  otherItems_.removeAt(row);
  SyncChooser();
  // The series may be in its destructor: hand it on as what it still is.
  if (OnRemovedSeries) OnRemovedSeries(*this, static_cast<TCustomChartSeries*>(series));
}

void TChartListBox::SeriesRetitled(TPlotPersistent* series) {
  const int row = RowOfPersistent(series);
  TChartSeries* s = SeriesAt(row);
  if (!s) {
    FillSeries(CurrentSeries());
    return;
  }
  const QString text = chart_->SeriesTitleOrName(*s);
  item(row)->setText(text);
  otherItems_[row] = text;
  SyncChooser();
}

// --- commands ----------------------------------------------------------------------------

TChartSeries* TChartListBox::AddSeriesGallery() {
  const SeriesGalleryHooks& hooks = GalleryHooks();
  if (!chart_ || !hooks.AddSeries) return nullptr;
  TChartSeries* made = hooks.AddSeries(*chart_, CurrentSeries());
  if (!made) return nullptr;
  if (RowOf(made) < 0) FillSeries(made);
  // The new series alone: the commands that follow act on what the user picked.
  SelectSeries(made);
  Refreshed();
  return made;
}

bool TChartListBox::DeleteSeries() {
  std::vector<QPointer<TChartSeries>> doomed;
  for (TChartSeries* s : SelectedSeries())
    if (SeriesMayBeDeleted(*s)) doomed.emplace_back(s);
  if (doomed.empty()) return false;
  if (askDelete_) {
    // The question names what will be freed, not the current row.
    const QString name = doomed.size() == 1 ? chart_->SeriesTitleOrName(*doomed.front())
                                            : ChartText(ChartMsg::SelectedSeries);
    if (!ConfirmDelete(name)) return false;
  }
  for (const QPointer<TChartSeries>& s : doomed) delete s.data();
  clearSelection();
  if (count() > 0) setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
  Refreshed();
  return true;
}

bool TChartListBox::RenameSeries() {
  TChartSeries* series = CurrentSeries();
  if (!series) return false;
  const QString before = chart_->SeriesTitleOrName(*series);
  QString text = before;
  if (!Prompts().InputText(ChartText(ChartMsg::ChangeSeriesTitle),
                           ChartText(ChartMsg::NewSeriesTitle), text) ||
      text.isEmpty())
    return false;
  series->SetTitle(text == series->objectName() ? QString() : text);
  SelectSeries(series);
  Refreshed();
  return chart_->SeriesTitleOrName(*series) != before;
}

TChartSeries* TChartListBox::CloneSeries() {
  TChartSeries* series = CurrentSeries();
  if (!series || !SeriesMayBeCloned(*series)) return nullptr;
  TChartSeries* copy = CopySeriesToNew(*series);
  if (copy) KeepSettingsAssignMisses(*series, *copy);
  return copy;
}

void TChartListBox::ChangeTypeSeries() {
  const SeriesGalleryHooks& hooks = GalleryHooks();
  if (!chart_ || !hooks.ChangeSeries) return;
  std::vector<TChartSeries*> changing;
  for (TChartSeries* s : SelectedSeries())
    if (SeriesMayChangeClass(*s)) changing.push_back(s);
  if (changing.empty()) return;
  // A cancelled gallery changes none of them.
  const std::optional<GalleryChoice> choice = hooks.ChangeSeries(changing.front());
  if (!choice) return;
  if (choice->seriesClass) {
    for (auto it = changing.begin() + 1; it != changing.end(); ++it) {
      TChartSeries*& s = *it;
      // Only where the class can stand in: a line forced into a Gantt
      // series would have no end values for its points.
      if (s->metaObject() == choice->seriesClass || !ClassCanStandIn(*choice->seriesClass, *s))
        continue;
      TChartSeries* replacement =
          CreateSeriesOfClass(s->parent(), chart_.data(), *choice->seriesClass);
      ReplaceSeriesWithStyle(s, replacement, choice->subStyle);
    }
  }
  // The rows of every series the user chose stay selected, changed or not.
  clearSelection();
  const int current = RowOf(changing.front());
  if (current >= 0) setCurrentRow(current, QItemSelectionModel::ClearAndSelect);
  for (TChartSeries* s : changing)
    if (const int row = RowOf(s); row >= 0) item(row)->setSelected(true);
  Refreshed();
}

void TChartListBox::MoveUp() {
  const int row = currentRow();
  if (row > 0) MoveSeries(row, row - 1);
}

void TChartListBox::MoveDown() {
  const int row = currentRow();
  if (row >= 0 && row < count() - 1) MoveSeries(row, row + 1);
}

void TChartListBox::MoveSeries(int from, int to) {
  if (!chart_ || from == to || from < 0 || to < 0 || from >= count() || to >= count()) return;
  TChartSeries* moved = SeriesAt(from);
  TChartSeries* other = SeriesAt(to);
  if (!moved || !other) return;
  const int a = chart_->IndexOfSeries(moved);
  const int b = chart_->IndexOfSeries(other);
  if (a < 0 || b < 0) return;
  // The chart's order event lists the rows again.
  chart_->ExchangeSeries(a, b);
  setFocus();
  if (to < count()) {
    clearSelection();
    setCurrentRow(to, QItemSelectionModel::ClearAndSelect);
  }
  Refreshed();
}

// --- the user ----------------------------------------------------------------------------

void TChartListBox::RunCommand(const std::function<void()>& formHandler,
                               const std::function<void()>& own) {
  if (formHandler) {
    formHandler();
  } else {
    own();
  }
}

void TChartListBox::ChangeColor(TChartSeries& series) {
  base::TColor color = series.SeriesColor();
  if (!Prompts().ChooseColor(color)) return;
  QPointer<TChartSeries> guard(&series);
  series.SetSeriesColor(color);
  if (guard) series.SetColorEachPoint(false);
}

void TChartListBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const int row = indexAt(p).row();
  const int column = ColumnAt(p.x());
  if (row >= 0 && column == ColActive) {
    // The check toggles the series without touching the selection.
    if (TChartSeries* s = SeriesAt(row)) s->SetActive(!s->Active());
    event->accept();
  } else {
    QListWidget::mousePressEvent(event);
    const bool plain = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
    if (row >= 0 && enableDrag_ && event->button() == Qt::LeftButton && column == ColTitle &&
        plain && !doubleClickPending_)
      dragRow_ = row;
  }
  doubleClickPending_ = false;
  if (OnOtherItemsChange) OnOtherItemsChange(*this);
}

void TChartListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (dragRow_ >= 0) {
    // A drag never extends the selection.
    const int target = indexAt(p).row();
    viewport()->setCursor(target >= 0 ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    event->accept();
    return;
  }
  const int column = indexAt(p).row() >= 0 ? ColumnAt(p.x()) : -1;
  const bool hand =
      (column == ColIcon && enableChangeType_) || (column == ColColor && enableChangeColor_);
  viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
  QListWidget::mouseMoveEvent(event);
}

void TChartListBox::mouseReleaseEvent(QMouseEvent* event) {
  const int from = std::exchange(dragRow_, -1);
  if (from >= 0) {
    viewport()->setCursor(Qt::ArrowCursor);
    const int to = indexAt(event->position().toPoint()).row();
    if (enableDrag_ && to >= 0 && to != from) MoveSeries(from, to);
    if (to < 0 && from < count()) {
      // A drop outside any row moves nothing, so the rows stay as the press
      // left them: the view would take the release for a click on empty
      // space and deselect the dragged row while it stays current.
      QMouseEvent onRow(event->type(), QPointF(visualItemRect(item(from)).center()),
                        event->globalPosition(), event->button(), event->buttons(),
                        event->modifiers(), event->pointingDevice());
      QListWidget::mouseReleaseEvent(&onRow);
      return;
    }
  }
  QListWidget::mouseReleaseEvent(event);
}

void TChartListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  doubleClickPending_ = true;
  dragRow_ = -1;
  const QPoint p = event->position().toPoint();
  const int row = currentRow();
  if (row < 0 || indexAt(p).row() != row) return;
  switch (ColumnAt(p.x())) {
    case ColIcon:
      if (enableChangeType_) RunCommand(OnChangeTypeCommand, [this] { ChangeTypeSeries(); });
      break;
    case ColColor:
      if (enableChangeColor_)
        if (TChartSeries* s = SeriesAt(row); s && s->UsesSeriesColor()) ChangeColor(*s);
      break;
    case ColTitle:
      if (OnDblClickSeries) OnDblClickSeries(*this, row);
      break;
    default:
      break;
  }
  event->accept();
}

void TChartListBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
    if (allowAdd_) RunCommand(OnAddCommand, [this] { AddSeriesGallery(); });
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    if (allowDelete_) RunCommand(OnDeleteCommand, [this] { DeleteSeries(); });
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}
