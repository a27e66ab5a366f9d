// The font editor and the framed-shape editor, embedded: each control
// writes its one property of a title with one notification and one
// repaint, loading writes nothing, and the shape editor's sheets work from
// the host page they were moved to.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TFormPlotShape.h"
#include "charteditor/common/TPenDialog.h"
#include "charteditor/common/TPlotFontEditor.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "tests/charteditor/common/DialogRows.h"
#include "tests/support/Artifacts.h"

#include <QComboBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

namespace {

template <class Dialog>
auto click(const char* name) {
  return [name](Dialog& d, auto&) { ClickButton(child<QAbstractButton>(d, name)); };
}

template <class Dialog>
auto colorClick(const char* name, base::TColor color) {
  return [name, color](Dialog& d, RecordingChartPrompts& p) {
    p.colorAnswers.push_back(color);
    ClickButton(child<QAbstractButton>(d, name));
  };
}

// Clicks `button`, which opens the pen dialog; there, ticks Visible and
// types a width of 3, then OK.
void throughPenDialog(QAbstractButton* button) {
  AnswerNextModal([](QWidget* modal) {
    auto* d = qobject_cast<TPenDialog*>(modal);
    ASSERT_NE(d, nullptr);
    ClickButton(child<QAbstractButton>(*d, "CBVisible"));
    TypeInto(*d, "SEWidth", "3");
    ClickButton(child<QAbstractButton>(*d, "BOk"));
  });
  ClickButton(button);
}

using FontRow = DialogRow<TPlotFontEditor>;

const FontRow kFontRows[] = {
    {"FontDialog",
     {},
     [](TPlotFontEditor& d, RecordingChartPrompts& p) {
       ChartFontChoice serif;
       serif.name = QStringLiteral("DejaVu Serif");
       serif.size = 12;
       serif.bold = true;
       p.fontAnswers.push_back(serif);
       ClickButton(child<QAbstractButton>(d, "Button3"));
     },
     {"Title.Font.Height", "Title.Font.Name", "Title.Font.Style"}},
    {"Spacing",
     {},
     [](TPlotFontEditor& d, auto&) { TypeInto(d, "UDInter", "3"); },
     {"Title.Font.InterCharSize"}},
    {"ShadowHoriz",
     {},
     [](TPlotFontEditor& d, auto&) { TypeInto(d, "UDFontShadowHoriz", "2"); },
     {"Title.Font.Shadow.HorizSize"}},
    {"ShadowVert",
     {},
     [](TPlotFontEditor& d, auto&) { TypeInto(d, "UDFontShadowVert", "4"); },
     {"Title.Font.Shadow.VertSize"}},
    {"ShadowColor",
     {},
     colorClick<TPlotFontEditor>("BFontShadowColor", base::clRed),
     {"Title.Font.Shadow.Color"}},
    // The outline pen starts hidden: Visible and Width through the pen dialog.
    {"Outline",
     {},
     [](TPlotFontEditor& d, auto&) { throughPenDialog(child<QAbstractButton>(d, "BOutline")); },
     {"Title.Font.OutLine.Visible", "Title.Font.OutLine.Width"},
     2},
    {"SampleColor",
     {},
     [](TPlotFontEditor& d, RecordingChartPrompts& p) {
       // The title's text is blue already.
       p.colorAnswers.push_back(base::clMaroon);
       QTest::mouseClick(child<QFrame>(d, "SHText"), Qt::LeftButton);
     },
     {"Title.Font.Color"}},
};

class FontEditorRows : public ::testing::TestWithParam<FontRow> {
 protected:
  ChartEditorScope editors;
};

using ShapeRow = DialogRow<TFormPlotShape>;

const ShapeRow kShapeRows[] = {
    {"Color", {}, colorClick<TFormPlotShape>("BBackColor", base::clYellow), {"Title.Color"}},
    {"Frame",
     {},
     [](TFormPlotShape& d, auto&) {
       // Visible is already on: only the width changes.
       AnswerNextModal([](QWidget* modal) {
         auto* pen = qobject_cast<TPenDialog*>(modal);
         ASSERT_NE(pen, nullptr);
         TypeInto(*pen, "SEWidth", "3");
         ClickButton(child<QAbstractButton>(*pen, "BOk"));
       });
       ClickButton(child<QAbstractButton>(d, "Button4"));
     },
     {"Title.Frame.Width"}},
    {"Pattern",
     {},
     [](TFormPlotShape& d, auto&) {
       AnswerNextModal([](QWidget* modal) {
         auto* brush = qobject_cast<TBrushDialog*>(modal);
         ASSERT_NE(brush, nullptr);
         child<QListWidget>(*brush, "LStyle")->setCurrentRow(6);
         ClickButton(child<QAbstractButton>(*brush, "BOk"));
       });
       ClickButton(child<QAbstractButton>(d, "Button6"));
     },
     {"Title.Brush.Style"}},
    {"Round", {}, click<TFormPlotShape>("CBRound"), {"Title.ShapeStyle"}},
    {"Transparent", {}, click<TFormPlotShape>("CBTransparent"), {"Title.Transparent"}},
    {"Bevel",
     {},
     [](TFormPlotShape& d, auto&) {
       EXPECT_FALSE(child<QSpinBox>(d, "EBevWidth")->isEnabled());
       child<QComboBox>(d, "CBBevel")->setCurrentIndex(2);
       EXPECT_TRUE(child<QSpinBox>(d, "EBevWidth")->isEnabled());
     },
     {"Title.Bevel"}},
    {"BevelWidth",
     [](EditedChart& c) { c.Title()->SetBevel(bvLowered); },
     [](TFormPlotShape& d, auto&) { TypeInto(d, "EBevWidth", "4"); },
     {"Title.BevelWidth"}},
    {"TextSpacing",
     {},
     [](TFormPlotShape& d, auto&) { TypeInto(d, "UDInter", "2"); },
     {"Title.Font.InterCharSize"}},
    {"TextOutline",
     {},
     [](TFormPlotShape& d, auto&) { throughPenDialog(child<QAbstractButton>(d, "BOutline")); },
     {"Title.Font.OutLine.Visible", "Title.Font.OutLine.Width"},
     2},
    {"GradientVisible", {}, click<TFormPlotShape>("CBVisible"), {"Title.Gradient.Visible"}},
    {"GradientDirection",
     [](EditedChart& c) { c.Title()->Gradient()->SetVisible(true); },
     [](TFormPlotShape& d, auto&) { child<QComboBox>(d, "CBDirection")->setCurrentIndex(2); },
     {"Title.Gradient.Direction"}},
    {"ShadowColor",
     {},
     colorClick<TFormPlotShape>("BShadowColor", base::clGray),
     {"Title.ShadowColor"}},
    {"ShadowSize",
     {},
     [](TFormPlotShape& d, auto&) { TypeInto(d, "UDShadowSize", "5"); },
     {"Title.ShadowSize"}},
};

class ShapeEditorRows : public ::testing::TestWithParam<ShapeRow> {
 protected:
  ChartEditorScope editors;
};

}  // namespace

