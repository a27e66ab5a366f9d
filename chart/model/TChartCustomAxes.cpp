#include "chart/model/TChartCustomAxes.h"

#include "chart/core/ChartExceptions.h"

TChartCustomAxes::TChartCustomAxes(TAxisChart* chart, ChangeHandler onChange)
    : TPlotPersistent(std::move(onChange)), chart_(chart) {}

TChartCustomAxes::~TChartCustomAxes() = default;

TChartAxis* TChartCustomAxes::Add() {
  axes_.push_back(std::make_unique<TChartAxis>(chart_, false, false));
  Changed();
  return axes_.back().get();
}

void TChartCustomAxes::Delete(int index) {
  Get(index);
  axes_.erase(axes_.begin() + index);
  Changed();
}

void TChartCustomAxes::Clear() {
  if (axes_.empty()) return;
  axes_.clear();
  Changed();
}

TChartAxis* TChartCustomAxes::Get(int index) const {
  if (index < 0 || index >= Count())
    throw ChartException(QStringLiteral("Custom axis index %1 out of bounds (0 to %2).")
                             .arg(index)
                             .arg(Count() - 1));
  return axes_[static_cast<size_t>(index)].get();
}

int TChartCustomAxes::IndexOf(const TChartAxis* axis) const {
  for (size_t i = 0; i < axes_.size(); ++i)
    if (axes_[i].get() == axis) return static_cast<int>(i);
  return -1;
}

void TChartCustomAxes::Assign(const TChartCustomAxes& source) {
  if (&source == this) return;
  std::vector<std::unique_ptr<TChartAxis>> copies;
  copies.reserve(source.axes_.size());
  for (const auto& axis : source.axes_) {
    copies.push_back(std::make_unique<TChartAxis>(chart_, axis->Horizontal(), axis->OtherSide()));
    copies.back()->Assign(*axis);
  }
  axes_.swap(copies);
  Changed();
}
