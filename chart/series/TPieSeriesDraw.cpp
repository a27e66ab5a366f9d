// The pie on the canvas: slice angles, slices moved out, the shadow, the
// drawing order in 3D, marks beside their slices and the hit test.
#include "chart/series/TPieSeries.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/model/TSeriesMarkPosition.h"
#include "chart/model/TSeriesMarks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

double AbsoluteOrZero(double v) {
  return std::isfinite(v) ? std::abs(v) : 0;
}

}  // namespace

void TPieSeries::CalcAngles() {
  const double total = angleSize_ * 2 * kPi / 360;
  const auto x = XValues()->Values();
  const auto y = YValues()->Values();
  // The whole is what is drawn: hidden slices are inside the Other slice.
  double whole = 0;
  for (std::size_t i = 0; i < y.size(); ++i)
    if (x[i] != HiddenX) whole += AbsoluteOrZero(y[i]);
  angles_.assign(y.size(), SliceAngles{});
  double sum = 0;
  double previous = 0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    SliceAngles& a = angles_[i];
    a.start = previous;
    if (x[i] != HiddenX) sum += AbsoluteOrZero(y[i]);
    a.end = whole == 0 || sum == whole ? total : sum * total / whole;
    a.end = std::min(a.end, a.start + total);
    a.middle = (a.start + a.end) / 2;
    previous = a.end;
  }
}

QPoint TPieSeries::SliceOffset(int index) const {
  const int e = exploded_.Value(index);
  if (!isExploded_ || e <= 0 || static_cast<std::size_t>(index) >= angles_.size()) return {};
  double a = angles_[static_cast<std::size_t>(index)].middle;
  SeriesDrawingChart* chart = Drawing();
  if (chart && chart->Canvas().SupportsFullRotation()) a += angleSize_ * (kPi / 2) / 360 + kPi;
  a += RotationRadians();
  return QPoint(base::Round(XRadius() * e * 0.01 * std::cos(a)),
                base::Round(YRadius() * e * 0.01 * std::sin(a)));
}

bool TPieSeries::UseSlicePatterns() const {
  SeriesDrawingChart* chart = Drawing();
  return usePatterns_ || (chart && chart->Canvas().GetMonochrome());
}

TBrushStyle TPieSeries::SliceBrushStyle(int index) const {
  if (!UseSlicePatterns()) return bsSolid;
  static constexpr TBrushStyle kHatches[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                             bsBDiagonal,  bsCross,    bsDiagCross};
  return kHatches[((index % 6) + 6) % 6];
}

std::vector<int> TPieSeries::DrawingOrder() const {
  std::vector<int> order(static_cast<std::size_t>(PointCount()));
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  SeriesDrawingChart* chart = Drawing();
  if (!chart || !chart->View3D() || !isExploded_ || chart->Canvas().SupportsFullRotation())
    return order;
  // The slices nearest the back are drawn first, so that a slice moved
  // forward is not covered by those behind it.
  const double total = angleSize_ * 2 * kPi / 360;
  std::vector<double> key(order.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    double m = angles_[i].middle + RotationRadians();
    if (m > total) m -= total;
    double k = 0;
    if (m > total / 4) {
      k = m - total / 4;
      if (k > kPi) k = total - k;
    } else {
      k = total / 4 - m;
    }
    key[i] = k;
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return key[size_t(a)] < key[size_t(b)]; });
  return order;
}

void TPieSeries::DrawAllValues() {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || PointCount() == 0) return;
  const int count = PointCount();
  if (explodeBiggest_ > 0) {
    const auto y = YValues()->Values();
    const auto biggest = std::max_element(y.begin(), y.end());
    exploded_.SetValue(static_cast<int>(biggest - y.begin()), explodeBiggest_);
  }
  int largestIndex = -1;
  const int largest = exploded_.Largest(&largestIndex);
  CalcAngles();
  isExploded_ = largest > 0 && largestIndex < count;
  if (isExploded_) {
    const QPoint d = SliceOffset(largestIndex);
    TRect r = CircleRect();
    r.Left += std::abs(d.x()) / 2;
    r.Right -= std::abs(d.x()) / 2;
    r.Top += std::abs(d.y()) / 2;
    r.Bottom -= std::abs(d.y()) / 2;
    SetCircleRect(r);
    AdjustCircleRect();
    CalcRadius();
  }
  startPoint_ = AngleToPoint(0, XRadius(), YRadius());
  TCanvas3D& canvas = chart->Canvas();
  if (shadow_->Color() != base::clNone && shadow_->Visible()) {
    TChartBrush brush;
    brush.SetColor(shadow_->Color());
    canvas.AssignBrush(brush);
    TChartPen pen;
    pen.SetVisible(false);
    canvas.AssignPen(pen);
    const TRect r = CircleRect();
    canvas.EllipseWithZ(r.Left + shadow_->HorizSize(), r.Top + shadow_->VertSize(),
                        r.Right + shadow_->HorizSize(), r.Bottom + shadow_->VertSize(),
                        EndZ() - 10);
  }
  for (int i : DrawingOrder()) DrawValue(i);
}

