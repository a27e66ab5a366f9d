#include "chart/core/PublishedProperties.h"

#include "base/Colors.h"
#include "base/Exceptions.h"
#include "chart/core/TPlotPersistent.h"

#include <QMetaClassInfo>
#include <QMetaEnum>

#include <cmath>

namespace {

QString classInfo(const QMetaObject& mo, const QString& key) {
  const int i = mo.indexOfClassInfo(key.toLatin1().constData());
  return i < 0 ? QString() : QString::fromUtf8(mo.classInfo(i).value());
}

bool hasClassInfo(const QMetaObject& mo, const QString& key) {
  return mo.indexOfClassInfo(key.toLatin1().constData()) >= 0;
}

bool isObjectPointer(const QMetaProperty& p) {
  return (p.metaType().flags() & QMetaType::PointerToQObject) != 0;
}

bool isEnumeration(const QVariant& v) {
  return (v.metaType().flags() & QMetaType::IsEnumeration) != 0;
}

// `value` in the property's own type, or invalid.
QVariant asPropertyType(QVariant value, const QMetaProperty& p) {
  if (value.metaType() == p.metaType()) return value;
  return value.convert(p.metaType()) ? value : QVariant();
}

QVariant parseEnum(const QString& text, const QMetaProperty& p) {
  const QMetaEnum e = p.enumerator();
  bool ok = false;
  int value = 0;
  if (e.isFlag()) {
    if (text.isEmpty()) {
      ok = true;
    } else {
      value = e.keysToValue(text.toLatin1().constData(), &ok);
    }
  } else {
    value = e.keyToValue(text.toLatin1().constData(), &ok);
  }
  return ok ? asPropertyType(QVariant(value), p) : QVariant();
}

QVariant parseDefault(const QString& text, const QMetaProperty& p, PublishedKind kind) {
  if (kind == PublishedKind::Color) {
    try {
      return asPropertyType(QVariant(static_cast<uint>(base::StringToColor(text))), p);
    } catch (const base::Exception&) {
      return {};
    }
  }
  if (p.isEnumType()) return parseEnum(text, p);
  bool ok = false;
  switch (p.metaType().id()) {
    case QMetaType::Bool:
      if (text == QLatin1String("true")) return true;
      if (text == QLatin1String("false")) return false;
      return {};
    case QMetaType::Double:
    case QMetaType::Float: {
      const double d = text.toDouble(&ok);  // '.' decimal whatever the locale
      return ok ? asPropertyType(QVariant(d), p) : QVariant();
    }
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong: {
      const qlonglong i = text.toLongLong(&ok, 10);
      return ok ? asPropertyType(QVariant(i), p) : QVariant();
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
      const qulonglong u = text.toULongLong(&ok, 10);
      return ok ? asPropertyType(QVariant(u), p) : QVariant();
    }
    case QMetaType::QString:
      return text;
    case QMetaType::QStringList:
      // Lines of a text; an empty default is no line at all.
      return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    default:
      return asPropertyType(QVariant(text), p);
  }
}

PublishedKind kindOf(const QMetaObject& mo, const QMetaProperty& p) {
  const QString declared = classInfo(mo, QStringLiteral("kind:") + QLatin1String(p.name()));
  if (declared == QLatin1String("color")) return PublishedKind::Color;
  if (declared == QLatin1String("picture")) return PublishedKind::Picture;
  if (declared == QLatin1String("collection")) return PublishedKind::Collection;
  if (isObjectPointer(p)) return PublishedKind::Object;
  return PublishedKind::Value;
}

PublishedProperty describe(const QMetaObject& mo, const QMetaProperty& p) {
  PublishedProperty d;
  d.meta = p;
  d.name = QLatin1String(p.name());
  d.kind = kindOf(mo, p);
  d.nested = isObjectPointer(p);
  if (d.nested) return d;  // a nested object stores itself
  const QString key = QStringLiteral("default:") + d.name;
  if (!hasClassInfo(mo, key)) {
    // Pictures and collections start empty.
    if (d.kind == PublishedKind::Picture || d.kind == PublishedKind::Collection) {
      d.defaultSource = DefaultSource::Declared;
      d.defaultValue = QVariant(p.metaType());
    }
    return d;
  }
  d.defaultText = classInfo(mo, key);
  if (d.defaultText == QLatin1String("@owner")) {
    d.defaultSource = DefaultSource::Owner;
  } else if (d.defaultText == QLatin1String("@startup")) {
    d.defaultSource = DefaultSource::Startup;
  } else {
    d.defaultSource = DefaultSource::Declared;
    d.defaultValue = parseDefault(d.defaultText, p, d.kind);
  }
  return d;
}

const TPlotPersistent* persistent(const QObject& o) {
  return qobject_cast<const TPlotPersistent*>(&o);
}

}  // namespace

