#pragma once
// The titles page of the chart editor: one of the chart's four titles at a
// time, its text, alignment and position, and its frame, fill, font and
// shadow through the shape editor, which follows the title chosen.
#include "charteditor/common/TEditorForm.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class TChartTitle;
class TCustomChart;
class TFormPlotShape;
class TRadioGroup;

class TFormPlotTitle : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotTitle(QWidget* parent = nullptr);

  // Edits `title` (one of `chart`'s four; null: the chart's Title).
  void EditTitle(TCustomChart* chart, TChartTitle* title = nullptr);
  TChartTitle* Title() const;
  QTabWidget* Pages() const { return pages_; }

 protected:
  // The object may have changed on another page: showing fills the controls again.
  void showEvent(QShowEvent* event) override;

 private:
  void ChooseTitle(int index);
  void Load();
  void LoadCustomPosition();
  void Write(const std::function<void(TChartTitle&)>& write);
  void TextChanged();

  TCustomChart* chart_ = nullptr;
  QComboBox* titlesBox_;
  QTabWidget* pages_;
  QCheckBox* visibleBox_;
  QCheckBox* adjustBox_;
  TRadioGroup* alignGroup_;
  QPlainTextEdit* textBox_;
  QCheckBox* customBox_;
  QSpinBox* customLeftBox_;
  QSpinBox* customTopBox_;
  TFormPlotShape* shapeEditor_;
};
