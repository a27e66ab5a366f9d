#include "base/Colors.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/ViewModel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct View {
  ColorLegendModel legend;
  std::unique_ptr<ViewModel> model;
  int repaints = 0;
  View(ViewHost& host, TDataKind kind) : model(std::make_unique<ViewModel>(host, kind, legend)) {
    model->OnRepaint = [this] { ++repaints; };
  }
};

}  // namespace

TEST(ViewLegendFollowsKindRange, DigitsGrowAsTheRangeNarrows) {
  EXPECT_EQ(ViewModel::LegendRangeFor(dkWatercontent, 0, 0.005).Digits, 3);
  EXPECT_EQ(ViewModel::LegendRangeFor(dkWatercontent, 0, 0.0005).Digits, 4);
  EXPECT_EQ(ViewModel::LegendRangeFor(dkWatercontent, 0, 0.00005).Digits, 5);
  EXPECT_EQ(ViewModel::LegendRangeFor(dkWatercontent, 0, 0.000005).Digits, 6);
  // Ranges between 0.01 and 10 keep the legend's two decimals.
  EXPECT_EQ(ViewModel::LegendRangeFor(dkWatercontent, 0, 0.01).Digits, 2);
  EXPECT_EQ(ViewModel::LegendRangeFor(dkWatercontent, 0, 5).Digits, 2);
}

TEST(ViewLegendFollowsKindRange, WideRangesGetWholeBoundsAndFewerDigits) {
  const LegendRange fifty = ViewModel::LegendRangeFor(dkTemperature, 0, 50);
  EXPECT_EQ(fifty.Digits, 1);
  EXPECT_DOUBLE_EQ(fifty.MinVal, 0);
  EXPECT_DOUBLE_EQ(fifty.MaxVal, 50);
  EXPECT_DOUBLE_EQ(fifty.MinValAct, 0);   // round(-0.5) ties to even
  EXPECT_DOUBLE_EQ(fifty.MaxValAct, 50);  // round(50.5) ties to even
  const LegendRange odd = ViewModel::LegendRangeFor(dkTemperature, -25.2f, 25.5f);
  EXPECT_DOUBLE_EQ(odd.MinValAct, -26);  // round(-25.7)
  EXPECT_DOUBLE_EQ(odd.MaxValAct, 26);   // round(26.0)
  const LegendRange shifted = ViewModel::LegendRangeFor(dkTemperature, 1, 51);
  EXPECT_DOUBLE_EQ(shifted.MinValAct, 0);   // round(0.5)
  EXPECT_DOUBLE_EQ(shifted.MaxValAct, 52);  // round(51.5)
  EXPECT_EQ(ViewModel::LegendRangeFor(dkVapourPressure, 0, 500).Digits, 0);
  // Exactly 10 and 100 are not "wider than": the comparisons are strict.
  EXPECT_EQ(ViewModel::LegendRangeFor(dkVapourPressure, 0, 10).Digits, 2);
  EXPECT_EQ(ViewModel::LegendRangeFor(dkVapourPressure, 0, 100).Digits, 1);
  // A range of exactly 1 is not widened.
  EXPECT_DOUBLE_EQ(ViewModel::LegendRangeFor(dkVapourPressure, 0.3, 1.3).MinValAct, 0.3);
}

TEST(ViewLegendFollowsKindRange, RelativeHumidityIsNeverRoundedAndEndsAtOne) {
  const LegendRange rh = ViewModel::LegendRangeFor(dkRelHumidity, 0.2f, 50.7f);
  EXPECT_EQ(rh.Digits, 1);
  EXPECT_FLOAT_EQ(float(rh.MinValAct), 0.2f);
  EXPECT_DOUBLE_EQ(rh.MaxVal, 1.0);
  EXPECT_DOUBLE_EQ(rh.MaxValAct, 1.0);
}

