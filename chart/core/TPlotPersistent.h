#pragma once
// The base of every persistent chart object: pens, brushes, fonts, panels,
// axes, legend, titles, walls, series, marks, functions, tools.
//
// Published properties are Qt properties (Q_PROPERTY) in the order the chart
// file stores them. Each one's default is declared beside it, so that
// "stored only when not default", copying and comparing need no per-class code:
//
//   Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
//   Q_CLASSINFO("default:Visible", "true")
//
// Default texts: booleans "true"/"false"; integers in decimal; colours as
// "$BBGGRR" hex (clNone is "$1FFFFFFF"); doubles with a '.' decimal; enums by
// their identifier ("esRound", declared with Q_ENUM); sets as identifiers
// joined by '|' ("" for the empty set, declared with Q_FLAG); strings as they
// are. "@owner" marks a default the owner sets at creation, "@startup" one set
// at engine start-up (the default font name).
// Colour properties are integers to the meta-object, so they say so:
//   Q_CLASSINFO("kind:Color", "color")
// Nested persistent objects are properties of a TPlotPersistent* type;
// pictures and collections say "picture" and "collection" in the same way.
//
// A change of any published value calls the change handler the owner gave at
// creation; the owner repaints (a pen tells its series, the series its chart).
// PublishedProperties.h walks, copies and compares what a class declares.
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <functional>
#include <type_traits>
#include <utility>

class TPlotPersistent : public QObject {
  Q_OBJECT

 public:
  using ChangeHandler = std::function<void()>;

  explicit TPlotPersistent(ChangeHandler onChange = {}, QObject* parent = nullptr)
      : QObject(parent), onChange_(std::move(onChange)) {}

  void SetChangeHandler(ChangeHandler onChange) { onChange_ = std::move(onChange); }

  // Values a class stores besides its published properties ("Identifier" and
  // "Style" of a series), written after them in this order.
  virtual QStringList ExtraStoredNames() const { return {}; }
  virtual QVariant ExtraStoredValue(const QString& /*name*/) const { return {}; }
  // Takes a stored value that no published property holds: an extra one, or
  // a legacy one older files carry ("Multiplier"). Answers false for a name
  // the class does not know, which the reader then skips. Stored values are
  // untrusted: a value of the wrong type or range is ignored.
  virtual bool ReadExtraStored(const QString& /*name*/, const QVariant& /*value*/) { return false; }

 protected:
  // Tells the owner that a published value changed.
  void Changed() const {
    if (onChange_) onChange_();
  }

  // Stores `value` in `field`; only when it differs, calls Changed() and
  // answers true. The setters of published properties go through here.
  // A NaN stored over a NaN is no change (NaN != NaN would repaint forever).
  template <class T, class U>
  bool Store(T& field, U&& value) {
    if (field == value) return false;
    if constexpr (std::is_floating_point_v<T>) {
      if (std::isnan(field) && std::isnan(static_cast<T>(value))) return false;
    }
    field = std::forward<U>(value);
    Changed();
    return true;
  }

 private:
  ChangeHandler onChange_;
};
