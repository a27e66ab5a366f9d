#include "viewer/view/ViewModel.h"

#include "base/Colors.h"
#include "base/MathUtil.h"
#include "viewer/view/ViewFormat.h"
#include "viewer/view/ViewHost.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <cmath>

namespace {

// Legend colours per scalar kind: first and last class (red, green, blue).
struct KindColors {
  base::TColor first, last;
};

KindColors ColorsOfKind(TDataKind kind) {
  switch (kind) {
    case dkWatercontent:
      return {base::RGB(255, 255, 255), base::RGB(0, 0, 255)};
    case dkRelHumidity:
      return {base::RGB(255, 255, 255), base::RGB(0, 128, 0)};
    case dkTemperature:
      return {base::RGB(0, 0, 128), base::RGB(255, 0, 0)};
    case dkVapourPressure:
      return {base::RGB(255, 255, 255), base::RGB(255, 0, 128)};
    default:
      return {0, 0};
  }
}

QString NumberFormatOfKind(TDataKind kind) {
  switch (kind) {
    case dkWatercontent:
    case dkTemperature:
    case dkVapourPressure:
      return QStringLiteral("%4.0f");
    case dkRelHumidity:
      return QStringLiteral("%4.1f");
    case dkEmpty:
      return QStringLiteral("%3.2f");
    default:
      return QStringLiteral("%e");
  }
}

}  // namespace

// ---- legend colours as the relief's scale ----

std::uint32_t ViewModel::LegendScale::InterpolatedColor(double value) const {
  return base::ColorToRGB(legend_.ValueToInterpolatedColor(value));
}

std::uint32_t ViewModel::LegendScale::ClassColor(double value) const {
  return base::ColorToRGB(legend_.ValueToClassColor(value));
}

double ViewModel::LegendScale::LowestValue() const {
  return legend_.MinValAct();
}

// ---- creation ----

LegendRange ViewModel::LegendRangeFor(TDataKind kind, double rangeMin, double rangeMax) {
  LegendRange range;
  range.MinVal = range.MinValAct = rangeMin;
  range.MaxVal = range.MaxValAct = rangeMax;
  const double r = rangeMax - rangeMin;
  if (r < 0.01) range.Digits = 3;
  if (r < 0.001) range.Digits = 4;
  if (r < 0.0001) range.Digits = 5;
  if (r < 0.00001) range.Digits = 6;
  if (r > 1 && kind != dkRelHumidity) {
    range.MinValAct = base::Round(rangeMin - 0.5);
    range.MaxValAct = base::Round(rangeMax + 0.5);
  }
  if (r > 10) range.Digits = 1;
  if (r > 100) range.Digits = 0;
  // Relative humidity always shows up to 1, whatever the file says.
  if (kind == dkRelHumidity) range.MaxVal = range.MaxValAct = 1.0;
  return range;
}

ViewModel::ViewModel(ViewHost& host, TDataKind kind, ColorLegendModel& legend)
    : host_(host), kind_(kind), legend_(legend), colorScale_(legend) {
  host_.attachViewModel(this);
  valueFormat_ = QString((kind == dkWatercontent || kind == dkTemperature) ? "%4.4g " : "%4.3g ") +
                 DataKindUnit(kind);
  setUpLegend();
  numberFormat_ = NumberFormatOfKind(kind);
  SetViewCaption(DataKindLongName(kind));

  grid_ = host_.Grid();
  if (grid_ != nullptr) {
    vertices_.assign(grid_->Vertices().begin(), grid_->Vertices().end());
    colors_.assign(vertices_.size() * 3, 0);
  }
  drawFlags_ = IsVector() ? 152 : 196;
  dirty_ = true;
  shadeModel_ = glSmooth;
  matDepthFunc_ = gridDepthFunc_ = glLequal;
  threshold_ = 1.0f;
  creating_ = false;
}

ViewModel::~ViewModel() {
  host_.detachViewModel(this);
}

