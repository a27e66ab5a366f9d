#include "charteditor/serieseditors/SeriesEditorRegistrations.h"

#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/serieseditors/TAreaSeriesEditor.h"
#include "charteditor/serieseditors/TArrowSeriesEditor.h"
#include "charteditor/serieseditors/TBarSeriesEditor.h"
#include "charteditor/serieseditors/TChartShapeEditor.h"
#include "charteditor/serieseditors/TCustomSeriesEditor.h"
#include "charteditor/serieseditors/TFastLineSeriesEditor.h"
#include "charteditor/serieseditors/TGanttSeriesEditor.h"
#include "charteditor/serieseditors/TPieSeriesEditor.h"
#include "charteditor/serieseditors/TSeriesPointerEditor.h"

void RegisterSeriesEditorForms(EditorFormRegistry& forms) {
  forms.Register<TFastLineSeriesEditor>();
  forms.Register<TCustomSeriesEditor>();
  forms.Register<TSeriesPointerEditor>();
  forms.Register<TAreaSeriesEditor>();
  forms.Register<TBarSeriesEditor>();
  forms.Register<TPieSeriesEditor>();
  forms.Register<TChartShapeEditor>();
  forms.Register<TGanttSeriesEditor>();
  forms.Register<TArrowSeriesEditor>();
}
