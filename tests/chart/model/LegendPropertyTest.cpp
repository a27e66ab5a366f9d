// Random legends: whatever the side, first value, inversion, check boxes,
// spacing, row limit, item count, frame and bevel, a click answers the item
// drawn under it, and a check-box click switches the series whose title was
// written there.
#include "tests/chart/model/LegendChart.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using L = TChartLegend;

bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

class LegendClicks : public testing::TestWithParam<int>, public LegendFixture {};

TEST_P(LegendClicks, AnswerTheItemDrawnThere) {
  std::mt19937 random(static_cast<unsigned>(GetParam()));
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
  TChartLegend& legend = chart.legend;
  for (int round = 0; round < 25; ++round) {
    owned.clear();
    const int count = pick(0, 50);
    for (int i = 0; i < count; ++i) {
      // Titles of different lengths, so that columns are not all alike.
      TRecordingTestSeries* s = AddSeries(QStringLiteral("s%1").arg(i) + QString(pick(0, 6), 'w'));
      s->SetActive(pick(0, 3) > 0);
    }
    legend.SetAlignment(static_cast<L::TLegendAlignment>(pick(0, 3)));
    legend.SetFirstValue(pick(0, 5));
    legend.SetInverted(pick(0, 1) == 1);
    legend.SetCheckBoxes(pick(0, 1) == 1);
    legend.SetVertSpacing(pick(-5, 10));
    legend.SetMaxNumRows(pick(0, 6));
    // lsAuto lists the points of a lone active series.
    legend.SetLegendStyle(pick(0, 3) > 0 ? L::lsSeries : L::lsAuto);
    legend.Frame()->SetVisible(pick(0, 1) == 1);
    legend.Frame()->SetWidth(pick(1, 4));
    legend.SetBevel(static_cast<TPanelBevel>(pick(0, 2)));
    legend.SetBevelWidth(pick(1, 4));
    Paint();
    SCOPED_TRACE(testing::Message()
                 << "round " << round << ": " << count << " series, side " << legend.Alignment()
                 << ", first " << legend.FirstValue() << ", inverted " << legend.Inverted()
                 << ", boxes " << legend.CheckBoxes() << ", spacing " << legend.VertSpacing()
                 << ", rows " << legend.MaxNumRows());

    const std::vector<L::Item>& items = legend.Items();
    const TRect box = legend.ShapeBounds();
    for (const L::Item& item : items) {
      const TRect& r = item.rect;
      ASSERT_FALSE(r.IsEmpty());
      EXPECT_TRUE(r.Left >= box.Left && r.Right <= box.Right && r.Top >= box.Top &&
                  r.Bottom <= box.Bottom);
      EXPECT_EQ(legend.Clicked((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), item.index);
    }
    for (int probe = 0; probe < 200; ++probe) {
      const int x = pick(-5, 405);
      const int y = pick(-5, 255);
      bool onItem = false;
      for (const L::Item& item : items) onItem = onItem || Inside(item.rect, x, y);
      if (!onItem) {
        EXPECT_EQ(legend.Clicked(x, y), -1) << x << "," << y;
      }
    }

    if (legend.ResolvedStyle() != L::lsSeries) continue;
    // Each title was written on the item a click there finds, and that
    // item's check box switches the very series with that title.
    const QStringList lines = backend.lines(QStringLiteral("textOut"));
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(items.size()));
    for (const QString& line : lines) {
      const QStringList xy = line.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
      const QString title = line.section(QLatin1Char('"'), 1, 1);
      // The middle of the text's first letter, a text line being 13 high.
      const int index = legend.Clicked(xy[0].toInt() + 2, xy[1].toInt() + 6);
      SCOPED_TRACE(line.toStdString());
      ASSERT_GE(index, 0);
      TChartSeries* series = legend.ItemSeries(index);
      ASSERT_TRUE(series);
      EXPECT_EQ(series->objectName(), title);
      if (!legend.CheckBoxes()) continue;
      const bool was = series->Active();
      EXPECT_TRUE(legend.ToggleItemSeries(index));
      EXPECT_NE(series->Active(), was);
      EXPECT_TRUE(legend.ToggleItemSeries(index));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, LegendClicks, testing::Range(1, 9));

}  // namespace
