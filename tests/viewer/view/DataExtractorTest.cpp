// The data extractor's model on written result files with unequal cells:
// the weighted mean, which steps give points, what it refuses, slices and
// cancelling, a read error, the project's reader left alone, and the text
// export's bytes.
#include "base/Exceptions.h"
#include "resultdata/TResultFile.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "viewer/view/DataExtractor.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int Nx = 6, Ny = 7;
constexpr int Steps = 5;
constexpr double StepSeconds = 1800;
constexpr int Temperature = 2;

// Node value k + 1000 n in step n; step 2 has no number at node 16.
resultwriter::ResultFileSpec Content() {
  resultwriter::ResultFileSpec spec;
  spec.version = 2;
  spec.setKinds({Temperature});
  spec.x = {0, 1, 3, 6, 10, 15};     // widths 0 1 2 3 4 5
  spec.y = {0, 2, 3, 7, 8, 11, 12};  // heights 0 2 1 4 1 3 1
  for (int n = 0; n < Steps; ++n) {
    resultwriter::Step step;
    step.time = StepSeconds * n;
    auto& v = step.values[Temperature];
    for (int k = 0; k < Nx * Ny; ++k) v.push_back(float(k + 1000 * n));
    if (n == 2) v[16] = std::numeric_limits<float>::quiet_NaN();
    spec.steps.push_back(step);
  }
  return spec;
}

std::vector<float> Widths(const std::vector<float>& coordinates) {
  std::vector<float> out{0};
  for (std::size_t i = 1; i < coordinates.size(); ++i)
    out.push_back(coordinates[i] - coordinates[i - 1]);
  return out;
}

class DataExtractorModel : public testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("run.vq3"));
  resultwriter::ResultFileSpec spec = Content();
  base::TDateTime start = 0;

  DataExtractorModel() {
    resultwriter::writeFile(spec, path);
    start = TResultFile(path).StartDate();
  }
  std::unique_ptr<DataExtractor> Make(TDataKind kind = dkTemperature) {
    return std::make_unique<DataExtractor>(path, kind, Widths(spec.x), Widths(spec.y), start);
  }
  // One step per slice; a run that wrapped round would never end.
  static void RunToEnd(DataExtractor& e) {
    for (int slices = 0; slices < 10000 && e.RunSlice(std::chrono::nanoseconds(0)); ++slices) {
    }
    ASSERT_FALSE(e.Running());
  }
  double Day(double seconds) const { return start + seconds / 86400; }
};

TEST_F(DataExtractorModel, MeanWeighsEachCellByItsArea) {
  auto e = Make();
  struct Case {
    DataExtractorRect cells;
    double stepOneMean;
  } cases[] = {
      // Widths 2, 3 by heights 1, 4, 1: (2 (16 + 68 + 18) + 3 (23 + 96 + 25)) / 30.
      {{2, 2, 3, 4}, 636.0 / 30 + 1000},
      {{4, 5, 4, 5}, 33 + 1000},  // one cell: its value
  };
  for (const Case& c : cases) {
    ASSERT_EQ(e->Start(c.cells, start, start + 1), QString());
    RunToEnd(*e);
    ASSERT_FALSE(e->Points().empty());
    EXPECT_DOUBLE_EQ(e->Points()[0].y(), c.stepOneMean);
  }
}

