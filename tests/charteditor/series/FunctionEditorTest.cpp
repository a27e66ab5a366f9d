// The function editor over S1..S4 and F = Add(S1), offscreen with recorded
// prompts: the function list, the chooser keeping texts and series paired,
// Apply computing from the listed sources, refusals that change nothing,
// options looked at without applying, and "Apply Changes ?" on leaving.
#include "chart/series/TAveragePlotFunction.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/series/TFormPeriod.h"
#include "charteditor/series/TPlotFuncEditor.h"
#include "charteditor/series/TSelectListForm.h"
#include "tests/chart/support/RecordingChartPrompts.h"
#include "tests/charteditor/series/SourceChart.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

// The texts of a list, each checked to name the series its item carries.
QStringList texts(const QListWidget& list) {
  QStringList out;
  for (int i = 0; i < list.count(); ++i) {
    const QObject* o = TSelectListForm::ItemObject(*list.item(i));
    out << (o && o->objectName() == list.item(i)->text() ? list.item(i)->text() : "unpaired");
  }
  return out;
}

void click(QWidget& w, const char* name) {
  QPushButton* b = child<QPushButton>(w, name);
  ASSERT_TRUE(b && b->isEnabled()) << name;
  QTest::mouseClick(b, Qt::LeftButton);
}

class FunctionEditor : public ::testing::Test {
 protected:
  FunctionEditor() {
    editor.resize(500, 300);
    Edit(chart.F());
  }

  void Edit(TChartSeries* series) {
    editor.hide();
    editor.SetTag(series);
    editor.show();
  }
  QListWidget& From() { return *editor.Chooser()->FromList(); }
  QListWidget& To() { return *editor.Chooser()->ToList(); }
  // Selects rows of a list and clicks a chooser button.
  void Move(QListWidget& list, std::initializer_list<int> rows, const char* button) {
    list.clearSelection();
    for (int r : rows) list.item(r)->setSelected(true);
    list.setCurrentRow(*rows.begin(), QItemSelectionModel::NoUpdate);
    click(*editor.Chooser(), button);
  }
  void Choose(const char* function) {
    editor.Sources()->setCurrentIndex(editor.Sources()->findText(QString::fromLatin1(function)));
  }
  void Apply() { click(editor, "BApply"); }
  TFormPeriod& Options() {
    editor.PageControl()->setCurrentIndex(1);
    return *editor.PeriodEditor();
  }
  void TypePeriod(const char* text) {
    QLineEdit* box = child<QLineEdit>(Options(), "ENum");
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
  }
  QString Points() { return chart.Walk().value("F.Points"); }

  RecordingChartPrompts prompts;
  SourceChart chart;
  TPlotFuncEditor editor;
};

}  // namespace

TEST_F(FunctionEditor, ListsCopyAndTheFunctionsSortedAndCopyHidesOptions) {
  QStringList items;
  for (int i = 0; i < editor.Sources()->count(); ++i) items << editor.Sources()->itemText(i);
  EXPECT_EQ(items, QStringList({"Add", "Average", "Copy", "Divide", "High", "Low", "Multiply",
                                "Subtract"}));
  EXPECT_EQ(editor.Sources()->currentText(), QStringLiteral("Add"));
  EXPECT_TRUE(editor.PageControl()->isTabVisible(1));
  Choose("Copy");
  EXPECT_FALSE(editor.PageControl()->isTabVisible(1));
  EXPECT_EQ(EditorForms().Create(QStringLiteral("TPlotFuncEditor"))->metaObject(),
            &TPlotFuncEditor::staticMetaObject);
}

TEST_F(FunctionEditor, ChooserMovesKeepTextAndSeriesPaired) {
  EXPECT_EQ(texts(To()), QStringList({"S1"}));
  EXPECT_EQ(texts(From()), QStringList({"S2", "S3", "S4"}));
  EXPECT_FALSE(editor.ApplyButton()->isEnabled());
  struct Step {
    std::function<void()> act;
    QStringList from, to;
  } steps[] = {
      {[&] {
         Move(From(), {0, 2}, "BRightOne");
       },
       {"S3"},
       {"S1", "S2", "S4"}},
      {[&] { Move(To(), {1}, "BMoveUP"); }, {"S3"}, {"S2", "S1", "S4"}},
      {[&] { Move(To(), {0}, "BMoveDown"); }, {"S3"}, {"S1", "S2", "S4"}},
      {[&] {
         Move(To(), {0, 1}, "BLeftOne");
       },
       {"S3", "S1", "S2"},
       {"S4"}},
      {[&] { click(*editor.Chooser(), "BRightAll"); }, {}, {"S4", "S3", "S1", "S2"}},
      {[&] { click(*editor.Chooser(), "BLeftAll"); }, {"S4", "S3", "S1", "S2"}, {}},
      {[&] {
         const QPoint at = From().visualItemRect(From().item(1)).center();
         // A double click follows the press of a first click on the same item.
         QTest::mouseClick(From().viewport(), Qt::LeftButton, {}, at);
         QTest::mouseDClick(From().viewport(), Qt::LeftButton, {}, at);
       },
       {"S4", "S1", "S2"},
       {"S3"}},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(texts(From()), step.from);
    EXPECT_EQ(texts(To()), step.to);
  }
  EXPECT_TRUE(editor.ApplyButton()->isEnabled());
}

