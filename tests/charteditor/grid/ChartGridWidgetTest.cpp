// The grid as the user drives it: keys, editing and its end, the colour
// cells, and a veto of the select-cell event.
#include "GridFixture.h"
#include "charteditor/grid/TChartGrid.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct GridWidget {
  GridFixture f;
  TChartGrid grid;
  void Show() {
    grid.SetChart(f.chart.get());
    grid.resize(400, 300);
    grid.show();
    grid.setFocus();
  }
  QLineEdit* Editor() { return grid.Editor(); }
};

TEST(ChartGridKeys, TypingWritesAndEscapePutsTheOldTextBack) {
  GridWidget w;
  TLineSeries* s = w.f.AddIndexSeries(3);
  w.Show();
  w.grid.SetCurrentCell(1, 1);
  QString edited;
  w.grid.OnEditedCell = [&](TChartGrid&, int column, int row, const QString& text) {
    edited = QStringLiteral("%1,%2:%3").arg(column).arg(row).arg(text);
  };
  QTest::keyClicks(&w.grid, "7");  // typing starts the edit
  ASSERT_TRUE(w.grid.Editing());
  EXPECT_EQ(w.grid.EditStartText(), "20");
  QTest::keyClicks(w.Editor(), "5");
  QTest::keyClick(w.Editor(), Qt::Key_Escape);
  EXPECT_FALSE(w.grid.Editing());
  EXPECT_EQ(s->YValues()->Values()[1], 20);
  EXPECT_EQ(w.grid.Model().CellText(1, 1), "20");
  QTest::keyClick(&w.grid, Qt::Key_F2);
  ASSERT_TRUE(w.grid.Editing());
  w.Editor()->setText("75");
  w.grid.PostEdit();  // Return commits the same way, through a queued call
  EXPECT_EQ(s->YValues()->Values()[1], 75);
  EXPECT_EQ(edited, "1,1:75");
}

TEST(ChartGridKeys, InsertDownAndUpAddAndRemoveRows) {
  GridWidget w;
  TLineSeries* s = w.f.AddIndexSeries(2);
  w.Show();
  w.grid.SetCurrentCell(0, 1);
  QTest::keyClick(&w.grid, Qt::Key_Insert);
  EXPECT_EQ(s->PointCount(), 3);
  EXPECT_EQ(w.grid.CurrentRow(), 2);
  QTest::keyClick(&w.grid, Qt::Key_Down);
  EXPECT_EQ(s->PointCount(), 4);
  EXPECT_EQ(w.grid.CurrentRow(), 3);
  QTest::keyClick(&w.grid, Qt::Key_Up);  // an empty point: it goes
  EXPECT_EQ(s->PointCount(), 3);
  EXPECT_EQ(w.grid.CurrentRow(), 2);
  EXPECT_EQ(w.grid.Model().rowCount(), 3);
  QTest::keyClick(&w.grid, Qt::Key_Up);  // the inserted one is empty too
  EXPECT_EQ(s->PointCount(), 2);
  EXPECT_EQ(w.grid.CurrentRow(), 1);
  QTest::keyClick(&w.grid, Qt::Key_Up);  // not the last row: only moves
  EXPECT_EQ(w.grid.CurrentRow(), 0);
  EXPECT_EQ(s->PointCount(), 2);
  QTest::keyClick(&w.grid, Qt::Key_Insert, Qt::ControlModifier);  // Ctrl: the view's own
  EXPECT_EQ(s->PointCount(), 2);
  QTest::keyClick(&w.grid, Qt::Key_Delete);  // starts the edit; the editor takes the key
  EXPECT_TRUE(w.grid.Editing());
  w.grid.CancelEdit();
  EXPECT_EQ(s->PointCount(), 2);
}

TEST(ChartGridKeys, EditedXFollowsItsPointAndDeleteKeepsTheCursorRow) {
  GridWidget w;
  TLineSeries* s = w.f.AddIndexSeries(4);
  w.Show();
  w.grid.SetShowXValues(ChartGridModel::cgsYes);
  w.grid.SetCurrentCell(0, 1);
  ASSERT_TRUE(w.grid.StartEditing());
  w.Editor()->setText("10");
  w.grid.PostEdit();
  EXPECT_EQ(w.grid.CurrentRow(), 3);
  EXPECT_EQ(s->XValues()->Values()[3], 10);
  EXPECT_EQ(s->YValues()->Values()[3], 10);  // Y of the old row 0 came along
  w.grid.DeleteCurrentRow();
  EXPECT_EQ(s->PointCount(), 3);
  EXPECT_EQ(w.grid.CurrentRow(), 2);
}

