// The pie as a series type: made by name and offered by the gallery, its
// sub-styles and sample values, copies, explode settings that follow their
// slices through deletes and exchanges, the legend and percentages of the
// slices drawn, and the chart's 3D view kept aside while pies are shown.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

TEST(PieSeries, IsRegisteredAfterThePointsWithOneSampleSeries) {
  ChartEngineScope engine({RegisterSeriesTypes});
  const TPlotSeriesType* entry = PlotSeriesTypes().FindByClass(&TPieSeries::staticMetaObject);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->DescriptionText(), QStringLiteral("Pie"));
  EXPECT_EQ(entry->NumGallerySeries, 1);
  const TPlotSeriesType* points = PlotSeriesTypes().FindByClass(&TPointSeries::staticMetaObject);
  ASSERT_NE(points, nullptr);
  EXPECT_GT(entry, points);
  std::unique_ptr<TPlotPersistent> made(ChartClasses().Create(QStringLiteral("TPIESERIES")));
  auto* pie = qobject_cast<TPieSeries*>(made.get());
  ASSERT_NE(pie, nullptr);
  EXPECT_EQ(pie->GetEditorClass(), QStringLiteral("TPieSeriesEditor"));
  EXPECT_TRUE(pie->ColorEachPoint());
  EXPECT_TRUE(pie->Marks()->Visible());
  EXPECT_EQ(pie->Marks()->ArrowLength(), 8);
  EXPECT_EQ(pie->PieValues()->Name(), QStringLiteral("Pie"));
  EXPECT_EQ(pie->XValues()->Name(), QString());
  EXPECT_EQ(pie->OtherSlice()->Text(), QStringLiteral("Other"));
  EXPECT_EQ(pie->Shadow()->Color(), 0xA0A0A0u);
  EXPECT_FALSE(pie->UseAxis());
}

TEST(PieSeries, SubStylesSetWhatTheyName) {
  ChartEngineScope engine;
  const std::vector<std::pair<QString, std::function<bool(const TPieSeries&)>>> styles = {
      {"Normal", [](const TPieSeries& s) { return !s.UsePatterns() && s.ExplodeBiggest() == 0; }},
      {"Patterns", [](const TPieSeries& s) { return s.UsePatterns(); }},
      {"Exploded", [](const TPieSeries& s) { return s.ExplodeBiggest() == 30; }},
      {"Shadow",
       [](const TPieSeries& s) {
         return s.Shadow()->HorizSize() == 10 && s.Shadow()->VertSize() == 10;
       }},
      {"Marks",
       [](const TPieSeries& s) {
         return s.Marks()->Visible() && s.PointCount() == 2 && s.GetXLabel(0) == "A" &&
                s.GetYValue(0) == 30 && s.GetXLabel(1) == "B" && s.GetYValue(1) == 70;
       }},
      {"Semi Pie", [](const TPieSeries& s) { return s.AngleSize() == 180; }},
      {"No Border", [](const TPieSeries& s) { return !s.PiePen()->Visible(); }},
  };
  QStringList names;
  TPieSeries probe;
  probe.CreateSubGallery([&](const QString& name) { names << name; });
  ASSERT_EQ(names.size(), qsizetype(styles.size()));
  for (std::size_t k = 0; k < styles.size(); ++k) {
    SCOPED_TRACE(styles[k].first.toStdString());
    EXPECT_EQ(names[qsizetype(k)], styles[k].first);
    TPieSeries s;
    s.Add(5);
    s.SetSubGallery(int(k));
    EXPECT_TRUE(styles[k].second(s));
  }
}

TEST(PieSeries, SampleValuesAreLabelledProductsUpToAThousand) {
  ChartEngineScope engine;
  TPieSeries pie;
  int draws = 0;
  pie.SetSampleRandom([&](int n) {
    EXPECT_EQ(n, 1000);
    return draws++ * 100;
  });
  pie.FillSampleValues(pie.NumSampleValues());
  ASSERT_EQ(pie.PointCount(), 8);
  const QStringList labels = {"Cars",  "Phones",    "Tables", "Monitors",
                              "Lamps", "Keyboards", "Bikes",  "Chairs"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(pie.GetXLabel(i), labels[i]);
    EXPECT_EQ(pie.GetYValue(i), 1 + 100 * i);
  }
}

TEST(PieSeries, CopiesItsSettingsAndStaysColouredByPoint) {
  ChartEngineScope engine;
  TPieSeries a, b;
  a.SetAngleSize(180);
  a.SetDark3D(false);
  a.SetUsePatterns(true);
  a.SetExplodeBiggest(20);
  a.OtherSlice()->SetStyle(TPieOtherSlice::poBelowValue);
  a.OtherSlice()->SetValue(3);
  a.Shadow()->SetHorizSize(4);
  a.SetRotationAngle(30);
  a.SetCircled(true);
  a.SetCustomXRadius(40);
  a.SetCircleBackColor(base::clYellow);
  a.SetColorEachPoint(false);
  b.Assign(a);
  EXPECT_EQ(b.AngleSize(), 180);
  EXPECT_FALSE(b.Dark3D());
  EXPECT_TRUE(b.UsePatterns());
  EXPECT_EQ(b.ExplodeBiggest(), 20);
  EXPECT_EQ(b.OtherSlice()->Style(), TPieOtherSlice::poBelowValue);
  EXPECT_EQ(b.OtherSlice()->Value(), 3);
  EXPECT_EQ(b.Shadow()->HorizSize(), 4);
  EXPECT_EQ(b.RotationAngle(), 30);
  EXPECT_TRUE(b.Circled());
  EXPECT_EQ(b.CustomXRadius(), 40);
  EXPECT_EQ(b.CircleBackColor(), base::clYellow);
  EXPECT_TRUE(b.ColorEachPoint());
}

