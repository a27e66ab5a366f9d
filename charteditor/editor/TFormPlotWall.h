#pragma once
// The walls page of the chart editor: one of the chart's four walls at a
// time (a tab each), its colour, border, pattern, size and gradient, and
// whether the chart shows its walls at all.
#include "charteditor/common/TEditorForm.h"

#include <functional>

class QCheckBox;
class QPushButton;
class QSpinBox;
class QTabBar;
class TButtonColor;
class TButtonPen;
class TChartWall;
class TCustomChart;

class TFormPlotWall : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlotWall(QWidget* parent = nullptr);

  // Edits `wall` (one of `chart`'s four; null: the chart's left wall).
  void EditWall(TCustomChart* chart, TChartWall* wall = nullptr);
  TChartWall* Wall() const;

 protected:
  // The object may have changed on another page: showing fills the controls again.
  void showEvent(QShowEvent* event) override;

 private:
  void ChooseWall(int index);
  void Load();
  void Write(const std::function<void(TChartWall&)>& write);
  void EditPattern();
  void EditGradient();

  TCustomChart* chart_ = nullptr;
  QCheckBox* view3DWallsBox_;
  QTabBar* wallTabs_;
  TButtonColor* colorButton_;
  TButtonPen* penButton_;
  QPushButton* brushButton_;
  QSpinBox* sizeBox_;
  QCheckBox* transparentBox_;
  QCheckBox* dark3DBox_;
  QPushButton* gradientButton_;
  QCheckBox* visibleBox_;
};
