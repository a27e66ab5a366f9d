#pragma once
// The model layer's classes that a chart file names besides series,
// functions and tools: axis titles, axes, the depth axis and series marks.
// main() and chart tests hand it to their ChartEngineScope.
class ChartClassRegistry;

void RegisterModelClasses(ChartClassRegistry& classes);
