#include "charteditor/serieseditors/ExactDecimalBox.h"

#include "charteditor/common/NamedControls.h"

#include <cfloat>
#include <cmath>
#include <limits>

ExactDecimalBox::ExactDecimalBox(QWidget* parent) : QDoubleSpinBox(parent) {
  WriteWhenFinished(this);
  // The most decimals the box keeps: setValue then rounds nothing away.
  setDecimals(DBL_MAX_10_EXP + DBL_DIG);
  setRange(std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
}

QLocale ExactDecimalBox::Locale() const {
  QLocale l = locale();
  l.setNumberOptions(QLocale::OmitGroupSeparator);
  return l;
}

QString ExactDecimalBox::textFromValue(double value) const {
  return Locale().toString(value, 'g', QLocale::FloatingPointShortest);
}

double ExactDecimalBox::valueFromText(const QString& text) const {
  return Locale().toDouble(text.trimmed());
}

QValidator::State ExactDecimalBox::validate(QString& text, int& /*pos*/) const {
  const QString t = text.trimmed();
  if (t.isEmpty()) return QValidator::Intermediate;
  bool ok = false;
  const double value = Locale().toDouble(t, &ok);
  if (ok && std::isfinite(value))
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
  // A number being typed: a sign, or an exponent without its digits yet.
  const QLocale l = Locale();
  const QChar last = t.back();
  if (last == l.negativeSign().back() || last == l.positiveSign().back() ||
      last.toLower() == l.exponential().back().toLower() || last == l.decimalPoint().back())
    return QValidator::Intermediate;
  return QValidator::Invalid;
}
