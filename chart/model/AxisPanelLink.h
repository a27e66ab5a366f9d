#pragma once
// The axes hold their chart as a TAxisChart, a ChartHost of its own; the
// axis panel is a ChartHost for its series. This small object answers the
// axes on the panel's behalf, so that neither host is shared. Only the
// axis panel's own files include it.
#include "chart/model/TCustomAxisPanel.h"

class TCustomAxisPanel::AxisLink final : public TAxisChart {
 public:
  explicit AxisLink(TCustomAxisPanel& panel) : panel_(panel) {}
  ~AxisLink() override { HostGone(); }

  void Invalidate() override { panel_.InvalidateChart(); }
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) override {
    panel_.BroadcastSeriesEvent(event, series);
  }
  bool ReadingStoredState() const override { return panel_.ReadingStoredState(); }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}

  TCanvas3D& Canvas() override { return panel_.Canvas(); }
  TRect ChartRect() const override { return panel_.ChartRect(); }
  int Width3D() const override { return panel_.Width3D(); }
  bool View3D() const override { return panel_.View3D(); }
  bool FlatDepthLabels() const override;
  bool AxisBehind() const override { return panel_.AxisBehind(); }
  bool AxisDrawn(const TChartAxis& axis) const override { return panel_.IsAxisVisible(axis); }
  int WallSize(AxisSide side) const override;
  int MultiLineTextWidth(const QString& text, int& lines) const override {
    return panel_.MultiLineTextWidth(text, lines);
  }
  int MaxTextWidth(const TChartAxis&) const override { return panel_.MaxTextWidth(); }
  int MaxMarkWidth(const TChartAxis&) const override { return panel_.MaxMarkWidth(); }
  double MinAxisValue(const TChartAxis& axis) const override { return panel_.MinMax(axis, false); }
  double MaxAxisValue(const TChartAxis& axis) const override { return panel_.MinMax(axis, true); }
  std::vector<const AxisLabelSource*> AxisSeries(const TChartAxis& axis) const override;
  std::vector<const AxisLabelSource*> ActiveSeries() const override;
  void GetAxisLabel(const TChartAxis& axis, const AxisLabelSource* series, int index,
                    QString& text) const override;
  bool HasNextAxisLabel() const override { return static_cast<bool>(panel_.OnGetNextAxisLabel); }
  void GetNextAxisLabel(const TChartAxis& axis, int index, double& value,
                        bool& stop) const override;
  int DevicePenWidth(int width) const override;

 private:
  TCustomAxisPanel& panel_;
};
