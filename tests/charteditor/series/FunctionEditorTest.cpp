// The function editor over S1..S4 and F = Add(S1), offscreen with recorded
// prompts: the function list, the two-list chooser keeping texts and
// series paired, Apply computing from the chosen sources, refusals that
// change nothing, and the "Apply Changes ?" check on leaving.
#include "chart/series/TAveragePlotFunction.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/series/TFormPeriod.h"
#include "charteditor/series/TPlotFuncEditor.h"
#include "charteditor/series/TSelectListForm.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/support/RecordingChartPrompts.h"
#include "tests/charteditor/series/SourceChart.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

namespace {

template <class T>
T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

QStringList texts(const QListWidget& list) {
  QStringList out;
  for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
  return out;
}

// Each item's series is the one its text names.
bool paired(const QListWidget& list) {
  for (int i = 0; i < list.count(); ++i) {
    const QObject* o = TSelectListForm::ItemObject(*list.item(i));
    if (!o || o->objectName() != list.item(i)->text()) return false;
  }
  return true;
}

void select(QListWidget& list, std::initializer_list<int> rows) {
  list.clearSelection();
  for (int r : rows) list.item(r)->setSelected(true);
  list.setCurrentRow(*rows.begin(), QItemSelectionModel::NoUpdate);
}

void doubleClick(QListWidget& list, int row) {
  const QRect r = list.visualItemRect(list.item(row));
  // A double click follows the press of a first click on the same item.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, r.center());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, r.center());
}

void click(QWidget& w, const char* name) {
  QPushButton* b = child<QPushButton>(w, name);
  ASSERT_TRUE(b);
  ASSERT_TRUE(b->isEnabled()) << name;
  QTest::mouseClick(b, Qt::LeftButton);
}

class FunctionEditor : public ::testing::Test {
 protected:
  FunctionEditor() {
    editor->resize(500, 300);
    editor->SetTag(chart.F());
    editor->show();
  }

  QListWidget& From() { return *editor->Chooser()->FromList(); }
  QListWidget& To() { return *editor->Chooser()->ToList(); }
  void Choose(const char* function) {
    editor->Sources()->setCurrentIndex(editor->Sources()->findText(QString::fromLatin1(function)));
  }
  void Apply() { click(*editor, "BApply"); }
  TFormPeriod& Options() {
    editor->PageControl()->setCurrentIndex(1);
    return *editor->PeriodEditor();
  }
  void TypePeriod(const char* text) {
    QLineEdit* box = child<QLineEdit>(Options(), "ENum");
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(text));
  }

  LocaleScope locale{LocaleScope::english()};
  RecordingChartPrompts prompts;
  SourceChart chart;
  std::unique_ptr<TPlotFuncEditor> editor = std::make_unique<TPlotFuncEditor>();
};

struct ChooserRow {
  std::string name;
  std::function<void(QWidget&, QListWidget& from, QListWidget& to)> act;
  QStringList from, to;
};

void PrintTo(const ChooserRow& row, std::ostream* os) {
  *os << row.name;
}

const ChooserRow kChooserRows[] = {
    {"RightOne",
     [](QWidget& w, QListWidget& from, QListWidget&) {
       select(from, {0, 2});
       click(w, "BRightOne");
     },
     {"S3"},
     {"S1", "S2", "S4"}},
    {"RightAll",
     [](QWidget& w, auto&, auto&) { click(w, "BRightAll"); },
     {},
     {"S1", "S2", "S3", "S4"}},
    {"LeftOne",
     [](QWidget& w, QListWidget&, QListWidget& to) {
       select(to, {0});
       click(w, "BLeftOne");
     },
     {"S2", "S3", "S4", "S1"},
     {}},
    {"LeftAll",
     [](QWidget& w, auto&, auto&) { click(w, "BLeftAll"); },
     {"S2", "S3", "S4", "S1"},
     {}},
    {"DoubleClickFrom",
     [](QWidget&, QListWidget& from, QListWidget&) { doubleClick(from, 1); },
     {"S2", "S4"},
     {"S1", "S3"}},
    {"DoubleClickTo",
     [](QWidget&, QListWidget&, QListWidget& to) { doubleClick(to, 0); },
     {"S2", "S3", "S4", "S1"},
     {}},
    {"Down",
     [](QWidget& w, auto&, QListWidget& to) {
       click(w, "BRightAll");
       to.setCurrentRow(1);
       click(w, "BMoveDown");
     },
     {},
     {"S1", "S3", "S2", "S4"}},
    {"Up",
     [](QWidget& w, auto&, QListWidget& to) {
       click(w, "BRightAll");
       to.setCurrentRow(3);
       click(w, "BMoveUP");
     },
     {},
     {"S1", "S2", "S4", "S3"}},
};

class ChooserMoves : public FunctionEditor, public ::testing::WithParamInterface<ChooserRow> {};

}  // namespace

