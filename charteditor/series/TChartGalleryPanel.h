#pragma once
// The gallery's grid of sample charts, one per registered series type (or
// function, or sub-style), in NumRows by NumCols cells. The user selects a
// sample by click, by the arrow keys or by the focus; a double click or
// Enter picks it; Alt+Down or a click in the selected sample's bottom-left
// corner opens its sub-styles.
//
// In change mode (a changed series given) the samples whose class cannot
// take that series' place are unavailable: grey, with the forbidden
// cursor, and neither clicks nor keys select them.
#include "charteditor/series/SeriesGalleryHooks.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class GallerySampleWidget;
class GallerySubStylePopup;
class TChartSeries;
class TGalleryChart;

class TChartGalleryPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TChartGalleryPanel(QWidget* parent = nullptr);
  ~TChartGalleryPanel() override;

  // --- switches -----------------------------------------------------------------------
  bool DisplaySub() const { return displaySub_; }
  void SetDisplaySub(bool value);
  int NumRows() const { return numRows_; }
  void SetNumRows(int value);
  int NumCols() const { return numCols_; }
  void SetNumCols(int value);
  bool View3D() const { return view3D_; }
  // Every sample changes view and prepares its series again.
  void SetView3D(bool value);
  // Entries with a function class (true) or without one (false) are shown.
  bool FunctionsOnly() const { return functionsOnly_; }
  void SetFunctionsOnly(bool value) { functionsOnly_ = value; }
  // Change mode for `series` (not owned; null: add mode).
  TChartSeries* ChangedSeries() const;
  void SetChangedSeries(TChartSeries* series);
  // A click on an available sample picks it at once (the sub-style pop-up).
  void SetClickPicks(bool value) { clickPicks_ = value; }

  // --- samples ------------------------------------------------------------------------
  // One sample per registry entry of the kind shown whose page reads `page`,
  // in registration order; an empty page clears the samples.
  void CreateChartList(const QString& page);
  // One sample per sub-style of registry entry `entry`, each showing it.
  void CreateSubStyleList(int entry);
  void Clear();

  int Count() const { return static_cast<int>(samples_.size()); }
  GallerySampleWidget* Sample(int index) const;
  TGalleryChart* SampleChart(int index) const;
  int SelectedIndex() const { return selected_; }
  TGalleryChart* SelectedChart() const { return SampleChart(selected_); }
  // Selects sample `index` (-1: none); unavailable samples are not selected.
  void SelectChart(int index);
  // The class, function and sub-style of the selected sample; false when
  // nothing is selected.
  bool GetSeriesClass(GalleryChoice& choice) const;

  // --- layout -------------------------------------------------------------------------
  // Cell sizes: the panel's size shared out; 0 when a count is below 1.
  int CellWidth() const;
  int CellHeight() const;
  // Where sample `index` sits; empty (the sample hidden) when no cell has room.
  QRect SampleRect(int index) const;

  // --- sub-styles ---------------------------------------------------------------------
  // Opens the selected sample's sub-styles below it (with DisplaySub).
  void OpenSubGallery();
  GallerySubStylePopup* SubGallery() const;
  // The selected sample shows sub-style `subStyle` (0: the plain style).
  void ApplySubStyle(int subStyle);

  std::function<void(TChartGalleryPanel&)> OnSelectedChart;
  std::function<void(TChartGalleryPanel&)> OnChangeChart;
  std::function<void(TChartGalleryPanel&)> OnSubSelected;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  GallerySampleWidget* AddSample(int entry, const QString& title, int subStyle);
  void FillSample(TGalleryChart& chart);
  void PrepareSample(TGalleryChart& chart);
  void Relayout();
  // Gives the sample its shown size; a sample of another size is made
  // again, since its series prepare for the size (true then).
  bool FitSample(TGalleryChart& chart, QSize size);
  void PaintSelection();
  void MoveSelection(int dx, int dy);
  void SamplePressed(GallerySampleWidget& sample, QPoint at);
  void SampleDoubleClicked(GallerySampleWidget& sample);
  int IndexOf(const GallerySampleWidget& sample) const;

  std::vector<GallerySampleWidget*> samples_;
  QPointer<TChartSeries> changed_;
  QPointer<GallerySubStylePopup> popup_;
  int selected_ = -1;
  int numRows_ = 3;
  int numCols_ = 4;
  bool displaySub_ = true;
  bool view3D_ = true;
  bool functionsOnly_ = false;
  bool clickPicks_ = false;
};
