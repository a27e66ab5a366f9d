#pragma once
// One drawing that makes every call of the drawing backend once or more, in
// a 200×200 area, for running the same calls through every device.
#include "chart/canvas/DrawingBackend.h"

void ScriptedDrawing(DrawingBackend& backend);

// The drawing calls only (no state), with whatever pen and brush are set,
// for checking what a given pen leaves behind.
void EveryShape(DrawingBackend& backend);
