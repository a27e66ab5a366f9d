#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/ViewModel.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <gtest/gtest.h>

namespace {

struct View {
  ColorLegendModel legend;
  ViewModel model;
  int repaints = 0;
  View(ViewHost& host, TDataKind kind) : model(host, kind, legend) {
    model.OnRepaint = [this] { ++repaints; };
  }
  const ViewTransform& t() const { return model.Transform(); }
};

}  // namespace

// Digits grow as the range narrows; ranges wider than 1 get whole bounds
// rounded half to even; relative humidity is never rounded and ends at 1.
TEST(ViewLegendFollowsKindRange, DigitsAndBoundsByRangeWidth) {
  const struct {
    TDataKind kind;
    double min, max;
    int digits;
    double minAct, maxAct;
  } cases[] = {
      {dkWatercontent, 0, 0.005, 3, 0, 0.005},
      {dkWatercontent, 0, 0.000005, 6, 0, 0.000005},
      {dkTemperature, 0, 50, 1, 0, 50},  // round(-0.5) and round(50.5) tie to even
      {dkTemperature, -25.2, 25.5, 1, -26, 26},
      {dkTemperature, 1, 51, 1, 0, 52},
      {dkVapourPressure, 0, 500, 0, 0, 500},
      {dkVapourPressure, 0, 10, 2, 0, 10},  // the comparisons are strict
      {dkVapourPressure, 0, 100, 1, 0, 100},
      {dkVapourPressure, 0.3, 1.3, 2, 0.3, 1.3},  // a range of exactly 1 is kept
      {dkRelHumidity, 0.2, 50.7, 1, 0.2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min << " .. " << c.max << " kind " << c.kind);
    const LegendRange r = ViewModel::LegendRangeFor(c.kind, c.min, c.max);
    EXPECT_EQ(r.Digits, c.digits);
    EXPECT_DOUBLE_EQ(r.MinValAct, c.minAct);
    EXPECT_DOUBLE_EQ(r.MaxValAct, c.maxAct);
  }
  EXPECT_DOUBLE_EQ(ViewModel::LegendRangeFor(dkRelHumidity, 0.2, 50.7).MaxVal, 1.0);

  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  host.SetRange(dkTemperature, -10.2f, 30);  // a view sets its legend up alike
  View view(host, dkTemperature);
  EXPECT_DOUBLE_EQ(view.legend.MinValAct(), -11);
  EXPECT_EQ(view.legend.Digits(), 1);
}

TEST(ViewFitScale, FitsTheLongerSideAndTheKindRange) {
  ViewTestHost host({0, 1, 3}, {0, 2, 4, 6}, ViewTestHost::AllActive(3, 4));
  host.SetRange(dkTemperature, -20, 20);
  host.SetRange(dkHeatFlux, 0, 500);
  host.SetRange(dkWatercontent, 7, 7);
  View scalar(host, dkTemperature), vector(host, dkHeatFlux), flat(host, dkWatercontent);
  for (View* v : {&scalar, &vector, &flat}) v->model.FitScale();
  EXPECT_FLOAT_EQ(scalar.t().ScaleX, 1.1f / 6);  // and ScaleY alike
  EXPECT_FLOAT_EQ(scalar.t().ScaleZ, 1.0f / 40);
  EXPECT_FLOAT_EQ(vector.t().ScaleZ, 1.0f);
  EXPECT_FLOAT_EQ(flat.t().ScaleZ, 1.0f);  // an empty range must not divide by zero

  ViewTestHost empty;  // no grid: nothing to fit
  View none(empty, dkTemperature);
  none.model.FitScale();
  EXPECT_EQ(none.t().ScaleX, 1.0f);
}

TEST(ViewsOfAProjectMoveTogether, ScalarViewsShareTurnAndShiftNotZoomVectorViewsStayApart) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View air(host, dkAirVelocity), temperature(host, dkTemperature), water(host, dkWatercontent);
  water.model.SetAngleX(30);
  water.model.SetTranY(0.25f);
  water.model.SetScaleX(4);
  EXPECT_FLOAT_EQ(temperature.t().AngleX, 30);
  EXPECT_FLOAT_EQ(temperature.t().TranY, 0.25f);
  EXPECT_FLOAT_EQ(temperature.t().ScaleX, 1);
  EXPECT_FLOAT_EQ(air.t().AngleX, 0);
  EXPECT_FLOAT_EQ(air.t().TranY, -0.07f);

  // The vector view moves alone and never rotates.
  air.model.SetAngleZ(45);
  air.model.SetTranX(0.5f);
  EXPECT_FLOAT_EQ(air.t().AngleZ, 0);
  EXPECT_FLOAT_EQ(air.t().TranX, 0.5f);
  EXPECT_FLOAT_EQ(water.t().TranX, -0.1f);
}

TEST(ViewsOfAProjectMoveTogether, OthersRepaintOnceLoadedAndAClosedViewLeavesTheList) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View air(host, dkAirVelocity), water(host, dkWatercontent);
  {
    View temperature(host, dkTemperature);
    water.model.SetAngleX(10);
    EXPECT_EQ(air.repaints + water.repaints + temperature.repaints, 0);
    host.SetLoaded(true);
    water.model.SetAngleX(20);
    EXPECT_EQ(air.repaints, 1);
    EXPECT_EQ(temperature.repaints, 1);
    EXPECT_EQ(water.repaints, 0);  // the caller repaints the view it changed
  }
  ASSERT_EQ(host.ViewModels().size(), 2u);
  water.model.SetAngleY(5);  // must not reach the freed view
  EXPECT_FLOAT_EQ(water.t().AngleY, 5);
}
