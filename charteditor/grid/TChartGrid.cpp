#include "charteditor/grid/TChartGrid.h"

#include "charteditor/grid/ChartGridHeader.h"
#include "charteditor/grid/TChartGridNavigator.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

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

 private:
  TChartGrid& grid_;
};

TChartGrid::TChartGrid(QWidget* parent)
    : QTableView(parent), model_(new ChartGridModel(this)), delegate_(new Delegate(*this)) {
  setHorizontalHeader(new ChartGridHeader(this));
  setModel(model_);
  setItemDelegate(delegate_);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumWidth(kRowNumberWidth);
  verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setShowGrid(true);
  setWordWrap(false);
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
                SetCurrent(row, column);
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

void TChartGrid::SetAllowEditing(bool value) {
  allowEditing_ = value;
  NotifyNavigator();
}

int TChartGrid::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : 0;
}

int TChartGrid::CurrentColumn() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.column() : 0;
}

bool TChartGrid::IsColorColumn(int column) const {
  const auto& columns = model_->Columns();
  return column >= 0 && column < static_cast<int>(columns.size()) &&
         columns[static_cast<std::size_t>(column)].kind == ChartGridModel::ColumnKind::Color;
}

void TChartGrid::SetCurrent(int row, int column) {
  const int rows = model_->rowCount();
  const int columns = model_->columnCount();
  if (columns == 0) return;
  row = std::clamp(row, 0, rows - 1);
  column = std::clamp(column, 0, columns - 1);
  setCurrentIndex(model_->index(row, column));
}

void TChartGrid::MoveToRow(int row) {
  SetCurrent(row, CurrentColumn());
}

void TChartGrid::AfterRebuild() {
  if (IsColorColumn(0)) setColumnWidth(0, kColorColumnWidth);
  if (!currentIndex().isValid() && model_->columnCount() > 0) SetCurrent(0, 0);
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
  if (trigger != QAbstractItemView::NoEditTriggers && index.isValid()) {
    if (!allowEditing_ || Editing()) return false;
    if (IsColorColumn(index.column())) {
      if (trigger == QAbstractItemView::EditKeyPressed) model_->ChoosePointColor(index.row());
      return false;
    }
  }
  const QString text = model_->CellText(index.row(), index.column());
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
    SetCurrent(std::exchange(pendingRow_, -1), std::exchange(pendingColumn_, -1));
  }
  NotifyNavigator();
}

bool TChartGrid::StartEditing() {
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

void TChartGrid::InsertRow() {
  if (!allowEditing_ || Editing()) return;
  const int column = CurrentColumn();
  const int row = model_->InsertPoints(column);
  if (row >= 0) SetCurrent(row, column);
}

void TChartGrid::DeleteCurrentRow() {
  if (!allowEditing_ || Editing()) return;
  const int row = CurrentRow();
  const int column = CurrentColumn();
  if (model_->DeleteRow(row)) SetCurrent(row, column);
}

void TChartGrid::EditCurrentColor() {
  if (allowEditing_ && !Editing()) model_->ChoosePointColor(CurrentRow());
}

void TChartGrid::keyPressEvent(QKeyEvent* event) {
  if (Editing() || (event->modifiers() & Qt::ControlModifier)) {
    QTableView::keyPressEvent(event);
    return;
  }
  const int row = CurrentRow();
  const int column = CurrentColumn();
  const bool lastRow = row == model_->rowCount() - 1;
  switch (event->key()) {
    case Qt::Key_Insert:
      InsertRow();
      return;
    case Qt::Key_Delete:
      // The edit starts and its editor takes the key.
      if (StartEditing() && editor_) QCoreApplication::sendEvent(editor_, event);
      return;
    case Qt::Key_Down:
      if (lastRow && allowEditing_ && model_->AppendRowBelow(row, column)) {
        SetCurrent(row + 1, column);
        return;
      }
      break;
    case Qt::Key_Up:
      if (lastRow && allowEditing_ && model_->RemoveEmptyLastRow(row, column)) {
        SetCurrent(row - 1, column);
        return;
      }
      break;
    default:
      break;
  }
  QTableView::keyPressEvent(event);
}

void TChartGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && IsColorColumn(index.column())) {
    if (allowEditing_ && !Editing()) model_->ChoosePointColor(index.row());
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void TChartGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!vetoing_ && OnSelectCell && current.isValid()) {
    bool allow = true;
    OnSelectCell(*this, current.column(), current.row(), allow);
    if (!allow && previous.isValid()) {
      vetoing_ = true;
      selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
      vetoing_ = false;
      return;
    }
  }
  QTableView::currentChanged(current, previous);
  NotifyNavigator();
}
