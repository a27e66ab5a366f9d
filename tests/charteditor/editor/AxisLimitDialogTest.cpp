// The limit dialog of the axis page: OK without an edit gives back exactly
// the value it was given; a typed text is read as a number, a date and a
// time, or a time alone; a text that does not read keeps the dialog open.
#include "base/DateTime.h"
#include "base/ParseDateTime.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/editor/TAxisMaxMin.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <QLineEdit>
#include <QTest>

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

// The texts the dialog shows, typed again key by key, give back the value
// shown, in any locale; one that does not read says why.
TEST(AxisLimitDialog, ReadsBackTheTextsItShows) {
  ChartEditorScope editors;
  RecordingChartPrompts prompts;
  const double dec1 = base::EncodeDate(2025, 12, 1);
  for (const QLocale& l : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedKingdom),
                           QLocale(QLocale::German, QLocale::Germany),
                           QLocale(QLocale::English, QLocale::UnitedStates)}) {
    LocaleScope locale(l);
    for (double value : {dec1, dec1 + 0.75, 0.75, 0.0}) {
      TAxisMaxMin dialog;
      dialog.SetLimit(value, true);
      for (QLineEdit* edit : {dialog.DateEdit(), dialog.TimeEdit()}) {
        if (edit->isHidden()) continue;
        const QString shown = edit->text();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, shown);
      }
      dialog.accept();
      const QString texts = dialog.DateEdit()->text() + " " + dialog.TimeEdit()->text();
      EXPECT_EQ(dialog.result(), QDialog::Accepted) << (texts + " " + l.name()).toStdString();
      EXPECT_EQ(dialog.Value(), value) << (texts + " " + l.name()).toStdString();
    }
  }
  EXPECT_TRUE(prompts.errors().isEmpty());
  LocaleScope locale(QLocale::c());
  TAxisMaxMin dialog;
  dialog.SetLimit(dec1, true);
  dialog.DateEdit()->selectAll();
  QTest::keyClicks(dialog.DateEdit(), "1 Dex 2025");
  dialog.accept();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(prompts.errors().size(), 1);
  EXPECT_TRUE(prompts.errors()[0].contains("1 Dex 2025")) << prompts.errors()[0].toStdString();
}
