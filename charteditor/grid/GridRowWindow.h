#pragma once
// The rows of the chart grid that fit its window, as the table view's
// model: row r of the window is point row r + Offset() of the grid's full
// table. A table view keeps an entry per row of its model in its row
// header; through the window it keeps a screenful, whatever the number of
// points, and the grid scrolls by moving the offset.
#include <QAbstractTableModel>
#include <QPointer>

class ChartGridModel;

class GridRowWindow : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridRowWindow(ChartGridModel& rows, QObject* parent = nullptr);

  ChartGridModel& Rows() const { return rows_; }
  int Offset() const { return offset_; }
  // The largest offset that still fills the window.
  int MaxOffset() const;
  // Clamped to 0..MaxOffset(); the shown cells change, the rows stay.
  void SetOffset(int offset);
  // How many rows the window shows (at least 1).
  int Size() const { return size_; }
  void SetSize(int size);
  // The window row of point row `row`, or -1 when it is not shown.
  int WindowRow(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  QModelIndex Full(const QModelIndex& index) const;
  // Follows the full table: a new column layout resets the window, other
  // changes adjust its row count and show the cells again.
  void Follow();
  void Reset();
  int Shown() const;

  ChartGridModel& rows_;
  int offset_ = 0;
  int size_ = 1;
  int shown_ = 0;  // rows the view was told of
};
