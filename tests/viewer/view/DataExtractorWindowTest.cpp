// The data extractor's window over a written result file: an update runs in
// timer slices driven here one by one (the test runs no event loop), the
// button reads "&cancel" meanwhile, the bar reaches 100 %, the chart shows
// the points, and the points save as text through the file-name prompt.
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/widget/ChartWidget.h"
#include "tests/chart/support/RecordingChartPrompts.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/view/TfrmData1D.h"

#include <QDateEdit>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int Steps = 200;

QString WriteFile(const QString& path) {
  resultwriter::writeFile(resultwriter::temperatureRunSpec(Steps), path);
  return path;
}

class DataExtractorWindow : public testing::Test {
 protected:
  ChartEngineScope engine;
  QTemporaryDir dir;
  ViewFileHost host{WriteFile(dir.filePath(QStringLiteral("run.vq3")))};
  TfrmData1D window{host, dkTemperature};
};

TEST_F(DataExtractorWindow, UpdateRunsInSlicesToTheEndAndChartsEveryStep) {
  auto* right = window.findChild<QSpinBox*>(QStringLiteral("SEURx"));
  auto* top = window.findChild<QSpinBox*>(QStringLiteral("SEURy"));
  ASSERT_TRUE(right && top);
  EXPECT_EQ(right->maximum(), 4);
  EXPECT_EQ(top->maximum(), 5);
  right->setValue(4);
  top->setValue(5);
  auto* to = window.findChild<QDateEdit*>(QStringLiteral("dto"));
  to->setDate(to->date().addDays(1));
  window.UpdateButton().click();
  EXPECT_EQ(window.UpdateButton().text(), QStringLiteral("&cancel"));
  ASSERT_TRUE(window.SliceTimer().isActive());
  int slices = 0;
  while (window.SliceTimer().isActive() && slices < 100000) {
    window.RunSlice();
    ++slices;
  }
  EXPECT_FALSE(window.SliceTimer().isActive());
  EXPECT_EQ(window.Progress().value(), 100);
  EXPECT_EQ(window.UpdateButton().text(), QStringLiteral("&update"));
  // A day from the start: step 0 opens it, 48 half hours follow.
  EXPECT_EQ(window.Series().PointCount(), 48);
  EXPECT_EQ(window.Series().UpdateCount(), 0);

  auto* chart = window.findChild<ChartWidget*>(QStringLiteral("Chart1"));
  ASSERT_NE(chart, nullptr);
  chart->resize(400, 300);
  const QImage image = chart->grab().toImage();
  testsupport::saveArtifact(image, QStringLiteral("DataExtractorWindow_chart.png"));
  int red = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_GT(red, 100) << "the line is drawn";
}

TEST_F(DataExtractorWindow, CancelStopsTheSlicesAndSaveWritesEveryPoint) {
  auto* to = window.findChild<QDateEdit*>(QStringLiteral("dto"));
  to->setDate(to->date().addDays(10));
  window.UpdateButton().click();
  window.UpdateButton().click();  // "&cancel" before the first slice
  EXPECT_FALSE(window.SliceTimer().isActive());
  EXPECT_EQ(window.UpdateButton().text(), QStringLiteral("&update"));
  EXPECT_LT(window.Progress().value(), 100);

  window.UpdateButton().click();
  while (window.SliceTimer().isActive()) window.RunSlice();
  ASSERT_EQ(window.Series().PointCount(), Steps - 1);
  RecordingChartPrompts prompts;
  prompts.fileAnswers = {dir.filePath(QStringLiteral("mean.txt"))};
  window.SaveClick();
  QFile saved(dir.filePath(QStringLiteral("mean.txt")));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray text = saved.readAll();
  EXPECT_EQ(text.count("\r\n"), Steps - 1);
  EXPECT_TRUE(text.startsWith("    30 ")) << "minutes of step 1";
}

TEST_F(DataExtractorWindow, ARefusedRectangleShowsWhyAndLeavesTheChart) {
  RecordingChartPrompts prompts;
  window.findChild<QSpinBox*>(QStringLiteral("SEBLx"))->setValue(4);
  window.UpdateButton().click();
  EXPECT_FALSE(window.SliceTimer().isActive());
  EXPECT_EQ(prompts.errors().size(), 1);
  EXPECT_EQ(window.Series().PointCount(), 0);
}

}  // namespace
