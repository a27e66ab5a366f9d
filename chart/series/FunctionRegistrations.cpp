#include "chart/series/FunctionRegistrations.h"

#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TExtremePlotFunction.h"
#include "chart/series/TManySeriesPlotFunction.h"

void RegisterFunctionTypes(ChartClassRegistry& classes) {
  RegisterBasicFunctionClass<TAddPlotFunction>(classes, ChartMsg::FunctionAdd);
  RegisterBasicFunctionClass<TSubtractPlotFunction>(classes, ChartMsg::FunctionSubtract);
  RegisterBasicFunctionClass<TMultiplyPlotFunction>(classes, ChartMsg::FunctionMultiply);
  RegisterBasicFunctionClass<TDividePlotFunction>(classes, ChartMsg::FunctionDivide);
  RegisterBasicFunctionClass<THighPlotFunction>(classes, ChartMsg::FunctionHigh);
  RegisterBasicFunctionClass<TLowPlotFunction>(classes, ChartMsg::FunctionLow);
  RegisterBasicFunctionClass<TAveragePlotFunction>(classes, ChartMsg::FunctionAverage);
}