void ViewModel::setUpLegend() {
  // As the window's form lays the legend out.
  legend_.SetBoxCount(10);
  legend_.SetMaxVal(1.0);
  legend_.SetMaxValAct(1.0);
  legend_.SetColorsLinear(true);
  legend_.SetCanEdit(true);
  legend_.CustomColor() =
      QStringList{QStringLiteral("ColorA=788a8f"), QStringLiteral("ColorB=e0e6e6")};

  const LegendRange range = LegendRangeFor(kind_, RangeMin(), RangeMax());
  legend_.SetMinVal(range.MinVal);
  legend_.SetMaxVal(range.MaxVal);
  legend_.SetDigits(range.Digits);
  legend_.SetMinValAct(range.MinValAct);
  legend_.SetMaxValAct(range.MaxValAct);

  if (IsVector()) {
    legend_.SetBoxCount(1);
  } else if (kind_ != dkEmpty) {
    const KindColors colors = ColorsOfKind(kind_);
    legend_.SetBoxColor(1, colors.first);
    legend_.SetBoxColor(legend_.BoxCount(), colors.last);
  }
  // The legend's colour is also the background of the drawing.
  legend_.SetColor(base::RGB(230, 230, 224));
}

float ViewModel::RangeMin() const {
  return kind_ < FieldKindCount ? host_.RangeMin(kind_) : 0.0f;
}
float ViewModel::RangeMax() const {
  return kind_ < FieldKindCount ? host_.RangeMax(kind_) : 1.0f;
}

void ViewModel::SetFlag(TDrawFlag flag, bool on) {
  drawFlags_ = on ? std::uint8_t(drawFlags_ | flag) : std::uint8_t(drawFlags_ & ~flag);
}

void ViewModel::SetThreshold(float t) {
  if (t > 0.0f && t <= 1.0f) threshold_ = t;
}

void ViewModel::SetViewCaption(const QString& name) {
  windowCaption_ = name.trimmed() + QStringLiteral(" (") + host_.FileName() + QStringLiteral(")");
  legend_.SetCaption(name);
}

// ---- transform ----

void ViewModel::FitScale() {
  if (grid_ == nullptr) return;
  const float extent = std::max(grid_->Width(), grid_->Height());
  const float s = extent > 0.0f && std::isfinite(extent) ? 1.1f / extent : 1.0f;
  transform_.ScaleX = s;
  transform_.ScaleY = s;
  transform_.ScaleZ = 1.0f;
  if (!IsVector()) {
    // An empty range would divide by zero: keep the heights unscaled.
    const float range = RangeMax() - RangeMin();
    const float z = 1.0f / range;
    if (range != 0.0f && std::isfinite(z)) transform_.ScaleZ = z;
  }
}

void ViewModel::ResetView() {
  FitScale();
  SetTranX(0);
  SetTranY(0);
  SetTranZ(0);
}

void ViewModel::ResetRotation() {
  SetAngleX(0);
  SetAngleY(0);
  SetAngleZ(0);
  transform_.AngleX = transform_.AngleY = transform_.AngleZ = 0;
}

void ViewModel::applyShared(float ViewTransform::*field, float v, bool isAngle, bool isScale) {
  if (IsVector()) {
    if (!isAngle) transform_.*field = v;
  } else if (isScale) {
    transform_.*field = v;
  } else {
    for (ViewModel* view : host_.ViewModels())
      if (!view->IsVector()) view->transform_.*field = v;
  }
  if (host_.IsLoaded()) {
    for (ViewModel* view : host_.ViewModels())
      if (view != this) view->RequestRepaint();
  }
}

