// The pen dialog and the pen button, offscreen: each control writes its one
// property of the pen with one notification, every ending but OK puts the
// pen back, and the modal entry answers OK or not.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPenDialog.h"
#include "tests/charteditor/common/DialogRows.h"
#include "tests/support/Artifacts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

using PenRow = DialogRow<TPenDialog>;

void openOnPen(TPenDialog& d, EditedChart& chart) {
  d.EditPen(chart.Pen());
}

void chooseStyle(TPenDialog& d, int entry) {
  child<QComboBox>(d, "CBStyle")->setCurrentIndex(entry);
}

void typeWidth(TPenDialog& d, const char* text) {
  TypeInto(d, "SEWidth", text);
}

const PenRow kPenRows[] = {
    {"Visible",
     {},
     [](TPenDialog& d, auto&) { ClickButton(child<QCheckBox>(d, "CBVisible")); },
     {"Series0.Pen.Visible"}},
    {"Width3", {}, [](TPenDialog& d, auto&) { typeWidth(d, "3"); }, {"Series0.Pen.Width"}},
    {"Solid",
     [](EditedChart& c) { c.Pen()->SetStyle(psDot); },
     [](TPenDialog& d, auto&) { chooseStyle(d, 0); },
     {"Series0.Pen.Style"}},
    {"Dash", {}, [](TPenDialog& d, auto&) { chooseStyle(d, 1); }, {"Series0.Pen.Style"}},
    {"Dot", {}, [](TPenDialog& d, auto&) { chooseStyle(d, 2); }, {"Series0.Pen.Style"}},
    {"DashDot", {}, [](TPenDialog& d, auto&) { chooseStyle(d, 3); }, {"Series0.Pen.Style"}},
    {"DashDotDot", {}, [](TPenDialog& d, auto&) { chooseStyle(d, 4); }, {"Series0.Pen.Style"}},
    {"SmallDots",
     {},
     [](TPenDialog& d, auto&) {
       chooseStyle(d, 5);
       EXPECT_FALSE(child<QSpinBox>(d, "SEWidth")->isEnabled());
     },
     {"Series0.Pen.SmallDots"}},
    {"OffSmallDots",
     [](EditedChart& c) { c.Pen()->SetSmallDots(true); },
     [](TPenDialog& d, auto&) {
       EXPECT_FALSE(child<QSpinBox>(d, "SEWidth")->isEnabled());
       chooseStyle(d, 1);
       EXPECT_TRUE(child<QSpinBox>(d, "SEWidth")->isEnabled());
     },
     {"Series0.Pen.SmallDots", "Series0.Pen.Style"},
     2},
    {"EndStyle",
     {},
     [](TPenDialog& d, auto&) { child<QComboBox>(d, "CBEndStyle")->setCurrentIndex(2); },
     {"Series0.Pen.EndStyle"}},
    {"Color",
     {},
     [](TPenDialog& d, RecordingChartPrompts& p) {
       p.colorAnswers.push_back(base::clRed);
       ClickButton(child<QPushButton>(d, "BColor"));
     },
     {"Series0.Pen.Color"}},
};

class PenDialogRows : public ::testing::TestWithParam<PenRow> {
 protected:
  ChartEditorScope editors;
};

}  // namespace

TEST_P(PenDialogRows, EachControlWritesItsPropertyOnce) {
  CheckRow(GetParam(), openOnPen);
}

INSTANTIATE_TEST_SUITE_P(Controls, PenDialogRows, ::testing::ValuesIn(kPenRows),
                         [](const auto& info) { return info.param.name; });

