// The series against its axes: pixel positions, depth slots, the visible
// points and the loops that draw points and marks.
#include "chart/model/TChartSeries.h"

#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/model/SeriesVisibleRange.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TSeriesMarkPosition.h"

#include <QStringList>

#include <algorithm>

SeriesDrawingChart* TChartSeries::Drawing() const {
  // Asked per point while drawing: the chart's side was found on joining.
  return ParentChart() ? drawing_ : nullptr;
}

// --- axes ---------------------------------------------------------------------------------

void TChartSeries::SetHorizAxis(THorizAxis value) {
  if (!Store(horizAxis_, value)) return;
  if (value != aCustomHorizAxis && !(ParentChart() && ParentChart()->ReadingStoredState()))
    customHorizAxis_ = nullptr;
  Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
  if (!Store(vertAxis_, value)) return;
  if (value != aCustomVertAxis && !(ParentChart() && ParentChart()->ReadingStoredState()))
    customVertAxis_ = nullptr;
  Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* axis) {
  SetHorizAxis(axis ? aCustomHorizAxis : aBottomAxis);
  customHorizAxis_ = axis;
  Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* axis) {
  SetVertAxis(axis ? aCustomVertAxis : aLeftAxis);
  customVertAxis_ = axis;
  Repaint();
}

TChartAxis* TChartSeries::GetHorizAxis() const {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return nullptr;
  if (horizAxis_ == aCustomHorizAxis && customHorizAxis_) return customHorizAxis_;
  return chart->StandardAxis(horizAxis_ == aTopAxis ? AxisSide::Top : AxisSide::Bottom);
}

TChartAxis* TChartSeries::GetVertAxis() const {
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return nullptr;
  if (vertAxis_ == aCustomVertAxis && customVertAxis_) return customVertAxis_;
  return chart->StandardAxis(vertAxis_ == aRightAxis ? AxisSide::Right : AxisSide::Left);
}

bool TChartSeries::AssociatedToAxis(const TChartAxis& axis) const {
  if (!UseAxis()) return false;
  if (axis.Horizontal()) return horizAxis_ == aBothHorizAxis || GetHorizAxis() == &axis;
  return vertAxis_ == aBothVertAxis || GetVertAxis() == &axis;
}

int TChartSeries::CalcXPosValue(double value) const {
  const TChartAxis* axis = GetHorizAxis();
  return axis ? axis->CalcXPosValue(value) : 0;
}

int TChartSeries::CalcYPosValue(double value) const {
  const TChartAxis* axis = GetVertAxis();
  return axis ? axis->CalcYPosValue(value) : 0;
}

int TChartSeries::CalcXPos(int index) const {
  return CalcXPosValue(xValues_->Values()[static_cast<std::size_t>(index)]);
}

int TChartSeries::CalcYPos(int index) const {
  return CalcYPosValue(yValues_->Values()[static_cast<std::size_t>(index)]);
}

int TChartSeries::CalcPosOfMandatoryValue(double value) const {
  return yMandatory_ ? CalcYPosValue(value) : CalcXPosValue(value);
}

double TChartSeries::XScreenToValue(int x) const {
  const TChartAxis* axis = GetHorizAxis();
  return axis ? axis->CalcPosPoint(x) : 0;
}

// --- depth ---------------------------------------------------------------------------------

void TChartSeries::CalcZOrder() {
  SeriesDrawingChart* chart = Drawing();
  if (zOrder_ != -1) {
    if (chart) chart->SetMaxZOrder(std::max(chart->MaxZOrder(), zOrder_));
    return;
  }
  if (chart && chart->View3D()) {
    chart->SetMaxZOrder(chart->MaxZOrder() + 1);
    autoZOrder_ = chart->MaxZOrder();
  } else {
    autoZOrder_ = 0;
  }
}

void TChartSeries::SetDepthExtent(int slot, int seriesDepth) {
  startZ_ = seriesDepth * slot;
  endZ_ = startZ_ + (depth_ == -1 ? seriesDepth : depth_);
  middleZ_ = (startZ_ + endZ_) / 2;
  marks_->SetZPosition(middleZ_);
}

bool TChartSeries::MoreSameZOrder() const {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || !chart->View3D() || !chart->SeparateSeriesDepths()) return false;
  for (const TChartSeries* s : chart->SeriesList())
    if (s != this && s->Active() && s->DepthSlot() == DepthSlot()) return true;
  return false;
}

// --- visible range and drawing ------------------------------------------------------------

