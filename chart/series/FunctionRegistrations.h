#pragma once
// The start-up registrations of the calculated-series functions, in the
// gallery's order; the series layer's registrations end with them.
class ChartClassRegistry;

void RegisterFunctionTypes(ChartClassRegistry& classes);