QList<PublishedProperty> PublishedProperties(const QMetaObject& metaObject) {
  QList<PublishedProperty> list;
  const int first = QObject::staticMetaObject.propertyCount();
  for (int i = first; i < metaObject.propertyCount(); ++i)
    list << describe(metaObject, metaObject.property(i));
  return list;
}

QList<PublishedProperty> PublishedProperties(const QObject& object) {
  return PublishedProperties(*object.metaObject());
}

QVariant PublishedValue(const QObject& object, const PublishedProperty& property) {
  return property.meta.read(&object);
}

QObject* PublishedObject(const QObject& object, const PublishedProperty& property) {
  if (!isObjectPointer(property.meta)) return nullptr;
  return PublishedValue(object, property).value<QObject*>();
}

bool IsDefaultValue(const QObject& object, const PublishedProperty& property) {
  if (property.defaultSource != DefaultSource::Declared || !property.defaultValue.isValid())
    return false;
  return SamePublishedValue(PublishedValue(object, property), property.defaultValue);
}

bool SamePublishedValue(const QVariant& a, const QVariant& b) {
  const int da = a.metaType().id(), db = b.metaType().id();
  const bool floatA = da == QMetaType::Double || da == QMetaType::Float;
  const bool floatB = db == QMetaType::Double || db == QMetaType::Float;
  if (floatA && floatB) {
    const double x = a.toDouble(), y = b.toDouble();
    return x == y || (std::isnan(x) && std::isnan(y));
  }
  if (isEnumeration(a) || isEnumeration(b)) return a.toLongLong() == b.toLongLong();
  return a == b;
}

void CopyPublished(const QObject& from, QObject& to) {
  const QMetaObject& source = *from.metaObject();
  for (const PublishedProperty& p : PublishedProperties(to)) {
    if (!p.meta.isStored()) continue;  // follows from stored ones
    const int i = source.indexOfProperty(p.meta.name());
    if (i < 0) continue;
    const QMetaProperty sp = source.property(i);
    if (isObjectPointer(p.meta)) {
      if (!isObjectPointer(sp)) continue;
      const QVariant value = sp.read(&from);
      QObject* src = value.value<QObject*>();
      QObject* dst = PublishedObject(to, p);
      if (!src || src == dst) continue;
      if (p.meta.isWritable() && sp.metaType() == p.meta.metaType()) {
        p.meta.write(&to, value);
      } else if (dst) {
        CopyPublished(*src, *dst);
      }
    } else if (p.meta.isWritable() && sp.metaType() == p.meta.metaType()) {
      p.meta.write(&to, sp.read(&from));
    }
  }
  const TPlotPersistent* src = persistent(from);
  auto* dst = qobject_cast<TPlotPersistent*>(&to);
  if (src && dst) {
    for (const QString& name : src->ExtraStoredNames())
      dst->ReadExtraStored(name, src->ExtraStoredValue(name));
  }
}

bool SamePublished(const QObject& a, const QObject& b) {
  if (a.metaObject() != b.metaObject()) return false;
  for (const PublishedProperty& p : PublishedProperties(a)) {
    if (!p.meta.isStored()) continue;
    if (isObjectPointer(p.meta)) {
      QObject* x = PublishedObject(a, p);
      QObject* y = PublishedObject(b, p);
      if (!x || !y) {
        if (x != y) return false;
      } else if (x != y && !SamePublished(*x, *y)) {
        return false;
      }
    } else if (!SamePublishedValue(PublishedValue(a, p), PublishedValue(b, p))) {
      return false;
    }
  }
  const TPlotPersistent* x = persistent(a);
  const TPlotPersistent* y = persistent(b);
  if (x && y) {
    for (const QString& name : x->ExtraStoredNames()) {
      if (!SamePublishedValue(x->ExtraStoredValue(name), y->ExtraStoredValue(name))) return false;
    }
  }
  return true;
}
