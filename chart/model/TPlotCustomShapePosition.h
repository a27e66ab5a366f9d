#pragma once
// A framed box its owner places (a title above the chart, the legend beside
// it) unless the user pins it: setting Left or Top pins it there. The pinned
// corner is kept apart from the drawn bounds, so that a box the owner places
// stores no position.
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
      : TPlotCustomShapePosition(parentChart, std::move(onChange), parent,
                                 &NewGradient<TChartGradient>) {}

  bool CustomPosition() const { return customPosition_; }
  // Pinning a box the owner placed keeps it where it was last drawn.
  void SetCustomPosition(bool value);
  int Left() const { return left_; }
  void SetLeft(int value) { Pin(left_, value); }
  int Top() const { return top_; }
  void SetTop(int value) { Pin(top_, value); }

  // The box's values and its position.
  void Assign(const TPlotCustomShapePosition& source);

 protected:
  TPlotCustomShapePosition(ChartHost* parentChart, ChangeHandler onChange, QObject* parent,
                           GradientClass gradientClass)
      : TPlotCustomShape(parentChart, std::move(onChange), parent, gradientClass) {}

 private:
  // One change: the coordinate and the pin together.
  void Pin(int& field, int value);

  bool customPosition_ = false;
  int left_ = 0;
  int top_ = 0;
};
