// Drawing of an axis: title, labels, line, ticks, grids and minor marks.
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
void SolidBrush(TCanvas3D& canvas) {
  BackendBrush brush = canvas.ReferenceCanvas().brush();
  brush.style = Graphics::bsSolid;
  canvas.ReferenceCanvas().setBrush(brush);
}
}  // namespace

void TChartAxis::AddTick(int pos) {
  if (ticks_list_.size() < size_t(MaxTicks)) ticks_list_.push_back(pos);
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
  if (rangeFinite_ && (s.inc > 0 || (s.step > 18 && s.step < AxisSteps::NoDateTimeStep)) &&
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
  if (!tickOnLabelsOnly_) AddTick(p);
  if (logarithmic_) tickValues_.push_back(value);
  if (labels_) DrawThisLabel(s, p, LabelValue(value));
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
  const int calendarStep = exact ? s.step : AxisSteps::NoDateTimeStep;
  double v = CurMaximum / inc;
  if (exact && s.step >= AxisSteps::dtOneDay && s.step <= AxisSteps::dtOneYear) {
    v = AxisSteps::TruncDateTimeToStep(CurMaximum, s.step);
  } else if (roundFirstLabel_ && base::FloatToStr(CurMinimum) != base::FloatToStr(CurMaximum)) {
    // In double: an integer truncation overflows past 2^63.
    v = std::trunc(v) * inc;
  } else {
    v = CurMaximum;
  }
  // Every loop here ends when a step leaves the value where it was (far
  // beyond 2^53 subtracting inc changes nothing) or after as many steps as
  // the range holds.
  const int bound = std::min(int(std::ceil(steps)) + 2, int(MaxLinearLabels));
  auto stepDown = [&](double& value) {
    double next = value;
    if (!AxisSteps::IncDecDateTime(false, next, inc, calendarStep, exact)) return false;
    if (!(next < value)) return false;
    value = next;
    return true;
  };
  for (int n = 0; v > CurMaximum && n < bound; ++n)
    if (!stepDown(v)) return;
  double below = v;
  const bool moved = stepDown(below);
  if (!RangeIsZero && std::abs(CurMaximum - CurMinimum) >= 1e-10 && moved &&
      LabelValue(v) != LabelValue(below)) {
    const double limit = CurMinimum - 1e-12 * (1 + std::abs(CurMinimum));
    for (int n = 0; v >= limit && n < bound; ++n) {
      DrawValueLabel(s, v);
      if (!stepDown(v)) break;
    }
  } else {
    DrawValueLabel(s, v);
  }
}

void TChartAxis::DrawLogLabels(DrawState& s) {
  if (CurMinimum == CurMaximum || !(CurMaximum > 0)) return;
  const double base = logarithmicBase_;
  const double logBase = std::log(base);
  // Whole powers of the base, each computed on its own so that no error
  // builds up. Without a positive minimum the labels start at the value the
  // scale starts at and go up by powers from there.
  const bool fromStart = CurMinimum <= 0;
  const double first = fromStart ? 0 : std::floor(std::log(CurMinimum) / logBase);
  const double last = std::ceil(std::log(CurMaximum) / logBase) -
                      (fromStart ? std::floor(std::log(logStart_) / logBase) : 0);
  auto valueAt = [&](double e) {
    return fromStart ? logStart_ * std::pow(base, e) : std::pow(base, e);
  };
  const double lowest = fromStart ? logStart_ : CurMinimum;
  if (minorGrid_->Visible() && valueAt(first - 1) < lowest)
    AddTick(CalcPosValue(valueAt(first - 1)));
  double e = first;
  double v = valueAt(e);
  for (; e <= last + 1; e += 1) {
    v = valueAt(e);
    if (v > CurMaximum) break;
    if (v >= lowest) DrawValueLabel(s, v);
  }
  if (minorGrid_->Visible() && v > CurMaximum) AddTick(CalcPosValue(v));
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
    if (!tickOnLabelsOnly_) AddTick(p);
    if (!labels_ || text.isEmpty()) continue;
    int size = along ? LabelWidth(text) : fontHeight * LabelLines(text);
    size += int(std::trunc(size * 0.02 * labelsSeparation_));
    const int half = size / 2;
    bool draw = !havePrevious || labelsSeparation_ == 0;
    if (!draw) {
      draw = (p > prevPos && p - half >= prevPos + prevHalf) ||
             (p < prevPos && p + half <= prevPos - prevHalf);
    }
    if (draw) {
      DrawThisLabel(s, p, text);
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
    if (!tickOnLabelsOnly_) AddTick(p);
    if (!labels_) continue;
    QString text = series[size_t(i)]->Title();
    s.chart.GetAxisLabel(*this, nullptr, i, text);
    DrawThisLabel(s, p, text);
  }
}

void TChartAxis::DrawThisLabel(DrawState& s, int pos, const QString& text) {
  if (tickOnLabelsOnly_) AddTick(pos);
  s.canvas.AssignFont(*labelsFont_);
  SolidBrush(s.canvas);
  ClearBrush(s.canvas);
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
