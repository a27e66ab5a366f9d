#pragma once
// Puts the General, Paging, 3D, Data and Tools pages into the chart
// editor's page factories, gives the General page the print preview and the
// preview its page navigator; an editor-form registrar (ChartEditorScope).
class EditorFormRegistry;

void RegisterChartPages(EditorFormRegistry& forms);
