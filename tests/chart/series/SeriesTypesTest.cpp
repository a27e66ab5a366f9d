// The series layer's types: made by name through the start-up
// registrations and offered by the gallery (their published-property rows
// are in PublishedPropertiesTest.cpp).
#include "chart/core/ChartEngine.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TFastLineSeries.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(SeriesTypes, StartUpRegistersThemByNameAndInTheGallery) {
  ChartEngineScope engine({RegisterSeriesTypes});
  std::unique_ptr<TPlotPersistent> made(ChartClasses().Create(QStringLiteral("tfastlineseries")));
  auto* line = qobject_cast<TFastLineSeries*>(made.get());
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->AutoRepaint());
  EXPECT_TRUE(line->DrawAllPoints());
  const TPlotSeriesType* entry = PlotSeriesTypes().FindByClass(&TFastLineSeries::staticMetaObject);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->DescriptionText(), QStringLiteral("Fast Line"));
  EXPECT_EQ(entry->NumGallerySeries, 2);
}

TEST(SeriesTypes, FastLineCopiesItsSwitchesWithThePoints) {
  ChartEngineScope engine;
  TFastLineSeries a, b;
  a.SetAutoRepaint(false);
  a.SetDrawAllPoints(false);
  a.AddPointXY(1, 2);
  b.Assign(a);
  EXPECT_FALSE(b.AutoRepaint());
  EXPECT_FALSE(b.DrawAllPoints());
  EXPECT_EQ(b.PointCount(), 1);
}

}  // namespace
