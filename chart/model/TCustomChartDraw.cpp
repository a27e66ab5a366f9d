// The chart's share of a paint: titles and legend taking their room, the
// walls, and the chart rectangle that only shrinks while it is laid out.
#include "chart/model/TCustomChart.h"

#include <algorithm>
#include <cstdlib>

void TCustomChart::InternalDraw(const TRect& bounds) {
  struct Flag {
    bool& flag;
    explicit Flag(bool& f) : flag(f) { flag = true; }
    ~Flag() { flag = false; }
  } reducing(reducing_);
  TCustomAxisPanel::InternalDraw(bounds);
}

void TCustomChart::RecalcWidthHeight() {
  if (!reducing_) {
    TCustomAxisPanel::RecalcWidthHeight();
    return;
  }
  // Titles, legend and axes only ever take room: an edge that meets or
  // passes its opposite leaves a chart of one pixel, on the panel, rather
  // than one as large as the panel or beyond it.
  const TRect b = ChartBounds();
  TRect r = ChartRect();
  r.Left = std::clamp(r.Left, b.Left, std::max(b.Left, b.Right - 1));
  r.Top = std::clamp(r.Top, b.Top, std::max(b.Top, b.Bottom - 1));
  r.Right = std::min(r.Right, b.Right);
  r.Bottom = std::min(r.Bottom, b.Bottom);
  if (r.Right <= r.Left) r.Right = r.Left + 1;
  if (r.Bottom <= r.Top) r.Bottom = r.Top + 1;
  SetChartRect(r);
}

void TCustomChart::DrawTitlesAndLegend(bool beforeSeries) {
  TPlotPanelCanvas& canvas = Canvas();
  canvas.Disable3D();
  const auto drawTitles = [&](bool custom) {
    for (TChartTitle* t : {title_, subTitle_, static_cast<TChartTitle*>(foot_),
                           static_cast<TChartTitle*>(subFoot_)}) {
      if (t->CustomPosition() != custom) continue;
      TRect r = ChartRect();
      t->Draw(canvas, r);
      if (!custom) {
        SetChartRect(r);
        RecalcWidthHeight();
      }
    }
  };
  const bool legend = legend_->MustDraw();
  if (beforeSeries) {
    // A side legend takes its room before the titles, a top or bottom one
    // after them.
    const bool placed = legend && !legend_->CustomPosition();
    if (placed && legend_->Vertical()) legend_->Draw();
    drawTitles(false);
    if (placed && !legend_->Vertical()) legend_->Draw();
  } else {
    if (legend && legend_->CustomPosition()) legend_->Draw();
    drawTitles(true);
  }
  canvas.Restore3D();

  if (beforeSeries || !View3D() || !View3DWalls()) return;
  bool someUsesAxes = false;
  for (const TChartSeries* s : SeriesList()) someUsesAxes |= s->Active() && s->UseAxis();
  if (!someUsesAxes) return;
  if (rightWall_->Visible() && RightWallInFront()) DrawRightWall();
  const TView3DOptions& view = *View3DOptions();
  if (leftWall_->Visible() && !view.Orthogonal() && view.Rotation() < 270) {
    DrawLeftWall();
    if (IsAxisVisible(*LeftAxis())) LeftAxis()->Draw(false);
  }
}

void TCustomChart::CalcWallsRect() {
  CalcSize3DWalls();
  if (!View3D() || !View3DOptions()->Orthogonal()) return;
  bool someUsesAxes = false;
  for (const TChartSeries* s : SeriesList()) someUsesAxes |= s->Active() && s->UseAxis();
  const int wall = someUsesAxes ? backWall_->Size() : 0;
  TRect r = ChartRect();
  r.Right -= std::abs(Width3D()) + wall;
  r.Top += wall + std::abs(Height3D());
  if (rightWall_->Visible()) r.Right -= rightWall_->Size() + 1;
  SetChartRect(r);
  RecalcWidthHeight();
}

int TCustomChart::CalcWallSize(const TChartAxis& axis) const {
  if (!View3D() || !View3DWalls()) return 0;
  if (&axis == LeftAxis()) return leftWall_->Size();
  if (&axis == BottomAxis()) return bottomWall_->Size();
  return 0;
}

// --- walls --------------------------------------------------------------------------------

void TCustomChart::DrawWall(TChartWall& wall) {
  TPlotPanelCanvas& canvas = Canvas();
  canvas.AssignPen(*wall.Pen());
  if (wall.Transparent()) {
    BackendBrush clear;
    clear.style = Graphics::bsClear;
    canvas.ReferenceCanvas().setBrush(clear);
  } else {
    SetBrushCanvas(wall.Color(), *wall.Brush(), GetBackColor());
  }
}

void TCustomChart::FillWallGradient(TChartWall& wall, QPoint a, QPoint b, QPoint c, QPoint d) {
  if (!wall.Gradient()->Visible() || wall.Transparent()) return;
  TPlotPanelCanvas& canvas = Canvas();
  const std::array<QPoint, 4> quad{a, b, c, d};
  const bool clip = CanClip();
  if (clip) canvas.ClipPolygon(quad);
  const TRect box{std::min({a.x(), b.x(), c.x(), d.x()}), std::min({a.y(), b.y(), c.y(), d.y()}),
                  std::max({a.x(), b.x(), c.x(), d.x()}), std::max({a.y(), b.y(), c.y(), d.y()})};
  wall.Gradient()->Draw(canvas, box);
  if (clip) canvas.UnClipRectangle();
  // The wall's own fill would cover the gradient.
  BackendBrush clear;
  clear.style = Graphics::bsClear;
  canvas.ReferenceCanvas().setBrush(clear);
}

