#pragma once
// The shape series' "Format" sheet, in three sheets of its own: "Style"
// (shape, colours, pattern, text and its alignment, round corners,
// gradient), "Position" (the two corner points and their units) and "Text"
// (the font).
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TButtonColor;
class TButtonPen;
class TPlotFontEditor;

class TChartShapeEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TChartShapeEditor(QWidget* parent = nullptr);

 protected:
  void Load() override;

 private:
  void BuildStyle(QWidget* sheet);
  void BuildPosition(QWidget* sheet);
  void LoadPosition();
  void UpdateRoundEnabled();
  void CornerChanged(int corner, double value);

  QTabWidget* pages_;
  QComboBox* styleBox_;
  TButtonColor* colorButton_;
  TButtonPen* penButton_;
  QCheckBox* transparentBox_;
  QPushButton* brushButton_;
  QPlainTextEdit* textEdit_;
  QComboBox* alignBox_;
  QComboBox* vertAlignBox_;
  QCheckBox* roundBox_;
  QPushButton* gradientButton_;
  QDoubleSpinBox* corners_[4];
  QComboBox* unitsBox_;
  TPlotFontEditor* fontEditor_;
};
