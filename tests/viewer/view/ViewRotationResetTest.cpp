// Reset turns a view back to the top view, whichever way it was turned.
#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>

namespace {

struct View {
  ColorLegendModel legend;
  ViewModel model;
  View(ViewHost& host, TDataKind kind) : model(host, kind, legend) {}
  const ViewTransform& t() const { return model.Transform(); }
  // As the tool-bar rotations do: on this view's own transform.
  void Turn(float x, float y, float z) {
    ViewTransform& own = model.TransformForUpdate();
    own.AngleX += x;
    own.AngleY += y;
    own.AngleZ += z;
  }
};

TEST(ViewResetRotation, ZeroesTheViewsOwnAnglesAndTheSharedOnesOfScalarViews) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View flow(host, dkHeatFlux), temperature(host, dkTemperature), water(host, dkWatercontent);
  flow.Turn(10, -20, 30);
  water.model.SetAngleX(40);   // shared by the scalar views
  temperature.Turn(0, 0, 15);  // its own, like a tool-bar rotation

  flow.model.ResetRotation();
  EXPECT_EQ((std::array{flow.t().AngleX, flow.t().AngleY, flow.t().AngleZ}),
            (std::array{0.0F, 0.0F, 0.0F}));
  // A vector view's reset reaches no other view.
  EXPECT_FLOAT_EQ(water.t().AngleX, 40);
  EXPECT_FLOAT_EQ(temperature.t().AngleZ, 15);

  temperature.model.ResetRotation();
  for (const View* v : {&temperature, &water}) {
    EXPECT_FLOAT_EQ(v->t().AngleX, 0);
    EXPECT_FLOAT_EQ(v->t().AngleZ, 0);
  }
}

}  // namespace
