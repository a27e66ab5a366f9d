// Drawing of an axis: title, labels, line, ticks, grids and minor marks.
#include "base/DateTime.h"
#include "base/FormatFloat.h"
#include "chart/canvas/TCanvas3D.h"
#include "chart/model/AxisSteps.h"
#include "chart/model/TChartAxis.h"

#include <QStringList>

#include <cmath>

struct TChartAxis::DrawState {
  TAxisChart& chart;
  TCanvas3D& canvas;
  double inc = 0;
  int step = AxisSteps::NoDateTimeStep;
};

namespace {
void ClearBrush(TCanvas3D& canvas) {
  BackendBrush brush = canvas.ReferenceCanvas().brush();
  brush.style = Graphics::bsClear;
  canvas.ReferenceCanvas().setBrush(brush);
}
}  // namespace

void TChartAxis::AddTick(int pos, double value) {
  if (ticks_list_.size() >= size_t(MaxTicks)) return;
  ticks_list_.push_back(pos);
  tickValues_.push_back(value);
}

void TChartAxis::Draw(bool calcPosAxis) {
  TAxisChart* c = Chart();
  if (!c) return;
  DrawState s{*c, c->Canvas()};
  ticks_list_.clear();
  ticks_list_.reserve(64);
  tickValues_.clear();
  IsDateTimeCache = IsDateTime();
  s.canvas.AssignFont(*labelsFont_);
  s.inc = CalcIncrementFromLabels();
  // Measured once: an opposite-aligned label asks for it per label.
  cachedMaxLabelsWidth_ = MaxLabelsWidthUncached();
  drawing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{drawing_};

  if (calcPosAxis) {
    const TRect r = c->ChartRect();
    int e = 0;
    switch (Side()) {
      case AxisSide::Left:
        e = r.Left;
        break;
      case AxisSide::Top:
        e = r.Top;
        break;
      case AxisSide::Bottom:
        e = r.Bottom;
        break;
      default:
        e = r.Right;
        break;
    }
    AxisPosition = ApplyPositionPercent(e);
  }

  if (title_->Visible() && !title_->Caption().isEmpty()) {
    if (IsDepthAxis) {
      s.canvas.AssignFont(*title_->Font());
      s.canvas.SetTextAlign(TextAlign::Left);
      s.canvas.TextOut3D(TitlePosition, c->ChartRect().Bottom, c->Width3D() / 2, title_->Caption());
    } else if (horizontal_) {
      DrawTitle(CenterPos, TitlePosition);
    } else {
      DrawTitle(TitlePosition, CenterPos);
    }
  }

  if (IsDateTimeCache && exactDateTime_ && increment_ != 0) {
    s.step = AxisSteps::FindDateTimeStep(increment_);
    if (s.step != AxisSteps::NoDateTimeStep)
      while (AxisSteps::DateTimeStep(s.step) < s.inc && s.step < AxisSteps::dtOneYear) ++s.step;
  }
  if (RangeIsFinite() && (s.inc > 0 || (s.step > 18 && s.step < AxisSteps::NoDateTimeStep)) &&
      CurMinimum <= CurMaximum) {
    s.canvas.AssignFont(*labelsFont_);
    DrawLabels(s);
  }
  DrawTicksAndGrids();
}

void TChartAxis::DrawTitle(int x, int y) {
  TAxisChart* c = Chart();
  if (!c) return;
  c->Canvas().AssignFont(*title_->Font());
  const bool exponent = labelsExponent_;
  labelsExponent_ = false;
  DrawAxisLabel(x, y, title_->Angle(), title_->Caption());
  labelsExponent_ = exponent;
}

void TChartAxis::DrawLabels(DrawState& s) {
  const TAxisLabelStyle style = CalcLabelStyle();
  switch (style) {
    case talValue:
      if (!(s.chart.HasNextAxisLabel() && DrawCustomLabels(s))) DrawValueLabels(s);
      break;
    case talMark:
      DrawSeriesLabels(s, talMark);
      break;
    case talText:
      if (IsDepthAxis)
        DrawDepthTextLabels(s);
      else
        DrawSeriesLabels(s, talText);
      break;
    default:
      break;
  }
}

void TChartAxis::DrawValueLabel(DrawState& s, double value) {
  const int p = CalcPosValue(value);
  if (!labelsOnAxis_ && !(p > StartPos && p < EndPos)) return;
  if (!tickOnLabelsOnly_) AddTick(p, value);
  if (labels_) DrawThisLabel(s, p, LabelValue(value), value);
}

