#pragma once
// The gallery dialog: a row of type tabs ("Series", "Functions"), a row of
// page tabs, the panel of samples, the 3D switch, OK and Cancel. It adds a
// series (both type tabs) or changes one (series types only, those that
// cannot take the series' place unavailable).
#include "charteditor/common/TEditorForm.h"
#include "charteditor/series/SeriesGalleryHooks.h"

#include <QStringList>

class QCheckBox;
class QTabBar;
class TPlotSeriesTypes;
class TChartGalleryPanel;
class TChartSeries;

// The gallery pages of the entries of one kind (with a function class or
// without) that show at least one series, in first-seen order, the
// standard page first.
QStringList GalleryPages(const TPlotSeriesTypes& types, bool functions);

class TPlotGallery : public TEditorForm {
  Q_OBJECT

 public:
  explicit TPlotGallery(QWidget* parent = nullptr);

  // Add mode, the 3D switch starting at `view3D`.
  void SetAddMode(bool view3D);
  // Change mode for `series` (its chart's 3D view on the switch).
  void SetChangeMode(TChartSeries* series);

  TChartGalleryPanel* Panel() const { return panel_; }
  QTabBar* TypeTabs() const { return typeTabs_; }
  QTabBar* PageTabs() const { return pageTabs_; }
  QCheckBox* View3DBox() const { return view3D_; }
  bool View3D() const;
  // What the user picked; false when no sample is selected.
  bool Choice(GalleryChoice& choice) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TypeChanged();
  void PageChanged();
  bool FunctionsShown() const;

  QTabBar* typeTabs_;
  QTabBar* pageTabs_;
  TChartGalleryPanel* panel_;
  QCheckBox* view3D_;
  bool rebuilding_ = false;
  bool forwarding_ = false;
};
