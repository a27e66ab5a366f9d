#include "chart/model/TChartAxis.h"

#include "base/DateTime.h"
#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"
#include "base/FormatSettings.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/AxisSteps.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
constexpr double kSmallestStep = 1e-12;
}  // namespace

TChartAxis::TChartAxis(TAxisChart* chart, bool horizontal, bool otherSide, QObject* parent)
    : TPlotPersistent([this] { AxisChanged(); }, parent),
      chart_(chart),
      axis_(new TChartAxisPen([this] { Changed(); }, this)),
      grid_(new TDottedGrayPen([this] { Changed(); }, this)),
      minorGrid_(new TChartHiddenPen([this] { Changed(); }, this)),
      ticks_(new TDarkGrayPen([this] { Changed(); }, this)),
      ticksInner_(new TDarkGrayPen([this] { Changed(); }, this)),
      minorTicks_(new TDarkGrayPen([this] { Changed(); }, this)),
      labelsFont_(new TPlotFont([this] { Changed(); }, this)),
      axisValuesFormat_(ChartText(ChartMsg::ValuesFormat)),
      title_(new TChartAxisTitle(
          nullptr, [this] { Changed(); }, this)),
      horizontal_(horizontal),
      otherSide_(otherSide) {}

TChartAxis::~TChartAxis() = default;

void TChartAxis::AxisChanged() const {
  if (TAxisChart* c = Chart()) c->Invalidate();
}

void TChartAxis::AssignPen(TChartPen* target, TChartPen* value) {
  if (value && value != target) target->Assign(*value);
}

void TChartAxis::SetLabelsFont(TPlotFont* value) {
  if (value && value != labelsFont_) labelsFont_->Assign(*value);
}

void TChartAxis::SetTitle(TChartAxisTitle* value) {
  if (value && value != title_) title_->Assign(*value);
}

namespace {
bool Reading(const TAxisChart* chart) {
  return chart && chart->ReadingStoredState();
}
}  // namespace

// The automatic flags follow each other; one change is one notice.
void TChartAxis::SetAutomatic(bool value) {
  const bool reading = Reading(Chart());
  if (automatic_ == value &&
      (reading || (automaticMaximum_ == value && automaticMinimum_ == value)))
    return;
  automatic_ = value;
  if (!reading) automaticMaximum_ = automaticMinimum_ = value;
  Changed();
}

void TChartAxis::SetAutomaticMaximum(bool value) {
  if (automaticMaximum_ == value) return;
  automaticMaximum_ = value;
  if (!value)
    automatic_ = false;
  else if (automaticMinimum_)
    automatic_ = true;
  Changed();
}

void TChartAxis::SetAutomaticMinimum(bool value) {
  if (automaticMinimum_ == value) return;
  automaticMinimum_ = value;
  if (!value)
    automatic_ = false;
  else if (automaticMaximum_)
    automatic_ = true;
  Changed();
}

void TChartAxis::SetMaximum(double value) {
  if (!Reading(Chart()) && value < minimum_) throw AxisException(ChartText(ChartMsg::AxisMaximum));
  Store(maximum_, value);
}

void TChartAxis::SetMinimum(double value) {
  if (!Reading(Chart()) && value > maximum_) throw AxisException(ChartText(ChartMsg::AxisMinimum));
  Store(minimum_, value);
}

void TChartAxis::SetIncrement(double value) {
  // A non-finite step would never advance a label.
  if (!(value >= 0) || !std::isfinite(value))
    throw AxisException(ChartText(ChartMsg::AxisIncrement));
  // The step must convert to a date-time text, as the labels will.
  if (IsDateTime() && !base::IsValidDateTime(value))
    throw base::EConvertError(QStringLiteral("Invalid argument to date encode"));
  Store(increment_, value);
}

void TChartAxis::SetLogarithmic(bool value) {
  if (value == logarithmic_) return;
  if (value) {
    if (IsDateTime()) throw AxisException(ChartText(ChartMsg::DateTimeLogarithmic));
    const bool old = logarithmic_;
    logarithmic_ = true;
    RecalcMinMax();
    if (minimum_ < 0 || maximum_ < 0) {
      logarithmic_ = old;
      RecalcMinMax();
      throw AxisException(ChartText(ChartMsg::LogarithmicNegative));
    }
    logarithmic_ = old;
  }
  Store(logarithmic_, value);
}

