#include "charteditor/serieseditors/SeriesColorBox.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartCursors.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChartSeries.h"

#include <QMouseEvent>
#include <QPainter>

SeriesColorBox::SeriesColorBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PaintBox1"));
  setFixedSize(26, 20);
  setCursor(PlotCursorShape(crPlotHand));
}

void SeriesColorBox::SetSeries(TChartSeries* series) {
  series_ = series;
  update();
}

void SeriesColorBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!series_) return;
  QPainterBackend backend(painter);
  PaintSeriesIcon(*series_, backend, TRect{0, 0, width(), height()});
}

void SeriesColorBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !series_ ||
      !rect().contains(event->position().toPoint()))
    return;
  base::TColor color = series_->SeriesColor();
  if (!Prompts().ChooseColor(color) || !series_) return;
  series_->SetSeriesColor(color);
  update();
  Q_EMIT colorChanged();
}
