#pragma once
// The panel page of the chart editor: the chart's background (colour, back
// image, gradient) and its bevels and borders.
#include "charteditor/common/TEditorForm.h"

class QCheckBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TButtonColor;
class TCustomPlotPanelExtended;
class TPlotGradientEditor;
class TRadioGroup;

class TFormPlotPanel : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotPanel(QWidget* parent = nullptr);

  void EditPanel(TCustomPlotPanelExtended* panel);
  TCustomPlotPanelExtended* Panel() const;
  QTabWidget* Pages() const { return pages_; }

 protected:
  // The object may have changed on another page: showing fills the controls again.
  void showEvent(QShowEvent* event) override;

 private:
  void Load();
  void LoadImageControls();
  void BrowseOrClear();
  void BevelWidthChanged(int value);
  void BorderWidthChanged(int value);

  QTabWidget* pages_;
  TButtonColor* colorButton_;
  TRadioGroup* imageModeGroup_;
  QPushButton* browseButton_;
  QCheckBox* insideBox_;
  QCheckBox* transparentBox_;
  TRadioGroup* bevelInnerGroup_;
  TRadioGroup* bevelOuterGroup_;
  QSpinBox* bevelWidthBox_;
  QCheckBox* borderBox_;
  QSpinBox* borderWidthBox_;
  TPlotGradientEditor* gradientEditor_;
};
