#pragma once
// Series types for chart tests: a line through the points in the series
// colour that answers clicks within 3 pixels of a point, and a series that
// places itself without axes (as a pie does).
#include "chart/canvas/TCanvas3D.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/TChartSeries.h"

#include <cstdlib>

class TLineTestSeries : public TChartSeries {
 public:
  using TChartSeries::TChartSeries;

  void DrawValue(int index) override {
    SeriesDrawingChart* chart = Drawing();
    if (!chart) return;
    TCanvas3D& canvas = chart->Canvas();
    BackendPen pen = Pen()->ToBackendPen();
    pen.color = SeriesColor();
    canvas.ReferenceCanvas().setPen(pen);
    const int x = CalcXPos(index), y = CalcYPos(index);
    if (index == FirstValueIndex()) {
      canvas.MoveTo(x, y);
      // A lone point still shows.
      canvas.ReferenceCanvas().setPixel(x, y, SeriesColor());
    } else {
      canvas.LineTo(x, y);
    }
  }

  // Pixels the series asks beside its first and last points.
  int horizMargin = 0;
  void CalcHorizMargins(int& left, int& right) override { left = right = horizMargin; }

  int Clicked(int x, int y) override {
    if (!Drawing()) return -1;
    for (int i = 0; i < PointCount(); ++i)
      if (std::abs(CalcXPos(i) - x) <= 3 && std::abs(CalcYPos(i) - y) <= 3) return i;
    return -1;
  }
};

class TNoAxesTestSeries : public TChartSeries {
 public:
  using TChartSeries::TChartSeries;
  bool UseAxis() const override { return false; }
};
