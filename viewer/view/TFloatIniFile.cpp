#include "viewer/view/TFloatIniFile.h"

#include "base/Convert.h"
#include "base/FormatFloat.h"

#include <cmath>
#include <limits>

double TFloatIniFile::ReadFloat(const QString& section, const QString& ident, double def) const {
  const double v = base::TIniFile::ReadFloat(section, ident, def);
  return std::isfinite(v) ? v : def;
}

float TFloatIniFile::ReadSingle(const QString& section, const QString& ident, float def) const {
  const double v = ReadFloat(section, ident, double(def));
  if (std::fabs(v) > double(std::numeric_limits<float>::max())) return def;
  return float(v);
}

QString TFloatIniFile::RoundTripText(double value) {
  QString text;
  for (int precision : {15, 17, 18}) {
    text = base::FloatToStrF(value, base::ffGeneral, precision, 0);
    double back = 0;
    if (!std::isfinite(value) || (base::TryStrToFloat(text, back) && back == value)) break;
  }
  return text;
}

void TFloatIniFile::WriteFloat(const QString& section, const QString& ident, double value) {
  WriteString(section, ident, RoundTripText(value));
}

void TFloatIniFile::WriteSingle(const QString& section, const QString& ident, float value) {
  WriteString(section, ident, base::FloatToStr(double(value)));
}
