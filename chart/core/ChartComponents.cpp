#include "chart/core/ChartComponents.h"

#include <QSet>

QString NewComponentName(const QObject* owner, const QString& prefix) {
  QSet<QString> taken;
  if (owner) {
    for (const QObject* child : owner->children()) {
      if (!child->objectName().isEmpty()) taken.insert(child->objectName().toCaseFolded());
    }
  }
  // At most one number per child is taken, so this ends by children + 1.
  for (qsizetype n = 1;; ++n) {
    const QString name = prefix + QString::number(n);
    if (!taken.contains(name.toCaseFolded())) return name;
  }
}
