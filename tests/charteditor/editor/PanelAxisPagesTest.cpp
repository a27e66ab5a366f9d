// The panel and axis pages: each control writes exactly its property (one
// row per control), and the rules: widths written only when they differ,
// the back image read safely, automatic limits, start and end positions,
// the formats offered, limits the axis refuses, custom axes deleted under
// a series that uses them.
#include "base/FormatDateTime.h"
#include "chart/canvas/TPicture.h"
#include "chart/model/TChart.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TAxisMaxMin.h"
#include "charteditor/editor/TFormPlotAxis.h"
#include "charteditor/editor/TFormPlotPanel.h"
#include "tests/charteditor/editor/PageRows.h"
#include "tests/support/Artifacts.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

using PanelRow = DialogRow<TFormPlotPanel>;

void openPanel(TFormPlotPanel& page, EditedChart& chart) {
  page.EditPanel(&chart.Chart());
  page.show();
}

void withImage(EditedChart& c) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  c.Chart().BackImage()->SetImage(image);
}

const PanelRow kPanelRows[] = {
    {"Color",
     {},
     [](TFormPlotPanel& p, RecordingChartPrompts& prompts) {
       prompts.colorAnswers.push_back(base::clYellow);
       Click(p, "BPanelColor");
     },
     {"Color"}},
    {"ImageMode", withImage, ChooseRow("RGBitmap", 1), {"BackImageMode"}},
    {"Inside", withImage, ClickRow("CBImageInside"), {"BackImageInside"}},
    {"ImageTransparent",
     withImage,
     ClickRow("CBTransp"),
     {"BackImage.Transparent", "BackImageTransp"}},
    {"TransparentWithoutImage", {}, ClickRow("CBTransp"), {}, 0},
    {"Clear", withImage, ClickRow("BBrowseImage"), {"BackImage.Data"}},
    {"BevelInner", {}, ChooseRow("RGBevelIn", 1), {"BevelInner"}},
    {"BevelOuter", {}, ChooseRow("RGBevelOut", 0), {"BevelOuter"}},
    {"BevelWidth", {}, TypeRow("SEPanelWi", "3"), {"BevelWidth"}},
    {"Border", {}, ClickRow("CBPanelBorder"), {"BorderStyle"}},
    {"BorderWidth", {}, TypeRow("SEPanelBor", "2"), {"BorderWidth"}},
    {"Gradient", {}, On("TabGradient", ClickRow("CBVisible")), {"Gradient.Visible"}},
};

class PanelPageRows : public ::testing::TestWithParam<PanelRow> {
 protected:
  ChartEditorScope editors;
};

TEST_P(PanelPageRows, EachControlWritesItsProperty) {
  CheckRow(GetParam(), openPanel);
}

INSTANTIATE_TEST_SUITE_P(Controls, PanelPageRows, ::testing::ValuesIn(kPanelRows),
                         [](const auto& info) { return info.param.name; });

using AxisRow = DialogRow<TFormPlotAxis>;

void openAxis(TFormPlotAxis& page, EditedChart& chart) {
  page.EditAxis(&chart.Chart());
  page.show();
}

void notAutomatic(EditedChart& c) {
  c.Chart().LeftAxis()->SetAutomatic(false);
}

