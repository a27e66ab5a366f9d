#include "chart/series/TFastLineSeries.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartHitTests.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomPlotPanel.h"
#include "chart/model/TSeriesMarkPosition.h"
#include "chart/series/FastLineColumns.h"

#include <algorithm>
#include <cmath>

TFastLineSeries::TFastLineSeries(QObject* owner) : TCustomLineSeries(owner) {
  // The visible range keeps the first point at or past the far edge, so
  // the line runs out of the chart instead of stopping short of it.
  drawBetweenPoints_ = true;
  // A function's one value for the whole source shows as a level line.
  wholeValueAsPoint_ = false;
  // The pen and the series colour are one value from the start, so that a
  // copy in any property order ends where its source is.
  Pen()->SetColor(SeriesColor());
}

void TFastLineSeries::SetPen(TChartPen* value) {
  TCustomLineSeries::SetPen(value);
  SetSeriesColor(Pen()->Color());
}

void TFastLineSeries::SetSeriesColor(base::TColor value) {
  TCustomLineSeries::SetSeriesColor(value);
  Pen()->SetColor(value);
}

void TFastLineSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TCustomLineSeries::CreateSubGallery(add);
  if (!add) return;
  add(ChartText(ChartMsg::StyleMarks));
  add(ChartText(ChartMsg::StyleDotted));
}

void TFastLineSeries::SetSubGallery(int index) {
  if (index == 1) Marks()->SetVisible(true);
  if (index == 2) Pen()->SetSmallDots(true);
}

void TFastLineSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TFastLineSeries*>(&source)) {
    autoRepaint_ = s->autoRepaint_;
    SetDrawAllPoints(s->drawAllPoints_);
  }
  TCustomLineSeries::Assign(source);
}

int TFastLineSeries::AddPointXY(double x, double y, const QString& label, base::TColor color) {
  PointsChanged();
  return TCustomLineSeries::AddPointXY(x, y, label, color);
}

void TFastLineSeries::Delete(int valueIndex) {
  PointsChanged();
  TCustomLineSeries::Delete(valueIndex);
}

void TFastLineSeries::SwapValueIndex(int a, int b) {
  PointsChanged();
  TCustomLineSeries::SwapValueIndex(a, b);
}

void TFastLineSeries::ValueChanged(int valueIndex) {
  PointsChanged();
  TCustomLineSeries::ValueChanged(valueIndex);
}

const FastLineYExtremes& TFastLineSeries::Extremes() {
  // The extremes read the values where they lie: a list that moved them
  // (trimmed after an update) needs new ones though no point changed.
  const double* values = YValues()->Values().data();
  if (!extremes_ || extremesVersion_ != pointsVersion_ || extremesCount_ != PointCount() ||
      extremesValues_ != values) {
    extremes_ = std::make_unique<FastLineYExtremes>(XValues()->Values(), YValues()->Values());
    extremesVersion_ = pointsVersion_;
    extremesCount_ = PointCount();
    extremesValues_ = values;
  }
  return *extremes_;
}

void TFastLineSeries::ClearValues() {
  PointsChanged();
  // The pen no longer stands on any point of this series.
  oldX_ = oldY_ = 0;
  TCustomLineSeries::ClearValues();
}

// --- drawing ----------------------------------------------------------------------------

void TFastLineSeries::PrepareCanvas() {
  SeriesDrawingChart* chart = Drawing();
  TCanvas3D& canvas = chart->Canvas();
  canvas.AssignPen(*Pen());
  DrawingBackend& backend = canvas.ReferenceCanvas();
  if (const auto* panel = dynamic_cast<const TCustomPlotPanel*>(ParentChart())) {
    BackendPen pen = backend.pen();
    panel->CheckPenWidth(pen);
    if (!(pen == backend.pen())) backend.setPen(pen);
  }
  BackendBrush brush = backend.brush();
  brush.style = Graphics::bsClear;
  backend.setBrush(brush);
  backend.setBackMode(BackMode::Transparent);
}

