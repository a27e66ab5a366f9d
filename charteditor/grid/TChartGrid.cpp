#include "charteditor/grid/TChartGrid.h"

#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/grid/ChartGridHeader.h"
#include "charteditor/grid/TChartGridNavigator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

// Line editors whose widget the grid keeps, so that the navigator can post
// or cancel the edit in progress.
class TChartGrid::Delegate : public QStyledItemDelegate {
 public:
  explicit Delegate(TChartGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    grid_.editor_ = qobject_cast<QLineEdit*>(editor);
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    // A click on the navigator moves the focus there before its button
    // acts: the edit must wait for the button (Cancel puts the text back,
    // Post writes it), not be written by the focus leaving.
    if (event->type() == QEvent::FocusOut && object == grid_.editor_ && grid_.navigator_) {
      const QWidget* focus = QApplication::focusWidget();
      if (focus && (focus == grid_.navigator_ || grid_.navigator_->isAncestorOf(focus)))
        return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  TChartGrid& grid_;
};

TChartGrid::TChartGrid(QWidget* parent)
    : QTableView(parent),
      model_(new ChartGridModel(this)),
      window_(new GridRowWindow(*model_, this)),
      rowBar_(new QScrollBar(Qt::Vertical, this)),
      delegate_(new Delegate(*this)) {
  setHorizontalHeader(new ChartGridHeader(this));
  setModel(window_);
  setItemDelegate(delegate_);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumWidth(kRowNumberWidth);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setShowGrid(true);
  setWordWrap(false);
  // The rows scroll by the window's offset: the view's own bar, which would
  // only cover the window, gives its place to the grid's.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  addScrollBarWidget(rowBar_, Qt::AlignBottom);
  verticalScrollBar()->hide();
  rowBar_->setObjectName(QStringLiteral("RowScrollBar"));
  connect(rowBar_, &QScrollBar::valueChanged, this, &TChartGrid::ScrollTo);
  // The corner above the row numbers carries their title.
  if (auto* corner = findChild<QAbstractButton*>()) corner->installEventFilter(this);
  connect(model_, &ChartGridModel::Rebuilt, this, &TChartGrid::AfterRebuild);
  connect(model_, &ChartGridModel::Changed, this, [this] {
    if (OnChange) OnChange(*this);
    NotifyNavigator();
  });
  connect(model_, &ChartGridModel::CellEdited, this,
          [this](int row, int column, const QString& text) {
            if (row != CurrentRow()) {
              if (editor_) {
                pendingRow_ = row;
                pendingColumn_ = column;
              } else {
                SetCurrentCell(row, column);
              }
            }
            if (OnEditedCell) OnEditedCell(*this, column, row, text);
          });
  AfterRebuild();
}

TChartGrid::~TChartGrid() {
  if (navigator_) navigator_->GridGone();
  navigator_ = nullptr;
}

bool TChartGrid::eventFilter(QObject* watched, QEvent* event) {
  auto* corner = qobject_cast<QAbstractButton*>(watched);
  if (!corner || event->type() != QEvent::Paint) return QTableView::eventFilter(watched, event);
  QPainter painter(corner);
  QStyleOptionHeader option;
  option.initFrom(corner);
  option.rect = corner->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  corner->style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, corner);
  const QRect bottom = corner->rect().adjusted(2, ChartGridHeader::kTitleRowHeight, -2, 0);
  painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("#"));
  return true;
}

void TChartGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitWindow();
}

void TChartGrid::wheelEvent(QWheelEvent* event) {
  QCoreApplication::sendEvent(rowBar_, event);
}

void TChartGrid::FitWindow() {
  // Whole rows only: a part-shown last row would let the view scroll itself.
  window_->SetSize(std::max(1, viewport()->height() / kRowHeight));
  const QSignalBlocker quiet(rowBar_);
  rowBar_->setRange(0, window_->MaxOffset());
  rowBar_->setPageStep(window_->Size());
  rowBar_->setValue(window_->Offset());
  SyncCurrent();
}

void TChartGrid::ScrollTo(int offset) {
  if (offset == window_->Offset()) return;
  PostEdit();  // an editor stays with its cell
  window_->SetOffset(offset);
  {
    const QSignalBlocker quiet(rowBar_);
    rowBar_->setValue(window_->Offset());
  }
  SyncCurrent();
}

void TChartGrid::SyncCurrent() {
  const int row = window_->WindowRow(currentRow_);
  syncing_ = true;
  if (row >= 0 && currentColumn_ < model_->columnCount()) {
    selectionModel()->setCurrentIndex(window_->index(row, currentColumn_),
                                      QItemSelectionModel::ClearAndSelect);
  } else {
    selectionModel()->clear();
  }
  syncing_ = false;
}

QRect TChartGrid::CellRect(int row, int column) const {
  const int at = window_->WindowRow(row);
  return at < 0 ? QRect() : visualRect(window_->index(at, column));
}

void TChartGrid::SetAllowEditing(bool value) {
  allowEditing_ = value;
  NotifyNavigator();
}

bool TChartGrid::IsColorColumn(int column) const {
  const auto& columns = model_->Columns();
  return column >= 0 && column < static_cast<int>(columns.size()) &&
         columns[static_cast<std::size_t>(column)].kind == ChartGridModel::ColumnKind::Color;
}

void TChartGrid::SetCurrentCell(int row, int column) {
  const int rows = model_->rowCount();
  const int columns = model_->columnCount();
  if (columns == 0) return;
  row = std::clamp(row, 0, rows - 1);
  column = std::clamp(column, 0, columns - 1);
  const int top = window_->Offset();
  if (row < top) {
    ScrollTo(row);
  } else if (row >= top + window_->Size()) {
    ScrollTo(row - window_->Size() + 1);
  }
  const int at = window_->WindowRow(row);
  if (at >= 0) setCurrentIndex(window_->index(at, column));
}

