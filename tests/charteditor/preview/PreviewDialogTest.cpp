// The preview dialog's rules over the fake printers: typed margins that
// leave the chart no room are refused, Reset, proportional margins and
// what recomputes them, the detail slider, the controls without printer or
// panel, drags reported into the boxes, and the editor's embedded page.
#include "FakePrinters.h"
#include "chart/core/ChartEngine.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/preview/TChartPreview.h"
#include "charteditor/preview/TPlotPreviewPanel.h"
#include "tests/chart/support/FakePlotPanel.h"
#include "tests/support/Artifacts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PreviewDialogTest : public ::testing::Test {
 protected:
  PreviewDialogTest() {
    chart.setObjectName(QStringLiteral("Chart1"));
    chart.SetWidth(400);
    chart.SetHeight(250);
    chart.SetPrintProportional(false);
    chart.SetPrintMargins(TRect{10, 10, 10, 10});
  }
  TChartPreview& Show(FakePrinters& with, QObject* panel) {
    form = std::make_unique<TChartPreview>(nullptr, &with);
    form->SetTag(panel);
    form->resize(700, 420);
    form->show();
    return *form;
  }

  ChartEditorScope editors;
  FakePrinters printers;
  FakePlotPanel chart;
  std::unique_ptr<TChartPreview> form;
};

TEST_F(PreviewDialogTest, TypedMarginsLeaveTheChartRoomAndResetBringsThemBack) {
  TChartPreview& f = Show(printers, &chart);
  f.UDRightMa->setValue(40);
  EXPECT_EQ(chart.PrintMargins().Right, 40);
  EXPECT_TRUE(f.BReset->isEnabled());
  f.UDLeftMa->setValue(60);
  EXPECT_EQ(f.UDLeftMa->value(), 10) << "60 + 40 is refused";
  EXPECT_EQ(chart.PrintMargins().Left, 10);
  f.UDLeftMa->setValue(55);
  EXPECT_EQ(chart.PrintMargins(), (TRect{55, 10, 40, 10}));
  f.BReset->click();
  EXPECT_EQ(chart.PrintMargins(), (TRect{10, 10, 10, 10}));
  EXPECT_EQ(f.UDLeftMa->value(), 10);
  EXPECT_FALSE(f.BReset->isEnabled());
}

TEST_F(PreviewDialogTest, TypedMarginsAreWrittenWhenTheTypingEnds) {
  TChartPreview& f = Show(printers, &chart);
  struct Typed {
    QSpinBox* box;
    const char* text;
    TRect written;  // after Enter
    const char* shown;
  };
  // 3 and then 30 would both do, as would 8 and 85 against a bottom of 10:
  // only the number typed is written, and 95 is refused.
  for (const Typed& t : {Typed{f.UDTopMa, "30", TRect{10, 30, 10, 10}, "30"},
                         Typed{f.UDBotMa, "95", TRect{10, 30, 10, 10}, "10"},
                         Typed{f.UDLeftMa, "85", TRect{85, 30, 10, 10}, "85"}}) {
    const TRect before = chart.PrintMargins();
    t.box->selectAll();
    QTest::keyClicks(t.box, QString::fromLatin1(t.text));
    EXPECT_EQ(chart.PrintMargins(), before) << t.text;
    QTest::keyClick(t.box, Qt::Key_Return);
    EXPECT_EQ(chart.PrintMargins(), t.written) << t.text;
    EXPECT_EQ(t.box->text(), QString::fromLatin1(t.shown)) << t.text;
  }
  EXPECT_TRUE(f.isVisible());
}

TEST_F(PreviewDialogTest, ProportionalMarginsAndWhatRecomputesThem) {
  TChartPreview& f = Show(printers, &chart);
  EXPECT_EQ(printers.Orientation(), QPageLayout::Landscape) << "landscape on show";
  EXPECT_TRUE(f.orientationButtons->button(1)->isChecked());
  f.CBProp->click();
  ASSERT_TRUE(chart.PrintProportional());
  const TRect landscape = chart.CalcProportionalMargins(printers.Page());
  EXPECT_EQ(chart.PrintMargins(), landscape);
  EXPECT_EQ(f.UDTopMa->value(), landscape.Top);
  f.orientationButtons->button(0)->click();
  const TRect portrait = chart.CalcProportionalMargins(printers.Page());
  EXPECT_NE(portrait, landscape);
  EXPECT_EQ(chart.PrintMargins(), portrait);
  EXPECT_FALSE(f.BReset->isEnabled()) << "they are the remembered ones now";
  // A margin typed while proportional stays after the repaint.
  f.UDLeftMa->setValue(5);
  f.Preview()->ChartRectOnPaper();  // what a paint asks
  EXPECT_EQ(chart.PrintMargins().Left, 5);
  EXPECT_FALSE(chart.PrintProportional());
  EXPECT_FALSE(f.CBProp->isChecked());
}

TEST_F(PreviewDialogTest, DetailDragsAndControlsWithoutPrinterOrPanel) {
  TChartPreview& f = Show(printers, &chart);
  EXPECT_EQ(f.Resolution->value(), 100);
  f.Resolution->setValue(40);
  EXPECT_EQ(chart.PrintResolution(), -60);
  EXPECT_EQ(chart.CalcPrintMargins(TRect{0, 0, 100, 100}).Logical, QSize(640, 400))
      << "more detail lays the chart out larger than the panel";
  // A drag on the page reaches the boxes and unchecks Proportional.
  chart.SetPrintProportional(true);
  {
    const QSignalBlocker block(f.CBProp);
    f.CBProp->setChecked(true);
  }
  TPlotPreviewPanel& preview = *f.Preview();
  const TRect c = preview.ChartRectOnPaper();
  preview.MouseDown(mbLeft, {}, c.Left, (c.Top + c.Bottom) / 2);
  preview.MouseMove({}, c.Left + 10, (c.Top + c.Bottom) / 2);
  preview.MouseUp(mbLeft, {}, c.Left + 10, (c.Top + c.Bottom) / 2);
  EXPECT_EQ(f.UDLeftMa->value(), chart.PrintMargins().Left);
  EXPECT_FALSE(f.CBProp->isChecked());
  EXPECT_FALSE(chart.PrintProportional());

  FakePrinters none(false);
  TChartPreview& bare = Show(none, &chart);
  EXPECT_FALSE(bare.BPrint->isEnabled());
  EXPECT_FALSE(bare.BSetupPrinter->isEnabled());
  EXPECT_FALSE(bare.Orientation->isEnabled());
  TChartPreview& empty = Show(printers, nullptr);
  for (QWidget* w : {static_cast<QWidget*>(empty.CBProp), static_cast<QWidget*>(empty.Resolution),
                     static_cast<QWidget*>(empty.GBMargins), static_cast<QWidget*>(empty.BPrint)})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(PreviewDialogTest, TheEditorsPageHasNoMarginsAndNoClose) {
  TChartPreview& f = Show(printers, &chart);
  testsupport::saveArtifact(f.grab().toImage(), QStringLiteral("print-preview-landscape.png"));
  f.orientationButtons->button(0)->click();
  testsupport::saveArtifact(f.grab().toImage(), QStringLiteral("print-preview-portrait.png"));
  f.SetEmbedded(true);
  EXPECT_FALSE(f.GBMargins->isVisible());
  EXPECT_FALSE(f.PanelMargins->isVisible());
  EXPECT_FALSE(f.BClose->isVisible());
  EXPECT_TRUE(f.BPrint->isVisible());
}

}  // namespace
