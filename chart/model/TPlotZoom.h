#pragma once
// How a chart zooms when the user drags a rectangle over it, and the drag in
// progress (the TZoomPanning part). The chart drives the drag; the panel
// keeps the settings and draws the rectangle.
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/TPlotPersistent.h"
#include "chart/core/TZoomPanning.h"
#include "chart/model/PlotInput.h"

// The zoom rectangle's fill: white and clear.
class TPlotZoomBrush : public TChartBrush {
  Q_OBJECT
  Q_CLASSINFO("default:Color", "$FFFFFF")
  Q_CLASSINFO("default:Style", "bsClear")

 public:
  explicit TPlotZoomBrush(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

// The zoom rectangle's outline: white.
class TPlotZoomPen : public TChartPen {
  Q_OBJECT
  Q_CLASSINFO("default:Color", "$FFFFFF")

 public:
  explicit TPlotZoomPen(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

class TPlotZoom : public TPlotPersistent, public TZoomPanning {
  Q_OBJECT
  Q_PROPERTY(bool Allow READ Allow WRITE SetAllow)
  Q_CLASSINFO("default:Allow", "true")
  Q_PROPERTY(bool Animated READ Animated WRITE SetAnimated)
  Q_CLASSINFO("default:Animated", "false")
  Q_PROPERTY(int AnimatedSteps READ AnimatedSteps WRITE SetAnimatedSteps)
  Q_CLASSINFO("default:AnimatedSteps", "8")
  Q_PROPERTY(TPlotZoomBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TPlotZoomDirection Direction READ Direction WRITE SetDirection)
  Q_CLASSINFO("default:Direction", "tzdBoth")
  Q_PROPERTY(PlotInput::TShiftState KeyShift READ KeyShift WRITE SetKeyShift)
  Q_CLASSINFO("default:KeyShift", "")
  Q_PROPERTY(int MinimumPixels READ MinimumPixels WRITE SetMinimumPixels)
  Q_CLASSINFO("default:MinimumPixels", "16")
  Q_PROPERTY(PlotInput::TMouseButton MouseButton READ MouseButton WRITE SetMouseButton)
  Q_CLASSINFO("default:MouseButton", "mbLeft")
  Q_PROPERTY(TPlotZoomPen* Pen READ Pen WRITE SetPen)

 public:
  enum TPlotZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
  Q_ENUM(TPlotZoomDirection)

  explicit TPlotZoom(ChangeHandler onChange = {}, QObject* parent = nullptr);

  bool Allow() const { return allow_; }
  void SetAllow(bool value) { Store(allow_, value); }
  bool Animated() const { return animated_; }
  void SetAnimated(bool value) { Store(animated_, value); }
  int AnimatedSteps() const { return animatedSteps_; }
  void SetAnimatedSteps(int value) { Store(animatedSteps_, value); }
  TPlotZoomBrush* Brush() const { return brush_; }
  void SetBrush(TPlotZoomBrush* value);
  TPlotZoomDirection Direction() const { return direction_; }
  void SetDirection(TPlotZoomDirection value) { Store(direction_, value); }
  TShiftState KeyShift() const { return keyShift_; }
  void SetKeyShift(TShiftState value) { Store(keyShift_, value); }
  int MinimumPixels() const { return minimumPixels_; }
  void SetMinimumPixels(int value) { Store(minimumPixels_, value); }
  TMouseButton MouseButton() const { return mouseButton_; }
  void SetMouseButton(TMouseButton value) { Store(mouseButton_, value); }
  TPlotZoomPen* Pen() const { return pen_; }
  void SetPen(TPlotZoomPen* value);

  // Copies the settings (not a drag in progress).
  void Assign(const TPlotZoom& source);

 private:
  bool allow_ = true;
  bool animated_ = false;
  int animatedSteps_ = 8;
  TPlotZoomBrush* brush_;  // owned through the QObject tree
  TPlotZoomDirection direction_ = tzdBoth;
  TShiftState keyShift_;
  int minimumPixels_ = 16;
  TMouseButton mouseButton_ = mbLeft;
  TPlotZoomPen* pen_;
};
