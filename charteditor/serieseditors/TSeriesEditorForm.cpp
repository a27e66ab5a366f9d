#include "charteditor/serieseditors/TSeriesEditorForm.h"

#include "chart/model/TCustomAxisPanel.h"

#include <QShowEvent>

TSeriesEditorForm::TSeriesEditorForm(QWidget* parent) : TEditorForm(parent) {
  SetOkCancelVisible(false);
}

void TSeriesEditorForm::LoadSeries() {
  if (auto* series = qobject_cast<TChartSeries*>(Tag())) series_ = series;
  if (!series_) return;
  LoadingScope loading(*this);
  Load();
}

void TSeriesEditorForm::showEvent(QShowEvent* event) {
  TEditorForm::showEvent(event);
  if (!event->spontaneous()) LoadSeries();
}

TCustomAxisPanel* TSeriesEditorForm::Chart() const {
  return series_ ? dynamic_cast<TCustomAxisPanel*>(series_->ParentChart()) : nullptr;
}

bool TSeriesEditorForm::ChartIn3D() const {
  const TCustomAxisPanel* chart = Chart();
  return chart && chart->View3D();
}
