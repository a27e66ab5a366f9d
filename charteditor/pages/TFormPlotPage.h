#pragma once
// The chart editor's Paging page: points per page, the last page's scale,
// the legend of the current page, and a page navigator with "Page n of m".
#include "charteditor/common/TEditorForm.h"

class QCheckBox;
class QLabel;
class QSpinBox;
class TChartPageNavigator;
class TCustomChart;

class TFormPlotPage : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotPage(TCustomChart* chart, QWidget* parent = nullptr);

  TCustomChart* Chart() const;
  void Load();
  TChartPageNavigator* Navigator() const { return navigator_; }

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPages();
  void PointsPerPageChanged(int value);

  QSpinBox* sePointsPerPage_;
  QCheckBox* cbScaleLast_;
  QCheckBox* cbPageLegend_;
  QCheckBox* cbPageNum_;
  TChartPageNavigator* navigator_;
  QLabel* labelPages_;
};
