#pragma once
// Tools: chart parts that watch the chart paint and the mouse (cursor
// lines, mark tips, drag handles). No tool type is built into this system,
// but the chart keeps the list, hands each active tool its notices and lets
// a tool stop a mouse event, so that tool types can be added as plain
// subclasses.
#include "chart/model/PlotInput.h"
#include "chart/model/TCustomChartElement.h"

#include <memory>
#include <vector>

// When in a paint a tool hears from its chart (stored numbers).
enum TChartToolEvent : int {
  cteAfterDraw = 0,
  cteBeforeDrawSeries = 1,
  cteBeforeDraw = 2,
};

class TChartTool : public TCustomChartElement {
  Q_OBJECT

 public:
  explicit TChartTool(QObject* owner = nullptr);

  // A step of the chart's paint.
  virtual void ChartEvent(TChartToolEvent /*event*/) {}
  // A mouse event on the chart (kind 0 down, 1 up, 2 move). A tool that
  // handles it sets the chart's cancel-mouse flag, which stops the others.
  virtual void ChartMouseEvent(int /*kind*/, TMouseButton /*button*/, TShiftState /*shift*/,
                               int /*x*/, int /*y*/) {}
};

// The chart's tools, in order; the list owns them.
class TChartTools {
 public:
  explicit TChartTools(ChartHost* chart) : chart_(chart) {}
  ~TChartTools();
  TChartTools(const TChartTools&) = delete;
  TChartTools& operator=(const TChartTools&) = delete;

  // Takes `tool` over and makes this list's chart its chart; answers it.
  TChartTool* Add(std::unique_ptr<TChartTool> tool);
  // Frees the tool at `index` (ChartException outside the list).
  void Delete(int index);
  // Exchanges the tools at `a` and `b` (ChartException outside the list):
  // the order they are notified, drawn and stored in.
  void Exchange(int a, int b);
  void Clear();
  int Count() const { return static_cast<int>(tools_.size()); }
  // Raises ChartException outside 0..Count()-1.
  TChartTool* Get(int index) const;
  const std::vector<std::unique_ptr<TChartTool>>& Items() const { return tools_; }

 private:
  ChartHost* chart_;
  std::vector<std::unique_ptr<TChartTool>> tools_;
};
