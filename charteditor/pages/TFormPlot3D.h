#pragma once
// The chart editor's 3D page: the 3D switch and percentage, and the view
// options (orthogonal angle, zoom, rotation, elevation, offsets,
// perspective). Rotation is offered only where the chart can be turned.
#include "charteditor/common/TEditorForm.h"

class QCheckBox;
class QLabel;
class QScrollBar;
class QSpinBox;
class TCustomChart;

class TFormPlot3D : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPlot3D(TCustomChart* chart, QWidget* parent = nullptr);

  TCustomChart* Chart() const;
  void Load();
  // Whether rotation and elevation may be changed; the page decides on
  // each showing (RotationAllowedFor) and re-applies its rules.
  bool RotationAllowed() const { return rotationAllowed_; }
  void SetRotationAllowed(bool value);
  // False when the chart's canvas cannot turn fully and its first active
  // series is a pie, which is drawn only facing the viewer.
  static bool RotationAllowedFor(const TCustomChart& chart);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QScrollBar* AddBar(const char* name, const QString& caption, int low, int high,
                     QLabel** valueLabel);
  void ApplyRules();
  void ShowValueLabels();

  bool rotationAllowed_ = true;
  QCheckBox* cbView3D_;
  QSpinBox* se3D_;
  QCheckBox* cbOrthogonal_;
  QSpinBox* eOrthoAngle_;
  QCheckBox* cbZoomText_;
  QScrollBar* sbZoom_;
  QScrollBar* sbRotation_;
  QScrollBar* sbElevation_;
  QScrollBar* sbHOffset_;
  QScrollBar* sbVOffset_;
  QScrollBar* sbPerspec_;
  QLabel* zoomLabel_ = nullptr;
  QLabel* rotationLabel_ = nullptr;
  QLabel* elevationLabel_ = nullptr;
  QLabel* hOffsetLabel_ = nullptr;
  QLabel* vOffsetLabel_ = nullptr;
  QLabel* perspecLabel_ = nullptr;
  QWidget* grid_;
};
