// The demonstration file: a result file the reader opens, with physical values.
#include "resultdata/TResultFile.h"
#include "tools/demo/WallCornerModel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>

TEST(DemoWallCorner, ReaderOpensItWithPhysicalFields) {
  demo::WallCornerOptions options;
  options.days = 14;
  options.stepHours = 24;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("demo.vq3"));
  resultwriter::writeFile(demo::SimulateWallCorner(options), path);
  TResultFile file(path);
  EXPECT_EQ(file.MaterialCount(), 3);
  ASSERT_EQ(file.LastStepIndex(), 14);
  file.GotoStep(14);
  EXPECT_DOUBLE_EQ(file.StepTime(), 14 * 86400.0);
  const TFieldTable& f = file.FieldTable();
  for (TDataKind k : {dkTemperature, dkRelHumidity, dkWatercontent, dkVapourPressure})
    ASSERT_NE(f[k].Values, nullptr) << int(k);
  for (std::size_t k = 0; k < file.CellMaterials().size(); ++k) {
    if (file.CellMaterials()[k] <= 0) continue;
    const float t = f[dkTemperature].Values[k];
    ASSERT_TRUE(t > -30 && t < 40) << k;
    ASSERT_TRUE(f[dkRelHumidity].Values[k] > 0 && f[dkRelHumidity].Values[k] < 1) << k;
    ASSERT_GE(f[dkWatercontent].Values[k], 0) << k;
    // Vapour pressure stays below saturation at the cell's temperature.
    ASSERT_LT(f[dkVapourPressure].Values[k], 610.5 * std::exp(17.269 * t / (237.3 + t)) + 1) << k;
  }
}
