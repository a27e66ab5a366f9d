#include "chart/model/TPlotFunction.h"

#include "chart/core/PublishedProperties.h"
#include "chart/model/TChartSeries.h"

TPlotFunction::TPlotFunction(QObject* owner) : TPlotPersistent({}, owner) {}

void TPlotFunction::Assign(const TPlotFunction& source) {
  if (&source != this) CopyPublished(source, *this);
}
