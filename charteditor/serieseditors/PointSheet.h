#pragma once
// The marker sheet that line, area and Gantt editors add to the series
// editor: a pointer editor for the same series at position 1.
#include <QString>

class TFormPlotSeries;

void AddPointerSheet(TFormPlotSeries& host, const QString& caption);