const AxisRow kAxisRows[] = {
    {"AxesVisible", {}, ClickRow("CBShow"), {"AxisVisible"}},
    {"AxesBehind", {}, ClickRow("CBAxisBeh"), {"AxisBehind"}},
    {"Visible", {}, ClickRow("CBVisible"), {"LeftAxis.Visible"}},
    {"Automatic",
     {},
     ClickRow("CBAutomatic"),
     {"LeftAxis.Automatic", "LeftAxis.AutomaticMaximum", "LeftAxis.AutomaticMinimum"}},
    {"AutoMax", notAutomatic, ClickRow("CBAutoMax"), {"LeftAxis.AutomaticMaximum"}},
    {"AutoMin", notAutomatic, ClickRow("CBAutoMin"), {"LeftAxis.AutomaticMinimum"}},
    {"Logarithmic", {}, ClickRow("CBLogarithmic"), {"LeftAxis.Logarithmic"}},
    {"LogBase", {}, TypeRow("ELogBase", "3"), {"LeftAxis.LogarithmicBase"}},
    {"Inverted", {}, ClickRow("CBInverted"), {"LeftAxis.Inverted"}},
    {"Title",
     {},
     On("TabTitleStyle", [](QWidget& p, auto&) { TypeLine(p, "ETitle", "Y"); }),
     {"LeftAxis.Title.Caption"}},
    {"TitleAngle", {}, On("TabTitleStyle", TypeRow("SETitleAngle", "9")), {"LeftAxis.Title.Angle"}},
    {"TitleSize", {}, On("TabTitleStyle", TypeRow("SETitleSize", "2")), {"LeftAxis.TitleSize"}},
    {"TitleVisible",
     {},
     On("TabTitleStyle", ClickRow("CBTitleVisible")),
     {"LeftAxis.Title.Visible"}},
    {"TitleFont",
     {},
     On("TabTitleText", TypeRow("UDInter", "3")),
     {"LeftAxis.Title.Font.InterCharSize"}},
    {"Labels", {}, On("TabLabelsStyle", ClickRow("CBLabels")), {"LeftAxis.Labels"}},
    {"Multiline", {}, On("TabLabelsStyle", ClickRow("CBMultiline")), {"LeftAxis.LabelsMultiLine"}},
    {"OnAxis", {}, On("TabLabelsStyle", ClickRow("CBOnAxis")), {"LeftAxis.LabelsOnAxis"}},
    {"RoundFirst",
     {},
     On("TabLabelsStyle", ClickRow("CBRoundFirst")),
     {"LeftAxis.RoundFirstLabel"}},
    {"LabelsSize", {}, On("TabLabelsStyle", TypeRow("SELabelsSize", "3")), {"LeftAxis.LabelsSize"}},
    {"LabelsAngle",
     {},
     On("TabLabelsStyle", TypeRow("SELabelsAngle", "9")),
     {"LeftAxis.LabelsAngle"}},
    {"Separation",
     {},
     On("TabLabelsStyle", TypeRow("SESepar", "5")),
     {"LeftAxis.LabelsSeparation"}},
    {"LabelStyle", {}, On("TabLabelsStyle", ChooseRow("RGLabelStyle", 2)), {"LeftAxis.LabelStyle"}},
    {"Format", {}, On("TabLabelsFormat", PickRow("CBFormat", 2)), {"LeftAxis.AxisValuesFormat"}},
    {"Exponent", {}, On("TabLabelsFormat", ClickRow("CBExpo")), {"LeftAxis.LabelsExponent"}},
    {"Align", {}, On("TabLabelsFormat", ClickRow("CBLabelAlign")), {"LeftAxis.LabelsAlign"}},
    {"LabelsFont",
     {},
     On("TabLabelsText", TypeRow("UDInter", "3")),
     {"LeftAxis.LabelsFont.InterCharSize"}},
    {"TickLength", {}, On("TabTicks", TypeRow("SEAxisTickLength", "9")), {"LeftAxis.TickLength"}},
    {"InnerLength",
     {},
     On("TabTicks", TypeRow("SEInnerTicksLength", "9")),
     {"LeftAxis.TickInnerLength"}},
    {"TickOnLabels", {}, On("TabTicks", ClickRow("CBTickOnLabels")), {"LeftAxis.TickOnLabelsOnly"}},
    {"GridCentered", {}, On("TabTicks", ClickRow("CBGridCentered")), {"LeftAxis.GridCentered"}},
    {"MinorLength",
     {},
     On("TabMinor", TypeRow("SEAxisMinorTickLen", "7")),
     {"LeftAxis.MinorTickLength"}},
    {"MinorCount", {}, On("TabMinor", TypeRow("SEMinorCount", "5")), {"LeftAxis.MinorTickCount"}},
    {"Position", {}, On("TabPositions", TypeRow("EPos", "2")), {"LeftAxis.PositionPercent"}},
    {"Start", {}, On("TabPositions", TypeRow("EStart", "2")), {"LeftAxis.StartPosition"}},
    {"End", {}, On("TabPositions", TypeRow("EEnd", "8")), {"LeftAxis.EndPosition"}},
    {"StartAtTheEnd",
     [](EditedChart& c) { c.Chart().LeftAxis()->SetEndPosition(5); },
     On("TabPositions", TypeRow("EStart", "5")),
     {},
     0},
};

class AxisPageRows : public ::testing::TestWithParam<AxisRow> {
 protected:
  ChartEditorScope editors;
};

TEST_P(AxisPageRows, EachControlWritesItsProperty) {
  CheckRow(GetParam(), openAxis);
}

INSTANTIATE_TEST_SUITE_P(Controls, AxisPageRows, ::testing::ValuesIn(kAxisRows),
                         [](const auto& info) { return info.param.name; });

}  // namespace