bool TCustomChart::RightWallInFront() const {
  const TRect r = ChartRect();
  auto& canvas = const_cast<TCustomChart*>(this)->Canvas();
  const QPoint a = canvas.Calculate3DPosition(r.Right, r.Top, 0);
  const QPoint b = canvas.Calculate3DPosition(r.Right, r.Bottom + CalcWallSize(*BottomAxis()),
                                              Width3D() + backWall_->Size());
  return a.x() <= b.x();
}

void TCustomChart::DrawLeftWall() {
  TPlotPanelCanvas& canvas = Canvas();
  const TRect r = ChartRect();
  const int w = Width3D(), bottom = r.Bottom + CalcWallSize(*BottomAxis());
  DrawWall(*leftWall_);
  FillWallGradient(*leftWall_, canvas.Calculate3DPosition(r.Left, r.Top, 0),
                   canvas.Calculate3DPosition(r.Left, r.Top, w),
                   canvas.Calculate3DPosition(r.Left, bottom, w),
                   canvas.Calculate3DPosition(r.Left, bottom, 0));
  if (leftWall_->Size() < 1)
    canvas.RectangleZ(r.Left, r.Top, bottom, 0, w);
  else
    canvas.Cube(r.Left - leftWall_->Size(), r.Left, r.Top, bottom, 0, w, leftWall_->DarkSides());
}

void TCustomChart::DrawBottomWall() {
  TPlotPanelCanvas& canvas = Canvas();
  const TRect r = ChartRect();
  const int w = Width3D();
  DrawWall(*bottomWall_);
  FillWallGradient(*bottomWall_, canvas.Calculate3DPosition(r.Left, r.Bottom, 0),
                   canvas.Calculate3DPosition(r.Right, r.Bottom, 0),
                   canvas.Calculate3DPosition(r.Right, r.Bottom, w),
                   canvas.Calculate3DPosition(r.Left, r.Bottom, w));
  if (bottomWall_->Size() < 1)
    canvas.RectangleY(r.Left, r.Bottom, r.Right, 0, w);
  else
    canvas.Cube(r.Left, r.Right, r.Bottom, r.Bottom + bottomWall_->Size(), 0, w,
                bottomWall_->DarkSides());
}

void TCustomChart::DrawRightWall() {
  TPlotPanelCanvas& canvas = Canvas();
  const TRect r = ChartRect();
  const int w = Width3D(), bottom = r.Bottom + CalcWallSize(*BottomAxis());
  DrawWall(*rightWall_);
  FillWallGradient(*rightWall_, canvas.Calculate3DPosition(r.Right, r.Top, 0),
                   canvas.Calculate3DPosition(r.Right, r.Top, w),
                   canvas.Calculate3DPosition(r.Right, bottom, w),
                   canvas.Calculate3DPosition(r.Right, bottom, 0));
  if (rightWall_->Size() < 1)
    canvas.RectangleZ(r.Right, r.Top, bottom, 0, w + 1);
  else
    canvas.Cube(r.Right, r.Right + rightWall_->Size(), r.Top, bottom, 0, w + backWall_->Size(),
                rightWall_->DarkSides());
}

void TCustomChart::DrawBackgroundAndWalls() {
  if (!SomeSeriesUsesAxes()) return;
  TPlotPanelCanvas& canvas = Canvas();
  const bool walls3D = View3D() && View3DWalls();
  if (walls3D && rightWall_->Visible() && !RightWallInFront()) DrawRightWall();
  const TRect r = ChartRect();
  if (backWall_->Visible()) {
    DrawWall(*backWall_);
    if (!View3D()) {
      const TRect box{r.Left, r.Top, r.Right, r.Bottom + 1};
      if (backWall_->Gradient()->Visible() && !backWall_->Transparent()) {
        backWall_->Gradient()->Draw(canvas, box);
        BackendBrush clear;
        clear.style = Graphics::bsClear;
        canvas.ReferenceCanvas().setBrush(clear);
      }
      canvas.Rectangle(box);
    } else if (View3DWalls()) {
      const int w = Width3D();
      FillWallGradient(*backWall_, canvas.Calculate3DPosition(r.Left, r.Top, w),
                       canvas.Calculate3DPosition(r.Right, r.Top, w),
                       canvas.Calculate3DPosition(r.Right, r.Bottom, w),
                       canvas.Calculate3DPosition(r.Left, r.Bottom, w));
      const int size = backWall_->Size();
      if (size < 1) {
        canvas.RectangleWithZ(r, w);
      } else {
        canvas.Cube(r.Left - CalcWallSize(*LeftAxis()), r.Right, r.Top,
                    r.Bottom + CalcWallSize(*BottomAxis()), w, w + (w < 0 ? -size : size),
                    backWall_->DarkSides());
      }
    }
  }
  if (BackImageInside() && !BackImage()->Empty()) {
    const int inset = backWall_->Visible() && backWall_->Pen()->Visible() ? 1 : 0;
    DrawBackImage(View3D() ? Width3D() : 0,
                  TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset});
  }
  if (!walls3D) return;
  const TView3DOptions& view = *View3DOptions();
  if (leftWall_->Visible() && (view.Orthogonal() || view.Rotation() > 269)) DrawLeftWall();
  if (bottomWall_->Visible()) DrawBottomWall();
}
