#pragma once
// The series page under test: a complete chart holding two series of one
// class, the series editor form showing the first, and a walk of the whole
// chart (every published value of the chart and of each series, and the
// points) to tell which paths one user action changed.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"
#include "tests/charteditor/common/DialogRows.h"

#include <gtest/gtest.h>
#include <QMap>
#include <QMetaObject>
#include <QStringList>
#include <QVariant>

#include <memory>

class TChart;
class TChartSeries;

// The series classes of the engine and the editors registered for them.
class SeriesEditorsScope {
 public:
  SeriesEditorsScope();

 private:
  ChartEditorScope scope_;
};

class SeriesPage {
 public:
  // Two series of `seriesClass` with `points` points each; the form shows the first.
  explicit SeriesPage(const QMetaObject& seriesClass, int points = 6);
  ~SeriesPage();
  SeriesPage(const SeriesPage&) = delete;
  SeriesPage& operator=(const SeriesPage&) = delete;

  TChart& Chart() { return *chart_; }
  TChartSeries* Series(int index) const;
  TFormPlotSeries& Form() { return *form_; }
  RecordingChartPrompts& Prompts() { return prompts_; }

  // Shows the sheet of that caption ("Format", "General", "Point", ...) as a
  // user clicking its tab; false when the page has no such visible sheet.
  bool ShowSheet(const QString& caption);
  QStringList SheetCaptions() const;

  // The chart's published values by path ("Series1.Pointer.Style"), each
  // series' points as "Series<i>.Points".
  QMap<QString, QVariant> Snapshot() const;
  // The paths changed since the last Mark(), and the repaints asked for.
  void Mark();
  QStringList Changed() const;
  int repaints = 0;

 private:
  SeriesEditorsScope editors_;
  RecordingChartPrompts prompts_;
  std::unique_ptr<TChart> chart_;
  std::unique_ptr<TFormPlotSeries> form_;
  QMap<QString, QVariant> marked_;
};

// The control of that object name inside `w`; a missing one fails the test.
template <class T>
T* Control(QWidget& w, const char* name) {
  return child<T>(w, name);
}

// User actions on a control found by object name.
void Click(QWidget& w, const char* name);
void StepUp(QWidget& w, const char* name);
void TypeText(QWidget& w, const char* name, const QString& text);
// Chooses entry `index` of a combo box through its popup, as a user does.
void Choose(QWidget& w, const char* name, int index);
