// What the points of a series read as in legend items and marks, for every
// style: percentages of the sum of absolutes (100 when it is 0), dates for
// date-time values, and marks on several lines.
#include "chart/core/ChartEngine.h"
#include "tests/chart/model/FakeDrawingChart.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using T = TChartSeries;
using M = TSeriesMarks;

class SeriesTexts : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeDrawingChart chart;
  std::unique_ptr<TChartSeries> s = std::make_unique<TChartSeries>();

  SeriesTexts() {
    s->SetParentChart(&chart);
    // Absolute values add up to 100.
    s->AddPointXY(1, 10, QStringLiteral("a"));
    s->AddPointXY(2, 30);
    s->AddPointXY(3, -60, QStringLiteral("c"));
  }
};

const QString kCol(QChar(6));

TEST_F(SeriesTexts, LegendStylesOfAPointWithAndWithoutLabel) {
  struct Case {
    T::TLegendTextStyle style;
    QString unlabelled, labelled;  // points 1 and 2
  } cases[] = {
      {T::ltsPlain, "", "c"},
      {T::ltsLeftValue, "30", "-60" + kCol + "c"},
      {T::ltsRightValue, "30", "c" + kCol + "-60"},
      {T::ltsLeftPercent, "30 %", "-60 %" + kCol + "c"},
      {T::ltsRightPercent, "30 %", "c" + kCol + "-60 %"},
      {T::ltsXValue, "2", "3"},
      {T::ltsValue, "30", "-60"},
      {T::ltsPercent, "30 %", "-60 %"},
      {T::ltsXAndValue, "2" + kCol + "30", "3" + kCol + "-60"},
      {T::ltsXAndPercent, "2" + kCol + "30 %", "3" + kCol + "-60 %"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    EXPECT_EQ(s->LegendString(1, c.style), c.unlabelled);
    EXPECT_EQ(s->LegendString(2, c.style), c.labelled);
  }
}

TEST_F(SeriesTexts, MarkStylesOnOneAndOnSeveralLines) {
  struct Case {
    M::TSeriesMarksStyle style;
    QString unlabelled, labelled, multiLine;  // points 1, 2, and 2 on lines
  } cases[] = {
      {M::smsValue, "30", "-60", "-60"},
      {M::smsPercent, "30 %", "60 %", "60 %"},
      {M::smsLabel, "30", "c", "c"},
      {M::smsLabelPercent, "30 30 %", "c 60 %", "c\r60 %"},
      {M::smsLabelValue, "30 30", "c -60", "c\r-60"},
      {M::smsLegend, "30", "-60", "-60"},
      {M::smsPercentTotal, "30 % of 100", "60 % of 100", "60 %\rof 100"},
      {M::smsLabelPercentTotal, "30 30 % of 100", "c 60 % of 100", "c\r60 %\rof 100"},
      {M::smsXValue, "2", "3", "3"},
      {M::smsXY, "2 30", "3 -60", "3\r-60"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    s->Marks()->SetStyle(c.style);
    s->Marks()->SetMultiLine(false);
    EXPECT_EQ(s->MarkText(1), c.unlabelled);
    EXPECT_EQ(s->MarkText(2), c.labelled);
    s->Marks()->SetMultiLine(true);
    EXPECT_EQ(s->MarkText(2), c.multiLine);
  }
  // The user has the last word.
  s->OnGetMarkText = [](const TChartSeries&, int i, QString& text) { text += QString::number(i); };
  EXPECT_EQ(s->MarkText(1), "2\r301");
}

TEST_F(SeriesTexts, PercentIsAHundredWhenTheSumIsZero) {
  TChartSeries zeros;
  zeros.AddPointXY(0, 0);
  zeros.AddPointXY(1, 0);
  zeros.Marks()->SetStyle(M::smsPercent);
  EXPECT_EQ(zeros.MarkText(1), "100 %");
  EXPECT_EQ(zeros.LegendString(0, T::ltsPercent), "100 %");
  // Without a chart the X text takes the value format.
  EXPECT_EQ(zeros.LegendString(1, T::ltsXValue), "1");
}

TEST_F(SeriesTexts, DateTimeValuesReadAsDates) {
  TChartSeries d;
  d.SetParentChart(&chart);
  d.XValues()->SetDateTime(true);
  d.YValues()->SetDateTime(true);
  d.AddPointXY(45000.25, 45000.5);
  chart.left.SetDateTimeFormat(QStringLiteral("yyyy-mm-dd hh:nn"));
  chart.bottom.SetDateTimeFormat(QStringLiteral("dd.mm.yyyy"));
  d.Marks()->SetStyle(M::smsXY);
  EXPECT_EQ(d.MarkText(0), "15.03.2023 2023-03-15 12:00");
  EXPECT_EQ(d.LegendString(0, T::ltsValue), "2023-03-15 12:00");
  // Without an axis format the locale's date and time.
  chart.left.SetDateTimeFormat(QString());
  d.Marks()->SetStyle(M::smsValue);
  EXPECT_FALSE(d.MarkText(0).startsWith(QStringLiteral("45")));
  EXPECT_TRUE(d.MarkText(0).contains(QStringLiteral("2023")));
}

}  // namespace
