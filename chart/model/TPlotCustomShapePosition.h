#pragma once
// A framed box the user may place himself: titles and the legend lay
// themselves out from the chart rectangle unless CustomPosition pins their
// top-left corner at Left, Top.
#include "chart/canvas/TPlotCustomShape.h"

class TPlotCustomShapePosition : public TPlotCustomShape {
  Q_OBJECT
  Q_PROPERTY(bool CustomPosition READ CustomPosition WRITE SetCustomPosition)
  Q_CLASSINFO("default:CustomPosition", "false")
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_CLASSINFO("default:Left", "0")
  Q_PROPERTY(int Top READ Top WRITE SetTop)
  Q_CLASSINFO("default:Top", "0")

 public:
  explicit TPlotCustomShapePosition(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                                    QObject* parent = nullptr)
      : TPlotCustomShape(parentChart, std::move(onChange), parent) {}

  bool CustomPosition() const { return customPosition_; }
  void SetCustomPosition(bool value) { StoreAndRepaint(customPosition_, value); }
  // The box's left and top; a stored one pins the box there.
  int Left() const { return ShapeBounds().Left; }
  void SetLeft(int value);
  int Top() const { return ShapeBounds().Top; }
  void SetTop(int value);

  void Assign(const TPlotCustomShapePosition& source);

 protected:
  // Heirs with their own gradient defaults (the legend's).
  TPlotCustomShapePosition(ChartHost* parentChart, ChangeHandler onChange, QObject* parent,
                           GradientClass gradientClass)
      : TPlotCustomShape(parentChart, std::move(onChange), parent, gradientClass) {}

 private:
  // Moves the box, keeping its size, and pins it.
  void MoveTo(int left, int top);

  bool customPosition_ = false;
};
