#pragma once
// The members of a series' style set (TCustomChartSeries::Style) that the
// editors obey: what the user may not do to that series.
#include "chart/model/TCustomChartSeries.h"

enum class SeriesStyleFlag : int { Template = 0, FixedClass = 1, NoDelete = 2, NoClone = 3 };

inline bool HasSeriesStyle(const TCustomChartSeries& series, SeriesStyleFlag flag) {
  return series.HasStyleMember(static_cast<int>(flag));
}

inline bool SeriesMayBeDeleted(const TCustomChartSeries& series) {
  return !HasSeriesStyle(series, SeriesStyleFlag::Template) &&
         !HasSeriesStyle(series, SeriesStyleFlag::NoDelete);
}

inline bool SeriesMayChangeClass(const TCustomChartSeries& series) {
  return !HasSeriesStyle(series, SeriesStyleFlag::FixedClass);
}

inline bool SeriesMayBeCloned(const TCustomChartSeries& series) {
  return !HasSeriesStyle(series, SeriesStyleFlag::Template) &&
         !HasSeriesStyle(series, SeriesStyleFlag::NoClone);
}
