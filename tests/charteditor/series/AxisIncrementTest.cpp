// The axis increment dialog, offscreen: what it shows for an increment,
// what OK reads from each kind of text (or why it stays open), and the
// increment texts the axis page and the period editor show.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/series/TAxisIncrement.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>

namespace {

template <class T>
T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

QString customText(TAxisIncrement& d) {
  return child<QLineEdit>(d, "ECustom")->text();
}

void clickOk(TAxisIncrement& d) {
  QTest::mouseClick(d.OkButton(), Qt::LeftButton);
}

// One use of the dialog: loaded with (dateTime, exact, increment), the
// user's action, then OK.
struct OkRow {
  std::string name;
  bool german;
  bool dateTime;
  bool exact;
  double increment;
  std::function<void(TAxisIncrement&)> act;
  bool closes;
  double result;  // the increment after OK
  bool exactAfter;
};

void PrintTo(const OkRow& row, std::ostream* os) {
  *os << row.name;
}

void typeCustom(TAxisIncrement& d, const char* text) {
  child<QRadioButton>(d, "RBCustom")->click();
  QLineEdit* edit = child<QLineEdit>(d, "ECustom");
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromUtf8(text));
}

auto custom(const char* text) {
  return [text](TAxisIncrement& d) { typeCustom(d, text); };
}

const double kMs = 1.0 / 86400000;

const OkRow kOkRows[] = {
    {"DaysAndTime", false, true, false, 1, custom("2 12:00"), true, 2.5, false},
    {"DaysAndTimeGerman", true, true, false, 1, custom("2 12:00"), true, 2.5, false},
    {"TimeAlone", false, true, false, 1, custom("06:00"), true, 0.25, false},
    {"PlainNumberOfDays", false, true, false, 1, custom("3"), true, 3, false},
    {"NotANumberNorATime", false, true, false, 1, custom("abc"), false, 1, false},
    {"NaNIsRefused", false, true, false, 1, custom("nan"), false, 1, false},
    {"InfiniteDaysAreRefused", false, true, false, 1, custom("INF 12:00"), false, 1, false},
    {"BadTimeAfterDays", false, true, false, 1, custom("2 xx"), false, 1, false},
    {"ExactWeekIsStandard", false, true, true, 7, {}, true, 7, true},
    {"WithinAMillisecondIsStandard", false, true, true, 7 + 0.5 * kMs, {}, true, 7, true},
    {"ChosenStep", false, true, true, 7,
     [](TAxisIncrement& d) { child<QComboBox>(d, "CBSteps")->activated(15); }, true, 1, true},
    {"StandardWithoutStepStaysOpen", false, true, false, 7.3,
     [](TAxisIncrement& d) { child<QRadioButton>(d, "RBStandard")->click(); }, false, 7.3, false},
    // Unchecking "exact" forces Custom, which keeps the increment shown.
    {"UncheckingExactKeepsTheStep", false, true, true, 1,
     [](TAxisIncrement& d) { child<QCheckBox>(d, "CBExact")->click(); }, true, 1, false},
    {"NumberInTheLocale", true, false, false, 1, custom("0,25"), true, 0.25, false},
    {"NumberNotInTheLocale", false, false, false, 1, custom("0,25"), false, 1, false},
    {"NumberAxisRefusesInfinity", false, false, false, 1, custom("INF"), false, 1, false},
};

class AxisIncrementOk : public ::testing::TestWithParam<OkRow> {
 protected:
  ChartEditorScope editors;
};

}  // namespace

