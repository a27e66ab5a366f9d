#pragma once
// The axes a user adds to a chart besides the five standard ones. Each
// belongs to the chart like the standard axes do and is drawn where its
// side and position put it; the collection owns them.
#include "chart/core/TPlotPersistent.h"
#include "chart/model/TChartAxis.h"

#include <memory>
#include <vector>

class TChartCustomAxes : public TPlotPersistent {
  Q_OBJECT

 public:
  explicit TChartCustomAxes(TAxisChart* chart = nullptr, ChangeHandler onChange = {});
  ~TChartCustomAxes() override;

  // A new vertical axis on the left side, at the end.
  TChartAxis* Add();
  // Frees the axis at `index` (ChartException outside the list).
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(axes_.size()); }
  // Raises ChartException outside 0..Count()-1.
  TChartAxis* Get(int index) const;
  int IndexOf(const TChartAxis* axis) const;
  const std::vector<std::unique_ptr<TChartAxis>>& Items() const { return axes_; }

  // As many axes as `source` holds, each a copy of its counterpart.
  void Assign(const TChartCustomAxes& source);

 private:
  TAxisChart* chart_;
  std::vector<std::unique_ptr<TChartAxis>> axes_;
};
