// The demonstration file: a readable result file whose fields behave as heat
// and moisture in an insulated wall corner do, made the same way every time.
#include "resultdata/TResultFile.h"
#include "tools/demo/WallCornerModel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>

namespace {

demo::WallCornerOptions TwoWeeks() {
  demo::WallCornerOptions o;
  o.days = 14;
  o.stepHours = 24;
  return o;
}

TEST(DemoWallCorner, SameOptionsGiveTheSameBytes) {
  const QByteArray a = resultwriter::writeBytes(demo::SimulateWallCorner(TwoWeeks()));
  const QByteArray b = resultwriter::writeBytes(demo::SimulateWallCorner(TwoWeeks()));
  EXPECT_EQ(a, b);
}

TEST(DemoWallCorner, ReaderSeesSixFieldsOverTheStepsAndThreeMaterials) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("demo.vq3"));
  resultwriter::writeFile(demo::SimulateWallCorner(TwoWeeks()), path);
  TResultFile file(path);
  EXPECT_EQ(file.LastStepIndex(), 14);
  EXPECT_EQ(file.MaterialCount(), 3);
  int kinds = 0;
  for (TDataKind k : file.HeaderBlock().KindSlots) kinds += k != dkEmpty;
  EXPECT_EQ(kinds, 6);
  file.GotoStep(14);
  EXPECT_DOUBLE_EQ(file.StepTime(), 14 * 86400.0);
}

TEST(DemoWallCorner, FieldsStayPhysicalAndAutumnHeatFlowsOutwards) {
  const resultwriter::ResultFileSpec spec = demo::SimulateWallCorner(TwoWeeks());
  const int ny = spec.ny();
  for (const resultwriter::Step& step : spec.steps) {
    for (std::size_t k = 0; k < spec.cellMaterials.size(); ++k) {
      if (!spec.cellMaterials[k]) continue;
      const float t = step.values[dkTemperature][k], phi = step.values[dkRelHumidity][k];
      ASSERT_GT(t, -30.0F);
      ASSERT_LT(t, 40.0F);
      ASSERT_GT(phi, 0.0F);
      ASSERT_LT(phi, 1.0F);
      ASSERT_GE(step.values[dkWatercontent][k], 0.0F);
      // Vapour pressure stays below saturation at the cell's temperature.
      ASSERT_LT(step.values[dkVapourPressure][k], 610.5 * std::exp(17.269 * t / (237.3 + t)) + 1);
    }
  }
  // In October the room is warmer than outdoors: along the bottom leg of the
  // wall (far from the corner) the plaster is warmer than the insulation and
  // heat flows towards the outside (-y).
  const resultwriter::Step& last = spec.steps.back();
  const int i = spec.nx() - 2;
  const std::size_t outside = static_cast<std::size_t>(i * ny + 1);
  const std::size_t inside = static_cast<std::size_t>(i * ny + 10);
  ASSERT_NE(spec.cellMaterials[outside], 0);
  ASSERT_NE(spec.cellMaterials[inside], 0);
  EXPECT_GT(last.values[dkTemperature][inside], last.values[dkTemperature][outside]);
  const float direction = last.directions[dkHeatFlux][static_cast<std::size_t>(i * ny + 5)];
  EXPECT_NEAR(direction, -90.0F, 30.0F);
}

}  // namespace
