#pragma once
// The area series' "Format" sheet: stacking, stairs, the area's pattern,
// lines, border and colour, and the origin; the markers go to a "Point" sheet.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class TButtonColor;
class TButtonPen;

class TAreaSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TAreaSeriesEditor(QWidget* parent = nullptr);

  void AddSheets(TFormPlotSeries& host) override;

 protected:
  void Load() override;

 private:
  void LinkColorButton();

  QComboBox* multiAreaBox_;
  QCheckBox* stairsBox_;
  QCheckBox* invertedBox_;
  QComboBox* areaBrushBox_;
  TButtonPen* areaLinesButton_;
  TButtonPen* borderButton_;
  QCheckBox* colorEachBox_;
  TButtonColor* colorButton_;
  QCheckBox* useOriginBox_;
  QSpinBox* originBox_;
};
