// The grid's columns, rows, headers and cell texts as the series are.
#include "GridFixture.h"
#include "charteditor/grid/ChartGridModel.h"

#include <gtest/gtest.h>

namespace {

using Kind = ChartGridModel::ColumnKind;

// "C" colour, "T" label, "name" a value column; a '*' marks a block's start.
QStringList Describe(const ChartGridModel& model) {
  QStringList out;
  for (int c = 0; c < model.columnCount(); ++c) {
    const auto& col = model.Columns()[static_cast<std::size_t>(c)];
    QString text = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    if (col.firstOfBlock) text.prepend(QLatin1Char('*'));
    out << text;
  }
  return out;
}

TEST(ChartGridShowsColumnsAndRows, ChartWithoutSeriesHasOneEmptyRow) {
  GridFixture f;
  ChartGridModel model;
  model.SetChart(f.chart.get());
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(Describe(model), QStringList{"Text"});
  EXPECT_EQ(model.CellText(0, 0), QString());
  EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 0);
}

TEST(ChartGridShowsColumnsAndRows, LayoutFollowsColoursLabelsAndXColumns) {
  struct Row {
    bool colors, labels;
    ChartGridModel::TChartGridShow showX;
    QStringList expected;
  };
  const Row rows[] = {
      {false, false, ChartGridModel::cgsNo, {"*Y", "*Y", "Radius"}},
      {true, false, ChartGridModel::cgsNo, {"Colors", "*Y", "*Y", "Radius"}},
      {false, true, ChartGridModel::cgsNo, {"Text", "*Y", "*Y", "Radius"}},
      {true, true, ChartGridModel::cgsNo, {"Colors", "Text", "*Y", "*Y", "Radius"}},
      {true, true, ChartGridModel::cgsYes, {"Colors", "Text", "*X", "Y", "*X", "Y", "Radius"}},
      // Automatic: the first series counts 0, 1, 2; the second has X = 5, 7.
      {false, true, ChartGridModel::cgsAuto, {"Text", "*Y", "*X", "Y", "Radius"}},
  };
  for (const Row& r : rows) {
    GridFixture f;
    f.AddIndexSeries(3);
    auto* radius = f.Add<TRadiusTestSeries>();
    radius->AddBubble(5, 1, 2);
    radius->AddBubble(7, 2, 3);
    ChartGridModel model;
    model.SetChart(f.chart.get());
    model.SetShowColors(r.colors);
    model.SetShowLabels(r.labels);
    model.SetShowXValues(r.showX);
    EXPECT_EQ(Describe(model), r.expected) << r.colors << r.labels << r.showX;
    EXPECT_EQ(model.rowCount(), 3);
  }
}

TEST(ChartGridShowsColumnsAndRows, AutomaticXColumnAppearsOnceXIsNoLongerTheIndex) {
  GridFixture f;
  TLineSeries* s = f.AddIndexSeries(3);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  EXPECT_EQ(Describe(model), (QStringList{"Text", "*Y"}));
  s->XValues()->SetValue(2, 10);
  EXPECT_EQ(Describe(model), (QStringList{"Text", "*Y"}));  // until the next rebuild
  model.Rebuild();
  EXPECT_EQ(Describe(model), (QStringList{"Text", "*X", "Y"}));
}

TEST(ChartGridShowsColumnsAndRows, HorizontalSeriesShowsItsNotMandatoryListAsX) {
  GridFixture f;
  auto* s = f.Add<THorizLineSeries>();
  s->AddPointXY(4, 0);
  s->AddPointXY(6, 1);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowLabels(false);
  model.SetShowXValues(ChartGridModel::cgsYes);
  EXPECT_EQ(Describe(model), (QStringList{"*Y", "X"}));
  EXPECT_EQ(model.CellText(1, 1), "6");
}

