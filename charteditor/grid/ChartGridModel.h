#pragma once
// The table the chart grid shows: the points of every series of a chart (or
// of one series) as rows, with an optional colour column, a label column
// and each series' value lists as a block of columns. It reads the series
// directly (a series of a million points costs nothing per cell) and writes
// the user's edits back into them, so that no edit loses a point or invents
// one: texts are converted before anything changes, appended points land at
// the end of ordered lists, and a series fed by a data source is never
// changed. Rows are point indexes; columns are the data columns (the row
// numbers are the vertical header).
#include "chart/core/ChartHost.h"
#include "chart/model/PlotPanelEvents.h"
#include "chart/model/TChartSeries.h"

#include <QAbstractTableModel>
#include <QPointer>

#include <vector>

class TChartValueList;
class TCustomAxisPanel;

class ChartGridModel : public QAbstractTableModel, public TPlotEventListener {
  Q_OBJECT

 public:
  // Whether a series shows its not-mandatory (X) column: automatic shows it
  // when its values are not the point numbers.
  enum TChartGridShow { cgsAuto, cgsNo, cgsYes };
  Q_ENUM(TChartGridShow)

  enum class ColumnKind { Color, Label, Value };
  struct Column {
    ColumnKind kind = ColumnKind::Value;
    TChartSeries* series = nullptr;  // value columns
    TChartValueList* list = nullptr;
    bool firstOfBlock = false;  // the series' title stands above it
  };

  // The header texts of the first header row, and the series whose symbol
  // stands beside its title there.
  static constexpr int TitleRole = Qt::UserRole + 1;
  static constexpr int SeriesRole = Qt::UserRole + 2;

  explicit ChartGridModel(QObject* parent = nullptr);
  // Leaves the chart's listeners.
  ~ChartGridModel() override;

  TCustomAxisPanel* Chart() const;
  // Shows every series of `chart` (and forgets a single series).
  void SetChart(TCustomAxisPanel* chart);
  TChartSeries* Series() const { return series_.data(); }
  // Shows only `series` (and forgets the chart).
  void SetSeries(TChartSeries* series);
  bool ShowColors() const { return showColors_; }
  void SetShowColors(bool value);
  bool ShowLabels() const { return showLabels_; }
  void SetShowLabels(bool value);
  TChartGridShow ShowXValues() const { return showXValues_; }
  void SetShowXValues(TChartGridShow value);

  // Columns and rows again from the series; the view keeps its place when
  // only the rows changed.
  void Rebuild();

  const std::vector<Column>& Columns() const { return columns_; }
  // The series shown, in chart order.
  std::vector<TChartSeries*> ShownSeries() const;
  // Whether `series` shows its X column (decided at the last rebuild).
  bool XColumnShown(const TChartSeries* series) const;
  // Whether some shown series has points.
  bool HasPoints() const;
  // The series a column belongs to: its own for a value column, the first
  // shown series for the colour and label columns (null without series).
  TChartSeries* ColumnSeries(int column) const;

  // --- reading ------------------------------------------------------------------
  QString CellText(int row, int column) const;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // --- writing (each answers whether anything changed) --------------------------
  // Writes `text` into a cell. A text that does not convert goes to the
  // error prompt and changes nothing (false); the colour column and a
  // sourced series ignore text. `movedTo` receives the row the point stands
  // on afterwards (an ordered list moves it).
  bool SetCellText(int row, int column, const QString& text, int* movedTo = nullptr);
  bool CanEditText(int row, int column) const;
  // Appends a null point to every shown series; answers the row of the new
  // point of the column's series, or -1 when nothing was added.
  int InsertPoints(int column);
  // Down arrow on the last row: the column's series gets the row below.
  bool AppendRowBelow(int row, int column);
  // Up arrow on the last row: an empty null point there is removed.
  bool RemoveEmptyLastRow(int row, int column);
  // Deletes the row's point of every shown series.
  bool DeleteRow(int row);
  // The colour of the row's point of the first series, through the colour
  // prompt; only for a point that exists (a null one too) in a series the
  // grid may change.
  bool ChoosePointColor(int row);

 Q_SIGNALS:
  // After a rebuild, or rows fitted after a write (the view's window and
  // the navigator follow).
  void Rebuilt();
  // After an edit was written: (row, column, text).
  void CellEdited(int row, int column, const QString& text);
  // After a point changed (values, colour, points added or deleted).
  void Changed();

 protected:
  void PlotEvent(::TPlotEvent& event) override;

 private:
  void Listen(ChartHost* host);
  void Unlisten();
  bool ConvertText(const TChartValueList& list, const QString& text, double& value) const;
  bool SetLabelText(int row, const QString& text);
  bool SetValueText(int row, const Column& column, const QString& text, int* movedTo);
  // Rows to the largest point count (the columns stay).
  void FitRows();
  // Rows and cells again, then one repaint of the chart or series.
  void AfterWrite();
  // Tells the view every cell and column header may read differently.
  void ShowCellsAgain();
  int LargestCount() const;
  std::vector<Column> BuildColumns();

  ChartHost* chart_ = nullptr;  // the chart shown, or the single series' chart
  ParentChartPtr chartAlive_;
  bool showingChart_ = false;
  QPointer<TChartSeries> series_;
  bool showColors_ = false;
  bool showLabels_ = true;
  TChartGridShow showXValues_ = cgsAuto;
  std::vector<Column> columns_;
  std::vector<const TChartSeries*> xShown_;
  int rows_ = 1;
  // Above 0 while the grid writes: the chart's notices of its own changes
  // wait for the rebuild at the end.
  int writing_ = 0;
};