void TChartAxis::SetLogarithmicBase(int value) {
  if (value < 2) throw AxisException(ChartText(ChartMsg::LogarithmicBase));
  Store(logarithmicBase_, value);
}

void TChartAxis::SetLabelsSeparation(int value) {
  if (value < 0) throw AxisException(ChartText(ChartMsg::LabelsSeparation));
  Store(labelsSeparation_, value);
}

void TChartAxis::Assign(const TChartAxis& source) {
  if (&source == this) return;
  automatic_ = source.automatic_;
  automaticMaximum_ = source.automaticMaximum_;
  automaticMinimum_ = source.automaticMinimum_;
  maximum_ = source.maximum_;
  minimum_ = source.minimum_;
  increment_ = source.increment_;
  logarithmic_ = source.logarithmic_;
  logarithmicBase_ = source.logarithmicBase_;
  axis_->Assign(*source.axis_);
  grid_->Assign(*source.grid_);
  gridCentered_ = source.gridCentered_;
  minorGrid_->Assign(*source.minorGrid_);
  ticks_->Assign(*source.ticks_);
  ticksInner_->Assign(*source.ticksInner_);
  minorTicks_->Assign(*source.minorTicks_);
  tickLength_ = source.tickLength_;
  tickInnerLength_ = source.tickInnerLength_;
  minorTickLength_ = source.minorTickLength_;
  minorTickCount_ = source.minorTickCount_;
  tickOnLabelsOnly_ = source.tickOnLabelsOnly_;
  labels_ = source.labels_;
  labelsFont_->Assign(*source.labelsFont_);
  labelsAngle_ = source.labelsAngle_;
  labelsAlign_ = source.labelsAlign_;
  labelStyle_ = source.labelStyle_;
  labelsOnAxis_ = source.labelsOnAxis_;
  labelsSeparation_ = source.labelsSeparation_;
  labelsSize_ = source.labelsSize_;
  labelsExponent_ = source.labelsExponent_;
  labelsMultiLine_ = source.labelsMultiLine_;
  axisValuesFormat_ = source.axisValuesFormat_;
  dateTimeFormat_ = source.dateTimeFormat_;
  exactDateTime_ = source.exactDateTime_;
  roundFirstLabel_ = source.roundFirstLabel_;
  title_->Assign(*source.title_);
  titleSize_ = source.titleSize_;
  inverted_ = source.inverted_;
  horizontal_ = source.horizontal_;
  otherSide_ = source.otherSide_;
  visible_ = source.visible_;
  startPosition_ = source.startPosition_;
  endPosition_ = source.endPosition_;
  positionPercent_ = source.positionPercent_;
  IsDepthAxis = source.IsDepthAxis;
  Changed();
}

AxisSide TChartAxis::Side() const {
  if (IsDepthAxis) return AxisSide::Depth;
  if (horizontal_) return otherSide_ ? AxisSide::Top : AxisSide::Bottom;
  return otherSide_ ? AxisSide::Right : AxisSide::Left;
}

// --- scaling ---------------------------------------------------------------

void TChartAxis::CalcScales() {
  CurRange = CurMaximum - CurMinimum;
  RangeIsZero = CurRange == 0;
  const bool endsFinite =
      std::isfinite(CurMinimum) && std::isfinite(CurMaximum) && std::isfinite(CurRange);
  PixelsPerUnit = (RangeIsZero || !endsFinite) ? 0 : AxisSize / CurRange;
  // A range of a few denormals (0..5e-324) has no finite scale either.
  rangeFinite_ = endsFinite && std::isfinite(PixelsPerUnit);
  if (!rangeFinite_) PixelsPerUnit = 0;

  logFinite_ = true;
  LogMaximum = CurMaximum > 0 ? std::log(CurMaximum) : 0;
  if (CurMaximum <= 0 || !rangeFinite_) {
    LogMinimum = CurMinimum > 0 ? std::log(CurMinimum) : 0;
    LogRange = 0;
  } else {
    double m = CurMinimum;
    if (m <= 0) {
      // The value the scale starts at in place of an end no logarithm has,
      // the same one the labels start at.
      m = m == 0 ? 0.1 : 1e-10;
      m = std::min(m, CurMaximum / logarithmicBase_);
      logStart_ = m;
      // Below a tiny maximum the substitute underflows: no scale to start.
      logFinite_ = std::isnormal(m) && m > 0;
    }
    LogMinimum = std::log(m);
    LogRange = LogMaximum - LogMinimum;
    logFinite_ = logFinite_ && std::isfinite(LogMinimum) && std::isfinite(LogRange);
  }
  PixelsPerLogUnit = (LogRange == 0 || !logFinite_) ? 0 : AxisSize / LogRange;
  if (!std::isfinite(PixelsPerLogUnit)) {
    PixelsPerLogUnit = 0;
    logFinite_ = false;
  }
}

