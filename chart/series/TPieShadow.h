#pragma once
// The shadow under a pie: an ellipse the size of the pie, moved by the
// shadow's sizes, in a grey a little darker than a text shadow's.
#include "chart/canvas/TPlotShadow.h"

class TPieShadow : public TPlotShadow {
  Q_OBJECT
  Q_CLASSINFO("default:Color", "$A0A0A0")

 public:
  static constexpr base::TColor DefaultColor = 0xA0A0A0;

  explicit TPieShadow(ChangeHandler onChange = {}, QObject* parent = nullptr)
      : TPlotShadow({}, parent) {
    // Set before the owner listens: it is still being built.
    SetColor(DefaultColor);
    SetChangeHandler(std::move(onChange));
  }
};
