#pragma once
// Checks every persistent chart class must pass, run over a table of
// classes that each chart layer's tests keep (PublishedPropertiesTest.cpp):
//   - a fresh instance holds the declared defaults, and every stored plain
//     value declares one (or says that owner or start-up sets it);
//   - setting a property to another valid value calls the change handler
//     once, setting it to the value it holds does not call it;
//   - a copy made by the walker compares equal, an untouched instance not.
// Nested objects are walked into, and their changes must reach the change
// handler of the instance the table made.
#include "chart/core/ChartEngine.h"
#include "chart/core/PublishedProperties.h"
#include "chart/core/TPlotPersistent.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QMetaEnum>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

struct PublishedClassRow {
  std::string name;
  // Makes an instance that calls `onChange` when any published value changes.
  std::function<std::unique_ptr<TPlotPersistent>(TPlotPersistent::ChangeHandler onChange)> make;
  // Values to set where the checks' own choice would not be valid, by
  // property path ("Pen.Width").
  QVariantMap otherValues = {};
  // Property paths the checks leave alone.
  QStringList skip = {};
};

inline void PrintTo(const PublishedClassRow& row, std::ostream* os) {
  *os << row.name;
}

// "Another valid value" of a property: a different member of an enum, one
// set member toggled, another colour, a number one up, a longer text or
// list, an image.
inline QVariant OtherPublishedValue(const PublishedProperty& p, const QVariant& current) {
  if (p.kind == PublishedKind::Color)
    return QVariant(current.toUInt() == 0x0000FFu ? 0xFF0000u : 0x0000FFu);
  if (p.kind == PublishedKind::Picture) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(current.value<QImage>().isNull() ? Qt::red : Qt::blue);
    return image;
  }
  if (p.meta.isEnumType()) {
    const QMetaEnum e = p.meta.enumerator();
    const int value = current.toInt();
    if (e.isFlag()) return e.keyCount() > 0 ? QVariant(value ^ e.value(0)) : QVariant();
    for (int i = 0; i < e.keyCount(); ++i) {
      if (e.value(i) != value) return e.value(i);
    }
    return {};
  }
  switch (current.metaType().id()) {
    case QMetaType::Bool:
      return !current.toBool();
    case QMetaType::Double: {
      const double d = current.toDouble();
      return std::isfinite(d) && d + 1 != d ? d + 1 : 1.0;
    }
    case QMetaType::Int:
      return current.toInt() + 1;
    case QMetaType::UInt:
      return current.toUInt() + 1;
    case QMetaType::QString:
      return current.toString() + QStringLiteral("x");
    case QMetaType::QStringList:
      return current.toStringList() << QStringLiteral("x");
    default:
      return {};
  }
}

namespace published_checks {

// Calls `visit(object, property, path)` for every published property,
// nested objects' properties included (after the nested object itself).
template <class Visit>
void Walk(QObject& object, const QString& prefix, const Visit& visit) {
  for (const PublishedProperty& p : PublishedProperties(object)) {
    const QString path = prefix + p.name;
    visit(object, p, path);
    if (QObject* nested = PublishedObject(object, p)) Walk(*nested, path + QLatin1Char('.'), visit);
  }
}

inline QVariant OtherValue(const PublishedClassRow& row, const PublishedProperty& p,
                           const QString& path, const QVariant& current) {
  if (row.otherValues.contains(path)) return row.otherValues.value(path);
  return OtherPublishedValue(p, current);
}

inline bool Settable(const PublishedClassRow& row, const PublishedProperty& p,
                     const QString& path) {
  return !row.skip.contains(path) && !p.nested && p.meta.isWritable();
}

}  // namespace published_checks

inline void CheckDeclaredDefaults(const PublishedClassRow& row) {
  int changes = 0;
  auto object = row.make([&] { ++changes; });
  ASSERT_TRUE(object);
  published_checks::Walk(*object, {},
                         [&](QObject& o, const PublishedProperty& p, const QString& path) {
                           if (row.skip.contains(path) || p.nested || !p.meta.isStored()) return;
                           SCOPED_TRACE(path.toStdString());
                           if (p.defaultSource == DefaultSource::Undeclared) {
                             ADD_FAILURE() << "no default declared";
                             return;
                           }
                           if (p.defaultSource != DefaultSource::Declared) return;
                           EXPECT_TRUE(p.defaultValue.isValid())
                               << "default text does not parse: " << p.defaultText.toStdString();
                           EXPECT_TRUE(IsDefaultValue(o, p))
                               << "fresh value " << PublishedValue(o, p).toString().toStdString()
                               << ", declared " << p.defaultText.toStdString();
                         });
  EXPECT_EQ(changes, 0) << "construction called the change handler";
}

