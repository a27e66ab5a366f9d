// The pie as a series type: made by name and offered by the gallery, its
// sub-styles and gallery sample, explode settings that follow their
// slices through deletes and exchanges, and the chart's 3D view kept aside
// while pies are shown.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TChart.h"
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

// A gallery sample faces the viewer: round in 2D, tilted in 3D.
TEST(PieSeries, GallerySampleSetsUpItsChart) {
  ChartEngineScope engine;
  TChart chart;
  TPieSeries* pie = new TPieSeries(&chart);
  chart.AddSeries(pie);
  for (bool view3D : {false, true}) {
    chart.SetView3D(view3D);
    pie->PrepareForGallery(true);
    EXPECT_EQ(pie->PointCount(), 8);
    EXPECT_EQ(pie->Circled(), !view3D);
    EXPECT_EQ(chart.Chart3DPercent(), 75);
    EXPECT_EQ(pie->Marks()->ArrowLength(), 0);
    EXPECT_EQ(chart.View3DOptions()->Elevation(), 305);
    EXPECT_EQ(chart.View3DOptions()->Rotation(), 0);
    EXPECT_FALSE(chart.View3DOptions()->Orthogonal());
  }
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

}  // namespace
