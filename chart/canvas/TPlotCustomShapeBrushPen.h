#pragma once
// What every framed chart part has: a brush, a frame pen, visibility and the
// chart it lives in. A change of any of them repaints that chart. This class
// publishes nothing itself: its heirs publish the pen under their own name
// (a framed box's "Frame", a series pointer's "Pen").
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartHost.h"
#include "chart/core/TPlotPersistent.h"

class TPlotCustomShapeBrushPen : public TPlotPersistent {
  Q_OBJECT

 public:
  // The class of the brush an heir creates (the class-level hook).
  using BrushClass = TChartBrush* (*)(ChangeHandler onChange, QObject* parent);
  template <class T>
  static TChartBrush* NewBrush(ChangeHandler onChange, QObject* parent) {
    return new T(std::move(onChange), parent);
  }

  explicit TPlotCustomShapeBrushPen(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                                    QObject* parent = nullptr)
      : TPlotCustomShapeBrushPen(parentChart, std::move(onChange), parent, &NewBrush<TChartBrush>) {
  }

  TChartBrush* Brush() const { return brush_; }
  // Copies `value` (null changes nothing).
  void SetBrush(TChartBrush* value);
  TChartPen* Pen() const { return pen_; }
  // Copies `value` (null changes nothing).
  void SetPen(TChartPen* value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { StoreAndRepaint(visible_, value); }

  // Null once the chart is gone.
  ChartHost* ParentChart() const { return parentChart_.get(); }
  virtual void SetParentChart(ChartHost* value) { parentChart_ = value; }

  // Invalidates the parent chart, when there is one.
  void Repaint() const;

  // Copies brush, pen and visibility.
  void Assign(const TPlotCustomShapeBrushPen& source);

 protected:
  TPlotCustomShapeBrushPen(ChartHost* parentChart, ChangeHandler onChange, QObject* parent,
                           BrushClass brushClass);

  // The change handler of owned sub-objects: the owner hears of it and
  // the chart repaints.
  void SubObjectChanged() const {
    Changed();
    Repaint();
  }

  template <class T, class U>
  bool StoreAndRepaint(T& field, U&& value) {
    if (!Store(field, std::forward<U>(value))) return false;
    Repaint();
    return true;
  }

 private:
  ParentChartPtr parentChart_;
  TChartBrush* brush_;  // owned through the QObject tree
  TChartPen* pen_;      // owned through the QObject tree

 protected:
  // Heirs with other defaults set it in their constructors, silently.
  bool visible_ = true;
};