inline void CheckOneChangePerChange(const PublishedClassRow& row) {
  int changes = 0;
  auto object = row.make([&] { ++changes; });
  ASSERT_TRUE(object);
  int checked = 0;
  published_checks::Walk(
      *object, {}, [&](QObject& o, const PublishedProperty& p, const QString& path) {
        if (!published_checks::Settable(row, p, path)) return;
        SCOPED_TRACE(path.toStdString());
        const QVariant before = PublishedValue(o, p);
        const QVariant other = published_checks::OtherValue(row, p, path, before);
        if (!other.isValid()) return;
        ++checked;
        changes = 0;
        ASSERT_TRUE(p.meta.write(&o, before));
        EXPECT_EQ(changes, 0) << "the same value counted as a change";
        ASSERT_TRUE(p.meta.write(&o, other));
        EXPECT_EQ(changes, 1) << "a new value must call the change handler once";
        EXPECT_TRUE(SamePublishedValue(PublishedValue(o, p), other))
            << "the new value did not stick";
        EXPECT_FALSE(IsDefaultValue(o, p));
        changes = 0;
        ASSERT_TRUE(p.meta.write(&o, other));
        EXPECT_EQ(changes, 0) << "the same value counted as a change";
        ASSERT_TRUE(p.meta.write(&o, before));
      });
  EXPECT_GT(checked, 0) << "nothing to set: the class publishes no settable value";
}

inline void CheckCopiesCompareEqual(const PublishedClassRow& row) {
  auto changed = row.make({});
  auto copy = row.make({});
  ASSERT_TRUE(changed && copy);
  bool any = false;
  published_checks::Walk(
      *changed, {}, [&](QObject& o, const PublishedProperty& p, const QString& path) {
        if (!published_checks::Settable(row, p, path)) return;
        const QVariant other = published_checks::OtherValue(row, p, path, PublishedValue(o, p));
        if (other.isValid() && p.meta.write(&o, other)) any = true;
      });
  ASSERT_TRUE(any);
  EXPECT_FALSE(SamePublished(*changed, *copy))
      << "a changed instance compares equal to a fresh one";
  CopyPublished(*changed, *copy);
  EXPECT_TRUE(SamePublished(*changed, *copy));
  EXPECT_TRUE(SamePublished(*copy, *changed));
}

// The published property names of a class in stored order, blank-separated.
inline QString PublishedNames(const QMetaObject& meta) {
  QStringList out;
  for (const PublishedProperty& p : PublishedProperties(meta)) out << p.name;
  return out.join(QLatin1Char(' '));
}

// The test a layer's PublishedPropertiesTest.cpp instantiates over its table;
// defaults such as texts of the message table need the engine running.
class PublishedPropertiesTest : public testing::TestWithParam<PublishedClassRow> {
  ChartEngineScope engine_;
};

// The three checks over a layer's class table; once per test program:
//   PUBLISHED_PROPERTY_TESTS(Canvas, kCanvasClasses);
#define PUBLISHED_PROPERTY_TESTS(layer, table)                                       \
  TEST_P(PublishedPropertiesTest, FreshInstanceHoldsDeclaredDefaults) {              \
    CheckDeclaredDefaults(GetParam());                                               \
  }                                                                                  \
  TEST_P(PublishedPropertiesTest, EachNewValueIsOneChange) {                         \
    CheckOneChangePerChange(GetParam());                                             \
  }                                                                                  \
  TEST_P(PublishedPropertiesTest, WalkerCopiesCompareEqual) {                        \
    CheckCopiesCompareEqual(GetParam());                                             \
  }                                                                                  \
  INSTANTIATE_TEST_SUITE_P(layer, PublishedPropertiesTest, testing::ValuesIn(table), \
                           [](const auto& info) { return info.param.name; })