void TChartGrid::AfterRebuild() {
  if (IsColorColumn(0)) setColumnWidth(0, kColorColumnWidth);
  currentRow_ = std::clamp(currentRow_, 0, std::max(0, model_->rowCount() - 1));
  currentColumn_ = std::clamp(currentColumn_, 0, std::max(0, model_->columnCount() - 1));
  FitWindow();
  NotifyNavigator();
}

void TChartGrid::NotifyNavigator() {
  if (navigator_) navigator_->EnableButtons();
}

void TChartGrid::SetNavigator(TChartGridNavigator* navigator) {
  if (navigator_ == navigator) return;
  QPointer<TChartGridNavigator> old = navigator_;
  navigator_ = navigator;
  if (old && old->Grid() == this) old->GridGone();
  if (navigator && navigator->Grid() != this) navigator->SetGrid(this);
  NotifyNavigator();
}

bool TChartGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const int row = index.row() + window_->Offset();
  if (trigger != QAbstractItemView::NoEditTriggers && index.isValid()) {
    if (!allowEditing_ || Editing()) return false;
    if (IsColorColumn(index.column())) {
      if (trigger == QAbstractItemView::EditKeyPressed) model_->ChoosePointColor(row);
      return false;
    }
  }
  const QString text = model_->CellText(row, index.column());
  if (!QTableView::edit(index, trigger, event)) return false;
  editStartText_ = text;
  editStartEmpty_ = text.isEmpty();
  NotifyNavigator();
  return true;
}

void TChartGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableView::closeEditor(editor, hint);
  if (editor == editor_) editor_ = nullptr;
  if (pendingRow_ >= 0) {
    SetCurrentCell(std::exchange(pendingRow_, -1), std::exchange(pendingColumn_, -1));
  }
  NotifyNavigator();
}

bool TChartGrid::StartEditing() {
  if (model_->columnCount() == 0) return false;
  SetCurrentCell(currentRow_, currentColumn_);  // into view first
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return false;
  return edit(current, QAbstractItemView::EditKeyPressed, nullptr);
}

void TChartGrid::PostEdit() {
  if (!editor_) return;
  QLineEdit* editor = editor_;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TChartGrid::CancelEdit() {
  if (!editor_) return;
  closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
}

bool TChartGrid::CanInsert() const {
  const TCustomAxisPanel* chart = Chart();
  return allowEditing_ && !Editing() && chart && chart->SeriesCount() > 0;
}

bool TChartGrid::CanDelete() const {
  return CanInsert() && model_->rowCount() > 0 && model_->HasPoints();
}

void TChartGrid::InsertRow() {
  if (!CanInsert()) return;
  const int column = CurrentColumn();
  const int row = model_->InsertPoints(column);
  if (row >= 0) SetCurrentCell(row, column);
}

void TChartGrid::DeleteCurrentRow() {
  if (!CanDelete()) return;
  const int row = CurrentRow();
  const int column = CurrentColumn();
  if (model_->DeleteRow(row)) SetCurrentCell(row, column);
}

void TChartGrid::EditCurrentColor() {
  if (allowEditing_ && !Editing()) model_->ChoosePointColor(CurrentRow());
}

void TChartGrid::keyPressEvent(QKeyEvent* event) {
  const int row = CurrentRow();
  const int column = CurrentColumn();
  if (Editing()) {
    QTableView::keyPressEvent(event);
    return;
  }
  if (event->modifiers() & Qt::ControlModifier) {
    // The rows beyond the window are the grid's to reach.
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
      SetCurrentCell(event->key() == Qt::Key_Home ? 0 : model_->rowCount() - 1, column);
    } else {
      QTableView::keyPressEvent(event);
    }
    return;
  }
  const bool lastRow = row == model_->rowCount() - 1;
  switch (event->key()) {
    case Qt::Key_Insert:
      InsertRow();
      return;
    case Qt::Key_Delete:
      // The edit starts and its editor takes the key; a colour has no text
      // to delete.
      if (IsColorColumn(column)) return;
      if (StartEditing() && editor_) QCoreApplication::sendEvent(editor_, event);
      return;
    case Qt::Key_Down:
      if (lastRow && allowEditing_) model_->AppendRowBelow(row, column);
      SetCurrentCell(row + 1, column);
      return;
    case Qt::Key_Up:
      if (lastRow && allowEditing_) model_->RemoveEmptyLastRow(row, column);
      SetCurrentCell(row - 1, column);
      return;
    case Qt::Key_PageDown:
      SetCurrentCell(row + window_->Size(), column);
      return;
    case Qt::Key_PageUp:
      SetCurrentCell(row - window_->Size(), column);
      return;
    default:
      break;
  }
  QTableView::keyPressEvent(event);
}

void TChartGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && IsColorColumn(index.column())) {
    if (allowEditing_ && !Editing()) model_->ChoosePointColor(index.row() + window_->Offset());
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void TChartGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!syncing_ && current.isValid()) {
    const int row = current.row() + window_->Offset();
    bool allow = true;
    if (OnSelectCell) OnSelectCell(*this, current.column(), row, allow);
    if (!allow) {
      SyncCurrent();  // back to the cursor's cell
      return;
    }
    currentRow_ = row;
    currentColumn_ = current.column();
  }
  QTableView::currentChanged(current, previous);
  NotifyNavigator();
}
