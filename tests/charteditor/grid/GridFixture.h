#pragma once
// What the chart grid tests share: a running engine, a recording prompt, a
// US English locale (the texts typed and shown), a complete chart, and
// series types that exercise the grid's column rules: a series with a
// third list ("Radius", zero-reset like a bubble's), and helpers that fill
// the extractor-like series (ascending dates on X).
#include "../../chart/support/RecordingChartPrompts.h"
#include "base/DateTime.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/THorizLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "tests/base/LocaleScope.h"

#include <QLocale>

#include <memory>
#include <vector>

// Three lists; its own AddPointXY leaves the radius temp as it is, as a
// bubble series does between points.
class TRadiusTestSeries : public TChartSeries {
 public:
  explicit TRadiusTestSeries(QObject* owner = nullptr)
      : TChartSeries(owner), radius_(&ValuesList().Add(QStringLiteral("Radius"))) {}
  TChartValueList& Radius() { return *radius_; }
  int AddBubble(double x, double y, double r) {
    radius_->SetTempValue(r);
    return AddPointXY(x, y);
  }

 private:
  TChartValueList* radius_;
};

class GridFixture {
 public:
  GridFixture() { chart = std::make_unique<TChart>(); }
  ~GridFixture() {
    series.clear();
    chart.reset();
  }
  GridFixture(const GridFixture&) = delete;
  GridFixture& operator=(const GridFixture&) = delete;

  template <class S = TLineSeries>
  S* Add(const QString& title = {}) {
    auto owned = std::make_unique<S>();
    S* s = owned.get();
    if (!title.isEmpty()) s->SetTitle(title);
    chart->AddSeries(s);
    series.push_back(std::move(owned));
    return s;
  }
  // X = 0, 1, 2 ... with Y = 10 * (i + 1).
  TLineSeries* AddIndexSeries(int count, const QString& title = {}) {
    TLineSeries* s = Add(title);
    for (int i = 0; i < count; ++i) s->Add(10.0 * (i + 1));
    return s;
  }
  // Ascending dates from 1 Jan 2020, one a day, on X; Y = i.
  TLineSeries* AddDateSeries(int count, const QString& title = {}) {
    TLineSeries* s = Add(title);
    s->XValues()->SetDateTime(true);
    s->XValues()->SetOrder(loAscending);
    for (int i = 0; i < count; ++i) s->AddPointXY(kJan2020 + i, i);
    return s;
  }

  static constexpr double kJan2020 = 43831.0;  // 1/1/2020

  ChartEngineScope engine;
  RecordingChartPrompts prompts;
  std::unique_ptr<TChart> chart;
  std::vector<std::unique_ptr<TChartSeries>> series;

 private:
  LocaleScope locale_{QLocale(QLocale::English, QLocale::UnitedStates)};
};
