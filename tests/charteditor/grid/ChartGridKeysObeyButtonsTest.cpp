// What the grid's keys and its navigator's buttons may do: keys do nothing
// where the buttons are disabled or the cell takes no text, the
// navigator's Cancel puts the typed text back, and the columns stay put
// while the user edits.
#include "GridFixture.h"
#include "charteditor/grid/TChartGrid.h"
#include "charteditor/grid/TChartGridNavigator.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The grid and its navigator in one active window, as the data page holds them.
struct GridWindow {
  GridFixture f;
  QWidget window;
  TChartGrid* grid = new TChartGrid;
  TChartGridNavigator* nav = new TChartGridNavigator;
  GridWindow() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(nav);
    layout->addWidget(grid);
    nav->SetGrid(grid);
  }
  void Show() {
    grid->SetChart(f.chart.get());
    window.resize(420, 320);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
  }
  void ClickNav(int index) {
    QToolButton* button = nav->Button(index);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
};

TEST(ChartGridNavigator, CancelPutsTheTypedTextBackAndPostWritesIt) {
  GridWindow w;
  TLineSeries* s = w.f.AddIndexSeries(3);
  w.Show();
  w.grid->SetCurrentCell(1, 1);
  QTest::keyClicks(w.grid, "9");  // typing starts the edit
  ASSERT_TRUE(w.grid->Editing());
  QTest::keyClicks(w.grid->Editor(), "9");
  w.ClickNav(TCustomChartNavigator::nbCancel);
  EXPECT_FALSE(w.grid->Editing());
  EXPECT_EQ(s->YValues()->Values()[1], 20);
  EXPECT_EQ(w.grid->Model().CellText(1, 1), "20");
  QTest::keyClicks(w.grid, "7");
  ASSERT_TRUE(w.grid->Editing());
  QTest::keyClicks(w.grid->Editor(), "7");
  w.ClickNav(TCustomChartNavigator::nbPost);
  EXPECT_FALSE(w.grid->Editing());
  EXPECT_EQ(s->YValues()->Values()[1], 77);
}

// Keys on cells and grids where the buttons are disabled or the cell takes
// no text: nothing moves, nothing is asked, nothing is written.
struct KeyRow {
  const char* name;
  std::function<void(GridWindow&)> prepare;  // and puts the cursor on row 0
  const char* typed;                         // text typed, or null
  Qt::Key key;                               // a key, when nothing is typed
};

void PrintTo(const KeyRow& row, std::ostream* os) {
  *os << row.name;
}

class ChartGridKeysWhereButtonsAreDisabled : public ::testing::TestWithParam<KeyRow> {};

