#pragma once
// What the series list and gallery tests run on: the editors and the real
// series registrations started, a complete chart owned by a form-like
// owner (so new series are owned as the gallery makes them), the recording
// prompts, the gallery registered (its hooks in the series list), and the
// hooks put back when the test ends.
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/series/SeriesGallery.h"
#include "charteditor/series/SeriesGalleryHooks.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <QObject>

#include <memory>

class ListedChart {
 public:
  ListedChart();
  ~ListedChart();
  ListedChart(const ListedChart&) = delete;
  ListedChart& operator=(const ListedChart&) = delete;

  TChart& Chart() { return *chart_; }
  QObject& Owner() { return owner_; }
  // A series of the registered class named `className`, titled `title`
  // (may be empty), added to the chart and owned by the owner.
  TChartSeries* Add(const char* className, const QString& title = {});

  RecordingChartPrompts prompts;

 private:
  ChartEditorScope editors_{{RegisterSeriesGallery}, {RegisterSeriesTypes}};
  SeriesGalleryHooks savedHooks_;
  QObject owner_;
  std::unique_ptr<TChart> chart_;
};
