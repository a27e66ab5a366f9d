#pragma once
// What the source editors are tested on: line series S1..S4 (S4 takes its
// points from S3) and "F", a sum of S1, owned by one owner as a form owns
// its components. Walk() lists every series' stored values, sources,
// function, period and points, so that a test sees all an editor changed.
// The dialog tests' helpers (child, AnswerNextModal) come along.
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChart.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/series/SourceEditorForms.h"
#include "tests/charteditor/common/DialogRows.h"

#include <QMap>

#include <array>
#include <memory>

class SourceChart {
 public:
  SourceChart() {
    const double values[3][3] = {{1, 2, 3}, {10, 20, 30}, {5, 5, 5}};
    for (int i = 0; i < 5; ++i) {
      auto* s = series_[i] = new TLineSeries(&owner);
      s->setObjectName(i < 4 ? QStringLiteral("S%1").arg(i + 1) : QStringLiteral("F"));
      chart_->AddSeries(s);
      for (int x = 0; x < 3 && i < 3; ++x) s->AddPointXY(x, values[i][x]);
    }
    S(4)->SetDataSource(S(3));
    F()->SetFunction(new TAddPlotFunction(&owner));
    F()->SetDataSource(S(1));
  }

  // S(1)..S(4).
  TLineSeries* S(int n) const { return series_[n - 1]; }
  TLineSeries* F() const { return series_[4]; }

  QMap<QString, QString> Walk() const {
    QMap<QString, QString> out;
    auto walk = [&out](const QObject& o, const QString& prefix) {
      for (const PublishedProperty& p : PublishedProperties(o))
        if (!PublishedObject(o, p)) out[prefix + p.name] = PublishedValue(o, p).toString();
    };
    for (const TLineSeries* s : series_) {
      const QString at = s->objectName() + QLatin1Char('.');
      walk(*s, at);
      for (QObject* source : s->DataSources())
        out[at + QStringLiteral("Sources")] += source->objectName();
      if (const TPlotFunction* f = s->Function()) {
        out[at + QStringLiteral("Function")] = QString::fromLatin1(f->metaObject()->className());
        walk(*f, at + QStringLiteral("Function."));
      }
      QStringList points;
      for (int i = 0; i < s->PointCount(); ++i)
        points << QStringLiteral("%1:%2").arg(s->GetXValue(i)).arg(s->GetYValue(i));
      out[at + QStringLiteral("Points")] = points.join(u' ');
    }
    return out;
  }

  // The paths whose values differ.
  static QStringList Changed(const QMap<QString, QString>& before,
                             const QMap<QString, QString>& after) {
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it)
      if (before.value(it.key(), QStringLiteral("\x01")) != it.value()) changed << it.key();
    for (auto it = before.begin(); it != before.end(); ++it)
      if (!after.contains(it.key())) changed << it.key();
    return changed;
  }

  ChartEditorScope editors{{RegisterSourceEditorForms}, {RegisterSeriesTypes}};
  LocaleScope locale{LocaleScope::english()};

 private:
  // The chart outlives the series, which leave it as they go.
  std::unique_ptr<TChart> chart_ = std::make_unique<TChart>();

 public:
  QObject owner;

 private:
  std::array<TLineSeries*, 5> series_{};
};
