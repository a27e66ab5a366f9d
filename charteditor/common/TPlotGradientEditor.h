#pragma once
// The gradient editor: visibility, direction and the start, middle and end
// colours of a gradient. "No Middle" switches the middle colour off, and
// unchecking it brings back the middle colour the gradient had; one that
// never had one stays without until "Middle..." gives it one. In bar mode
// (the bar series' editor) the gradient is always drawn, so Visible, End
// and Swap are hidden. Every ending but OK puts the gradient back.
#include "charteditor/common/TEditorForm.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QPushButton;
class TButtonColor;
class TChartGradient;

class TPlotGradientEditor : public TEditorForm {
  Q_OBJECT

 public:
  explicit TPlotGradientEditor(QWidget* parent = nullptr);
  ~TPlotGradientEditor() override;

  void EditGradient(TChartGradient* gradient, bool barMode = false);
  TChartGradient* Gradient() const;
  bool BarMode() const { return barMode_; }

  void reject() override;

 private:
  void Load();
  void UpdateEnabled();
  void VisibleChanged(bool on);
  void DirectionChanged(int index);
  void NoMiddleChanged(bool on);
  void Swap();

  QCheckBox* visibleBox_;
  QComboBox* directionBox_;
  TButtonColor* startButton_;
  TButtonColor* midButton_;
  TButtonColor* endButton_;
  QPushButton* swapButton_;
  QCheckBox* noMiddleBox_;
  bool barMode_ = false;
  std::unique_ptr<TChartGradient> backup_;
};

// Shows the gradient editor modally; true on OK.
bool EditChartGradient(QWidget* owner, TChartGradient* gradient, bool barMode = false);