TEST(PanelPageRules, WidthsAreWrittenOnlyWhenTheyDifferOnAShownPage) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotPanel page;
  page.EditPanel(&chart.Chart());
  auto* bevel = child<QSpinBox>(page, "SEPanelWi");
  bevel->setValue(4);  // not shown yet
  EXPECT_EQ(chart.Chart().BevelWidth(), 1);
  page.show();
  chart.ResetCounts();
  bevel->setValue(1);  // what the panel has
  EXPECT_EQ(chart.changes, 0);
  bevel->setValue(4);
  EXPECT_EQ(chart.Chart().BevelWidth(), 4);
}

TEST(PanelPageRules, BrowsingReadsThePictureAndKeepsTheImageOnAFailure) {
  ChartEditorScope editors;
  RecordingChartPrompts prompts;
  EditedChart chart;
  TFormPlotPanel page;
  openPanel(page, chart);
  QTemporaryDir dir;
  const QString good = dir.filePath(QStringLiteral("back.png"));
  QImage image(8, 6, QImage::Format_RGB32);
  image.fill(Qt::green);
  ASSERT_TRUE(image.save(good));
  const QString bad = dir.filePath(QStringLiteral("bad.png"));
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\x89PNG\r\n\x1a\n garbage");
  file.close();
  auto* browse = child<QPushButton>(page, "BBrowseImage");
  prompts.fileAnswers.push_back(good);
  Click(page, "BBrowseImage");
  EXPECT_EQ(chart.Chart().BackImage()->Image().size(), QSize(8, 6));
  EXPECT_TRUE(child<QCheckBox>(page, "CBImageInside")->isEnabled());
  EXPECT_EQ(browse->text(), QStringLiteral("Clea&r"));
  Click(page, "BBrowseImage");  // clears
  EXPECT_TRUE(chart.Chart().BackImage()->Empty());
  withImage(chart);
  page.EditPanel(&chart.Chart());
  Click(page, "BBrowseImage");  // clears again
  prompts.fileAnswers.push_back(bad);
  Click(page, "BBrowseImage");
  EXPECT_TRUE(chart.Chart().BackImage()->Empty());
  EXPECT_EQ(prompts.errors().size(), 1);
  EXPECT_EQ(browse->text(), QStringLiteral("B&rowse..."));
}

TEST(AxisPageRules, AutomaticClearsBothAutoBoxesAndBackRecalculates) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotAxis page;
  openAxis(page, chart);
  TChartAxis* axis = chart.Chart().LeftAxis();
  Click(page, "CBAutomatic");
  EXPECT_FALSE(axis->Automatic() || axis->AutomaticMaximum() || axis->AutomaticMinimum());
  EXPECT_TRUE(child<QCheckBox>(page, "CBAutoMax")->isEnabled());
  EXPECT_TRUE(child<QPushButton>(page, "BAxisMax")->isEnabled());
  axis->SetMinMax(-1000, 1000);
  Click(page, "CBAutomatic");
  EXPECT_TRUE(axis->Automatic());
  EXPECT_LT(axis->Maximum(), 1000);  // the series' own range again
  EXPECT_FALSE(child<QPushButton>(page, "BAxisMax")->isEnabled());
}

TEST(AxisPageRules, FormatsOfferTimesUnderADayAndDatesAbove) {
  ChartEditorScope editors;
  LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
  EditedChart chart;
  TChartAxis* axis = chart.Chart().BottomAxis();
  chart.Series()->XValues()->SetDateTime(true);
  struct Span {
    double minimum, maximum;
    const char* offered;
    const char* notOffered;
  };
  for (const Span& s : {Span{45000.25, 45000.75, "hh:mm:ss", "yyyy-mm-dd"},
                        Span{45000, 45003, "yyyy-mm-dd", "hh:mm:ss"}}) {
    axis->SetAutomatic(false);
    axis->SetMinMax(s.minimum, s.maximum);
    TFormPlotAxis page;
    page.EditAxis(&chart.Chart(), axis);
    page.show();
    auto* formats = child<QComboBox>(page, "CBFormat");
    EXPECT_GE(formats->findText(QString::fromLatin1(s.offered)), 0) << s.offered;
    EXPECT_LT(formats->findText(QString::fromLatin1(s.notOffered)), 0) << s.notOffered;
    Pick(page, "CBFormat", formats->findText(QString::fromLatin1(s.offered)));
    EXPECT_EQ(axis->DateTimeFormat(), QString::fromLatin1(s.offered));
    EXPECT_EQ(axis->AxisValuesFormat(), TChartAxis().AxisValuesFormat());
  }
}

