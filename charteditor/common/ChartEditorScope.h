#pragma once
// Start-up and shut-down of the chart editors, on top of the engine's
// (ChartEngine.h): the editor message table and the editor-form
// registrations. Counted like the engine: the first scope does the work,
// the last one's end undoes it. A registration that raises (a duplicate
// name) fails the start-up, which then undoes itself.
#include "chart/core/ChartEngine.h"

#include <initializer_list>

class EditorFormRegistry;

using EditorFormRegistrar = void (*)(EditorFormRegistry&);

class ChartEditorScope {
 public:
  // Adds `registrars` to those the first start-up runs (each once), starts
  // the engine, then the editors.
  explicit ChartEditorScope(std::initializer_list<EditorFormRegistrar> registrars = {},
                            std::initializer_list<ChartClassRegistrar> chartRegistrars = {});
  ~ChartEditorScope();
  ChartEditorScope(const ChartEditorScope&) = delete;
  ChartEditorScope& operator=(const ChartEditorScope&) = delete;

 private:
  ChartEngineScope engine_;
};

// Adds a registrar; while the editors run it runs at once, and is not kept if it raises.
void AddEditorFormRegistrar(EditorFormRegistrar registrar);
void RemoveEditorFormRegistrar(EditorFormRegistrar registrar);
