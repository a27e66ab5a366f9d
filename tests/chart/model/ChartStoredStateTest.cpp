// What a chart takes from another chart and from older files: walls,
// titles, legend and the scroll button travel with Assign; an old
// "BackColor" value becomes the back wall's colour, anything else in its
// place is ignored.
#include "chart/core/ChartEngine.h"
#include "chart/model/TChart.h"

#include <gtest/gtest.h>

#include <QVariant>

namespace {

TEST(ChartStoredState, AssignCopiesPartsAndPanel) {
  ChartEngineScope engine;
  TChart source, target;
  source.BackWall()->SetColor(base::clRed);
  source.LeftWall()->SetSize(7);
  source.RightWall()->SetVisible(true);
  source.Foot()->SetText({QStringLiteral("foot")});
  source.Legend()->SetAlignment(TChartLegend::laTop);
  source.SetScrollMouseButton(mbMiddle);
  source.SetView3D(false);
  target.Assign(source);
  EXPECT_EQ(target.BackWall()->Color(), base::clRed);
  EXPECT_EQ(target.LeftWall()->Size(), 7);
  EXPECT_TRUE(target.RightWall()->Visible());
  EXPECT_EQ(target.Foot()->Text(), QStringList{QStringLiteral("foot")});
  EXPECT_EQ(target.Legend()->Alignment(), TChartLegend::laTop);
  EXPECT_EQ(target.ScrollMouseButton(), mbMiddle);
  EXPECT_FALSE(target.View3D());
  // Each wall keeps its own colour as what a file leaves out.
  EXPECT_TRUE(target.BackWall()->IsColorStored());
  EXPECT_FALSE(target.LeftWall()->IsColorStored());
  EXPECT_EQ(target.LeftWall()->Color(), 0x80FFFFu);
}

TEST(ChartStoredState, OldBackColorSetsTheBackWall) {
  ChartEngineScope engine;
  TChart chart;
  const struct {
    QVariant value;
    base::TColor expected;
  } cases[] = {
      {QVariant(0x123456), 0x123456},
      {QVariant(QStringLiteral("clRed")), base::clRed},
      {QVariant(QStringLiteral("no colour")), base::clSilver},
      {QVariant(1.5), base::clSilver},
      {QVariant(qlonglong{1} << 40), base::clSilver},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.toString().toStdString());
    chart.BackWall()->SetColor(base::clSilver);
    EXPECT_TRUE(chart.ReadExtraStored(QStringLiteral("backcolor"), c.value));
    EXPECT_EQ(chart.BackWall()->Color(), c.expected);
  }
  EXPECT_FALSE(chart.ReadExtraStored(QStringLiteral("NoSuchValue"), QVariant(1)));
}

}  // namespace
