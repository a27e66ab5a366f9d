#pragma once
// Readable QString values in test failures. Every test file of the folder
// that compares QStrings includes this: gtest's printer is a template, and
// one translation unit without it would decide the printing for all.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}
