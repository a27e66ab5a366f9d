#pragma once
// A chart for axis tests: a recording canvas over a fixed chart rectangle,
// series given as plain tables, and the label hooks as optional functions.
#include "chart/canvas/RecordingBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/model/AxisChart.h"
#include "chart/model/TChartAxis.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

struct FakeSeries final : AxisLabelSource {
  std::vector<double> x, y;
  QStringList texts, marks;
  int first = 0;
  int last = -1;  // defaults to the last point
  bool xDateTime = false, yDateTime = false, yMandatory = true, depth = false;
  QString title;

  int FirstVisibleIndex() const override { return x.empty() ? -1 : first; }
  int LastVisibleIndex() const override {
    return x.empty() ? -1 : (last < 0 ? int(x.size()) - 1 : last);
  }
  QString PointText(int i) const override { return i < texts.size() ? texts[i] : QString(); }
  QString MarkText(int i) const override { return i < marks.size() ? marks[i] : QString(); }
  double XValue(int i) const override { return x.at(size_t(i)); }
  double YValue(int i) const override { return y.at(size_t(i)); }
  bool XDateTime() const override { return xDateTime; }
  bool YDateTime() const override { return yDateTime; }
  bool YMandatory() const override { return yMandatory; }
  bool HasPointTexts() const override {
    for (const QString& t : texts)
      if (!t.isEmpty()) return true;
    return false;
  }
  bool HasDepthValues() const override { return depth; }
  QString Title() const override { return title; }
};

class FakeAxisChart final : public TAxisChart {
 public:
  RecordingBackend backend{QSize(400, 300)};
  TPlotCanvas3D canvas;
  TView3DOptions view;
  TRect rect{12, 10, 388, 240};
  int width3D = 0;
  bool is3D = false;
  bool axisBehind = false;
  int wall = 0;
  double minValue = 0, maxValue = 0;
  std::vector<std::unique_ptr<FakeSeries>> series;
  std::function<void(const AxisLabelSource*, int, QString&)> onGetAxisLabel;
  std::function<void(int, double&, bool&)> onGetNextAxisLabel;
  int invalidations = 0;
  mutable long long labelHookCalls = 0;

  FakeAxisChart() { Start(); }
  ~FakeAxisChart() override { HostGone(); }

  void Start(DrawingBackend* target = nullptr) {
    canvas.InitWindow(target ? target : &backend, &view, is3D, TRect{0, 0, 400, 300});
    canvas.Projection(width3D, rect);
    backend.clearLines();
  }
  FakeSeries& AddSeries() {
    series.push_back(std::make_unique<FakeSeries>());
    return *series.back();
  }

  void Invalidate() override { ++invalidations; }
  void BroadcastSeriesEvent(ChartSeriesEvent, TPlotPersistent*) override {}
  bool ReadingStoredState() const override { return false; }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}

  TCanvas3D& Canvas() override { return canvas; }
  TRect ChartRect() const override { return rect; }
  int Width3D() const override { return width3D; }
  bool View3D() const override { return is3D; }
  bool FlatDepthLabels() const override { return false; }
  bool AxisBehind() const override { return axisBehind; }
  bool AxisDrawn(const TChartAxis& axis) const override { return axis.Visible(); }
  int WallSize(AxisSide) const override { return wall; }
  int MultiLineTextWidth(const QString& text, int& lines) const override {
    const QStringList parts = text.split(QLatin1Char('\r'));
    lines = int(parts.size());
    int w = 0;
    for (const QString& p : parts) w = std::max(w, canvas.TextWidth(p));
    return w;
  }
  int MaxTextWidth(const TChartAxis&) const override { return Widest(false); }
  int MaxMarkWidth(const TChartAxis&) const override { return Widest(true); }
  double MinAxisValue(const TChartAxis&) const override { return minValue; }
  double MaxAxisValue(const TChartAxis&) const override { return maxValue; }
  std::vector<const AxisLabelSource*> AxisSeries(const TChartAxis&) const override {
    return ActiveSeries();
  }
  std::vector<const AxisLabelSource*> ActiveSeries() const override {
    std::vector<const AxisLabelSource*> out;
    for (const auto& s : series) out.push_back(s.get());
    return out;
  }
  void GetAxisLabel(const TChartAxis&, const AxisLabelSource* s, int index,
                    QString& text) const override {
    ++labelHookCalls;
    if (onGetAxisLabel) onGetAxisLabel(s, index, text);
  }
  bool HasNextAxisLabel() const override { return bool(onGetNextAxisLabel); }
  void GetNextAxisLabel(const TChartAxis&, int index, double& value, bool& stop) const override {
    onGetNextAxisLabel(index, value, stop);
  }
  int DevicePenWidth(int width) const override { return width; }

 private:
  int Widest(bool marks) const {
    int w = 0;
    for (const auto& s : series)
      for (const QString& t : marks ? s->marks : s->texts) {
        int lines = 0;
        w = std::max(w, MultiLineTextWidth(t, lines));
      }
    return w;
  }
};

// An axis on the fake chart with a fixed label font (10 pixels high: the
// recording metrics make a character 5 wide and a line 12 high), its range
// set and its positions computed. A chart without series gets one
// spanning the range, so that the axis shows values.
inline void PrepareAxis(TChartAxis& axis, FakeAxisChart& chart, double minimum, double maximum) {
  axis.LabelsFont()->SetHeight(-10);
  axis.LabelsFont()->SetName(QStringLiteral("DejaVu Sans"));
  if (chart.series.empty()) {
    FakeSeries& s = chart.AddSeries();
    s.x = s.y = {minimum, maximum};
  }
  chart.minValue = minimum;
  chart.maxValue = maximum;
  axis.RecalcMinMax();
  axis.InternalCalcPositions();
}
