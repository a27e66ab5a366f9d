#pragma once
// The axis page of the chart editor: one axis of the chart at a time, its
// scale, title, labels, ticks and position; custom axes are added and
// deleted here. Each control writes its property at once.
#include "charteditor/common/TEditorForm.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonPen;
class TChartAxis;
class TCustomChart;
class TPlotFontEditor;
class TRadioGroup;

class TFormPlotAxis : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotAxis(QWidget* parent = nullptr);

  // Edits `axis` of `chart` (null: the chart's left axis).
  void EditAxis(TCustomChart* chart, TChartAxis* axis = nullptr);
  TChartAxis* Axis() const;
  QTabWidget* Pages() const { return pages_; }
  QListWidget* AxesList() const { return axesList_; }

 protected:
  // The object may have changed on another page: showing fills the controls again.
  void showEvent(QShowEvent* event) override;

 private:
  void FillAxesList();
  void ChooseAxis(int row);
  void Load();
  void LoadScales();
  void LoadFormats();
  // The limit shown for the axis edited.
  double ShownLimit(bool maximum) const;
  void LoadPosition();
  void Write(const std::function<void(TChartAxis&)>& write);
  void AutomaticClicked(bool on);
  void EditLimit(bool maximum);
  void EditIncrement();
  void StartChanged(int value);
  void EndChanged(int value);
  void FormatChosen(const QString& text);
  void AddAxis();
  void DeleteAxis();
  bool IsCustom() const;
  bool IsDepth() const;

  TCustomChart* chart_ = nullptr;
  QListWidget* axesList_;
  QCheckBox* showBox_;
  QCheckBox* behindBox_;
  QPushButton* addButton_;
  QPushButton* deleteButton_;
  QTabWidget* pages_;
  // Scales
  QCheckBox* visibleBox_;
  QCheckBox* automaticBox_;
  QCheckBox* autoMaxBox_;
  QCheckBox* autoMinBox_;
  QPushButton* maxButton_;
  QPushButton* minButton_;
  QLabel* maxLabel_;
  QLabel* minLabel_;
  QLabel* incrementLabel_;
  QPushButton* incrementButton_;
  QCheckBox* logarithmicBox_;
  QSpinBox* logBaseBox_;
  QCheckBox* invertedBox_;
  // Title
  QLineEdit* titleEdit_;
  QSpinBox* titleAngleBox_;
  QSpinBox* titleSizeBox_;
  QCheckBox* titleVisibleBox_;
  TPlotFontEditor* titleFontEditor_;
  // Labels
  QCheckBox* labelsBox_;
  QCheckBox* multilineBox_;
  QCheckBox* onAxisBox_;
  QCheckBox* roundFirstBox_;
  QSpinBox* labelsSizeBox_;
  QSpinBox* labelsAngleBox_;
  QSpinBox* separationBox_;
  TRadioGroup* labelStyleGroup_;
  QLabel* formatLabel_;
  QComboBox* formatBox_;
  QCheckBox* exponentBox_;
  QCheckBox* alignBox_;
  TPlotFontEditor* labelsFontEditor_;
  // Ticks and minor ticks
  TButtonPen* axisPenButton_;
  TButtonPen* ticksPenButton_;
  TButtonPen* innerPenButton_;
  TButtonPen* gridPenButton_;
  QSpinBox* tickLengthBox_;
  QSpinBox* innerLengthBox_;
  QCheckBox* tickOnLabelsBox_;
  QCheckBox* gridCenteredBox_;
  TButtonPen* minorTicksPenButton_;
  TButtonPen* minorGridPenButton_;
  QSpinBox* minorLengthBox_;
  QSpinBox* minorCountBox_;
  // Position
  QSpinBox* positionBox_;
  QSpinBox* startBox_;
  QSpinBox* endBox_;
  QCheckBox* otherSideBox_;
  QCheckBox* horizontalBox_;
};
