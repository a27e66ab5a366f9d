// The extractor's line on its Format sheet: "Draw All" as the series has
// it, and a colour that reaches the pen, the series and the chart's
// listeners once.
#include "chart/model/TChart.h"
#include "chart/series/TFastLineSeries.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QCheckBox>
#include <QTabWidget>

namespace {

class ColorEvents final : public TPlotEventListener {
 public:
  int count = 0;
  void PlotEvent(TPlotEvent& event) override {
    if (auto* e = dynamic_cast<TPlotSeriesEvent*>(&event); e && e->Event == seColorChanged) ++count;
  }
};

TEST(FastLineEditor, ShowsDrawAllAsTheSeriesHasIt) {
  for (bool drawAll : {false, true}) {
    SeriesPage page(TFastLineSeries::staticMetaObject);
    static_cast<TFastLineSeries*>(page.Series(1))->SetDrawAllPoints(drawAll);
    page.Form().RefreshSeries(page.Series(1));
    ASSERT_TRUE(page.ShowSheet(QStringLiteral("Format")));
    auto* box = Control<QCheckBox>(*page.Form().Pages()->currentWidget(), "CBDrawAll");
    EXPECT_EQ(box->isChecked(), drawAll);
    page.Mark();
    Click(*page.Form().Pages()->currentWidget(), "CBDrawAll");
    EXPECT_EQ(static_cast<TFastLineSeries*>(page.Series(1))->DrawAllPoints(), !drawAll);
  }
}

TEST(FastLineEditor, AColourReachesPenAndSeriesWithOneEvent) {
  SeriesPage page(TFastLineSeries::staticMetaObject);
  ColorEvents events;
  page.Chart().AddListener(&events);
  ASSERT_TRUE(page.ShowSheet(QStringLiteral("Format")));
  page.Mark();
  page.Prompts().colorAnswers.push_back(base::clBlue);
  Click(*page.Form().Pages()->currentWidget(), "BColor");
  auto* line = static_cast<TFastLineSeries*>(page.Series(0));
  EXPECT_EQ(line->LinePen()->Color(), base::clBlue);
  EXPECT_EQ(line->SeriesColor(), base::clBlue);
  EXPECT_EQ(events.count, 1);
  EXPECT_EQ(page.repaints, 1);
  page.Chart().RemoveListener(&events);
}

}  // namespace
