#pragma once
// The exception family every subsystem raises. A failure carries an English
// message text; whatever catches it at the top of a user action shows that text.
#include <QString>

#include <exception>
#include <string>

namespace base {

class Exception : public std::exception {
 public:
  explicit Exception(QString message, int helpContext = 0)
      : message_(std::move(message)), utf8_(message_.toStdString()), helpContext_(helpContext) {}

  const QString& message() const noexcept { return message_; }
  int helpContext() const noexcept { return helpContext_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::string utf8_;
  int helpContext_;
};

// A text that does not convert to a number or date ("'abc' is not a valid
// floating point value").
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A malformed format string or an argument that does not match its conversion
// ("Format '%d' invalid or incompatible with argument"). It is a conversion
// error, so a handler for EConvertError also catches a bad user-typed format.
class EFormatError : public EConvertError {
 public:
  using EConvertError::EConvertError;
};

// A file that cannot be read or written.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace base
