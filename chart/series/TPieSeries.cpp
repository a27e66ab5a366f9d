// The pie's settings and points: the Other slice, explode settings that
// follow their slices, the legend of the slices drawn, and the gallery.
#include "chart/series/TPieSeries.h"

#include "chart/core/ChartMessages.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TCustomPlotPanel.h"
#include "chart/model/TSeriesMarks.h"

#include <cmath>

TPieSeries::TPieSeries(QObject* owner)
    : TCircledSeries(owner),
      otherSlice_(new TPieOtherSlice([this] { CanvasChanged(); }, this)),
      shadow_(new TPieShadow([this] { CanvasChanged(); }, this)) {
  XValues()->SetName(QString());
  YValues()->SetName(ChartText(ChartMsg::ValueNamePie));
  Marks()->SetVisible(true);
  Marks()->SetArrowLength(8);
  SetColorEachPoint(true);
  usesSeriesColor_ = false;
}

void TPieSeries::SetOtherSlice(TPieOtherSlice* value) {
  if (value) otherSlice_->Assign(*value);
}

void TPieSeries::SetShadow(TPieShadow* value) {
  if (value) shadow_->Assign(*value);
}

void TPieSeries::SetExplodedSlice(int index, int percent) {
  if (exploded_.SetValue(index, percent)) Repaint();
}

void TPieSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TPieSeries*>(&source); s && s != this) {
    SetAngleSize(s->angleSize_);
    SetDark3D(s->dark3D_);
    SetUsePatterns(s->usePatterns_);
    SetExplodeBiggest(s->explodeBiggest_);
    otherSlice_->Assign(*s->otherSlice_);
    shadow_->Assign(*s->shadow_);
  }
  TCircledSeries::Assign(source);
  SetColorEachPoint(true);
}

int TPieSeries::CalcXPos(int index) const {
  if (XValues()->Values()[static_cast<std::size_t>(index)] == OtherX) return 0;
  return TCircledSeries::CalcXPos(index);
}

void TPieSeries::ClearLists() {
  TCircledSeries::ClearLists();
  exploded_.Clear();
  hasHidden_ = false;
}

void TPieSeries::Delete(int valueIndex) {
  CheckIndex(valueIndex);
  exploded_.Delete(valueIndex);
  TCircledSeries::Delete(valueIndex);
}

void TPieSeries::SwapValueIndex(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  exploded_.Exchange(a, b, PointCount());
  TCircledSeries::SwapValueIndex(a, b);
}

// --- range -------------------------------------------------------------------------------

namespace {

double AxisLimit(const TChartAxis* axis, bool maximum) {
  if (!axis) return 0;
  return maximum ? axis->Maximum() : axis->Minimum();
}

}  // namespace

double TPieSeries::MaxXValue() const {
  return AxisLimit(GetHorizAxis(), true);
}

double TPieSeries::MinXValue() const {
  return AxisLimit(GetHorizAxis(), false);
}

double TPieSeries::MaxYValue() const {
  return AxisLimit(GetVertAxis(), true);
}

double TPieSeries::MinYValue() const {
  return AxisLimit(GetVertAxis(), false);
}

const TPieSeries::DrawnPoints& TPieSeries::Drawn() const {
  const double allTotal = YValues()->SumOfAbsolutes();
  if (drawn_.count == PointCount() && drawn_.grouping == groupings_ && drawn_.allTotal == allTotal)
    return drawn_;
  drawn_ = DrawnPoints{PointCount(), groupings_, allTotal, {}, 0};
  const auto x = XValues()->Values();
  const auto y = YValues()->Values();
  for (std::size_t i = 0; i < y.size(); ++i) {
    if (x[i] == HiddenX) continue;
    drawn_.indexes.push_back(static_cast<int>(i));
    if (std::isfinite(y[i])) drawn_.total += std::abs(y[i]);
  }
  return drawn_;
}

double TPieSeries::PercentTotal() const {
  return hasHidden_ ? Drawn().total : YValues()->SumOfAbsolutes();
}

// --- the Other slice ---------------------------------------------------------------------

void TPieSeries::DoBeforeDrawChart() {
  TCircledSeries::DoBeforeDrawChart();
  // The dependants and the chart see the points as the user left them: the
  // Other slice is this series' own drawing.
  BeginUpdate();
  try {
    GroupOtherSlice();
  } catch (...) {
    EndUpdateQuietly();
    throw;
  }
  EndUpdateQuietly();
}

void TPieSeries::GroupOtherSlice() {
  if (PieValues()->Order() != loNone) PieValues()->Sort();
  const int previous = XValues()->Locate(OtherX);
  if (previous >= 0) Delete(previous);
  XValues()->FillSequence();
  ++groupings_;
  hasHidden_ = false;
  const TPieOtherSlice& other = *otherSlice_;
  if (other.Style() == TPieOtherSlice::poNone) return;
  const auto y = YValues()->Values();
  double total = 0;
  for (double v : y)
    if (std::isfinite(v)) total += std::abs(v);
  if (!(total > 0)) return;
  double sum = 0;
  bool any = false;
  for (int i = 0; i < PointCount(); ++i) {
    const double v = YValues()->Values()[static_cast<std::size_t>(i)];
    if (!std::isfinite(v)) continue;
    const double measure = other.Style() == TPieOtherSlice::poBelowPercent ? v * 100 / total : v;
    if (measure >= other.Value()) continue;
    XValues()->SetValue(i, HiddenX);
    sum += v;
    any = true;
  }
  if (!any) return;
  hasHidden_ = true;
  StorePoint(OtherX, sum, other.Text(), other.Color());
}

