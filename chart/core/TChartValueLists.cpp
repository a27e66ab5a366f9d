#include "chart/core/TChartValueLists.h"

#include "base/Format.h"
#include "chart/core/ChartExceptions.h"

#include <utility>

TChartValueLists::TChartValueLists(TChartValueListOwner* owner,
                                   TPlotPersistent::ChangeHandler onChange)
    : owner_(owner), onChange_(std::move(onChange)) {}

TChartValueList& TChartValueLists::Add(const QString& name) {
  lists_.push_back(std::make_unique<TChartValueList>(owner_, name, onChange_));
  return *lists_.back();
}

TChartValueList& TChartValueLists::GetValueList(int index) const {
  if (index < 0 || index >= Count()) {
    throw ChartException(base::Format(QStringLiteral("List index out of bounds (%d)"), {index}));
  }
  return *lists_[static_cast<std::size_t>(index)];
}

void TChartValueLists::Clear() {
  lists_.clear();
}