bool TFastLineSeries::CanReduceColumns() const {
  SeriesDrawingChart* chart = Drawing();
  if (chart->View3D()) return false;
  const DrawingBackend& backend = chart->Canvas().ReferenceCanvas();
  const BackendCapabilities caps = backend.capabilities();
  // Elsewhere the calls themselves are the picture.
  if (!caps.pixelReadBack || caps.metafile || caps.printer) return false;
  const BackendPen& pen = backend.pen();
  if (pen.style != Graphics::psSolid || pen.width > 1 || pen.smallDots ||
      pen.mode != Graphics::pmCopy)
    return false;
  const TChartAxis* h = GetHorizAxis();
  const TChartAxis* v = GetVertAxis();
  if (!h || !v || h->Logarithmic() || v->Logarithmic()) return false;
  // The values themselves (sorted, finite) are the extremes' check.
  return XValues()->Order() == loAscending;
}

void TFastLineSeries::DrawAllValues() {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || firstValueIndex_ < 0 || lastValueIndex_ >= PointCount()) return;
  PrepareCanvas();
  TCanvas3D& canvas = chart->Canvas();
  const int i = firstValueIndex_;
  const std::span<const double> x = XValues()->Values();
  const std::span<const double> y = YValues()->Values();
  oldX_ = CalcXPosValue(x[static_cast<std::size_t>(i)]);
  oldY_ = CalcYPosValue(y[static_cast<std::size_t>(i)]);
  const bool is3D = chart->View3D();
  if (i <= 0) {
    if (is3D)
      canvas.MoveTo3D(oldX_, oldY_, MiddleZ());
    else
      canvas.MoveTo(oldX_, oldY_);
  } else if (is3D) {
    canvas.LineWithZ(CalcXPos(i - 1), CalcYPos(i - 1), oldX_, oldY_, MiddleZ());
  } else {
    canvas.Line(CalcXPos(i - 1), CalcYPos(i - 1), oldX_, oldY_);
  }
  if (CanReduceColumns() && Extremes().Usable()) {
    DrawReducedColumns();
    return;
  }
  for (int j = i + 1; j <= lastValueIndex_; ++j) DrawValue(j);
}

void TFastLineSeries::DrawReducedColumns() {
  const TChartAxis* h = GetHorizAxis();
  const TChartAxis* v = GetVertAxis();
  FastLineColumnInput in;
  in.x = XValues()->Values();
  in.y = YValues()->Values();
  in.first = firstValueIndex_;
  in.last = lastValueIndex_;
  in.xPos = [h](double value) { return h->CalcXPosValue(value); };
  in.yPos = [v](double value) { return v->CalcYPosValue(value); };
  in.allPoints = drawAllPoints_;
  in.extremes = &Extremes();
  const std::vector<QPoint> points = ReduceFastLineColumns(in);
  // A LineTo per kept point, in one call: the same pixels as the calls one
  // by one, which a polyline's joints need not give.
  DrawingBackend& backend = Drawing()->Canvas().ReferenceCanvas();
  backend.polylineTo(std::span<const QPoint>(points).subspan(1));
  const QPoint last = points.back();
  oldX_ = last.x();
  oldY_ = last.y();
}

void TFastLineSeries::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  const auto at = static_cast<std::size_t>(valueIndex);
  const int x = CalcXPosValue(XValues()->Values()[at]);
  const int y = CalcYPosValue(YValues()->Values()[at]);
  if (x == oldX_ && (!drawAllPoints_ || y == oldY_)) return;
  if (chart->View3D())
    chart->Canvas().LineTo3D(x, y, MiddleZ());
  else
    chart->Canvas().LineTo(x, y);
  oldX_ = x;
  oldY_ = y;
}

void TFastLineSeries::NotifyNewValue(int valueIndex) {
  if (autoRepaint_) {
    TCustomLineSeries::NotifyNewValue(valueIndex);
    return;
  }
  // The dependants must follow whichever way the point is drawn.
  NotifyValue(SeriesValueEvent::Add, valueIndex);
  DrawImmediate(valueIndex);
}