TEST(ViewLegendFollowsKindRange, ViewSetsUpItsLegendForTheKind) {
  ViewTestHost host(4, 4, ViewTestHost::AllActive(4, 4));
  host.SetRange(dkTemperature, -10, 30);
  View temperature(host, dkTemperature);
  const ColorLegendModel& legend = temperature.legend;
  EXPECT_EQ(legend.BoxCount(), 10);
  EXPECT_TRUE(legend.ColorsLinear());
  EXPECT_TRUE(legend.CanEdit());
  EXPECT_DOUBLE_EQ(legend.MinVal(), -10);
  EXPECT_DOUBLE_EQ(legend.MaxVal(), 30);
  EXPECT_DOUBLE_EQ(legend.MinValAct(), -10);  // round(-10.5) ties to even
  EXPECT_DOUBLE_EQ(legend.MaxValAct(), 30);
  EXPECT_EQ(legend.Digits(), 1);
  EXPECT_EQ(legend.GetBoxColor(1), base::RGB(0, 0, 128));
  EXPECT_EQ(legend.GetBoxColor(10), base::RGB(255, 0, 0));
  EXPECT_EQ(legend.Color(), base::RGB(230, 230, 224));
  EXPECT_EQ(legend.CustomColor(), (QStringList{"ColorA=788a8f", "ColorB=e0e6e6"}));
  EXPECT_EQ(temperature.model->NumberFormat(), "%4.0f");
  EXPECT_EQ(temperature.model->ValueFormat(), QString::fromUtf8("%4.4g [°C]"));
  EXPECT_EQ(temperature.model->DrawFlags(), 196);

  View humidity(host, dkRelHumidity);
  EXPECT_EQ(humidity.model->NumberFormat(), "%4.1f");
  EXPECT_EQ(humidity.model->ValueFormat(), "%4.3g [-]");
  EXPECT_EQ(humidity.legend.GetBoxColor(10), base::RGB(0, 128, 0));

  View flux(host, dkHeatFlux);
  EXPECT_EQ(flux.legend.BoxCount(), 1);
  EXPECT_EQ(flux.model->NumberFormat(), "%e");
  EXPECT_EQ(flux.model->DrawFlags(), 152);
  EXPECT_TRUE(flux.model->HasFlag(dfArrow));
  EXPECT_TRUE(flux.model->HasFlag(dfArrowNorm));
  EXPECT_TRUE(flux.model->HasFlag(dfMaterialBorders));
}

TEST(ViewCaption, WindowNamesKindAndFileLegendKeepsTheName) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View view(host, dkWatercontent);
  EXPECT_EQ(view.model->WindowCaption(),
            QString::fromUtf8("Watercontent [kg/m³] (/data/wall.res)"));
  view.model->SetViewCaption("  Moisture  ");
  EXPECT_EQ(view.model->WindowCaption(), "Moisture (/data/wall.res)");
  EXPECT_EQ(view.legend.Caption(), "  Moisture  ");
}

TEST(ViewFitScale, FitsTheLongerSideAndTheKindRange) {
  ViewTestHost host({0, 1, 3}, {0, 2, 4, 6}, ViewTestHost::AllActive(3, 4));
  host.SetRange(dkTemperature, -20, 20);
  host.SetRange(dkHeatFlux, 0, 500);
  host.SetRange(dkWatercontent, 7, 7);
  View scalar(host, dkTemperature), vector(host, dkHeatFlux), flat(host, dkWatercontent);
  for (View* v : {&scalar, &vector, &flat}) v->model->FitScale();
  EXPECT_FLOAT_EQ(scalar.model->Transform().ScaleX, 1.1f / 6);
  EXPECT_FLOAT_EQ(scalar.model->Transform().ScaleY, 1.1f / 6);
  EXPECT_FLOAT_EQ(scalar.model->Transform().ScaleZ, 1.0f / 40);
  EXPECT_FLOAT_EQ(vector.model->Transform().ScaleZ, 1.0f);
  // An empty range would divide by zero; the heights stay unscaled.
  EXPECT_FLOAT_EQ(flat.model->Transform().ScaleZ, 1.0f);
}

TEST(ViewFitScale, DoesNothingWithoutGridAndResetZeroesTranslation) {
  ViewTestHost empty;
  View none(empty, dkTemperature);
  none.model->FitScale();
  EXPECT_FLOAT_EQ(none.model->Transform().ScaleX, 1.0f);
  EXPECT_FLOAT_EQ(none.model->Transform().TranX, -0.1f);
  none.model->ResetView();
  EXPECT_FLOAT_EQ(none.model->Transform().TranX, 0.0f);
  EXPECT_FLOAT_EQ(none.model->Transform().TranY, 0.0f);
  EXPECT_FLOAT_EQ(none.model->Transform().TranZ, 0.0f);
}