void TChartAxis::DrawValueLabels(DrawState& s) {
  if (logarithmic_ && increment_ == 0)
    DrawLogLabels(s);
  else
    DrawLinearLabels(s);
}

void TChartAxis::DrawLinearLabels(DrawState& s) {
  const double inc = s.inc;
  if (!(inc > 0)) return;
  const double steps = std::abs(CurRange / inc);
  if (!(steps < MaxLinearLabels)) return;
  const bool exact = IsDateTimeCache && exactDateTime_;
  // Months and years have no fixed length: those labels follow the calendar.
  const bool calendar =
      exact && s.step >= AxisSteps::dtHalfMonth && s.step < AxisSteps::NoDateTimeStep;
  double v = CurMaximum / inc;
  if (exact && s.step >= AxisSteps::dtOneDay && s.step <= AxisSteps::dtOneYear) {
    // From the last day of the calendar when the range goes past it.
    v = AxisSteps::TruncDateTimeToStep(std::min(CurMaximum, base::MaxDateTime), s.step);
  } else if (roundFirstLabel_ && base::FloatToStr(CurMinimum) != base::FloatToStr(CurMaximum)) {
    // In double: an integer truncation overflows past 2^63.
    v = std::trunc(v) * inc;
  } else {
    v = CurMaximum;
  }
  // Every other label is the first less a whole number of steps, so that no
  // rounding error builds up over thousands of subtractions. Every loop ends
  // after as many steps as the range holds; a calendar step also ends when
  // it leaves the value where it was or the calendar.
  const double origin = v;
  int k = 0;
  const int bound = std::min(int(std::ceil(steps)) + 2, int(MaxLinearLabels));
  auto stepDown = [&](double& value) {
    if (!calendar) {
      value = origin - ++k * inc;
      return true;
    }
    double next = value;
    if (!AxisSteps::IncDecDateTime(false, next, inc, s.step, true)) return false;
    if (!(next < value)) return false;
    value = next;
    return true;
  };
  // Dates start on the calendar, whose last day may lie inside the range.
  const double top = IsDateTimeCache ? std::min(CurMaximum, base::MaxDateTime) : CurMaximum;
  for (int n = 0; v > top && n < bound; ++n)
    if (!stepDown(v)) return;
  // A label lies on the axis, give or take a millionth of a step (or of the
  // range, when a step given by the user is wider than it).
  // A logarithmic scale whose minimum is not positive starts at its
  // substitute: values below it lie off the axis.
  const double slack = 1e-6 * std::min(inc, std::abs(CurRange));
  const double lowEnd = logarithmic_ && CurMinimum <= 0 ? logStart_ : CurMinimum;
  const double lowest = lowEnd - slack;
  const double highest = CurMaximum + slack;
  bool drawn = false;
  double last = 0;
  auto draw = [&](double value) {
    if (!(value >= lowest && value <= highest)) return;
    if (drawn && value == last) return;  // a step below the value's precision
    DrawValueLabel(s, value);
    drawn = true;
    last = value;
  };
  const double below = v - inc;
  if (!RangeIsZero && std::abs(CurMaximum - CurMinimum) >= 1e-10 && below < v &&
      LabelValue(v) != LabelValue(below)) {
    for (int n = 0; v >= lowest && n < bound; ++n) {
      draw(v);
      if (!stepDown(v)) break;
    }
  } else {
    draw(v);
  }
}

void TChartAxis::DrawLogLabels(DrawState& s) {
  if (CurMinimum == CurMaximum || !(CurMaximum > 0)) return;
  const double base = logarithmicBase_;
  const double logBase = std::log(base);
  // Without a positive minimum the scale starts at its substitute. Labels
  // are the whole powers of the base from there on, each computed on its
  // own so that no error builds up; one a last bit below the start (pow's
  // rounding) still counts as on it.
  const double lowest = CurMinimum <= 0 ? logStart_ : CurMinimum;
  if (!(lowest > 0)) return;
  const double first = std::floor(std::log(lowest) / logBase);
  const double last = std::ceil(std::log(CurMaximum) / logBase);
  if (!std::isfinite(first) || !std::isfinite(last)) return;
  const double from = lowest * (1 - 1e-12);
  // The power below the first label, so that minor marks fill the interval
  // before it; it places minor marks only.
  if (minorGrid_->Visible()) {
    const double below = std::pow(base, base::Round(std::log(lowest) / logBase) - 1.0);
    if (below < lowest) AddTick(CalcPosValue(below), below);
  }
  double v = 0;
  int labels = 0;
  for (double e = first; e <= last + 1 && labels < MaxLogLabels; e += 1) {
    v = std::pow(base, e);
    if (v > CurMaximum) break;
    if (v >= from) {
      DrawValueLabel(s, v);
      ++labels;
    }
  }
  if (minorGrid_->Visible() && v > CurMaximum) AddTick(CalcPosValue(v), v);
}

