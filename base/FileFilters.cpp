#include "base/FileFilters.h"

namespace base {

QStringList QtNameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
    const QString& description = parts[k];
    QString patterns = parts[k + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns == QStringLiteral("*.*")) patterns = QStringLiteral("*");
    if (description.contains(QLatin1Char('(')))
      filters << description;
    else
      filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters;
}

}  // namespace base
