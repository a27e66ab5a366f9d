#pragma once
// The editors' pen button: a sample line of its pen beside the caption,
// and a click that opens the pen dialog on that pen.
#include "chart/widget/TPlotButton.h"

#include <QPointer>

#include "chart/canvas/TChartPen.h"

class TButtonPen : public TPlotButton {
  Q_OBJECT

 public:
  explicit TButtonPen(QWidget* parent = nullptr);

  TChartPen* Pen() const { return pen_.data(); }
  // Binds the button to `pen` (null unbinds) and repaints.
  void LinkPen(TChartPen* pen);

 protected:
  void DrawSymbol(TPlotCanvas3D& canvas) override;

 private:
  void EditPen();

  QPointer<TChartPen> pen_;
};
