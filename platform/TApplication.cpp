#include "platform/TApplication.h"

#include "base/Exceptions.h"

#include <QMetaObject>

#include <cstdio>

namespace {

struct ExceptionState {
  TApplication::ExceptionHandler handler;
  const void* owner = nullptr;
  TApplication::MessageBoxHook messageBoxHook;
  bool reporting = false;
};

ExceptionState& state() {
  static ExceptionState s;
  return s;
}

void writeToStderr(const char* what, const std::exception_ptr& exception) noexcept {
  try {
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(TApplication::ExceptionMessage(exception)));
  } catch (...) {
    std::fprintf(stderr, "%s\n", what);
  }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  return Guarded([&] { return QApplication::notify(receiver, event); });
}

void TApplication::SetExceptionHandler(ExceptionHandler handler, const void* owner) {
  state().handler = std::move(handler);
  state().owner = state().handler ? owner : nullptr;
}

bool TApplication::ClearExceptionHandler(const void* owner) {
  if (!state().handler || state().owner != owner) return false;
  state().handler = nullptr;
  state().owner = nullptr;
  return true;
}

const void* TApplication::ExceptionHandlerOwner() {
  return state().owner;
}

void TApplication::HandleException(const std::exception_ptr& exception) noexcept {
  ExceptionState& s = state();
  if (s.reporting) {
    writeToStderr("Exception while reporting another", exception);
    return;
  }
  s.reporting = true;
  try {
    // Copy: the handler may replace itself (a window closed by the report).
    const ExceptionHandler handler = s.handler;
    if (handler)
      handler(exception);
    else
      ShowExceptionDefault(exception);
  } catch (...) {
    writeToStderr("Exception handler failed", std::current_exception());
  }
  s.reporting = false;
}

void TApplication::HandleExceptionLater(std::exception_ptr exception) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) {
    HandleException(exception);
    return;
  }
  QMetaObject::invokeMethod(
      app, [exception] { HandleException(exception); }, Qt::QueuedConnection);
}

bool TApplication::Guarded(const std::function<bool()>& body) noexcept {
  try {
    return body();
  } catch (...) {
    HandleException(std::current_exception());
    return false;
  }
}

QString TApplication::ExceptionMessage(const std::exception_ptr& exception) {
  try {
    if (exception) std::rethrow_exception(exception);
  } catch (const base::Exception& e) {
    return e.message();
  } catch (const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
  }
  return QStringLiteral("Unknown exception");
}

void TApplication::ShowExceptionDefault(const std::exception_ptr& exception) {
  QString title = QGuiApplication::applicationDisplayName();
  if (title.isEmpty()) title = QStringLiteral("Error");
  ShowMessageBox(QMessageBox::Critical, title, ExceptionMessage(exception));
}

void TApplication::ShowMessageBox(QMessageBox::Icon icon, const QString& title,
                                  const QString& text) {
  if (state().messageBoxHook) {
    state().messageBoxHook(icon, title, text);
    return;
  }
  QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void TApplication::SetMessageBoxHook(MessageBoxHook hook) {
  state().messageBoxHook = std::move(hook);
}
