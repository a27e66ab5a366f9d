#include "charteditor/pages/ChartDataPage.h"

#include "chart/model/SeriesHelpers.h"
#include "chart/model/TCustomChart.h"
#include "charteditor/grid/TChartGrid.h"
#include "charteditor/grid/TChartGridNavigator.h"

#include <QMouseEvent>
#include <QVBoxLayout>

ChartDataPage::ChartDataPage(TCustomChart* chart, QWidget* parent)
    : QWidget(parent), chart_(chart) {
  setObjectName(QStringLiteral("TabDataPage"));
  grid_ = new TChartGrid(this);
  grid_->setObjectName(QStringLiteral("ChartGrid1"));
  navigator_ = new TChartGridNavigator(this);
  navigator_->setObjectName(QStringLiteral("ChartGridNavigator1"));
  navigator_->SetAligned(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_, 1);
  layout->addWidget(navigator_);
  navigator_->SetGrid(grid_);
  grid_->viewport()->installEventFilter(this);
}

void ChartDataPage::Refresh() {
  const bool ownColors =
      chart_ && chart_->SeriesCount() > 0 && HasOwnPointColors(*chart_->GetSeries(0));
  grid_->SetShowColors(ownColors);
  grid_->SetChart(chart_);
  grid_->Model().Rebuild();
  grid_->setFocus();
}

void ChartDataPage::showEvent(QShowEvent* event) {
  Refresh();
  QWidget::showEvent(event);
}

bool ChartDataPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    grid_->SetShowColors(!grid_->ShowColors());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
