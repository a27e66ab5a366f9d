#pragma once
// Start-up and shut-down of the charting engine. Start-up fills the message
// table, installs the hand cursor, computes the lowest date of date-time
// truncation, takes the desktop's font as the engine's default font and runs
// the class registrations. The calls are counted: only the first start-up
// does the work and only the last shut-down undoes it, so main() and every
// test simply hold a ChartEngineScope.
#include "base/DateTime.h"

#include <initializer_list>

class ChartClassRegistry;

// A layer's class registrations (see ChartClassRegistry.h).
using ChartClassRegistrar = void (*)(ChartClassRegistry&);

// Adds `registrar` to those start-up runs (once, however often it is added).
// While the engine runs it is also run at once; if it then raises, it is not
// kept. A registrar that raises (a duplicate class name) fails the start-up,
// which then undoes itself.
void AddChartClassRegistrar(ChartClassRegistrar registrar);
void RemoveChartClassRegistrar(ChartClassRegistrar registrar);

void StartChartEngine();
void StopChartEngine();  // without a matching start: nothing
bool ChartEngineRunning();

// 1 January 1900 as a day number, once the engine has started (0 before).
base::TDateTime ChartLowestDate();

class ChartEngineScope {
 public:
  // Adds `registrars`, then starts the engine.
  explicit ChartEngineScope(std::initializer_list<ChartClassRegistrar> registrars = {});
  ~ChartEngineScope();
  ChartEngineScope(const ChartEngineScope&) = delete;
  ChartEngineScope& operator=(const ChartEngineScope&) = delete;
};
