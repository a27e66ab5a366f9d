#include "chart/series/SeriesTypeRegistrations.h"

#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/FunctionRegistrations.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TArrowSeries.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TBubbleSeries.h"
#include "chart/series/TChartShape.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TGanttSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "chart/series/THorizLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"

void RegisterSeriesTypes(ChartClassRegistry& classes) {
  // Each series type adds its line here as it arrives, all on the standard
  // page, keeping this order (the gallery shows them so):
  // series  line 2, bar 2, horizontal bar 2, area 2, point 2, pie 1,
  //         fast line 2, horizontal line 1, shape 2, Gantt 1, arrow 2,
  //         bubble 1 (description and sample series count).
  const ChartMsg page = ChartMsg::PageStandard;
  RegisterSeriesClass<TLineSeries>(classes, ChartMsg::GalleryLine, page, 2);
  RegisterSeriesClass<TBarSeries>(classes, ChartMsg::GalleryBar, page, 2);
  RegisterSeriesClass<THorizBarSeries>(classes, ChartMsg::GalleryHorizBar, page, 2);
  RegisterSeriesClass<TAreaSeries>(classes, ChartMsg::GalleryArea, page, 2);
  RegisterSeriesClass<TPointSeries>(classes, ChartMsg::GalleryPoint, page, 2);
  // Pie.
  RegisterSeriesClass<TPieSeries>(classes, ChartMsg::GalleryPie, page, 1);
  RegisterSeriesClass<TFastLineSeries>(classes, ChartMsg::GalleryFastLine, page, 2);
  RegisterSeriesClass<THorizLineSeries>(classes, ChartMsg::GalleryHorizLine, page, 1);
  // Shapes, Gantt, arrows and bubbles close the standard page.
  RegisterSeriesClass<TChartShape>(classes, ChartMsg::GalleryShape, page, 2);
  RegisterSeriesClass<TGanttSeries>(classes, ChartMsg::GalleryGantt, page, 1);
  RegisterSeriesClass<TArrowSeries>(classes, ChartMsg::GalleryArrow, page, 2);
  RegisterSeriesClass<TBubbleSeries>(classes, ChartMsg::GalleryBubble, page, 1);
  // The functions come after every series type.
  RegisterFunctionTypes(classes);
}
