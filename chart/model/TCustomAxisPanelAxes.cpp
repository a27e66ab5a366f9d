// What the axis panel answers its axes: ranges, which axes are drawn, text
// widths, label hooks; and the axes' share of a paint (space, series
// margins, drawing).
#include "chart/core/ChartMessages.h"
#include "chart/model/AxisPanelLink.h"
#include "chart/model/SeriesPaging.h"

#include <QStringList>

#include <algorithm>

// --- the axes' questions ------------------------------------------------------------------

bool TCustomAxisPanel::AxisLink::FlatDepthLabels() const {
  const TView3DOptions* view = panel_.View3DOptions();
  return view->Orthogonal() || view->Rotation() == 360;
}

int TCustomAxisPanel::AxisLink::WallSize(AxisSide side) const {
  switch (side) {
    case AxisSide::Left:
      return panel_.CalcWallSize(*panel_.LeftAxis());
    case AxisSide::Bottom:
      return panel_.CalcWallSize(*panel_.BottomAxis());
    case AxisSide::Top:
      return panel_.CalcWallSize(*panel_.TopAxis());
    case AxisSide::Right:
      return panel_.CalcWallSize(*panel_.RightAxis());
    case AxisSide::Depth:
      return panel_.CalcWallSize(*panel_.DepthAxis());
  }
  return 0;
}

std::vector<const AxisLabelSource*> TCustomAxisPanel::AxisLink::AxisSeries(
    const TChartAxis& axis) const {
  std::vector<const AxisLabelSource*> result;
  for (TChartSeries* s : panel_.series_)
    if (s->Active() && panel_.IsAssociated(*s, axis)) result.push_back(s);
  return result;
}

std::vector<const AxisLabelSource*> TCustomAxisPanel::AxisLink::ActiveSeries() const {
  std::vector<const AxisLabelSource*> result;
  for (TChartSeries* s : panel_.series_)
    if (s->Active()) result.push_back(s);
  return result;
}

void TCustomAxisPanel::AxisLink::GetAxisLabel(const TChartAxis& axis, const AxisLabelSource* series,
                                              int index, QString& text) const {
  if (!panel_.OnGetAxisLabel) return;
  // The sources the axes are given are the panel's own series.
  auto* s = const_cast<TChartSeries*>(dynamic_cast<const TChartSeries*>(series));
  panel_.OnGetAxisLabel(axis, s, index, text);
}

void TCustomAxisPanel::AxisLink::GetNextAxisLabel(const TChartAxis& axis, int index, double& value,
                                                  bool& stop) const {
  if (panel_.OnGetNextAxisLabel) panel_.OnGetNextAxisLabel(axis, index, value, stop);
}

int TCustomAxisPanel::AxisLink::DevicePenWidth(int width) const {
  BackendPen pen;
  pen.width = width;
  panel_.CheckPenWidth(pen);
  return pen.width;
}

// --- answers ------------------------------------------------------------------------------

std::vector<TChartAxis*> TCustomAxisPanel::Axes() const {
  std::vector<TChartAxis*> axes = {leftAxis_.get(), topAxis_.get(), rightAxis_.get(),
                                   bottomAxis_.get(), depthAxis_.get()};
  for (const auto& axis : customAxes_->Items()) axes.push_back(axis.get());
  return axes;
}

TAxisChart& TCustomAxisPanel::AxisServices() {
  return *axisLink_;
}

TChartAxis* TCustomAxisPanel::StandardAxis(AxisSide side) const {
  switch (side) {
    case AxisSide::Left:
      return leftAxis_.get();
    case AxisSide::Top:
      return topAxis_.get();
    case AxisSide::Right:
      return rightAxis_.get();
    case AxisSide::Bottom:
      return bottomAxis_.get();
    case AxisSide::Depth:
      return depthAxis_.get();
  }
  return nullptr;
}

bool TCustomAxisPanel::IsAssociated(const TChartSeries& series, const TChartAxis& axis) const {
  // Depth is the series' slot, not an axis kind.
  return !axis.IsDepthAxis && series.AssociatedToAxis(axis);
}

bool TCustomAxisPanel::IsAxisVisible(const TChartAxis& axis) const {
  if (!axisVisible_ || !axis.Visible()) return false;
  if (&axis == depthAxis_.get() && !View3D()) return false;
  bool anyActive = false;
  for (const TChartSeries* s : series_) {
    if (!s->Active()) continue;
    if (!anyActive && !s->UseAxis()) return false;
    anyActive = true;
    if (&axis == depthAxis_.get() || IsAssociated(*s, axis)) return true;
  }
  return !anyActive;
}

int TCustomAxisPanel::MultiLineTextWidth(const QString& text, int& lines) const {
  const QStringList parts = text.split(QLatin1Char('\r'));
  lines = static_cast<int>(parts.size());
  int widest = 0;
  auto& canvas = const_cast<TCustomAxisPanel*>(this)->Canvas();
  for (const QString& p : parts) widest = std::max(widest, canvas.TextWidth(p));
  return widest;
}

int TCustomAxisPanel::MaxTextWidth() const {
  int widest = 0;
  int lines = 0;
  for (const TChartSeries* s : series_) {
    const int n = std::min(s->LabelCount(), s->PointCount());
    for (int i = 0; i < n; ++i) {
      const QString label = s->GetXLabel(i);
      if (!label.isEmpty()) widest = std::max(widest, MultiLineTextWidth(label, lines));
    }
  }
  return widest;
}

int TCustomAxisPanel::MaxMarkWidth() const {
  int widest = 0;
  int lines = 0;
  for (const TChartSeries* s : series_) {
    if (!s->Active()) continue;
    for (int i = 0; i < s->PointCount(); ++i)
      widest = std::max(widest, MultiLineTextWidth(s->MarkText(i), lines));
  }
  return widest;
}

