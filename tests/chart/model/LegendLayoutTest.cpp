// The legend's layout through the recording backend: where the box goes on
// each side, the room it takes from the chart, what it lists, check boxes,
// paging, inversion, and sizes a user may set to anything.
#include "chart/core/ChartExceptions.h"
#include "tests/chart/model/LegendChart.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

#include <climits>

namespace {

using L = TChartLegend;

class LegendLayout : public testing::Test, public LegendFixture {
 public:
  TChartLegend& legend = chart.legend;

  // Where each text was written.
  std::vector<QPoint> TextOrigins() const {
    std::vector<QPoint> out;
    for (const QString& line : backend.lines(QStringLiteral("textOut"))) {
      const QStringList xy = line.section(QLatin1Char(' '), 1, 1).split(QLatin1Char(','));
      out.emplace_back(xy[0].toInt(), xy[1].toInt());
    }
    return out;
  }
};

// Two series "a" and "b" (texts 5 wide, so the text part is 5 + 2 blanks - 1
// = 14 and the symbol 20 % of it), 13-pixel rows, a 400 x 250 chart.
struct SideCase {
  L::TLegendAlignment alignment;
  TRect box;
  TRect chartAfter;
  std::vector<QPoint> texts;
};

TEST_F(LegendLayout, EachSideTakesItsRoomFromTheChart) {
  const SideCase cases[] = {
      // Right: ends at 400 - shadow 3 - (frame 1 + 1), 14 + 10 + symbol 5 wide,
      // top at 10 % of the panel; the chart keeps a gap of 3 % of its width.
      {L::laRight, {366, 25, 395, 53}, {0, 0, 354, 250}, {{381, 26}, {381, 39}}},
      {L::laLeft, {2, 25, 31, 53}, {43, 0, 400, 250}, {{17, 26}, {17, 39}}},
      // Top: symbol round(2.8) = 3, columns of 14 + 3 + 6, box 2 x 17 + 12 + 6
      // wide, shifted right by 10 % of the free width; the chart top moves
      // below the box and its shadow, then 4 % of the chart height.
      {L::laTop, {209, 2, 261, 17}, {0, 30, 400, 250}, {{222, 3}, {245, 3}}},
      {L::laBottom, {209, 230, 261, 245}, {0, 0, 400, 220}, {{222, 231}, {245, 231}}},
  };
  AddSeries("a", 2);
  AddSeries("b", 3);
  for (const SideCase& c : cases) {
    SCOPED_TRACE(c.alignment);
    legend.SetAlignment(c.alignment);
    Paint();
    EXPECT_EQ(legend.ShapeBounds(), c.box);
    EXPECT_EQ(chart.after, c.chartAfter);
    EXPECT_EQ(TextOrigins(), c.texts);
    EXPECT_EQ(Texts(), QStringList({"a", "b"}));
  }
}

TEST_F(LegendLayout, SetMarginsAndFixedPlacesOverrideTheShares) {
  AddSeries("a", 2);
  AddSeries("b", 3);
  legend.SetHorizMargin(30);
  Paint();
  EXPECT_EQ(chart.after.Right, 366 - 30);
  legend.SetResizeChart(false);
  Paint();
  EXPECT_EQ(chart.after.Right, 400 - 30) << "the margin applies even when the chart keeps its room";
  legend.SetResizeChart(true);
  legend.SetLeft(100);
  legend.SetTop(50);
  Paint();
  EXPECT_EQ(legend.ShapeBounds(), (TRect{100, 50, 129, 78}));
  EXPECT_EQ(chart.after.Right, 400 - 30) << "a pinned legend takes no room";
}

TEST_F(LegendLayout, ListsThePointsOfOneSeriesOrTheSeries) {
  TRecordingTestSeries* a = AddSeries("a", 3);
  Paint();
  // One active series: its points, value right-aligned before the label.
  EXPECT_EQ(Texts(), QStringList({"0", "p0", "10", "p1", "20", "p2"}));
  const std::vector<QPoint> at = TextOrigins();
  EXPECT_EQ(at[0].x() - at[2].x(), 5) << "the shorter value ends where the longer one does";
  EXPECT_EQ(at[1].x(), at[3].x()) << "labels start in one column";

  TRecordingTestSeries* b = AddSeries("b", 1);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"a", "b"}));

  b->SetActive(false);
  legend.SetCheckBoxes(true);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"a", "b"})) << "check boxes keep inactive series listed";
  // 13 x 13 boxes 4 pixels in from the box, the ticked one with its tick.
  const int left = legend.ShapeBounds().Left;
  EXPECT_EQ(backend.lines(QStringLiteral("rectangle"))
                .filter(QRegularExpression(
                    QStringLiteral("^rectangle %1,\\d+,%2,").arg(left + 4).arg(left + 17)))
                .size(),
            2);
  EXPECT_EQ(backend.lines(QStringLiteral("lineTo")).size(), 2) << "only the active one is ticked";
  EXPECT_TRUE(legend.ToggleItemSeries(1));
  EXPECT_TRUE(b->Active());
  legend.SetLegendStyle(L::lsValues);
  EXPECT_FALSE(legend.ToggleItemSeries(0)) << "point items have no check box";
  legend.SetLegendStyle(L::lsAuto);

  legend.SetCheckBoxes(false);
  a->SetTitle(QStringLiteral("first\rline"));
  b->SetActive(true);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"first line", "b"})) << "a line break shows as a blank";
}