void TChartAxis::RecalcMinMax() {
  if (TAxisChart* c = Chart()) {
    if (automatic_ || automaticMaximum_) maximum_ = c->MaxAxisValue(*this);
    if (automatic_ || automaticMinimum_) minimum_ = c->MinAxisValue(*this);
  }
  CurMaximum = maximum_;
  CurMinimum = minimum_;
  CalcScales();
}

void TChartAxis::InternalCalcPositions() {
  TAxisChart* c = Chart();
  int span = 0;
  int offset = 0;
  if (c) {
    const TRect r = c->ChartRect();
    if (IsDepthAxis) {
      span = c->Width3D();
    } else if (horizontal_) {
      span = r.Width();
      offset = r.Left;
    } else {
      span = r.Height();
      offset = r.Top;
    }
  }
  // Rounded first, as a percentage of the span, then kept in the pixel range.
  auto at = [&](double percent) {
    return ClampPixels(offset +
                       double(base::Round64(std::clamp(span * 0.01 * percent, -4.0 * MaxPixelPos,
                                                       4.0 * MaxPixelPos))));
  };
  StartPos = at(startPosition_);
  EndPos = at(endPosition_);
  AxisSize = EndPos - StartPos;
  CenterPos = (StartPos + EndPos) / 2;
  CalcScales();
}

void TChartAxis::AdjustMaxMinRect(const TRect& r) {
  const int a = horizontal_ ? r.Left : r.Top;
  const int b = horizontal_ ? r.Right : r.Bottom;
  const int oldStart = StartPos;
  const int oldEnd = EndPos;
  const int oldSize = AxisSize;
  if (double(oldEnd) - b - (double(oldStart) + a) < 1) {
    // Margins that leave no axis: nothing to fit the range into.
    return;
  }
  StartPos = ClampPixels(double(oldStart) + a);
  EndPos = ClampPixels(double(oldEnd) - b);
  AxisSize = EndPos - StartPos;
  double tmpMin = CalcPosPoint(oldStart);
  double tmpMax = CalcPosPoint(oldEnd);
  if (!std::isfinite(tmpMin) || !std::isfinite(tmpMax) || !std::isfinite(tmpMax - tmpMin)) {
    // Widened ends past the largest double: keep the range that can be drawn.
    StartPos = oldStart;
    EndPos = oldEnd;
    AxisSize = oldSize;
    return;
  }
  InternalCalcPositions();
  if (tmpMin > tmpMax) std::swap(tmpMin, tmpMax);
  CurMinimum = tmpMin;
  CurMaximum = tmpMax;
  CalcScales();
}

int TChartAxis::SizeTickAxis() const {
  double size = axis_->Visible() ? double(axis_->Width()) + 1 : 0;
  if (ticks_->Visible()) size += tickLength_;
  if (minorTicks_->Visible()) size = std::max(size, double(minorTickLength_));
  return ClampPixels(size);
}

int TChartAxis::FontHeight() const {
  TAxisChart* c = Chart();
  return c ? c->Canvas().TextHeight(QStringLiteral("W")) : 0;
}

int TChartAxis::LabelLines(const QString& text) const {
  if (text.isEmpty()) return 0;
  return text.count(QLatin1Char('\r')) + (text.endsWith(QLatin1Char('\r')) ? 0 : 1);
}

int TChartAxis::LabelWidth(const QString& text) const {
  TAxisChart* c = Chart();
  if (!c) return 0;
  int lines = 0;
  return c->MultiLineTextWidth(text, lines);
}

int TChartAxis::SizeLabels(const TPlotFont& font, int angle, int fixedSize, const QString& text,
                           bool measureLabels) const {
  if (fixedSize != 0) return ClampPixels(fixedSize);
  TAxisChart* c = Chart();
  if (!c) return 0;
  c->Canvas().AssignFont(font);
  const bool across = horizontal_ ? (angle != 0 && angle != 180) : (angle != 90 && angle != 270);
  if (across) return measureLabels ? MaxLabelsWidth() : LabelWidth(text);
  return FontHeight();
}

