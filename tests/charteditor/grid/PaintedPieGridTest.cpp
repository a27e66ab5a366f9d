// The grid over a pie that has grouped its small slices while the chart
// painted: it shows and edits the user's slices, never the Other slice the
// paint added nor the marks it left on the hidden ones.
#include "GridFixture.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/series/TPieSeries.h"
#include "charteditor/grid/ChartGridModel.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class PaintedPieGrid : public testing::Test {
 protected:
  PaintedPieGrid() {
    f.chart->SetView3D(false);
    f.chart->SetBufferedDisplay(false);
    pie = f.Add<TPieSeries>(QStringLiteral("Sales"));
    const char* labels[] = {"cars", "lamps", "bikes", "chairs"};
    int k = 0;
    for (double v : {60, 4, 30, 6}) pie->Add(v, QString::fromLatin1(labels[k++]));
    pie->OtherSlice()->SetStyle(TPieOtherSlice::poBelowValue);
    pie->OtherSlice()->SetValue(10);
    model.SetChart(f.chart.get());
    model.SetShowXValues(ChartGridModel::cgsYes);
  }
  void Paint() {
    f.chart->Draw(backend, f.chart->GetRectangle());
    ASSERT_EQ(pie->PointCount(), 5) << "the paint adds the Other slice";
  }
  QStringList Cells() const {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
      for (int c = 0; c < model.columnCount(); ++c) out << model.CellText(r, c);
    return out;
  }
  int OtherSlices() const {
    int n = 0;
    for (double x : pie->XValues()->Values()) n += x == TPieSeries::OtherX ? 1 : 0;
    return n;
  }

  GridFixture f;
  TPieSeries* pie = nullptr;
  ChartGridModel model;
  RecordingBackend backend;
};

TEST_F(PaintedPieGrid, ShowsTheSameRowsBeforeAndAfterAPaint) {
  const QStringList before = Cells();
  ASSERT_EQ(model.rowCount(), 4);
  Paint();
  model.Rebuild();
  EXPECT_EQ(model.rowCount(), 4);
  EXPECT_EQ(Cells(), before);
  ChartGridModel automatic;
  automatic.SetSeries(pie);
  EXPECT_FALSE(automatic.XColumnShown(pie)) << "the slices are still numbered 0, 1, 2, ...";
}

TEST_F(PaintedPieGrid, EditsAfterAPaintReachTheUsersSlices) {
  struct Edit {
    const char* what;
    std::function<bool(ChartGridModel&)> run;
    int count;  // the user's slices afterwards
  };
  const Edit edits[] = {
      {"label", [](ChartGridModel& m) { return m.SetCellText(3, 0, QStringLiteral("seats")); }, 4},
      {"value", [](ChartGridModel& m) { return m.SetCellText(1, 2, QStringLiteral("5")); }, 4},
      {"row below", [](ChartGridModel& m) { return m.AppendRowBelow(3, 2); }, 5},
      {"append", [](ChartGridModel& m) { return m.InsertPoints(2) == 4; }, 5},
      {"delete", [](ChartGridModel& m) { return m.DeleteRow(1); }, 3},
  };
  for (const Edit& e : edits) {
    SCOPED_TRACE(e.what);
    pie->ClearValues();
    const char* labels[] = {"cars", "lamps", "bikes", "chairs"};
    int k = 0;
    for (double v : {60, 4, 30, 6}) pie->Add(v, QString::fromLatin1(labels[k++]));
    Paint();
    model.Rebuild();
    ASSERT_TRUE(e.run(model));
    // Only the user's slices remain until the next paint gathers again.
    EXPECT_EQ(pie->PointCount(), e.count);
    EXPECT_EQ(OtherSlices(), 0);
    for (int i = 0; i < pie->PointCount(); ++i) EXPECT_FALSE(pie->IsHidden(i)) << i;
    EXPECT_EQ(model.rowCount(), e.count);
    f.chart->Draw(backend, f.chart->GetRectangle());
    EXPECT_EQ(OtherSlices(), 1);
    model.Rebuild();
    EXPECT_EQ(model.rowCount(), e.count);
  }
}

TEST_F(PaintedPieGrid, AnEditGoesToTheRowShown) {
  Paint();
  model.Rebuild();
  ASSERT_TRUE(model.SetCellText(1, 0, QStringLiteral("lights")));
  ASSERT_TRUE(model.SetCellText(3, 2, QStringLiteral("7")));
  EXPECT_EQ(pie->GetXLabel(1), QStringLiteral("lights"));
  EXPECT_EQ(pie->GetYValue(3), 7);
  EXPECT_EQ(pie->XValues()->Values()[3], 3) << "the hidden slice's number is back";
  EXPECT_EQ(model.CellText(3, 1), QStringLiteral("3"));
}

}  // namespace
