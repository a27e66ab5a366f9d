#pragma once
// The bar series' "Format" sheet: width, style, pattern, offset, 3D sides,
// side margins, mark positions, colours, gradient and border; the stacking
// goes to a "Stack" sheet.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TButtonPen;

class TBarSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TBarSeriesEditor(QWidget* parent = nullptr);

  void AddSheets(TFormPlotSeries& host) override;

 protected:
  void Load() override;

 private:
  void UpdateEnabled();

  QSpinBox* widthBox_;
  QComboBox* styleBox_;
  QPushButton* brushButton_;
  QSpinBox* offsetBox_;
  QCheckBox* darkBox_;
  QCheckBox* sideMarginsBox_;
  QCheckBox* autoMarksBox_;
  QCheckBox* colorEachBox_;
  TButtonColor* colorButton_;
  QPushButton* gradientButton_;
  TButtonPen* penButton_;
};
