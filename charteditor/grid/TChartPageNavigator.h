#pragma once
// The navigator that pages through a chart split into pages: first, prior,
// next and last page (the editing buttons are hidden). It follows the
// chart's page changes and refreshes, and leaves the chart's listeners when
// it goes or is given another chart.
#include "chart/core/ChartHost.h"
#include "chart/model/PlotPanelEvents.h"
#include "charteditor/grid/TCustomChartNavigator.h"

class TCustomAxisPanel;

class TChartPageNavigator : public TCustomChartNavigator, public TPlotEventListener {
  Q_OBJECT

 public:
  explicit TChartPageNavigator(QWidget* parent = nullptr);
  ~TChartPageNavigator() override;

  TCustomAxisPanel* Chart() const;
  void SetChart(TCustomAxisPanel* chart);

  void EnableButtons() override;

 protected:
  void BtnClick(int index) override;
  void PlotEvent(::TPlotEvent& event) override;

 private:
  void Leave();

  TCustomAxisPanel* chart_ = nullptr;
  ParentChartPtr alive_;
};
