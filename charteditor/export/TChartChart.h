#pragma once
// Chart classes that stored charts name besides TChart; they behave as
// TChart does. A chart file may name them as its root, so the registry
// must know them.
#include "chart/model/TChart.h"

class ChartClassRegistry;

class TChartChart : public TChart {
  Q_OBJECT

 public:
  using TChart::TChart;
};

class TODBCChart : public TChart {
  Q_OBJECT

 public:
  using TChart::TChart;
};

// The program's composition hands this to the engine's start-up.
void RegisterChartFileClasses(ChartClassRegistry& registry);