TEST_F(FunctionEditor, ListsCopyAndTheFunctionsSortedAndCopyHidesOptions) {
  QStringList items;
  for (int i = 0; i < editor->Sources()->count(); ++i) items << editor->Sources()->itemText(i);
  EXPECT_EQ(items, QStringList({"Add", "Average", "Copy", "Divide", "High", "Low", "Multiply",
                                "Subtract"}));
  EXPECT_EQ(editor->Sources()->currentText(), QStringLiteral("Add"));
  EXPECT_TRUE(editor->PageControl()->isTabVisible(1));
  EXPECT_FALSE(editor->ApplyButton()->isEnabled());
  Choose("Copy");
  EXPECT_FALSE(editor->PageControl()->isTabVisible(1));
  EXPECT_TRUE(editor->ApplyButton()->isEnabled());
  EXPECT_EQ(EditorForms().Create(QStringLiteral("TPlotFuncEditor"))->metaObject(),
            &TPlotFuncEditor::staticMetaObject);
}

TEST_F(FunctionEditor, ShowsTheSourcesAndEveryOtherValidSeries) {
  EXPECT_EQ(texts(To()), QStringList({"S1"}));
  EXPECT_EQ(texts(From()), QStringList({"S2", "S3", "S4"}));
  EXPECT_TRUE(paired(To()) && paired(From()));
}