TEST_F(FunctionEditor, ApplyComputesFromTheSourcesInListOrder) {
  Move(From(), {0}, "BRightOne");
  Apply();
  EXPECT_FALSE(editor.ApplyButton()->isEnabled());
  EXPECT_EQ(chart.F()->DataSources(), (std::vector<QObject*>{chart.S(1), chart.S(2)}));
  EXPECT_EQ(Points(), QStringLiteral("0:11 1:22 2:33"));
  Move(To(), {1}, "BMoveUP");
  Choose("Subtract");
  Apply();
  EXPECT_EQ(chart.F()->DataSources(), (std::vector<QObject*>{chart.S(2), chart.S(1)}));
  EXPECT_EQ(Points(), QStringLiteral("0:9 1:18 2:27"));
  EXPECT_TRUE(prompts.errors().isEmpty());
}

TEST_F(FunctionEditor, RefusalsChangeNothingAndKeepTheChangesPending) {
  // S4 takes its points from S3: S4 as a source of S3 would go round.
  Edit(chart.S(3));
  Choose("Average");
  Move(From(), {static_cast<int>(texts(From()).indexOf("S4"))}, "BRightOne");
  const auto before = chart.Walk();
  Apply();
  Edit(chart.F());
  TypePeriod("-1");
  Apply();
  TypePeriod("abc");
  Apply();
  EXPECT_EQ(prompts.errors(), QStringList({"Circular Series dependences are not allowed",
                                           "Function Period should be >= 0",
                                           "'abc' is not a valid floating point value"}));
  EXPECT_EQ(SourceChart::Changed(before, chart.Walk()), QStringList());
  EXPECT_TRUE(editor.ApplyButton()->isEnabled());
}

TEST_F(FunctionEditor, ThePeriodGoesIntoTheFunctionAppliedLast) {
  Choose("Average");
  TypePeriod("2");
  Choose("Copy");
  Apply();
  EXPECT_EQ(chart.F()->Function(), nullptr);
  EXPECT_EQ(Points(), QStringLiteral("0:1 1:2 2:3"));
  Choose("Average");
  Apply();
  ASSERT_TRUE(qobject_cast<TAveragePlotFunction*>(chart.F()->Function()));
  EXPECT_EQ(chart.F()->Function()->Period(), 2);
}

TEST_F(FunctionEditor, LookingAtAnotherFunctionsOptionsReplacesNothing) {
  chart.F()->Function()->SetPeriod(3);
  TPlotFunction* old = chart.F()->Function();
  const auto before = chart.Walk();
  Choose("Average");
  EXPECT_TRUE(qobject_cast<TAveragePlotFunction*>(Options().Function()));
  EXPECT_EQ(child<QLineEdit>(Options(), "ENum")->text(), QStringLiteral("0"));
  prompts.confirmOrCancelAnswers = {ChartAnswer::No};
  EXPECT_TRUE(editor.CanLeave());
  EXPECT_EQ(chart.F()->Function(), old);
  EXPECT_EQ(SourceChart::Changed(before, chart.Walk()), QStringList());
  // No drops the changes: the editor shows the series again.
  EXPECT_EQ(editor.Sources()->currentText(), QStringLiteral("Add"));
}

TEST_F(FunctionEditor, ApplyWritesThePeriodOnlyWhenItWasEdited) {
  chart.F()->Function()->SetPeriod(2.5);
  EXPECT_EQ(child<QLineEdit>(Options(), "ENum")->text(), QStringLiteral("2"));
  child<QRadioButton>(Options(), "RGAlign2")->click();
  const auto before = chart.Walk();
  Apply();
  EXPECT_EQ(SourceChart::Changed(before, chart.Walk()),
            QStringList({"F.Function.PeriodAlign", "F.Points"}));
  EXPECT_EQ(chart.F()->Function()->Period(), 2.5);
}

TEST_F(FunctionEditor, OptionsShowStepsForADateTimeSource) {
  chart.F()->Function()->SetPeriod(1);
  chart.S(1)->XValues()->SetDateTime(true);
  Edit(chart.F());
  EXPECT_EQ(child<QLabel>(Options(), "BLabel")->text(), QStringLiteral("One Day"));
  // The first source listed decides, before Apply too.
  Move(To(), {0}, "BLeftOne");
  EXPECT_EQ(child<QLabel>(Options(), "BLabel")->text(), QStringLiteral("1"));
}

TEST_F(FunctionEditor, LeavingOrClosingWithChangesPendingAsks) {
  struct Case {
    ChartAnswer answer;
    bool leaves;
    const char* function;  // F's function class afterwards
  } cases[] = {
      {ChartAnswer::Yes, true, "THighPlotFunction"},
      {ChartAnswer::No, true, "TAddPlotFunction"},
      {ChartAnswer::Cancel, false, "TAddPlotFunction"},
  };
  for (const Case& c : cases) {
    chart.F()->SetFunction(new TAddPlotFunction(&chart.owner));
    Edit(chart.F());
    EXPECT_TRUE(editor.CanLeave());  // nothing pending: no question
    Choose("High");
    prompts.calls.clear();
    prompts.confirmOrCancelAnswers = {c.answer};
    EXPECT_EQ(editor.close(), c.leaves);
    EXPECT_EQ(prompts.calls, QStringList({"ConfirmOrCancel: Apply Changes ?"}));
    EXPECT_STREQ(chart.F()->Function()->metaObject()->className(), c.function);
    EXPECT_EQ(editor.ApplyButton()->isEnabled(), !c.leaves);
  }
}

TEST_F(FunctionEditor, FreedSeriesAreLeftOut) {
  Move(From(), {0}, "BRightOne");
  delete chart.S(2);
  Apply();
  EXPECT_EQ(chart.F()->DataSources(), (std::vector<QObject*>{chart.S(1)}));
  Choose("High");
  delete chart.F();
  EXPECT_TRUE(editor.CanLeave());
  EXPECT_TRUE(prompts.errors().isEmpty());
}
