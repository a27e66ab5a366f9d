// The chart under the mouse: which part a point hits, clicks handed to the
// events, and drags that zoom or pan the axes.
#include "chart/model/TCustomChart.h"

#include "chart/core/ChartCursors.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

bool Holds(TShiftState shift, TShiftState keys) {
  return (shift & keys) == keys;
}

}  // namespace

bool TCustomChart::HasClickHandlers(const TChartSeries& series) const {
  return series.OnClick || series.OnDblClick || OnClickSeries;
}

TChartClickedPart TCustomChart::CalcClickedPart(int x, int y, bool onlyWithEvents) const {
  TChartClickedPart part;
  if (legend_->Visible() && (part.PointIndex = legend_->Clicked(x, y)) != -1) {
    part.Part = cpLegend;
    return part;
  }
  const std::vector<TChartSeries*>& list = SeriesList();
  auto& canvas = const_cast<TCustomChart*>(this)->Canvas();
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    TChartSeries* s = *it;
    if (!s->Active() || (onlyWithEvents && !HasClickHandlers(*s))) continue;
    part.ASeries = s;
    if ((part.PointIndex = s->Clicked(x, y)) != -1) {
      part.Part = cpSeries;
      return part;
    }
    if (s->Marks()->Visible() && (part.PointIndex = s->Marks()->Clicked(canvas, x, y)) != -1) {
      part.Part = cpSeriesMarks;
      return part;
    }
  }
  part = {};
  for (TChartAxis* axis : Axes()) {
    if (axis->Clicked(x, y)) {
      part.Part = cpAxis;
      part.AAxis = axis;
      return part;
    }
  }
  if (title_->Clicked(x, y))
    part.Part = cpTitle;
  else if (subTitle_->Clicked(x, y))
    part.Part = cpSubTitle;
  else if (foot_->Clicked(x, y))
    part.Part = cpFoot;
  else if (subFoot_->Clicked(x, y))
    part.Part = cpSubFoot;
  else if (Inside(ChartRect(), x, y) && CountActiveSeries() > 0)
    part.Part = cpChartRect;
  return part;
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomAxisPanel::MouseDown(button, shift, x, y);
  if (CancelMouse() || Zoom()->Active || Panning().Active) return;
  NotifyToolsMouse(meDown, button, shift, x, y);
  if (CancelMouse()) {
    SetCancelMouse(false);
    return;
  }
  const TChartClickedPart part = CalcClickedPart(x, y, true);
  bool handled = false;
  // Each case offers the click to the background at most once.
  bool backgroundOffered = false;
  const auto ask = [&](const auto& fire) {
    SetCancelMouse(true);
    fire();
    handled = CancelMouse();
  };
  switch (part.Part) {
    case cpLegend:
      if (legend_->ShowsCheckBoxes()) handled = legend_->ToggleItemSeries(part.PointIndex);
      if (OnClickLegend) ask([&] { OnClickLegend(*this, button, shift, x, y); });
      break;
    case cpAxis:
      if (OnClickAxis) ask([&] { OnClickAxis(*this, *part.AAxis, button, shift, x, y); });
      if (!handled) StartDrag(button, shift, x, y);
      break;
    case cpSeries: {
      SetCancelMouse(false);
      TChartSeries& s = *part.ASeries;
      const auto& click = shift.testFlag(ssDouble) ? s.OnDblClick : s.OnClick;
      if (click) click(s, part.PointIndex, button, static_cast<int>(shift), x, y);
      if (OnClickSeries)
        ask([&] { OnClickSeries(*this, s, part.PointIndex, button, shift, x, y); });
      else
        handled = CancelMouse();
      if (!handled) StartDrag(button, shift, x, y);
      break;
    }
    case cpTitle:
    case cpSubTitle:
    case cpFoot:
    case cpSubFoot: {
      TChartTitle* t = part.Part == cpTitle      ? title_
                       : part.Part == cpSubTitle ? subTitle_
                       : part.Part == cpFoot     ? static_cast<TChartTitle*>(foot_)
                                                 : static_cast<TChartTitle*>(subFoot_);
      if (OnClickTitle) ask([&] { OnClickTitle(*this, *t, button, shift, x, y); });
      if (!handled) StartDrag(button, shift, x, y);
      break;
    }
    case cpChartRect:
      if (OnClickBackground) {
        backgroundOffered = true;
        ask([&] { OnClickBackground(*this, button, shift, x, y); });
      }
      if (!handled) StartDrag(button, shift, x, y);
      break;
    case cpNone:
    case cpSeriesMarks:
      break;
  }
  if (!handled && !backgroundOffered && OnClickBackground)
    ask([&] { OnClickBackground(*this, button, shift, x, y); });
  SetCancelMouse(false);
}