void ViewModel::SetTranX(float v) {
  applyShared(&ViewTransform::TranX, v, false, false);
}
void ViewModel::SetTranY(float v) {
  applyShared(&ViewTransform::TranY, v, false, false);
}
void ViewModel::SetTranZ(float v) {
  applyShared(&ViewTransform::TranZ, v, false, false);
}
void ViewModel::SetAngleX(float v) {
  applyShared(&ViewTransform::AngleX, v, true, false);
}
void ViewModel::SetAngleY(float v) {
  applyShared(&ViewTransform::AngleY, v, true, false);
}
void ViewModel::SetAngleZ(float v) {
  applyShared(&ViewTransform::AngleZ, v, true, false);
}
void ViewModel::SetScaleX(float v) {
  applyShared(&ViewTransform::ScaleX, v, false, true);
}
void ViewModel::SetScaleY(float v) {
  applyShared(&ViewTransform::ScaleY, v, false, true);
}
void ViewModel::SetScaleZ(float v) {
  applyShared(&ViewTransform::ScaleZ, v, false, true);
}

// ---- painting state ----

void ViewModel::SetLoading(bool loading) {
  paintSuspended_ = loading;
  RequestRepaint();
}

const float* ViewModel::Values() const {
  return kind_ < FieldKindCount ? host_.FieldValues(kind_) : nullptr;
}

const float* ViewModel::Directions() const {
  return IsVector() ? host_.FieldDirections(kind_) : nullptr;
}

void ViewModel::PrepareForPaint() {
  if (!dirty_) return;
  ComputeColors();
  dirty_ = false;
}

void ViewModel::ComputeColors() {
  flatDirty_ = true;
  if (HasFlag(dfArrow) || grid_ == nullptr) return;
  const float* values = Values();
  if (values == nullptr) return;
  const std::size_t cells = std::size_t(grid_->Nx()) * std::size_t(grid_->Ny());
  ComputeReliefColors(*grid_, std::span<const float>(values, cells), colorScale_, vertices_,
                      colors_);
  ++heightsVersion_;
}

const std::vector<std::uint8_t>& ViewModel::FlatColors() {
  if (flatDirty_ && grid_ != nullptr) {
    const std::size_t cells = std::size_t(grid_->Nx()) * std::size_t(grid_->Ny());
    flatColors_.assign(cells * 3, 0);
    if (const float* values = Values())
      ComputeFlatColors(*grid_, std::span<const float>(values, cells), colorScale_, flatColors_);
    flatDirty_ = false;
  }
  return flatColors_;
}

const std::vector<std::uint32_t>& ViewModel::FlatQuads() {
  if (!flatQuadsBuilt_ && grid_ != nullptr) {
    flatQuads_ = FlatQuadIndices(*grid_);
    flatQuadsBuilt_ = true;
  }
  return flatQuads_;
}

const ArrowList& ViewModel::BuildArrows() {
  if (grid_ == nullptr) {
    arrows_ = ArrowList();
    return arrows_;
  }
  ArrowSettings settings;
  settings.Normalized = HasFlag(dfArrowNorm);
  settings.Logarithmic = HasFlag(dfArrowLog);
  settings.Threshold = threshold_;
  settings.Scale = arrowScale_;
  settings.RangeMin = RangeMin();
  settings.RangeMax = RangeMax();
  const bool classColors = legend_.BoxCount() > 1;
  ArrowList::ColorOf colorOf;
  if (classColors) colorOf = [this](double v) { return colorScale_.ClassColor(v); };
  arrows_.Build(*grid_, vertices_, Values(), Directions(), settings, colorOf, random_);
  return arrows_;
}

QString ViewModel::StatusText() const {
  const QChar cr(13);
  auto triple = [](float x, float y, float z) {
    return QStringLiteral("x=%1, y=%2, z=%3")
        .arg(FormatFixed2(x), FormatFixed2(y), FormatFixed2(z));
  };
  const ViewTransform& t = transform_;
  return QStringLiteral("Rotation: ") + triple(t.AngleX, t.AngleY, t.AngleZ) + cr +
         QStringLiteral("Translation: ") + triple(t.TranX, t.TranY, t.TranZ) + cr +
         QStringLiteral("Zoom: ") + triple(t.ScaleX, t.ScaleY, t.ScaleZ);
}
