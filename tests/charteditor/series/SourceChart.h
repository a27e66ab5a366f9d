#pragma once
// What the source editors are tested on: a chart with four line series
// S1..S4 (S4 takes its points from S3) and a fifth, "F", that a function
// computes from S1, all owned by one owner as a form owns its components.
// The walk of every series (published values, sources, function and its
// period, points) shows what an editor changed.
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/series/SourceEditorForms.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <array>
#include <memory>

class SourceChart {
 public:
  SourceChart() : chart_(std::make_unique<TChart>()) {
    const double values[4][3] = {{1, 2, 3}, {10, 20, 30}, {5, 5, 5}, {0, 0, 0}};
    for (int i = 0; i < 5; ++i) {
      auto* s = new TLineSeries(&owner);
      s->setObjectName(i < 4 ? QStringLiteral("S%1").arg(i + 1) : QStringLiteral("F"));
      chart_->AddSeries(s);
      series_[i] = s;
      if (i < 3)
        for (int x = 0; x < 3; ++x) s->AddPointXY(x, values[i][x]);
    }
    series_[3]->SetDataSource(series_[2]);
    F()->SetFunction(new TAddPlotFunction(&owner));
    F()->SetDataSource(S(1));
  }
  SourceChart(const SourceChart&) = delete;
  SourceChart& operator=(const SourceChart&) = delete;

  TChart& Chart() { return *chart_; }
  // S(1)..S(4).
  TLineSeries* S(int n) const { return series_[n - 1]; }
  TLineSeries* F() const { return series_[4]; }

  // Every series' stored values, sources, function and points by path ("F.Function").
  QMap<QString, QVariant> Walk() const {
    QMap<QString, QVariant> out;
    for (const TLineSeries* s : series_) {
      const QString prefix = s->objectName() + QLatin1Char('.');
      for (const PublishedProperty& p : PublishedProperties(*s))
        if (p.meta.isStored() && !PublishedObject(*s, p))
          out.insert(prefix + p.name, PublishedValue(*s, p));
      QStringList sources;
      for (QObject* source : s->DataSources()) sources << source->objectName();
      out.insert(prefix + QStringLiteral("Sources"), sources);
      const TPlotFunction* f = s->Function();
      out.insert(prefix + QStringLiteral("Function"),
                 f ? QString::fromLatin1(f->metaObject()->className()) : QString());
      if (f) {
        for (const PublishedProperty& p : PublishedProperties(*f))
          out.insert(prefix + QStringLiteral("Function.") + p.name, PublishedValue(*f, p));
      }
      QStringList points;
      for (int i = 0; i < s->PointCount(); ++i)
        points << QStringLiteral("%1:%2").arg(s->GetXValue(i)).arg(s->GetYValue(i));
      out.insert(prefix + QStringLiteral("Points"), points.join(u' '));
    }
    return out;
  }

  static QStringList Changed(const QMap<QString, QVariant>& before,
                             const QMap<QString, QVariant>& after) {
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it)
      if (!before.contains(it.key()) || before.value(it.key()) != it.value()) changed << it.key();
    for (auto it = before.begin(); it != before.end(); ++it)
      if (!after.contains(it.key())) changed << it.key();
    changed.sort();
    return changed;
  }

  ChartEditorScope editors{{RegisterSourceEditorForms}, {RegisterSeriesTypes}};

 private:
  // The chart outlives the series, which leave it as they go.
  std::unique_ptr<TChart> chart_;

 public:
  QObject owner;

 private:
  std::array<TLineSeries*, 5> series_{};
};
