#pragma once
// The chart grid: a table of the points of every series of a chart (or of
// one series) where the user reads and corrects values, labels and point
// colours, appends points (Insert, Down on the last row) and deletes them.
// The table is a view over ChartGridModel, which writes into the series,
// seen through a window of the rows that fit (GridRowWindow): the grid keeps
// a screenful of rows whatever the number of points, and scrolls with its
// own bar. Rows here are point indexes and columns the model's data
// columns; the row numbers are the vertical header.
#include "charteditor/grid/ChartGridModel.h"
#include "charteditor/grid/GridRowWindow.h"
#include "charteditor/grid/TChartGridNavigator.h"

#include <QLineEdit>
#include <QPointer>
#include <QTableView>

#include <functional>

class QScrollBar;
class TChartSeries;
class TCustomAxisPanel;

class TChartGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kRowNumberWidth = 30;
  static constexpr int kColorColumnWidth = 40;
  static constexpr int kRowHeight = 16;

  explicit TChartGrid(QWidget* parent = nullptr);
  // Leaves the chart's listeners and the navigator.
  ~TChartGrid() override;

  ChartGridModel& Model() { return *model_; }
  const ChartGridModel& Model() const { return *model_; }

  TCustomAxisPanel* Chart() const { return model_->Chart(); }
  void SetChart(TCustomAxisPanel* chart) { model_->SetChart(chart); }
  TChartSeries* Series() const { return model_->Series(); }
  void SetSeries(TChartSeries* series) { model_->SetSeries(series); }
  bool ShowColors() const { return model_->ShowColors(); }
  void SetShowColors(bool value) { model_->SetShowColors(value); }
  bool ShowLabels() const { return model_->ShowLabels(); }
  void SetShowLabels(bool value) { model_->SetShowLabels(value); }
  ChartGridModel::TChartGridShow ShowXValues() const { return model_->ShowXValues(); }
  void SetShowXValues(ChartGridModel::TChartGridShow value) { model_->SetShowXValues(value); }

  // Whether the user may edit cells (on by default).
  bool AllowEditing() const { return allowEditing_; }
  void SetAllowEditing(bool value);
  bool Editing() const { return state() == QAbstractItemView::EditingState; }

  // The cursor: a point row and a column, also while scrolled out of view.
  int CurrentRow() const { return currentRow_; }
  int CurrentColumn() const { return currentColumn_; }
  // Moves the cursor (clamped to the table), scrolling it into view.
  void SetCurrentCell(int row, int column);
  // Moves the cursor to `row` in the current column.
  void MoveToRow(int row) { SetCurrentCell(row, currentColumn_); }
  // The first row shown, and the bar that scrolls the rows.
  int TopRow() const { return window_->Offset(); }
  QScrollBar* RowScrollBar() const { return rowBar_; }
  // Where the cell shows in the viewport (empty when scrolled out of view).
  QRect CellRect(int row, int column) const;

  // What the navigator's Insert and Delete buttons, and the keys that do
  // the same, may do now: append needs editing allowed, no edit in
  // progress and a chart with series (a single series' grid never
  // appends); delete also needs a point to delete.
  bool CanInsert() const;
  bool CanDelete() const;

  // The navigator's actions.
  bool StartEditing();
  // Ends the edit writing the text (Post) or putting the old one back.
  void PostEdit();
  void CancelEdit();
  // Insert: a null point appended to every series; the cursor goes to it.
  void InsertRow();
  void DeleteCurrentRow();
  // The colour of the current row's point, through the colour prompt.
  void EditCurrentColor();

  // The navigator that follows this grid (null: none).
  TChartGridNavigator* Navigator() const { return navigator_; }
  void SetNavigator(TChartGridNavigator* navigator);

  // The line editor of the edit in progress, or null.
  QLineEdit* Editor() const { return editor_; }

  // The text the edit began with, and whether that cell held no value.
  QString EditStartText() const { return editStartText_; }
  bool EditStartEmpty() const { return editStartEmpty_; }

  std::function<void(TChartGrid&)> OnChange;
  std::function<void(TChartGrid&, int column, int row, bool& allow)> OnSelectCell;
  std::function<void(TChartGrid&, int column, int row, const QString& text)> OnEditedCell;

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // Typed characters start an edit or do nothing; they never move the cursor.
  void keyboardSearch(const QString&) override {}

 private:
  class Delegate;
  void AfterRebuild();
  void NotifyNavigator();
  bool IsColorColumn(int column) const;
  // Fits the window and the bar to the viewport and the rows.
  void FitWindow();
  void ScrollTo(int offset);
  // Shows the cursor in the view when its row is in the window.
  void SyncCurrent();

  ChartGridModel* model_;
  GridRowWindow* window_;
  QScrollBar* rowBar_;
  Delegate* delegate_;
  QPointer<TChartGridNavigator> navigator_;
  QPointer<QLineEdit> editor_;
  bool allowEditing_ = true;
  QString editStartText_;
  bool editStartEmpty_ = false;
  bool syncing_ = false;
  int currentRow_ = 0;
  int currentColumn_ = 0;
  // The row an edited point moved to, taken once its editor has closed (a
  // move while it is open would commit its text again, into another row).
  int pendingRow_ = -1;
  int pendingColumn_ = -1;
};