// Explode settings belong to slices: deleting a slice before an exploded
// one, exchanging two, and clearing keep them with their slices.
TEST(PieSeries, ExplodeSettingsFollowTheirSlices) {
  ChartEngineScope engine;
  TPieSeries pie;
  for (double v : {10, 20, 30, 40}) pie.Add(v);
  pie.SetExplodedSlice(2, 25);
  pie.Delete(0);
  EXPECT_EQ(pie.GetYValue(1), 30);
  EXPECT_EQ(pie.ExplodedSlices().Value(1), 25);
  EXPECT_EQ(pie.ExplodedSlices().Value(2), 0);
  pie.SwapValueIndex(1, 2);
  EXPECT_EQ(pie.ExplodedSlices().Value(2), 25);
  EXPECT_EQ(pie.ExplodedSlices().Value(1), 0);
  // Deleting past the explode list's end leaves it alone.
  pie.Delete(0);
  EXPECT_EQ(pie.ExplodedSlices().Value(1), 25);
  EXPECT_THROW(pie.Delete(5), ChartException);
  EXPECT_EQ(pie.ExplodedSlices().Value(1), 25) << "a refused delete changes nothing";
  pie.ClearValues();
  EXPECT_EQ(pie.ExplodedSlices().Count(), 0);
}

TEST(PieSeries, SortingMovesExplodeSettingsWithTheirPoints) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TPieSeries pie;
  pie.SetParentChart(&chart);
  for (double v : {30, 10, 20}) pie.Add(v);
  pie.SetExplodedSlice(0, 40);
  pie.PieValues()->SetOrder(TChartValueList::loAscending);
  pie.DoBeforeDrawChart();
  EXPECT_EQ(pie.GetYValue(2), 30);
  EXPECT_EQ(pie.ExplodedSlices().Value(2), 40);
  EXPECT_EQ(pie.ExplodedSlices().Value(0), 0);
}

TEST(PieSeries, CustomRadiiAndCircledAreSharedByThePiesOfAChart) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TPieSeries a, b;
  TPointSeries other;
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  other.SetParentChart(&chart);
  a.SetCustomXRadius(50);
  EXPECT_EQ(b.CustomXRadius(), 50);
  b.SetCustomYRadius(-7);
  EXPECT_EQ(a.CustomYRadius(), 0) << "a radius below 0 is automatic";
  b.SetCircled(true);
  EXPECT_TRUE(a.Circled());
  EXPECT_EQ(a.CustomXRadius(), 0) << "Circled drops the custom radii";
}

// One saved view per chart: a second pie does not save the pie view over
// the user's, and the view comes back when the last pie goes.
TEST(PieSeries, TheChartGetsItsViewBackWhenTheLastPieGoes) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  TView3DOptions& view = chart.host.view;
  view.SetRotation(20);
  view.SetElevation(340);
  view.SetOrthogonal(true);
  auto first = std::make_unique<TPieSeries>();
  auto second = std::make_unique<TPieSeries>();
  first->SetParentChart(&chart);
  EXPECT_EQ(view.Rotation(), 360);
  EXPECT_EQ(view.Elevation(), 315);
  EXPECT_FALSE(view.Orthogonal());
  second->SetParentChart(&chart);
  first.reset();
  EXPECT_EQ(view.Rotation(), 360) << "a pie is still shown";
  second->SetActive(false);
  EXPECT_EQ(view.Rotation(), 20);
  EXPECT_EQ(view.Elevation(), 340);
  EXPECT_TRUE(view.Orthogonal());
  second->SetActive(true);
  EXPECT_EQ(view.Rotation(), 360);
  second->SetParentChart(nullptr);
  EXPECT_EQ(view.Rotation(), 20);
  EXPECT_TRUE(view.Orthogonal());
}

TEST(PieSeries, RangeIsWhatTheAxesShowAlready) {
  ChartEngineScope engine;
  FakeDrawingChart chart;
  FakeDrawingChart::Scale(chart.bottom, -3, 7);
  FakeDrawingChart::Scale(chart.left, 2, 9);
  TPieSeries pie;
  pie.SetParentChart(&chart);
  pie.Add(1000);
  EXPECT_EQ(pie.MinXValue(), -3);
  EXPECT_EQ(pie.MaxXValue(), 7);
  EXPECT_EQ(pie.MinYValue(), 2);
  EXPECT_EQ(pie.MaxYValue(), 9);
}

}  // namespace
