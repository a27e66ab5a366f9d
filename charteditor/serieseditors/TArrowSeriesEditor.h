#pragma once
// The arrow series' "Format" sheet: border and pattern of the arrows, the
// size of their heads and their colours.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TButtonPen;

class TArrowSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TArrowSeriesEditor(QWidget* parent = nullptr);

 protected:
  void Load() override;

 private:
  TButtonPen* penButton_;
  QPushButton* brushButton_;
  QSpinBox* widthBox_;
  QSpinBox* heightBox_;
  QCheckBox* colorEachBox_;
  TButtonColor* colorButton_;
};