TEST_F(LegendLayout, LastValuesTakeTextSymbolAndColourFromOneSeries) {
  TRecordingTestSeries* hidden = AddSeries("hidden", 4);
  hidden->SetActive(false);
  TRecordingTestSeries* empty = AddSeries("empty", 0);
  TRecordingTestSeries* full = AddSeries("full", 3);
  empty->SetSeriesColor(base::clRed);
  full->SetSeriesColor(base::clBlue);
  legend.SetLegendStyle(L::lsLastValues);
  legend.SetFontSeriesColor(true);
  Paint();
  // The inactive series is not listed; the pointless one has no text.
  EXPECT_EQ(Texts(), QStringList({"20", "p2"}));
  EXPECT_TRUE(backend.lines(QStringLiteral("textOut"))[0].contains(QStringLiteral("$FF0000")))
      << "the text colour is that of the series the text comes from";
  const QStringList symbols = backend.lines(QStringLiteral("rectangle")).mid(2);
  ASSERT_EQ(symbols.size(), 2);
  EXPECT_TRUE(symbols[0].contains(QStringLiteral("brush[$0000FF")));
  EXPECT_TRUE(symbols[1].contains(QStringLiteral("brush[$FF0000")));
}

TEST_F(LegendLayout, TopLegendShowsAtMostMaxNumRows) {
  for (int i = 0; i < 40; ++i)
    AddSeries(QStringLiteral("series%1").arg(i, 2, 10, QLatin1Char('0')));
  legend.SetAlignment(L::laTop);
  legend.SetMaxNumRows(3);
  Paint();
  // Texts 40 wide: columns of 40 + 10 - 1 + 10 + 6 = 65 fit 6 times in 398.
  ASSERT_EQ(legend.Items().size(), 18u);
  EXPECT_EQ(legend.Items().back().index, 17);
  EXPECT_EQ(legend.ShapeBounds().Height(), 3 * 13 + 2);
}

TEST_F(LegendLayout, CheckBoxesWidenTheBoxOnEverySide) {
  // Titles 10 wide: the text part is 19; every text must find that room
  // inside the box.
  struct Case {
    L::TLegendAlignment alignment;
    int columns;
  };
  const Case cases[] = {{L::laLeft, 1}, {L::laRight, 1}, {L::laTop, 1},
                        {L::laTop, 3},  {L::laTop, 4},   {L::laBottom, 6}};
  legend.SetCheckBoxes(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.alignment << " " << c.columns);
    owned.clear();
    for (int i = 0; i < c.columns; ++i) AddSeries(QStringLiteral("s%1").arg(i));
    legend.SetAlignment(c.alignment);
    Paint();
    const TRect box = legend.ShapeBounds();
    ASSERT_EQ(static_cast<int>(legend.Items().size()), c.columns);
    for (const QPoint& p : TextOrigins()) {
      EXPECT_GE(p.x(), box.Left);
      EXPECT_LE(p.x() + 19, box.Right);
    }
    if (c.alignment == L::laLeft) {
      EXPECT_EQ(chart.after.Left, box.Right + 12);
    }
  }
}

