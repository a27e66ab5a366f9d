#include "chart/series/TGanttSeries.h"

#include "base/DateTime.h"
#include "base/MathUtil.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TSeriesMarkPosition.h"

#include <algorithm>
#include <array>
#include <cmath>

TGanttSeries::TGanttSeries(QObject* owner)
    : TPointSeries(owner),
      endValues_(&ValuesList().Add(ChartText(ChartMsg::ValueNameEnd))),
      nextTask_(&ValuesList().Add(ChartText(ChartMsg::ValueNameNextTask))) {
  XValues()->SetName(ChartText(ChartMsg::ValueNameStart));
  XValues()->SetDateTime(true);
  XValues()->SetOrder(loNone);
  endValues_->SetDateTime(true);
  nextTask_->SetTempValue(-1);
  SetMandatoryLists();
  calcVisiblePoints_ = false;
  SetColorEachPoint(true);
  Pointer()->SetStyle(TSeriesPointer::psRectangle);
}

void TGanttSeries::Assign(const TCustomChartElement& source) {
  TPointSeries::Assign(source);
  if (const auto* s = qobject_cast<const TGanttSeries*>(&source); s && s != this)
    SetConnectingPen(s->ConnectingPen());
}

bool TGanttSeries::IsValidSourceOf(const TChartSeries* other) const {
  return other != this && qobject_cast<const TGanttSeries*>(other) != nullptr;
}

// --- points ------------------------------------------------------------------------------------

int TGanttSeries::AddPointXY(double x, double y, const QString& label, base::TColor color) {
  const int index = TPointSeries::AddPointXY(x, y, label, color);
  // Reset after, not before, each point: a caller that set the link of the
  // point it adds (a stored chart's loader) keeps it.
  nextTask_->SetTempValue(-1);
  return index;
}

int TGanttSeries::AddGantt(double start, double end, double row, const QString& label,
                           base::TColor color) {
  endValues_->SetTempValue(end);
  return AddPointXY(start, row, label, color);
}

int TGanttSeries::NextTaskIndex(int valueIndex) const {
  const double next = nextTask_->Values()[static_cast<std::size_t>(valueIndex)];
  // A NaN would round to task 0: it names no task.
  if (!std::isfinite(next)) return -1;
  const long long n = base::Round64(next);
  return n >= 0 && n < PointCount() ? static_cast<int>(n) : -1;
}

double TGanttSeries::MaxXValue() const {
  const double base = TPointSeries::MaxXValue();
  return endValues_->Count() > 0 ? std::max(base, endValues_->Maximum()) : base;
}

// --- drawing ---------------------------------------------------------------------------------

void TGanttSeries::DrawValue(int valueIndex) {
  SeriesDrawingChart* chart = Drawing();
  if (!chart || !Pointer()->Visible() || IsNull(valueIndex)) return;
  TCanvas3D& canvas = chart->Canvas();
  const base::TColor color = GetValueColor(valueIndex);
  Pointer()->PrepareCanvas(canvas, color);
  const int x0 = CalcXPos(valueIndex);
  const int x1 = CalcXPosValue(endValues_->Values()[static_cast<std::size_t>(valueIndex)]);
  const int half = (x1 - x0) / 2;
  const int y = CalcYPos(valueIndex);
  const TSeriesPointer::TSeriesPointerStyle style =
      OnGetPointerStyle ? OnGetPointerStyle(*this, valueIndex) : Pointer()->Style();
  Pointer()->DrawShape(canvas, chart->View3D(), x0 + half, y, half, Pointer()->VertSize(), color,
                       style);
  DrawConnector(valueIndex, x1, y);
}

void TGanttSeries::DrawConnector(int valueIndex, int x1, int y) {
  const int n = NextTaskIndex(valueIndex);
  if (!LinePen()->Visible() || n < 0 || IsNull(n)) return;
  TCanvas3D& canvas = Drawing()->Canvas();
  canvas.AssignPen(*LinePen());
  DrawingBackend& backend = canvas.ReferenceCanvas();
  BackendBrush clear = backend.brush();
  clear.style = Graphics::bsClear;
  backend.setBrush(clear);
  const int xn = CalcXPos(n), yn = CalcYPos(n);
  const int m = x1 + (xn - x1) / 2;
  const int z = MiddleZ();
  canvas.MoveTo3D(x1, y, z);
  canvas.LineTo3D(m, y, z);
  canvas.LineTo3D(m, yn, z);
  canvas.LineTo3D(xn, yn, z);
}

void TGanttSeries::DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) {
  const int x1 = CalcXPosValue(endValues_->Values()[static_cast<std::size_t>(valueIndex)]);
  position.BoxTopLeft += QPoint((x1 - position.ArrowStart.x()) / 2, position.BoxHeight / 2);
  TPointSeries::DrawMark(valueIndex, text, position);
}

bool TGanttSeries::ClickedPointer(int valueIndex, int px, int py, int x, int y) const {
  if (IsNull(valueIndex)) return false;
  const int end = CalcXPosValue(endValues_->Values()[static_cast<std::size_t>(valueIndex)]);
  return x >= std::min(px, end) && x <= std::max(px, end) &&
         std::abs(y - py) < Pointer()->VertSize();
}

// --- gallery and samples -------------------------------------------------------------------

void TGanttSeries::PrepareForGallery(bool enabled) {
  TPointSeries::PrepareForGallery(enabled);
  SetColorEachPoint(enabled);
  Pointer()->SetVertSize(3);
}

void TGanttSeries::AddSampleValues(int count) {
  static constexpr std::array<ChartMsg, 10> kTasks = {
      ChartMsg::SampleDesign,        ChartMsg::SamplePrototyping, ChartMsg::SampleDevelopment,
      ChartMsg::SampleSales,         ChartMsg::SampleMarketing,   ChartMsg::SampleTesting,
      ChartMsg::SampleManufacturing, ChartMsg::SampleDebugging,   ChartMsg::SampleNewVersion,
      ChartMsg::SampleBanking};
  const int n = std::min(count, 10 + SampleRandomInt(20));
  const double today = base::Today();
  for (int k = 0; k < n; ++k) {
    const double start = today + 3 * k + SampleRandomInt(5);
    const double end = start + 9 + SampleRandomInt(16);
    const int added = AddGantt(start, end, k % 10, ChartText(kTasks[std::size_t(k % 10)]));
    if (added < 0) continue;
    // The first earlier task without a successor that ends before this
    // one starts leads to it.
    for (int i = 0; i < added; ++i) {
      if (NextTaskIndex(i) < 0 && endValues_->Values()[std::size_t(i)] < start) {
        nextTask_->SetValue(i, added);
        break;
      }
    }
  }
}
