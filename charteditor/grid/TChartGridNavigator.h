#pragma once
// The navigator that drives a chart grid: it moves through the grid's rows,
// appends and deletes points and starts, posts or cancels an edit; its
// buttons follow the grid's state. Grid and navigator let go of each other
// when either goes.
#include "charteditor/grid/TCustomChartNavigator.h"

#include <QPointer>

class TChartGrid;

class TChartGridNavigator : public TCustomChartNavigator {
  Q_OBJECT

 public:
  explicit TChartGridNavigator(QWidget* parent = nullptr);
  ~TChartGridNavigator() override;

  TChartGrid* Grid() const { return grid_; }
  void SetGrid(TChartGrid* grid);

  void EnableButtons() override;

 protected:
  void BtnClick(int index) override;

 private:
  friend class TChartGrid;
  // Called by a grid that goes or takes another navigator.
  void GridGone();

  QPointer<TChartGrid> grid_;
};
