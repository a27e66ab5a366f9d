#pragma once
// The chart the storage tests export: an engine with the storage test
// classes, a complete chart, and series added to it by class.
#include "StorageTestTypes.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "charteditor/export/TChartChart.h"

#include <QBuffer>
#include <QLocale>

#include <gtest/gtest.h>

class StorageTest : public ::testing::Test {
 protected:
  void TearDown() override { QLocale::setDefault(QLocale::c()); }

  template <class S>
  S* Add(const QString& title = {}) {
    auto* s = new S(&chart);
    s->setObjectName(QStringLiteral("Series%1").arg(chart.SeriesCount() + 1));
    s->SetTitle(title);
    chart.AddSeries(s);
    return s;
  }

  ChartEngineScope engine{RegisterSeriesTypes, RegisterStorageTestClasses,
                          RegisterChartFileClasses};
  TChart chart;
};

template <class Exporter>
QByteArray ExportBytes(Exporter& exporter) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  exporter.SaveToStream(buffer);
  return bytes;
}
