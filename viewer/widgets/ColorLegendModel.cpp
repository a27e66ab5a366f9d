#include "viewer/widgets/ColorLegendModel.h"

#include "base/FormatFloat.h"
#include "base/MathUtil.h"

#include <algorithm>
#include <cmath>

namespace {

using TColor = base::TColor;

// Rows that differ by less than this are one bound (data range against the
// shown interval); the looser margin decides whether an end class is open.
constexpr double OpenMargin = 1e-8;
constexpr double NearMargin = 1e-6;

// Channel-wise a + (b - a) * num / den with integer division toward zero, as
// the linear legend colours have always been computed.
TColor LerpTruncated(TColor a, TColor b, int num, int den) {
  const auto channel = [&](int ca, int cb) { return (ca + ((cb - ca) * num) / den) & 0xFF; };
  return base::RGB(channel(base::GetRValue(a), base::GetRValue(b)),
                   channel(base::GetGValue(a), base::GetGValue(b)),
                   channel(base::GetBValue(a), base::GetBValue(b)));
}

}  // namespace

ColorLegendModel::ColorLegendModel()
    : color_(base::clBtnFace),
      customColor_{QStringLiteral("ColorA=788a8f"), QStringLiteral("ColorB=e0e6e6")},
      colors_(1, base::clBlack),
      swatches_(1, DefaultBoxColor),
      rgb_(1, base::clBlack),
      captions_(1),
      anchored_(1, false),
      breakpoints_(2, 0.0) {}

void ColorLegendModel::SetBoxCount(int n) {
  if (n == boxCount_ || n < 1 || n > MaxBoxCount) return;
  const size_t rows = static_cast<size_t>(n) + 1;
  colors_.resize(rows, base::clBlack);
  swatches_.resize(rows, DefaultBoxColor);
  rgb_.resize(rows, base::clBlack);
  captions_.resize(rows);
  anchored_.resize(rows, false);
  breakpoints_.resize(rows + 1, 0.0);
  boxCount_ = n;
  IndexBreakpoints();
  if (activeRow_ > n) activeRow_ = 0;
  UpdateLabels();
}

void ColorLegendModel::SetCaption(const QString& s) {
  caption_ = s;
  NotifyChanged();
}

void ColorLegendModel::SetActiveRow(int i) {
  const int row = (i >= 1 && i <= boxCount_) ? i : 0;
  if (row == activeRow_) return;
  activeRow_ = row;
  NotifyChanged();
}

void ColorLegendModel::SetMinVal(double v) {
  minVal_ = v;
  minValAct_ = v;
  UpdateLabels();
}

void ColorLegendModel::SetMaxVal(double v) {
  maxVal_ = v;
  maxValAct_ = v;
  UpdateLabels();
}

void ColorLegendModel::SetMinValAct(double v) {
  minValAct_ = v;
  UpdateLabels();
}

void ColorLegendModel::SetMaxValAct(double v) {
  maxValAct_ = v;
  UpdateLabels();
}

void ColorLegendModel::SetDigits(int digits) {
  digits_ = std::clamp(digits, 0, 255);
  UpdateLabels();
}

void ColorLegendModel::SetColorsLinear(bool linear) {
  if (linear == colorsLinear_) return;
  colorsLinear_ = linear;
  if (linear) {
    for (int i = 2; i < boxCount_; ++i) anchored_[static_cast<size_t>(i)] = false;
  }
  LinearizeColors();
}

void ColorLegendModel::SetColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  FireColorChanged();
}

TColor ColorLegendModel::GetBoxColor(int i) const {
  if (boxCount_ == 0) return base::clBlack;
  return swatches_[static_cast<size_t>(std::clamp(i, 1, boxCount_))];
}

void ColorLegendModel::SetBoxColor(int i, TColor c) {
  if (i < 1 || i > boxCount_) return;
  StoreColor(i, c);
  if (colorsLinear_ && (i == 1 || i == boxCount_))
    LinearizeColors();
  else
    NotifyChanged();
}

QString ColorLegendModel::BoxCaption(int i) const {
  if (i < 1 || i > boxCount_) return QString();
  return captions_[static_cast<size_t>(i)];
}

