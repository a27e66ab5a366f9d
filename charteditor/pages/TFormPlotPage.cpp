#include "charteditor/pages/TFormPlotPage.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/grid/TChartPageNavigator.h"
#include "charteditor/pages/PageControls.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>

using namespace chartpages;

TFormPlotPage::TFormPlotPage(TCustomChart* chart, QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotPage"));
  SetOkCancelVisible(false);
  QWidget* body = Body();
  sePointsPerPage_ = MakeSpin(body, "SEPointsPerPage", 0, 32000);
  cbScaleLast_ = MakeCheck(body, "CBScaleLast", QStringLiteral("&Scale Last Page"));
  cbPageLegend_ = MakeCheck(body, "CBPageLegend", QStringLiteral("&Current page Legend"));
  // No page-number tool class is part of the system: the box stays hidden.
  cbPageNum_ = MakeCheck(body, "CBPageNum", QStringLiteral("Show &Page Number"));
  cbPageNum_->setVisible(false);
  navigator_ = new TChartPageNavigator(body);
  navigator_->setObjectName(QStringLiteral("ChartPageNavigator1"));
  labelPages_ = new QLabel(body);
  labelPages_->setObjectName(QStringLiteral("LabelPages"));
  auto* form = new QFormLayout(body);
  form->addRow(MakeLabel(body, QStringLiteral("P&oints per Page:"), sePointsPerPage_),
               sePointsPerPage_);
  form->addRow(cbScaleLast_);
  form->addRow(cbPageLegend_);
  form->addRow(cbPageNum_);
  form->addRow(navigator_);
  form->addRow(labelPages_);

  connect(sePointsPerPage_, &QSpinBox::valueChanged, this, &TFormPlotPage::PointsPerPageChanged);
  sePointsPerPage_->installEventFilter(this);
  connect(cbScaleLast_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) Chart()->SetScaleLastPage(on);
  });
  connect(cbPageLegend_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) Chart()->Legend()->SetCurrentPage(on);
  });
  navigator_->OnButtonClicked = [this](TCustomChartNavigator&, int) { ShowPages(); };

  SetTag(chart);
  navigator_->SetChart(chart);
  Load();
}

TCustomChart* TFormPlotPage::Chart() const {
  return qobject_cast<TCustomChart*>(Tag());
}

void TFormPlotPage::Load() {
  TCustomChart* chart = Chart();
  if (!chart) return;
  const LoadingScope loading(*this);
  chartpages::Load(sePointsPerPage_, chart->MaxPointsPerPage());
  chartpages::Load(cbScaleLast_, chart->ScaleLastPage());
  chartpages::Load(cbPageLegend_, chart->Legend()->CurrentPage());
  ShowPages();
}

void TFormPlotPage::showEvent(QShowEvent* event) {
  Load();
  navigator_->EnableButtons();
  TEditorForm::showEvent(event);
}

bool TFormPlotPage::eventFilter(QObject* watched, QEvent* event) {
  // An emptied box means no paging. The spin box itself would put its last
  // number back when the edit ends, so the empty text is read before it does.
  if (watched == sePointsPerPage_) {
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool ends = event->type() == QEvent::FocusOut ||
                      (key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter));
    if (ends && sePointsPerPage_->text().trimmed().isEmpty()) sePointsPerPage_->setValue(0);
  }
  return TEditorForm::eventFilter(watched, event);
}

void TFormPlotPage::PointsPerPageChanged(int value) {
  if (!CanWrite()) return;
  TCustomChart* chart = Chart();
  if (!Write([&] { chart->SetMaxPointsPerPage(value); })) {
    chartpages::Load(sePointsPerPage_, chart->MaxPointsPerPage());
  }
  ShowPages();
}

void TFormPlotPage::ShowPages() {
  const TCustomChart* chart = Chart();
  if (!chart) return;
  labelPages_->setText(QStringLiteral("Page %1 of %2").arg(chart->Page()).arg(chart->NumPages()));
  navigator_->EnableButtons();
}