TEST_P(AxisIncrementOk, ReadsTheIncrementOrStaysOpen) {
  const OkRow& row = GetParam();
  LocaleScope locale(LocaleScope::of(row.german));
  RecordingChartPrompts prompts;
  TAxisIncrement d;
  d.Load(row.dateTime, row.exact, row.increment);
  d.show();
  if (row.act) row.act(d);
  clickOk(d);
  EXPECT_EQ(d.isVisible(), !row.closes);
  EXPECT_EQ(d.result(), row.closes ? QDialog::Accepted : QDialog::Rejected);
  EXPECT_DOUBLE_EQ(d.Increment(), row.result);
  EXPECT_EQ(d.ExactDateTime(), row.exactAfter);
  if (row.closes) {
    EXPECT_TRUE(prompts.errors().isEmpty()) << prompts.calls.join(u'\n').toStdString();
  } else {
    ASSERT_EQ(prompts.errors().size(), 1);
    EXPECT_TRUE(prompts.errors()[0].startsWith(QStringLiteral("Incorrect value. Reason: ")))
        << prompts.errors()[0].toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, AxisIncrementOk, ::testing::ValuesIn(kOkRows),
                         [](const auto& info) { return info.param.name; });

TEST(AxisIncrementShow, StandardOnlyForAnExactTableStep) {
  ChartEditorScope editors;
  LocaleScope locale(LocaleScope::english());
  struct Case {
    bool exact;
    double increment;
    bool standard;
    int step;
    const char* custom;
  } cases[] = {
      {true, 7, true, 18, ""},
      {true, 7 + 0.5 * kMs, true, 18, ""},
      {true, 7 + 2 * kMs, false, -1, "7 00:00:00.002"},
      {false, 7, false, -1, "7 00:00:00"},
      {true, 2.5, false, -1, "2 12:00:00"},
      {true, 0.75, false, -1, "18:00:00"},
      // Whole days come from the double: far past a 32-bit count.
      {true, 5e9, false, -1, "5000000000 00:00:00"},
  };
  for (const Case& c : cases) {
    TAxisIncrement d;
    d.Load(true, c.exact, c.increment);
    SCOPED_TRACE(c.custom);
    EXPECT_EQ(child<QRadioButton>(d, "RBStandard")->isChecked(), c.standard);
    EXPECT_EQ(child<QComboBox>(d, "CBSteps")->currentIndex(), c.step);
    EXPECT_EQ(customText(d), QString::fromLatin1(c.custom));
    EXPECT_FALSE(child<QCheckBox>(d, "CBExact")->isHidden());
  }
  TAxisIncrement numbers;
  numbers.Load(false, true, 0.5);
  EXPECT_TRUE(child<QComboBox>(numbers, "CBSteps")->isHidden());
  EXPECT_TRUE(child<QCheckBox>(numbers, "CBExact")->isHidden());
  EXPECT_EQ(customText(numbers), QStringLiteral("0.5"));
}

TEST(AxisIncrementShow, UncheckingExactFillsCustomWithTheIncrementShown) {
  ChartEditorScope editors;
  LocaleScope locale(LocaleScope::english());
  TAxisIncrement d;
  d.Load(true, true, 2.5);
  EXPECT_EQ(customText(d), QStringLiteral("2 12:00:00"));
  // A chosen step is what Custom takes over.
  d.Load(true, true, 1);
  child<QComboBox>(d, "CBSteps")->activated(18);
  child<QCheckBox>(d, "CBExact")->click();
  EXPECT_TRUE(child<QRadioButton>(d, "RBCustom")->isChecked());
  EXPECT_EQ(customText(d), QStringLiteral("7 00:00:00"));
}

TEST(AxisIncrementText, StepNamesDaysAndTimesOrTheNumber) {
  LocaleScope locale(LocaleScope::english());
  EXPECT_EQ(AxisIncrementText(1, true), QStringLiteral("One Day"));
  EXPECT_EQ(AxisIncrementText(365, true), QStringLiteral("One Year"));
  EXPECT_EQ(AxisIncrementText(2.5, true), QStringLiteral("2 12:00:00"));
  EXPECT_EQ(AxisIncrementText(1.0 / 3, true), QStringLiteral("08:00:00"));
  EXPECT_EQ(AxisIncrementText(2.5, false), QStringLiteral("2.5"));
  // A time of day that rounds up to midnight is a whole day more.
  EXPECT_EQ(AxisIncrementText(4 - 0.1 * kMs, true), QStringLiteral("4 00:00:00"));
}
