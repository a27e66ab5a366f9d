#include "chart/canvas/TPlotFont.h"

#include "chart/core/ChartDefaults.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

int MulDiv(int a, int b, int c) noexcept {
  if (c == 0) return -1;
  const int64_t num = static_cast<int64_t>(a) * b;
  const int64_t den = c;
  const int64_t q = num / den;
  const int64_t r = num % den;
  int64_t result = q;
  // Halves go away from zero.
  if (2 * std::llabs(r) >= std::llabs(den)) result += ((num < 0) != (den < 0)) ? -1 : 1;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
    return -1;
  return static_cast<int>(result);
}

TPlotFont::TPlotFont(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent),
      height_(-MulDiv(DefaultChartFontSize(), PixelsPerInch, 72)),
      name_(DefaultChartFontName()),
      outLine_(new TChartHiddenPen([this] { Changed(); }, this)),
      shadow_(new TPlotShadow([this] { Changed(); }, this)) {}

void TPlotFont::SetOutLine(TChartPen* value) {
  if (value && value != outLine_) outLine_->Assign(*value);
}

void TPlotFont::SetShadow(TPlotShadow* value) {
  if (value && value != shadow_) shadow_->Assign(*value);
}

int TPlotFont::Size() const {
  return -MulDiv(height_, 72, PixelsPerInch);
}

void TPlotFont::SetSize(int value) {
  SetHeight(-MulDiv(value, PixelsPerInch, 72));
}

void TPlotFont::Assign(const TPlotFont& source) {
  if (&source == this) return;
  const bool same = charset_ == source.charset_ && color_ == source.color_ &&
                    height_ == source.height_ && interCharSize_ == source.interCharSize_ &&
                    name_ == source.name_ && style_ == source.style_;
  charset_ = source.charset_;
  color_ = source.color_;
  height_ = source.height_;
  interCharSize_ = source.interCharSize_;
  name_ = source.name_;
  style_ = source.style_;
  outLine_->Assign(*source.outLine_);
  shadow_->Assign(*source.shadow_);
  if (!same) Changed();
}

BackendFont TPlotFont::ToBackendFont(bool monochrome) const {
  BackendFont font;
  font.name = name_;
  font.height = height_;
  font.style = style_;
  font.color = monochrome ? base::clBlack : color_;
  font.charExtra = interCharSize_;
  return font;
}
