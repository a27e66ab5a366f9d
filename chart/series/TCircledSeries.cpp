#include "chart/series/TCircledSeries.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomPlotPanel.h"
#include "chart/model/TSeriesMarks.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>

TCircledSeries::TCircledSeries(QObject* owner) : TChartSeries(owner) {
  // Every slice is drawn, whatever the axes show.
  calcVisiblePoints_ = false;
  XValues()->SetName(ChartText(ChartMsg::ValueNameAngle));
}

TCircledSeries::~TCircledSeries() {
  ReleaseChartView();
}

TCustomPlotPanel* TCircledSeries::Panel() const {
  return dynamic_cast<TCustomPlotPanel*>(ParentChart());
}

// --- published ------------------------------------------------------------------------

template <class F>
void TCircledSeries::ForEachSameClass(F apply) {
  bool self = false;
  if (SeriesDrawingChart* chart = Drawing()) {
    // A copy: a setter may make the chart change its list.
    const std::vector<TChartSeries*> list = chart->SeriesList();
    for (TChartSeries* s : list) {
      if (s->metaObject() != metaObject()) continue;
      self = self || s == this;
      apply(*static_cast<TCircledSeries*>(s));
    }
  }
  if (!self) apply(*this);
}

void TCircledSeries::SetCircled(bool value) {
  const bool loading = ParentChart() && ParentChart()->ReadingStoredState();
  ForEachSameClass([&](TCircledSeries& s) {
    s.SetBooleanProperty(s.circled_, value);
    if (loading) return;
    s.SetIntegerProperty(s.customXRadius_, 0);
    s.SetIntegerProperty(s.customYRadius_, 0);
  });
}

void TCircledSeries::SetRotationAngle(int value) {
  // Also for angles below -360: the remainder keeps the sign of the value.
  const int angle = ((value % 360) + 360) % 360;
  if (SetIntegerProperty(rotationAngle_, angle)) rotationRadians_ = angle * std::numbers::pi / 180;
}

void TCircledSeries::SetCustomXRadius(int value) {
  // A radius below 0 means the same as 0: automatic.
  const int radius = std::max(0, value);
  ForEachSameClass([&](TCircledSeries& s) { s.SetIntegerProperty(s.customXRadius_, radius); });
}

void TCircledSeries::SetCustomYRadius(int value) {
  const int radius = std::max(0, value);
  ForEachSameClass([&](TCircledSeries& s) { s.SetIntegerProperty(s.customYRadius_, radius); });
}

void TCircledSeries::SetCircleBackColor(base::TColor value) {
  SetColorProperty(circleBackColor_, value);
}

void TCircledSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TCircledSeries*>(&source); s && s != this) {
    SetBooleanProperty(circled_, s->circled_);
    SetRotationAngle(s->rotationAngle_);
    SetIntegerProperty(customXRadius_, s->customXRadius_);
    SetIntegerProperty(customYRadius_, s->customYRadius_);
    SetCircleBackColor(s->circleBackColor_);
  }
  TChartSeries::Assign(source);
}

// --- the chart's view ------------------------------------------------------------------

void TCircledSeries::SetParentChart(ChartHost* value) {
  if (value == ParentChart()) return;
  ReleaseChartView();
  TChartSeries::SetParentChart(value);
  if (Active()) TakeChartView();
}

void TCircledSeries::SetActive(bool value) {
  const bool was = Active();
  TChartSeries::SetActive(value);
  if (was == Active()) return;
  if (Active())
    TakeChartView();
  else
    ReleaseChartView();
}

void TCircledSeries::TakeChartView() {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || chart->Canvas().SupportsFullRotation()) return;
  TView3DOptions* view = chart->View3DOptions();
  if (!view) return;
  bool held = savedView_ != nullptr;
  for (const TChartSeries* s : chart->SeriesList())
    if (const auto* c = qobject_cast<const TCircledSeries*>(s); c && c->savedView_) held = true;
  if (!held) {
    savedView_ = std::make_unique<TView3DOptions>();
    savedView_->Assign(*view);
  }
  view->SetOrthogonal(false);
  view->SetRotation(360);
  view->SetElevation(315);
  view->SetPerspective(0);
  view->SetTilt(0);
}

void TCircledSeries::ReleaseChartView() {
  if (!savedView_) return;
  std::unique_ptr<TView3DOptions> saved = std::move(savedView_);
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;  // the chart is gone, and its view with it
  for (TChartSeries* s : chart->SeriesList()) {
    auto* c = qobject_cast<TCircledSeries*>(s);
    if (c && c != this && c->Active()) {
      c->savedView_ = std::move(saved);
      return;
    }
  }
  if (TView3DOptions* view = chart->View3DOptions()) view->Assign(*saved);
}

// --- geometry ----------------------------------------------------------------------------

