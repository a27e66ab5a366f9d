#pragma once
// A chart for series that place and draw their points: four standard axes
// over the axis fake's recording canvas (chart rectangle 12,10 - 388,240),
// a series list that calls Added and Removed, depth slots, and records of
// repaint requests, series events and what a leaving element still was.
#include "chart/model/TChartSeries.h"
#include "tests/chart/model/FakeAxisChart.h"

#include <algorithm>
#include <utility>
#include <vector>

class FakeDrawingChart final : public ChartHost, public SeriesChart, public SeriesDrawingChart {
 public:
  FakeAxisChart host;
  TChartAxis left{&host, false, false};
  TChartAxis top{&host, true, true};
  TChartAxis right{&host, false, true};
  TChartAxis bottom{&host, true, false};
  std::vector<TChartSeries*> series;
  int maxZOrder = 0;
  bool separateDepths = true;
  base::TColor legendBack = base::clWhite;
  int invalidations = 0;
  std::vector<std::pair<ChartSeriesEvent, TPlotPersistent*>> events;
  // For each element that left: whether it was still a series then.
  std::vector<bool> leftAsSeries;

  FakeDrawingChart() {
    for (TChartAxis* a : {&left, &top, &right, &bottom}) Scale(*a, 0, 10);
  }
  ~FakeDrawingChart() override { HostGone(); }

  // The axis shows minimum..maximum across the chart rectangle.
  static void Scale(TChartAxis& axis, double minimum, double maximum) {
    axis.SetMinMax(minimum, maximum);
    axis.InternalCalcPositions();
    axis.RecalcMinMax();
  }

  void Invalidate() override { ++invalidations; }
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* s) override {
    events.emplace_back(event, s);
  }
  bool ReadingStoredState() const override { return false; }
  void ElementAttached(TPlotPersistent* element) override {
    auto* s = qobject_cast<TChartSeries*>(element);
    if (!s || std::find(series.begin(), series.end(), s) != series.end()) return;
    s->Added();
    series.push_back(s);
    BroadcastSeriesEvent(seAdd, s);
  }
  void ElementDetached(TPlotPersistent* element) override {
    auto* s = qobject_cast<TChartSeries*>(element);
    leftAsSeries.push_back(s != nullptr);
    auto it = std::find(series.begin(), series.end(), element);
    if (it == series.end()) return;
    if (s) s->Removed();
    series.erase(it);
    BroadcastSeriesEvent(seRemove, element);
  }

  bool IsValidDataSource(const TChartSeries& s, const QObject* source) const override {
    const auto* other = qobject_cast<const TChartSeries*>(source);
    return other && other != &s && other->IsValidSeriesSource();
  }
  void CheckDatasource(TChartSeries& s) override {
    if (const auto* source = qobject_cast<const TChartSeries*>(s.DataSource()))
      s.AddValues(*source);
  }

  TChartAxis* StandardAxis(AxisSide side) const override {
    switch (side) {
      case AxisSide::Left:
        return const_cast<TChartAxis*>(&left);
      case AxisSide::Top:
        return const_cast<TChartAxis*>(&top);
      case AxisSide::Right:
        return const_cast<TChartAxis*>(&right);
      default:
        return const_cast<TChartAxis*>(&bottom);
    }
  }
  TCanvas3D& Canvas() override { return host.canvas; }
  TRect ChartRect() const override { return host.rect; }
  bool View3D() const override { return host.is3D; }
  TView3DOptions* View3DOptions() const override { return const_cast<TView3DOptions*>(&host.view); }
  const std::vector<TChartSeries*>& SeriesList() const override { return series; }
  int MaxZOrder() const override { return maxZOrder; }
  void SetMaxZOrder(int value) override { maxZOrder = value; }
  bool SeparateSeriesDepths() const override { return separateDepths; }
  base::TColor LegendBackColor() const override { return legendBack; }
  QString FormattedValueLegend(const TChartSeries& s, int index) const override {
    return s.LegendString(index, TChartSeries::ltsValue).replace(QChar(13), QChar(' '));
  }
};
