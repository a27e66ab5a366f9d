// The demonstration file: a readable result file whose fields behave as heat
// and moisture in an insulated wall corner do.
#include "resultdata/TResultFile.h"
#include "tools/demo/WallCornerModel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>

TEST(DemoWallCorner, ReaderOpensItWithPhysicalFieldsAndAutumnHeatFlowingOut) {
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
  for (TDataKind k : {dkTemperature, dkRelHumidity, dkWatercontent, dkVapourPressure, dkHeatFlux})
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
  // In October the room is warmer than outdoors: along the bottom leg of the
  // wall, far from the corner, the plaster is warmer than the insulation and
  // heat flows towards the outside (-y).
  const int ny = file.Ny(), i = file.Nx() - 2;
  const std::size_t outside = std::size_t(i * ny + 1), inside = std::size_t(i * ny + 10);
  ASSERT_TRUE(file.CellMaterials()[outside] > 0 && file.CellMaterials()[inside] > 0);
  EXPECT_GT(f[dkTemperature].Values[inside], f[dkTemperature].Values[outside]);
  EXPECT_NEAR(f[dkHeatFlux].Directions[i * ny + 5], -90.0F, 30.0F);
}
