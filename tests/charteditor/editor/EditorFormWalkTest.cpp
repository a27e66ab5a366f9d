// Walking the whole editor form writes nothing: a chart whose edited parts
// hold values away from their defaults is shown on every sub-page and every
// sheet of the five chart pages, and every dialog those pages open is
// cancelled; the walk of the chart is the same afterwards. Each sheet is
// kept as a picture.
#include "chart/canvas/TPicture.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TChartEditForm.h"
#include "charteditor/editor/TChartEditor.h"
#include "tests/chart/support/PerturbPublished.h"
#include "tests/charteditor/editor/PageRows.h"
#include "tests/support/Artifacts.h"

#include <QAbstractSpinBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Values a careless load would overwrite: fractions, a legend at the top
// with its own margins, custom positions, date-time limits, sized walls.
void awayFromDefaults(EditedChart& c) {
  TChart& chart = c.Chart();
  c.Series()->XValues()->SetDateTime(true);
  TChartAxis* bottom = chart.BottomAxis();
  bottom->SetAutomatic(false);
  bottom->SetMinMax(45000.123456, 45000.75);
  bottom->SetDateTimeFormat(QStringLiteral("hh:nn"));
  TChartAxis* left = chart.LeftAxis();
  left->SetAutomatic(false);
  left->SetMinMax(-0.25, 7.125);
  left->SetStartPosition(12.5);
  left->SetEndPosition(87.5);
  left->SetPositionPercent(-3.5);
  left->SetLabelsSeparation(33);
  left->SetAxisValuesFormat(QStringLiteral("0.000"));
  TChartLegend* legend = chart.Legend();
  legend->SetAlignment(TChartLegend::laTop);
  legend->SetHorizMargin(20);
  legend->SetVertMargin(5);
  legend->SetTopPos(-7);
  legend->SetVertSpacing(-3);
  chart.Foot()->SetCustomPosition(true);
  chart.Foot()->SetLeft(33);
  chart.Foot()->SetTop(44);
  chart.Title()->SetAlignment(TChartTitle::taRightJustify);
  chart.BackWall()->SetSize(7);
  chart.BackWall()->SetDark3D(false);
  chart.LeftWall()->SetTransparent(true);
  chart.SetBevelWidth(3);
  chart.SetBorderWidth(2);
  chart.SetBevelInner(Graphics::bvLowered);
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::blue);
  chart.BackImage()->SetImage(image);
  chart.SetBackImageMode(TCustomPlotPanelExtended::pbmCenter);
}

// Every sheet of every tab widget below `w`, each made current in turn.
void everySheet(QWidget& w, const QString& prefix, bool keep) {
  for (QTabWidget* tabs : w.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->isTabVisible(i)) continue;
      tabs->setCurrentIndex(i);
      if (keep)
        testsupport::saveArtifact(w.window()->grab().toImage(),
                                  prefix + tabs->widget(i)->objectName() + QStringLiteral(".png"));
    }
  }
  for (QTabBar* bar : w.findChildren<QTabBar*>(QStringLiteral("TabSubWalls")))
    for (int i = 0; i < bar->count(); ++i) bar->setCurrentIndex(i);
}

// Clicks `button`, which opens a dialog, and cancels it there.
void openAndCancel(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  bool opened = false;
  AnswerNextModal([&opened](QWidget* modal) {
    opened = true;
    Click(*modal, "BCancel");
  });
  button->click();
  EXPECT_TRUE(opened) << button->objectName().toStdString();
}

}  // namespace

TEST(ChartEditorWalk, EverySheetShownAndEveryDialogCancelledWritesNothing) {
  ChartEditorScope editors;
  LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
  RecordingChartPrompts prompts;
  EditedChart chart;
  // Every published value away from its default, then the values a
  // careless load would be likeliest to overwrite.
  PerturbPublished(chart.Chart());
  awayFromDefaults(chart);
  chart.Chart().setObjectName(QStringLiteral("Chart1"));
  TChartEditor editor;
  editor.SetChart(&chart.Chart());
  const auto before = PublishedSnapshot(chart);
  editor.SetModalRunner([&](TChartEditForm& f) {
    f.show();
    for (int page = 0; page < f.SubPage()->count(); ++page) {
      if (!f.SubPage()->isTabVisible(page)) continue;
      f.SubPage()->setCurrentIndex(page);
      QWidget* sheet = f.SubPage()->widget(page);
      testsupport::saveArtifact(
          f.grab().toImage(),
          QStringLiteral("ChartEditor_") + sheet->objectName() + QStringLiteral(".png"));
      everySheet(*sheet, QStringLiteral("ChartEditor_") + sheet->objectName() + QLatin1Char('_'),
                 true);
    }
    // Every number box tells its number once the typing ends, not per key.
    for (const QAbstractSpinBox* box : f.findChildren<QAbstractSpinBox*>())
      EXPECT_FALSE(box->keyboardTracking()) << box->objectName().toStdString();
    // Every dialog the pages open, cancelled.
    for (const char* name : {"BDivLines", "BWallPen", "BWallBrush", "BGradient", "BAxisPen",
                             "BTickPen", "BTickInner", "BAxisGrid", "BTickMinor", "BMinorGrid"})
      openAndCancel(f.findChild<QAbstractButton*>(QString::fromLatin1(name)));
    QWidget& axisPage = *f.Page(EditorPage::Axis);
    ShowSheet(axisPage, "TabScales");
    openAndCancel(axisPage.findChild<QAbstractButton*>(QStringLiteral("BAxisMin")));
    openAndCancel(axisPage.findChild<QAbstractButton*>(QStringLiteral("BIncre")));
    // The font dialogs answer through the prompts: none is scripted, so
    // each one is cancelled.
    const int fonts = static_cast<int>(prompts.calls.filter(QStringLiteral("Font: ")).size());
    for (QAbstractButton* font : f.findChildren<QAbstractButton*>(QStringLiteral("Button3")))
      font->click();
    EXPECT_GT(prompts.calls.filter(QStringLiteral("Font: ")).size(), fonts);
    f.close();
    return 0;
  });
  editor.Execute();
  const auto after = PublishedSnapshot(chart);
  EXPECT_EQ(ChangedPaths(before, after), QStringList());
}
