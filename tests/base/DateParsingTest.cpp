// Date and time texts read back in the locale's order and separators.
#include "LocaleScope.h"
#include "base/Exceptions.h"
#include "base/FormatDateTime.h"
#include "base/ParseDateTime.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using base::EncodeDate;
using base::EncodeTime;

TEST(DateParsing, LocaleOrderSeparatorsAndTwelveHourTimes) {
  const QLocale us(QLocale::English, QLocale::UnitedStates);
  struct Case {
    QLocale locale;
    const char* text;
    base::TDateTime t;
    bool timeOnly = false;
  };
  const Case cases[] = {
      {LocaleScope::german(), " 05.03.01 ", EncodeDate(2001, 3, 5)},
      {LocaleScope::german(), "1.1.99", EncodeDate(1999, 1, 1)},
      {LocaleScope::german(), "5.3", EncodeDate(QDate::currentDate().year(), 3, 5)},
      {LocaleScope::german(), "14:07:09,250", EncodeTime(14, 7, 9, 250), true},
      {LocaleScope::german(), "5.3.2001 14:07", EncodeDate(2001, 3, 5) + EncodeTime(14, 7, 0, 0)},
      {us, "3/5/2001", EncodeDate(2001, 3, 5)},
      {us, "2:07 PM", EncodeTime(14, 7, 0, 0), true},
      {us, "12:30 am", EncodeTime(0, 30, 0, 0), true},
      {us, "12 PM", EncodeTime(12, 0, 0, 0), true},
  };
  for (const Case& c : cases) {
    LocaleScope scope(c.locale);
    EXPECT_EQ((c.timeOnly ? base::StrToTime : base::StrToDateTime)(c.text), c.t) << c.text;
  }
}

TEST(DateParsing, ImpossibleOrMalformedTextsRaise) {
  LocaleScope scope(LocaleScope::german());
  for (const char* bad : {"", "abc", "31.2.2001", "5.13.2001", "5.3.2001 x", "5..2001",
                          "5.3.2001.7", "99999999999.1.2001", "5.3.10000"})
    EXPECT_THROW(base::StrToDateTime(bad), base::EConvertError) << bad;
  for (const char* bad : {"25:00", "12:60", "1:2:3:4", "x", "14:", "-1:00"})
    EXPECT_THROW(base::StrToTime(bad), base::EConvertError) << bad;
  LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_THROW(base::StrToTime("13:00 PM"), base::EConvertError);
}

TEST(DateParsing, ShortDateTextsReadBack) {
  for (const QLocale& l : {LocaleScope::german(), QLocale(QLocale::English, QLocale::UnitedStates),
                           QLocale(QLocale::French, QLocale::France)}) {
    LocaleScope scope(l);
    for (base::TDateTime t = EncodeDate(1990, 1, 1); t < EncodeDate(2060, 1, 1); t += 97.25) {
      const QString text = base::DateTimeToStr(t);
      EXPECT_EQ(base::StrToDateTime(text), t)
          << text.toStdString() << " " << l.name().toStdString();
    }
  }
}

}  // namespace

// Whatever the program writes as a date, a time or both reads back as the
// value written: month names, time-only texts of values below 1, and the
// formats' own punctuation.
TEST(DateParsing, EveryTextTheProgramWritesReadsBack) {
  const QLocale locales[] = {QLocale::c(),
                             QLocale(QLocale::English, QLocale::UnitedKingdom),
                             QLocale(QLocale::English, QLocale::UnitedStates),
                             LocaleScope::german(),
                             QLocale(QLocale::Hungarian, QLocale::Hungary),
                             QLocale(QLocale::Chinese, QLocale::China),
                             QLocale(QLocale::Dutch, QLocale::Netherlands)};
  for (const QLocale& l : locales) {
    LocaleScope scope(l);
    const QString name = l.name();
    for (base::TDateTime t = EncodeDate(1990, 1, 1); t < EncodeDate(2060, 1, 1); t += 311.25) {
      const QString date = base::DateToStr(t);
      EXPECT_EQ(base::StrToDateTime(date), std::floor(t)) << (date + " " + name).toStdString();
      EXPECT_EQ(base::StrToDate(date), std::floor(t)) << (date + " " + name).toStdString();
      const QString both = base::DateTimeToStr(t);
      EXPECT_EQ(base::StrToDateTime(both), t) << (both + " " + name).toStdString();
      // The limit dialog joins its date and time boxes with a blank.
      const QString joined = date + QLatin1Char(' ') + base::TimeToStr(t);
      EXPECT_EQ(base::StrToDateTime(joined), t) << (joined + " " + name).toStdString();
    }
    for (double fraction : {0.0, 0.75, 0.5 + 1.0 / 24 / 60}) {
      const QString time = base::TimeToStr(fraction);
      EXPECT_EQ(base::StrToDateTime(time), fraction) << (time + " " + name).toStdString();
      EXPECT_EQ(base::StrToTime(time), fraction) << (time + " " + name).toStdString();
    }
  }
}

TEST(DateParsing, MonthNamesAndTimeOnlyTexts) {
  LocaleScope scope(QLocale::c());
  struct Case {
    const char* text;
    base::TDateTime t;
  };
  const Case cases[] = {
      {"1 Dec 2025", EncodeDate(2025, 12, 1)},
      {"1 dec 2025 00:00:00", EncodeDate(2025, 12, 1)},
      {"1 December 2025 18:00:00", EncodeDate(2025, 12, 1) + 0.75},
      {"Monday, 1 December 2025", EncodeDate(2025, 12, 1)},
      {"18:00:00", 0.75},
      {"01/11/2025", EncodeDate(2025, 11, 1)},
  };
  for (const Case& c : cases) EXPECT_EQ(base::StrToDateTime(c.text), c.t) << c.text;
  for (const char* bad : {"1 Dec Dec 2025", "1 Decx 2025", "32 Dec 2025", "1 Dec 2025 x", "Dec",
                          "18:00:00 1 Dec 2025"})
    EXPECT_THROW(base::StrToDateTime(bad), base::EConvertError) << bad;
}
