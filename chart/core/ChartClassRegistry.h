#pragma once
// Chart classes by name: the chart file, the gallery, "change series type"
// and copying create series, functions and tools through here.
//
// Names are the classes' own (TLineSeries) and are matched in any case. A
// name nobody registered gives null: chart files are untrusted and may name
// anything. Two classes under one name are a programming error that the
// engine's start-up reports by raising.
//
// A layer registers its classes in one function that the engine's start-up
// runs (AddChartClassRegistrar in ChartEngine.h):
//
//   void RegisterSeriesClasses(ChartClassRegistry& r) {
//     r.Register<TLineSeries>(ChartClassKind::Series);
//   }
#include "chart/core/TPlotPersistent.h"

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

enum class ChartClassKind { Series, Function, Tool, Other };

struct ChartClassEntry {
  // Makes a new instance; `owner` becomes its QObject parent and owns it
  // (with a null owner the caller does).
  using Factory = std::function<TPlotPersistent*(QObject* owner)>;

  QString name;
  const QMetaObject* metaObject = nullptr;
  ChartClassKind kind = ChartClassKind::Other;
  Factory create;
};

class ChartClassRegistry {
 public:
  // Registers under the meta-object's class name (without a C++ namespace). Raises ChartException
  // when the name (in any case) is taken, or without a factory.
  void Register(const QMetaObject& metaObject, ChartClassKind kind,
                ChartClassEntry::Factory create);

  // For classes constructible from their owner: `T(QObject* owner)`.
  template <class T>
  void Register(ChartClassKind kind) {
    Register(T::staticMetaObject, kind, [](QObject* owner) { return new T(owner); });
  }

  // Null for a name nobody registered.
  const ChartClassEntry* Find(const QString& name) const;
  // A new instance of the named class, or null for an unknown name.
  TPlotPersistent* Create(const QString& name, QObject* owner = nullptr) const;

  // Entries of one kind in registration order.
  QList<const ChartClassEntry*> Entries(ChartClassKind kind) const;
  int Count() const { return static_cast<int>(entries_.size()); }

  void Clear();

 private:
  std::vector<std::unique_ptr<ChartClassEntry>> entries_;
  QHash<QString, const ChartClassEntry*> byName_;  // case-folded name
};

// The engine's registry: filled by the start-up, emptied by the last shut-down.
ChartClassRegistry& ChartClasses();
