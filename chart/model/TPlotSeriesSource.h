#pragma once
// The base of components that fill a series from outside the chart (a
// database table, a text file). None is built into this system; the chart
// editor lists the registered kinds, and a series takes one as its data
// source like it takes another series.
#include "chart/core/TPlotPersistent.h"

#include <QPointer>
#include <QString>

#include <vector>

class TChartSeries;

class TPlotSeriesSource : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(bool Active READ Active WRITE SetActive)
  Q_CLASSINFO("default:Active", "false")

 public:
  explicit TPlotSeriesSource(QObject* owner = nullptr);

  // Switching on loads the series (Open), switching off closes.
  bool Active() const { return active_; }
  void SetActive(bool value);
  TChartSeries* Series() const;
  void SetSeries(TChartSeries* value);

  virtual bool Available() const { return true; }
  virtual QString Description() const { return {}; }
  // The name of the editor form class; none here.
  virtual QString Editor() const { return {}; }
  virtual bool HasNew() const { return false; }
  // Whether `series` takes its points from a source of this kind (class
  // names compared in any case).
  virtual bool HasSeries(const TChartSeries& series) const;
  virtual void Close() {}
  // Fills the series.
  virtual void Load() = 0;
  virtual void Open() { Load(); }

 private:
  bool active_ = false;
  QPointer<TChartSeries> series_;
};

// The registered kinds of data source, for the editor (none in this system).
std::vector<const QMetaObject*>& PlotSeriesSourceClasses();
