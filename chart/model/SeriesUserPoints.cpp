#include "chart/model/SeriesUserPoints.h"

#include "chart/model/TChartSeries.h"

SeriesUserPoints::SeriesUserPoints(const TChartSeries& series)
    : series_(&series), painted_(series.PaintedPointIndex()) {
  const int all = series.PointCount();
  if (painted_ >= all) painted_ = -1;
  count_ = painted_ >= 0 ? all - 1 : all;
}

int SeriesUserPoints::Row(int valueIndex) const {
  if (painted_ < 0 || valueIndex < painted_) return valueIndex;
  return valueIndex == painted_ ? -1 : valueIndex - 1;
}

double SeriesUserPoints::Value(const TChartValueList& list, int row) const {
  return series_->UserValue(list, PointIndex(row));
}

QString SeriesUserPoints::Label(int row) const {
  return series_->GetXLabel(PointIndex(row));
}

bool SeriesUserPoints::IsNull(int row) const {
  return series_->IsNull(PointIndex(row));
}

base::TColor SeriesUserPoints::OwnColor(int row) const {
  return series_->PointOwnColor(PointIndex(row));
}

base::TColor SeriesUserPoints::Color(int row) const {
  return series_->GetValueColor(PointIndex(row));
}
