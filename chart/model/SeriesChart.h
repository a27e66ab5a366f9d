#pragma once
// What a series asks of the chart it lives in, beyond what every element
// asks (ChartHost). The axis panel answers both interfaces; series tests
// answer them with a small fake, so that a series is tested without a panel.
#include "base/Colors.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/model/AxisChart.h"

#include <QString>

#include <vector>

class QObject;
class TCanvas3D;
class TChartAxis;
class TChartSeries;
class TView3DOptions;

// Sources: whether a component may feed a series, and the series' refill
// from its sources.
class SeriesChart {
 public:
  virtual ~SeriesChart() = default;
  virtual bool IsValidDataSource(const TChartSeries& series, const QObject* source) const = 0;
  // The series takes its points again from its data source.
  virtual void CheckDatasource(TChartSeries& series) = 0;
};

// Placing and drawing: the axes a series' axis kinds name, the canvas and
// rectangle it draws in, the view, and the depth slots of the paint under
// way. A series in a chart without these draws nothing and sits at pixel 0.
class SeriesDrawingChart {
 public:
  virtual ~SeriesDrawingChart() = default;
  // The standard axis on `side` (left, top, right or bottom).
  virtual TChartAxis* StandardAxis(AxisSide side) const = 0;
  virtual TCanvas3D& Canvas() = 0;
  virtual TRect ChartRect() const = 0;
  virtual bool View3D() const = 0;
  virtual TView3DOptions* View3DOptions() const = 0;
  // Every series of the chart in paint order.
  virtual const std::vector<TChartSeries*>& SeriesList() const = 0;
  // The highest depth slot handed out in the paint under way; CalcZOrder
  // raises it.
  virtual int MaxZOrder() const = 0;
  virtual void SetMaxZOrder(int value) = 0;
  // In 3D each series (or group of series) stands in its own depth slot;
  // otherwise all share slot 0.
  virtual bool SeparateSeriesDepths() const = 0;
  // The colour behind legend symbols (the legend's own, else the chart's).
  virtual base::TColor LegendBackColor() const = 0;
  // The legend's text of point `index` (marks of style smsLegend).
  virtual QString FormattedValueLegend(const TChartSeries& series, int index) const = 0;
};
