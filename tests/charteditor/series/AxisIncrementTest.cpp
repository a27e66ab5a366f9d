// The axis increment dialog, offscreen: what it shows for an increment,
// what OK reads from each kind of text or why it stays open, and the
// increment texts the axis page and the period editor show.
#include "charteditor/series/TAxisIncrement.h"
#include "tests/chart/support/RecordingChartPrompts.h"
#include "tests/charteditor/series/SourceChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const double kMs = 1.0 / 86400000;

enum class Act { None, Type, Step15, Standard, Unexact };

// Loaded with (dateTime, exact, increment), acted on, then OK: open or
// closed, with the increment and exact flag after it.
struct OkRow {
  const char* name;
  bool german, dateTime, exact;
  double increment;
  Act act;
  const char* text;
  bool closes;
  double result;
  bool exactAfter;
};

void PrintTo(const OkRow& row, std::ostream* os) {
  *os << row.name;
}

const OkRow kOkRows[] = {
    {"DaysAndTime", false, true, false, 1, Act::Type, "2 12:00", true, 2.5, false},
    {"DaysAndTimeGerman", true, true, false, 1, Act::Type, "2 12:00", true, 2.5, false},
    {"TimeAlone", false, true, false, 1, Act::Type, "06:00", true, 0.25, false},
    {"NumberOfDays", false, true, false, 1, Act::Type, "3", true, 3, false},
    {"NeitherNumberNorTime", false, true, false, 1, Act::Type, "abc", false, 1, false},
    {"NaN", false, true, false, 1, Act::Type, "nan", false, 1, false},
    {"InfiniteDays", false, true, false, 1, Act::Type, "INF 12:00", false, 1, false},
    {"BadTimeAfterDays", false, true, false, 1, Act::Type, "2 xx", false, 1, false},
    {"ExactWeek", false, true, true, 7, Act::None, "", true, 7, true},
    {"WeekWithinAMs", false, true, true, 7 + 0.5 * kMs, Act::None, "", true, 7, true},
    {"ChosenStep", false, true, true, 7, Act::Step15, "", true, 1, true},
    {"StandardWithoutStep", false, true, false, 7.3, Act::Standard, "", false, 7.3, false},
    {"UncheckedExactKeepsTheStep", false, true, true, 1, Act::Unexact, "", true, 1, false},
    {"NumberInTheLocale", true, false, false, 1, Act::Type, "0,25", true, 0.25, false},
    {"NumberNotInTheLocale", false, false, false, 1, Act::Type, "0,25", false, 1, false},
    {"InfiniteNumber", false, false, false, 1, Act::Type, "INF", false, 1, false},
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
  switch (row.act) {
    case Act::Type:
      child<QRadioButton>(d, "RBCustom")->click();
      child<QLineEdit>(d, "ECustom")->selectAll();
      QTest::keyClicks(child<QLineEdit>(d, "ECustom"), QString::fromUtf8(row.text));
      break;
    case Act::Step15:
      child<QComboBox>(d, "CBSteps")->activated(15);
      break;
    case Act::Standard:
      child<QRadioButton>(d, "RBStandard")->click();
      break;
    case Act::Unexact:
      child<QCheckBox>(d, "CBExact")->click();
      break;
    case Act::None:
      break;
  }
  QTest::mouseClick(d.OkButton(), Qt::LeftButton);
  EXPECT_EQ(d.result(), row.closes ? QDialog::Accepted : QDialog::Rejected);
  EXPECT_EQ(d.isVisible(), !row.closes);
  EXPECT_DOUBLE_EQ(d.Increment(), row.result);
  EXPECT_EQ(d.ExactDateTime(), row.exactAfter);
  ASSERT_EQ(prompts.errors().size(), row.closes ? 0 : 1);
  if (!row.closes) {
    EXPECT_TRUE(prompts.errors()[0].startsWith(QStringLiteral("Incorrect value. Reason: ")));
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, AxisIncrementOk, ::testing::ValuesIn(kOkRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AxisIncrementShow, StandardOnlyForAnExactTableStep) {
  ChartEditorScope editors;
  LocaleScope locale(LocaleScope::english());
  struct Case {
    bool exact;
    double increment;
    int step;  // -1: Custom
    const char* custom;
  } cases[] = {
      {true, 7, 18, ""},
      {true, 7 + 0.5 * kMs, 18, ""},
      {true, 7 + 2 * kMs, -1, "7 00:00:00.002"},
      {false, 7, -1, "7 00:00:00"},
      {true, 0.75, -1, "18:00:00"},
      // Whole days come from the double: far past a 32-bit count.
      {true, 5e9, -1, "5000000000 00:00:00"},
  };
  for (const Case& c : cases) {
    TAxisIncrement d;
    d.Load(true, c.exact, c.increment);
    SCOPED_TRACE(c.custom);
    EXPECT_EQ(child<QRadioButton>(d, "RBStandard")->isChecked(), c.step >= 0);
    EXPECT_EQ(child<QComboBox>(d, "CBSteps")->currentIndex(), c.step);
    EXPECT_EQ(child<QLineEdit>(d, "ECustom")->text(), QString::fromLatin1(c.custom));
  }
  TAxisIncrement numbers;
  numbers.Load(false, true, 0.5);
  EXPECT_TRUE(child<QComboBox>(numbers, "CBSteps")->isHidden());
  EXPECT_TRUE(child<QCheckBox>(numbers, "CBExact")->isHidden());
  EXPECT_EQ(child<QLineEdit>(numbers, "ECustom")->text(), QStringLiteral("0.5"));
}

TEST(AxisIncrementShow, UncheckingExactGivesCustomTheStepChosen) {
  ChartEditorScope editors;
  LocaleScope locale(LocaleScope::english());
  TAxisIncrement d;
  d.Load(true, true, 1);
  child<QComboBox>(d, "CBSteps")->activated(18);
  child<QCheckBox>(d, "CBExact")->click();
  EXPECT_TRUE(child<QRadioButton>(d, "RBCustom")->isChecked());
  EXPECT_EQ(child<QLineEdit>(d, "ECustom")->text(), QStringLiteral("7 00:00:00"));
}

TEST(AxisIncrementText, StepNamesDaysAndTimesOrTheNumber) {
  LocaleScope locale(LocaleScope::english());
  EXPECT_EQ(AxisIncrementText(1, true), QStringLiteral("One Day"));
  EXPECT_EQ(AxisIncrementText(2.5, true), QStringLiteral("2 12:00:00"));
  EXPECT_EQ(AxisIncrementText(2.5, false), QStringLiteral("2.5"));
  // A time of day that rounds up to midnight is a whole day more.
  EXPECT_EQ(AxisIncrementText(4 - 0.1 * kMs, true), QStringLiteral("4 00:00:00"));
}
