#include "chart/model/TPlotFunction.h"

#include "base/MathUtil.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/AxisSteps.h"
#include "chart/model/SeriesUserPoints.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartSeries.h"

#include <algorithm>
#include <cmath>
#include <utility>

TPlotFunction::TPlotFunction(QObject* owner) : TPlotPersistent({}, owner) {}

TChartSeries* TPlotFunction::ParentSeries() const {
  return parentSeries_;
}

void TPlotFunction::SetParentSeries(TChartSeries* series) {
  parentSeries_ = series;
}

void TPlotFunction::SetPeriod(double value) {
  // A NaN or infinite period would never end a period (or end all at once).
  if (!(value >= 0) || std::isinf(value)) throw ChartException(ChartText(ChartMsg::FunctionPeriod));
  if (Store(period_, value)) ReCalculate();
}

void TPlotFunction::SetPeriodStyle(TFunctionPeriodStyle value) {
  if (Store(periodStyle_, value)) ReCalculate();
}

void TPlotFunction::SetPeriodAlign(TFunctionPeriodAlign value) {
  if (Store(periodAlign_, value)) ReCalculate();
}

void TPlotFunction::EndUpdate() {
  if (!updating_) return;
  updating_ = false;
  ReCalculate();
}

void TPlotFunction::ReCalculate() {
  if (!updating_ && parentSeries_) parentSeries_->CheckDataSource();
}

void TPlotFunction::Assign(const TPlotFunction& source) {
  if (&source == this) return;
  const bool wasUpdating = std::exchange(updating_, true);
  CopyPublished(source, *this);
  updating_ = wasUpdating;
  ReCalculate();
}

double TPlotFunction::Calculate(const TChartSeries& /*source*/, int /*first*/, int /*last*/) const {
  return 0;
}

double TPlotFunction::CalculateMany(const std::vector<TChartSeries*>& /*sources*/,
                                    int /*index*/) const {
  return 0;
}

TPlotFunction::IndexRange TPlotFunction::PointRange(int count, int first, int last) {
  if (first == -1) return {0, count - 1};
  return {std::max(first, 0), std::min(last, count - 1)};
}

bool TPlotFunction::ValueAt(const TChartSeries& source, int index, double& value) const {
  const SeriesUserPoints points(source);
  if (index < 0 || index >= points.Count()) return false;
  value = points.Value(SourceValueList(source), index);
  return Counts(value);
}

const TChartValueList& TPlotFunction::SourceValueList(const TChartSeries& source) const {
  if (parentSeries_) {
    const QString name = parentSeries_->MandatoryValueList()->ValueSource();
    if (!name.isEmpty()) return *source.GetYValueList(name);
  }
  return *source.MandatoryValueList();
}

void TPlotFunction::AddPoint(bool yMandatory, double x, double y, const QString& label) {
  if (!parentSeries_) return;
  if (!yMandatory) std::swap(x, y);
  parentSeries_->AddPointXY(x, y, label, clPlotColor);
}

void TPlotFunction::AddFunctionXY(bool yMandatory, double x, double y) {
  AddPoint(yMandatory, x, y, {});
}

std::int64_t TPlotFunction::PointsInPeriod(double period, std::int64_t count) {
  // Below half a point Round gives 0, which would read before the first
  // point and never move on.
  const double rounded = std::max(1.0, std::nearbyint(period));
  if (!(rounded <= static_cast<double>(count))) return count + 1;
  return static_cast<std::int64_t>(rounded);
}

void TPlotFunction::AddPoints(const std::vector<TChartSeries*>& sources) {
  if (!parentSeries_) return;
  parentSeries_->ClearValues();
  if (sources.size() > 1) {
    AddManySources(sources);
  } else if (!sources.empty() && SeriesUserPoints(*sources.front()).Count() > 0) {
    const TChartSeries& source = *sources.front();
    AddSourcePoints(source, *source.NotMandatoryValueList());
  }
}

void TPlotFunction::AddSourcePoints(const TChartSeries& source, const TChartValueList& xList) {
  if (period_ != 0) {
    CalculateByPeriod(source, xList);
  } else {
    CalculateAllPoints(source, xList);
  }
}

