// A series' function and its sample points (the gallery's charts and a
// series shown before it has data).
#include "chart/model/TChartSeries.h"

#include "base/DateTime.h"
#include "base/MathUtil.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TPlotFunction.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>

bool TChartSeries::ShowSampleValues = false;

// --- function ---------------------------------------------------------------------------------

void TChartSeries::SetFunction(TPlotFunction* function) {
  if (function == function_) return;
  // A function computes one series: its old owner drops it and takes its
  // sources' points as they are.
  TChartSeries* previous = function ? function->ParentSeries() : nullptr;
  if (previous && previous != this && previous->function_ == function) {
    previous->function_ = nullptr;
    previous->CheckDataSource();
    previous->Repaint();
  }
  delete function_.data();
  function_ = function;
  if (function_) {
    function_->setParent(this);
    function_->SetParentSeries(this);
  }
  CheckDataSource();
  Repaint();
}

void TChartSeries::CopyFunction(const TChartSeries& source) {
  if (!source.function_) return;
  TPlotPersistent* made =
      ChartClasses().Create(QString::fromLatin1(source.function_->metaObject()->className()), this);
  auto* copy = qobject_cast<TPlotFunction*>(made);
  if (!copy) {
    delete made;
    return;  // a class the registry does not know: the copy computes nothing
  }
  copy->Assign(*source.function_);
  SetFunction(copy);
}

// --- sample points ----------------------------------------------------------------------------

TChartSeries::SampleRandom TChartSeries::DefaultSampleRandom() {
  return [](int n) {
    static std::mt19937 engine{std::random_device{}()};
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
  };
}

int TChartSeries::SampleRandomInt(int n) const {
  if (n <= 0) return 0;
  static const SampleRandom fallback = DefaultSampleRandom();
  const int r = sampleRandom_ ? sampleRandom_(n) : fallback(n);
  return std::clamp(r, 0, n - 1);
}

void TChartSeries::FillSampleValues(int count) {
  if (count < 1) throw ChartException(ChartText(ChartMsg::SampleValuesCount));
  if (function_) {
    CheckDataSource();
    return;
  }
  ClearValues();
  BeginUpdate();
  try {
    AddSampleValues(count);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

namespace {

// A range of no width at v: v..2v (2v..v below zero), or 0..`zeroWidth`.
void WidenEmptyRange(double& lo, double& hi, double zeroWidth) {
  if (lo != hi) return;
  if (lo == 0) {
    hi = zeroWidth;
  } else if (lo > 0) {
    hi = 2 * lo;
  } else {
    lo = 2 * hi;
  }
}

}  // namespace

TChartSeries::SampleRange TChartSeries::SampleBounds(int count) const {
  double minX = 0, maxX = count - 1, minY = 0, maxY = 1000;
  bool fromAxes = false;
  if (SeriesDrawingChart* chart = Drawing()) {
    // The range the axes show now: the extremes of the series on them. X
    // is where the points stand, Y their values: a horizontal series stands
    // along the vertical axis.
    const TChartAxis* along = yMandatory_ ? GetHorizAxis() : GetVertAxis();
    const TChartAxis* across = yMandatory_ ? GetVertAxis() : GetHorizAxis();
    bool anyX = false, anyY = false;
    const auto take = [](const TChartSeries& s, const TChartAxis& axis, double& lo, double& hi,
                         bool& any) {
      const bool horizontal = axis.Horizontal();
      const double l = horizontal ? s.MinXValue() : s.MinYValue();
      const double h = horizontal ? s.MaxXValue() : s.MaxYValue();
      lo = any ? std::min(lo, l) : l;
      hi = any ? std::max(hi, h) : h;
      any = true;
    };
    for (const TChartSeries* s : chart->SeriesList()) {
      if (!s->Active() || s->PointCount() == 0) continue;
      if (along && s->AssociatedToAxis(*along)) take(*s, *along, minX, maxX, anyX);
      if (across && s->AssociatedToAxis(*across)) take(*s, *across, minY, maxY, anyY);
    }
    fromAxes = anyX || anyY;
    if (!anyX) minX = 0, maxX = count - 1;
    if (!anyY) minY = 0, maxY = 1000;
  }
  if (fromAxes) {
    WidenEmptyRange(minY, maxY, 1000);
    WidenEmptyRange(minX, maxX, count);
  } else if ((yMandatory_ ? xValues_ : yValues_)->DateTime()) {
    minX = base::Today();
    maxX = minX + count - 1;
  }
  return {minX, maxX, minY, maxY};
}

void TChartSeries::AddSampleValues(int count) {
  if (count < 1) return;
  const auto [minX, maxX, minY, maxY] = SampleBounds(count);
  // One point has no step to take (the walk would divide by zero).
  const double stepX = count > 1 ? (maxX - minX) / (count - 1) : 0;
  const double rangeY = std::clamp(maxY - minY, -2147483647.0, 2147483647.0);
  const int range = std::isfinite(rangeY) ? static_cast<int>(rangeY) : 0;
  double y = minY + SampleRandomInt(range);
  for (int i = 0; i < count; ++i) {
    y = std::abs(y + SampleRandomInt(range) - range / 2);
    const double x = minX + i * stepX;
    if (yMandatory_)
      AddPointXY(x, y);
    else
      AddPointXY(y, x);
  }
}

// --- gallery ------------------------------------------------------------------------------------

void TChartSeries::PrepareForGallery(bool enabled) {
  marks_->SetVisible(false);
  marks_->Font()->SetSize(7);
  marks_->SetArrowLength(4);
  marks_->SetDrawEvery(2);
  SetColorEachPoint(false);
  base::TColor color = base::clSilver;
  if (enabled) {
    SeriesDrawingChart* chart = Drawing();
    const bool first = chart && !chart->SeriesList().empty() && chart->SeriesList().front() == this;
    color = first ? base::clRed : base::clBlue;
  }
  SetSeriesColor(color);
}

void TChartSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  if (add) add(ChartText(ChartMsg::StyleNormal));
}
