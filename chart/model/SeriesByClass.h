#pragma once
// Series made, copied, changed and drawn by class, as the gallery, the
// chart editor's "change series type" and its copy command do. Classes are
// those of the chart class registry (ChartClassRegistry.h).
#include "chart/canvas/GraphicsTypes.h"

#include <QMetaObject>

#include <vector>

class DrawingBackend;
class QObject;
class TChartSeries;
class TCustomAxisPanel;
class TPlotFunction;

// A new series of `seriesClass`, named by NewSeriesName, in `chart` (when
// given), with a new function of `functionClass` (when given). Its owner is
// `owner`; the chart when `owner` is null or when the chart owns a series
// of its own already. Null for a class nobody registered as a series (or a
// function class nobody registered as a function). Without an owner and a
// chart the caller owns the series.
TChartSeries* CreateSeriesOfClass(QObject* owner, TCustomAxisPanel* chart,
                                  const QMetaObject& seriesClass,
                                  const QMetaObject* functionClass = nullptr);
// A new function of `functionClass` for `series`, named after the class
// among the components of the series' owner. Null for an unknown class.
TPlotFunction* CreateFunctionForSeries(TChartSeries& series, const QMetaObject& functionClass);
// A series of the same class and function in the same chart and owner,
// with the settings and the points of `series`.
TChartSeries* CopySeriesToNew(const TChartSeries& series);
// Replaces `series` by a new one of `newClass` (nothing for the same class
// or an unknown one), which `series` then points to.
void ChangeSeriesClass(TChartSeries*& series, const QMetaObject& newClass);
// `replacement` takes the settings, points, events, dependants, place in
// the chart and name of `old`, which is freed; `old` then points to the
// replacement. The chart's listeners hear seChanged.
void ReplaceSeries(TChartSeries*& old, TChartSeries* replacement);
// `series` takes exactly `sources`, in order, through the checks of
// SetDataSource (a refused one raises), and fills once at the end. Without
// a chart, or with no sources, it lets go of every source.
void SetSeriesSources(TChartSeries& series, const std::vector<QObject*>& sources);
// The series' legend symbol for the whole series into `r` of `target`, on
// a brush of the legend's colour. A series without a chart borrows one for
// the moment and comes back unchanged.
void PaintSeriesIcon(TChartSeries& series, DrawingBackend& target, const TRect& r);
