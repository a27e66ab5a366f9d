#include "chart/widget/TButtonColor.h"

#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/core/ChartPrompts.h"

TButtonColor::TButtonColor(QWidget* parent) : TPlotButton(parent) {
  // Connected first, so that the colour is written before any other
  // handler of the click runs.
  connect(this, &QAbstractButton::clicked, this, &TButtonColor::ChooseColor);
}

base::TColor TButtonColor::SymbolColor() const {
  if (GetColorProc) return GetColorProc();
  const QVariant value = LinkedValue();
  if (!value.isValid()) return base::clNone;
  bool ok = false;
  const uint color = value.toUInt(&ok);
  return ok ? static_cast<base::TColor>(color) : base::clNone;
}

void TButtonColor::DrawSymbol(TPlotCanvas3D& canvas) {
  const base::TColor color = SymbolColor();
  if (color == base::clNone) return;
  DrawingBackend& b = canvas.ReferenceCanvas();
  BackendPen pen;
  if (!isEnabled()) pen.style = Graphics::psClear;
  b.setPen(pen);
  BackendBrush brush;
  brush.color = color;
  b.setBrush(brush);
  canvas.Rectangle(width() - 19, height() - 19, width() - 6, height() - 7);
}

void TButtonColor::ChooseColor() {
  base::TColor color = SymbolColor();
  if (!Prompts().ChooseColor(color)) return;
  WriteLinked(QVariant::fromValue(static_cast<uint>(color)));
  update();
}
