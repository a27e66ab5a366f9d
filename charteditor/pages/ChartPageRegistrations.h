#pragma once
// Puts the General, Paging, 3D, Data and Tools pages into the chart
// editor's page factories; an editor-form registrar (ChartEditorScope).
class EditorFormRegistry;

void RegisterChartPages(EditorFormRegistry& forms);
