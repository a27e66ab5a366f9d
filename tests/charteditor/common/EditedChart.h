#pragma once
// What the editor dialogs are tested on: a complete chart with one line
// series of a few points and a captioned title. Its parts carry every
// attribute those dialogs edit: the series' pen and brush, the back wall's
// gradient, the title's font and the title as a framed shape. The chart's
// repaint requests are counted, it renders into a 400 x 300 image, and it
// is walked generically (the series included) for the paths a dialog
// changed.
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TLineSeries.h"

#include <QImage>
#include <QMap>
#include <QStringList>
#include <QVariant>

#include <memory>

class EditedChart {
 public:
  EditedChart();
  ~EditedChart();
  EditedChart(const EditedChart&) = delete;
  EditedChart& operator=(const EditedChart&) = delete;

  TChart& Chart() { return *chart_; }
  const TChart& Chart() const { return *chart_; }
  TLineSeries* Series() const { return series_.get(); }

  // The parts the dialogs edit; their paths in the walk are "Series0.Pen",
  // "Series0.Brush", "BackWall.Gradient", "Title.Font" and "Title".
  TChartPen* Pen() const { return series_->Pen(); }
  TChartBrush* Brush() const { return series_->Brush(); }
  TChartGradient* Gradient() const { return chart_->BackWall()->Gradient(); }
  TPlotFont* Font() const { return chart_->Title()->Font(); }
  TChartTitle* Title() const { return chart_->Title(); }

  // The repaints the chart asked its window for.
  int changes = 0;

  void ResetCounts() { changes = 0; }

  // The whole chart drawn through the QPainter backend into a 400 x 300 image.
  QImage Render();

 private:
  ChartEngineScope engine_;
  std::unique_ptr<TChart> chart_;
  std::unique_ptr<TLineSeries> series_;
};

// Every stored published value below `object` by path ("Frame.Width"), the
// extra stored values (a picture's image) included.
QMap<QString, QVariant> PublishedSnapshot(const QObject& object);
// The whole chart: its own paths ("Title.Frame.Width"), then each series'
// under "Series<index>." ("Series0.Pen.Width").
QMap<QString, QVariant> PublishedSnapshot(const EditedChart& chart);
// The paths whose values differ, sorted.
QStringList ChangedPaths(const QMap<QString, QVariant>& before,
                         const QMap<QString, QVariant>& after);
