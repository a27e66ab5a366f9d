// How the pen, pattern and gradient dialogs end: Cancel, Escape and the
// window's close button all put the edited object back exactly (walk and
// render) with one notification; OK keeps every edit; the modal entries
// answer true for OK only.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TPenDialog.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "tests/charteditor/common/DialogRows.h"
#include "tests/support/Artifacts.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSet>

#include <memory>

namespace {

struct EndingCase {
  std::string name;
  std::function<std::unique_ptr<TEditorForm>(EditedChart&)> open;
  std::function<void(TEditorForm&, RecordingChartPrompts&)> edit;
  QStringList edited;
  // The modal entry on the same object.
  std::function<bool(EditedChart&)> modal;
};

void PrintTo(const EndingCase& c, std::ostream* os) {
  *os << c.name;
}

const EndingCase kCases[] = {
    {"Pen",
     [](EditedChart& c) {
       auto d = std::make_unique<TPenDialog>();
       d->EditPen(c.Pen());
       return d;
     },
     [](TEditorForm& d, RecordingChartPrompts& p) {
       ClickButton(child<QAbstractButton>(d, "CBVisible"));
       TypeInto(d, "SEWidth", "3");
       child<QComboBox>(d, "CBStyle")->setCurrentIndex(5);
       child<QComboBox>(d, "CBEndStyle")->setCurrentIndex(2);
       p.colorAnswers.push_back(base::clRed);
       ClickButton(child<QAbstractButton>(d, "BColor"));
     },
     {"Series0.Pen.Color", "Series0.Pen.EndStyle", "Series0.Pen.SmallDots", "Series0.Pen.Visible",
      "Series0.Pen.Width"},
     [](EditedChart& c) { return EditChartPen(nullptr, c.Pen()); }},
    {"Brush",
     [](EditedChart& c) {
       auto d = std::make_unique<TBrushDialog>();
       d->EditBrush(c.Brush());
       return d;
     },
     [](TEditorForm& d, RecordingChartPrompts& p) {
       child<QListWidget>(d, "LStyle")->setCurrentRow(5);
       p.colorAnswers.push_back(base::clMaroon);
       ClickButton(child<QAbstractButton>(d, "BColor"));
       // A pattern brings the solid style back: the style ends as it began.
       child<QListWidget>(d, "LStyle")->setCurrentRow(12);
     },
     {"Series0.Brush.Color", "Series0.Brush.Image.Data"},
     [](EditedChart& c) { return EditChartBrush(nullptr, c.Brush()); }},
    {"Gradient",
     [](EditedChart& c) {
       // A middle colour kept while switched off must survive the put-back.
       c.Gradient()->SetMidColor(base::clAqua);
       c.Gradient()->SetMidColor(base::clNone);
       auto d = std::make_unique<TPlotGradientEditor>();
       d->EditGradient(c.Gradient());
       return d;
     },
     [](TEditorForm& d, RecordingChartPrompts& p) {
       child<QComboBox>(d, "CBDirection")->setCurrentIndex(2);
       ClickButton(child<QAbstractButton>(d, "CBMid"));
       p.colorAnswers.push_back(base::clRed);
       ClickButton(child<QAbstractButton>(d, "BStart"));
       ClickButton(child<QAbstractButton>(d, "BSwap"));
     },
     {"BackWall.Gradient.Direction", "BackWall.Gradient.EndColor", "BackWall.Gradient.MidColor",
      "BackWall.Gradient.StartColor"},
     [](EditedChart& c) { return EditChartGradient(nullptr, c.Gradient()); }},
};

class DialogEndings : public ::testing::TestWithParam<EndingCase> {
 protected:
  ChartEditorScope editors;
};

}  // namespace

TEST_P(DialogEndings, EveryEndingButOkPutsTheObjectBack) {
  const EndingCase& c = GetParam();
  const std::function<void(TEditorForm&)> endings[] = {
      [](TEditorForm& d) { ClickButton(d.CancelButton()); },
      [](TEditorForm& d) { QTest::keyClick(&d, Qt::Key_Escape); },
      [](TEditorForm& d) { d.close(); },
  };
  for (const auto& end : endings) {
    RecordingChartPrompts prompts;
    EditedChart chart;
    std::unique_ptr<TEditorForm> dialog = c.open(chart);
    const auto before = PublishedSnapshot(chart);
    const QImage look = chart.Render();
    dialog->show();
    c.edit(*dialog, prompts);
    ASSERT_EQ(ChangedPaths(before, PublishedSnapshot(chart)), c.edited);
    chart.ResetCounts();
    end(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(ChangedPaths(before, PublishedSnapshot(chart)).isEmpty());
    EXPECT_EQ(chart.changes, 1);
    EXPECT_EQ(chart.Render(), look);
    if (c.name == "Gradient") {
      chart.Gradient()->UseMiddleColor();
      EXPECT_EQ(chart.Gradient()->MidColor(), base::clAqua);
    }
  }
}

TEST_P(DialogEndings, OkKeepsEveryEdit) {
  const EndingCase& c = GetParam();
  RecordingChartPrompts prompts;
  EditedChart chart;
  std::unique_ptr<TEditorForm> dialog = c.open(chart);
  const auto before = PublishedSnapshot(chart);
  dialog->show();
  c.edit(*dialog, prompts);
  chart.ResetCounts();
  ClickButton(dialog->OkButton());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(chart)), c.edited);
  EXPECT_EQ(chart.changes, 0);
}

TEST_P(DialogEndings, TheModalEntryAnswersOkOnly) {
  const EndingCase& c = GetParam();
  for (bool ok : {true, false}) {
    RecordingChartPrompts prompts;
    EditedChart chart;
    c.open(chart);
    const auto before = PublishedSnapshot(chart);
    AnswerNextModal([&c, &prompts, ok](QWidget* modal) {
      auto* d = qobject_cast<TEditorForm*>(modal);
      ASSERT_NE(d, nullptr);
      c.edit(*d, prompts);
      ClickButton(ok ? d->OkButton() : d->CancelButton());
    });
    EXPECT_EQ(c.modal(chart), ok);
    EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(chart)), ok ? c.edited : QStringList());
  }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogEndings, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

// The byte-identical check above compares a real picture: the red series
// and the blue title caption are in it, over the back wall's gradient.
TEST(DialogEndings, TheRenderShowsTheSeriesAndTheTitle) {
  ChartEditorScope editors;
  EditedChart chart;
  const QImage look = chart.Render();
  testsupport::saveArtifact(look, "charteditor-edited-chart.png");
  int red = 0, blue = 0;
  QSet<QRgb> wall;
  for (int y = 0; y < look.height(); ++y) {
    for (int x = 0; x < look.width(); ++x) {
      red += look.pixel(x, y) == qRgb(255, 0, 0);
      const QColor c = look.pixelColor(x, y);
      blue += c.blue() > 150 && c.red() < 100 && c.green() < 100;
    }
  }
  EXPECT_GT(red, 50);
  EXPECT_GT(blue, 10);
  // Down the middle of the wall, between the grid lines: the gradient's shades.
  for (int y = 40; y < 260; ++y) wall.insert(look.pixel(75, y));
  EXPECT_GT(wall.size(), 10);
  EXPECT_EQ(chart.changes, 0);
}
