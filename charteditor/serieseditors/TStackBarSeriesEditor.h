#pragma once
// The bar editor's "Stack" sheet: the origin the bars stand on, how bars of
// one class share their place (a setting of every bar series of that class)
// and the stack group of this one.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

class TStackBarSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TStackBarSeriesEditor(QWidget* parent = nullptr);

 protected:
  void Load() override;

 private:
  void UpdateEnabled();
  void OriginEdited();

  QCheckBox* useOriginBox_;
  QLineEdit* originEdit_;
  QComboBox* multiBarBox_;
  QGroupBox* groupBox_;
  QSpinBox* groupSpin_;
};
