// The Other slice in a complete chart: which slices it gathers, what the
// legend and the percentages show, and that gathering them while the chart
// paints asks for no further paint, tells no dependant and leaves the
// points as they were after any number of paints.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class PieOtherSlice : public testing::Test {
 protected:
  ChartEngineScope engine;
  TChart chart;
  RecordingBackend backend;
  TPieSeries* pie = new TPieSeries(&chart);
  int paintRequests = 0;

  PieOtherSlice() {
    chart.SetView3D(false);
    chart.SetBufferedDisplay(false);
    chart.AddSeries(pie);
    const char* labels[] = {"a", "b", "c", "d", "e"};
    int k = 0;
    for (double v : {50, 30, 8, 7, 5}) pie->Add(v, QString::fromLatin1(labels[k++]));
    pie->OtherSlice()->SetStyle(TPieOtherSlice::poBelowPercent);
    pie->OtherSlice()->SetValue(10);
    QObject::connect(&chart, &TCustomPlotPanel::repaintRequested, [this] { ++paintRequests; });
  }
  void Paint() {
    backend.clearLines();
    chart.Draw(backend, chart.GetRectangle());
  }
  QStringList Texts() const {
    QStringList out;
    for (const QString& l : backend.lines(QStringLiteral("textOut")))
      out << l.section(QLatin1Char('"'), 1, 1);
    return out;
  }
};

TEST_F(PieOtherSlice, GathersTheSlicesBelowTheLimitIntoOne) {
  Paint();
  ASSERT_EQ(pie->PointCount(), 6);
  for (int i : {2, 3, 4}) EXPECT_TRUE(pie->IsHidden(i)) << i;
  EXPECT_FALSE(pie->IsHidden(0));
  EXPECT_EQ(pie->GetXValue(5), TPieSeries::OtherX);
  EXPECT_EQ(pie->GetYValue(5), 20);
  EXPECT_EQ(pie->GetXLabel(5), QStringLiteral("Other"));
  // The three slices drawn share the whole circle.
  EXPECT_EQ(pie->CountLegendItems(), 3);
  EXPECT_EQ(pie->LegendToValueIndex(2), 5);
  EXPECT_DOUBLE_EQ(pie->Angles()[5].end - pie->Angles()[5].start, 2 * M_PI * 0.2);
  EXPECT_DOUBLE_EQ(pie->Angles()[5].end, 2 * M_PI);
  EXPECT_EQ(backend.lines(QStringLiteral("pie")).size(), 3);
  // Percentages are of the drawn whole, 100.
  pie->Marks()->SetStyle(TSeriesMarks::smsPercent);
  EXPECT_EQ(pie->MarkText(5), QStringLiteral("20 %"));
  EXPECT_EQ(pie->MarkText(0), QStringLiteral("50 %"));
}

TEST_F(PieOtherSlice, LegendListsTheSlicesDrawnAndOther) {
  chart.Legend()->SetTextStyle(TChartSeries::ltsPlain);
  Paint();
  const QStringList texts = Texts();
  for (const char* shown : {"a", "b", "Other"})
    EXPECT_TRUE(texts.contains(QString::fromLatin1(shown))) << shown;
  for (const char* gone : {"c", "d", "e"})
    EXPECT_FALSE(texts.contains(QString::fromLatin1(gone))) << gone;
}

TEST_F(PieOtherSlice, LegendItemsAreHatchedAsTheirSlices) {
  pie->SetUsePatterns(true);
  Paint();
  // The brush style of each call of a kind, in drawing order.
  const auto hatches = [&](const QString& kind) {
    QStringList out;
    for (const QString& l : backend.lines(kind)) {
      const QString style =
          l.section(QStringLiteral(" brush["), 1, 1).section(QLatin1Char(']'), 0, 0);
      const QString hatch = style.section(QLatin1Char(' '), -1);
      if (hatch != QLatin1String("bsSolid") && hatch != QLatin1String("bsClear")) out << hatch;
    }
    return out;
  };
  // Slices a, b and Other (the sixth point) in the order the legend lists them.
  const QStringList slices = hatches(QStringLiteral("pie"));
  EXPECT_EQ(slices, QStringList({"bsHorizontal", "bsVertical", "bsDiagCross"}));
  EXPECT_EQ(hatches(QStringLiteral("rectangle")), slices);
}

TEST_F(PieOtherSlice, APaintAsksForNoOtherAndKeepsThePoints) {
  TPointSeries copy, sum;
  chart.AddSeries(&copy);
  copy.SetDataSource(pie);
  // A function recalculates on every change its source tells of.
  chart.AddSeries(&sum);
  sum.SetFunction(new TAddPlotFunction);
  sum.SetDataSource(pie);
  int recalculations = 0;
  sum.OnClearValues = [&](TChartSeries&) { ++recalculations; };
  int added = 0, cleared = 0;
  pie->OnAfterAdd = [&](TChartSeries&, int) { ++added; };
  pie->OnClearValues = [&](TChartSeries&) { ++cleared; };
  paintRequests = 0;
  pie->Repaint();
  EXPECT_EQ(paintRequests, 1);
  for (int k = 0; k < 5; ++k) {
    Paint();
    EXPECT_EQ(pie->PointCount(), 6) << k;
  }
  EXPECT_EQ(paintRequests, 1) << "a paint asked for another";
  EXPECT_EQ(added, 0);
  EXPECT_EQ(cleared, 0);
  EXPECT_EQ(copy.PointCount(), 5) << "the dependant heard of the Other slice";
  EXPECT_EQ(recalculations, 0) << "the function heard of the regrouping";
  chart.RemoveSeries(&sum);
  chart.RemoveSeries(&copy);
}

// The Other slice goes away and comes back each paint: an explode setting
// of a slice after it, or of the Other slice itself, stays put.
TEST_F(PieOtherSlice, ExplodeSettingsSurviveTheRegrouping) {
  Paint();
  pie->SetExplodedSlice(1, 20);
  pie->SetExplodedSlice(5, 35);
  Paint();
  Paint();
  EXPECT_EQ(pie->ExplodedSlices().Value(1), 20);
  EXPECT_EQ(pie->ExplodedSlices().Value(5), 0) << "the old Other slice took its setting along";
  pie->Delete(0);
  EXPECT_EQ(pie->ExplodedSlices().Value(0), 20);
}

TEST_F(PieOtherSlice, CopiesTakeTheUsersSlicesNotThoseOfThePaint) {
  Paint();
  ASSERT_EQ(pie->PointCount(), 6);
  const std::vector<double> values{50, 30, 8, 7, 5};
  auto check = [&](const TChartSeries& copy) {
    ASSERT_EQ(copy.PointCount(), 5);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(copy.GetXValue(i), i) << i;
      EXPECT_EQ(copy.GetYValue(i), values[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(copy.GetXLabel(4), QStringLiteral("e"));
  };
  {
    SCOPED_TRACE("a clone");
    TPieSeries clone;
    clone.Assign(*pie);
    check(clone);
  }
  {
    SCOPED_TRACE("another type in its place");
    TPointSeries points;
    points.Assign(*pie);
    check(points);
  }
  {
    SCOPED_TRACE("a series fed by the pie");
    TPointSeries fed;
    fed.AddValues(*pie);
    check(fed);
  }
}

}  // namespace
