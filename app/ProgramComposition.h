#pragma once
// Everything the running program is made of, put together in one place: the
// chart engine and its editors with every registration, the metafile writers
// and picture formats, the main window, and the Qt dialogs the chart engine
// asks its questions through. main() holds one; the program-level tests hold
// one too, so what they drive is what a user gets.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/export/MetafileWriters.h"
#include "charteditor/exportdialog/ExportFormatsScope.h"

#include <memory>

class ChartPrompts;
class QtChartPrompts;
class TfrmMain;

namespace platform {
class SettingsStore;
}

class ProgramComposition {
 public:
  // Needs the application object (the engine takes the desktop's font).
  // `settings` keeps the recent files and must outlive this object.
  explicit ProgramComposition(platform::SettingsStore& settings);
  ~ProgramComposition();
  ProgramComposition(const ProgramComposition&) = delete;
  ProgramComposition& operator=(const ProgramComposition&) = delete;

  TfrmMain& MainWindow() const { return *window_; }

 private:
  ChartEditorScope chartEditors_;
  MetafileWritersScope metafileWriters_;
  ExportFormatsScope exportFormats_;
  std::unique_ptr<TfrmMain> window_;
  std::unique_ptr<QtChartPrompts> chartPrompts_;
  ChartPrompts* previousPrompts_ = nullptr;
};
