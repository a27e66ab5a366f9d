#pragma once
// The base of the functions that compute a series from its data sources
// (a sum, an average of periods). A series with a function is refilled
// through it instead of copying its sources' points; the concrete
// functions live with the series types.
//
// One source gives one output point for the whole source (Period 0), or
// one per period of Period points or of a Period-wide range of X values.
// Several sources are combined point by point (CalculateMany), with the X
// values of the longest source.
//
// Every function skips NaN values, in a range, over a whole source and
// across sources; what has no value left gives 0.
//
// A function reads its sources' points as the user gave them
// (SeriesUserPoints): indexes count those points only, so that the point a
// source adds while it paints (the pie's Other slice, which already holds
// the small slices) is not counted twice and a slice the paint marks keeps
// its X. A function gives the same before and after any paint.
#include "chart/core/TPlotPersistent.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <vector>

class TChartSeries;
class TChartValueList;

class TPlotFunction : public TPlotPersistent {
  Q_OBJECT

 public:
  enum TFunctionPeriodStyle { psNumPoints, psRange };
  Q_ENUM(TFunctionPeriodStyle)
  enum TFunctionPeriodAlign { paFirst, paCenter, paLast };
  Q_ENUM(TFunctionPeriodAlign)

 private:
  Q_PROPERTY(double Period READ Period WRITE SetPeriod)
  Q_CLASSINFO("default:Period", "0")
  Q_PROPERTY(TFunctionPeriodStyle PeriodStyle READ PeriodStyle WRITE SetPeriodStyle)
  Q_CLASSINFO("default:PeriodStyle", "psNumPoints")
  Q_PROPERTY(TFunctionPeriodAlign PeriodAlign READ PeriodAlign WRITE SetPeriodAlign)
  Q_CLASSINFO("default:PeriodAlign", "paCenter")

 public:
  explicit TPlotFunction(QObject* owner = nullptr);

  // 0: one point for the whole source. Raises ChartException for a
  // negative, NaN or infinite value, keeping the old one.
  double Period() const { return period_; }
  void SetPeriod(double value);
  TFunctionPeriodStyle PeriodStyle() const { return periodStyle_; }
  void SetPeriodStyle(TFunctionPeriodStyle value);
  TFunctionPeriodAlign PeriodAlign() const { return periodAlign_; }
  void SetPeriodAlign(TFunctionPeriodAlign value);

  // The series the function fills.
  TChartSeries* ParentSeries() const;
  void SetParentSeries(TChartSeries* series);

  // No recalculation in between; the end recalculates once.
  void BeginUpdate() { updating_ = true; }
  void EndUpdate();
  bool Updating() const { return updating_; }
  // The parent series takes its points from its sources again.
  void ReCalculate();

  // Refills the parent series from `sources`: the period rules for one
  // source, point by point for several.
  virtual void AddPoints(const std::vector<TChartSeries*>& sources);
  // Takes the settings of another function (recalculating once).
  virtual void Assign(const TPlotFunction& source);

  // The value of the user's points first..last of `source` (first -1: the
  // whole source). The base computes 0.
  virtual double Calculate(const TChartSeries& source, int first, int last) const;
  // The value at `index` over `sources`. The base computes 0.
  virtual double CalculateMany(const std::vector<TChartSeries*>& sources, int index) const;

  // The list of `source` the function reads: the one the parent series'
  // mandatory list names as its source, else the mandatory one. Read it
  // through SeriesUserPoints.
  const TChartValueList& SourceValueList(const TChartSeries& source) const;
  // Adds (x, y) to the parent series, exchanged for a horizontal source.
  void AddFunctionXY(bool yMandatory, double x, double y);

  // The points a period holds: max(1, Round(period)), capped just above
  // `count` so that it never overflows (a period longer than the source
  // still holds no whole period).
  static std::int64_t PointsInPeriod(double period, std::int64_t count);

 protected:
  // One source with points: by period, or over the whole source.
  virtual void AddSourcePoints(const TChartSeries& source, const TChartValueList& xList);
  // The whole-source value: one point in the middle of the X range, or a
  // level line from the first to the last X for series that join points.
  virtual void CalculateAllPoints(const TChartSeries& source, const TChartValueList& xList);
  virtual void CalculateByPeriod(const TChartSeries& source, const TChartValueList& xList);
  // Adds the point (x, value of first..last).
  virtual void CalculatePeriod(const TChartSeries& source, double x, int first, int last);

  // A value a function counts: NaN is no value.
  static bool Counts(double v) { return v == v; }
  // Points first..last of a source of `count` user points inside the source
  // (first -1: all of them); empty when first > last.
  struct IndexRange {
    int first = 0;
    int last = -1;
  };
  static IndexRange PointRange(int count, int first, int last);
  // The value the user's point `index` of `source` has when it has one that
  // counts.
  bool ValueAt(const TChartSeries& source, int index, double& value) const;

 private:
  void ByNumPoints(const TChartSeries& source, const TChartValueList& xList);
  void ByRange(const TChartSeries& source, const TChartValueList& xList);
  void AddManySources(const std::vector<TChartSeries*>& sources);
  void AddPoint(bool yMandatory, double x, double y, const QString& label);
  // The X of a period's point by PeriodAlign.
  double AlignedX(double start, double end) const;

  double period_ = 0;
  TFunctionPeriodStyle periodStyle_ = psNumPoints;
  TFunctionPeriodAlign periodAlign_ = paCenter;
  bool updating_ = false;
  QPointer<TChartSeries> parentSeries_;
};
