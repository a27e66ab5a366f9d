#include "charteditor/common/TButtonPen.h"

#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "charteditor/common/TPenDialog.h"

TButtonPen::TButtonPen(QWidget* parent) : TPlotButton(parent) {
  connect(this, &QAbstractButton::clicked, this, &TButtonPen::EditPen);
}

void TButtonPen::LinkPen(TChartPen* pen) {
  pen_ = pen;
  update();
}

void TButtonPen::DrawSymbol(TPlotCanvas3D& canvas) {
  if (!pen_ || !pen_->Visible()) return;
  canvas.AssignPen(*pen_);
  const int y = height() / 2;
  canvas.Line(width() - 17, y, width() - 6, y);
}

void TButtonPen::EditPen() {
  if (!pen_) return;
  EditChartPen(this, pen_);
  update();
}
