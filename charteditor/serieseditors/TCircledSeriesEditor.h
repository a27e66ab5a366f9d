#pragma once
// The "Circled" sheet of circled series: a true circle, the chart's 3D
// switch, the rotation, fixed radii (0: sized from the chart) and the
// colour behind the slices.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QSpinBox;
class TButtonColor;

class TCircledSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TCircledSeriesEditor(QWidget* parent = nullptr);

 protected:
  void Load() override;

 private:
  void LoadRadii();
  void RadiusChanged(bool horizontal);

  QCheckBox* circledBox_;
  QCheckBox* view3DBox_;
  QSpinBox* rotationBox_;
  QSpinBox* xRadiusBox_;
  QSpinBox* yRadiusBox_;
  QCheckBox* xAutoBox_;
  QCheckBox* yAutoBox_;
  TButtonColor* backButton_;
};
