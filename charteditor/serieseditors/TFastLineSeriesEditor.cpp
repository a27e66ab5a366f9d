#include "charteditor/serieseditors/TFastLineSeriesEditor.h"

#include "chart/series/TFastLineSeries.h"
#include "chart/widget/TButtonColor.h"

#include <QCheckBox>
#include <QGridLayout>

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
  colorButton_->LinkProperty(series_, QStringLiteral("SeriesColor"));
  drawAllBox_->setChecked(series_->DrawAllPoints());
}

void TFastLineSeriesEditor::reject() {
  if (isWindow()) TPenDialog::reject();
}
