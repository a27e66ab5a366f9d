#pragma once
// Puts the print preview into the chart editor as its Print page, without
// the margins and Close; an editor-form registrar (ChartEditorScope).
class EditorFormRegistry;

void RegisterPrintPage(EditorFormRegistry& forms);
