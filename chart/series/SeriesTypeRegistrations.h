#pragma once
// The start-up registrations of the series layer: every series and function
// type the gallery offers, in the gallery's order. main() and chart tests
// hand it to their ChartEngineScope.
class ChartClassRegistry;

void RegisterSeriesTypes(ChartClassRegistry& classes);
