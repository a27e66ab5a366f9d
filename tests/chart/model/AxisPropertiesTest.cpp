// Axes and marks publish their properties in stored order; axes copy all
// of them.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/PublishedProperties.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartAxisTitle.h"
#include "chart/model/TSeriesMarks.h"

#include <gtest/gtest.h>

namespace {

QString Names(const QMetaObject& meta) {
  QStringList out;
  for (const PublishedProperty& p : PublishedProperties(meta)) out << p.name;
  return out.join(QLatin1Char(' '));
}

}  // namespace

TEST(ModelProperties, StoredOrder) {
  EXPECT_EQ(Names(TChartAxis::staticMetaObject),
            "Automatic AutomaticMaximum AutomaticMinimum Maximum Minimum Increment Logarithmic "
            "LogarithmicBase Axis Grid GridCentered MinorGrid Ticks TicksInner MinorTicks "
            "TickLength TickInnerLength MinorTickLength MinorTickCount TickOnLabelsOnly Labels "
            "LabelsFont LabelsAngle LabelsAlign LabelStyle LabelsOnAxis LabelsSeparation "
            "LabelsSize LabelsExponent LabelsMultiLine AxisValuesFormat DateTimeFormat "
            "ExactDateTime RoundFirstLabel Title TitleSize Inverted Horizontal OtherSide Visible "
            "StartPosition EndPosition PositionPercent");
  EXPECT_EQ(Names(TChartDepthAxis::staticMetaObject), Names(TChartAxis::staticMetaObject));
  EXPECT_EQ(Names(TSeriesMarks::staticMetaObject),
            "Brush Frame Visible Bevel BevelWidth Color Font Gradient ShadowColor ShadowSize "
            "ShapeStyle Transparency Transparent Angle Arrow ArrowLength Clip DrawEvery Style "
            "MultiLine BackColor");
  EXPECT_EQ(Names(TChartAxisTitle::staticMetaObject),
            "Brush Frame Visible Bevel BevelWidth Color Font Gradient ShadowColor "
            "ShadowSize ShapeStyle Transparency Transparent Angle Caption");
}

TEST(ModelProperties, AxisAssignCopiesEverything) {
  ChartEngineScope engine;
  TChartAxis a;
  a.SetMinMax(-3, 8);
  a.SetLabelsAngle(90);
  a.Grid()->SetWidth(3);
  a.Title()->SetCaption(QStringLiteral("Time"));
  a.LabelsFont()->SetHeight(-20);
  TChartDepthAxis b;
  TChartAxis c;
  c.Assign(b);
  EXPECT_TRUE(c.IsDepthAxis);
  c.Assign(a);
  EXPECT_FALSE(c.IsDepthAxis);
  EXPECT_TRUE(SamePublished(a, c));
}

// The default number format is the message table's entry: empty before the
// engine fills the table, the entry once it runs.
TEST(ModelProperties, AxisFormatComesFromTheMessageTable) {
  if (!ChartEngineRunning()) {
    EXPECT_EQ(TChartAxis().AxisValuesFormat(), QString());
  }
  ChartEngineScope engine;
  EXPECT_EQ(TChartAxis().AxisValuesFormat(), ChartText(ChartMsg::ValuesFormat));
  EXPECT_EQ(TChartAxis().AxisValuesFormat(), "#,##0.###");
}