TEST_P(ChartGridKeysWhereButtonsAreDisabled, DoNothing) {
  const KeyRow& row = GetParam();
  GridWindow w;
  // "110" below the cursor: a keyboard search for '1' would land there.
  TLineSeries* s = w.f.Add();
  for (double y : {20.0, 30.0, 110.0}) s->Add(y);
  row.prepare(w);
  const int points = s->PointCount();
  const std::vector<double> before(s->YValues()->Values().begin(), s->YValues()->Values().end());
  const int column = w.grid->CurrentColumn();
  if (row.typed)
    QTest::keyClicks(w.grid, QString::fromLatin1(row.typed));
  else
    QTest::keyClick(w.grid, row.key);
  EXPECT_FALSE(w.grid->Editing()) << row.name;
  EXPECT_EQ(w.grid->CurrentRow(), 0) << row.name;
  EXPECT_EQ(w.grid->CurrentColumn(), column) << row.name;
  EXPECT_TRUE(w.f.prompts.calls.isEmpty()) << row.name;
  EXPECT_EQ(s->PointCount(), points) << row.name;
  EXPECT_EQ(std::vector<double>(s->YValues()->Values().begin(), s->YValues()->Values().end()),
            before)
      << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChartGridKeysWhereButtonsAreDisabled,
    ::testing::Values(KeyRow{"typing with editing off",
                             [](GridWindow& w) {
                               w.Show();
                               w.grid->SetAllowEditing(false);
                               w.grid->SetCurrentCell(0, 1);
                             },
                             "1", Qt::Key_unknown},
                      KeyRow{"typing into a sourced series",
                             [](GridWindow& w) {
                               TChartSeries* s = w.f.series[0].get();
                               TLineSeries* source = w.f.Add();
                               for (double y : {20.0, 30.0, 110.0}) source->Add(y);
                               s->SetDataSource(source);
                               w.Show();
                               w.grid->SetCurrentCell(0, 1);
                             },
                             "1", Qt::Key_unknown},
                      KeyRow{"Delete on a colour cell",
                             [](GridWindow& w) {
                               w.grid->SetShowColors(true);
                               w.Show();
                               w.grid->SetCurrentCell(0, 0);
                             },
                             nullptr, Qt::Key_Delete},
                      KeyRow{"Insert on a single series",
                             [](GridWindow& w) {
                               w.Show();
                               w.grid->SetSeries(w.f.series[0].get());
                               w.grid->SetCurrentCell(0, 1);
                               EXPECT_FALSE(
                                   w.nav->Button(TCustomChartNavigator::nbInsert)->isEnabled());
                             },
                             nullptr, Qt::Key_Insert}),
    [](const ::testing::TestParamInfo<KeyRow>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(ChartGridColours, ANullPointTakesTheColourPicked) {
  GridWindow w;
  TLineSeries* s = w.f.AddIndexSeries(3);
  s->SetPointColor(1, base::clNone);
  ASSERT_TRUE(s->IsNull(1));
  w.grid->SetShowColors(true);
  w.Show();
  w.f.prompts.colorAnswers = {base::RGB(0, 0, 255)};
  w.grid->SetCurrentCell(1, 0);
  QTest::keyClick(w.grid, Qt::Key_F2);
  EXPECT_EQ(s->GetValueColor(1), base::RGB(0, 0, 255));
  EXPECT_FALSE(s->IsNull(1));
}

// Edits that leave a series' X values the point numbers again: the X column
// the cursor stands in stays until the grid is rebuilt.
struct XRow {
  const char* name;
  std::vector<double> x;  // the series' X values (Y: 10, 20, ...)
  int nullRow;            // a point made null first, or -1
  std::function<void(GridWindow&)> act;
};

void PrintTo(const XRow& row, std::ostream* os) {
  *os << row.name;
}

class ChartGridColumnsWhileEditing : public ::testing::TestWithParam<XRow> {};

TEST_P(ChartGridColumnsWhileEditing, StayUntilTheNextRebuild) {
  const XRow& row = GetParam();
  GridWindow w;
  TLineSeries* s = w.f.Add();
  s->XValues()->SetOrder(loNone);
  for (std::size_t i = 0; i < row.x.size(); ++i)
    s->AddPointXY(row.x[i], 10.0 * static_cast<double>(i + 1));
  if (row.nullRow >= 0) s->SetPointColor(row.nullRow, base::clNone);
  w.Show();
  ASSERT_EQ(w.grid->Model().columnCount(), 3);  // label, X, Y
  row.act(w);
  const TChartValueList& x = *s->XValues();
  for (int i = 0; i < x.Count(); ++i) ASSERT_EQ(x.Values()[i], i) << row.name;
  EXPECT_EQ(w.grid->Model().columnCount(), 3) << row.name;
  EXPECT_TRUE(w.grid->Model().XColumnShown(s)) << row.name;
  EXPECT_EQ(w.grid->CurrentColumn(), 1) << row.name;
  EXPECT_EQ(w.grid->Model().Columns()[1].list, s->XValues()) << row.name;
  w.grid->Model().Rebuild();  // loading the page again, say
  EXPECT_EQ(w.grid->Model().columnCount(), 2) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChartGridColumnsWhileEditing,
    ::testing::Values(XRow{"typed",
                           {5, 1, 2},
                           -1,
                           [](GridWindow& w) {
                             w.grid->SetCurrentCell(0, 1);
                             QTest::keyClicks(w.grid, "0");
                             QTest::keyClick(w.grid->Editor(), Qt::Key_Return);
                             QCoreApplication::processEvents();  // the commit is queued
                           }},
                      XRow{"deleted",
                           {0, 1, 2, 7},
                           -1,
                           [](GridWindow& w) {
                             w.grid->SetCurrentCell(3, 1);
                             w.ClickNav(TCustomChartNavigator::nbDelete);
                           }},
                      XRow{"empty last row removed",
                           {0, 1, 5},
                           2,
                           [](GridWindow& w) {
                             w.grid->SetCurrentCell(2, 1);
                             QTest::keyClick(w.grid, Qt::Key_Up);
                           }}),
    [](const ::testing::TestParamInfo<XRow>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

}  // namespace
