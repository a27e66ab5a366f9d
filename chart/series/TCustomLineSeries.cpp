#include "chart/series/TCustomLineSeries.h"

TCustomLineSeries::TCustomLineSeries(QObject* owner) : TChartSeries(owner) {}
