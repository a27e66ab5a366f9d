#include "chart/series/TCustomBarSeries.h"

#include "base/MathUtil.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/series/SeriesStacking.h"

#include <algorithm>
#include <vector>

TCustomBarSeries::TCustomBarSeries(QObject* owner)
    : TChartSeries(owner), gradient_(new TBarSeriesGradient([this] { CanvasChanged(); }, this)) {
  Marks()->SetVisible(true);
  Marks()->SetArrowLength(20);
}

// --- published ---------------------------------------------------------------------------------

void TCustomBarSeries::SetBarStyle(TBarStyle value) {
  if (Store(barStyle_, value)) Repaint();
}

void TCustomBarSeries::SetGradient(TBarSeriesGradient* value) {
  if (value) gradient_->Assign(*value);
}

void TCustomBarSeries::SetMultiBar(TMultiBar value) {
  if (!Store(multiBar_, value)) return;
  ShareLayout();
  Repaint();
}

void TCustomBarSeries::SetSideMargins(bool value) {
  if (!Store(sideMargins_, value)) return;
  ShareLayout();
  Repaint();
}

void TCustomBarSeries::ShareLayout() {
  const SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  for (TChartSeries* s : chart->SeriesList()) {
    auto* bar = qobject_cast<TCustomBarSeries*>(s);
    if (bar && bar != this && SameBars(*bar)) {
      bar->multiBar_ = multiBar_;
      bar->sideMargins_ = sideMargins_;
    }
  }
}

bool TCustomBarSeries::SameBars(const TChartSeries& other) const {
  // One relation for sharing, slots and stacks: a bar class and the
  // classes derived from it stack on each other either way round.
  return qobject_cast<const TCustomBarSeries*>(&other) && SameOrDerivedClass(this, &other);
}

void TCustomBarSeries::SetParentChart(ChartHost* value) {
  TChartSeries::SetParentChart(value);
  const SeriesDrawingChart* chart = Drawing();
  if (!chart) return;
  for (TChartSeries* s : chart->SeriesList()) {
    if (s == this || !SameBars(*s)) continue;
    const auto* bar = static_cast<const TCustomBarSeries*>(s);
    multiBar_ = bar->multiBar_;
    sideMargins_ = bar->sideMargins_;
    break;
  }
}

void TCustomBarSeries::Assign(const TCustomChartElement& source) {
  if (const auto* s = qobject_cast<const TCustomBarSeries*>(&source); s && s != this) {
    autoMarkPosition_ = s->autoMarkPosition_;
    barWidthPercent_ = s->barWidthPercent_;
    barStyle_ = s->barStyle_;
    dark3D_ = s->dark3D_;
    gradient_->Assign(*s->gradient_);
    multiBar_ = s->multiBar_;
    offsetPercent_ = s->offsetPercent_;
    yOrigin_ = s->yOrigin_;
    sideMargins_ = s->sideMargins_;
    stackGroup_ = s->stackGroup_;
    useYOrigin_ = s->useYOrigin_;
  }
  TChartSeries::Assign(source);
}

// --- the paint's shares -------------------------------------------------------------------------

void TCustomBarSeries::DoBeforeDrawChart() {
  numBars_ = 0;
  maxBarPoints_ = -1;
  barOrder_ = 1;
  previousPoints_ = 0;
  std::vector<int> groups;
  const SeriesDrawingChart* chart = Drawing();
  const bool stacked = multiBar_ == mbStacked || multiBar_ == mbStacked100;
  if (chart) {
    bool seen = false;
    for (const TChartSeries* s : chart->SeriesList()) {
      if (!s->Active() || !SameBars(*s)) continue;
      if (s == this) seen = true;
      maxBarPoints_ = std::max(maxBarPoints_, s->PointCount());
      switch (multiBar_) {
        case mbNone:
          numBars_ = 1;
          break;
        case mbSide:
        case mbSideAll:
          ++numBars_;
          if (!seen) ++barOrder_;
          break;
        default: {
          const int group = static_cast<const TCustomBarSeries*>(s)->stackGroup_;
          if (std::find(groups.begin(), groups.end(), group) == groups.end()) {
            groups.push_back(group);
            ++numBars_;
            if (!seen) ++barOrder_;
          }
          break;
        }
      }
      if (!seen) previousPoints_ += s->PointCount();
    }
  }
  if (stacked) {
    const auto it = std::find(groups.begin(), groups.end(), stackGroup_);
    barOrder_ = it == groups.end() ? 1 : static_cast<int>(it - groups.begin()) + 1;
  }
  // Sizes divide by the count: an inactive series still has a share.
  numBars_ = std::max(numBars_, 1);
  if (const auto* panel = dynamic_cast<const TCustomAxisPanel*>(ParentChart());
      panel && panel->MaxPointsPerPage() >= 1)
    maxBarPoints_ = panel->MaxPointsPerPage();
}