bool TChartAxis::DrawCustomLabels(DrawState& s) {
  double v = CurMinimum;
  for (int index = 0; index <= 2000; ++index) {
    bool stop = true;
    s.chart.GetNextAxisLabel(*this, index, v, stop);
    if (stop) return index > 0;
    if (!(v >= CurMinimum - 1e-7 && v <= CurMaximum + 1e-7)) return true;
    DrawValueLabel(s, v);
  }
  return true;
}

void TChartAxis::DrawSeriesLabels(DrawState& s, TAxisLabelStyle style) {
  const auto series = s.chart.AxisSeries(*this);
  int first = -1;
  int last = -1;
  for (const AxisLabelSource* src : series) {
    const int f = src->FirstVisibleIndex();
    const int l = src->LastVisibleIndex();
    if (f < 0 || l < f) continue;  // nothing visible: no point -1 to read
    if (first < 0 || f < first) first = f;
    last = std::max(last, l);
  }
  if (first < 0) return;
  const bool along = horizontal_ ? (labelsAngle_ == 0 || labelsAngle_ == 180)
                                 : (labelsAngle_ == 90 || labelsAngle_ == 270);
  const int fontHeight = FontHeight();
  bool havePrevious = false;
  int prevPos = 0;
  int prevHalf = 0;
  for (int index = first; index <= last; ++index) {
    QString text;
    double value = 0;
    bool found = false;
    for (const AxisLabelSource* src : series) {
      const int f = src->FirstVisibleIndex();
      if (f < 0 || index < f || index > src->LastVisibleIndex()) continue;
      QString t = style == talMark ? src->MarkText(index) : src->PointText(index);
      s.chart.GetAxisLabel(*this, src, index, t);
      if (!found) {
        value = horizontal_ ? src->XValue(index) : src->YValue(index);
        found = true;
      }
      if (!t.isEmpty()) {
        text = t;
        value = horizontal_ ? src->XValue(index) : src->YValue(index);
        break;
      }
    }
    if (!found || !(value >= CurMinimum && value <= CurMaximum)) continue;
    const int p = CalcPosValue(value);
    if (!tickOnLabelsOnly_) AddTick(p, value);
    if (!labels_ || text.isEmpty()) continue;
    int size = along ? LabelWidth(text) : fontHeight * LabelLines(text);
    size = ClampPixels(size + std::trunc(size * 0.02 * labelsSeparation_));
    const int half = size / 2;
    bool draw = !havePrevious || labelsSeparation_ == 0;
    if (!draw) {
      draw = (p > prevPos && p - half >= prevPos + prevHalf) ||
             (p < prevPos && p + half <= prevPos - prevHalf);
    }
    if (draw) {
      DrawThisLabel(s, p, text, value);
      havePrevious = true;
      prevPos = p;
      prevHalf = half;
    }
  }
}

void TChartAxis::DrawDepthTextLabels(DrawState& s) {
  const auto series = s.chart.ActiveSeries();
  if (series.empty()) return;
  // Only titles that exist: a far range would otherwise count a billion
  // series past the list.
  const double lo = std::max(0.0, std::trunc(CurMinimum));
  const double hi = std::min(double(series.size() - 1), std::trunc(CurMaximum));
  for (double t = lo; t <= hi; t += 1) {
    const int i = int(t);
    const int p = CalcPosValue(CurMaximum - t - 0.5);
    if (!tickOnLabelsOnly_) AddTick(p, CurMaximum - t - 0.5);
    if (!labels_) continue;
    QString text = series[size_t(i)]->Title();
    s.chart.GetAxisLabel(*this, nullptr, i, text);
    DrawThisLabel(s, p, text, CurMaximum - t - 0.5);
  }
}

void TChartAxis::DrawThisLabel(DrawState& s, int pos, const QString& text, double value) {
  if (tickOnLabelsOnly_) AddTick(pos, value);
  s.canvas.AssignFont(*labelsFont_);
  // Labels never on a box of their own, whatever the legend or a wall left
  // behind in the canvas.
  ClearBrush(s.canvas);
  s.canvas.SetBackMode(BackMode::Transparent);
  if (IsDepthAxis) {
    s.canvas.SetTextAlign(TextAlign::Left);
    if (s.chart.FlatDepthLabels()) pos += FontHeight() / 2;
    s.canvas.TextOut3D(LabelsPosition, s.chart.ChartRect().Bottom, pos, text);
  } else if (horizontal_) {
    DrawAxisLabel(pos, LabelsPosition, labelsAngle_, text);
  } else {
    DrawAxisLabel(LabelsPosition, pos, labelsAngle_, text);
  }
}