int TPieSeries::PaintedPointIndex() const {
  if (!hasHidden_) return -1;
  // The Other slice sorts after every slice the user numbers.
  const auto x = XValues()->Values();
  if (!x.empty() && x.back() == OtherX) return static_cast<int>(x.size()) - 1;
  return XValues()->Locate(OtherX);
}

double TPieSeries::UserValue(const TChartValueList& list, int valueIndex) const {
  const double value = TCircledSeries::UserValue(list, valueIndex);
  // The grouping renumbered the slices before it hid some, all of them
  // ahead of the Other slice: a hidden slice's number is its index.
  return hasHidden_ && value == HiddenX && &list == XValues() ? valueIndex : value;
}

void TPieSeries::ReleasePaintedPoints() {
  if (!hasHidden_) return;
  BeginUpdate();
  try {
    const int other = PaintedPointIndex();
    for (int i = 0; i < PointCount(); ++i) {
      if (IsHidden(i)) XValues()->SetValue(i, UserValue(*XValues(), i));
    }
    if (other >= 0) Delete(other);
  } catch (...) {
    EndUpdateQuietly();
    throw;
  }
  hasHidden_ = false;
  ++groupings_;
  EndUpdateQuietly();
}

// --- legend --------------------------------------------------------------------------------

int TPieSeries::CountLegendItems() const {
  return hasHidden_ ? static_cast<int>(Drawn().indexes.size()) : PointCount();
}

int TPieSeries::LegendToValueIndex(int legendIndex) const {
  if (!hasHidden_) return legendIndex < PointCount() ? legendIndex : -1;
  const std::vector<int>& indexes = Drawn().indexes;
  return legendIndex >= 0 && static_cast<std::size_t>(legendIndex) < indexes.size()
             ? indexes[static_cast<std::size_t>(legendIndex)]
             : -1;
}

base::TColor TPieSeries::LegendItemColor(int legendIndex) const {
  const int i = LegendToValueIndex(legendIndex);
  return i < 0 ? base::clNone : GetValueColor(i);
}

void TPieSeries::PrepareLegendCanvas(int legendIndex, base::TColor& backColor, TChartBrush& brush) {
  TCircledSeries::PrepareLegendCanvas(legendIndex, backColor, brush);
  if (SeriesDrawingChart* chart = Drawing()) chart->Canvas().AssignPen(*PiePen());
  // Items of hidden slices are left out: an item is hatched as its slice.
  const int valueIndex = LegendToValueIndex(legendIndex);
  if (UseSlicePatterns())
    brush.SetStyle(SliceBrushStyle(valueIndex < 0 ? legendIndex : valueIndex));
}

// --- gallery -------------------------------------------------------------------------------

void TPieSeries::AddSampleValues(int count) {
  static constexpr ChartMsg kLabels[] = {ChartMsg::SampleCars,   ChartMsg::SamplePhones,
                                         ChartMsg::SampleTables, ChartMsg::SampleMonitors,
                                         ChartMsg::SampleLamps,  ChartMsg::SampleKeyboards,
                                         ChartMsg::SampleBikes,  ChartMsg::SampleChairs};
  constexpr int labels = static_cast<int>(std::size(kLabels));
  for (int i = 0; i < count; ++i)
    Add(1 + SampleRandomInt(1000), ChartText(kLabels[i % labels]), clPlotColor);
}

void TPieSeries::PrepareForGallery(bool /*enabled*/) {
  FillSampleValues(NumSampleValues());
  // A sample is too small for marks around its pie: they would take all
  // of its room. The "Marks" style shows them.
  Marks()->SetVisible(false);
  Marks()->SetArrowLength(0);
  Marks()->SetDrawEvery(1);
  SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  if (TCustomPlotPanel* panel = Panel()) panel->SetChart3DPercent(75);
  if (TView3DOptions* view = chart->View3DOptions()) {
    view->SetOrthogonal(false);
    view->SetRotation(0);
    view->SetElevation(305);
  }
  SetCircled(!chart->View3D());
}

void TPieSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TCircledSeries::CreateSubGallery(add);
  for (ChartMsg m : {ChartMsg::StylePatterns, ChartMsg::StyleExploded, ChartMsg::StyleShadow,
                     ChartMsg::StyleMarks, ChartMsg::StyleSemiPie, ChartMsg::StyleNoBorder})
    add(ChartText(m));
}

void TPieSeries::SetSubGallery(int index) {
  switch (index) {
    case 1:
      SetUsePatterns(true);
      break;
    case 2:
      SetExplodeBiggest(30);
      break;
    case 3:
      shadow_->SetHorizSize(10);
      shadow_->SetVertSize(10);
      break;
    case 4:
      Marks()->SetVisible(true);
      ClearValues();
      Add(30, QStringLiteral("A"));
      Add(70, QStringLiteral("B"));
      break;
    case 5:
      SetAngleSize(180);
      break;
    case 6:
      PiePen()->SetVisible(false);
      break;
    default:
      break;
  }
}
