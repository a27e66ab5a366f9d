// Editor forms embedded in pages, created by name, and the helpers every
// editor page shares; a form whose object was freed writes nothing.
#include "chart/core/ChartExceptions.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/FormTranslation.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TFormPlotShape.h"
#include "charteditor/common/TPenDialog.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "tests/charteditor/common/DialogRows.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {

void registerPen(EditorFormRegistry& r) {
  r.Register<TPenDialog>();
}

void registerPenTwice(EditorFormRegistry& r) {
  r.Register<TBrushDialog>();
  r.Register(QStringLiteral("tbrushdialog"),
             [](QWidget* owner) { return new TBrushDialog(owner); });
}

QStringList itemsOf(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i)
    texts << list.item(i)->text() + QLatin1Char('/') + list.item(i)->data(Qt::UserRole).toString();
  return texts;
}

}  // namespace

TEST(AddEditorForm, CentresAFormInItsPageAsAChildTranslatedOnce) {
  ChartEditorScope editors;
  // A second translation would turn "A" into "C".
  const QStringList lines = {QStringLiteral("A=B"), QStringLiteral("B=C")};
  const QStringList* previous = SetLanguageList(&lines);
  QWidget page;
  page.resize(400, 300);
  EditedChart chart;
  struct Case {
    int height;
    QPoint at;
  };
  for (const Case& c : {Case{100, {4, 100}}, Case{299, {4, 4}}, Case{400, {4, 4}}}) {
    auto* form = new TEditorForm;
    form->setWindowTitle(QStringLiteral("A"));
    form->resize(200, c.height);
    AddEditorForm(form, &page, chart.Pen());
    EXPECT_EQ(form->pos(), c.at) << c.height;
    EXPECT_FALSE(form->isWindow());
    EXPECT_EQ(form->parentWidget(), &page);
    EXPECT_EQ(form->Tag(), chart.Pen());
    EXPECT_TRUE(form->isVisibleTo(&page));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("B"));
  }
  page.show();  // showing the page shows the forms again: still translated once
  for (auto* form : page.findChildren<TEditorForm*>())
    EXPECT_EQ(form->windowTitle(), QStringLiteral("B"));
  SetLanguageList(previous);
}

TEST(EditorFormRegistry, NamesInAnyCaseUnknownNullDuplicateRaises) {
  EditorFormRegistry registry;
  registry.Register<TPenDialog>();
  std::unique_ptr<TEditorForm> made(registry.Create(QStringLiteral("tPENdialog")));
  EXPECT_NE(qobject_cast<TPenDialog*>(made.get()), nullptr);
  EXPECT_EQ(registry.Create(QStringLiteral("TNoSuchEditor")), nullptr);
  EXPECT_THROW(
      registry.Register(QStringLiteral("TPENDIALOG"), [](QWidget*) { return new TPenDialog; }),
      ChartException);
  EXPECT_THROW(registry.Register(QStringLiteral("TOther"), {}), ChartException);
  EXPECT_EQ(registry.Count(), 1);
}

TEST(EditorFormRegistry, StartUpRunsRegistrarsAndADuplicateFailsIt) {
  {
    ChartEditorScope editors({registerPen});
    EXPECT_TRUE(EditorForms().Contains(QStringLiteral("TPenDialog")));
    {
      ChartEditorScope nested({registerPen});  // counted: no second registration
      EXPECT_EQ(EditorForms().Count(), 1);
    }
    EXPECT_EQ(EditorForms().Count(), 1);
  }
  EXPECT_EQ(EditorForms().Count(), 0);
  RemoveEditorFormRegistrar(registerPen);
  EXPECT_THROW(ChartEditorScope({registerPenTwice}), ChartException);
  EXPECT_EQ(EditorForms().Count(), 0);
  ChartEditorScope afterwards;  // the failed registrar is not kept
  EXPECT_EQ(EditorForms().Count(), 0);
}

TEST(EditorForms, AFreedObjectDisablesTheFormAndNothingIsWritten) {
  ChartEditorScope editors;
  RecordingChartPrompts prompts;
  auto chart = std::make_unique<EditedChart>();
  TBrushDialog brush;
  brush.EditBrush(chart->Brush());
  TPlotGradientEditor gradient;
  gradient.EditGradient(chart->Gradient());
  TFormPlotShape shape;
  shape.EditShape(chart->Title());
  for (QWidget* w : std::initializer_list<QWidget*>{&brush, &gradient, &shape}) w->show();
  chart.reset();
  EXPECT_TRUE(brush.TagGone());
  EXPECT_FALSE(brush.Body()->isEnabled());
  EXPECT_FALSE(gradient.Body()->isEnabled());
  EXPECT_FALSE(shape.Body()->isEnabled());
  // Driven anyway (as a queued event might), they touch nothing freed.
  brush.findChild<QListWidget*>(QStringLiteral("LStyle"))->setCurrentRow(9);
  ClickButton(brush.findChild<QPushButton*>(QStringLiteral("Button1")));
  gradient.findChild<QComboBox*>(QStringLiteral("CBDirection"))->setCurrentIndex(3);
  ClickButton(gradient.findChild<QAbstractButton*>(QStringLiteral("BSwap")));
  shape.findChild<QSpinBox*>(QStringLiteral("UDShadowSize"))->setValue(9);
  shape.findChild<QSpinBox*>(QStringLiteral("UDInter"))->setValue(9);
  brush.reject();
  gradient.reject();
  EXPECT_TRUE(prompts.calls.isEmpty());
}

TEST(EditorHelpers, ValueFormatsInOrder) {
  ChartEditorScope editors;
  QComboBox combo;
  AddValueFormats(combo);
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  EXPECT_EQ(items, QStringList({"#,##0.###", "0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)",
                                "00e-0", "#.0 \"x10\" E+0", "#.# x10E-#"}));
}

TEST(EditorHelpers, MovingItemsKeepsOrderAndData) {
  QListWidget from, to;
  from.setSelectionMode(QAbstractItemView::MultiSelection);
  for (int i = 0; i < 4; ++i) {
    auto* item = new QListWidgetItem(QString::number(i), &from);
    item->setData(Qt::UserRole, QStringLiteral("s%1").arg(i));
  }
  from.item(0)->setSelected(true);
  from.item(2)->setSelected(true);
  MoveSelectedItems(from, to);
  EXPECT_EQ(itemsOf(to), QStringList({"0/s0", "2/s2"}));
  EXPECT_EQ(itemsOf(from), QStringList({"1/s1", "3/s3"}));
  MoveAllItems(from, to);
  EXPECT_EQ(itemsOf(to), QStringList({"0/s0", "2/s2", "1/s1", "3/s3"}));
  EXPECT_EQ(from.count(), 0);
}

TEST(EditorHelpers, ConfirmDeleteAsksWithTheNameAsAnArgument) {
  ChartEditorScope editors;
  RecordingChartPrompts prompts;
  prompts.confirmAnswers = {true, false};
  EXPECT_TRUE(ConfirmDelete(QStringLiteral("50%")));
  EXPECT_FALSE(ConfirmDelete(QStringLiteral("%s %d")));
  EXPECT_EQ(prompts.calls, QStringList({"Confirm: Delete 50% ?", "Confirm: Delete %s %d ?"}));
}