void TCustomChart::StartDrag(TMouseButton button, TShiftState shift, int x, int y) {
  if (!SomeSeriesUsesAxes()) return;
  TPlotZoom& zoom = *Zoom();
  const TRect r = ChartRect();
  bool started = false;
  if (zoom.Allow() && button == zoom.MouseButton() && Holds(shift, zoom.KeyShift())) {
    const auto direction = zoom.Direction();
    zoom.Activate(direction == TPlotZoom::tzdVertical ? r.Left : x,
                  direction == TPlotZoom::tzdHorizontal ? r.Top : y);
    if (direction == TPlotZoom::tzdVertical) zoom.X1 = r.Right;
    if (direction == TPlotZoom::tzdHorizontal) zoom.Y1 = r.Bottom;
    ZoomRectangleChanged();
    started = true;
  }
  // One drag at a time: the same button for both zooms.
  if (!started && AllowPanning() != pmNone && button == scrollMouseButton_ &&
      Holds(shift, ChartSwitches().ScrollKeyShift)) {
    Panning().Activate(x, y);
    started = true;
  }
  if (started) SetCurrentCursor(crDefault);
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y) {
  TCustomAxisPanel::MouseMove(shift, x, y);
  NotifyToolsMouse(meMove, mbLeft, shift, x, y);
  if (CancelMouse()) return;
  TPlotZoom& zoom = *Zoom();
  const TRect r = ChartRect();
  if (zoom.Active) {
    if (zoom.Direction() == TPlotZoom::tzdVertical) x = r.Right;
    if (zoom.Direction() == TPlotZoom::tzdHorizontal) y = r.Bottom;
    if (x == zoom.X1 && y == zoom.Y1) return;
    zoom.X1 = x;
    zoom.Y1 = y;
    ZoomRectangleChanged();
    return;
  }
  TZoomPanning& pan = Panning();
  if (!pan.Active) {
    ShowSeriesCursor(x, y);
    return;
  }
  if (!Inside(r, x, y)) {
    pan.Active = false;
    return;
  }
  if (x == pan.X1 && y == pan.Y1) return;
  if (nothingSaved_) SaveAxes();
  const TPanningMode mode = AllowPanning();
  const bool horizontal = mode == pmHorizontal || mode == pmBoth;
  const bool vertical = mode == pmVertical || mode == pmBoth;
  bool moved = false;
  for (TChartAxis* axis : Axes()) {
    if (axis == DepthAxis() || axis->IsDepthAxis) continue;
    if (axis->Horizontal() && horizontal) PanAxis(*axis, pan.X1, x, moved);
    if (!axis->Horizontal() && vertical) PanAxis(*axis, pan.Y1, y, moved);
  }
  pan.X1 = x;
  pan.Y1 = y;
  if (!moved) return;
  Q_EMIT scrolled();
  InvalidateChart();
}

void TCustomChart::PanAxis(TChartAxis& axis, int from, int to, bool& moved) {
  // From what the axis shows, series margins included: the first pixel
  // of a pan moves the view by one pixel, not by the margins.
  const double delta = axis.CalcPosPoint(from) - axis.CalcPosPoint(to);
  double minimum = axis.CurMinimum + delta;
  double maximum = axis.CurMaximum + delta;
  bool allow = true;
  if (OnAllowScroll) OnAllowScroll(axis, minimum, maximum, allow);
  if (!allow) return;
  axis.SetMinMax(minimum, maximum);
  // The next pixel of the drag converts with the new limits, painted or not.
  axis.RecalcMinMax();
  moved = true;
}

void TCustomChart::ShowSeriesCursor(int x, int y) {
  for (TChartSeries* s : SeriesList()) {
    if (!s->Active() || s->Cursor() == crDefault || s->Clicked(x, y) == -1) continue;
    SetCurrentCursor(s->Cursor());
    return;
  }
  SetCurrentCursor(Cursor());
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomAxisPanel::MouseUp(button, shift, x, y);
  TPlotZoom& zoom = *Zoom();
  if (zoom.Active && button == zoom.MouseButton()) {
    zoom.Active = false;
    ZoomRectangleChanged();
    const TRect r = ChartRect();
    if (zoom.Direction() == TPlotZoom::tzdVertical) x = r.Right;
    if (zoom.Direction() == TPlotZoom::tzdHorizontal) y = r.Bottom;
    zoom.X1 = x;
    zoom.Y1 = y;
    // A negative minimum would make every plain click an undo.
    const int minimum = std::max(0, zoom.MinimumPixels());
    if (std::abs(zoom.X1 - zoom.X0) > minimum && std::abs(zoom.Y1 - zoom.Y0) > minimum) {
      if (zoom.X0 < zoom.X1 && zoom.Y0 < zoom.Y1)
        ZoomToRect(TRect{zoom.X0, zoom.Y0, zoom.X1, zoom.Y1});
      else
        UndoZoom();
    }
    InvalidateChart();
  }
  Panning().Active = false;
  NotifyToolsMouse(meUp, button, shift, x, y);
}

