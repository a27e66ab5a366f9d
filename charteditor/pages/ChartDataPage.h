#pragma once
// The chart editor's Data page: the chart grid filling the sheet with its
// navigator below. Each visit shows the colour column when the first series
// has colours of its own; a right-button press on the grid toggles it.
#include <QWidget>

class TChartGrid;
class TChartGridNavigator;
class TCustomChart;

class ChartDataPage : public QWidget {
  Q_OBJECT

 public:
  explicit ChartDataPage(TCustomChart* chart, QWidget* parent = nullptr);

  TChartGrid* Grid() const { return grid_; }
  TChartGridNavigator* Navigator() const { return navigator_; }
  // What each visit does: the colour rule, the chart, a refill, the focus.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TCustomChart* chart_;  // the editor's chart, which outlives its pages
  TChartGrid* grid_;
  TChartGridNavigator* navigator_;
};
