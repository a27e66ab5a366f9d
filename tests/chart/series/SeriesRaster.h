#pragma once
// Series painted onto a white 400 x 300 image as the chart paints them:
// the pre-pass and margins (where bar series size their bars), depth slots
// (back to front in 3D, 40 pixels each), clipped to the chart rectangle.
#include "chart/canvas/QPainterBackend.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <vector>

template <class Series>
QImage RenderSeries(FakeDrawingChart& chart, const std::vector<std::unique_ptr<Series>>& series) {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterBackend backend(painter);
  chart.Canvas().SetUseBuffer(false);
  chart.host.Start(&backend);
  chart.maxZOrder = -1;
  for (auto& s : series) {
    s->DoBeforeDrawChart();
    int a = 0, b = 0;
    s->CalcHorizMargins(a, b);
    s->CalcVertMargins(a, b);
    s->CalcZOrder();
  }
  for (auto& s : series)
    s->SetDepthExtent(chart.host.is3D ? chart.maxZOrder - s->DepthSlot() : 0, 40);
  chart.Canvas().ClipRectangle(chart.ChartRect());
  for (auto& s : series) {
    s->CalcFirstLastVisibleIndex();
    s->DrawAllValues();
  }
  chart.Canvas().UnClipRectangle();
  chart.Canvas().ShowImage();
  chart.host.Start();
  return image;
}
