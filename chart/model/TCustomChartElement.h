#pragma once
// The base of everything that lives inside a chart and draws with a pen and
// a brush: every series derives from it. It gives chart parts one way to
// store a property and repaint their chart, and holds that chart through a
// guarded pointer, so that an element outliving its chart (or a chart its
// element) never reaches freed memory.
#include "base/Colors.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/core/ChartHost.h"
#include "chart/core/TPlotPersistent.h"

#include <QString>

class TCustomChartElement : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(bool Active READ Active WRITE SetActive)
  Q_CLASSINFO("default:Active", "true")
  Q_PROPERTY(TChartBrush* Brush READ Brush WRITE SetBrush)
  Q_PROPERTY(TChartPen* Pen READ Pen WRITE SetPen)

 public:
  // `owner` owns the element as a component (its QObject parent).
  explicit TCustomChartElement(ChangeHandler onChange = {}, QObject* owner = nullptr);
  // Leaves the chart first, so that the chart drops the element.
  ~TCustomChartElement() override;

  bool Active() const { return active_; }
  virtual void SetActive(bool value);
  TChartBrush* Brush() const { return brush_; }
  // Copies `value` (null changes nothing).
  void SetBrush(TChartBrush* value);
  TChartPen* Pen() const { return pen_; }
  // Copies `value` (null changes nothing).
  virtual void SetPen(TChartPen* value);

  // The chart, or null: none set, or the chart is gone.
  ChartHost* ParentChart() const { return parentChart_.get(); }
  // Leaves the old chart (ElementDetached) and joins the new one
  // (ElementAttached).
  virtual void SetParentChart(ChartHost* value);
  // Takes `component` as the chart when it is one; otherwise changes nothing.
  void SetParentComponent(QObject* component);

  // The component's free integer.
  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }

  // A pen or brush changed: the owner hears of it and the chart repaints.
  virtual void CanvasChanged();
  // The name of the editor form class of this element; none here.
  virtual QString GetEditorClass() const { return {}; }

  // Invalidates the chart, when there is one.
  void Repaint() const;

  // Copies Active, Brush, Pen and Tag.
  virtual void Assign(const TCustomChartElement& source);

  // True when either object is an instance of the other's class (or of a
  // class derived from it); false when either is null.
  static bool SameOrDerivedClass(const QObject* a, const QObject* b);

 protected:
  // The stores of chart parts: each keeps the new value and, only when it
  // differs, tells the owner and repaints the chart. They answer whether
  // the value changed.
  bool SetBooleanProperty(bool& field, bool value);
  bool SetIntegerProperty(int& field, int value);
  bool SetColorProperty(base::TColor& field, base::TColor value);
  bool SetDoubleProperty(double& field, double value);
  bool SetStringProperty(QString& field, const QString& value);

 private:
  template <class T, class U>
  bool StoreAndRepaint(T& field, const U& value) {
    if (!Store(field, value)) return false;
    Repaint();
    return true;
  }

  bool active_ = true;
  TChartBrush* brush_;  // owned through the QObject tree
  TChartPen* pen_;      // owned through the QObject tree
  ParentChartPtr parentChart_;
  int tag_ = 0;
};