void ColorLegendModel::SetBoxCaption(int i, const QString& s) {
  if (i < 1 || i > boxCount_) return;
  captions_[static_cast<size_t>(i)] = s;
  NotifyChanged();
}

bool ColorLegendModel::Anchored(int i) const {
  if (i < 1 || i > boxCount_) return false;
  return anchored_[static_cast<size_t>(i)];
}

double ColorLegendModel::Breakpoint(int k) const {
  if (k < 0 || k > boxCount_ + 1) return 0.0;
  return breakpoints_[static_cast<size_t>(k)];
}

void ColorLegendModel::UpdateLabels() {
  const int n = boxCount_;
  const int openAbove = maxValAct_ + OpenMargin < maxVal_ ? 1 : 0;
  const int nearTop = std::fabs(maxValAct_ - maxVal_) < NearMargin ? 1 : 0;
  const int openBelow = minVal_ + OpenMargin < minValAct_ ? 1 : 0;
  const int nearBottom = std::fabs(minValAct_ - minVal_) < NearMargin ? 1 : 0;
  const int inner = n - openBelow - openAbove;
  if (inner <= 0) {
    NotifyChanged();  // the row count may have changed all the same
    return;
  }

  // Tiny intervals read better in exponent notation.
  // Float texts carry at most 18 significant digits and 4 exponent digits.
  const bool exponent = maxValAct_ < 0.001;
  const int decimals = std::min(digits_, 18);
  const auto F = [&](double x) {
    return exponent ? base::FloatToStrF(x, base::ffExponent, 3, std::min(digits_, 4))
                    : base::FloatToStrF(x, base::ffFixed, std::min(digits_ + 6, 18), decimals);
  };
  const double d = (maxValAct_ - minValAct_) / inner;
  const auto b = [&](int k) { return k * d + minValAct_; };
  const auto setCaption = [&](int i, const QString& s) { captions_[static_cast<size_t>(i)] = s; };

  for (int i = nearBottom + openBelow + 1; i <= n - openAbove - nearTop; ++i)
    setCaption(i, F(b(i - 1 - openBelow)) + QStringLiteral(" <= x < ") + F(b(i - openBelow)));

  if (nearBottom)
    setCaption(1, F(minValAct_) + QStringLiteral(" <= x < ") + F(d + minValAct_));
  else if (openBelow)
    setCaption(1, QStringLiteral("x < ") + F(minValAct_));
  else
    setCaption(1, F(minValAct_) + QStringLiteral(" < x < ") + F(d + minValAct_));

  if (nearTop)
    setCaption(n, F(b(n - openBelow - 1)) + QStringLiteral(" <= x <= ") + F(b(n - openBelow)));
  else if (openAbove)
    setCaption(n, F(maxValAct_) + QStringLiteral(" <= x"));

  delta_ = d;
  breakpoints_[0] = minVal_;
  breakpoints_[1] = minValAct_ + 0.5 * d;
  for (int i = 2; i <= n - 1; ++i)
    breakpoints_[static_cast<size_t>(i)] = breakpoints_[static_cast<size_t>(i - 1)] + d;
  breakpoints_[static_cast<size_t>(n)] = maxVal_;
  IndexBreakpoints();
  NotifyChanged();
}

void ColorLegendModel::LinearizeColors() {
  const int n = boxCount_;
  int a = 1;
  for (int b = 2; b <= n; ++b) {
    if (b < n && !anchored_[static_cast<size_t>(b)]) continue;
    const TColor ca = SwatchRgb(a);
    const TColor cb = SwatchRgb(b);
    for (int i = a; i <= b; ++i) StoreColor(i, LerpTruncated(ca, cb, i - a, std::max(b - a, 1)));
    a = b;
  }
  FireColorChanged();
}

void ColorLegendModel::SpreadColors() {
  if (boxCount_ == 0) return;
  const TColor c1 = SwatchRgb(1);
  const TColor cN = SwatchRgb(boxCount_);
  if (boxCount_ == 1) SetBoxCount(10);
  const int n = boxCount_;
  for (int i = 1; i <= n; ++i) StoreColor(i, LerpTruncated(c1, cN, i - 1, std::max(n - 1, 1)));
  FireColorChanged();
}