int TChartAxis::ApplyPositionPercent(int pos) const {
  if (positionPercent_ == 0) return pos;
  TAxisChart* c = Chart();
  if (!c) return pos;
  const TRect r = c->ChartRect();
  int d = ClampPixels(0.01 * positionPercent_ * (horizontal_ ? r.Height() : r.Width()));
  if (otherSide_) d = -d;
  if (horizontal_) d = -d;
  return ClampPixels(double(pos) + d);
}

void TChartAxis::CalcRect(TRect& r, bool inflate) {
  TAxisChart* c = Chart();
  if (!c) return;
  const AxisSide side = Side();
  // Takes a band off r's side of the axis and answers the new edge.
  auto shrink = [&](int size) {
    switch (side) {
      case AxisSide::Left:
        r.Left = base::SaturateToInt(int64_t(r.Left) + size);
        return r.Left;
      case AxisSide::Top:
        r.Top = base::SaturateToInt(int64_t(r.Top) + size);
        return r.Top;
      case AxisSide::Bottom:
        r.Bottom = base::SaturateToInt(int64_t(r.Bottom) - size);
        return r.Bottom;
      default:
        r.Right = base::SaturateToInt(int64_t(r.Right) - size);
        return r.Right;
    }
  };
  auto edge = [&] {
    switch (side) {
      case AxisSide::Left:
        return r.Left;
      case AxisSide::Top:
        return r.Top;
      case AxisSide::Bottom:
        return r.Bottom;
      default:
        return r.Right;
    }
  };
  const int outward = (side == AxisSide::Left || side == AxisSide::Top) ? -1 : 1;
  IsDateTimeCache = IsDateTime();
  const int labelsSize =
      labels_ ? SizeLabels(*labelsFont_, labelsAngle_, labelsSize_, {}, true) : 0;
  if (inflate) {
    if (IsDepthAxis) {
      TitlePosition = r.Right;
    } else if (title_->Visible() && !title_->Caption().isEmpty()) {
      TitlePosition = shrink(
          SizeLabels(*title_->Font(), title_->Angle(), titleSize_, title_->Caption(), false));
    }
    if (labels_) LabelsPosition = shrink(labelsSize);
    const int tick = ClampPixels(double(SizeTickAxis()) + c->WallSize(side));
    if (tick > 0) shrink(tick);
    TitlePosition = ApplyPositionPercent(TitlePosition);
    LabelsPosition = ApplyPositionPercent(LabelsPosition);
  } else {
    AxisPosition = ApplyPositionPercent(edge());
    LabelsPosition = ClampPixels(AxisPosition + double(outward) * SizeTickAxis());
    TitlePosition = ClampPixels(LabelsPosition + double(outward) * labelsSize);
  }
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  if (maximum - minimum < 1e-10) maximum = minimum + 1e-10;
  automatic_ = automaticMaximum_ = automaticMinimum_ = false;
  minimum_ = minimum;
  maximum_ = maximum;
  Changed();
}

void TChartAxis::Scroll(double offset, bool checkLimits) {
  TAxisChart* c = Chart();
  if (checkLimits) {
    if (!c) return;
    const bool act = (offset > 0 && c->MaxAxisValue(*this) > maximum_) ||
                     (offset < 0 && c->MinAxisValue(*this) < minimum_);
    if (!act) return;
  }
  automatic_ = automaticMaximum_ = automaticMinimum_ = false;
  maximum_ += offset;
  minimum_ += offset;
  Changed();
}

// --- conversion ------------------------------------------------------------

int TChartAxis::CalcPosValueSlow(double value, bool horizontal) const {
  const double limit = MaxPixelPos;
  if (!RangeIsFinite()) return CenterPos;
  if (IsDepthAxis) {
    if (RangeIsZero) return CenterPos;
    if (std::isnan(value)) value = CurMinimum;
    const double d = (inverted_ ? CurMaximum - value : value - CurMinimum) * PixelsPerUnit;
    return base::Round(std::clamp(d, -limit, limit));
  }
  if (logarithmic_) {
    if (LogRange == 0 || PixelsPerLogUnit == 0) return CenterPos;
    if (!(value > 0)) {  // NaN too
      return (horizontal != inverted_) ? StartPos : EndPos;
    }
    const double l = std::log(value);
    const double t = (inverted_ ? LogMaximum - l : l - LogMinimum) * PixelsPerLogUnit;
    const double p = horizontal ? StartPos + t : EndPos - t;
    return base::Round(std::clamp(p, -limit, limit));
  }
  if (RangeIsZero) return CenterPos;
  return LinearPos(value, horizontal);
}

