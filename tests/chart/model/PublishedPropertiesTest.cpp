// The model layer's persistent classes pass the checks every persistent
// chart class passes (declared defaults, one change per change, walker
// copies) and keep the stored order. Later model classes join the table.
#include "chart/core/ChartEngine.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartAxisTitle.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TCustomChartElement.h"
#include "chart/model/TCustomChartSeries.h"
#include "chart/model/TPlotZoom.h"
#include "chart/model/TSeriesMarks.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/chart/support/PublishedPropertyChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

class RowAxisPanel final : public TCustomAxisPanel {
 public:
  std::function<void()> onInvalidate;
  void InvalidateChart() override {
    if (onInvalidate) onInvalidate();
    TCustomAxisPanel::InvalidateChart();
  }
  void InternalDraw(const TRect&) override {}
};

template <class T>
PublishedClassRow Row(const char* name) {
  return {name, [](TPlotPersistent::ChangeHandler onChange) {
            return std::unique_ptr<TPlotPersistent>(new T(std::move(onChange)));
          }};
}

// Classes whose first constructor argument is not the change handler.
template <class T>
PublishedClassRow RowSetHandler(const char* name, QVariantMap other = {}, QStringList skip = {}) {
  return {name,
          [](TPlotPersistent::ChangeHandler onChange) {
            auto object = std::make_unique<T>();
            object->SetChangeHandler(std::move(onChange));
            return std::unique_ptr<TPlotPersistent>(std::move(object));
          },
          other, skip};
}

// An axis minimum below the maximum; a logarithmic scale refuses it, so that
// setter has its own test.
const QVariantMap kAxisValues = {{"Minimum", -1.0}};

const std::vector<PublishedClassRow> kModelClasses = {
    Row<TCustomChartElement>("TCustomChartElement"),
    Row<TCustomChartSeries>("TCustomChartSeries"),
    // Its formats come from the message table: the declared defaults must be
    // the table's entries.
    {"TChartSeries",
     [](TPlotPersistent::ChangeHandler onChange) {
       ChartEngineScope engine;
       return std::unique_ptr<TPlotPersistent>(new TChartSeries(std::move(onChange)));
     }},
    Row<TPlotZoom>("TPlotZoom"),
    {"TCustomPlotPanelExtended",
     [](TPlotPersistent::ChangeHandler onChange) {
       auto panel = std::make_unique<FakePlotPanel>();
       panel->onInvalidate = std::move(onChange);
       return std::unique_ptr<TPlotPersistent>(std::move(panel));
     },
     {},
     // Follows the back image's picture: only a bitmap takes it.
     {QStringLiteral("BackImageTransp")}},
    {"TCustomAxisPanel",
     [](TPlotPersistent::ChangeHandler onChange) {
       auto panel = std::make_unique<RowAxisPanel>();
       panel->onInvalidate = std::move(onChange);
       return std::unique_ptr<TPlotPersistent>(std::move(panel));
     },
     {},
     // Page follows the series' page count: without series it stays 1.
     {QStringLiteral("BackImageTransp"), QStringLiteral("Page")}},
    RowSetHandler<TChartAxis>("TChartAxis", kAxisValues, {"Logarithmic"}),
    RowSetHandler<TChartDepthAxis>("TChartDepthAxis", kAxisValues, {"Logarithmic"}),
    RowSetHandler<TChartAxisTitle>("TChartAxisTitle"),
    RowSetHandler<TSeriesMarks>("TSeriesMarks"),
    RowSetHandler<TSeriesMarksGradient>("TSeriesMarksGradient"),
};

}  // namespace

PUBLISHED_PROPERTY_TESTS(Model, kModelClasses);

namespace {

TEST(ModelPublishedProperties, KeepTheStoredOrder) {
  EXPECT_EQ(PublishedNames(TCustomChartSeries::staticMetaObject),
            "Active Brush Pen ShowInLegend Title");
  EXPECT_EQ(PublishedNames(TCustomPlotPanelExtended::staticMetaObject),
            "BufferedDisplay Chart3DPercent MarginBottom MarginLeft MarginRight MarginTop "
            "Monochrome PrintProportional View3D View3DOptions BevelInner BevelOuter BevelWidth "
            "BorderWidth Color Cursor Height Width AllowPanning BackImage BackImageInside "
            "BackImageMode BackImageTransp Gradient Zoom");
  EXPECT_TRUE(PublishedNames(TCustomAxisPanel::staticMetaObject)
                  .endsWith("Gradient Zoom MaxPointsPerPage Page ScaleLastPage"));
  EXPECT_EQ(PublishedNames(TPlotZoom::staticMetaObject),
            "Allow Animated AnimatedSteps Brush Direction KeyShift MinimumPixels MouseButton Pen");
}

}  // namespace
