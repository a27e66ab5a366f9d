#pragma once
// The application object. It keeps exceptions from crossing Qt's event
// dispatch: notify() catches whatever an event handler throws and hands it to
// the exception handler, which by default shows the message in a box. A GL
// context replaces the handler with one that also lists pending GL errors.
//
// The handler and the message-box hook are process-wide, like the application
// itself, so code that reports an exception works whether or not the running
// QApplication is a TApplication (tests use a plain one).
#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <exception>
#include <functional>

class TApplication : public QApplication {
 public:
  // Receives the exception; its message comes from ExceptionMessage().
  using ExceptionHandler = std::function<void(const std::exception_ptr&)>;
  // Stands in for a modal message box (tests capture what would be shown).
  using MessageBoxHook =
      std::function<void(QMessageBox::Icon icon, const QString& title, const QString& text)>;

  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The handler in force; `owner` tags it so that only the one who installed
  // it can clear it again (ClearExceptionHandler). An empty handler means the
  // default one.
  static void SetExceptionHandler(ExceptionHandler handler, const void* owner = nullptr);
  // Clears the handler when `owner` installed it; returns whether it did.
  static bool ClearExceptionHandler(const void* owner);
  static const void* ExceptionHandlerOwner();

  // Reports the exception through the handler in force. An exception thrown
  // while a report is being shown (its modal box repaints windows, which may
  // fail again) is written to stderr instead of stacking another box; so is
  // one thrown by the handler itself.
  static void HandleException(const std::exception_ptr& exception) noexcept;
  // The same, from the event loop once the current event has returned: for
  // code that must not open a modal box where it is (inside a paint).
  static void HandleExceptionLater(std::exception_ptr exception);

  // Runs `body`; an exception it throws goes to HandleException and the
  // result is false.
  static bool Guarded(const std::function<bool()>& body) noexcept;

  // The text to show: base::Exception's message, what() of other standard
  // exceptions, a fixed text for anything else.
  static QString ExceptionMessage(const std::exception_ptr& exception);

  // The default handler: the message in an error box titled with the
  // application's display name.
  static void ShowExceptionDefault(const std::exception_ptr& exception);

  // A modal message box with an OK button, or the hook when one is set.
  static void ShowMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text);
  static void SetMessageBoxHook(MessageBoxHook hook);
};
