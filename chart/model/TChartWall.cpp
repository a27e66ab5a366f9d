#include "chart/model/TChartWall.h"

TCustomChartWall::TCustomChartWall(ChartHost* parentChart, base::TColor defaultColor,
                                   ChangeHandler onChange, QObject* parent)
    : TPlotCustomShapeBrushPen(parentChart, std::move(onChange), parent),
      color_(defaultColor),
      defaultColor_(defaultColor),
      gradient_(new TChartGradient([this] { SubObjectChanged(); }, this)) {}

void TCustomChartWall::SetGradient(TChartGradient* value) {
  if (value && value != gradient_) gradient_->Assign(*value);
}

bool TCustomChartWall::DarkSides() const {
  // Shading a picture or an empty fill would only darken what is not there.
  return dark3D_ && Brush()->Style() != Graphics::bsClear && Brush()->Image()->Empty();
}

void TCustomChartWall::Assign(const TCustomChartWall& source) {
  if (&source == this) return;
  TPlotCustomShapeBrushPen::Assign(source);
  SetColor(source.color_);
  SetDark3D(source.dark3D_);
  SetGradient(source.gradient_);
  SetSize(source.size_);
  SetTransparent(source.transparent_);
}

TChartBackWall::TChartBackWall(ChartHost* parentChart, ChangeHandler onChange, QObject* parent)
    : TChartWall(parentChart, base::clSilver, std::move(onChange), parent) {
  transparent_ = true;
}

TChartRightWall::TChartRightWall(ChartHost* parentChart, ChangeHandler onChange, QObject* parent)
    : TChartWall(parentChart, base::clSilver, std::move(onChange), parent) {
  visible_ = false;
}
