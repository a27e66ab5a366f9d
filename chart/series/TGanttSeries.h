#pragma once
// One horizontal bar per task, from its start date to its end date at the
// row its Y value names, optionally joined to the task that follows it.
//
// NextTask holds point indexes, so the start dates keep the order the
// tasks were added in: sorting them would leave each link naming another
// task than the one it was set to.
#include "chart/series/TPointSeries.h"

class TGanttSeries : public TPointSeries {
  Q_OBJECT
  Q_CLASSINFO("default:ColorEachPoint", "true")
  Q_PROPERTY(TChartValueList* StartValues READ StartValues WRITE SetStartValues STORED false)
  Q_PROPERTY(TChartValueList* EndValues READ EndValues WRITE SetEndValues)
  Q_PROPERTY(TChartValueList* NextTask READ NextTask WRITE SetNextTask)
  Q_PROPERTY(TChartPen* ConnectingPen READ ConnectingPen WRITE SetConnectingPen STORED false)

 public:
  explicit TGanttSeries(QObject* owner = nullptr);

  // The X values under the name the Gantt editor shows.
  TChartValueList* StartValues() const { return XValues(); }
  void SetStartValues(TChartValueList* value) { SetXValues(value); }
  TChartValueList* EndValues() const { return endValues_; }
  void SetEndValues(TChartValueList* value) { AssignValueList(*endValues_, value); }
  // The index of each task's following task, -1 (or anything that names
  // no point) for none.
  TChartValueList* NextTask() const { return nextTask_; }
  void SetNextTask(TChartValueList* value) { AssignValueList(*nextTask_, value); }
  // The line pen, under the name the connectors go by; stored once, as Pen.
  TChartPen* ConnectingPen() const { return LinePen(); }
  void SetConnectingPen(TChartPen* value) { SetLinePen(value); }

  // Adds a task without a following one; answers its index.
  int AddGantt(double start, double end, double row, const QString& label = {},
               base::TColor color = clPlotColor);
  // A point added without a link set first has no following task.
  int AddPointXY(double x, double y, const QString& label = {},
                 base::TColor color = clPlotColor) override;
  // The following task of `valueIndex`, or -1 when it names none.
  int NextTaskIndex(int valueIndex) const;

  void Assign(const TCustomChartElement& source) override;
  QString GetEditorClass() const override { return QStringLiteral("TGanttSeriesEditor"); }
  bool IsValidSourceOf(const TChartSeries* other) const override;
  void DrawValue(int valueIndex) override;
  double MaxXValue() const override;
  bool ClickedPointer(int valueIndex, int px, int py, int x, int y) const override;
  void PrepareForGallery(bool enabled) override;
  void AddSampleValues(int count) override;

 protected:
  void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position) override;

 private:
  void DrawConnector(int valueIndex, int x1, int y);

  TChartValueList* endValues_;  // owned by the series' value lists
  TChartValueList* nextTask_;
};
