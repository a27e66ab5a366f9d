#pragma once
// The pie series' "Format" sheet: 3D darkness, the slice that gathers the
// small ones, the biggest slice's explosion, patterns, border, shadow and
// the angle the pie spans; the circle itself goes to a "Circled" sheet.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class TButtonColor;
class TButtonPen;

class TPieSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TPieSeriesEditor(QWidget* parent = nullptr);

  void AddSheets(TFormPlotSeries& host) override;

 protected:
  void Load() override;

 private:
  void UpdateEnabled();
  void OtherValueEdited();

  QCheckBox* dark3DBox_;
  QComboBox* otherBox_;
  QLineEdit* otherValueEdit_;
  QLineEdit* otherLabelEdit_;
  QSpinBox* explodeBox_;
  QCheckBox* patternsBox_;
  TButtonPen* penButton_;
  TButtonColor* shadowColorButton_;
  QSpinBox* shadowHorizBox_;
  QSpinBox* shadowVertBox_;
  QSpinBox* angleSizeBox_;
};
