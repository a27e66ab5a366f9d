// What the grid writes into the series: typed values, labels, colours,
// appended and deleted points, and what it must leave alone.
#include "GridFixture.h"
#include "charteditor/grid/ChartGridModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<double> ValuesOf(const TChartValueList& list) {
  return {list.Values().begin(), list.Values().end()};
}

struct Snapshot {
  std::vector<std::vector<double>> lists;
  std::vector<base::TColor> colors;
  std::vector<QString> labels;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(TChartSeries& s) {
  Snapshot out;
  for (int k = 0; k < s.ValuesList().Count(); ++k) out.lists.push_back(ValuesOf(s.ValuesList()[k]));
  for (int i = 0; i < s.PointCount(); ++i) {
    out.colors.push_back(s.PointOwnColor(i));
    out.labels.push_back(s.GetXLabel(i));
  }
  return out;
}

TEST(ChartGridWritesPoints, TypingBelowAShortSeriesPadsItWithNulls) {
  GridFixture f;
  TLineSeries* a = f.AddIndexSeries(5);
  TLineSeries* b = f.AddIndexSeries(2);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowLabels(false);
  ASSERT_TRUE(model.SetCellText(4, 1, " 42 "));
  EXPECT_EQ(b->PointCount(), 5);
  EXPECT_TRUE(b->IsNull(2) && b->IsNull(3));
  EXPECT_FALSE(b->IsNull(4));
  EXPECT_EQ(ValuesOf(*b->XValues()), (std::vector<double>{0, 1, 2, 3, 4}));
  EXPECT_EQ(b->YValues()->Values()[4], 42);
  EXPECT_EQ(model.CellText(4, 1), "42");
  EXPECT_EQ(model.CellText(3, 1), "");
  EXPECT_EQ(a->PointCount(), 5);
  EXPECT_EQ(model.rowCount(), 5);
  // An empty text beyond a series appends nothing.
  EXPECT_FALSE(model.SetCellText(7, 1, ""));
  EXPECT_EQ(b->PointCount(), 5);
}

TEST(ChartGridWritesPoints, TextsThatDoNotConvertChangeNothing) {
  const char* texts[] = {"junk", "nan", "INF", "1e999", "12.5.3"};
  for (const char* text : texts) {
    GridFixture f;
    TLineSeries* s = f.AddIndexSeries(2);
    f.AddIndexSeries(7);
    ChartGridModel model;
    model.SetChart(f.chart.get());
    const Snapshot before = Take(*s);
    EXPECT_FALSE(model.SetCellText(6, 1, text)) << text;  // beyond: no padding either
    EXPECT_FALSE(model.SetCellText(0, 1, text)) << text;
    EXPECT_EQ(Take(*s), before) << text;
    EXPECT_EQ(f.prompts.errors().size(), 2) << text;
  }
}

TEST(ChartGridWritesPoints, EmptyTextMakesAPointNullAndAValueRevivesIt) {
  GridFixture f;
  TLineSeries* s = f.AddIndexSeries(2);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  ASSERT_TRUE(model.SetCellText(1, 1, "   "));
  EXPECT_TRUE(s->IsNull(1));
  EXPECT_EQ(s->PointOwnColor(1), base::clNone);
  ASSERT_TRUE(model.SetCellText(1, 1, "3.5"));
  EXPECT_FALSE(s->IsNull(1));
  EXPECT_EQ(s->PointOwnColor(1), clPlotColor);
  EXPECT_EQ(s->YValues()->Values()[1], 3.5);
}

TEST(ChartGridWritesPoints, NullsAppendedToAnOrderedDateSeriesLandAtTheEnd) {
  GridFixture f;
  TLineSeries* s = f.AddDateSeries(5);
  f.AddIndexSeries(7);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowXValues(ChartGridModel::cgsNo);
  ASSERT_TRUE(model.SetCellText(6, 1, "99"));
  // The count (5, 6) would sort before every date and overwrite row 0's point.
  EXPECT_EQ(s->PointCount(), 7);
  EXPECT_EQ(s->YValues()->Values()[0], 0);
  EXPECT_EQ(s->YValues()->Values()[6], 99);
  EXPECT_EQ(s->XValues()->Values()[6], f.kJan2020 + 4);
  EXPECT_TRUE(std::is_sorted(s->XValues()->Values().begin(), s->XValues()->Values().end()));
  const int row = model.InsertPoints(1);
  EXPECT_EQ(row, 7);
  EXPECT_EQ(model.rowCount(), 8);
  EXPECT_TRUE(s->IsNull(7));
  EXPECT_EQ(s->YValues()->Values()[0], 0);
}

TEST(ChartGridWritesPoints, AnXEditInAnOrderedListMovesThePointAndTheCursorFollows) {
  GridFixture f;
  TLineSeries* s = f.AddDateSeries(5);
  s->SetXLabel(4, "last");
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowXValues(ChartGridModel::cgsYes);
  int movedTo = -1;
  ASSERT_TRUE(model.SetCellText(4, 1, "12/31/19", &movedTo));
  EXPECT_EQ(movedTo, 0);
  EXPECT_EQ(ValuesOf(*s->XValues()),
            (std::vector<double>{f.kJan2020 - 1, f.kJan2020, f.kJan2020 + 1, f.kJan2020 + 2,
                                 f.kJan2020 + 3}));
  EXPECT_EQ(ValuesOf(*s->YValues()), (std::vector<double>{4, 0, 1, 2, 3}));
  EXPECT_EQ(s->GetXLabel(0), "last");
  EXPECT_EQ(model.CellText(0, 1), "12/31/19");
}

TEST(ChartGridWritesPoints, LabelsGoToEverySeriesTheGridMayChange) {
  GridFixture f;
  TLineSeries* a = f.AddIndexSeries(1);
  TLineSeries* b = f.AddIndexSeries(3);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  ASSERT_TRUE(model.SetCellText(2, 0, "peak"));
  EXPECT_EQ(a->PointCount(), 3);
  EXPECT_EQ(a->GetXLabel(2), "peak");
  EXPECT_EQ(b->GetXLabel(2), "peak");
  EXPECT_EQ(model.CellText(2, 0), "peak");
}

TEST(ChartGridWritesPoints, DeleteRenumbersOnlyPointNumbers) {
  GridFixture f;
  TLineSeries* dates = f.AddDateSeries(4);  // X hidden below: dates stay
  TLineSeries* index = f.AddIndexSeries(4);
  auto* horiz = f.Add<THorizLineSeries>();
  for (int i = 0; i < 4; ++i) horiz->AddPointXY(100 + i, i);  // bar lengths on X
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowXValues(ChartGridModel::cgsNo);
  ASSERT_TRUE(model.DeleteRow(1));
  EXPECT_EQ(ValuesOf(*dates->XValues()),
            (std::vector<double>{f.kJan2020, f.kJan2020 + 2, f.kJan2020 + 3}));
  EXPECT_EQ(ValuesOf(*index->XValues()), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(ValuesOf(*index->YValues()), (std::vector<double>{10, 30, 40}));
  EXPECT_EQ(ValuesOf(*horiz->XValues()), (std::vector<double>{100, 102, 103}));
  EXPECT_EQ(ValuesOf(*horiz->YValues()), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(model.rowCount(), 3);
}

TEST(ChartGridWritesPoints, ColourIsSetOnlyOnAPointThatExists) {
  GridFixture f;
  TLineSeries* first = f.AddIndexSeries(2);
  f.AddIndexSeries(4);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowColors(true);
  f.prompts.colorAnswers = {base::RGB(1, 2, 3), base::RGB(4, 5, 6)};
  EXPECT_FALSE(model.ChoosePointColor(3));  // beyond the first series
  EXPECT_EQ(first->ColorCount(), 0);
  EXPECT_TRUE(f.prompts.calls.isEmpty());
  ASSERT_TRUE(model.ChoosePointColor(1));
  EXPECT_EQ(first->GetValueColor(1), base::RGB(1, 2, 3));
  EXPECT_EQ(first->ColorCount(), 2);
  // A null point takes the colour and shows again.
  first->SetPointColor(0, base::clNone);
  EXPECT_TRUE(model.ChoosePointColor(0));
  EXPECT_EQ(first->GetValueColor(0), base::RGB(4, 5, 6));
  EXPECT_FALSE(first->IsNull(0));
}

TEST(ChartGridWritesPoints, ASourcedSeriesNeverChanges) {
  GridFixture f;
  TLineSeries* source = f.AddIndexSeries(3);
  TLineSeries* sourced = f.Add();
  sourced->SetDataSource(source);
  ASSERT_EQ(sourced->PointCount(), 3);
  // Deaf to its source's single points, so that only the grid could change it.
  sourced->SetRecalcWhen(TChartSeries::TRecalcOptions());
  TLineSeries* plain = f.AddIndexSeries(1);
  f.AddIndexSeries(6);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowColors(true);
  const Snapshot before = Take(*sourced);
  const int sourcedColumn = 3;  // colours, text, source's Y, then the sourced Y
  EXPECT_FALSE(model.CanEditText(0, sourcedColumn));
  EXPECT_FALSE(model.SetCellText(0, sourcedColumn, "5"));
  EXPECT_TRUE(model.SetCellText(5, 1, "label"));  // pads the others only
  EXPECT_GE(model.InsertPoints(sourcedColumn), 0);
  EXPECT_FALSE(model.AppendRowBelow(model.rowCount() - 1, sourcedColumn));
  EXPECT_TRUE(model.DeleteRow(0));
  EXPECT_EQ(Take(*sourced).lists, before.lists);
  EXPECT_EQ(plain->PointCount(), 6);  // padded to 6, one inserted, one deleted
  // The first series fed by a source: no colour is taken.
  ChartGridModel only;
  only.SetSeries(sourced);
  only.SetShowColors(true);
  f.prompts.colorAnswers = {base::RGB(9, 9, 9)};
  EXPECT_FALSE(only.ChoosePointColor(0));
  EXPECT_EQ(sourced->ColorCount(), 0);
}

TEST(ChartGridWritesPoints, PaddedPointsHoldZeroInTheirFurtherLists) {
  GridFixture f;
  auto* bubbles = f.Add<TRadiusTestSeries>();
  bubbles->AddBubble(0, 1, 7);
  f.AddIndexSeries(3);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowLabels(false);
  ASSERT_TRUE(model.SetCellText(2, 0, "4"));
  EXPECT_EQ(ValuesOf(bubbles->Radius()), (std::vector<double>{7, 0, 0}));
}

TEST(ChartGridWritesPoints, DownAndUpOnTheLastRowAddAndRemoveAnEmptyPoint) {
  GridFixture f;
  TLineSeries* a = f.AddIndexSeries(3);
  TLineSeries* b = f.AddIndexSeries(1);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  EXPECT_FALSE(model.AppendRowBelow(1, 2));  // not the last row
  ASSERT_TRUE(model.AppendRowBelow(2, 2));   // b grows to the row below
  EXPECT_EQ(b->PointCount(), 4);
  EXPECT_EQ(a->PointCount(), 3);
  EXPECT_EQ(model.rowCount(), 4);
  ASSERT_TRUE(model.RemoveEmptyLastRow(3, 2));
  EXPECT_EQ(b->PointCount(), 3);
  EXPECT_EQ(model.rowCount(), 3);
  // A longer series keeps the row: the count follows the largest series.
  EXPECT_FALSE(model.RemoveEmptyLastRow(2, 1));
  ASSERT_TRUE(model.AppendRowBelow(2, 2));
  ASSERT_TRUE(model.SetCellText(3, 0, "kept"));
  EXPECT_FALSE(model.RemoveEmptyLastRow(3, 2));  // it has a label
}

}  // namespace
