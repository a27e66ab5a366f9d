#pragma once
// An axis panel that draws a legend where the complete chart does (before
// the series, taking its room from the chart rectangle), over a recording
// backend with fixed metrics: the default legend font is 11 pixels high, so
// a text line is 13 high and each character 5 wide.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChartLegend.h"
#include "chart/model/TCustomAxisPanel.h"
#include "tests/chart/support/TestSeriesTypes.h"

#include <memory>
#include <ostream>
#include <vector>

static inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << "," << r.Top << " - " << r.Right << "," << r.Bottom << ")";
}

class LegendChart final : public TCustomAxisPanel {
 public:
  TChartLegend legend{this};
  // The chart rectangle after the legend took its room.
  TRect after;

  LegendChart() {
    SetMarginLeft(0);
    SetMarginTop(0);
    SetMarginRight(0);
    SetMarginBottom(0);
    SetView3D(false);
    SetAxisVisible(false);
  }
  ~LegendChart() override { HostGone(); }

 protected:
  void DrawTitlesAndLegend(bool beforeSeries) override {
    if (!beforeSeries) return;
    if (legend.MustDraw()) legend.Draw();
    after = ChartRect();
  }
};

class LegendFixture {
 public:
  ChartEngineScope engine;
  LegendChart chart;
  RecordingBackend backend;
  std::vector<std::unique_ptr<TRecordingTestSeries>> owned;

  LegendFixture() { Resize(400, 250); }

  void Resize(int width, int height) {
    chart.SetWidth(width);
    chart.SetHeight(height);
  }
  // A series named `name` with `points` points y = 10 i, labelled "p<i>".
  TRecordingTestSeries* AddSeries(const QString& name, int points = 0) {
    owned.push_back(std::make_unique<TRecordingTestSeries>());
    TRecordingTestSeries* s = owned.back().get();
    s->setObjectName(name);
    for (int i = 0; i < points; ++i) s->AddPointXY(i, 10 * i, QStringLiteral("p%1").arg(i));
    chart.AddSeries(s);
    return s;
  }
  void Paint() {
    backend.clearLines();
    chart.Draw(backend, chart.GetRectangle());
  }
  // The texts the legend wrote, in order.
  QStringList Texts() const {
    QStringList out;
    for (const QString& line : backend.lines(QStringLiteral("textOut"))) {
      const qsizetype a = line.indexOf(QLatin1Char('"'));
      const qsizetype b = line.indexOf(QLatin1Char('"'), a + 1);
      out << line.mid(a + 1, b - a - 1);
    }
    return out;
  }
};
