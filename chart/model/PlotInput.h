#pragma once
// Mouse buttons and shift states as charts store and compare them (a zoom's
// MouseButton and KeyShift), with the conversions from Qt's input values.
#include <QObject>

namespace PlotInput {
Q_NAMESPACE

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TShiftStateFlag {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

// Buttons Qt has beyond the three count as the left one.
TMouseButton FromQtButton(Qt::MouseButton button);
TShiftState FromQtState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace PlotInput

Q_DECLARE_OPERATORS_FOR_FLAGS(PlotInput::TShiftState)

using PlotInput::TMouseButton;
using PlotInput::TShiftState;
using PlotInput::TShiftStateFlag;
using enum PlotInput::TMouseButton;
using enum PlotInput::TShiftStateFlag;
