#include "charteditor/grid/GridRowWindow.h"

#include "charteditor/grid/ChartGridModel.h"

#include <algorithm>

GridRowWindow::GridRowWindow(ChartGridModel& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
  connect(&rows_, &QAbstractItemModel::modelReset, this, &GridRowWindow::Reset);
  connect(&rows_, &ChartGridModel::Rebuilt, this, &GridRowWindow::Follow);
  connect(&rows_, &QAbstractItemModel::dataChanged, this, [this] {
    if (shown_ > 0) Q_EMIT dataChanged(index(0, 0), index(shown_ - 1, columnCount() - 1));
  });
  connect(
      &rows_, &QAbstractItemModel::headerDataChanged, this,
      [this](Qt::Orientation o, int first, int last) { Q_EMIT headerDataChanged(o, first, last); });
  shown_ = Shown();
}

int GridRowWindow::MaxOffset() const {
  return std::max(0, rows_.rowCount() - size_);
}

int GridRowWindow::Shown() const {
  return std::clamp(rows_.rowCount() - offset_, 0, size_);
}

int GridRowWindow::WindowRow(int row) const {
  const int r = row - offset_;
  return r >= 0 && r < shown_ ? r : -1;
}

void GridRowWindow::Reset() {
  beginResetModel();
  offset_ = std::clamp(offset_, 0, MaxOffset());
  shown_ = Shown();
  endResetModel();
}

void GridRowWindow::Follow() {
  offset_ = std::clamp(offset_, 0, MaxOffset());
  const int shown = Shown();
  if (shown > shown_) {
    beginInsertRows({}, shown_, shown - 1);
    shown_ = shown;
    endInsertRows();
  } else if (shown < shown_) {
    beginRemoveRows({}, shown, shown_ - 1);
    shown_ = shown;
    endRemoveRows();
  }
  if (shown_ > 0 && columnCount() > 0)
    Q_EMIT dataChanged(index(0, 0), index(shown_ - 1, columnCount() - 1));
  Q_EMIT headerDataChanged(Qt::Vertical, 0, std::max(0, shown_ - 1));
}

void GridRowWindow::SetOffset(int offset) {
  offset = std::clamp(offset, 0, MaxOffset());
  if (offset == offset_) return;
  offset_ = offset;
  Follow();
}

void GridRowWindow::SetSize(int size) {
  size = std::max(1, size);
  if (size == size_) return;
  size_ = size;
  Follow();
}

int GridRowWindow::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_;
}

int GridRowWindow::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_.columnCount();
}

QModelIndex GridRowWindow::Full(const QModelIndex& index) const {
  return index.isValid() ? rows_.index(index.row() + offset_, index.column()) : QModelIndex();
}

QVariant GridRowWindow::data(const QModelIndex& index, int role) const {
  return rows_.data(Full(index), role);
}

QVariant GridRowWindow::headerData(int section, Qt::Orientation orientation, int role) const {
  return rows_.headerData(orientation == Qt::Vertical ? section + offset_ : section, orientation,
                          role);
}

Qt::ItemFlags GridRowWindow::flags(const QModelIndex& index) const {
  return rows_.flags(Full(index));
}

bool GridRowWindow::setData(const QModelIndex& index, const QVariant& value, int role) {
  return rows_.setData(Full(index), value, role);
}