double TChartAxis::CalcPosPoint(int p) const {
  if (!RangeIsFinite()) return CurMinimum;
  if (logarithmic_) {
    const bool maxAtStart = horizontal_ == inverted_;
    if (p == StartPos) return maxAtStart ? CurMaximum : CurMinimum;
    if (p == EndPos) return maxAtStart ? CurMinimum : CurMaximum;
    if (LogRange == 0 || AxisSize < 1) return CurMinimum;
    const double t = double(inverted_ ? EndPos - p : p - StartPos) / AxisSize * LogRange;
    return horizontal_ ? std::exp(LogMinimum + t) : std::exp(LogMaximum - t);
  }
  if (AxisSize < 1) return 0;
  // The fraction of the axis first: pixels times a range near the largest
  // double would overflow.
  const double t = double(inverted_ ? EndPos - p : p - StartPos) / AxisSize * CurRange;
  return horizontal_ ? CurMinimum + t : CurMaximum - t;
}

int TChartAxis::CalcSizeValue(double value) const {
  if (!(value > 0) || !RangeIsFinite()) return 0;
  if (logarithmic_) return LogRange == 0 ? 0 : base::Round(std::log(value) * PixelsPerLogUnit);
  return CurRange == 0 ? 0 : base::Round(value * PixelsPerUnit);
}

// --- labels ----------------------------------------------------------------

bool TChartAxis::IsDateTime() const {
  TAxisChart* c = Chart();
  if (!c || IsDepthAxis) return false;
  const auto series = c->AxisSeries(*this);
  if (series.empty()) return false;
  return horizontal_ ? series.front()->XDateTime() : series.front()->YDateTime();
}

QString TChartAxis::LabelValue(double value) const {
  QString text;
  if (IsDateTimeCache) {
    if (value >= 0) {
      QString format = dateTimeFormat_;
      if (format.isEmpty()) {
        const auto fs = base::FormatSettings::Current();
        format = CurRange < 1 ? fs->ShortTimeFormat : fs->ShortDateFormat;
      }
      text = base::FormatDateTime(format, value);
    }
  } else {
    text = base::FormatFloat(axisValuesFormat_, value);
  }
  if (!suspendLabelHook_)
    if (TAxisChart* c = Chart()) c->GetAxisLabel(*this, nullptr, -1, text);
  if (labelsMultiLine_) text.replace(QLatin1Char(' '), QLatin1Char('\r'));
  return text;
}

TChartAxis::TAxisLabelStyle TChartAxis::CalcLabelStyle() const {
  return labelStyle_ == talAuto ? InternalCalcLabelStyle() : labelStyle_;
}

TChartAxis::TAxisLabelStyle TChartAxis::InternalCalcLabelStyle() const {
  TAxisChart* c = Chart();
  if (!c) return talNone;
  const auto series = c->AxisSeries(*this);
  if (series.empty()) return talNone;
  for (const AxisLabelSource* s : series) {
    // The axis that is not the series' mandatory one shows its point texts.
    const bool notMandatory = horizontal_ == s->YMandatory();
    if (notMandatory && s->HasPointTexts()) return talText;
  }
  return talValue;
}

int TChartAxis::MaxLabelsWidthUncached() const {
  TAxisChart* c = Chart();
  if (!c) return 0;
  switch (CalcLabelStyle()) {
    case talValue: {
      double a = CurMinimum;
      double b = CurMaximum;
      if (roundFirstLabel_ || (IsDateTimeCache && exactDateTime_)) {
        const double inc = CalcIncrementFromLabels();
        if (inc > 0) {
          a = std::trunc(CurMinimum / inc) * inc;
          b = std::trunc(CurMaximum / inc) * inc;
        }
      }
      suspendLabelHook_ = true;
      const int w = std::max(LabelWidth(LabelValue(a)), LabelWidth(LabelValue(b)));
      suspendLabelHook_ = false;
      return w + c->Canvas().TextWidth(QStringLiteral(" "));
    }
    case talMark:
      return c->MaxMarkWidth(*this);
    case talText:
      return c->MaxTextWidth(*this);
    default:
      return 0;
  }
}

