#include "chart/model/TChartAxisTitle.h"

TChartAxisTitle::TChartAxisTitle(ChartHost* parentChart, ChangeHandler onChange, QObject* parent)
    : TPlotCustomShape(parentChart, std::move(onChange), parent) {}

void TChartAxisTitle::SetAngle(int value) {
  StoreAndRepaint(angle_, NormalizedAngle(value));
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source) {
  if (&source == this) return;
  TPlotCustomShape::Assign(source);
  SetAngle(source.angle_);
  SetCaption(source.caption_);
}

int NormalizedAngle(int degrees) {
  const int r = degrees % 360;
  return r < 0 ? r + 360 : r;
}