void TChartAxis::DrawAxisLabel(int x, int y, int angle, const QString& text) {
  TAxisChart* c = Chart();
  if (!c) return;
  TCanvas3D& canvas = c->Canvas();
  angle = NormalizedAngle(angle);
  const int fh = FontHeight();
  const int h2 = fh / 2;
  // [horizontal][other side]
  static constexpr int kAlign[2][2] = {{TextAlign::Right, TextAlign::Left},
                                       {TextAlign::Center, TextAlign::Center | TextAlign::Bottom}};
  const int h = horizontal_ ? 1 : 0;
  const int os = otherSide_ ? 1 : 0;
  int align = TextAlign::Left;
  switch (angle) {
    case 0:
      if (horizontal_ || labelsAlign_ == alDefault) {
        align = kAlign[h][os];
      } else if (!otherSide_) {
        align = TextAlign::Left;
        x -= MaxLabelsWidth();
      } else {
        align = TextAlign::Right;
        x += MaxLabelsWidth();
      }
      if (!horizontal_) y -= h2;
      break;
    case 90:
      if (horizontal_) {
        align = kAlign[0][os];
        x -= h2;
      } else {
        align = kAlign[1][1 - os];
      }
      break;
    case 180:
      align = kAlign[h][1 - os];
      if (!horizontal_) y += h2;
      break;
    case 270:
      if (horizontal_) {
        align = kAlign[0][1 - os];
        x += h2;
      } else {
        align = kAlign[1][os];
      }
      break;
    default:
      break;
  }
  canvas.SetTextAlign(align);
  const int z = otherSide_ ? c->Width3D() : 0;
  QStringList parts = text.split(QLatin1Char('\r'));
  if (!text.isEmpty() && text.endsWith(QLatin1Char('\r'))) parts.removeLast();
  if (text.isEmpty()) parts.clear();
  const int lines = int(parts.size());
  const int lh = (angle == 180 || angle == 270) ? -fh : fh;
  const bool vertical = angle == 90 || angle == 270;
  if (horizontal_) {
    if (angle == 180)
      y -= otherSide_ ? lh : lines * lh;
    else if (vertical)
      x -= base::Round(lh * 0.5 * (lines + 1));
    else
      y -= otherSide_ ? lines * lh : lh;
  } else {
    if (angle == 90)
      x -= otherSide_ ? lh : lines * lh;
    else if (angle == 270)
      x -= otherSide_ ? lines * lh : lh;
    else
      y -= base::Round(lh * 0.5 * (lines + 1));
  }
  for (const QString& line : parts) {
    if (vertical)
      x += lh;
    else
      y += lh;
    if (angle == 0) {
      if (labelsExponent_)
        DrawExponentText(x, y, z, line);
      else
        canvas.TextOut3D(x, y, z, line);
    } else {
      canvas.RotateLabel3D(x, y, z, line, angle);
    }
  }
  canvas.SetTextAlign(TextAlign::Left);
}

void TChartAxis::DrawExponentText(int x, int y, int z, const QString& text) {
  TCanvas3D& canvas = Chart()->Canvas();
  const int e = text.toUpper().indexOf(QLatin1Char('E'));
  if (e < 0) {
    canvas.TextOut3D(x, y, z, text);
    return;
  }
  const QString mantissa = text.left(e);
  const QString exponent = text.mid(e + 1);
  const int fh = FontHeight();
  const int size = labelsFont_->Size();
  auto smaller = [&] {
    TPlotFont small;
    small.Assign(*labelsFont_);
    small.SetSize(size - size / 4);
    canvas.AssignFont(small);
  };
  const int raisedY = y - (fh - 1) / 2 + 2;
  if ((canvas.GetTextAlign() & TextAlign::HorizontalMask) == TextAlign::Left) {
    canvas.TextOut3D(x, y, z, mantissa);
    const int w = canvas.TextWidth(mantissa);
    smaller();
    canvas.TextOut3D(x + w + 1, raisedY, z, exponent);
  } else {
    smaller();
    canvas.TextOut3D(x, raisedY, z, exponent);
    const int w = canvas.TextWidth(exponent);
    canvas.AssignFont(*labelsFont_);
    canvas.TextOut3D(x - w - 1, y, z, mantissa);
  }
  canvas.AssignFont(*labelsFont_);
}
