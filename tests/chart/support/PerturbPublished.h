#pragma once
// Moves every stored published value of an object (and of the objects it
// publishes) to another valid value: what a "writes nothing" test sets up,
// so that any write a visit makes shows in the walk of the object.
#include "chart/core/PublishedProperties.h"

#include <QMetaEnum>
#include <QObject>
#include <QVariant>

inline void PerturbPublished(QObject& object) {
  for (const PublishedProperty& p : PublishedProperties(object)) {
    if (!p.meta.isStored()) continue;
    if (QObject* nested = PublishedObject(object, p)) {
      if (p.kind == PublishedKind::Object) PerturbPublished(*nested);
      continue;
    }
    if (!p.meta.isWritable() || p.name == QLatin1String("Active")) continue;
    const QVariant value = p.meta.read(&object);
    QVariant next;
    if (p.kind == PublishedKind::Color) {
      next = QVariant::fromValue(0x00336699u);
    } else if (p.meta.isEnumType() && !p.meta.isFlagType()) {
      const QMetaEnum e = p.meta.enumerator();
      int index = 0;
      while (index < e.keyCount() && e.value(index) != value.toInt()) ++index;
      next = e.value((index + 1) % e.keyCount());
    } else if (value.typeId() == QMetaType::Bool) {
      next = !value.toBool();
    } else if (value.typeId() == QMetaType::Int) {
      next = value.toInt() + 1;
    } else if (value.typeId() == QMetaType::Double) {
      next = value.toDouble() + 1.5;
    } else {
      continue;
    }
    try {
      p.meta.write(&object, next);
    } catch (...) {
      // A value the class refuses stays as it was.
    }
  }
}