TEST(PenDialogRules, LoadingWritesNothingAndTheStyleListStaysOnAtAnyWidth) {
  ChartEditorScope editors;
  // Width 0 (one device pixel) is below the width box's range.
  for (int width : {0, 2}) {
    EditedChart chart;
    chart.Pen()->SetWidth(width);
    chart.Pen()->SetStyle(psDashDot);
    chart.Pen()->SetEndStyle(esSquare);
    chart.Pen()->SetVisible(false);
    chart.Title()->Frame()->SetWidth(5);
    const auto before = PublishedSnapshot(chart);
    chart.ResetCounts();
    TPenDialog dialog;
    // A dialog that edited another pen first, as editors reuse theirs.
    dialog.EditPen(chart.Title()->Frame());
    dialog.EditPen(chart.Pen());
    dialog.show();
    EXPECT_EQ(PublishedSnapshot(chart), before) << width;
    EXPECT_EQ(chart.changes, 0) << width;
    EXPECT_TRUE(child<QComboBox>(dialog, "CBStyle")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog, "CBStyle")->currentIndex(), 3);
    EXPECT_EQ(child<QComboBox>(dialog, "CBEndStyle")->currentIndex(), 1);
    EXPECT_FALSE(child<QCheckBox>(dialog, "CBVisible")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "CBStyle")->count(), 6);
  }
}

TEST(PenDialogRules, AFreedPenLeavesTheDialogDisabledAndWritingNothing) {
  ChartEditorScope editors;
  auto chart = std::make_unique<EditedChart>();
  TPenDialog dialog;
  dialog.EditPen(chart->Pen());
  dialog.show();
  chart.reset();
  EXPECT_FALSE(child<QSpinBox>(dialog, "SEWidth")->isEnabled());
  typeWidth(dialog, "5");
  chooseStyle(dialog, 2);
  QTest::keyClick(&dialog, Qt::Key_Escape);  // the put-back has no pen to write to
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(PenDialogLook, StyleListShowsEachEntryWholeInThePensColour) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Pen()->SetColor(base::clBlue);
  TPenDialog dialog;
  dialog.EditPen(chart.Pen());
  dialog.show();
  testsupport::saveArtifact(dialog.grab().toImage(), "charteditor-pen-dialog.png");
  QComboBox* styles = child<QComboBox>(dialog, "CBStyle");
  styles->showPopup();
  QWidget* popup = styles->view()->window();
  const QImage list = popup->grab().toImage();
  testsupport::saveArtifact(list, "charteditor-pen-style-list.png");
  // The list has room for each entry whole: its sample and its name.
  QStyleOptionViewItem option;
  option.initFrom(styles->view());
  for (int row = 0; row < styles->count(); ++row) {
    const QModelIndex index = styles->model()->index(row, 0);
    EXPECT_GE(styles->view()->viewport()->width(),
              styles->itemDelegate()->sizeHint(option, index).width())
        << styles->itemText(row).toStdString();
  }
  styles->hidePopup();
  // Each entry's sample is drawn in the pen's colour.
  int blue = 0;
  for (int y = 0; y < list.height(); ++y) {
    for (int x = 0; x < std::min(list.width(), 40); ++x)
      blue += list.pixel(x, y) == qRgb(0, 0, 255);
  }
  EXPECT_GT(blue, 6 * 4);
}

TEST(ButtonPen, SamplesThePenAndOpensTheDialogOnIt) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Pen()->SetColor(base::clRed);
  chart.Pen()->SetWidth(3);
  TButtonPen button;
  button.setText(QStringLiteral("&Frame..."));
  button.resize(90, 30);
  LinkButtonPen(button, chart.Pen());
  const QPoint probe(button.width() - 12, button.height() / 2);
  QImage shot = button.grab().toImage();
  testsupport::saveArtifact(shot, "charteditor-button-pen.png");
  EXPECT_EQ(shot.pixel(probe), qRgb(255, 0, 0));
  chart.Pen()->SetVisible(false);
  EXPECT_NE(button.grab().toImage().pixel(probe), qRgb(255, 0, 0));
  chart.Pen()->SetVisible(true);

  AnswerNextModal([](QWidget* modal) {
    auto* d = qobject_cast<TPenDialog*>(modal);
    ASSERT_NE(d, nullptr);
    RecordingChartPrompts prompts;
    prompts.colorAnswers.push_back(base::clBlue);
    QTest::mouseClick(child<QPushButton>(*d, "BColor"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*d, "BOk"), Qt::LeftButton);
  });
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(chart.Pen()->Color(), base::clBlue);
  EXPECT_EQ(button.grab().toImage().pixel(probe), qRgb(0, 0, 255));
}
