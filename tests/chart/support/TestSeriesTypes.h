#pragma once
// Series types that exist only for tests: one with a further value list
// that its own AddPointXY resets (as a task chart resets a point's link to
// the next task), one that records what it draws, a function that sums its
// sources point by point, and the two answers a series gives a function
// over a whole source (a line joins its points, a bar stands alone).
#include "chart/model/TChartSeries.h"
#include "chart/model/TPlotFunction.h"
#include "chart/model/TSeriesMarkPosition.h"

#include <QStringList>

#include <vector>

class TTaskTestSeries : public TChartSeries {
 public:
  explicit TTaskTestSeries(QObject* owner = nullptr)
      : TChartSeries(owner), nextTask_(&ValuesList().Add(QStringLiteral("NextTask"))) {}

  TChartValueList& NextTask() { return *nextTask_; }
  // A point with its link, past this type's own reset.
  int AddTask(double x, double y, double next) {
    nextTask_->SetTempValue(next);
    return TChartSeries::AddPointXY(x, y);
  }
  int AddPointXY(double x, double y, const QString& label = {},
                 base::TColor color = clPlotColor) override {
    nextTask_->SetTempValue(-1);
    return TChartSeries::AddPointXY(x, y, label, color);
  }

 private:
  TChartValueList* nextTask_;
};

class TRecordingTestSeries : public TChartSeries {
 public:
  using TChartSeries::TChartSeries;

  QStringList* log = nullptr;
  std::vector<std::pair<int, TSeriesMarkPosition>> marks;

  void SetDrawBetweenPoints(bool value) { drawBetweenPoints_ = value; }
  void SetCalcVisiblePoints(bool value) { calcVisiblePoints_ = value; }
  // Horizontal, as a horizontal bar series is.
  void MakeHorizontal() { SetMandatoryLists(); }

  void DrawValue(int index) override {
    if (log) *log << QStringLiteral("%1[%2]").arg(objectName()).arg(index);
  }

 protected:
  void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override {
    marks.emplace_back(index, position);
    if (log) *log << QStringLiteral("mark %1").arg(text);
    TChartSeries::DrawMark(index, text, position);
  }
};

class TSumTestFunction : public TPlotFunction {
 public:
  using TPlotFunction::TPlotFunction;
  int runs = 0;

  void AddPoints(const std::vector<TChartSeries*>& sources) override {
    ++runs;
    TChartSeries* target = ParentSeries();
    if (!target) return;
    target->ClearValues();
    if (sources.empty()) return;
    for (int i = 0; i < sources.front()->PointCount(); ++i) {
      double sum = 0;
      for (const TChartSeries* s : sources)
        if (i < s->PointCount()) sum += s->YValues()->Values()[static_cast<std::size_t>(i)];
      target->AddPointXY(i, sum);
    }
  }
};

// Joins its points by lines: a whole-source value is a level line.
class TLineTestSeries : public TChartSeries {
 public:
  explicit TLineTestSeries(QObject* owner = nullptr) : TChartSeries(owner) {
    wholeValueAsPoint_ = false;
  }
};

// One bar per point: a whole-source value is one point in the middle.
class TBarTestSeries : public TChartSeries {
 public:
  using TChartSeries::TChartSeries;
};
