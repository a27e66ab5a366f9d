#include "charteditor/grid/GridPointEdits.h"

#include "chart/model/TChartSeries.h"

namespace {

// `wanted`, unless appending it would break the list's order: then the last
// value, which sorts after every other.
double OrderKeepingValue(const TChartValueList& list, double wanted) {
  if (list.Count() == 0) return wanted;
  const double last = list.Values().back();
  switch (list.Order()) {
    case loAscending:
      return wanted >= last ? wanted : last;
    case loDescending:
      return wanted <= last ? wanted : last;
    case loNone:
      break;
  }
  return wanted;
}

}  // namespace

int AppendNullPoint(TChartSeries& series) {
  const double count = series.PointCount();
  const TChartValueList* notMandatory = series.NotMandatoryValueList();
  TChartValueLists& lists = series.ValuesList();
  for (int k = 2; k < lists.Count(); ++k) lists[k].SetTempValue(0.0);
  auto valueFor = [&](const TChartValueList& list) {
    return OrderKeepingValue(list, &list == notMandatory ? count : 0.0);
  };
  return series.AddNullXY(valueFor(*series.XValues()), valueFor(*series.YValues()));
}

bool PadToPoint(TChartSeries& series, int index) {
  while (series.PointCount() <= index) {
    if (AppendNullPoint(series) < 0) return false;
  }
  return true;
}

int MovePointIntoOrder(TChartSeries& series, const TChartValueList& list, int index) {
  if (list.Order() == loNone) return index;
  const int last = list.Count() - 1;
  // One step of an insertion sort: the rest of the list is in order.
  auto before = [&](int a, int b) { return list.CompareValueIndex(a, b) < 0; };
  while (index > 0 && before(index, index - 1)) {
    series.SwapValueIndex(index - 1, index);
    --index;
  }
  while (index < last && before(index + 1, index)) {
    series.SwapValueIndex(index, index + 1);
    ++index;
  }
  return index;
}

bool IsIndexSequence(const TChartValueList& list) {
  const auto values = list.Values();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (values[i] != static_cast<double>(i)) return false;
  }
  return true;
}

bool IsSourcedSeries(const TChartSeries& series) {
  return series.DataSource() != nullptr;
}
