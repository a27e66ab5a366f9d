#pragma once
// The series editor's colour box: the series' legend symbol on the box's
// colour, and a click that asks for a new series colour.
#include "chart/model/TChartSeries.h"

#include <QPointer>
#include <QWidget>

class SeriesColorBox : public QWidget {
  Q_OBJECT

 public:
  explicit SeriesColorBox(QWidget* parent = nullptr);

  void SetSeries(TChartSeries* series);

 Q_SIGNALS:
  // After a colour was chosen and written.
  void colorChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPointer<TChartSeries> series_;
};
