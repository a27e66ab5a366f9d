// The series layer's persistent classes pass the checks every persistent
// chart class passes (declared defaults, one change per change, walker
// copies) and keep the stored order. Series types join the table as they
// arrive.
#include "chart/core/ChartEngine.h"
#include "chart/core/PublishedProperties.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TArrowSeries.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TBubbleSeries.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TExtremePlotFunction.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TGanttSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "chart/series/THorizLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TManySeriesPlotFunction.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPlotMovingFunction.h"
#include "chart/series/TPointSeries.h"
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

// Series read defaults from the message table: the engine runs while one
// is made.
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
// there. The fast line's series colour and pen colour follow each other.
// LineBrush and MultiArea are views of Brush.Style and Stacked; the
// marker's visibility is each type's own default.
const std::vector<PublishedClassRow> kSeriesClasses = {
    SeriesRow<TFastLineSeries>("TFastLineSeries",
                               {"LinePen", "SeriesColor", "Pen.Color", "LinePen.Color"}),
    SeriesRow<TLineSeries>("TLineSeries", {"LinePen", "LineBrush", "Pointer.Visible"}),
    SeriesRow<THorizLineSeries>("THorizLineSeries", {"LinePen", "LineBrush", "Pointer.Visible"}),
    SeriesRow<TPointSeries>("TPointSeries", {"LinePen", "Marks.ArrowLength"}),
    SeriesRow<TAreaSeries>("TAreaSeries", {"LinePen", "MultiArea", "Pointer.Visible"}),
    // BarBrush and BarPen are Brush and Pen under the names bar files use.
    SeriesRow<TBarSeries>("TBarSeries", {"BarBrush", "BarPen"}),
    SeriesRow<THorizBarSeries>("THorizBarSeries", {"BarBrush", "BarPen"}),
    RowSetHandler<TBarSeriesGradient>("TBarSeriesGradient"),
    // PieValues and PiePen are YValues and Pen under the pie's names; a
    // pie shows its marks from the start.
    SeriesRow<TPieSeries>("TPieSeries", {"PieValues", "PiePen", "Marks.Visible"}),
    RowSetHandler<TPieOtherSlice>("TPieOtherSlice"),
    RowSetHandler<TPieShadow>("TPieShadow"),
    // Shapes: the series colour is the brush's. Gantt, arrow and bubble
    // series publish the X list, pen and marker sizes once more under their
    // own names (stored once); their date lists and the settings each type
    // gives its marker and marks differ from the general defaults.
    SeriesRow<TChartShape>("TChartShape", {"SeriesColor", "Brush.Color"}),
    SeriesRow<TGanttSeries>("TGanttSeries",
                            {"LinePen", "Marks.ArrowLength", "StartValues", "ConnectingPen",
                             "XValues.DateTime", "StartValues.DateTime", "EndValues.DateTime"}),
    SeriesRow<TArrowSeries>(
        "TArrowSeries",
        {"LinePen", "Marks.ArrowLength", "StartXValues", "StartYValues", "ArrowWidth",
         "ArrowHeight", "XValues.DateTime", "StartXValues.DateTime", "EndXValues.DateTime",
         "Pointer.InflateMargins", "Marks.Transparent", "Marks.Frame.Visible"}),
    SeriesRow<TBubbleSeries>(
        "TBubbleSeries", {"LinePen", "Marks.ArrowLength", "Pointer.InflateMargins", "Pointer.Style",
                          "Marks.Transparent", "Marks.Frame.Visible"}),
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
  // Bars publish theirs after every series' own.
  EXPECT_TRUE(PublishedNames(TCustomBarSeries::staticMetaObject)
                  .endsWith(QStringLiteral(
                      "RecalcWhen AutoBarSize AutoMarkPosition BarBrush BarPen BarStyle "
                      "BarWidthPercent Dark3D Gradient MultiBar OffsetPercent SideMargins "
                      "StackGroup UseYOrigin YOrigin")))
      << PublishedNames(TCustomBarSeries::staticMetaObject).toStdString();
  EXPECT_TRUE(PublishedNames(TBarSeriesGradient::staticMetaObject).endsWith(" Visible Relative"));
  const QString pie = PublishedNames(TPieSeries::staticMetaObject);
  EXPECT_TRUE(pie.endsWith(QStringLiteral(
      "Circled CustomXRadius CustomYRadius RotationAngle CircleBackColor AngleSize Dark3D "
      "ExplodeBiggest OtherSlice Shadow UsePatterns PieValues PiePen")))
      << pie.toStdString();
  EXPECT_EQ(PublishedNames(TPieOtherSlice::staticMetaObject), "Color Style Text Value");
}

}  // namespace
