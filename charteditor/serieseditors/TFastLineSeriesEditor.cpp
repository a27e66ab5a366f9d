#include "charteditor/serieseditors/TFastLineSeriesEditor.h"

#include "chart/model/TCustomPlotPanel.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/widget/TButtonColor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QShowEvent>

TFastLineSeriesEditor::TFastLineSeriesEditor(QWidget* parent)
    : TPenDialog(parent), drawAllBox_(new QCheckBox(tr("Draw &All"), Body())) {
  setObjectName(QStringLiteral("FastLineSeriesEditor"));
  SetOkCancelVisible(false);
  drawAllBox_->setObjectName(QStringLiteral("CBDrawAll"));
  if (auto* grid = qobject_cast<QGridLayout*>(Body()->layout()))
    grid->addWidget(drawAllBox_, grid->rowCount(), 0, 1, 2);
  connect(drawAllBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite() && series_) series_->SetDrawAllPoints(on);
  });
}

void TFastLineSeriesEditor::LoadSeries() {
  if (auto* series = qobject_cast<TFastLineSeries*>(Tag())) series_ = series;
  if (!series_) return;
  LoadingScope loading(*this);
  EditPen(series_->LinePen());
  // The series colour, written through the series: the fast line's pen
  // follows it, and the chart hears of the colour change.
  colorButton_->LinkProperty(this, QStringLiteral("SeriesColor"));
  drawAllBox_->setChecked(series_->DrawAllPoints());
}

void TFastLineSeriesEditor::showEvent(QShowEvent* event) {
  TPenDialog::showEvent(event);
  if (!event->spontaneous()) LoadSeries();
}

void TFastLineSeriesEditor::reject() {
  if (isWindow()) TPenDialog::reject();
}

uint TFastLineSeriesEditor::SeriesColor() const {
  return series_ ? series_->SeriesColor() : base::clNone;
}

void TFastLineSeriesEditor::SetSeriesColor(uint color) {
  if (!CanWrite() || !series_) return;
  auto* chart = dynamic_cast<TCustomPlotPanel*>(series_->ParentChart());
  if (!chart) {
    series_->SetSeriesColor(color);
    return;
  }
  const base::TColor before = series_->SeriesColor();
  const bool repaint = chart->AutoRepaint();
  chart->SetAutoRepaint(false);
  series_->SetSeriesColor(color);
  chart->SetAutoRepaint(repaint);
  if (series_->SeriesColor() != before) chart->InvalidateChart();
}
