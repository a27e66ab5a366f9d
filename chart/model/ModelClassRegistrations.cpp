#include "chart/model/ModelClassRegistrations.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartAxisTitle.h"
#include "chart/model/TSeriesMarks.h"

void RegisterModelClasses(ChartClassRegistry& classes) {
  // Each is made without a chart; the chart that takes it over sets it.
  classes.Register(TChartAxisTitle::staticMetaObject, ChartClassKind::Other,
                   [](QObject* owner) { return new TChartAxisTitle(nullptr, {}, owner); });
  classes.Register(TChartAxis::staticMetaObject, ChartClassKind::Other,
                   [](QObject* owner) { return new TChartAxis(nullptr, false, false, owner); });
  classes.Register(TChartDepthAxis::staticMetaObject, ChartClassKind::Other,
                   [](QObject* owner) { return new TChartDepthAxis(nullptr, owner); });
  classes.Register(TSeriesMarks::staticMetaObject, ChartClassKind::Other,
                   [](QObject* owner) { return new TSeriesMarks(nullptr, {}, owner); });
}
