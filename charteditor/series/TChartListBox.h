#pragma once
// The list of one chart's series, a row each (icon, active check, colour,
// title), which carries the chart editor's series commands: add through
// the gallery, delete, rename, clone, change class, reorder, switch on and
// off, recolour. It listens to the chart's series events and keeps its rows
// (and the mirrored OtherItems) equal to the chart's list.
//
// Permissions: the Insert and Delete keys obey AllowAddSeries and
// AllowDeleteSeries, the icon double click EnableChangeType; every command
// obeys the series' own style flags (SeriesStyleFlags.h). A form that wraps
// the list in buttons sets OnAddCommand, OnDeleteCommand and
// OnChangeTypeCommand, so that the keys and the double click run the very
// handler its buttons run.
#include "chart/model/PlotPanelEvents.h"

#include <QListWidget>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class TChartSeries;
class TCustomAxisPanel;
class TCustomChartSeries;
class TPlotPersistent;

class TChartListBox : public QListWidget, private TPlotEventListener {
  Q_OBJECT

 public:
  enum Column { ColIcon = 0, ColActive = 1, ColColor = 2, ColTitle = 3 };
  static constexpr int kColumnCount = 4;
  static constexpr int kItemHeight = 24;

  explicit TChartListBox(QWidget* parent = nullptr);
  ~TChartListBox() override;

  // --- the chart ----------------------------------------------------------------------
  TCustomAxisPanel* Chart() const;
  // Listens to `chart` (not owned; null: none) and lists its series.
  void SetChart(TCustomAxisPanel* chart);

  // --- switches -----------------------------------------------------------------------
  bool AllowAddSeries() const { return allowAdd_; }
  void SetAllowAddSeries(bool value) { allowAdd_ = value; }
  bool AllowDeleteSeries() const { return allowDelete_; }
  void SetAllowDeleteSeries(bool value) { allowDelete_ = value; }
  bool AskDelete() const { return askDelete_; }
  void SetAskDelete(bool value) { askDelete_ = value; }
  bool EnableChangeColor() const { return enableChangeColor_; }
  void SetEnableChangeColor(bool value) { enableChangeColor_ = value; }
  bool EnableDragSeries() const { return enableDrag_; }
  void SetEnableDragSeries(bool value) { enableDrag_ = value; }
  bool EnableChangeType() const { return enableChangeType_; }
  void SetEnableChangeType(bool value) { enableChangeType_ = value; }

  // Columns: each setter repaints.
  bool ShowColumn(Column column) const { return shown_[column]; }
  void SetShowColumn(Column column, bool value);
  bool ShowSeriesIcon() const { return ShowColumn(ColIcon); }
  void SetShowSeriesIcon(bool value) { SetShowColumn(ColIcon, value); }
  bool ShowActiveCheck() const { return ShowColumn(ColActive); }
  void SetShowActiveCheck(bool value) { SetShowColumn(ColActive, value); }
  bool ShowSeriesColor() const { return ShowColumn(ColColor); }
  void SetShowSeriesColor(bool value) { SetShowColumn(ColColor, value); }
  bool ShowSeriesTitle() const { return ShowColumn(ColTitle); }
  void SetShowSeriesTitle(bool value) { SetShowColumn(ColTitle, value); }

  // The column's width, its left edge (the widths of the shown columns
  // before it) and the shown column at `x`, or -1.
  static int ColumnWidth(Column column);
  int ColumnLeft(Column column) const;
  int ColumnAt(int x) const;

  // --- rows ---------------------------------------------------------------------------
  // The series of a row, or null (no row, or the series left the chart).
  TChartSeries* SeriesAt(int row) const;
  TChartSeries* CurrentSeries() const { return SeriesAt(currentRow()); }
  int RowOf(const TChartSeries* series) const;
  // The series of the selected rows in row order (the current one when
  // the list allows one selected row only).
  std::vector<TChartSeries*> SelectedSeries() const;
  // Makes the series' row current and the only one selected.
  void SelectSeries(const TChartSeries* series);
  // Lists the chart's series again; the row of `keep` becomes current,
  // else row 0.
  void FillSeries(const TChartSeries* keep);

  // The rows' texts, kept equal to them. A chooser linked here (the series
  // editor's) has its items kept equal too.
  const QStringList& OtherItems() const { return otherItems_; }
  void SetOtherItems(QComboBox* chooser);

  // --- commands -----------------------------------------------------------------------
  // Through the gallery's add hook; the new series, current and alone
  // selected, or null.
  TChartSeries* AddSeriesGallery();
  // Frees the selected series (those whose style allows it), after asking
  // when AskDelete. True when something was freed.
  bool DeleteSeries();
  // Asks for the current series' new title. True when its shown text changed.
  bool RenameSeries();
  // A copy of the current series after it; null when there is none or its
  // style forbids cloning.
  TChartSeries* CloneSeries();
  // Through the gallery's change hook for the first selected series; every
  // other selected series the chosen class can stand in for follows it.
  void ChangeTypeSeries();
  void MoveUp();
  void MoveDown();
  // Exchanges the series of two rows; nothing for a row out of range or
  // the same row.
  void MoveSeries(int from, int to);

  // --- events -------------------------------------------------------------------------
  std::function<void(TChartListBox&, int row)> OnDblClickSeries;
  // The series is leaving the chart (it may be in its destructor).
  std::function<void(TChartListBox&, TCustomChartSeries* series)> OnRemovedSeries;
  std::function<void(TChartListBox&)> OnOtherItemsChange;
  std::function<void(TChartListBox&)> OnRefresh;
  // The handlers the keys and the icon double click run in place of the
  // list's own commands.
  std::function<void()> OnAddCommand;
  std::function<void()> OnDeleteCommand;
  std::function<void()> OnChangeTypeCommand;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PlotEvent(TPlotEvent& event) override;
  void ChartGone();
  void SeriesRemoved(TPlotPersistent* series);
  void SeriesRetitled(TPlotPersistent* series);
  void SyncChooser();
  // The form's handler when it set one, else the list's own command.
  void RunCommand(const std::function<void()>& formHandler, const std::function<void()>& own);
  void ChangeColor(TChartSeries& series);
  void Refreshed();
  int RowOfPersistent(const TPlotPersistent* series) const;

  QPointer<TCustomAxisPanel> chart_;
  QMetaObject::Connection chartWatch_;
  QPointer<QComboBox> chooser_;
  QStringList otherItems_;
  std::array<bool, kColumnCount> shown_{true, true, true, true};
  bool allowAdd_ = true;
  bool allowDelete_ = true;
  bool askDelete_ = true;
  bool enableChangeColor_ = true;
  bool enableDrag_ = true;
  bool enableChangeType_ = true;
  bool doubleClickPending_ = false;
  bool destroying_ = false;
  int dragRow_ = -1;
};