void TCustomBarSeries::CalcBarSize() {
  const int custom = CustomBarSize();
  const TChartAxis* axis = CategoryAxis();
  if (custom != 0) {
    barSize_ = std::max(custom, 0);
    return;
  }
  if (maxBarPoints_ < 1 || !axis) {
    barSize_ = 0;
    return;
  }
  const int length = axis->AxisSize;
  int width = 0;
  if (!autoBarSize_) {
    width = length / (sideMargins_ ? maxBarPoints_ + 1 : maxBarPoints_);
  } else {
    // A range too wide to count (infinite slots) gives 0; not a number
    // gives nothing either.
    const double slots = 2 + axis->CurMaximum - axis->CurMinimum;
    if (slots > 0) width = base::Round(length / slots);
  }
  // A negative percent sizes as 0 (the stored value stays).
  barSize_ = std::max(base::Round(barWidthPercent_ * 0.01 * width), 0) / numBars_;
  if (barSize_ % 2 != 0) ++barSize_;
}

void TCustomBarSeries::CategoryMargins(int& first, int& second) {
  CalcBarSize();
  const int64_t size = multiBar_ == mbSideAll ? barSize_ : int64_t{barSize_} * numBars_;
  const int margin = base::SaturateToInt(sideMargins_ ? size : size / 2);
  first = std::max(first, first + margin);
  second = std::max(second, second + margin);
}

void TCustomBarSeries::ValueMargins(int& low, int& high) {
  if (PointCount() == 0 || !Marks()->Visible()) return;
  int64_t extent = int64_t{MarkExtent(-1)} + Marks()->ArrowLength();
  if (const TChartPen* frame = Marks()->Frame(); frame && frame->Visible())
    extent += 2 * int64_t{frame->Width()};
  if (Vertical() || extent >= 1) ++extent;
  const int margin = std::max(base::SaturateToInt(extent), 0);
  const TChartValueList& values = *MandatoryValueList();
  bool up = true;
  if (useYOrigin_) {
    if (values.Minimum() < yOrigin_) low = std::max(low, margin);
    up = values.Maximum() > yOrigin_;
  }
  if (up) high = std::max(high, margin);
}

// --- geometry -----------------------------------------------------------------------------------

double TCustomBarSeries::PointOrigin(int index, bool sumAll) const {
  if (multiBar_ != mbStacked && multiBar_ != mbStacked100) return yOrigin_;
  if (index < 0 || index >= PointCount()) return 0;
  const double own = MandatoryValueList()->Values()[static_cast<std::size_t>(index)];
  const int group = stackGroup_;
  return SignedStackSum(*this, index, !sumAll, own < 0,
                        [group](const TChartSeries& self, const TChartSeries& other) {
                          const auto& bars = static_cast<const TCustomBarSeries&>(self);
                          return other.Active() && bars.SameBars(other) &&
                                 static_cast<const TCustomBarSeries&>(other).stackGroup_ == group;
                        });
}

int TCustomBarSeries::ValueAxisMinPos() const {
  const TChartAxis* axis = ValueAxis();
  if (!axis) return 0;
  // A vertical axis grows upwards, a horizontal one to the right; an
  // inverted one the other way.
  const bool atEnd = axis->Horizontal() == axis->Inverted();
  return atEnd ? axis->EndPos : axis->StartPos;
}

