// The series layer's types: made by name through the start-up
// registrations, offered by the gallery, and passing the checks of every
// persistent chart class.
#include "chart/core/ChartEngine.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TFastLineSeries.h"
#include "tests/chart/support/PublishedPropertyChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

template <class T>
PublishedClassRow SeriesRow(const char* name, QStringList skip = {}) {
  return {name,
          [](TPlotPersistent::ChangeHandler onChange) {
            ChartEngineScope engine;
            auto object = std::make_unique<T>();
            object->SetChangeHandler(std::move(onChange));
            return std::unique_ptr<TPlotPersistent>(std::move(object));
          },
          {},
          skip};
}

// LinePen is the element's Pen under a second name: the walk covers it
// there. The series colour and the pen colour follow each other.
const std::vector<PublishedClassRow> kSeriesClasses = {
    SeriesRow<TFastLineSeries>("TFastLineSeries",
                               {"LinePen", "SeriesColor", "Pen.Color", "LinePen.Color"}),
};

}  // namespace

PUBLISHED_PROPERTY_TESTS(Series, kSeriesClasses);

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