TEST_P(ChooserMoves, KeepTextAndSeriesPairedAndEnableApply) {
  const ChooserRow& row = GetParam();
  row.act(*editor->Chooser(), From(), To());
  EXPECT_EQ(texts(From()), row.from);
  EXPECT_EQ(texts(To()), row.to);
  EXPECT_TRUE(paired(From()) && paired(To()));
  EXPECT_TRUE(editor->ApplyButton()->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Moves, ChooserMoves, ::testing::ValuesIn(kChooserRows),
                         [](const auto& info) { return info.param.name; });

TEST_F(FunctionEditor, ApplyComputesFromTheSourcesInListOrder) {
  select(From(), {0});
  click(*editor->Chooser(), "BRightOne");
  Apply();
  EXPECT_FALSE(editor->ApplyButton()->isEnabled());
  EXPECT_EQ(chart.F()->DataSources(), (std::vector<QObject*>{chart.S(1), chart.S(2)}));
  EXPECT_EQ(chart.Walk().value("F.Points").toString(), QStringLiteral("0:11 1:22 2:33"));
  // Reordered and another function: the same sources the other way round.
  To().setCurrentRow(1);
  click(*editor->Chooser(), "BMoveUP");
  Choose("Subtract");
  Apply();
  EXPECT_EQ(chart.F()->DataSources(), (std::vector<QObject*>{chart.S(2), chart.S(1)}));
  EXPECT_EQ(chart.Walk().value("F.Points").toString(), QStringLiteral("0:9 1:18 2:27"));
  EXPECT_TRUE(prompts.errors().isEmpty());
}

TEST_F(FunctionEditor, ACircularSourceIsRefusedAndNothingChanges) {
  // S4 takes its points from S3: S4 as a source of S3 would go round.
  editor->SetTag(chart.S(3));
  editor->hide();
  editor->show();
  ASSERT_TRUE(texts(From()).contains(QStringLiteral("S4")));
  Choose("Average");
  editor->Chooser()->FromList()->clearSelection();
  select(From(), {static_cast<int>(texts(From()).indexOf(QStringLiteral("S4")))});
  click(*editor->Chooser(), "BRightOne");
  const auto before = chart.Walk();
  Apply();
  EXPECT_EQ(prompts.errors(), QStringList({"Circular Series dependences are not allowed"}));
  EXPECT_EQ(SourceChart::Changed(before, chart.Walk()), QStringList());
  EXPECT_TRUE(editor->ApplyButton()->isEnabled());
  // Leaving asks again; Cancel stays.
  EXPECT_FALSE(editor->CanLeave());
  EXPECT_EQ(prompts.calls.last(), QStringLiteral("ConfirmOrCancel: Apply Changes ?"));
}

TEST_F(FunctionEditor, ARefusedPeriodChangesNothing) {
  for (const char* bad : {"-1", "abc"}) {
    prompts.calls.clear();
    TypePeriod(bad);
    const auto before = chart.Walk();
    Apply();
    EXPECT_EQ(SourceChart::Changed(before, chart.Walk()), QStringList()) << bad;
    ASSERT_EQ(prompts.errors().size(), 1) << bad;
    EXPECT_EQ(prompts.errors()[0],
              bad[0] == '-' ? QStringLiteral("Function Period should be >= 0")
                            : QStringLiteral("'abc' is not a valid floating point value"));
    EXPECT_TRUE(editor->ApplyButton()->isEnabled());
  }
}

TEST_F(FunctionEditor, ThePeriodGoesIntoTheFunctionAppliedLast) {
  Choose("Average");
  TypePeriod("2");
  Choose("Copy");
  Apply();
  EXPECT_EQ(chart.F()->Function(), nullptr);
  EXPECT_EQ(chart.Walk().value("F.Points").toString(), QStringLiteral("0:1 1:2 2:3"));
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
  TFormPeriod& options = Options();
  // The options are the chosen function's, not yet the series'.
  EXPECT_NE(options.Function(), old);
  EXPECT_TRUE(qobject_cast<TAveragePlotFunction*>(options.Function()));
  EXPECT_EQ(child<QLineEdit>(options, "ENum")->text(), QStringLiteral("0"));
  EXPECT_EQ(chart.F()->Function(), old);
  prompts.confirmOrCancelAnswers = {ChartAnswer::No};
  EXPECT_TRUE(editor->CanLeave());
  EXPECT_EQ(chart.F()->Function(), old);
  EXPECT_EQ(SourceChart::Changed(before, chart.Walk()), QStringList());
  // No drops the changes: the editor shows the series again.
  EXPECT_EQ(editor->Sources()->currentText(), QStringLiteral("Add"));
  EXPECT_FALSE(editor->ApplyButton()->isEnabled());
}

TEST_F(FunctionEditor, ApplyWritesThePeriodOnlyWhenItWasEdited) {
  chart.F()->Function()->SetPeriod(2.5);
  TFormPeriod& options = Options();
  EXPECT_EQ(child<QLineEdit>(options, "ENum")->text(), QStringLiteral("2"));
  child<QRadioButton>(options, "RGAlign2")->click();
  const auto before = chart.Walk();
  Apply();
  EXPECT_EQ(SourceChart::Changed(before, chart.Walk()),
            QStringList({"F.Function.PeriodAlign", "F.Points"}));
  EXPECT_EQ(chart.F()->Function()->Period(), 2.5);
  EXPECT_EQ(chart.F()->Function()->PeriodAlign(), TPlotFunction::paLast);
}

TEST_F(FunctionEditor, OptionsShowStepsForADateTimeSource) {
  chart.F()->Function()->SetPeriod(1);
  chart.S(1)->XValues()->SetDateTime(true);
  editor->hide();
  editor->show();
  EXPECT_EQ(child<QLabel>(Options(), "BLabel")->text(), QStringLiteral("One Day"));
  // The first source listed decides, before Apply too.
  select(To(), {0});
  click(*editor->Chooser(), "BLeftOne");
  EXPECT_EQ(child<QLabel>(Options(), "BLabel")->text(), QStringLiteral("1"));
}

TEST_F(FunctionEditor, ClosingWithChangesPendingAsks) {
  Choose("High");
  EXPECT_FALSE(editor->close());
  EXPECT_TRUE(editor->isVisible());
  prompts.confirmOrCancelAnswers = {ChartAnswer::Yes};
  EXPECT_TRUE(editor->close());
  EXPECT_STREQ(chart.F()->Function()->metaObject()->className(), "THighPlotFunction");
}

TEST_F(FunctionEditor, LeavingWithChangesPendingAsks) {
  struct Case {
    ChartAnswer answer;
    bool leaves;
    const char* function;  // F's function class afterwards
    bool pending;
  } cases[] = {
      {ChartAnswer::Yes, true, "THighPlotFunction", false},
      {ChartAnswer::No, true, "TAddPlotFunction", false},
      {ChartAnswer::Cancel, false, "TAddPlotFunction", true},
  };
  for (const Case& c : cases) {
    chart.F()->SetFunction(new TAddPlotFunction(&chart.owner));
    editor->SetTag(chart.F());
    editor->hide();
    editor->show();
    EXPECT_TRUE(editor->CanLeave());  // nothing pending: no question
    Choose("High");
    prompts.calls.clear();
    prompts.confirmOrCancelAnswers = {c.answer};
    EXPECT_EQ(editor->CanLeave(), c.leaves);
    EXPECT_EQ(prompts.calls, QStringList({"ConfirmOrCancel: Apply Changes ?"}));
    EXPECT_STREQ(chart.F()->Function()->metaObject()->className(), c.function);
    EXPECT_EQ(editor->ApplyButton()->isEnabled(), c.pending);
  }
}

TEST_F(FunctionEditor, AFreedListedSeriesIsLeftOutAndAFreedSeriesEndsTheEditor) {
  select(From(), {0});
  click(*editor->Chooser(), "BRightOne");
  delete chart.S(2);
  Apply();
  EXPECT_EQ(chart.F()->DataSources(), (std::vector<QObject*>{chart.S(1)}));
  Choose("High");
  delete chart.F();
  EXPECT_TRUE(editor->CanLeave());
  EXPECT_TRUE(prompts.errors().isEmpty());
}
