#include "charteditor/serieseditors/NumberText.h"

#include "base/Convert.h"

#include <QLineEdit>

#include <cmath>

bool ReadFiniteNumber(const QLineEdit& edit, double& value) {
  double read = 0;
  if (!base::TryStrToFloat(edit.text().trimmed(), read) || !std::isfinite(read)) return false;
  value = read;
  return true;
}
