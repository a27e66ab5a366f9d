#pragma once
// The series a chart file holds: every series of the chart in its order,
// except those marked internal (helpers a program adds and does not want
// kept). The records and the data blocks both come from this one list, so
// that each block stays with its record.
#include <vector>

class TChartSeries;
class TCustomAxisPanel;

void SetInternalSeries(TChartSeries& series, bool internal);
bool IsInternalSeries(const TChartSeries& series);

std::vector<TChartSeries*> ChartFileSeries(const TCustomAxisPanel& chart);
