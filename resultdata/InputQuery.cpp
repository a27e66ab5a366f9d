#include "resultdata/InputQuery.h"

#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/FormatFloat.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

#include <cmath>
#include <limits>

namespace {

// The text the user accepted, or nothing on Cancel.
bool askText(const QString& caption, const QString& prompt, const QString& initial, QString& text) {
  bool accepted = false;
  text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal,
                               initial, &accepted);
  return accepted;
}

}  // namespace

QString SingleToInputText(float value) {
  return base::FloatToStrF(double(value), base::ffGeneral, 7, 0);
}

QString IntegerToInputText(int value) {
  return base::IntToStr(value);
}

float InputTextToSingle(const QString& text) {
  const double value = base::StrToFloat(text);
  // A finite value beyond the single range has no single to become.
  if (std::isfinite(value) && std::fabs(value) > double(std::numeric_limits<float>::max()))
    throw base::EConvertError(base::InvalidFloatMessage(text));
  return float(value);
}

int InputTextToInteger(const QString& text) {
  return base::StrToInt(text);
}

bool InputQuerySingle(const QString& caption, const QString& prompt, float& value) {
  QString text;
  if (!askText(caption, prompt, SingleToInputText(value), text)) return false;
  value = InputTextToSingle(text);
  return true;
}

bool InputQueryInteger(const QString& caption, const QString& prompt, int& value) {
  QString text;
  if (!askText(caption, prompt, IntegerToInputText(value), text)) return false;
  value = InputTextToInteger(text);
  return true;
}
