#include "StorageTestTypes.h"

#include "chart/core/ChartClassRegistry.h"

TStoreBubbleSeries::TStoreBubbleSeries(QObject* owner)
    : TChartSeries(owner), radius_(&ValuesList().Add(QStringLiteral("Radius"))) {}

int TStoreBubbleSeries::AddBubble(double x, double y, double radius) {
  radius_->SetTempValue(radius);
  return AddPointXY(x, y);
}

TStoreGanttSeries::TStoreGanttSeries(QObject* owner)
    : TChartSeries(owner),
      end_(&ValuesList().Add(QStringLiteral("End"))),
      next_(&ValuesList().Add(QStringLiteral("NextTask"))) {}

int TStoreGanttSeries::AddTask(double start, double y, double end, double next) {
  end_->SetTempValue(end);
  next_->SetTempValue(next);
  return AddPointXY(start, y);
}

void TStoreSumFunction::AddPoints(const std::vector<TChartSeries*>& sources) {
  TChartSeries* target = ParentSeries();
  if (!target) return;
  target->ClearValues();
  if (sources.empty()) return;
  for (int i = 0; i < sources.front()->PointCount(); ++i) {
    double sum = 0;
    for (const TChartSeries* s : sources)
      if (i < s->PointCount()) sum += s->YValues()->Values()[static_cast<std::size_t>(i)];
    target->AddPointXY(i, sum * factor_);
  }
}

void RegisterStorageTestClasses(ChartClassRegistry& registry) {
  registry.Register<TStoreLineSeries>(ChartClassKind::Series);
  registry.Register<TStoreBubbleSeries>(ChartClassKind::Series);
  registry.Register<TStoreGanttSeries>(ChartClassKind::Series);
  registry.Register<TStoreHorizSeries>(ChartClassKind::Series);
  registry.Register<TStoreSumFunction>(ChartClassKind::Function);
  registry.Register<TStoreTool>(ChartClassKind::Tool);
}
