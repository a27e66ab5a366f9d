#include "charteditor/export/TChartChart.h"

#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartEngine.h"

void RegisterChartFileClasses(ChartClassRegistry& registry) {
  registry.Register<TChartChart>(ChartClassKind::Other);
  registry.Register<TODBCChart>(ChartClassKind::Other);
}

void InstallChartFileClasses() {
  AddChartClassRegistrar(RegisterChartFileClasses);
}
