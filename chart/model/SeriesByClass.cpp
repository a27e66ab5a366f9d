#include "chart/model/SeriesByClass.h"

#include "chart/canvas/DrawingBackend.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartComponents.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TCustomChart.h"
#include "chart/model/TPlotFunction.h"
#include "chart/model/TPlotSeriesTypes.h"

#include <memory>
#include <vector>

namespace {

QString ClassName(const QMetaObject& metaObject) {
  return QString::fromLatin1(metaObject.className()).section(QLatin1String("::"), -1);
}

// The registry's instance of exactly `metaObject`, or null.
template <class T>
T* CreateRegistered(const QMetaObject& metaObject, ChartClassKind kind, QObject* owner) {
  const ChartClassEntry* entry = ChartClasses().Find(ClassName(metaObject));
  if (!entry || entry->metaObject != &metaObject || entry->kind != kind || !entry->create)
    return nullptr;
  TPlotPersistent* made = entry->create(owner);
  T* object = qobject_cast<T*>(made);
  if (!object) delete made;
  return object;
}

TCustomAxisPanel* AxisPanelOf(const TChartSeries& series) {
  return dynamic_cast<TCustomAxisPanel*>(series.ParentChart());
}

// A chart a chartless series borrows to draw its icon: a new chart, so the
// icon stands on a new legend's colour as it would in any chart. Its list
// takes the series without Added and Removed, so the series keeps its
// colour, points and links.
class IconChart final : public TCustomChart {
 public:
  IconChart() { SetQuietList(true); }
  void InternalDraw(const TRect&) override {}
};

// `dependant` takes `replacement` where it took `old`, keeping the order of
// its other sources; its points come again from the new list.
void RelinkDependant(TChartSeries& dependant, TChartSeries& old, TChartSeries& replacement) {
  std::vector<QObject*> sources = dependant.DataSources();
  bool hasReplacement = false;
  for (QObject* s : sources) hasReplacement = hasReplacement || s == &replacement;
  std::vector<QObject*> relinked;
  for (QObject* s : sources) {
    if (s == &old) {
      if (!hasReplacement) relinked.push_back(&replacement);
    } else {
      relinked.push_back(s);
    }
  }
  SetSeriesSources(dependant, relinked);
}

}  // namespace

TChartSeries* CreateSeriesOfClass(QObject* owner, TCustomAxisPanel* chart,
                                  const QMetaObject& seriesClass,
                                  const QMetaObject* functionClass) {
  QObject* o = owner ? owner : chart;
  if (chart) {
    for (const TChartSeries* s : chart->SeriesList())
      if (s->parent() == chart) o = chart;
  }
  TChartSeries* series = CreateRegistered<TChartSeries>(seriesClass, ChartClassKind::Series, o);
  if (!series) return nullptr;
  series->setObjectName(NewSeriesName(o));
  if (chart) series->SetParentChart(chart);
  if (functionClass) CreateFunctionForSeries(*series, *functionClass);
  return series;
}

TPlotFunction* CreateFunctionForSeries(TChartSeries& series, const QMetaObject& functionClass) {
  QObject* owner = series.parent();
  TPlotFunction* function =
      CreateRegistered<TPlotFunction>(functionClass, ChartClassKind::Function, owner);
  if (!function) return nullptr;
  function->setObjectName(NewComponentName(owner, QStringLiteral("TPlotFunction")));
  series.SetFunction(function);
  return function;
}

TChartSeries* CopySeriesToNew(const TChartSeries& series) {
  const QMetaObject* function = series.Function() ? series.Function()->metaObject() : nullptr;
  TChartSeries* copy =
      CreateSeriesOfClass(series.parent(), AxisPanelOf(series), *series.metaObject(), function);
  if (!copy) return nullptr;
  copy->Assign(series);
  if (!series.DataSource()) copy->AddValues(series);
  return copy;
}

void ChangeSeriesClass(TChartSeries*& series, const QMetaObject& newClass) {
  if (!series || series->metaObject() == &newClass) return;
  TChartSeries* replacement = CreateSeriesOfClass(series->parent(), AxisPanelOf(*series), newClass);
  if (replacement) ReplaceSeries(series, replacement);
}

void ReplaceSeries(TChartSeries*& old, TChartSeries* replacement) {
  if (!old || !replacement || old == replacement) return;
  replacement->Assign(*old);
  replacement->AfterDrawValues = old->AfterDrawValues;
  replacement->BeforeDrawValues = old->BeforeDrawValues;
  replacement->OnAfterAdd = old->OnAfterAdd;
  replacement->OnBeforeAdd = old->OnBeforeAdd;
  replacement->OnClearValues = old->OnClearValues;
  replacement->OnClick = old->OnClick;
  replacement->OnDblClick = old->OnDblClick;
  replacement->OnGetMarkText = old->OnGetMarkText;
  const std::vector<TChartSeries*> dependants = old->LinkedSeries();
  for (TChartSeries* d : dependants)
    if (d != replacement) RelinkDependant(*d, *old, *replacement);
  TCustomAxisPanel* chart = AxisPanelOf(*old);
  if (chart && AxisPanelOf(*replacement) == chart) {
    const int place = chart->IndexOfSeries(old);
    const int added = chart->IndexOfSeries(replacement);
    if (place >= 0 && added >= 0) chart->ExchangeSeries(place, added);
  }
  const QString name = old->objectName();
  delete old;
  old = replacement;
  replacement->setObjectName(name);
  if (chart) chart->BroadcastSeriesEvent(seChanged, replacement);
  if (!replacement->DataSource() && TChartSeries::ShowSampleValues)
    replacement->FillSampleValues(replacement->NumSampleValues());
  replacement->NotifyValue(SeriesValueEvent::Refresh, 0);
}

void PaintSeriesIcon(TChartSeries& series, DrawingBackend& target, const TRect& r) {
  std::unique_ptr<IconChart> borrowed;
  TCustomAxisPanel* chart = AxisPanelOf(series);
  if (!chart) {
    if (series.ParentChart()) return;  // a chart of another kind draws no icons
    borrowed = std::make_unique<IconChart>();
    series.SetParentChart(borrowed.get());
    chart = borrowed.get();
  }
  BackendBrush brush = target.brush();
  brush.color = chart->LegendBackColor();
  brush.style = bsSolid;
  target.setBrush(brush);
  TPlotPanelCanvas& canvas = chart->Canvas();
  if (!canvas.SupportsFullRotation()) {
    DrawingBackend& previous = canvas.ReferenceCanvas();
    canvas.Retarget(&target);
    try {
      series.DrawLegend(-1, r);
    } catch (...) {
      canvas.Retarget(&previous);
      if (borrowed) series.SetParentChart(nullptr);
      throw;
    }
    canvas.Retarget(&previous);
  }
  // The borrowed chart goes: the series must not point at it.
  if (borrowed) series.SetParentChart(nullptr);
}

void SetSeriesSources(TChartSeries& series, const std::vector<QObject*>& sources) {
  TCustomAxisPanel* chart = AxisPanelOf(series);
  if (!chart || sources.empty()) {
    // Without a chart a series takes no source; it only lets go.
    series.SetDataSource(nullptr);
    return;
  }
  // While the chart reads, a new source joins the others instead of
  // replacing them, and nothing refills until the list is complete.
  chart->BeginReading();
  try {
    series.SetDataSource(nullptr);
    for (QObject* s : sources) series.SetDataSource(s);
  } catch (...) {
    chart->EndReading();
    throw;
  }
  chart->EndReading();
  chart->CheckDatasource(series);
}
