#pragma once
// The chart editor's Tools page: the chart's tools in order, with Add (the
// tools gallery), Delete, Active, Up and Down, and the selected tool's own
// editor embedded below the list.
#include "charteditor/common/TEditorForm.h"

#include <QPointer>

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;
class TChartTool;
class TCustomChart;

class TFormPlotTools : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotTools(TCustomChart* chart, QWidget* parent = nullptr);

  TCustomChart* Chart() const;
  QListWidget* List() const { return list_; }
  // The embedded editor of the selected tool, or null.
  TEditorForm* ToolEditor() const { return toolEditor_; }

  // Fills the list and selects the first tool.
  void Load();
  void SelectTool(int index);
  // Runs the gallery; a chosen class becomes a new tool of the chart.
  void AddTool();
  void DeleteTool();
  void MoveTool(int step);

  // How Add asks for a class (the modal gallery by default; tests answer
  // directly). Null: cancelled.
  std::function<const QMetaObject*(QWidget* parent)> ChooseToolClass;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillList();
  void UpdateButtons();
  TChartTool* SelectedTool() const;
  QString NewToolName() const;

  QListWidget* list_;
  QPushButton* bAdd_;
  QPushButton* bDelete_;
  QCheckBox* cbActive_;
  QToolButton* bMoveUp_;
  QToolButton* bMoveDown_;
  QWidget* editorPanel_;
  QLabel* pBottom_;
  QPointer<TEditorForm> toolEditor_;
};