void TPieSeries::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || CircleWidth() < 5 || CircleHeight() < 5) return;
  if (valueIndex < 0 || valueIndex >= PointCount() || IsHidden(valueIndex)) return;
  if (static_cast<std::size_t>(valueIndex) >= angles_.size()) return;
  TCanvas3D& canvas = chart->Canvas();
  TChartBrush brush;
  brush.SetStyle(SliceBrushStyle(valueIndex));
  brush.SetColor(GetValueColor(valueIndex));
  canvas.AssignBrush(brush, CalcCircleBackColor());
  if (canvas.GetMonochrome()) {
    // The canvas whitens every brush on a monochrome device; the slices'
    // hatches are black on the background instead, or they would vanish.
    BackendBrush black = canvas.ReferenceCanvas().brush();
    black.color = base::clBlack;
    canvas.ReferenceCanvas().setBrush(black);
  }
  canvas.AssignPen(*PiePen());
  DrawPie(valueIndex);
}

void TPieSeries::DrawPie(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  TCanvas3D& canvas = chart->Canvas();
  const SliceAngles& a = angles_[static_cast<std::size_t>(valueIndex)];
  const QPoint d = SliceOffset(valueIndex);
  if (chart->View3D()) {
    canvas.Pie3D(CircleXCenter() + d.x(), CircleYCenter() - d.y(), XRadius(), YRadius(), StartZ(),
                 EndZ(), a.start + RotationRadians(), a.end + RotationRadians(), dark3D_,
                 isExploded_);
    return;
  }
  const QPoint endPoint = AngleToPoint(a.end, XRadius(), YRadius());
  // A slice too thin to reach another pixel on the rim would come out as a
  // whole ellipse; a one-point pie is meant to be one.
  if (endPoint == startPoint_ && PointCount() > 1 && a.end - a.start <= 1) return;
  const TRect r = CircleRect();
  const QPoint move(d.x(), -d.y());
  const QPoint from = startPoint_ + move;
  const QPoint to = endPoint + move;
  canvas.Pie(r.Left + move.x(), r.Top + move.y(), r.Right + move.x(), r.Bottom + move.y(), from.x(),
             from.y(), to.x(), to.y());
  startPoint_ = endPoint;
}

void TPieSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  if (IsHidden(valueIndex) || static_cast<std::size_t>(valueIndex) >= angles_.size()) return;
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  const bool fullRotation = chart->Canvas().SupportsFullRotation();
  const double e = exploded_.Value(valueIndex) * 0.01;
  const int rx = base::Round(XRadius() * (1 + e));
  const int ry = base::Round(YRadius() * (1 + e));
  const double middle = angles_[static_cast<std::size_t>(valueIndex)].middle;
  const double angle = fullRotation ? kPi + middle + kPi / 2 : middle;
  Marks()->SetZPosition(fullRotation ? StartZ() : EndZ());
  const int length = Marks()->ArrowLength();
  position.ArrowEnd = AngleToPoint(angle, rx + length, ry + length);
  position.ArrowStart = AngleToPoint(angle, rx, ry);
  QPoint box = position.ArrowEnd;
  if (box.x() <= CircleXCenter()) box.rx() -= position.BoxWidth;
  if (box.y() <= CircleYCenter()) box.ry() -= position.BoxHeight;
  position.BoxTopLeft = box;
  TCircledSeries::DrawMark(valueIndex, text, position);
}

int TPieSeries::Clicked(int x, int y) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return -1;
  QPoint p(x, y);
  if (chart->View3D()) p = chart->Canvas().Calculate2DPosition(x, y, 0);
  const int count = std::min(PointCount(), static_cast<int>(angles_.size()));
  const double rx = std::max(1, XRadius());
  const double ry = std::max(1, YRadius());
  for (int i = 0; i < count; ++i) {
    if (IsHidden(i)) continue;
    // Each slice where it is drawn: about its own, moved centre.
    const QPoint d = SliceOffset(i);
    const int cx = CircleXCenter() + d.x();
    const int cy = CircleYCenter() - d.y();
    const double u = (p.x() - cx) / rx;
    const double v = (p.y() - cy) / ry;
    if (u * u + v * v > 1) continue;
    const double angle = AngleAround(cx, cy, p.x(), p.y());
    const SliceAngles& a = angles_[static_cast<std::size_t>(i)];
    if (a.start <= angle && angle <= a.end) return i;
  }
  return -1;
}
