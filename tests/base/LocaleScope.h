#pragma once
// Sets the default locale for one test and restores the previous one.
#include "QStringPrinter.h"

#include <QLocale>

class LocaleScope {
 public:
  explicit LocaleScope(const QLocale& l) : saved_(QLocale()) { QLocale::setDefault(l); }
  ~LocaleScope() { QLocale::setDefault(saved_); }
  LocaleScope(const LocaleScope&) = delete;
  LocaleScope& operator=(const LocaleScope&) = delete;

  static QLocale english() { return QLocale::c(); }
  static QLocale german() { return QLocale(QLocale::German, QLocale::Germany); }

 private:
  QLocale saved_;
};