int TCustomBarSeries::OriginPos(int index) const {
  switch (multiBar_) {
    case mbStacked:
      return CalcPosOfMandatoryValue(PointOrigin(index, false));
    case mbStacked100: {
      const double total = StackTotal(index);
      // No total: the foot of the 0..100 scale, not a pixel off the chart.
      if (total == 0) return CalcPosOfMandatoryValue(0);
      return CalcPosOfMandatoryValue(PointOrigin(index, false) * 100.0 / total);
    }
    default:
      return useYOrigin_ ? CalcPosOfMandatoryValue(yOrigin_) : ValueAxisMinPos();
  }
}

int TCustomBarSeries::ValueEndPos(int index) const {
  const double value = MandatoryValueList()->Values()[static_cast<std::size_t>(index)];
  switch (multiBar_) {
    case mbStacked:
      return CalcPosOfMandatoryValue(PointOrigin(index, false) + value);
    case mbStacked100: {
      const double total = StackTotal(index);
      if (total == 0) return CalcPosOfMandatoryValue(0);
      return CalcPosOfMandatoryValue((PointOrigin(index, false) + value) * 100.0 / total);
    }
    default:
      return CalcPosOfMandatoryValue(value);
  }
}

int TCustomBarSeries::CategoryPos(int index) const {
  int64_t p;
  if (multiBar_ == mbSideAll) {
    p = int64_t{CategoryPosValue(double(index) + previousPoints_)} - barSize_ / 2;
  } else {
    p = CategoryPosValue(NotMandatoryValueList()->Values()[static_cast<std::size_t>(index)]);
    if (multiBar_ == mbNone)
      p -= barSize_ / 2;
    else
      p += base::Round((barOrder_ - numBars_ * 0.5 - 1.0) * barSize_);
  }
  if (offsetPercent_ != 0) p += base::Round(offsetPercent_ * double(barSize_) * 0.01);
  return base::SaturateToInt(p);
}

double TCustomBarSeries::MaxBarValue(double baseMaximum) const {
  if (multiBar_ == mbStacked100) return 100;
  double result = baseMaximum;
  if (multiBar_ == mbStacked) {
    const std::span<const double> values = MandatoryValueList()->Values();
    for (int i = 0; i < PointCount(); ++i)
      result = std::max(result, PointOrigin(i, false) + values[static_cast<std::size_t>(i)]);
  }
  return useYOrigin_ ? std::max(result, yOrigin_) : result;
}

double TCustomBarSeries::MinBarValue(double baseMinimum) const {
  if (multiBar_ == mbStacked100) return 0;
  double result = baseMinimum;
  if (multiBar_ == mbStacked) {
    const std::span<const double> values = MandatoryValueList()->Values();
    for (int i = 0; i < PointCount(); ++i)
      result = std::min(result, PointOrigin(i, false) + values[static_cast<std::size_t>(i)]);
  }
  return useYOrigin_ ? std::min(result, yOrigin_) : result;
}

double TCustomBarSeries::MaxCategory(double baseMaximum) const {
  return multiBar_ == mbSideAll ? double(PointCount()) + previousPoints_ - 1 : baseMaximum;
}

double TCustomBarSeries::MinCategory(double baseMinimum) const {
  // Side-all bars stand at 0, 1, 2 ... whatever their own X.
  return multiBar_ == mbSideAll ? 0 : baseMinimum;
}

// --- depth slots and order ----------------------------------------------------------------------

const TCustomBarSeries* TCustomBarSeries::FirstOfClass() const {
  const SeriesDrawingChart* chart = Drawing();
  if (!chart) return nullptr;
  for (const TChartSeries* s : chart->SeriesList())
    if (s->Active() && SameBars(*s)) return static_cast<const TCustomBarSeries*>(s);
  return nullptr;
}

