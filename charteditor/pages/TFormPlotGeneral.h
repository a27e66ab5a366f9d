#pragma once
// The chart editor's General page: print preview, point clipping, the
// margins, and how the chart zooms and scrolls under the mouse.
#include "charteditor/common/TEditorForm.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class TButtonPen;
class TCustomChart;

class TFormPlotGeneral : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotGeneral(TCustomChart* chart, QWidget* parent = nullptr);

  TCustomChart* Chart() const;
  // Fills every control from the chart.
  void Load();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  // Takes `value` for a margin unless it and the opposite one reach 100.
  void MarginChanged(QSpinBox* box, int value);
  void EnableZoomControls();

  QPushButton* bPrint_;
  QCheckBox* cbClipPoints_;
  QSpinBox* seTop_;
  QSpinBox* seLeft_;
  QSpinBox* seBottom_;
  QSpinBox* seRight_;
  QCheckBox* cbAllowZoom_;
  QCheckBox* cbAnimated_;
  QSpinBox* seSteps_;
  TButtonPen* bZoomPen_;
  QPushButton* bZoomColor_;
  QSpinBox* eMinPix_;
  QComboBox* cbDir_;
  QComboBox* cbZoomMouse_;
  QButtonGroup* rgPanning_;
  QComboBox* cbScrollMouse_;
};