TEST(ChartGridColours, DoubleClickOrF2OnAColourCellAsksForAColour) {
  GridWidget w;
  TLineSeries* s = w.f.AddIndexSeries(2);
  w.f.AddIndexSeries(4);
  w.grid.SetShowColors(true);
  w.Show();
  int changes = 0;
  w.grid.OnChange = [&](TChartGrid&) { ++changes; };
  w.f.prompts.colorAnswers = {base::RGB(0, 0, 255), base::RGB(0, 255, 0)};
  const QRect cell = w.grid.CellRect(1, 0);
  QTest::mouseDClick(w.grid.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(s->GetValueColor(1), base::RGB(0, 0, 255));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(w.grid.Editing());
  w.grid.SetCurrentCell(0, 0);
  QTest::keyClick(&w.grid, Qt::Key_F2);
  EXPECT_EQ(s->GetValueColor(0), base::RGB(0, 255, 0));
  EXPECT_FALSE(w.grid.Editing());
  w.grid.SetCurrentCell(3, 0);  // beyond the first series
  QTest::keyClick(&w.grid, Qt::Key_F2);
  EXPECT_EQ(w.f.prompts.calls.size(), 2);
  EXPECT_EQ(changes, 2);
}

TEST(ChartGridSelection, TheSelectCellEventMayVeto) {
  GridWidget w;
  w.f.AddIndexSeries(3);
  w.Show();
  w.grid.SetCurrentCell(0, 1);
  w.grid.OnSelectCell = [](TChartGrid&, int, int row, bool& allow) { allow = row != 2; };
  QTest::keyClick(&w.grid, Qt::Key_Down);
  EXPECT_EQ(w.grid.CurrentRow(), 1);
  QTest::keyClick(&w.grid, Qt::Key_Down);
  EXPECT_EQ(w.grid.CurrentRow(), 1);
}

TEST(ChartGridWindow, KeepsAScreenfulOfRowsAndMapsThemToThePoints) {
  GridWidget w;
  TLineSeries* s = w.f.AddIndexSeries(100000);
  w.Show();
  auto* view = w.grid.model();
  EXPECT_LE(view->rowCount(), 30);  // a screenful, not a row per point
  EXPECT_GT(view->rowCount(), 5);
  w.grid.SetCurrentCell(0, 1);
  QTest::keyClick(&w.grid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(w.grid.CurrentRow(), 99999);
  const int top = w.grid.TopRow();
  EXPECT_EQ(top, 100000 - view->rowCount());
  EXPECT_EQ(view->headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), top);
  EXPECT_EQ(view->data(view->index(0, 1), Qt::DisplayRole).toString(),
            w.grid.Model().CellText(top, 1));
  EXPECT_EQ(w.grid.currentIndex().row(), view->rowCount() - 1);
  // The bar scrolls the rows; the cursor stays on its point, out of view.
  w.grid.RowScrollBar()->setValue(500);
  EXPECT_EQ(w.grid.TopRow(), 500);
  EXPECT_EQ(view->headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 500);
  EXPECT_EQ(w.grid.CurrentRow(), 99999);
  EXPECT_FALSE(w.grid.currentIndex().isValid());
  // Editing brings the cursor back and writes its point.
  ASSERT_TRUE(w.grid.StartEditing());
  w.Editor()->setText("-1");
  w.grid.PostEdit();
  EXPECT_EQ(s->YValues()->Values()[99999], -1);
  EXPECT_EQ(s->YValues()->Values()[499], 5000);
  // Down walks past the window's end, scrolling by one.
  w.grid.SetCurrentCell(1000, 1);
  const int before = w.grid.TopRow();
  for (int i = 0; i < view->rowCount() + 3; ++i) QTest::keyClick(&w.grid, Qt::Key_Down);
  EXPECT_EQ(w.grid.CurrentRow(), 1000 + view->rowCount() + 3);
  EXPECT_GT(w.grid.TopRow(), before);
  EXPECT_EQ(w.grid.currentIndex().row() + w.grid.TopRow(), w.grid.CurrentRow());
  QTest::keyClick(&w.grid, Qt::Key_PageUp);
  EXPECT_EQ(w.grid.CurrentRow(), 1003);
}

}  // namespace

namespace {

// A date-time cell edited and ended without a change keeps its value: the
// grid reads back the date and time, or the time alone, that it shows.
TEST(ChartGridDates, TextsShownReadBackUnchanged) {
  GridWidget w;
  TLineSeries* s = w.f.Add();
  s->YValues()->SetDateTime(true);
  const std::vector<double> values = {0.75, 0.0, GridFixture::kJan2020 + 0.25};
  for (double y : values) s->Add(y);
  w.Show();
  for (int row = 0; row < 3; ++row) {
    w.grid.SetCurrentCell(row, 1);
    QTest::keyClick(&w.grid, Qt::Key_F2);
    ASSERT_TRUE(w.grid.Editing());
    const QString shown = w.Editor()->text();
    w.grid.PostEdit();
    EXPECT_EQ(s->YValues()->Values()[row], values[static_cast<std::size_t>(row)])
        << shown.toStdString();
  }
  EXPECT_TRUE(w.f.prompts.errors().isEmpty()) << w.f.prompts.errors().join(';').toStdString();
  // A text that does not read says why and changes nothing.
  w.grid.SetCurrentCell(0, 1);
  QTest::keyClick(&w.grid, Qt::Key_F2);
  w.Editor()->selectAll();
  QTest::keyClicks(w.Editor(), "6:00 XM");
  w.grid.PostEdit();
  EXPECT_EQ(s->YValues()->Values()[0], 0.75);
  EXPECT_EQ(w.f.prompts.errors().size(), 1);
}

}  // namespace
