#pragma once
// The chart editor's "Series" page: a header that chooses the series and
// shows its class and colour, and the sheets "Format" (the per-type editor
// registered under the name the series answers from GetEditorClass),
// "General", "Marks" and "Data Source".
//
// Opening a page never writes: controls are filled inside a LoadingScope
// and the data-source choice acts only on a user's choice, so that merely
// looking at the extractor's series keeps its points.
#include "charteditor/common/GuardedTabWidget.h"
#include "charteditor/common/TEditorForm.h"

#include "chart/model/TChartSeries.h"

#include <QPointer>
#include "chart/model/TCustomAxisPanel.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class TButtonPen;
class TCustomAxisPanel;
class TFormPlotShape;
class SeriesColorBox;

class TFormPlotSeries : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotSeries(QWidget* parent = nullptr);
  ~TFormPlotSeries() override;

  // Switches the chart editor sets before the first show.
  void SetShowDataSource(bool on) { showDataSource_ = on; }
  void SetShowGeneral(bool on) { showGeneral_ = on; }
  void SetShowMarks(bool on) { showMarks_ = on; }

  // The series chooser (CBSeries): each entry's data is its series. The
  // chart editor's series list keeps the entries; without one, RefreshSeries
  // lists the series of the chart shown.
  QComboBox* SeriesChooser() const { return seriesBox_; }
  // Lists the series of `chart` in the chooser.
  void FillSeriesChooser(TCustomAxisPanel* chart);

  // Shows `series` (null hides the sheets): selects its entry and rebuilds
  // the page when it is not the series shown last.
  void RefreshSeries(TChartSeries* series);
  TChartSeries* Series() const { return series_.data(); }
  GuardedTabWidget* Pages() const { return pages_; }
  // Shows the "Data Source" sheet, where the options leave it a tab; true
  // when it is the sheet shown afterwards.
  bool ShowDataSourceSheet();

  // A sheet inserted by a per-type editor at `index`; it goes with that
  // editor when another series is shown.
  QWidget* InsertSheet(int index, const QString& caption);
  // Embeds a further editor form, freed with the per-type editor.
  void AddSheetEditor(TEditorForm* form, QWidget* sheet);

  // Whether the page may be left: the data-source editor decides, when
  // there is one (it may ask about changes not applied).
  bool CanLeave();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildHeader();
  void BuildGeneral();
  void BuildMarks();
  void BuildDataSource();

  TCustomAxisPanel* ListedChart() const;
  int ChooserRowOf(TChartSeries* series) const;
  void SeriesChosen(int index);
  void ChangeSeries(TChartSeries* series);
  void FreeEditors();
  void CreateFormatEditor();
  void ActivateSheet(const QString& caption);
  void PageChanged(int index);
  // The header's colour box follows the series' look: its chart's every
  // repaint request may be a colour or a symbol the Format sheet changed.
  void WatchLook();
  void ShowLook();

  // General sheet
  void LoadGeneral();
  void FillAxisBox(QComboBox& box, bool horizontal, int fixedCount);
  void AxisChosen(bool horizontal, int index);
  void SortChosen(int index);
  void DepthChanged();
  // Marks sheet
  void LoadMarks();
  void UpdateMultiLineEnabled();
  void AllVisibleChanged(bool on);
  // Data Source sheet
  void LoadDataSource();
  int CurrentDataStyle() const;
  void RebuildDataArea(int style);
  void DataStyleChosen(int index);
  void FreeDataEditor();

  // Header
  QWidget* header_;
  QLabel* imageSeries_;
  QLabel* labelSeriesClass_;
  QComboBox* seriesBox_;
  SeriesColorBox* colorBox_;
  QCheckBox* persistentBox_;
  GuardedTabWidget* pages_;
  QWidget* formatSheet_;
  QWidget* generalSheet_;
  QWidget* marksSheet_;
  QWidget* dataSheet_;
  // General
  QCheckBox* showInLegendBox_;
  QComboBox* cursorBox_;
  QSpinBox* depthBox_;
  QCheckBox* autoDepthBox_;
  QComboBox* formatBox_;
  QComboBox* percentFormatBox_;
  QGroupBox* horizAxisGroup_;
  QComboBox* horizAxisBox_;
  QCheckBox* xDateTimeBox_;
  QGroupBox* vertAxisGroup_;
  QComboBox* vertAxisBox_;
  QCheckBox* yDateTimeBox_;
  QComboBox* sortBox_;
  // Marks
  QTabWidget* marksPages_;
  QCheckBox* marksVisibleBox_;
  QCheckBox* markClipBox_;
  QSpinBox* marksAngleBox_;
  QSpinBox* arrowLengthBox_;
  TButtonPen* arrowPenButton_;
  QSpinBox* marksEveryBox_;
  QCheckBox* multiLineBox_;
  QCheckBox* allVisibleBox_;
  QComboBox* markStyleBox_;
  TFormPlotShape* marksShapeEditor_ = nullptr;
  // Data Source
  QComboBox* dataStyleBox_;
  QPushButton* newDataButton_;
  QPushButton* editDataButton_;
  QPushButton* deleteDataButton_;
  QWidget* dataArea_;
  QPointer<TEditorForm> dataEditor_;
  int shownDataStyle_ = -1;

  // Guarded: a series freed by the chart editor (Delete, Change) reads null,
  // so a new series allocated at the same address is never taken for it.
  QPointer<TChartSeries> series_;
  QPointer<TChartSeries> lastShown_;
  QPointer<TCustomAxisPanel> listedChart_;
  QMetaObject::Connection lookWatch_;
  // The per-type editor first, then the editors of the sheets it added.
  std::vector<QPointer<TEditorForm>> editors_;
  std::vector<QPointer<QWidget>> addedSheets_;
  bool changing_ = true;
  bool showDataSource_ = true;
  bool showGeneral_ = true;
  bool showMarks_ = true;
};