QString TCustomAxisPanel::ActiveSeriesTitle(int index) const {
  int n = 0;
  for (const TChartSeries* s : series_) {
    if (!s->Active()) continue;
    if (n++ == index) return SeriesTitleOrName(*s);
  }
  return {};
}

double TCustomAxisPanel::MinMax(const TChartAxis& axis, bool isMax) const {
  if (&axis == depthAxis_.get()) {
    double result = 0;
    bool found = false;
    for (const TChartSeries* s : series_) {
      if (!s->Active()) continue;
      const double v = isMax ? s->MaxZValue() : s->MinZValue();
      if (!found || (isMax ? v > result : v < result)) result = v;
      found = true;
    }
    return found ? result : (isMax ? maxZOrder_ + 0.5 : -0.5);
  }
  const bool horizontal = axis.Horizontal();
  const TChartSeries* pagingSeries = nullptr;
  bool activeOnAxis = false;
  for (const TChartSeries* s : series_) {
    if (!IsAssociated(*s, axis)) continue;
    if (s->Active()) {
      if (!activeOnAxis) pagingSeries = s;
      activeOnAxis = true;
    } else if (!pagingSeries) {
      pagingSeries = s;
    }
  }
  // Pages cut the values that are not the mandatory ones: X of a Y series.
  if (maxPointsPerPage_ > 0 && pagingSeries && pagingSeries->PointCount() > 0 &&
      horizontal == pagingSeries->YMandatory()) {
    const TChartValueList& list = horizontal ? *pagingSeries->XValues() : *pagingSeries->YValues();
    const PagePoints points = PagePointsOf(pagingSeries->PointCount(), maxPointsPerPage_, page_);
    double minimum = list.Values()[static_cast<size_t>(points.first)];
    double maximum = list.Values()[static_cast<size_t>(points.last)];
    if (!scaleLastPage_ && points.Count() < maxPointsPerPage_)
      ScaleShortPage(list.Values(), points, maxPointsPerPage_, minimum, maximum);
    return isMax ? maximum : minimum;
  }
  double result = 0;
  bool found = false;
  for (const TChartSeries* s : series_) {
    if (!(s->Active() || !activeOnAxis) || s->PointCount() == 0 || !IsAssociated(*s, axis))
      continue;
    const double v = horizontal ? (isMax ? s->MaxXValue() : s->MinXValue())
                                : (isMax ? s->MaxYValue() : s->MinYValue());
    if (!found || (isMax ? v > result : v < result)) result = v;
    found = true;
  }
  return result;
}

int TCustomAxisPanel::NumPages() const {
  if (maxPointsPerPage_ < 1 || series_.empty()) return 1;
  const TChartSeries* first = series_.front();
  const bool yMandatory = first->YMandatory();
  auto pagesOf = [&](const TChartAxis& axis) {
    int largest = 0;
    for (const TChartSeries* s : series_)
      if (s->Active() && IsAssociated(*s, axis)) largest = std::max(largest, s->PointCount());
    return PageCountOf(largest, maxPointsPerPage_);
  };
  return yMandatory ? std::max(pagesOf(*topAxis_), pagesOf(*bottomAxis_))
                    : std::max(pagesOf(*leftAxis_), pagesOf(*rightAxis_));
}

// --- the axes in a paint ----------------------------------------------------------------------

void TCustomAxisPanel::CalcAxisSpace() {
  const std::vector<TChartAxis*> axes = Axes();
  for (TChartAxis* axis : axes) {
    axis->RecalcMinMax();
    axis->InternalCalcPositions();
  }
  const TRect start = ChartRect();
  TRect result = start;
  for (TChartAxis* axis : axes) {
    if (!IsAxisVisible(*axis)) continue;
    TRect r = start;
    axis->CalcRect(r, true);
    result = TRect{std::max(result.Left, r.Left), std::max(result.Top, r.Top),
                   std::min(result.Right, r.Right), std::min(result.Bottom, r.Bottom)};
  }
  SetChartRect(result);
  RecalcWidthHeight();
  for (TChartAxis* axis : axes) axis->InternalCalcPositions();
}

void TCustomAxisPanel::CalcSeriesMargins() {
  for (TChartAxis* axis : {bottomAxis_.get(), topAxis_.get(), leftAxis_.get(), rightAxis_.get()}) {
    int a = 0, b = 0;
    for (TChartSeries* s : series_) {
      if (!s->Active() || !IsAssociated(*s, *axis)) continue;
      int first = 0, second = 0;
      if (axis->Horizontal())
        s->CalcHorizMargins(first, second);
      else
        s->CalcVertMargins(first, second);
      a = std::max(a, first);
      b = std::max(b, second);
    }
    // Only an end the axis finds for itself makes room; a vertical axis'
    // first margin lies at its maximum.
    const bool autoMin = axis->Automatic() || axis->AutomaticMinimum();
    const bool autoMax = axis->Automatic() || axis->AutomaticMaximum();
    if (axis->Horizontal()) {
      if (!autoMin) a = 0;
      if (!autoMax) b = 0;
    } else {
      if (!autoMax) a = 0;
      if (!autoMin) b = 0;
    }
    if (a == 0 && b == 0) continue;
    axis->AdjustMaxMinRect(axis->Horizontal() ? TRect{a, 0, b, 0} : TRect{0, a, 0, b});
  }
}

void TCustomAxisPanel::DrawAxes() {
  if (!axisVisible_) return;
  if (OnBeforeDrawAxes) OnBeforeDrawAxes(*this);
  for (TChartAxis* axis : Axes())
    if (IsAxisVisible(*axis)) axis->Draw(true);
}