void TChartSeries::CalcFirstLastVisibleIndex() {
  firstValueIndex_ = -1;
  lastValueIndex_ = -1;
  const int count = PointCount();
  if (count == 0) return;
  const TChartAxis* axis = yMandatory_ ? GetHorizAxis() : GetVertAxis();
  SeriesDrawingChart* chart = Drawing();
  if (!calcVisiblePoints_ || notMandatory_->Order() == loNone || !axis || !chart) {
    firstValueIndex_ = 0;
    lastValueIndex_ = count - 1;
    return;
  }
  const TRect r = chart->ChartRect();
  double lo = 0, hi = 0;
  if (axis->Horizontal()) {
    lo = axis->CalcPosPoint(axis->Inverted() ? r.Right : r.Left);
    hi = axis->CalcPosPoint(axis->Inverted() ? r.Left : r.Right);
  } else {
    lo = axis->CalcPosPoint(axis->Inverted() ? r.Top : r.Bottom);
    hi = axis->CalcPosPoint(axis->Inverted() ? r.Bottom : r.Top);
  }
  const bool mayHoldNaN = notMandatory_ == xValues_ ? xMayHoldNaN_ : yMayHoldNaN_;
  const VisibleRange range = CalcVisibleRange(notMandatory_->Values(), notMandatory_->Order(), lo,
                                              hi, drawBetweenPoints_, mayHoldNaN);
  firstValueIndex_ = range.first;
  lastValueIndex_ = range.first < 0 ? -1 : range.last;
}

bool TChartSeries::DrawValuesForward() const {
  if (yMandatory_) {
    const TChartAxis* axis = GetHorizAxis();
    const bool inverted = axis && axis->Inverted();
    SeriesDrawingChart* chart = Drawing();
    const TView3DOptions* view = chart ? chart->View3DOptions() : nullptr;
    if (chart && chart->View3D() && view && !view->Orthogonal() && view->Rotation() < 270)
      return inverted;
    return !inverted;
  }
  const TChartAxis* axis = GetVertAxis();
  return !(axis && axis->Inverted());
}

void TChartSeries::DoBeforeDrawValues() {
  if (BeforeDrawValues) BeforeDrawValues(*this);
}

void TChartSeries::DoAfterDrawValues() {
  if (AfterDrawValues) AfterDrawValues(*this);
}

void TChartSeries::DrawAllValues() {
  if (firstValueIndex_ < 0) return;
  if (DrawValuesForward()) {
    for (int i = firstValueIndex_; i <= lastValueIndex_; ++i) DrawValue(i);
  } else {
    for (int i = lastValueIndex_; i >= firstValueIndex_; --i) DrawValue(i);
  }
}

void TChartSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  if (SeriesDrawingChart* chart = Drawing())
    marks_->DrawItem(chart->Canvas(), valueIndex, GetValueColor(valueIndex), position, text);
}

void TChartSeries::DrawMarks() {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || PointCount() == 0 || !marks_->Visible() || firstValueIndex_ < 0) return;
  TCanvas3D& canvas = chart->Canvas();
  const bool clip = marks_->Clip();
  if (clip) canvas.ClipRectangle(chart->ChartRect());
  const TView3DOptions* view = chart->View3DOptions();
  const bool zoomText = chart->View3D() && view && !canvas.SupportsTextZoom() && view->ZoomText();
  const TChartPen* frame = marks_->Frame();
  const int step = marks_->DrawEveryStep();
  const int last = std::min(lastValueIndex_, PointCount() - 1);
  TSeriesMarkPosition position;
  for (int i = firstValueIndex_; i <= last; ++i) {
    if (i % step != 0 || IsNull(i)) continue;
    const QString text = MarkText(i);
    if (text.isEmpty()) continue;
    canvas.AssignFont(*marks_->Font());
    if (zoomText) {
      // The text shrinks and grows with the view like the rest of it.
      BackendFont font = canvas.ReferenceCanvas().font();
      const int size = std::max(1, base::Round(std::abs(font.height) * view->Zoom() * 0.01));
      font.height = font.height < 0 ? -size : size;
      canvas.ReferenceCanvas().setFont(font);
    }
    int width = 0;
    const QStringList lines = MarkTextLines(text);
    for (const QString& line : lines) width = std::max(width, canvas.TextWidth(line));
    width += canvas.TextWidth(QStringLiteral("W"));
    int height = static_cast<int>(lines.size()) * canvas.TextHeight(QStringLiteral("W"));
    if (frame && frame->Visible()) {
      width += 2 * frame->Width();
      height += 2 * frame->Width();
    } else {
      ++height;
    }
    position = TSeriesMarkPosition{};
    position.ArrowStart = QPoint(CalcXPos(i), CalcYPos(i));
    position.ArrowEnd = position.ArrowStart;
    position.BoxTopLeft =
        QPoint(position.ArrowStart.x() - width / 2, position.ArrowStart.y() - height + 1);
    position.BoxWidth = width;
    position.BoxHeight = height;
    DrawMark(i, text, position);
  }
  if (clip) canvas.UnClipRectangle();
}