int TChartAxis::MaxLabelsWidth() const {
  return drawing_ ? cachedMaxLabelsWidth_ : MaxLabelsWidthUncached();
}

double TChartAxis::CalcIncrement(int maxLabels) const {
  if (!RangeIsFinite()) return 0;
  const bool dateTime = IsDateTimeCache;
  if (maxLabels < 1) return dateTime ? AxisSteps::DateTimeStep(0) : kSmallestStep;
  if (!dateTime) {
    double step = increment_ != 0 ? increment_ : (std::abs(CurRange) >= 1 ? 1 : kSmallestStep);
    // Each pass at least doubles the step, so about 2100 passes take any
    // positive step past any finite range.
    for (int pass = 0; pass < MaxIncrementPasses; ++pass) {
      const double q = CurRange / step;
      if (std::abs(q) <= 2147483647.0 && base::Round(q) <= maxLabels) break;
      const double next = AxisSteps::NextStep(step);
      step = next > step ? next : step * 2;
      // Near the top of the double range the next nice step overflows; the
      // largest double still spans any finite range in one label.
      if (!std::isfinite(step)) return std::numeric_limits<double>::max();
    }
    return std::max(step, kSmallestStep);
  }
  const double ms = AxisSteps::DateTimeStep(0);
  double step = std::max(ms, increment_);
  if (step > 0) {
    if (CurRange / step > 1000000) step = CurRange / 1000000;
    for (int pass = 0; pass < MaxIncrementPasses && std::isfinite(step) &&
                       base::Round(CurRange / step) > maxLabels;
         ++pass)
      step = step >= 365 ? step * 2 : AxisSteps::NextDateTimeStep(step);
  }
  if (!std::isfinite(step)) return std::numeric_limits<double>::max();
  return std::max(ms, step);
}

double TChartAxis::CalcIncrementFromLabels() const {
  TAxisChart* c = Chart();
  if (!c) return CalcIncrement(1);
  auto measure = [&](const QString& text) {
    const bool along = horizontal_ ? (labelsAngle_ != 90 && labelsAngle_ != 270)
                                   : (labelsAngle_ != 0 && labelsAngle_ != 180);
    return along ? LabelWidth(text) : FontHeight() * std::max(1, LabelLines(text));
  };
  int s = std::max(measure(LabelValue(CurMinimum)), measure(LabelValue(CurMaximum)));
  int n = 1;
  if (s >= 1) {
    if (labelsSeparation_ > 0)
      s = ClampPixels(double(s) + base::Round(labelsSeparation_ * 0.01 * s));
    n = base::Round(double(AxisSize) / s);
  }
  return CalcIncrement(n);
}

bool TChartAxis::Clicked(int x, int y) const {
  TAxisChart* c = Chart();
  if (!c || !c->AxisDrawn(*this)) return false;
  int64_t a0 = AxisPosition - 3;
  int64_t a1 = LabelsPosition;
  if (!labels_) {
    // Without labels nothing of the axis lies beyond its ticks, and the
    // labels' position is not kept up to date.
    const int64_t reach = std::max({3, tickLength_, tickInnerLength_, minorTickLength_});
    a0 = AxisPosition - reach;
    a1 = AxisPosition + reach + 1;
  } else if (LabelsPosition < AxisPosition) {
    a0 = LabelsPosition;
    a1 = AxisPosition + 3;
  }
  const int along = horizontal_ ? x : y;
  const int across = horizontal_ ? y : x;
  return along >= StartPos && along < EndPos && across >= a0 && across < a1;
}

// --- depth axis ------------------------------------------------------------

TChartDepthAxis::TChartDepthAxis(TAxisChart* chart, QObject* parent)
    : TChartAxis(chart, false, true, parent) {
  IsDepthAxis = true;
  SetVisible(false);
}

TChartAxis::TAxisLabelStyle TChartDepthAxis::InternalCalcLabelStyle() const {
  TAxisChart* c = Chart();
  if (!c) return talText;
  for (const AxisLabelSource* s : c->ActiveSeries())
    if (s->HasDepthValues()) return talValue;
  return talText;
}