void ColorLegendModel::InsertSelectedColor() {
  const int n = boxCount_;
  if (n < 1 || n >= MaxBoxCount) return;
  std::vector<TColor> collected;
  collected.reserve(static_cast<size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) {
    collected.push_back(GetBoxColor(i));
    if (i == activeRow_) collected.push_back(GetBoxColor(i));
  }
  // Without a row under the mouse the last colour is repeated at the end.
  const TColor last = GetBoxColor(n);
  if (collected.size() <= static_cast<size_t>(n)) collected.push_back(last);
  SetBoxCount(n + 1);
  if (colorsLinear_) {
    SetBoxColor(n + 1, last);
    LinearizeColors();
  } else {
    for (int i = 1; i <= n + 1; ++i) SetBoxColor(i, collected[static_cast<size_t>(i - 1)]);
  }
  FireColorChanged();
}

void ColorLegendModel::DeleteSelectedColor() {
  const int n = boxCount_;
  if (n < 1) return;
  std::vector<TColor> kept;
  if (!colorsLinear_) {
    for (int i = 1; i <= n; ++i)
      if (i != activeRow_) kept.push_back(GetBoxColor(i));
  }
  SetBoxColor(n - 1, GetBoxColor(n));
  SetBoxCount(n - 1);
  if (colorsLinear_) {
    LinearizeColors();
  } else {
    const int rows = std::min<int>(boxCount_, static_cast<int>(kept.size()));
    for (int i = 1; i <= rows; ++i) SetBoxColor(i, kept[static_cast<size_t>(i - 1)]);
  }
  FireColorChanged();
}

void ColorLegendModel::ColorBoxClick(int index) {
  if (index < 1 || index > boxCount_ || !OnColorBoxClick) return;
  const TColor before = swatches_[static_cast<size_t>(index)];
  TColor color = before;
  OnColorBoxClick(index, color, customColor_);
  if (color == before || index > boxCount_) return;
  StoreColor(index, color);
  if (colorsLinear_) {
    anchored_[static_cast<size_t>(index)] = true;
    // One row has nothing to interpolate, but its colour did change.
    if (boxCount_ > 1) {
      LinearizeColors();
      return;
    }
  }
  FireColorChanged();
}

void ColorLegendModel::AssignFrom(const ColorLegendModel& source) {
  if (&source == this) return;
  SetBoxCount(source.boxCount_);
  maxVal_ = source.maxVal_;
  maxValAct_ = source.maxValAct_;
  minVal_ = source.minVal_;
  minValAct_ = source.minValAct_;
  colorsLinear_ = false;
  caption_ = source.caption_;
  delta_ = source.delta_;
  canEdit_ = source.canEdit_;
  const int n = source.boxCount_;
  if (n > 0 && n == boxCount_) {
    if (source.colorsLinear_) {
      SetBoxColor(1, source.GetBoxColor(1));
      SetBoxColor(n, source.GetBoxColor(n));
    } else {
      for (int i = 1; i <= n; ++i) SetBoxColor(i, source.GetBoxColor(i));
    }
  }
  SetColorsLinear(source.colorsLinear_);
  SetDigits(source.digits_);
}

TColor ColorLegendModel::ValueToClassColor(double v) const noexcept {
  const int n = boxCount_;
  if (n == 0) return base::clBlack;
  // Written so that NaN values and bounds fall to the first class.
  if (!(maxValAct_ - minValAct_ >= OpenMargin) || !(v > minValAct_)) return colors_[1];
  if (v >= maxValAct_) return colors_[static_cast<size_t>(n)];
  if (!(delta_ > 0.0) || !std::isfinite(delta_)) return colors_[1];

  // The class is the smallest i >= 1 with i * Delta + MinValAct >= v. The
  // quotient gives it directly; one step either way repairs the rounding of
  // the division so the result matches that comparison exactly.
  const double q = std::ceil((v - minValAct_) / delta_);
  int i = n + 1;  // beyond the last class: limited to it below
  if (q < n + 1) {
    i = std::max(1, static_cast<int>(q));
    if (i > 1 && (i - 1) * delta_ + minValAct_ >= v)
      --i;
    else if (i * delta_ + minValAct_ < v)
      ++i;
  }
  if (minVal_ < minValAct_) ++i;  // row 1 is the open class below the interval
  return colors_[static_cast<size_t>(std::min(i, n))];
}