void TCustomChart::CancelDrags() {
  if (Zoom()->Active) {
    Zoom()->Active = false;
    ZoomRectangleChanged();
  }
  Panning().Active = false;
}

void TCustomChart::MouseWheel(bool down) {
  if (!ChartSwitches().WheelScrolls) return;
  if (nothingSaved_) SaveAxes();
  bool moved = false;
  for (TChartAxis* axis : Axes()) {
    // The depth axis and hidden axes stay: scrolling them would only
    // freeze their automatic range.
    if (axis->Horizontal() || axis == DepthAxis() || axis->IsDepthAxis || !IsAxisVisible(*axis))
      continue;
    const double offset = (axis->CurMaximum - axis->CurMinimum) * 3.0 * 0.01;
    const double signedOffset = down ? offset : -offset;
    axis->SetMinMax(axis->CurMinimum + signedOffset, axis->CurMaximum + signedOffset);
    axis->RecalcMinMax();
    moved = true;
  }
  if (moved) InvalidateChart();
}

// --- zoom ---------------------------------------------------------------------------------

void TCustomChart::DrawZoomOverlay(DrawingBackend& target) {
  const TPlotZoom& zoom = *Zoom();
  if (!zoom.Active) return;
  target.setPen(zoom.Pen()->ToBackendPen(Canvas().GetMonochrome()));
  BackendBrush brush = zoom.Brush()->ToBackendBrush(zoom.Brush()->Color(), false);
  target.setBrush(brush);
  target.setBackMode(BackMode::Transparent);
  target.rectangle(TRect{zoom.X0, zoom.Y0, zoom.X1, zoom.Y1});
}

void TCustomChart::SaveAxes() {
  const auto axes = StandardAxes();
  for (std::size_t i = 0; i < axes.size(); ++i) {
    const TChartAxis& a = *axes[i];
    saved_[i] = {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(),
                 a.Maximum()};
  }
  nothingSaved_ = false;
}

void TCustomChart::ZoomToRect(TRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  const TChartAxis &left = *LeftAxis(), &top = *TopAxis(), &right = *RightAxis(),
                   &bottom = *BottomAxis();
  ZoomValues({left.CalcPosPoint(r.Bottom), left.CalcPosPoint(r.Top), top.CalcPosPoint(r.Left),
              top.CalcPosPoint(r.Right), right.CalcPosPoint(r.Bottom), right.CalcPosPoint(r.Top),
              bottom.CalcPosPoint(r.Left), bottom.CalcPosPoint(r.Right)});
}

void TCustomChart::ZoomValues(const std::array<double, 8>& limits) {
  if (nothingSaved_) SaveAxes();
  const auto axes = StandardAxes();
  if (Zoom()->Animated()) {
    // Each step is drawn at once: a huge count would freeze the window.
    const int steps = std::min(Zoom()->AnimatedSteps(), MaxAnimatedSteps);
    std::array<double, 8> now{};
    for (std::size_t i = 0; i < axes.size(); ++i) {
      now[2 * i] = axes[i]->CurMinimum;
      now[2 * i + 1] = axes[i]->CurMaximum;
    }
    for (int step = 1; step < steps; ++step) {
      for (std::size_t i = 0; i < axes.size(); ++i) {
        for (std::size_t k = 2 * i; k < 2 * i + 2; ++k) now[k] += (limits[k] - now[k]) / 3.0;
        axes[i]->SetMinMax(now[2 * i], now[2 * i + 1]);
      }
      InvalidateChart();
      if (OnAnimatedZoomStep) OnAnimatedZoomStep();
    }
  }
  for (std::size_t i = 0; i < axes.size(); ++i)
    axes[i]->SetMinMax(limits[2 * i], limits[2 * i + 1]);
  SetZoomed(true);
  InvalidateChart();
  Q_EMIT zoomed();
}

void TCustomChart::UndoZoom() {
  if (!nothingSaved_) {
    const auto axes = StandardAxes();
    for (std::size_t i = 0; i < axes.size(); ++i) {
      const SavedAxis& s = saved_[i];
      TChartAxis& a = *axes[i];
      // Both limits at once: one after the other through the checked
      // setters fails whenever the current range misses the saved one.
      if (!s.automatic) a.SetMinMax(s.minimum, s.maximum);
      a.SetAutomatic(s.automatic);
      a.SetAutomaticMinimum(s.automaticMinimum);
      a.SetAutomaticMaximum(s.automaticMaximum);
    }
    nothingSaved_ = true;
  }
  TCustomPlotPanelExtended::UndoZoom();
}
