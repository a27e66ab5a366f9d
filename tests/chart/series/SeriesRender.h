#pragma once
// What the series tests share about the fake drawing chart: the pixel of a
// value on its standard axes, and a paint of some of its series onto a
// raster image as the chart paints them (depth slots back to front in 3D,
// clipped to the chart rectangle).
#include "chart/canvas/QPainterBackend.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace seriestest {

// The axes' pixels when they run 0..`maximum` over the chart rectangle
// 12..388 across and 240..10 upwards.
inline int X(double v, double maximum = 10) {
  return static_cast<int>(std::lrint(12 + v * (376.0 / maximum)));
}
inline int Y(double v, double maximum = 10) {
  return static_cast<int>(std::lrint(240 - v * (230.0 / maximum)));
}
// A point as the recording backend writes it.
inline QString P(int x, int y) {
  return QStringLiteral("%1,%2").arg(x).arg(y);
}

inline QImage RenderSeries(FakeDrawingChart& chart, const std::vector<TChartSeries*>& series) {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterBackend backend(painter);
    chart.Canvas().SetUseBuffer(false);
    chart.host.Start(&backend);
    chart.maxZOrder = -1;
    for (TChartSeries* s : series) s->CalcZOrder();
    for (TChartSeries* s : series)
      s->SetDepthExtent(chart.host.is3D ? std::max(0, chart.maxZOrder - s->DepthSlot()) : 0, 40);
    chart.Canvas().ClipRectangle(chart.ChartRect());
    for (TChartSeries* s : series) {
      s->CalcFirstLastVisibleIndex();
      s->DrawAllValues();
    }
    chart.Canvas().UnClipRectangle();
    chart.Canvas().ShowImage();
    chart.host.Start();
  }
  return image;
}

}  // namespace seriestest