TEST(AxisPageRules, ALimitIsEnteredAsATimeAndARefusedOneChangesNothing) {
  ChartEditorScope editors;
  LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
  RecordingChartPrompts prompts;
  EditedChart chart;
  chart.Series()->XValues()->SetDateTime(true);
  TChartAxis* axis = chart.Chart().BottomAxis();
  axis->SetAutomatic(false);
  axis->SetMinMax(0.1, 0.2);
  TFormPlotAxis page;
  page.EditAxis(&chart.Chart(), axis);
  page.show();
  AnswerNextModal([](QWidget* modal) {
    auto* d = qobject_cast<TAxisMaxMin*>(modal);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->DateEdit()->isHidden());
    TypeLine(*d, "EMinimum", "06:00:00");
    Click(*d, "BOk");
  });
  Click(page, "BAxisMax");
  EXPECT_DOUBLE_EQ(axis->Maximum(), 0.25);
  EXPECT_FALSE(axis->AutomaticMaximum());
  EXPECT_EQ(child<QLabel>(page, "LAxisMax")->text(), base::TimeToStr(0.25));
  // A maximum below the minimum: the axis' message, nothing changed.
  axis->SetAutomaticMaximum(true);
  page.EditAxis(&chart.Chart(), axis);
  AnswerNextModal([](QWidget* modal) {
    TypeLine(*modal, "EMinimum", "01:00:00");
    Click(*modal, "BOk");
  });
  Click(page, "BAxisMax");
  EXPECT_FALSE(child<QPushButton>(page, "BAxisMax")->isEnabled());
  axis->SetAutomaticMaximum(false);
  page.EditAxis(&chart.Chart(), axis);
  AnswerNextModal([](QWidget* modal) {
    TypeLine(*modal, "EMinimum", "01:00:00");
    Click(*modal, "BOk");
  });
  Click(page, "BAxisMax");
  EXPECT_DOUBLE_EQ(axis->Maximum(), 0.25);
  EXPECT_EQ(prompts.errors().size(), 1);
}

TEST(AxisPageRules, OtherSideAndHorizontalAreACustomAxisOwn) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotAxis page;
  openAxis(page, chart);
  QWidget& position = ShowSheet(page, "TabPositions");
  EXPECT_FALSE(child<QCheckBox>(position, "CBOtherSide")->isEnabled());
  EXPECT_FALSE(child<QCheckBox>(position, "CBHorizAxis")->isEnabled());
  Click(page, "BAdd");
  TChartAxis* custom = chart.Chart().CustomAxes()->Get(0);
  EXPECT_EQ(page.Axis(), custom);
  Click(position, "CBOtherSide");
  Click(position, "CBHorizAxis");
  EXPECT_TRUE(custom->OtherSide());
  EXPECT_TRUE(custom->Horizontal());
  EXPECT_FALSE(chart.Chart().LeftAxis()->OtherSide());
}

TEST(AxisPageRules, DeletingACustomAxisMovesItsSeriesBackFirst) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotAxis page;
  openAxis(page, chart);
  Click(page, "BAdd");
  Click(page, "BAdd");
  ASSERT_EQ(page.AxesList()->count(), 7);
  TChartAxis* custom1 = chart.Chart().CustomAxes()->Get(1);
  chart.Series()->SetCustomVertAxis(custom1);
  page.AxesList()->setCurrentRow(6);
  EXPECT_EQ(page.Axis(), custom1);
  Click(page, "BDelete");
  EXPECT_EQ(chart.Series()->CustomVertAxis(), nullptr);
  EXPECT_EQ(chart.Series()->VertAxis(), TChartSeries::aLeftAxis);
  EXPECT_EQ(chart.Series()->GetVertAxis(), chart.Chart().LeftAxis());
  EXPECT_EQ(chart.Chart().CustomAxes()->Count(), 1);
  ASSERT_EQ(page.AxesList()->count(), 6);
  EXPECT_EQ(page.AxesList()->item(5)->text(), QStringLiteral("Custom 0"));
  EXPECT_EQ(page.AxesList()->currentRow(), 5);
  EXPECT_FALSE(chart.Render().isNull());  // paints without the freed axis
}

TEST(AxisPageRules, TheFontEditorsFollowTheAxisChosen) {
  ChartEditorScope editors;
  EditedChart chart;
  TFormPlotAxis page;
  openAxis(page, chart);
  page.AxesList()->setCurrentRow(3);
  EXPECT_EQ(page.Axis(), chart.Chart().BottomAxis());
  page.Pages()->setCurrentIndex(2);
  auto* labelPages = child<QTabWidget>(page, "PageLabels");
  labelPages->setCurrentIndex(2);
  TypeInto(*labelPages->currentWidget(), "UDInter", "4");
  EXPECT_EQ(chart.Chart().BottomAxis()->LabelsFont()->InterCharSize(), 4);
  EXPECT_EQ(chart.Chart().LeftAxis()->LabelsFont()->InterCharSize(), 0);
}
