#include "charteditor/export/TChartChart.h"

#include "chart/core/ChartClassRegistry.h"

void RegisterChartFileClasses(ChartClassRegistry& registry) {
  registry.Register<TChartChart>(ChartClassKind::Other);
  registry.Register<TODBCChart>(ChartClassKind::Other);
}
