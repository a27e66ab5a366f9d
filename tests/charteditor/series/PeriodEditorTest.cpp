// The period editor, offscreen: what it shows for a function's period,
// the quiet reading of a number being typed, "All points", the range
// controls of moving functions, and the increment dialog behind "Change".
#include "chart/series/TPlotMovingFunction.h"
#include "charteditor/series/TAxisIncrement.h"
#include "charteditor/series/TFormPeriod.h"
#include "tests/charteditor/series/SourceChart.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class TestMovingFunction : public TPlotMovingFunction {
 public:
  using TPlotMovingFunction::TPlotMovingFunction;
};

class PeriodEditor : public ::testing::Test {
 protected:
  QString Number() { return child<QLineEdit>(editor, "ENum")->text(); }
  QString Label() { return child<QLabel>(editor, "BLabel")->text(); }
  bool All() { return child<QCheckBox>(editor, "CBAll")->isChecked(); }
  void Type(const QString& text) {
    QLineEdit* box = child<QLineEdit>(editor, "ENum");
    box->selectAll();
    QTest::keyClicks(box, text);
  }

  ChartEditorScope editors;
  LocaleScope locale{LocaleScope::english()};
  TAddPlotFunction function;
  TFormPeriod editor;
  int changes = 0;
};

}  // namespace

TEST_F(PeriodEditor, ShowsThePeriodByStyleAndAsAStep) {
  struct Case {
    double period;
    bool range;
    bool dateTime;
    const char* number;
    const char* label;
    bool all;
  } cases[] = {
      {2.5, false, false, "2", "2", false},    {3.5, false, false, "4", "4", false},
      {2.5, true, false, "2.5", "2.5", false}, {0, false, false, "0", "0", true},
      {1, false, true, "1", "One Day", false}, {2.5, true, true, "2.5", "2 12:00:00", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    function.SetPeriod(c.period);
    function.SetPeriodStyle(c.range ? TPlotFunction::psRange : TPlotFunction::psNumPoints);
    editor.ShowFunction(&function, c.dateTime);
    EXPECT_EQ(Number(), QString::fromLatin1(c.number));
    EXPECT_EQ(Label(), QString::fromLatin1(c.label));
    EXPECT_EQ(All(), c.all);
    EXPECT_EQ(child<QRadioButton>(editor, "RBRange")->isChecked(), c.range);
    EXPECT_FALSE(editor.Edited());
  }
}

TEST_F(PeriodEditor, ReadsTypedTextQuietly) {
  editor.ShowFunction(&function, false);
  editor.OnChange = [this] { ++changes; };
  for (const char* text : {"1e", "-", "abc", "nan", "", "1e999"}) {
    SCOPED_TRACE(text);
    EXPECT_NO_THROW(Type(QString::fromLatin1(text)));
    EXPECT_EQ(Label(), QString());
    EXPECT_FALSE(All());
  }
  Type(QStringLiteral("0"));
  EXPECT_TRUE(All());
  Type(QStringLiteral("12"));
  EXPECT_EQ(Label(), QStringLiteral("12"));
  EXPECT_FALSE(All());
  EXPECT_GT(changes, 0);
  EXPECT_TRUE(editor.Edited());
  // Checking "All points" makes the period 0, which Apply writes.
  QTest::mouseClick(child<QCheckBox>(editor, "CBAll"), Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(Number(), QStringLiteral("0"));
  function.SetPeriod(5);
  QString error;
  ASSERT_TRUE(editor.CheckPeriod(error));
  editor.Apply(function);
  EXPECT_EQ(function.Period(), 0);
}

TEST_F(PeriodEditor, MovingFunctionsHaveNoRange) {
  TestMovingFunction moving;
  moving.SetPeriodStyle(TPlotFunction::psRange);
  editor.ShowFunction(&moving, false);
  EXPECT_FALSE(child<QRadioButton>(editor, "RBRange")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(editor, "BChange")->isEnabled());
  EXPECT_TRUE(child<QRadioButton>(editor, "RBNum")->isChecked());
  editor.ShowFunction(&function, false);
  EXPECT_TRUE(child<QRadioButton>(editor, "RBRange")->isEnabled());
  editor.SetFunctionName(QStringLiteral("Average"));
  EXPECT_EQ(child<QLabel>(editor, "LCalc")->text(), QStringLiteral("Calculate Average every:"));
}

TEST_F(PeriodEditor, ChangeTakesTheIncrementChosen) {
  function.SetPeriod(1);
  function.SetPeriodStyle(TPlotFunction::psRange);
  editor.ShowFunction(&function, true);
  editor.show();
  AnswerNextModal([](QWidget* modal) {
    auto* dialog = qobject_cast<TAxisIncrement*>(modal);
    ASSERT_TRUE(dialog);
    // The period arrives as the step it is.
    EXPECT_EQ(dialog->Step(), 15);
    QLineEdit* custom = dialog->findChild<QLineEdit*>(QStringLiteral("ECustom"));
    dialog->findChild<QRadioButton*>(QStringLiteral("RBCustom"))->click();
    custom->setText(QStringLiteral("2 12:00"));
    dialog->OkButton()->click();
  });
  QTest::mouseClick(child<QPushButton>(editor, "BChange"), Qt::LeftButton);
  EXPECT_EQ(Number(), QStringLiteral("2.5"));
  EXPECT_EQ(Label(), QStringLiteral("2 12:00:00"));
  editor.Apply(function);
  EXPECT_EQ(function.Period(), 2.5);
}
