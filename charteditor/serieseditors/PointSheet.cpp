#include "charteditor/serieseditors/PointSheet.h"

#include "charteditor/serieseditors/TFormPlotSeries.h"
#include "charteditor/serieseditors/TSeriesPointerEditor.h"

void AddPointerSheet(TFormPlotSeries& host, const QString& caption) {
  QWidget* sheet = host.InsertSheet(1, caption);
  host.AddSheetEditor(new TSeriesPointerEditor(sheet), sheet);
}
