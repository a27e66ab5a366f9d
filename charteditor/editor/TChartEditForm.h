#pragma once
// The chart editor's window: a "Chart" page whose sub-pages edit the chart
// as a whole (series list, general, axis, titles, legend, panel, paging,
// walls, 3D) and main pages for the selected series, the point data,
// tools, export and print preview. Every page but the series list is built
// the first time its sheet shows: the axis, titles, legend, panel and walls
// pages here, the others through the page factories (EditorPageRegistry.h);
// a sheet without a factory keeps its tab hidden.
#include "charteditor/common/EditorPageRegistry.h"
#include "charteditor/common/GuardedTabWidget.h"
#include "charteditor/editor/ChartEditorTypes.h"

#include <QDialog>
#include <QPointer>

#include <array>

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;
class TChartAxis;
class TChartListBox;
class TChartSeries;
class TChartTitle;
class TChartWall;
class TCustomChart;
class TFormPlotSeries;

class TChartEditForm : public QDialog {
  Q_OBJECT

 public:
  explicit TChartEditForm(QWidget* parent = nullptr);
  ~TChartEditForm() override;

  // The chart edited (not owned); null once it was freed.
  TCustomChart* Chart() const;
  void SetEditorChart(TCustomChart* chart);

  TChartEditorOptions Options() const { return options_; }
  // Takes the options and applies them to the buttons and the help.
  void SetOptions(TChartEditorOptions options);
  // The tab shown first (0..15), or -1 for none.
  int DefaultTab() const { return defaultTab_; }
  void SetDefaultTab(int tab) { defaultTab_ = tab; }
  TChartEditorHiddenTabs HideTabs() const { return hideTabs_; }
  void SetHideTabs(TChartEditorHiddenTabs tabs) { hideTabs_ = tabs; }
  // What the axis, titles and walls pages open on (null: left axis, Title, left wall).
  void SetStartObjects(TChartAxis* axis, TChartTitle* title, TChartWall* wall);

  GuardedTabWidget* MainPage() const { return mainPage_; }
  QTabWidget* SubPage() const { return subPage_; }
  TChartListBox* SeriesList() const { return seriesList_; }
  // The page built in a sheet, or null before its first showing.
  QWidget* Page(EditorPage page) const { return pages_[static_cast<int>(page)]; }
  // The series page's editor, or null before the page first showed.
  TFormPlotSeries* SeriesEditor() const { return seriesEditor_; }
  // The help file the help button opens; empty: no help.
  QString HelpFile() const { return helpFile_; }

  // Translates the form and its pages built so far, once.
  void Translate();

 public:
  // Closing asks the series editor first (changes of a data source not applied).
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void HideTabsAsAsked();
  void ShowDefaultTab();
  void SubPageChanged();
  void MainPageChanged();
  void BuildPage(EditorPage page, QWidget* sheet);
  QWidget* SheetOf(EditorPage page) const;
  // Grows the form to what its contents ask for.
  void FitContents();
  void RefreshButtons();
  void AddSeries();
  void DeleteSeries();
  void RenameSeries();
  void CloneSeries();
  void ChangeSeries();
  void ShowSeriesPage();
  // The series editor forgets a series gone or replaced, and shows the list's current one.
  void RefreshSeriesEditor();
  void ShowHelp();

  QPointer<TCustomChart> chart_;
  TChartEditorOptions options_ = TChartEditorOptions::fromInt(AllEditorOptions);
  int defaultTab_ = -1;
  TChartEditorHiddenTabs hideTabs_;
  QPointer<TChartAxis> startAxis_;
  QPointer<TChartTitle> startTitle_;
  QPointer<TChartWall> startWall_;
  QString helpFile_;
  bool shown_ = false;
  bool translated_ = false;
  std::array<QWidget*, EditorPageCount> pages_{};
  QPointer<TChartSeries> lastAdded_;
  TFormPlotSeries* seriesEditor_ = nullptr;

  GuardedTabWidget* mainPage_;
  QTabWidget* subPage_;
  TChartListBox* seriesList_;
  QToolButton* moveUpButton_;
  QToolButton* moveDownButton_;
  QPushButton* addButton_;
  QPushButton* deleteButton_;
  QPushButton* renameButton_;
  QPushButton* cloneButton_;
  QPushButton* changeButton_;
  QPushButton* helpButton_;
  QLabel* wwwLabel_;
  QPushButton* closeButton_;
};
