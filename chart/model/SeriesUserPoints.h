#pragma once
// The points of a series as the user gave them, in rows that leave out the
// point a series adds of its own while it paints (the pie's Other slice),
// with the values the user gave where a paint marked a point. Exports, the
// chart file and the grid read a series through it, so that what they show
// does not depend on whether the chart was painted.
#include "base/Colors.h"

#include <QString>

class TChartSeries;
class TChartValueList;

class SeriesUserPoints {
 public:
  // Asks the series once where its own point stands.
  explicit SeriesUserPoints(const TChartSeries& series);

  const TChartSeries& Series() const { return *series_; }
  int Count() const { return count_; }
  // Whether a paint added a point of the series' own (and may have marked
  // others): only then do the rows differ from the series' lists.
  bool HasPaintedPoint() const { return painted_ >= 0; }
  // The index among all the series' points of `row`.
  int PointIndex(int row) const { return painted_ >= 0 && row >= painted_ ? row + 1 : row; }
  // The row of point `valueIndex`; -1 for the series' own point.
  int Row(int valueIndex) const;

  double Value(const TChartValueList& list, int row) const;
  QString Label(int row) const;
  bool IsNull(int row) const;
  // The colour as chosen (clPlotColor for a point that follows the series).
  base::TColor OwnColor(int row) const;
  base::TColor Color(int row) const;

 private:
  const TChartSeries* series_;
  int painted_;
  int count_;
};
