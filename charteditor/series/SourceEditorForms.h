#pragma once
// The data-source editors by class name: the series editor creates the
// function editor under "TPlotFuncEditor". Hand it to ChartEditorScope.
class EditorFormRegistry;

void RegisterSourceEditorForms(EditorFormRegistry& forms);
