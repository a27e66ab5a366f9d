#include "chart/canvas/TPlotCanvas.h"

#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotFont.h"

#include <cstdlib>

base::TColor TPlotCanvas::GetBackColor() const {
  return backend_->backColor();
}

BackMode TPlotCanvas::GetBackMode() const {
  return backend_->backMode();
}

void TPlotCanvas::SetBackColor(base::TColor color) {
  backend_->setBackColor(color);
}

void TPlotCanvas::SetBackMode(BackMode mode) {
  backend_->setBackMode(mode);
}

int TPlotCanvas::TextWidth(const QString& text) const {
  return backend_->textExtent(text).width() + std::abs(decoration_.shadowHoriz);
}

int TPlotCanvas::TextHeight(const QString& text) const {
  return backend_->textExtent(text).height() + std::abs(decoration_.shadowVert);
}

void TPlotCanvas::AssignPen(const TChartPen& pen) {
  backend_->setPen(pen.ToBackendPen(monochrome_));
}

void TPlotCanvas::AssignBrush(const TChartBrush& brush, base::TColor backColor,
                              base::TColor ownerColor) {
  const BackendBrush b = brush.ToBackendBrush(ownerColor, monochrome_);
  const bool pattern = !b.image.isNull();
  backend_->setBrush(b);
  if (backColor != base::clNone) backend_->setBackColor(backColor);
  backend_->setBackMode(pattern || backColor != base::clNone ? BackMode::Opaque
                                                             : BackMode::Transparent);
}

void TPlotCanvas::AssignFont(const TPlotFont& font) {
  backend_->setFont(font.ToBackendFont(monochrome_));
  decoration_.shadowHoriz = font.Shadow()->HorizSize();
  decoration_.shadowVert = font.Shadow()->VertSize();
  decoration_.shadowColor = font.Shadow()->Color();
  decoration_.outline = font.OutLine()->Visible();
  decoration_.outlinePen = font.OutLine()->ToBackendPen(monochrome_);
}
