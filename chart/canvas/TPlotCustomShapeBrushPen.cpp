#include "chart/canvas/TPlotCustomShapeBrushPen.h"

TPlotCustomShapeBrushPen::TPlotCustomShapeBrushPen(ChartHost* parentChart, ChangeHandler onChange,
                                                   QObject* parent, BrushClass brushClass)
    : TPlotPersistent(std::move(onChange), parent),
      parentChart_(parentChart),
      brush_(brushClass([this] { SubObjectChanged(); }, this)),
      pen_(new TChartPen([this] { SubObjectChanged(); }, this)) {}

void TPlotCustomShapeBrushPen::SetBrush(TChartBrush* value) {
  if (value && value != brush_) brush_->Assign(*value);
}

void TPlotCustomShapeBrushPen::SetPen(TChartPen* value) {
  if (value && value != pen_) pen_->Assign(*value);
}

void TPlotCustomShapeBrushPen::Repaint() const {
  if (ChartHost* chart = parentChart_.get()) chart->Invalidate();
}

void TPlotCustomShapeBrushPen::Assign(const TPlotCustomShapeBrushPen& source) {
  if (&source == this) return;
  SetBrush(source.brush_);
  SetPen(source.pen_);
  SetVisible(source.visible_);
}
