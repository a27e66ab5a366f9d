// The handler's owner and reports from paint events are checked on a real GL
// window (tests/gl); here the messages and the guard against stacked reports.
#include "base/Exceptions.h"
#include "platform/TApplication.h"

#include <gtest/gtest.h>
#include <QCoreApplication>

#include <stdexcept>

TEST(ApplicationReportsExceptions, EveryKindOnceWithoutStackingOrEscaping) {
  QStringList boxes;
  TApplication::SetMessageBoxHook([&](QMessageBox::Icon, const QString& title,
                                      const QString& text) { boxes << title + "|" + text; });
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw base::EFileError("Disk full"); }));
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw std::out_of_range("index 7"); }));
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw 42; }));
  EXPECT_TRUE(TApplication::Guarded([] { return true; }));
  const QString title = QGuiApplication::applicationDisplayName();
  EXPECT_EQ(boxes,
            QStringList({title + "|Disk full", title + "|index 7", title + "|Unknown exception"}));

  int calls = 0;
  TApplication::SetExceptionHandler([&](const std::exception_ptr&) {
    ++calls;
    // The report's own box repaints a window that fails again.
    TApplication::HandleException(std::make_exception_ptr(std::runtime_error("again")));
    throw std::runtime_error("handler broke");
  });
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw base::Exception("first"); }));
  TApplication::Guarded([]() -> bool { throw base::Exception("second"); });
  EXPECT_EQ(calls, 2);  // the guard is released after each report
  EXPECT_EQ(boxes.size(), 3);
  TApplication::SetExceptionHandler(nullptr);
  TApplication::SetMessageBoxHook(nullptr);
}