TEST(ChartGridShowsColumnsAndRows, HeadersTitleEachSeriesBlock) {
  GridFixture f;
  f.AddIndexSeries(2, "Mean");
  f.AddIndexSeries(1, "Max");
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowColors(true);
  model.SetShowXValues(ChartGridModel::cgsYes);
  QStringList titles;
  for (int c = 0; c < model.columnCount(); ++c)
    titles << model.headerData(c, Qt::Horizontal, ChartGridModel::TitleRole).toString();
  EXPECT_EQ(titles, (QStringList{"", "", "Mean", "", "Max", ""}));
  EXPECT_NE(model.headerData(2, Qt::Horizontal, ChartGridModel::SeriesRole).value<QObject*>(),
            nullptr);
  // A single series: its lists' names stand in the first row.
  model.SetSeries(f.series[1].get());
  EXPECT_EQ(model.headerData(2, Qt::Horizontal, ChartGridModel::TitleRole).toString(), "X");
}

TEST(ChartGridShowsColumnsAndRows, CellTextsFollowFormatsNullsAndDates) {
  GridFixture f;
  TLineSeries* values = f.AddIndexSeries(0, "V");
  values->AddPointXY(0, 1234.5678, "first");
  values->AddNullXY(1, 7);
  values->AddPointXY(2, 0.26);
  values->SetValueFormat("0.0");
  auto* dates = f.Add();
  dates->YValues()->SetDateTime(true);
  dates->Add(base::TDateTime(f.kJan2020) + 0.5);  // date and time
  dates->Add(0.75);                               // below 1: time only
  dates->Add(f.kJan2020);                         // midnight: the date alone
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowXValues(ChartGridModel::cgsNo);
  struct Cell {
    int row, column;
    const char* text;
  };
  const Cell cells[] = {
      {0, 0, "first"},
      {1, 0, ""},
      {0, 1, "1234.6"},
      {1, 1, ""},
      {2, 1, "0.3"},  // a null point is empty
      {0, 2, "1/1/20 12:00:00 PM"},
      {1, 2, "6:00:00 PM"},
      {2, 2, "1/1/20"},
  };
  for (const Cell& c : cells)
    EXPECT_EQ(model.CellText(c.row, c.column), c.text) << c.row << c.column;
  EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(),
            int(Qt::AlignRight | Qt::AlignVCenter));
}

TEST(ChartGridShowsColumnsAndRows, ColourCellsShowTheFirstSeriesPointColours) {
  GridFixture f;
  TLineSeries* s = f.AddIndexSeries(3);
  s->SetPointColor(0, base::RGB(255, 0, 0));
  s->SetPointColor(1, base::clNone);
  f.AddIndexSeries(5);
  ChartGridModel model;
  model.SetChart(f.chart.get());
  model.SetShowColors(true);
  EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_FALSE(model.data(model.index(1, 0), Qt::BackgroundRole).isValid());  // null
  EXPECT_TRUE(model.data(model.index(2, 0), Qt::BackgroundRole).isValid());   // series colour
  EXPECT_FALSE(model.data(model.index(4, 0), Qt::BackgroundRole).isValid());  // beyond
}

TEST(ChartGridShowsColumnsAndRows, SeriesEventsRebuildAndGoneChartsEmptyTheGrid) {
  GridFixture f;
  f.AddIndexSeries(2);
  auto model = std::make_unique<ChartGridModel>();
  model->SetChart(f.chart.get());
  int rebuilt = 0;
  QObject::connect(model.get(), &ChartGridModel::Rebuilt, [&] { ++rebuilt; });
  auto owned = std::make_unique<TLineSeries>();
  TLineSeries* s = owned.get();
  for (int i = 0; i < 4; ++i) s->Add(i);
  f.chart->AddSeries(s);  // seAdd
  f.series.push_back(std::move(owned));
  EXPECT_EQ(model->rowCount(), 4);
  s->BeginUpdate();
  for (int i = 0; i < 6; ++i) s->Add(i);
  s->EndUpdate();  // seRefresh
  EXPECT_EQ(model->rowCount(), 10);
  EXPECT_EQ(rebuilt, 2);
  f.series.pop_back();  // seRemove
  EXPECT_EQ(model->rowCount(), 2);
  f.chart.reset();
  EXPECT_EQ(model->Chart(), nullptr);
  EXPECT_EQ(model->columnCount(), 1);
  EXPECT_EQ(model->CellText(0, 0), QString());
}

}  // namespace
