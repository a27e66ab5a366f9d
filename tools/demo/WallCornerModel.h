#pragma once
// A year of transient heat and moisture through the corner of an externally
// insulated brick wall, computed with a small explicit finite-volume scheme,
// for demonstration files.
//
// The section is 0.79 m x 0.79 m: outdoors lies beyond x = 0 and y = 0, the
// room fills x > 0.39 m and y > 0.39 m (inactive cells), and the L-shaped
// wall between is, from outside in, 80 mm wood-fibre insulation, 280 mm brick
// and 30 mm lime plaster. Outdoor temperature and humidity follow a seasonal and
// a daily cycle with some weather on top; the room is held near 20 °C.
// Heat moves by conduction, moisture by vapour diffusion with sorption
// storage (no liquid transport). Everything is deterministic.
#include "tests/support/writer/ResultFileWriter.h"

namespace demo {

struct WallCornerOptions {
  int days = 365;  // simulated days, one stored step per `stepHours`
  double stepHours = 6.0;
  QByteArray startDate = "1.10.2025_0.0";  // day.month.year_hour.minute
};

// The complete result file: version 3 with value ranges, materials, and the
// fields water content, relative humidity, temperature, vapour pressure,
// vapour diffusion flux and heat flux. Step 0 is the initial state.
resultwriter::ResultFileSpec SimulateWallCorner(const WallCornerOptions& options = {});

}  // namespace demo
