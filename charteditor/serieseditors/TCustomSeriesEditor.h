#pragma once
// The line series' "Format" sheet: border, colour, stairs, stacking, 3D
// height and darkness, clickable line, pattern and outline; the markers go
// to a "Point" sheet. Stairs, outline, height, "Clickable" and the pattern
// are the plain line's alone and hidden for other kinds.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TButtonPen;

class TCustomSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TCustomSeriesEditor(QWidget* parent = nullptr);

  void AddSheets(TFormPlotSeries& host) override;

 protected:
  void Load() override;

 private:
  void EditBorder();

  QPushButton* borderButton_;
  TButtonColor* colorButton_;
  QCheckBox* stairsBox_;
  QCheckBox* invertedBox_;
  QCheckBox* colorEachBox_;
  QCheckBox* dark3DBox_;
  QComboBox* stackBox_;
  QSpinBox* heightBox_;
  QCheckBox* clickableBox_;
  QPushButton* brushButton_;
  TButtonPen* outlineButton_;
};
