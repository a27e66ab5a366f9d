#include "base/Exceptions.h"
#include "platform/TApplication.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTest>

#include <stdexcept>

namespace {

// Captures the message boxes that reports would show.
class ApplicationReportsExceptions : public ::testing::Test {
 protected:
  void SetUp() override {
    TApplication::SetMessageBoxHook([this](QMessageBox::Icon, const QString& title,
                                           const QString& text) { boxes << title + "|" + text; });
  }
  void TearDown() override {
    TApplication::SetMessageBoxHook(nullptr);
    TApplication::SetExceptionHandler(nullptr);
  }
  QStringList boxes;
};

TEST_F(ApplicationReportsExceptions, GuardShowsEveryKindNowOrFromTheEventLoop) {
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw base::EFileError("Disk full"); }));
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw std::out_of_range("index 7"); }));
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw 42; }));
  EXPECT_TRUE(TApplication::Guarded([] { return true; }));
  const QString title = QGuiApplication::applicationDisplayName();
  EXPECT_EQ(boxes,
            QStringList({title + "|Disk full", title + "|index 7", title + "|Unknown exception"}));
  TApplication::HandleExceptionLater(std::make_exception_ptr(base::Exception("deferred")));
  EXPECT_EQ(boxes.size(), 3);
  EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.size() == 4; }, 2000));
  EXPECT_EQ(boxes.last(), title + "|deferred");
}

TEST_F(ApplicationReportsExceptions, OnlyTheOwnerClearsAnInstalledHandler) {
  QStringList seen;
  int owner = 0, stranger = 0;
  TApplication::SetExceptionHandler(
      [&](const std::exception_ptr& e) { seen << TApplication::ExceptionMessage(e); }, &owner);
  TApplication::Guarded([]() -> bool { throw base::Exception("custom"); });
  EXPECT_EQ(seen, QStringList{"custom"});
  EXPECT_TRUE(boxes.isEmpty());
  EXPECT_FALSE(TApplication::ClearExceptionHandler(&stranger));
  EXPECT_TRUE(TApplication::ClearExceptionHandler(&owner));
  TApplication::Guarded([]() -> bool { throw base::Exception("after"); });
  EXPECT_EQ(seen.size(), 1);
  EXPECT_EQ(boxes.size(), 1);
}

TEST_F(ApplicationReportsExceptions, FailuresWhileReportingDoNotStackOrEscape) {
  int calls = 0;
  TApplication::SetExceptionHandler([&](const std::exception_ptr&) {
    ++calls;
    // The report's own box repaints a window that fails again.
    TApplication::HandleException(std::make_exception_ptr(std::runtime_error("again")));
    throw std::runtime_error("handler broke");
  });
  EXPECT_FALSE(TApplication::Guarded([]() -> bool { throw base::Exception("first"); }));
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(boxes.isEmpty());
  // The guard is released afterwards: the next exception is reported again.
  TApplication::Guarded([]() -> bool { throw base::Exception("second"); });
  EXPECT_EQ(calls, 2);
}

}  // namespace
