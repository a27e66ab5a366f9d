#pragma once
// A 600 x 300 chart with two titled line series, the export formats and
// metafile writers registered, and recorded prompts.
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/export/MetafileWriters.h"
#include "charteditor/exportdialog/ExportFormatsScope.h"
#include "charteditor/exportdialog/TPlotExportForm.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

class ExportTest : public ::testing::Test {
 protected:
  ExportTest() {
    chart.SetWidth(600);
    chart.SetHeight(300);
    for (int k = 0; k < 2; ++k) {
      auto* s = new TLineSeries(&chart);
      s->setObjectName(QStringLiteral("Series%1").arg(k + 1));
      s->SetTitle(QStringLiteral("Line %1").arg(k + 1));
      for (int i = 0; i < 5; ++i) s->AddPointXY(i, i * (k + 1));
      chart.AddSeries(s);
    }
  }
  // The dialog on `panel`, shown once (the show fills it).
  TPlotExportForm& Form(QObject* panel) {
    form.SetTag(panel);
    form.show();
    return form;
  }
  QString Path(const QString& name) const { return dir.filePath(name); }

  ChartEditorScope editors{{}, {RegisterSeriesTypes}};
  MetafileWritersScope writers;
  ExportFormatsScope formats;
  RecordingChartPrompts prompts;
  TChart chart;
  TPlotExportForm form;
  QTemporaryDir dir;
};
