#include "chart/core/ChartComponents.h"

#include <QSet>

QString NewComponentName(const QObject* owner, const QString& prefix) {
  QSet<QString> taken;
  if (owner) {
    // A component handed to another (a function to its series) still belongs
    // to the form: its name is taken too.
    for (const QObject* child : owner->findChildren<QObject*>()) {
      if (!child->objectName().isEmpty()) taken.insert(child->objectName().toCaseFolded());
    }
  }
  // At most one number per component is taken, so this ends by their count + 1.
  for (qsizetype n = 1;; ++n) {
    const QString name = prefix + QString::number(n);
    if (!taken.contains(name.toCaseFolded())) return name;
  }
}
