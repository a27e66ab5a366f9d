#pragma once
// The window of a chart: the panel window showing a TChart, with the zoom
// rectangle laid over the finished picture in the zoom's own colours, the
// wheel and double clicks handed to the chart, and each step of an animated
// zoom shown as it is drawn.
#include "chart/widget/PlotPanelWidget.h"

class TChart;

class ChartWidget : public PlotPanelWidget {
  Q_OBJECT

 public:
  // The chart is not owned.
  explicit ChartWidget(TChart* chart, QWidget* parent = nullptr);
  ~ChartWidget() override;

  TChart* Chart() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // A drag whose button is no longer held ends here: a popup menu or another
  // window that took the release left it running.
  void EndOrphanedDrag(Qt::MouseButtons held);

  // Wheel units not yet making a notch (120 to a notch).
  int wheelRest_ = 0;
};
