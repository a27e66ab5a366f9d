#include "charteditor/editor/AxisIncrementLink.h"

#include "base/FormatFloat.h"
#include "chart/model/TCustomChart.h"

QString AxisIncrementText(const TChartAxis& axis) {
  return base::FloatToStr(axis.Increment());
}

bool EditAxisIncrement(QWidget*, const TCustomChart&, TChartAxis&) {
  return false;
}
