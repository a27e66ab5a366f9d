// The series layer's persistent classes pass the checks every persistent
// chart class passes (declared defaults, one change per change, walker
// copies) and keep the stored order. Series types join the table as they
// arrive.
#include "chart/core/PublishedProperties.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TExtremePlotFunction.h"
#include "chart/series/TManySeriesPlotFunction.h"
#include "chart/series/TPlotMovingFunction.h"
#include "tests/chart/support/PublishedPropertyChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

template <class T>
PublishedClassRow RowSetHandler(const char* name) {
  return {name, [](TPlotPersistent::ChangeHandler onChange) {
            auto object = std::make_unique<T>();
            object->SetChangeHandler(std::move(onChange));
            return std::unique_ptr<TPlotPersistent>(std::move(object));
          }};
}

const std::vector<PublishedClassRow> kSeriesClasses = {
    RowSetHandler<TAddPlotFunction>("TAddPlotFunction"),
    RowSetHandler<TSubtractPlotFunction>("TSubtractPlotFunction"),
    RowSetHandler<TMultiplyPlotFunction>("TMultiplyPlotFunction"),
    RowSetHandler<TDividePlotFunction>("TDividePlotFunction"),
    RowSetHandler<THighPlotFunction>("THighPlotFunction"),
    RowSetHandler<TLowPlotFunction>("TLowPlotFunction"),
    RowSetHandler<TAveragePlotFunction>("TAveragePlotFunction"),
    RowSetHandler<TPlotMovingFunction>("TPlotMovingFunction"),
};

}  // namespace

PUBLISHED_PROPERTY_TESTS(Series, kSeriesClasses);

namespace {

TEST(SeriesPublishedProperties, KeepTheStoredOrder) {
  EXPECT_EQ(PublishedNames(TAveragePlotFunction::staticMetaObject),
            "Period PeriodStyle PeriodAlign IncludeNulls");
}

}  // namespace
