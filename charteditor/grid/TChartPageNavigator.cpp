#include "charteditor/grid/TChartPageNavigator.h"

#include "chart/model/TCustomAxisPanel.h"

TChartPageNavigator::TChartPageNavigator(QWidget* parent) : TCustomChartNavigator(parent) {
  for (int i = nbInsert; i <= nbCancel; ++i) {
    SetButtonVisible(i, false);
    Button(i)->setEnabled(false);
  }
  EnableButtons();
}

TChartPageNavigator::~TChartPageNavigator() {
  Leave();
}

TCustomAxisPanel* TChartPageNavigator::Chart() const {
  return alive_ ? chart_ : nullptr;
}

void TChartPageNavigator::Leave() {
  if (TCustomAxisPanel* chart = Chart()) chart->RemoveListener(this);
  chart_ = nullptr;
  alive_ = ParentChartPtr();
}

void TChartPageNavigator::SetChart(TCustomAxisPanel* chart) {
  if (chart == Chart()) return;
  Leave();
  chart_ = chart;
  alive_ = ParentChartPtr(chart);
  if (chart) chart->AddListener(this);
  EnableButtons();
}

void TChartPageNavigator::EnableButtons() {
  const TCustomAxisPanel* chart = Chart();
  const int page = chart ? chart->Page() : 1;
  const bool back = chart && page > 1;
  const bool forward = chart && chart->NumPages() > page;
  Button(nbFirst)->setEnabled(back);
  Button(nbPrior)->setEnabled(back);
  Button(nbNext)->setEnabled(forward);
  Button(nbLast)->setEnabled(forward);
}

void TChartPageNavigator::BtnClick(int index) {
  TCustomAxisPanel* chart = Chart();
  if (!chart) return;
  const int page = chart->Page();
  switch (index) {
    case nbFirst:
      if (page > 1) chart->SetPage(1);
      break;
    case nbPrior:
      if (page > 1) chart->SetPage(page - 1);
      break;
    case nbNext:
      if (chart->NumPages() > page) chart->SetPage(page + 1);
      break;
    case nbLast:
      if (chart->NumPages() > page) chart->SetPage(chart->NumPages());
      break;
    default:
      break;
  }
  EnableButtons();
}

void TChartPageNavigator::PlotEvent(::TPlotEvent& event) {
  if (dynamic_cast<TPlotPageChangeEvent*>(&event)) {
    EnableButtons();
  } else if (auto* series = dynamic_cast<TPlotSeriesEvent*>(&event)) {
    if (series->Event == seRefresh) EnableButtons();
  }
}