void TPlotFunction::CalculateAllPoints(const TChartSeries& source, const TChartValueList& xList) {
  const double v = Calculate(source, -1, -1);
  // The extent of the user's X values, NaN skipped, as the list keeps its own.
  const SeriesUserPoints points(source);
  double minimum = 0, maximum = 0;
  bool any = false;
  for (int i = 0; i < points.Count(); ++i) {
    const double x = points.Value(xList, i);
    if (!Counts(x)) continue;
    minimum = any ? std::min(minimum, x) : x;
    maximum = any ? std::max(maximum, x) : x;
    any = true;
  }
  if (parentSeries_->WholeValueAsPoint()) {
    AddFunctionXY(source.YMandatory(), minimum + (maximum - minimum) * 0.5, v);
  } else {
    AddFunctionXY(source.YMandatory(), minimum, v);
    AddFunctionXY(source.YMandatory(), maximum, v);
  }
}

void TPlotFunction::CalculatePeriod(const TChartSeries& source, double x, int first, int last) {
  AddFunctionXY(source.YMandatory(), x, Calculate(source, first, last));
}

double TPlotFunction::AlignedX(double start, double end) const {
  switch (periodAlign_) {
    case paFirst:
      return start;
    case paLast:
      return end;
    case paCenter:
      break;
  }
  return (start + end) * 0.5;
}

void TPlotFunction::CalculateByPeriod(const TChartSeries& source, const TChartValueList& xList) {
  if (periodStyle_ == psRange) {
    ByRange(source, xList);
  } else {
    ByNumPoints(source, xList);
  }
}

void TPlotFunction::ByNumPoints(const TChartSeries& source, const TChartValueList& xList) {
  const SeriesUserPoints points(source);
  const std::int64_t count = points.Count();
  const std::int64_t n = PointsInPeriod(period_, count);
  // Only whole periods make points; what is left at the end makes none.
  for (std::int64_t i = 0; i + n <= count; i += n) {
    const std::int64_t last = i + n - 1;
    const double point = AlignedX(points.Value(xList, static_cast<int>(i)),
                                  points.Value(xList, static_cast<int>(last)));
    CalculatePeriod(source, point, static_cast<int>(i), static_cast<int>(last));
  }
}

void TPlotFunction::ByRange(const TChartSeries& source, const TChartValueList& xList) {
  const SeriesUserPoints points(source);
  const int count = points.Count();
  const auto x = [&](int row) { return points.Value(xList, row); };
  const int step = AxisSteps::FindDateTimeStep(period_);
  const TChartAxis* axis = parentSeries_->GetHorizAxis();
  const bool calendar = axis && axis->IsDateTime() && axis->ExactDateTime();
  int i = 0;
  while (i < count) {
    const double start = x(i);
    double end = start;
    if (calendar) {
      AxisSteps::IncDecDateTime(true, end, period_, step);
    } else {
      end = start + period_;
    }
    int last = i;
    while (last + 1 < count && x(last + 1) < end) ++last;
    const double point = AlignedX(start, end - 0.001 * period_);
    if (start < end) {
      CalculatePeriod(source, point, i, last);
    } else {
      // A period below the resolution of X (or a NaN X) holds no range:
      // point i alone gives its 0 and the walk moves on.
      AddFunctionXY(source.YMandatory(), point, 0);
    }
    i = last + 1;
  }
}

void TPlotFunction::AddManySources(const std::vector<TChartSeries*>& sources) {
  const TChartSeries* longest = nullptr;
  int longestCount = 0;
  for (const TChartSeries* s : sources) {
    const int count = SeriesUserPoints(*s).Count();
    if (!longest || count > longestCount) {
      longest = s;
      longestCount = count;
    }
  }
  const SeriesUserPoints points(*longest);
  const TChartValueList& x = *longest->NotMandatoryValueList();
  for (int t = 0; t < points.Count(); ++t) {
    AddPoint(longest->YMandatory(), points.Value(x, t), CalculateMany(sources, t), points.Label(t));
  }
}
