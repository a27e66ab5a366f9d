#pragma once
// What a chart element (a series, a title, a wall) needs of the chart it
// lives in, without knowing the chart: invalidation, the series events the
// chart's listeners get, whether the chart is reading its stored state, and
// notice when an element attaches or leaves. The panel implements the
// invalidation; the axis panel adds the rest.
//
// Elements hold their chart through a ParentChartPtr, which turns null once the
// host is gone, so that an element that outlives its chart never calls into
// freed memory.
#include <memory>

class TPlotPersistent;

// The series events a chart sends to its listeners, by their stored numbers.
enum ChartSeriesEvent : int {
  seAdd = 0,
  seRemove = 1,
  seChanged = 2,  // title set, or series replaced
  seColorChanged = 3,
  seOrderChanged = 4,
  seActiveChanged = 5,
  seRefresh = 6,
};

class ChartHost {
 public:
  ChartHost() : self_(std::make_shared<ChartHost*>(this)) {}
  virtual ~ChartHost() { HostGone(); }
  ChartHost(const ChartHost&) = delete;
  ChartHost& operator=(const ChartHost&) = delete;

  // Marks the chart for repainting.
  virtual void Invalidate() = 0;
  virtual void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) = 0;
  // True while the chart reads its stored state (a chart file is loading).
  virtual bool ReadingStoredState() const = 0;
  virtual void ElementAttached(TPlotPersistent* element) = 0;
  virtual void ElementDetached(TPlotPersistent* element) = 0;

 protected:
  // Every ParentChartPtr of this host reads null from now on. A host's
  // destructor calls it first, before freeing the elements it owns, so that
  // they see no half-destroyed chart.
  void HostGone() { *self_ = nullptr; }

 private:
  friend class ParentChartPtr;
  std::shared_ptr<ChartHost*> self_;
};

// A non-owning reference to an element's chart that reads null once the
// chart is gone. (An element's ParentChart() getter keeps the plain name.)
class ParentChartPtr {
 public:
  ParentChartPtr() = default;
  ParentChartPtr(ChartHost* host)
      : ref_(host ? host->self_ : nullptr) {}  // NOLINT: implicit on purpose

  ChartHost* get() const { return ref_ ? *ref_ : nullptr; }
  ChartHost* operator->() const { return get(); }
  explicit operator bool() const { return get() != nullptr; }
  bool operator==(const ChartHost* host) const { return get() == host; }

 private:
  std::shared_ptr<ChartHost*> ref_;
};