void TCustomBarSeries::CalcZOrder() {
  SeriesDrawingChart* chart = Drawing();
  const TCustomBarSeries* first = FirstOfClass();
  if (multiBar_ == mbNone || ZOrder() != -1 || !chart || !chart->View3D() || !first ||
      first == this) {
    TChartSeries::CalcZOrder();
    return;
  }
  // The base hands out the slot after the chart's highest: stepping back
  // to just before the first bar series' slot makes it hand out that one.
  const int highest = chart->MaxZOrder();
  chart->SetMaxZOrder(first->DepthSlot() - 1);
  TChartSeries::CalcZOrder();
  chart->SetMaxZOrder(std::max(highest, first->DepthSlot()));
}

bool TCustomBarSeries::MoreSameZOrder() const {
  return multiBar_ != mbSideAll && TChartSeries::MoreSameZOrder();
}

bool TCustomBarSeries::DrawSeriesForward(int valueIndex) const {
  const TChartAxis* axis = ValueAxis();
  const bool inverted = axis && axis->Inverted();
  switch (multiBar_) {
    case mbStacked: {
      const bool inside = valueIndex >= 0 && valueIndex < PointCount();
      const double value =
          inside ? MandatoryValueList()->Values()[static_cast<std::size_t>(valueIndex)] : yOrigin_;
      return (value >= yOrigin_) != inverted;
    }
    case mbStacked100:
      return !inverted;
    default:
      return true;
  }
}

// --- gallery
// ----------------------------------------------------------------------------------------

void TCustomBarSeries::CreateSubGallery(const std::function<void(const QString&)>& add) const {
  TChartSeries::CreateSubGallery(add);
  std::vector<ChartMsg> names = {ChartMsg::StyleColors, ChartMsg::StylePyramid,
                                 ChartMsg::StyleEllipse, ChartMsg::StyleInvPyramid};
  if (AllowStackStyles())
    names.insert(names.end(), {ChartMsg::GalleryStack, ChartMsg::StyleStack100});
  names.insert(names.end(), {ChartMsg::StyleSides, ChartMsg::StyleSideAll});
  for (ChartMsg m : names) add(ChartText(m));
}

void TCustomBarSeries::SetSubGallery(int index) {
  const int style = !AllowStackStyles() && index >= 5 ? index + 2 : index;
  switch (style) {
    case 1:
      SetColorEachPoint(true);
      break;
    case 2:
      SetBarStyle(bsPyramid);
      break;
    case 3:
      SetBarStyle(bsEllipse);
      break;
    case 4:
      SetBarStyle(bsInvPyramid);
      break;
    case 5:
      SetMultiBar(mbStacked);
      break;
    case 6:
      SetMultiBar(mbStacked100);
      break;
    case 7:
      SetMultiBar(mbSide);
      break;
    case 8:
      SetMultiBar(mbSideAll);
      break;
    default:
      return;
  }
  if (style >= 5) AddGalleryPartner(index);
}

void TCustomBarSeries::AddGalleryPartner(int index) {
  auto* panel = dynamic_cast<TCustomAxisPanel*>(ParentChart());
  if (!panel || panel->SeriesCount() != 1 || panel->GetSeries(0) != this) return;
  FillSampleValues(2);
  auto* partner =
      qobject_cast<TCustomBarSeries*>(CreateSeriesOfClass(parent(), panel, *metaObject()));
  if (!partner) return;
  partner->SetTitle(QString());
  partner->FillSampleValues(2);
  partner->Marks()->SetVisible(false);
  partner->SetBarWidthPercent(barWidthPercent_);
  Marks()->SetVisible(false);
  partner->SetSubGallery(index);
}

void TCustomBarSeries::PrepareForGallery(bool enabled) {
  TChartSeries::PrepareForGallery(enabled);
  SetBarWidthPercent(85);
  SetMultiBar(mbNone);
}

int TCustomBarSeries::NumSampleValues() const {
  if (const SeriesDrawingChart* chart = Drawing()) {
    for (const TChartSeries* s : chart->SeriesList())
      if (s != this && qobject_cast<const TCustomBarSeries*>(s) && s->PointCount() > 0)
        return s->PointCount();
  }
  return 6;
}