TEST_F(LegendLayout, InvertedReversesTheItemsOnceOnEverySide) {
  AddSeries("a", 1);
  AddSeries("b", 1);
  AddSeries("c", 1);
  legend.SetInverted(true);
  for (L::TLegendAlignment side : {L::laLeft, L::laRight, L::laTop, L::laBottom}) {
    SCOPED_TRACE(side);
    legend.SetAlignment(side);
    Paint();
    EXPECT_EQ(Texts(), QStringList({"c", "b", "a"}));
    // The first place (top or left) shows the last series, and a click
    // there says so.
    const TRect first = legend.Items().front().rect;
    EXPECT_EQ(legend.Clicked(first.Left, first.Top), 2);
    EXPECT_EQ(legend.ItemSeries(2)->objectName(), QStringLiteral("c"));
  }
}

TEST_F(LegendLayout, PagingListsThePageWithoutChangingFirstValue) {
  AddSeries("a", 8);
  chart.SetMaxPointsPerPage(3);
  chart.SetPage(2);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"30", "p3", "40", "p4", "50", "p5"}));
  EXPECT_EQ(legend.Items().front().index, 3);
  EXPECT_EQ(legend.FirstValue(), 0);
  chart.SetMaxPointsPerPage(0);
  Paint();
  EXPECT_EQ(Texts().first(), QStringLiteral("0")) << "paging off lists from the first point again";
}

TEST_F(LegendLayout, FirstValueSkipsItemsAndRefusesNegatives) {
  AddSeries("a", 1);
  AddSeries("b", 1);
  AddSeries("c", 1);
  legend.SetFirstValue(1);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"b", "c"}));
  EXPECT_EQ(legend.Clicked(legend.Items().front().rect.Left, legend.Items().front().rect.Top), 1);
  EXPECT_THROW(legend.SetFirstValue(-1), LegendException);
  EXPECT_EQ(legend.FirstValue(), 1);
}

TEST_F(LegendLayout, ClicksFollowWhereTheChartMovedBoxAndItems) {
  AddSeries("a", 1);
  AddSeries("b", 1);
  legend.OnGetRect = [](TRect& box) { box.Bottom += 40; };
  legend.OnGetPos = [](int index, int&, int& y, int&) {
    if (index == 0) y += 26;
  };
  Paint();
  // Rows of 13 from 26: "a" moved two rows down, below "b".
  EXPECT_EQ(legend.ShapeBounds(), (TRect{366, 25, 395, 93}));
  EXPECT_EQ(TextOrigins(), std::vector<QPoint>({{381, 52}, {381, 39}}));
  EXPECT_EQ(legend.Clicked(370, 30), -1) << "where a was placed";
  EXPECT_EQ(legend.Clicked(370, 55), 0);
  EXPECT_EQ(legend.Clicked(370, 42), 1);
}

TEST_F(LegendLayout, DrawnWhenVisibleWithSomethingToList) {
  TRecordingTestSeries* a = AddSeries("a", 1);
  legend.SetVisible(false);
  Paint();
  EXPECT_TRUE(Texts().isEmpty());
  legend.SetVisible(true);
  a->SetActive(false);
  Paint();
  EXPECT_TRUE(Texts().isEmpty()) << "no active series";
  legend.SetCheckBoxes(true);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"a"})) << "a check box to switch it on";
  const TRect item = legend.Items().front().rect;
  EXPECT_EQ(legend.Clicked(item.Left, item.Top), 0);
  legend.SetVisible(false);
  EXPECT_EQ(legend.Clicked(item.Left, item.Top), -1) << "a hidden legend answers no click";
}

