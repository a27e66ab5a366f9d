#pragma once
// The markers of a series ("Point" sheet, or the Format sheet of point
// series): visibility, 3D, sizes, style, pen, pattern and colours.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class TButtonPen;
class TSeriesPointer;

class TSeriesPointerEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TSeriesPointerEditor(QWidget* parent = nullptr);

  TSeriesPointer* Pointer() const;

 protected:
  void Load() override;

 private:
  void UpdateEnabled();
  void EditPattern();

  QCheckBox* visibleBox_;
  QCheckBox* draw3DBox_;
  QCheckBox* inflateBox_;
  QSpinBox* horizSizeBox_;
  QSpinBox* vertSizeBox_;
  QComboBox* styleBox_;
  TButtonPen* penButton_;
  QCheckBox* dark3DBox_;
  QPushButton* patternButton_;
  QCheckBox* defaultBrushBox_;
  QCheckBox* colorEachBox_;
};
