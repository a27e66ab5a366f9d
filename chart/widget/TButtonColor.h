#pragma once
// The colour button of the chart editors: a sample of the linked colour
// property, and a click that asks for a new colour (through the chart
// prompts, which keep one list of custom colours for the whole run) and
// writes it to the property before the button's other click handlers run.
#include "base/Colors.h"
#include "chart/widget/TPlotButton.h"

#include <functional>

class TButtonColor : public TPlotButton {
  Q_OBJECT

 public:
  explicit TButtonColor(QWidget* parent = nullptr);

  // When set, the colour shown and offered comes from here instead of the
  // linked property.
  std::function<base::TColor()> GetColorProc;

  // The colour the sample shows: the handler's, else the linked property's,
  // else clNone.
  base::TColor SymbolColor() const;

 protected:
  void DrawSymbol(TPlotCanvas3D& canvas) override;

 private:
  void ChooseColor();
};
