#pragma once
// Sets the default locale for one test and restores it; every test file of the
// folder includes this so that gtest prints QStrings the same way everywhere.
#include <QLocale>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

class LocaleScope {
 public:
  explicit LocaleScope(const QLocale& l) : saved_(QLocale()) { QLocale::setDefault(l); }
  ~LocaleScope() { QLocale::setDefault(saved_); }
  LocaleScope(const LocaleScope&) = delete;
  LocaleScope& operator=(const LocaleScope&) = delete;

  static QLocale english() { return QLocale::c(); }
  static QLocale german() { return QLocale(QLocale::German, QLocale::Germany); }
  static QLocale of(bool german) { return german ? LocaleScope::german() : english(); }

 private:
  QLocale saved_;
};

// The German text of an English number: '.' and ',' swapped.
inline QString swapSeparators(QString r) {
  for (QChar& c : r) {
    if (c == QLatin1Char('.'))
      c = QLatin1Char(',');
    else if (c == QLatin1Char(','))
      c = QLatin1Char('.');
  }
  return r;
}
