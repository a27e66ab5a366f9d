#include "chart/model/TPlotZoom.h"

#include "chart/core/PublishedProperties.h"

TPlotZoomBrush::TPlotZoomBrush(ChangeHandler onChange, QObject* parent) : TChartBrush({}, parent) {
  SetColor(base::clWhite);
  SetStyle(Graphics::bsClear);
  SetChangeHandler(std::move(onChange));
}

TPlotZoomPen::TPlotZoomPen(ChangeHandler onChange, QObject* parent) : TChartPen({}, parent) {
  color_ = base::clWhite;
  SetChangeHandler(std::move(onChange));
}

TPlotZoom::TPlotZoom(ChangeHandler onChange, QObject* parent)
    : TPlotPersistent(std::move(onChange), parent),
      brush_(new TPlotZoomBrush([this] { Changed(); }, this)),
      pen_(new TPlotZoomPen([this] { Changed(); }, this)) {}

void TPlotZoom::SetBrush(TPlotZoomBrush* value) {
  if (value && value != brush_) brush_->Assign(*value);
}

void TPlotZoom::SetPen(TPlotZoomPen* value) {
  if (value && value != pen_) pen_->Assign(*value);
}

void TPlotZoom::Assign(const TPlotZoom& source) {
  if (&source != this) CopyPublished(source, *this);
}