TEST_F(DataExtractorModel, TheStepReachingTheSpanOpensItAndTheLastInItIsPlotted) {
  auto e = Make();
  const DataExtractorRect cell{4, 5, 4, 5};
  struct Case {
    const char* name;
    double from, to;  // days after the start
    std::vector<int> steps;
  } cases[] = {
      {"from the start: step 0 consumed", 0, 1, {1, 2, 3, 4}},
      {"to on a step: that step is the last", 0, 3 * StepSeconds / 86400, {1, 2, 3}},
      // An hour before 1:30 is step 1 at 0:30: consumed.
      {"from a later hour", 3 * StepSeconds / 86400, 1, {2, 3, 4}},
      {"from after the last step", 1, 2, {}},
      {"to before from", 3 * StepSeconds / 86400, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(e->Start(cell, start + c.from, start + c.to), QString());
    RunToEnd(*e);
    std::vector<int> got;
    for (const QPointF& p : e->Points()) got.push_back(int(std::lround((p.x() - start) * 48)));
    EXPECT_EQ(got, c.steps);
    EXPECT_EQ(e->Error(), QString());
  }
}

TEST_F(DataExtractorModel, AStepWithoutANumberGivesNoPoint) {
  auto e = Make();
  ASSERT_EQ(e->Start({2, 2, 3, 4}, start, start + 1), QString());
  RunToEnd(*e);
  ASSERT_EQ(e->Points().size(), 3u);  // steps 1, 3, 4
  EXPECT_EQ(e->SkippedSteps(), 1);
  EXPECT_DOUBLE_EQ(e->Points()[1].x(), Day(3 * StepSeconds));
  EXPECT_EQ(e->ProgressPercent(), 100);
}

TEST_F(DataExtractorModel, RefusesBeforeReading) {
  struct Case {
    const char* name;
    DataExtractorRect cells;
    std::vector<float> dx;
    TDataKind kind;
  } cases[] = {
      {"empty across", {3, 2, 2, 2}, Widths(spec.x), dkTemperature},
      {"empty upwards", {2, 3, 2, 2}, Widths(spec.x), dkTemperature},
      {"beyond the grid", {2, 2, 5, 2}, Widths(spec.x), dkTemperature},
      {"no area", {3, 2, 3, 4}, {0, 1, 2, 0, 4, 5}, dkTemperature},
      {"grid too small", {2, 2, 2, 2}, {0, 1, 2}, dkTemperature},
      {"field not in the file", {2, 2, 2, 2}, Widths(spec.x), dkWatercontent},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DataExtractor e(path, c.kind, c.dx, Widths(spec.y), start);
    EXPECT_NE(e.Start(c.cells, start, start + 1), QString());
    EXPECT_FALSE(e.Running());
    EXPECT_EQ(e.StepsRead(), 0);
  }
}

TEST_F(DataExtractorModel, SlicesCanBeCancelledKeepingTheirPoints) {
  auto e = Make();
  ASSERT_EQ(e->Start({4, 5, 4, 5}, start, start + 1), QString());
  // A slice reads at least one step: step 0 opens the span, step 1 is a point.
  EXPECT_TRUE(e->RunSlice(std::chrono::nanoseconds(0)));
  EXPECT_TRUE(e->RunSlice(std::chrono::nanoseconds(0)));
  EXPECT_EQ(e->TakeNewPoints().size(), 1u);
  e->Cancel();
  EXPECT_FALSE(e->Running());
  EXPECT_EQ(e->Points().size(), 1u);
  EXPECT_EQ(e->ProgressPercent(), 40);
  EXPECT_TRUE(e->TakeNewPoints().empty());
}

TEST_F(DataExtractorModel, LeavesTheProjectsReaderAlone) {
  TResultFile project(path);
  project.GotoStep(2);
  const std::vector<std::byte> before(project.StepBuffer(),
                                      project.StepBuffer() + project.PayloadSize());
  auto e = Make();
  ASSERT_EQ(e->Start({2, 2, 4, 5}, start, start + 1), QString());
  RunToEnd(*e);
  EXPECT_EQ(project.CurrentStepIndex(), 2);
  EXPECT_EQ(std::memcmp(before.data(), project.StepBuffer(), before.size()), 0);
}

TEST_F(DataExtractorModel, AReadErrorEndsTheRunWithItsMessageKeepingThePoints) {
  // More steps than the reader buffers, so that reads reach the disk.
  for (int n = Steps; n < 2000; ++n) {
    spec.steps.push_back(spec.steps[1]);
    spec.steps.back().time = StepSeconds * n;
  }
  resultwriter::writeFile(spec, path);
  auto e = Make();
  ASSERT_EQ(e->Start({4, 5, 4, 5}, start, start + 1000), QString());
  e->RunSlice(std::chrono::nanoseconds(0));
  QFile(path).resize(QFile(path).size() / 3);  // the file shrinks under the run
  RunToEnd(*e);
  EXPECT_FALSE(e->Running());
  EXPECT_NE(e->Error(), QString());
  EXPECT_GT(e->Points().size(), 0u);
  EXPECT_LT(e->Points().size(), 1000u);
}

TEST(DataExtractorText, MinutesAndMeanInFixedColumnsWithAPointInAnyLocale) {
  const base::TDateTime start = 36526;
  const std::vector<QPointF> points = {{start + 90.0 / 1440, 1.234567}, {start, -12.5}};
  for (const QLocale& locale : {LocaleGuard::English(), LocaleGuard::German()}) {
    LocaleGuard guard(locale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteDataExtractorText(buffer, points, start);
    EXPECT_EQ(bytes, QByteArray("    90  1.23457\r\n     0 -12.50000\r\n"));
  }
}

TEST(DataExtractorText, AnUnwritableTargetRaisesAndLeavesTheOldFile) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("no/such/folder/out.txt"));
  EXPECT_THROW(SaveDataExtractorText(missing, {{0, 1}}, 0), base::EFileError);
  EXPECT_FALSE(QFile::exists(missing));
  // A folder in the file's place: refused, and the folder stays.
  EXPECT_THROW(SaveDataExtractorText(dir.path(), {{0, 1}}, 0), base::EFileError);
  EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

}  // namespace
