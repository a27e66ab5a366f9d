#pragma once
// The legend page of the chart editor: style, position and symbols of the
// chart's legend, its frame, fill and shadow through the shape editor. Each
// control writes its property at once.
#include "charteditor/common/TEditorForm.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTabWidget;
class TButtonPen;
class TChartLegend;
class TFormPlotShape;
class TRadioGroup;

class TFormPlotLegend : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotLegend(QWidget* parent = nullptr);

  void EditLegend(TChartLegend* legend);
  TChartLegend* Legend() const;
  QTabWidget* Pages() const { return pages_; }

 protected:
  // The object may have changed on another page: showing fills the controls again.
  void showEvent(QShowEvent* event) override;

 private:
  void Load();
  void LoadMargin();
  void LoadCustomPosition();
  void Write(const std::function<void(TChartLegend&)>& write);
  void PositionClicked(int index);
  void CustomClicked(bool on);

  QTabWidget* pages_;
  QCheckBox* showBox_;
  QCheckBox* invertedBox_;
  QComboBox* legendStyleBox_;
  QComboBox* textStyleBox_;
  QCheckBox* boxesBox_;
  TButtonPen* dividingButton_;
  QSpinBox* vertSpacingBox_;
  QCheckBox* fontColorBox_;
  TRadioGroup* positionGroup_;
  QCheckBox* resizeBox_;
  QSpinBox* topPosBox_;
  QSpinBox* marginBox_;
  QCheckBox* customBox_;
  QSpinBox* customLeftBox_;
  QSpinBox* customTopBox_;
  QSpinBox* symbolWidthBox_;
  QComboBox* symbolUnitsBox_;
  QComboBox* symbolPositionBox_;
  QCheckBox* continuousBox_;
  TFormPlotShape* shapeEditor_;
};
