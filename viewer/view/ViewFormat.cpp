#include "viewer/view/ViewFormat.h"

#include "base/Exceptions.h"
#include "base/Format.h"

QString FormatFixed2(double value) {
  return base::Format(QStringLiteral("%f"), {value});
}

QString FormatNumber(const QString& format, double value) {
  // The format is the user's (side-panel numbers); one that does not take a
  // single number leaves the text out rather than stopping the paint.
  try {
    return base::Format(format, {value});
  } catch (const base::Exception&) {
    return QString();
  }
}
