#include "app/ProgramComposition.h"

#include "chart/core/ChartPrompts.h"
#include "chart/model/ModelClassRegistrations.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/widget/QtChartPrompts.h"
#include "charteditor/export/TChartChart.h"
#include "charteditor/exportdialog/ExportPageRegistration.h"
#include "charteditor/pages/ChartPageRegistrations.h"
#include "charteditor/preview/PrintPageRegistration.h"
#include "charteditor/series/SeriesGallery.h"
#include "charteditor/series/SourceEditorForms.h"
#include "charteditor/serieseditors/SeriesEditorRegistrations.h"
#include "viewer/main/TfrmMain.h"

// The model classes, series types and the class names stored charts use are
// known by name from the start, as the data extractor's chart and anything
// made by class name expect. The editor side: the gallery serves Add and
// Change, the series and source editors fill the Series page's sheets, the
// page families the editor's further tabs.
ProgramComposition::ProgramComposition(platform::SettingsStore& settings)
    : chartEditors_({RegisterSeriesGallery, RegisterSeriesEditorForms, RegisterSourceEditorForms,
                     RegisterChartPages, RegisterPrintPage, RegisterExportPage},
                    {RegisterModelClasses, RegisterSeriesTypes, RegisterChartFileClasses}),
      window_(std::make_unique<TfrmMain>(settings)),
      chartPrompts_(std::make_unique<QtChartPrompts>(window_.get())) {
  previousPrompts_ = SetPrompts(chartPrompts_.get());
}

ProgramComposition::~ProgramComposition() {
  // The window's charts may still ask while they close; they ask the
  // window's dialogs until the window is gone.
  window_.reset();
  SetPrompts(previousPrompts_);
}
