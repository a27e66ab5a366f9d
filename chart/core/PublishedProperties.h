#pragma once
// The generic walk over published properties (see TPlotPersistent.h for how
// a class declares them): the chart file, copying, comparing and the
// editor's property links all go through here instead of per-class code.
//
// A walk lists each property with its kind, its declared default and its
// current value. Nested persistent objects (a series' pen, a brush's
// picture) are properties of a pointer type. Comparing walks into them.
// Copying calls the property's setter when it has one, which copies the
// values as the class knows them (a picture's image, a list's items): such
// a setter never takes the object over. Read-only ones are walked into.
// Properties declared STORED false (a font's Size, which follows from its
// Height) are listed but neither copied nor compared.
// The extra stored values of TPlotPersistent (ExtraStoredNames) are copied
// and compared as well. A derived class may declare another default for an
// inherited property: the most derived declaration counts.
#include <QList>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>

enum class PublishedKind {
  Value,       // a number, flag, enum, set or text
  Color,       // a 0x00BBGGRR colour (an integer to the meta-object)
  Picture,     // an image; default: none
  Object,      // a nested persistent object
  Collection,  // a list of items; default: empty
};

enum class DefaultSource {
  Declared,    // a fixed default: `defaultValue`
  Owner,       // "@owner": the owner sets it at creation
  Startup,     // "@startup": the engine's start-up sets it
  Undeclared,  // none given (always the case for nested objects)
};

struct PublishedProperty {
  QMetaProperty meta;
  QString name;
  PublishedKind kind = PublishedKind::Value;
  // A nested object (of kind Object, or a Picture or Collection object).
  bool nested = false;
  DefaultSource defaultSource = DefaultSource::Undeclared;
  QString defaultText;    // as declared
  QVariant defaultValue;  // in the property's type; invalid when the text does not parse
};

// Every published property, those of base classes first, each class's in
// declaration order. QObject's objectName is the component name, not a
// published property, and is left out.
QList<PublishedProperty> PublishedProperties(const QMetaObject& metaObject);
QList<PublishedProperty> PublishedProperties(const QObject& object);

QVariant PublishedValue(const QObject& object, const PublishedProperty& property);

// The nested object a property holds, or null (also for other kinds).
QObject* PublishedObject(const QObject& object, const PublishedProperty& property);

// True when the property holds its declared default; false for defaults
// set by owner or start-up and for nested objects, which are always stored.
bool IsDefaultValue(const QObject& object, const PublishedProperty& property);

// Equal as published values: NaN equals NaN; enums and sets by their number.
bool SamePublishedValue(const QVariant& a, const QVariant& b);

// Copies every published value `to` has and `from` publishes under the same
// name (nested objects value by value, never the pointer), then the extra
// stored values.
void CopyPublished(const QObject& from, QObject& to);

// Same class, same published values (nested objects included), same extras.
bool SamePublished(const QObject& a, const QObject& b);
