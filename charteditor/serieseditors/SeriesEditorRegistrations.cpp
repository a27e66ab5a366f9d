#include "charteditor/serieseditors/SeriesEditorRegistrations.h"

#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/serieseditors/TAreaSeriesEditor.h"
#include "charteditor/serieseditors/TCustomSeriesEditor.h"
#include "charteditor/serieseditors/TFastLineSeriesEditor.h"
#include "charteditor/serieseditors/TSeriesPointerEditor.h"

void RegisterSeriesEditorForms(EditorFormRegistry& forms) {
  forms.Register<TFastLineSeriesEditor>();
  forms.Register<TCustomSeriesEditor>();
  forms.Register<TSeriesPointerEditor>();
  forms.Register<TAreaSeriesEditor>();
}
