#pragma once
// The ini file the session and legend files are read and written with.
//
// Reading: floats were written with the writer's decimal separator, so
// either '.' or ',' is taken as the separator whatever the user's locale.
// Every float these files hold is a bound, a scale, an angle or a
// translation: a value that is not a finite number ("NAN", "INF", garbage,
// empty) reads as the default.
//
// Writing: floats use the locale's separator. Doubles are written with the
// fewest significant digits (15, else 17 or 18) that read back as the same
// double, so a saved legend returns exactly; singles with 15 digits, which
// always read back as the same single.
#include "base/IniFile.h"

class TFloatIniFile : public base::TIniFile {
 public:
  using base::TIniFile::TIniFile;

  double ReadFloat(const QString& section, const QString& ident, double def) const;
  // ReadFloat for a single: a value beyond the single's range also reads as
  // the default.
  float ReadSingle(const QString& section, const QString& ident, float def) const;

  void WriteFloat(const QString& section, const QString& ident, double value);
  void WriteSingle(const QString& section, const QString& ident, float value);

  // The text WriteFloat writes.
  static QString RoundTripText(double value);
};