void TFastLineSeries::DrawImmediate(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || !Active()) return;
  const std::vector<TChartSeries*>& list = chart->SeriesList();
  if (std::find(list.begin(), list.end(), this) == list.end()) return;
  // Shown in a window, the segment goes into the finished picture and only
  // its bounds are shown again; otherwise onto whatever the canvas targets.
  if (auto* panel = dynamic_cast<TCustomPlotPanel*>(ParentChart())) {
    const TRect dirty = ImmediateBounds(valueIndex);
    if (dirty.IsEmpty() ||
        panel->DrawImmediate([&](TPlotCanvas3D&) { DrawSegment(valueIndex); }, dirty))
      return;
  }
  DrawSegment(valueIndex);
}

TRect TFastLineSeries::ImmediateBounds(int valueIndex) const {
  SeriesDrawingChart* chart = Drawing();
  const TRect clip = chart->ChartRect();
  // The clip keeps a projected segment inside the chart rectangle too.
  if (chart->View3D()) return clip.IsEmpty() ? TRect{} : clip;
  const int p = std::max(0, valueIndex - 1);
  const int x0 = CalcXPos(p), y0 = CalcYPos(p);
  const int x1 = CalcXPos(valueIndex), y1 = CalcYPos(valueIndex);
  // A wide pen spreads half its width around the line.
  const int grow = Pen()->Width() / 2 + 1;
  TRect r{std::min(x0, x1) - grow, std::min(y0, y1) - grow, std::max(x0, x1) + 1 + grow,
          std::max(y0, y1) + 1 + grow};
  r.Left = std::max(r.Left, clip.Left);
  r.Top = std::max(r.Top, clip.Top);
  r.Right = std::min(r.Right, clip.Right);
  r.Bottom = std::min(r.Bottom, clip.Bottom);
  return r.IsEmpty() ? TRect{} : r;
}

void TFastLineSeries::DrawSegment(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  TCanvas3D& canvas = chart->Canvas();
  canvas.AssignPen(*Pen());
  // A paint clips the series to the chart rectangle; so does a new segment.
  canvas.ClipRectangle(chart->ChartRect());
  const int p = std::max(0, valueIndex - 1);
  oldX_ = CalcXPos(p);
  oldY_ = CalcYPos(p);
  if (chart->View3D())
    canvas.MoveTo3D(oldX_, oldY_, MiddleZ());
  else
    canvas.MoveTo(oldX_, oldY_);
  DrawValue(valueIndex);
  canvas.UnClipRectangle();
}

void TFastLineSeries::DrawLegendSymbolRect(const TRect& r, base::TColor /*backColor*/) {
  if (!Drawing()) return;
  PrepareCanvas();
  Drawing()->Canvas().DoHorizLine(r.Left, r.Right, (r.Top + r.Bottom) / 2);
}

void TFastLineSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  Marks()->ApplyArrowLength(position);
  TCustomLineSeries::DrawMark(valueIndex, text, position);
}

int TFastLineSeries::Clicked(int x, int y) {
  if (firstValueIndex_ < 0 || lastValueIndex_ < 0) return -1;
  QPoint p(x, y);
  if (SeriesDrawingChart* chart = Drawing())
    p = chart->Canvas().Calculate2DPosition(x, y, MiddleZ());
  const int last = std::min(lastValueIndex_, PointCount() - 1);
  int prevX = 0, prevY = 0;
  for (int i = firstValueIndex_; i <= last; ++i) {
    const int px = CalcXPos(i);
    const int py = CalcYPos(i);
    if (p == QPoint(px, py)) return i;
    if (i > firstValueIndex_ && PointOnSegment(p, px, py, prevX, prevY)) return i - 1;
    prevX = px;
    prevY = py;
  }
  return -1;
}
