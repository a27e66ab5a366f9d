#pragma once
// Puts the export dialog into the chart editor as its Export page, without
// Close; an editor-form registrar (ChartEditorScope).
class EditorFormRegistry;

void RegisterExportPage(EditorFormRegistry& forms);