TColor ColorLegendModel::ValueToInterpolatedColor(double v) const noexcept {
  const int n = boxCount_;
  if (n == 0) return base::clBlack;
  if (!(maxValAct_ - minValAct_ >= OpenMargin) || !(v > minValAct_)) return colors_[1];
  if (v >= maxValAct_) return colors_[static_cast<size_t>(n)];

  const int lo = FirstBreakpointAtOrAbove(v);
  const int k = std::min(lo - 1, n);
  if (k <= 0) return colors_[1];
  if (k >= n) return colors_[static_cast<size_t>(n)];

  // When the shown interval reaches beyond the data range the breakpoints are
  // not sorted; a parameter outside [0, 1] would push channels out of 0..255.
  const double b0 = breakpoints_[static_cast<size_t>(k)];
  const double b1 = breakpoints_[static_cast<size_t>(k + 1)];
  double t = (v - b0) / (b1 - b0);
  if (!(t >= 0.0)) t = 0.0;  // also NaN
  if (t > 1.0) t = 1.0;

  const TColor c1 = Rgb(k);
  const TColor c2 = Rgb(k + 1);
  const auto mix = [t](int a, int b) { return base::Round((1.0 - t) * a + t * b); };
  const TColor rgb = base::RGB(mix(base::GetRValue(c1), base::GetRValue(c2)),
                               mix(base::GetGValue(c1), base::GetGValue(c2)),
                               mix(base::GetBValue(c1), base::GetBValue(c2)));
  return rgb | (colors_[static_cast<size_t>(k)] & 0xFF000000u);
}

int ColorLegendModel::FirstBreakpointAtOrAbove(double v) const noexcept {
  const int n = boxCount_;
  const auto bp = [this](int k) { return breakpoints_[static_cast<size_t>(k)]; };
  if (uniformBreakpoints_) {
    // Breakpoints 1..n-1 lie Delta apart, so the quotient lands within one
    // index of the answer; the answer is the index that satisfies the
    // definition, which in a sorted table is unique.
    const auto settled = [&](int lo) {
      return lo >= 1 && lo <= n + 1 && (lo == 1 || bp(lo - 1) < v) && (lo == n + 1 || bp(lo) >= v);
    };
    const double q = (v - bp(1)) / delta_;
    const int guess = !(q > 0.0) ? 1 : q >= n ? n + 1 : static_cast<int>(std::ceil(q)) + 1;
    for (const int lo : {guess, guess - 1, guess + 1})
      if (settled(lo)) return lo;
  }
  // Any table, sorted or not: a binary search run to the end.
  int lo = 1;
  int hi = n;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    if (v > bp(mid))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return lo;
}

void ColorLegendModel::IndexBreakpoints() {
  const int n = boxCount_;
  bool uniform = n >= 2 && delta_ > 0.0 && std::isfinite(delta_);
  for (int k = 2; uniform && k <= n; ++k)
    uniform = breakpoints_[static_cast<size_t>(k - 1)] < breakpoints_[static_cast<size_t>(k)];
  uniformBreakpoints_ = uniform;
}

TColor ColorLegendModel::ContrastColor(TColor background) {
  const TColor rgb = base::ColorToRGB(background);
  const int s = base::GetRValue(rgb) + base::GetGValue(rgb) + base::GetBValue(rgb);
  if (s < 120) return base::RGB(253 - s, 253 - s, 253 - s);
  return base::clBlack;
}

void ColorLegendModel::StoreColor(int i, TColor c) {
  colors_[static_cast<size_t>(i)] = c;
  swatches_[static_cast<size_t>(i)] = c;
  rgb_[static_cast<size_t>(i)] = base::ColorToRGB(c);
}

void ColorLegendModel::FireColorChanged() {
  NotifyChanged();
  if (OnColorChanged) OnColorChanged();
}

void ColorLegendModel::NotifyChanged() {
  if (OnChanged) OnChanged();
}
