// The model layer's persistent classes pass the checks every persistent
// chart class passes (declared defaults, one change per change, walker
// copies) and keep the stored order. Later model classes join the table.
#include "chart/core/ChartEngine.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChart.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartAxisTitle.h"
#include "chart/model/TChartLegend.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TChartTitle.h"
#include "chart/model/TChartWall.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TCustomChartElement.h"
#include "chart/model/TCustomChartSeries.h"
#include "chart/model/TLegendSymbol.h"
#include "chart/model/TPlotCustomShapePosition.h"
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

class RowChart final : public TChart {
 public:
  std::function<void()> onInvalidate;
  void InvalidateChart() override {
    if (onInvalidate) onInvalidate();
    TChart::InvalidateChart();
  }
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

const QVariantMap kAxisPanelValues = {
    {"LeftAxis.Minimum", -1.0},   {"TopAxis.Minimum", -1.0},   {"RightAxis.Minimum", -1.0},
    {"BottomAxis.Minimum", -1.0}, {"DepthAxis.Minimum", -1.0},
};

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
     kAxisPanelValues,
     // Page follows the series' page count: without series it stays 1.
     {QStringLiteral("BackImageTransp"), QStringLiteral("Page"),
      QStringLiteral("LeftAxis.Logarithmic"), QStringLiteral("TopAxis.Logarithmic"),
      QStringLiteral("RightAxis.Logarithmic"), QStringLiteral("BottomAxis.Logarithmic"),
      QStringLiteral("DepthAxis.Logarithmic")}},
    RowSetHandler<TChartAxis>("TChartAxis", kAxisValues, {"Logarithmic"}),
    RowSetHandler<TChartDepthAxis>("TChartDepthAxis", kAxisValues, {"Logarithmic"}),
    RowSetHandler<TChartAxisTitle>("TChartAxisTitle"),
    RowSetHandler<TSeriesMarks>("TSeriesMarks"),
    RowSetHandler<TSeriesMarksGradient>("TSeriesMarksGradient"),
    RowSetHandler<TPlotCustomShapePosition>("TPlotCustomShapePosition"),
    RowSetHandler<TLegendSymbol>("TLegendSymbol"),
    RowSetHandler<TChartLegendGradient>("TChartLegendGradient"),
    RowSetHandler<TChartLegend>("TChartLegend"),
    RowSetHandler<TChartWall>("TChartWall"),
    RowSetHandler<TChartBackWall>("TChartBackWall"),
    RowSetHandler<TChartRightWall>("TChartRightWall"),
    // The title fonts' colours (and the foot's italics) are the titles' own;
    // the font class declares the plain ones.
    RowSetHandler<TChartTitle>("TChartTitle", {}, {"Font.Color"}),
    RowSetHandler<TChartFootTitle>("TChartFootTitle", {}, {"Font.Color", "Font.Style"}),
    {"TChart",
     [](TPlotPersistent::ChangeHandler onChange) {
       auto chart = std::make_unique<RowChart>();
       chart->onInvalidate = std::move(onChange);
       return std::unique_ptr<TPlotPersistent>(std::move(chart));
     },
     kAxisPanelValues,
     {QStringLiteral("BackImageTransp"), QStringLiteral("Page"),
      QStringLiteral("LeftAxis.Logarithmic"), QStringLiteral("TopAxis.Logarithmic"),
      QStringLiteral("RightAxis.Logarithmic"), QStringLiteral("BottomAxis.Logarithmic"),
      QStringLiteral("DepthAxis.Logarithmic"), QStringLiteral("Foot.Font.Color"),
      QStringLiteral("Foot.Font.Style"), QStringLiteral("SubFoot.Font.Color"),
      QStringLiteral("SubFoot.Font.Style"), QStringLiteral("Title.Font.Color"),
      QStringLiteral("SubTitle.Font.Color")}},
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
            "BorderStyle "
            "BorderWidth Color Cursor Height Width AllowPanning BackImage BackImageInside "
            "BackImageMode BackImageTransp Gradient Zoom");
  EXPECT_TRUE(PublishedNames(TCustomAxisPanel::staticMetaObject)
                  .endsWith("Gradient Zoom AxisBehind AxisVisible ClipPoints CustomAxes DepthAxis "
                            "TopAxis BottomAxis LeftAxis RightAxis View3DWalls MaxPointsPerPage "
                            "Page ScaleLastPage"));
  EXPECT_EQ(PublishedNames(TPlotZoom::staticMetaObject),
            "Allow Animated AnimatedSteps Brush Direction KeyShift MinimumPixels MouseButton Pen");
  EXPECT_EQ(PublishedNames(TChartLegend::staticMetaObject),
            "Brush Frame Visible Bevel BevelWidth Color Font Gradient ShadowColor ShadowSize "
            "ShapeStyle Transparency Transparent CustomPosition Left Top Alignment CheckBoxes "
            "CurrentPage DividingLines FirstValue FontSeriesColor HorizMargin Inverted LegendStyle "
            "MaxNumRows ResizeChart Symbol TextStyle TopPos VertMargin VertSpacing ColorWidth");
  EXPECT_EQ(PublishedNames(TLegendSymbol::staticMetaObject),
            "Continuous Position Width WidthUnits");
  EXPECT_TRUE(PublishedNames(TChart::staticMetaObject)
                  .endsWith("MaxPointsPerPage Page ScaleLastPage BackWall BottomWall Foot Frame "
                            "LeftWall Legend RightWall ScrollMouseButton SubFoot SubTitle Title"));
  EXPECT_EQ(PublishedNames(TChartWall::staticMetaObject),
            "Brush Color Dark3D Gradient Pen Size Transparent Visible");
  EXPECT_EQ(PublishedNames(TChartTitle::staticMetaObject),
            "Brush Frame Visible Bevel BevelWidth Color Font Gradient ShadowColor ShadowSize "
            "ShapeStyle Transparency Transparent CustomPosition Left Top AdjustFrame Alignment "
            "Text");
}

}  // namespace
