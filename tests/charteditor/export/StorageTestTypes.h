#pragma once
// Series, function and tool classes for the storage tests, each with its
// own meta-object so that files name them: a plain series, one with one
// further value list (as a bubble series has), one with two (as a task
// series has), a horizontal one, a summing function and a tool.
#include "chart/model/TChartSeries.h"
#include "chart/model/TChartTool.h"
#include "chart/model/TPlotFunction.h"

class ChartClassRegistry;

class TStoreLineSeries : public TChartSeries {
  Q_OBJECT
  Q_PROPERTY(int LineStyle READ LineStyle WRITE SetLineStyle)
  Q_CLASSINFO("default:LineStyle", "0")

 public:
  explicit TStoreLineSeries(QObject* owner = nullptr) : TChartSeries(owner) {}
  int LineStyle() const { return lineStyle_; }
  void SetLineStyle(int value) { Store(lineStyle_, value); }

 private:
  int lineStyle_ = 0;
};

class TStoreBubbleSeries : public TChartSeries {
  Q_OBJECT
  Q_PROPERTY(TChartValueList* RadiusValues READ RadiusValues)

 public:
  explicit TStoreBubbleSeries(QObject* owner = nullptr);
  TChartValueList* RadiusValues() const { return radius_; }
  int AddBubble(double x, double y, double radius);

 private:
  TChartValueList* radius_;
};

class TStoreGanttSeries : public TChartSeries {
  Q_OBJECT
  Q_PROPERTY(TChartValueList* EndValues READ EndValues)
  Q_PROPERTY(TChartValueList* NextTask READ NextTask)

 public:
  explicit TStoreGanttSeries(QObject* owner = nullptr);
  TChartValueList* EndValues() const { return end_; }
  TChartValueList* NextTask() const { return next_; }
  int AddTask(double start, double y, double end, double next);

 private:
  TChartValueList* end_;
  TChartValueList* next_;
};

class TStoreHorizSeries : public TChartSeries {
  Q_OBJECT

 public:
  explicit TStoreHorizSeries(QObject* owner = nullptr) : TChartSeries(owner) {
    SetMandatoryLists();
  }
};

class TStoreSumFunction : public TPlotFunction {
  Q_OBJECT
  Q_PROPERTY(double Factor READ Factor WRITE SetFactor)
  Q_CLASSINFO("default:Factor", "1")

 public:
  using TPlotFunction::TPlotFunction;
  double Factor() const { return factor_; }
  void SetFactor(double value) { Store(factor_, value); }
  void AddPoints(const std::vector<TChartSeries*>& sources) override;

 private:
  double factor_ = 1;
};

class TStoreTool : public TChartTool {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_CLASSINFO("default:Caption", "")

 public:
  using TChartTool::TChartTool;
  QString Caption() const { return caption_; }
  void SetCaption(const QString& value) { Store(caption_, value); }

 private:
  QString caption_;
};

void RegisterStorageTestClasses(ChartClassRegistry& registry);
