#pragma once
// The Gantt series' "Format" sheet: bar height, connecting lines and
// colours; the bars' markers go to a "Gantt" sheet.
#include "charteditor/serieseditors/TSeriesEditorForm.h"

class QCheckBox;
class QSpinBox;
class TButtonColor;
class TButtonPen;

class TGanttSeriesEditor : public TSeriesEditorForm {
  Q_OBJECT

 public:
  explicit TGanttSeriesEditor(QWidget* parent = nullptr);

  void AddSheets(TFormPlotSeries& host) override;

 protected:
  void Load() override;

 private:
  QSpinBox* heightBox_;
  TButtonPen* linesButton_;
  TButtonColor* colorButton_;
  QCheckBox* colorEachBox_;
};