TEST_P(FontEditorRows, EachControlWritesItsPropertyOnce) {
  CheckRow(GetParam(), [](TPlotFontEditor& d, EditedChart& chart) {
    d.EditFont(chart.Font());
    d.show();
  });
}

INSTANTIATE_TEST_SUITE_P(Controls, FontEditorRows, ::testing::ValuesIn(kFontRows),
                         [](const auto& info) { return info.param.name; });

TEST_P(ShapeEditorRows, EachControlWritesItsPropertyOnceAndRepaintsOnce) {
  CheckRow(GetParam(), [](TFormPlotShape& d, EditedChart& chart) {
    d.EditShape(chart.Title());
    d.show();
  });
}

INSTANTIATE_TEST_SUITE_P(Controls, ShapeEditorRows, ::testing::ValuesIn(kShapeRows),
                         [](const auto& info) { return info.param.name; });

TEST(ShapeEditor, LoadingATitleWritesNothing) {
  ChartEditorScope editors;
  EditedChart chart;
  chart.Title()->SetBevel(bvRaised);
  chart.Title()->SetBevelWidth(7);
  chart.Title()->SetShapeStyle(fosRoundRectangle);
  chart.Title()->SetShadowSize(-4);
  chart.Title()->Font()->SetInterCharSize(-2);
  const auto before = PublishedSnapshot(chart);
  chart.ResetCounts();
  TFormPlotShape editor;
  editor.EditShape(chart.Title());
  editor.show();
  EXPECT_EQ(PublishedSnapshot(chart), before);
  EXPECT_EQ(chart.changes, 0);
  EXPECT_EQ(child<QSpinBox>(editor, "EBevWidth")->value(), 7);
  EXPECT_EQ(child<QSpinBox>(editor, "UDShadowSize")->value(), -4);
  EXPECT_EQ(child<QSpinBox>(editor, "UDInter")->value(), -2);
  EXPECT_EQ(child<QComboBox>(editor, "CBBevel")->currentIndex(), 2);
}

TEST(ShapeEditor, SheetsMovedIntoAHostPageKeepWorking) {
  ChartEditorScope editors;
  EditedChart chart;
  auto host = std::make_unique<QTabWidget>();
  host->addTab(new QWidget, QStringLiteral("Style"));
  TFormPlotShape* editor = InsertShapeEditor(host.get(), chart.Title());
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(editor->parent(), host.get());
  QStringList captions;
  for (int i = 0; i < host->count(); ++i) captions << host->tabText(i);
  EXPECT_EQ(captions, QStringList({"Style", "Format", "Text", "Gradient", "Shadow"}));
  host->resize(420, 300);
  host->show();
  host->setCurrentIndex(1);
  testsupport::saveArtifact(host->grab().toImage(), "charteditor-shape-format.png");
  host->setCurrentIndex(2);
  testsupport::saveArtifact(host->grab().toImage(), "charteditor-shape-text.png");
  host->setCurrentIndex(3);
  testsupport::saveArtifact(host->grab().toImage(), "charteditor-shape-gradient.png");
  host->setCurrentIndex(4);
  testsupport::saveArtifact(host->grab().toImage(), "charteditor-shape-shadow.png");
  host->setCurrentIndex(1);
  const bool transparent = chart.Title()->Transparent();
  ClickButton(host->findChild<QAbstractButton*>(QStringLiteral("CBTransparent")));
  EXPECT_EQ(chart.Title()->Transparent(), !transparent);
  host.reset();  // the editor goes with its sheets
  chart.Title()->SetTransparent(transparent);
}
