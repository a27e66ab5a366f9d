#pragma once
// The value lists of one series, in the order the series made them (X first,
// then Y, then the further lists of its type). The collection owns them:
// clearing or destroying it frees every list.
#include "chart/core/TChartValueList.h"

#include <memory>
#include <vector>

class TChartValueLists {
 public:
  // Lists made here get `owner` and `onChange` (both may be empty).
  explicit TChartValueLists(TChartValueListOwner* owner = nullptr,
                            TPlotPersistent::ChangeHandler onChange = {});
  TChartValueLists(const TChartValueLists&) = delete;
  TChartValueLists& operator=(const TChartValueLists&) = delete;

  // Makes an empty list named `name` and appends it.
  TChartValueList& Add(const QString& name);
  int Count() const { return static_cast<int>(lists_.size()); }
  // Raises ChartException "List index out of bounds (<index>)" outside 0..Count()-1.
  TChartValueList& GetValueList(int index) const;
  TChartValueList& operator[](int index) const { return GetValueList(index); }
  void Clear();

 private:
  TChartValueListOwner* owner_;
  TPlotPersistent::ChangeHandler onChange_;
  std::vector<std::unique_ptr<TChartValueList>> lists_;
};