TEST(ViewsOfAProjectMoveTogether, ScalarViewsShareRotationAndTranslationNotZoom) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View air(host, dkAirVelocity), temperature(host, dkTemperature), water(host, dkWatercontent);
  ASSERT_EQ(host.ViewModels().size(), 3u);

  water.model->SetAngleX(30);
  water.model->SetTranY(0.25f);
  water.model->SetScaleX(4);
  EXPECT_FLOAT_EQ(temperature.model->Transform().AngleX, 30);
  EXPECT_FLOAT_EQ(temperature.model->Transform().TranY, 0.25f);
  EXPECT_FLOAT_EQ(temperature.model->Transform().ScaleX, 1);
  EXPECT_FLOAT_EQ(water.model->Transform().ScaleX, 4);
  // The vector view neither rotates nor moves with them.
  EXPECT_FLOAT_EQ(air.model->Transform().AngleX, 0);
  EXPECT_FLOAT_EQ(air.model->Transform().TranY, -0.07f);
}

TEST(ViewsOfAProjectMoveTogether, VectorViewMovesAloneAndNeverRotates) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View air(host, dkAirVelocity), water(host, dkWatercontent);
  air.model->SetAngleZ(45);
  air.model->SetTranX(0.5f);
  air.model->SetScaleY(2);
  EXPECT_FLOAT_EQ(air.model->Transform().AngleZ, 0);
  EXPECT_FLOAT_EQ(air.model->Transform().TranX, 0.5f);
  EXPECT_FLOAT_EQ(air.model->Transform().ScaleY, 2);
  EXPECT_FLOAT_EQ(water.model->Transform().TranX, -0.1f);
  EXPECT_FLOAT_EQ(water.model->Transform().ScaleY, 1);
}

TEST(ViewsOfAProjectMoveTogether, OtherViewsRepaintOnlyOnceTheProjectIsLoaded) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View air(host, dkAirVelocity), water(host, dkWatercontent), temperature(host, dkTemperature);
  water.model->SetAngleX(10);
  EXPECT_EQ(air.repaints + water.repaints + temperature.repaints, 0);
  host.SetLoaded(true);
  water.model->SetAngleX(20);
  EXPECT_EQ(air.repaints, 1);
  EXPECT_EQ(temperature.repaints, 1);
  EXPECT_EQ(water.repaints, 0);  // the caller repaints the view it changed
}

TEST(ViewsOfAProjectMoveTogether, AClosedViewLeavesTheProjectList) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View water(host, dkWatercontent);
  {
    View temperature(host, dkTemperature);
    EXPECT_EQ(host.ViewModels().size(), 2u);
  }
  ASSERT_EQ(host.ViewModels().size(), 1u);
  water.model->SetAngleY(5);  // must not reach the freed view
  EXPECT_FLOAT_EQ(water.model->Transform().AngleY, 5);
}

TEST(ViewStatusText, ThreeLinesOfRotationTranslationAndZoom) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View view(host, dkWatercontent);
  view.model->SetAngleX(12.5f);
  view.model->SetScaleZ(0.25f);
  EXPECT_EQ(view.model->StatusText(),
            "Rotation: x=12.50, y=0.00, z=0.00\r"
            "Translation: x=-0.10, y=-0.07, z=-1.00\r"
            "Zoom: x=1.00, y=1.00, z=0.25");
}

TEST(ViewPaintState, LoadingSuspendsPaintingAndRepaintsWhenItEnds) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View view(host, dkWatercontent);
  EXPECT_FALSE(view.model->Creating());
  EXPECT_TRUE(view.model->CanPaint());
  view.model->SetLoading(true);
  EXPECT_FALSE(view.model->CanPaint());
  view.model->SetLoading(false);
  EXPECT_TRUE(view.model->CanPaint());
  EXPECT_EQ(view.repaints, 2);
}

TEST(ViewPaintState, ThresholdOutsideItsRangeIsIgnored) {
  ViewTestHost host(3, 3, ViewTestHost::AllActive(3, 3));
  View view(host, dkHeatFlux);
  view.model->SetThreshold(0.5f);
  view.model->SetThreshold(0.0f);
  view.model->SetThreshold(1.5f);
  EXPECT_FLOAT_EQ(view.model->Threshold(), 0.5f);
  view.model->SetThreshold(1.0f);
  EXPECT_FLOAT_EQ(view.model->Threshold(), 1.0f);
}
