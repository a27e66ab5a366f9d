// Pages left for another page and shown again show the chart as it is then:
// the axis limits and formats after the data changed, the legend, panel,
// title and wall after a change elsewhere. Also the enabled states that
// follow the axis limits' Auto boxes and the panel's back image.
#include "chart/canvas/TPicture.h"
#include "chart/model/TChart.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TFormPlotAxis.h"
#include "charteditor/editor/TFormPlotLegend.h"
#include "charteditor/editor/TFormPlotPanel.h"
#include "charteditor/editor/TFormPlotTitle.h"
#include "charteditor/editor/TFormPlotWall.h"
#include "tests/charteditor/editor/PageRows.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <functional>
#include <string>

namespace {

struct ShownAgainRow {
  std::string name;
  // Opens the page on the chart and shows it.
  std::function<TEditorForm*(EditedChart&)> open;
  // Changes the chart while the page is hidden.
  std::function<void(EditedChart&)> change;
  // Reads what the page shows once shown again.
  std::function<void(QWidget&)> check;
};

void PrintTo(const ShownAgainRow& row, std::ostream* os) {
  *os << row.name;
}

template <class Page>
std::function<TEditorForm*(EditedChart&)> Open(std::function<void(Page&, TChart&)> edit) {
  return [edit](EditedChart& c) -> TEditorForm* {
    auto* page = new Page;
    edit(*page, c.Chart());
    page->show();
    return page;
  };
}

const auto kAxis = Open<TFormPlotAxis>([](TFormPlotAxis& p, TChart& c) { p.EditAxis(&c); });
// The labels' formats already on view: only showing the page can refill them.
const auto kBottomAxisFormats = Open<TFormPlotAxis>([](TFormPlotAxis& p, TChart& c) {
  p.EditAxis(&c, c.BottomAxis());
  ShowSheet(p, "TabLabelsFormat");
});
const auto kLegend =
    Open<TFormPlotLegend>([](TFormPlotLegend& p, TChart& c) { p.EditLegend(c.Legend()); });
const auto kPanel = Open<TFormPlotPanel>([](TFormPlotPanel& p, TChart& c) { p.EditPanel(&c); });
const auto kTitle = Open<TFormPlotTitle>([](TFormPlotTitle& p, TChart& c) { p.EditTitle(&c); });
const auto kWall =
    Open<TFormPlotWall>([](TFormPlotWall& p, TChart& c) { p.EditWall(&c, c.LeftWall()); });

const ShownAgainRow kRows[] = {
    {"AxisMaximumAfterANewPoint", kAxis,
     [](EditedChart& c) { c.Series()->YValues()->SetValue(2, 1000); },
     [](QWidget& p) { EXPECT_EQ(child<QLabel>(p, "LAxisMax")->text(), QStringLiteral("1,000")); }},
    {"AxisFormatsAfterDateTimeValues", kBottomAxisFormats,
     [](EditedChart& c) { c.Series()->XValues()->SetDateTime(true); },
     [](QWidget& p) {
       QComboBox* box = child<QComboBox>(ShowSheet(p, "TabLabelsFormat"), "CBFormat");
       EXPECT_GE(box->findText(QStringLiteral("yyyy-mm-dd")), 0);
       EXPECT_LT(box->findText(QStringLiteral("#,##0.###")), 0);
     }},
    {"AxisLimitButtonsAfterAutomaticOff", kAxis,
     [](EditedChart& c) {
       c.Chart().LeftAxis()->SetAutomatic(false);
       c.Chart().LeftAxis()->SetAutomaticMaximum(false);
     },
     [](QWidget& p) {
       EXPECT_TRUE(child<QPushButton>(p, "BAxisMax")->isEnabled());
       EXPECT_TRUE(child<QCheckBox>(p, "CBAutoMax")->isEnabled());
     }},
    {"Legend", kLegend, [](EditedChart& c) { c.Chart().Legend()->SetVisible(false); },
     [](QWidget& p) { EXPECT_FALSE(child<QCheckBox>(p, "CBShow")->isChecked()); }},
    {"LegendFrame", kLegend, [](EditedChart& c) { c.Chart().Legend()->SetShadowSize(7); },
     [](QWidget& p) { EXPECT_EQ(child<QSpinBox>(p, "UDShadowSize")->value(), 7); }},
    {"Panel", kPanel, [](EditedChart& c) { c.Chart().SetBorderWidth(6); },
     [](QWidget& p) { EXPECT_EQ(child<QSpinBox>(p, "SEPanelBor")->value(), 6); }},
    {"PanelGradient", kPanel, [](EditedChart& c) { c.Chart().Gradient()->SetVisible(true); },
     [](QWidget& p) {
       EXPECT_TRUE(child<QCheckBox>(ShowSheet(p, "TabGradient"), "CBVisible")->isChecked());
     }},
    {"Title", kTitle,
     [](EditedChart& c) { c.Chart().Title()->SetText({QStringLiteral("Moisture")}); },
     [](QWidget& p) {
       EXPECT_EQ(child<QPlainTextEdit>(p, "MText")->toPlainText(), QStringLiteral("Moisture"));
     }},
    {"Wall", kWall, [](EditedChart& c) { c.Chart().LeftWall()->SetSize(5); },
     [](QWidget& p) {
       EXPECT_EQ(child<QSpinBox>(p, "SEWallSize")->value(), 5);
       EXPECT_TRUE(child<QCheckBox>(p, "CBDark3D")->isEnabled());
     }},
};

class PagesShownAgain : public ::testing::TestWithParam<ShownAgainRow> {
 protected:
  ChartEditorScope editors;
};

TEST_P(PagesShownAgain, ShowTheChartAsItIsNow) {
  EditedChart chart;
  std::unique_ptr<TEditorForm> page(GetParam().open(chart));
  page->hide();
  GetParam().change(chart);
  page->show();
  GetParam().check(*page);
}

INSTANTIATE_TEST_SUITE_P(Pages, PagesShownAgain, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

TEST(AxisLimitButtons, FollowTheirAutoBoxes) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Chart().LeftAxis()->SetAutomatic(false);
  chart.Chart().LeftAxis()->SetAutomaticMaximum(false);
  chart.Chart().LeftAxis()->SetAutomaticMinimum(false);
  TFormPlotAxis page;
  page.EditAxis(&chart.Chart());
  page.show();
  for (const auto& [box, button] :
       {std::pair{"CBAutoMax", "BAxisMax"}, {"CBAutoMin", "BAxisMin"}}) {
    EXPECT_TRUE(child<QPushButton>(page, button)->isEnabled()) << button;
    Click(page, box);
    EXPECT_FALSE(child<QPushButton>(page, button)->isEnabled()) << button;
    Click(page, box);
    EXPECT_TRUE(child<QPushButton>(page, button)->isEnabled()) << button;
  }
}

TEST(PanelTransparentBox, WorksOnlyWithABackImage) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotPanel page;
  page.EditPanel(&chart.Chart());
  page.show();
  EXPECT_FALSE(child<QCheckBox>(page, "CBTransp")->isEnabled());
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  page.hide();
  chart.Chart().BackImage()->SetImage(image);
  page.show();
  EXPECT_TRUE(child<QCheckBox>(page, "CBTransp")->isEnabled());
}

}  // namespace