TEST_F(LegendLayout, AFreedSeriesLeavesTheLegend) {
  TRecordingTestSeries* a = AddSeries("a", 2);
  TRecordingTestSeries* b = AddSeries("b", 3);
  b->SetActive(false);
  legend.SetSeries(b);
  Paint();
  EXPECT_EQ(Texts().size(), 6);
  owned.pop_back();  // frees b
  EXPECT_EQ(legend.Series(), nullptr);
  EXPECT_EQ(legend.ValuesSeries(), a);
  Paint();
  EXPECT_EQ(Texts(), QStringList({"0", "p0", "10", "p1"}));
}

TEST_F(LegendLayout, DividingLinesSeparateTheItems) {
  AddSeries("a", 1);
  AddSeries("b", 1);
  AddSeries("c", 1);
  legend.DividingLines()->SetVisible(true);
  Paint();
  // Rows grow by the line's width; a line above every item but the first.
  EXPECT_EQ(legend.ShapeBounds().Height(), 3 * 14 + 2);
  EXPECT_EQ(backend.lines(QStringLiteral("lineTo")).size(), 2);
  legend.SetAlignment(L::laTop);
  Paint();
  EXPECT_EQ(backend.lines(QStringLiteral("lineTo")).size(), 2);
}

// Sizes a user or a stored chart may set to anything: the legend draws
// what fits, never divides by zero, and leaves the chart at least a pixel
// inside the panel.
TEST_F(LegendLayout, HostileSizesKeepTheChartInsideThePanel) {
  struct Case {
    const char* name;
    L::TLegendAlignment side;
    std::function<void(TChartLegend&)> set;
  };
  const Case cases[] = {
      {"huge negative spacing", L::laRight, [](L& l) { l.SetVertSpacing(INT_MIN); }},
      {"huge spacing", L::laRight, [](L& l) { l.SetVertSpacing(INT_MAX); }},
      {"spacing that cancels the font", L::laLeft, [](L& l) { l.SetVertSpacing(-13); }},
      {"negative rows", L::laTop, [](L& l) { l.SetMaxNumRows(-3); }},
      {"huge rows", L::laBottom, [](L& l) { l.SetMaxNumRows(INT_MAX); }},
      {"huge top position", L::laRight, [](L& l) { l.SetTopPos(INT_MAX); }},
      {"negative top position", L::laTop, [](L& l) { l.SetTopPos(INT_MIN); }},
      {"huge margin", L::laLeft, [](L& l) { l.SetHorizMargin(INT_MAX); }},
      {"huge negative margin", L::laTop, [](L& l) { l.SetVertMargin(INT_MIN); }},
      {"negative symbol", L::laRight, [](L& l) { l.SetColorWidth(-500); }},
      {"huge symbol", L::laBottom, [](L& l) { l.SetColorWidth(INT_MAX / 2); }},
      {"huge first value", L::laRight, [](L& l) { l.SetFirstValue(INT_MAX); }},
      {"huge shadow", L::laBottom, [](L& l) { l.SetShadowSize(INT_MAX); }},
      {"huge frame", L::laRight, [](L& l) { l.Frame()->SetWidth(INT_MAX); }},
      {"pinned far away", L::laRight, [](L& l) { l.SetLeft(INT_MAX), l.SetTop(INT_MIN); }},
  };

  AddSeries("a", 3);
  AddSeries("b", 3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    legend.Assign(TChartLegend());
    legend.SetCustomPosition(false);
    legend.SetAlignment(c.side);
    c.set(legend);
    Paint();
    const TRect r = chart.after;
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(r.Top, 0);
    EXPECT_LE(r.Right, 400);
    EXPECT_LE(r.Bottom, 250);
    EXPECT_GE(r.Width(), 1);
    EXPECT_GE(r.Height(), 1);
    for (const TChartLegend::Item& item : legend.Items()) {
      const TRect& i = item.rect;
      EXPECT_EQ(legend.Clicked(i.Left + (i.Right - i.Left) / 2, i.Top + (i.Bottom - i.Top) / 2),
                item.index);
    }
  }
}

}  // namespace
