#include "charteditor/series/SourceEditorForms.h"

#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/series/TPlotFuncEditor.h"

void RegisterSourceEditorForms(EditorFormRegistry& forms) {
  forms.Register<TPlotFuncEditor>();
}
