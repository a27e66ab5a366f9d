// The axis panel's share of a paint: the frame whose steps the complete
// chart fills in, the depth of the series in 3D, and drawing the series.
#include "base/MathUtil.h"
#include "chart/model/TCustomAxisPanel.h"

#include <algorithm>
#include <cmath>

void TCustomAxisPanel::InternalDraw(const TRect& bounds) {
  PanelPaint(bounds);
  DrawPanelBevels(bounds);
  NotifyToolsPaint(cteBeforeDraw);
  if (OnBeforeDrawChart) OnBeforeDrawChart(*this);
  for (TChartSeries* s : series_)
    if (s->Active()) s->DoBeforeDrawChart();
  // A canvas that turns the whole scene places titles and legend inside it.
  const bool fullRotation = Canvas().SupportsFullRotation();
  if (!fullRotation) DrawTitlesAndLegend(true);
  CalcSeriesDepthSlots();
  CalcWallsRect();
  CalcAxisSpace();
  CalcSeriesDepthExtents();
  CalcSeriesMargins();
  Canvas().Projection(width3D_, ChartRect());
  if (fullRotation) DrawTitlesAndLegend(true);
  DrawBackgroundAndWalls();
  // Axes that label the points read the series' visible ranges: those of
  // this paint, not of the one before.
  for (TChartSeries* s : series_)
    if (s->Active()) s->CalcFirstLastVisibleIndex();
  if (axisBehind_) DrawAxes();
  NotifyToolsPaint(cteBeforeDrawSeries);
  if (OnBeforeDrawSeries) OnBeforeDrawSeries(*this);
  // A handler may take series out of the list while they draw.
  const std::vector<TChartSeries*> list = series_;
  for (TChartSeries* s : list)
    if (IndexOfSeries(s) >= 0 && s->Active()) DrawSeries(*s);
  if (!axisBehind_) DrawAxes();
  DrawTitlesAndLegend(false);
  NotifyToolsPaint(cteAfterDraw);
  Q_EMIT afterDraw();
}

void TCustomAxisPanel::CalcSize3DWalls() {
  if (!View3D()) {
    width3D_ = height3D_ = seriesWidth3D_ = seriesHeight3D_ = 0;
    return;
  }
  const TView3DOptions& view = *View3DOptions();
  double factor = Chart3DPercent() * 0.001;
  if (!view.Orthogonal()) factor *= 2;
  seriesWidth3D_ = base::Round(ChartWidth() * factor);
  double ratio = 1;
  if (view.Orthogonal()) {
    // Toward a right angle the ratio grows without bound and the depth
    // shrinks to nothing: 90 is as flat as 89. Past it there is no slope.
    const double a = view.OrthoAngle() * (M_PI / 180);
    ratio = std::cos(a) > 0 ? std::sin(a) / std::cos(a) : 1;
  }
  if (ratio > 1) seriesWidth3D_ = base::Round(seriesWidth3D_ / ratio);
  seriesHeight3D_ = base::Round(seriesWidth3D_ * ratio);
  const int slots = SeparateSeriesDepths() ? std::max(1, maxZOrder_ + 1) : 1;
  height3D_ = seriesHeight3D_ * slots;
  width3D_ = seriesWidth3D_ * slots;
}

void TCustomAxisPanel::CalcSeriesDepthSlots() {
  maxZOrder_ = 0;
  if (!SeparateSeriesDepths()) return;
  maxZOrder_ = -1;
  for (TChartSeries* s : series_)
    if (s->Active()) s->CalcZOrder();
}

void TCustomAxisPanel::CalcSeriesDepthExtents() {
  const bool separate = SeparateSeriesDepths();
  for (TChartSeries* s : series_) {
    if (!s->Active()) continue;
    // The first series stands at the back.
    s->SetDepthExtent(separate ? maxZOrder_ - s->DepthSlot() : 0, seriesWidth3D_);
  }
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series) {
  if (series.MoreSameZOrder()) {
    DrawSharedSlot(series);
    return;
  }
  series.CalcFirstLastVisibleIndex();
  if (series.FirstValueIndex() < 0) return;
  series.DoBeforeDrawValues();
  const bool clip = series.UseAxis() && clipPoints_ && CanClip();
  if (clip) {
    if (View3D())
      Canvas().ClipCube(ChartRect(), 0, width3D_);
    else
      Canvas().ClipRectangle(ChartRect());
  }
  series.DrawAllValues();
  if (clip) Canvas().UnClipRectangle();
  series.DrawMarks();
  series.DoAfterDrawValues();
}

void TCustomAxisPanel::DrawSharedSlot(TChartSeries& series) {
  const int slot = series.DepthSlot();
  const auto here = std::find(series_.begin(), series_.end(), &series);
  // The first of the group drew the others with itself.
  for (auto it = series_.begin(); it != here; ++it)
    if ((*it)->Active() && (*it)->DepthSlot() == slot) return;
  std::vector<TChartSeries*> group;
  for (auto it = here; it != series_.end(); ++it)
    if ((*it)->Active() && (*it)->DepthSlot() == slot) group.push_back(*it);

  int first = -1, last = -1;
  for (TChartSeries* s : group) {
    s->CalcFirstLastVisibleIndex();
    s->DoBeforeDrawValues();
    first = std::max(first, s->FirstValueIndex());
    last = std::max(last, s->LastValueIndex());
  }
  const bool clip = series.UseAxis() && clipPoints_ && CanClip();
  if (clip) Canvas().ClipCube(ChartRect(), 0, width3D_);
  if (first >= 0) {
    const bool forward = series.DrawValuesForward();
    const auto drawPoint = [&](int index) {
      const auto drawOne = [index](TChartSeries* s) {
        if (index < s->PointCount()) s->DrawValue(index);
      };
      if (series.DrawSeriesForward(index))
        std::for_each(group.begin(), group.end(), drawOne);
      else
        std::for_each(group.rbegin(), group.rend(), drawOne);
    };
    if (forward) {
      for (int i = first; i <= last; ++i) drawPoint(i);
    } else {
      for (int i = last; i >= first; --i) drawPoint(i);
    }
  }
  if (clip) Canvas().UnClipRectangle();
  for (TChartSeries* s : group) {
    s->DrawMarks();
    s->DoAfterDrawValues();
  }
}
