#pragma once
// The per-type series editors by the names series answer from
// GetEditorClass; hand it to ChartEditorScope or AddEditorFormRegistrar.
class EditorFormRegistry;

void RegisterSeriesEditorForms(EditorFormRegistry& forms);