QPoint TCircledSeries::AngleToPoint(double angle, int xRadius, int yRadius) const {
  const double a = angle + rotationRadians_;
  return QPoint(circleXCenter_ + base::Round(xRadius * std::cos(a)),
                circleYCenter_ - base::Round(yRadius * std::sin(a)));
}

double TCircledSeries::AngleAround(int cx, int cy, int x, int y) const {
  constexpr double pi = std::numbers::pi;
  double angle = 0;
  if (x == cx) {
    angle = y <= cy ? pi / 2 : -pi / 2;
  } else {
    // A flat ellipse of no height still gives its two half planes.
    const double ry = std::max(1, yRadius_);
    const double rx = std::max(1, xRadius_);
    angle = std::atan2((cy - y) / ry, (x - cx) / rx);
  }
  if (angle < 0) angle += 2 * pi;
  angle -= rotationRadians_;
  if (angle < 0) angle += 2 * pi;
  return angle;
}

void TCircledSeries::AdjustCircleRect() {
  TRect& r = circleRect_;
  if ((r.Right - r.Left) % 2 != 0) --r.Right;
  if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
  if (r.Right - r.Left < 4) r.Right = r.Left + 4;
  if (r.Bottom - r.Top < 4) r.Bottom = r.Top + 4;
  circleWidth_ = r.Right - r.Left;
  circleHeight_ = r.Bottom - r.Top;
  circleXCenter_ = r.Left + circleWidth_ / 2;
  circleYCenter_ = r.Top + circleHeight_ / 2;
}

void TCircledSeries::CalcRadius() {
  if (customXRadius_ > 0) {
    xRadius_ = customXRadius_;
    circleWidth_ = 2 * xRadius_;
  } else {
    xRadius_ = circleWidth_ / 2;
  }
  if (customYRadius_ > 0) {
    yRadius_ = customYRadius_;
    circleHeight_ = 2 * yRadius_;
  } else {
    yRadius_ = circleHeight_ / 2;
  }
  circleRect_ = TRect{circleXCenter_ - xRadius_, circleYCenter_ - yRadius_,
                      circleXCenter_ + xRadius_, circleYCenter_ + yRadius_};
}

void TCircledSeries::MakeRoomForMarks() {
  SeriesDrawingChart* chart = Drawing();
  const TSeriesMarks& marks = *Marks();
  if (!chart || !marks.Visible()) return;
  TCanvas3D& canvas = chart->Canvas();
  int v = marks.ArrowLength();
  if (const TChartPen* frame = marks.Frame(); frame && frame->Visible()) v += 2 * frame->Width();
  canvas.AssignFont(*marks.Font());
  int widest = 0;
  for (const TChartSeries* s : chart->SeriesList()) {
    if (!s->Active()) continue;
    for (int i = 0; i < s->PointCount(); ++i)
      for (const QString& line : MarkTextLines(s->MarkText(i)))
        widest = std::max(widest, canvas.TextWidth(line));
  }
  const int h = canvas.TextHeight(QStringLiteral("W")) + v;
  const int w = canvas.TextWidth(QStringLiteral("W")) + widest + v;
  circleRect_.Top += h;
  circleRect_.Bottom -= h;
  circleRect_.Left += w;
  circleRect_.Right -= w;
  AdjustCircleRect();
}

void TCircledSeries::CalcCircleGeometry() {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  circleRect_ = chart->ChartRect();
  AdjustCircleRect();
  MakeRoomForMarks();
  if (circled_) {
    // Pixels are not square on every device: the ratio of their widths in
    // millimetres keeps the circle round.
    const BackendCapabilities caps = chart->Canvas().ReferenceCanvas().capabilities();
    const double ratio =
        caps.dpiX > 0 && caps.dpiY > 0 ? static_cast<double>(caps.dpiX) / caps.dpiY : 1.0;
    CalcRadius();
    const int xFromY = base::Round(yRadius_ * ratio);
    if (xRadius_ > xFromY) {
      circleRect_.Left += xRadius_ - xFromY;
      circleRect_.Right -= xRadius_ - xFromY;
    } else {
      const int d = yRadius_ - base::Round(xRadius_ / ratio);
      circleRect_.Top += d;
      circleRect_.Bottom -= d;
    }
    AdjustCircleRect();
  }
  CalcRadius();
}

void TCircledSeries::DoBeforeDrawValues() {
  CalcCircleGeometry();
  TChartSeries::DoBeforeDrawValues();
}

// --- colours -------------------------------------------------------------------------------

base::TColor TCircledSeries::CalcCircleBackColor() const {
  if (circleBackColor_ != clPlotColor) return circleBackColor_;
  const TCustomPlotPanel* panel = Panel();
  if (!panel) return base::clWhite;
  if (panel->Printing()) return base::clWhite;
  const base::TColor back = panel->GetBackColor();
  return back != clPlotColor ? back : panel->Color();
}

void TCircledSeries::PrepareLegendCanvas(int /*legendIndex*/, base::TColor& backColor,
                                         TChartBrush& /*brush*/) {
  backColor = CalcCircleBackColor();
}
