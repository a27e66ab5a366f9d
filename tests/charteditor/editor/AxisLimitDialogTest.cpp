// The limit dialog of the axis page: OK without an edit gives back exactly
// the value it was given; a typed text is read as a number, a date and a
// time, or a time alone; a text that does not read keeps the dialog open.
#include "base/ParseDateTime.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TAxisMaxMin.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

struct Untouched {
  double value;
  bool dateTime;
  bool dateShown;
};

}  // namespace

TEST(AxisLimitDialog, OkWithoutAnEditKeepsTheValueAndShowsADateOutsideTheFirstDay) {
  ChartEditorScope editors;
  LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
  for (const Untouched& c : {Untouched{0.25, true, false}, Untouched{-0.25, true, true},
                             Untouched{45000.123456, true, true}, Untouched{1e-7, false, true},
                             Untouched{1.0, true, true}}) {
    TAxisMaxMin dialog;
    dialog.SetLimit(c.value, c.dateTime);
    EXPECT_EQ(!dialog.DateEdit()->isHidden(), c.dateShown) << c.value;
    EXPECT_EQ(!dialog.TimeEdit()->isHidden(), c.dateTime) << c.value;
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.value;
    EXPECT_EQ(dialog.Value(), c.value) << c.value;
  }
}

TEST(AxisLimitDialog, ReadsWhatWasTypedAndRefusesWhatDoesNotRead) {
  ChartEditorScope editors;
  LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
  RecordingChartPrompts prompts;
  struct Typed {
    double start;
    bool dateTime;
    const char* date;
    const char* time;
    bool reads;
    double value;
  };
  const double day = base::StrToDateTime(QStringLiteral("1/2/2023"));
  for (const Typed& c :
       {Typed{5, false, "2.5", "", true, 2.5}, Typed{5, false, "abc", "", false, 5},
        Typed{5, false, "1e999", "", false, 5}, Typed{0.25, true, "", "18:00:00", true, 0.75},
        Typed{0.25, true, "", "25:99", false, 0.25},
        Typed{45000.5, true, "1/2/2023", "06:00:00", true, day + 0.25}}) {
    TAxisMaxMin dialog;
    dialog.SetLimit(c.start, c.dateTime);
    const int errors = prompts.errors().size();
    if (!dialog.DateEdit()->isHidden()) {
      dialog.DateEdit()->setText(QString::fromLatin1(c.date));
      Q_EMIT dialog.DateEdit()->textEdited(dialog.DateEdit()->text());
    }
    if (c.dateTime) {
      dialog.TimeEdit()->setText(QString::fromLatin1(c.time));
      Q_EMIT dialog.TimeEdit()->textEdited(dialog.TimeEdit()->text());
    }
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.reads) << c.date << c.time;
    EXPECT_EQ(prompts.errors().size(), errors + (c.reads ? 0 : 1)) << c.date << c.time;
    EXPECT_DOUBLE_EQ(dialog.Value(), c.value) << c.date << c.time;
  }
}
