#include "chart/core/ChartClassRegistry.h"

#include "chart/core/ChartExceptions.h"

namespace {

QString key(const QString& name) {
  return name.toCaseFolded();
}

}  // namespace

void ChartClassRegistry::Register(const QMetaObject& metaObject, ChartClassKind kind,
                                  ChartClassEntry::Factory create) {
  // Files name classes without C++ namespaces.
  QString name = QString::fromLatin1(metaObject.className());
  const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
  if (colons >= 0) name = name.mid(colons + 2);
  if (!create) throw ChartException(QStringLiteral("Chart class %1 has no factory").arg(name));
  if (byName_.contains(key(name)))
    throw ChartException(QStringLiteral("A chart class named %1 already exists").arg(name));
  auto entry = std::make_unique<ChartClassEntry>();
  entry->name = name;
  entry->metaObject = &metaObject;
  entry->kind = kind;
  entry->create = std::move(create);
  byName_.insert(key(name), entry.get());
  entries_.push_back(std::move(entry));
}

const ChartClassEntry* ChartClassRegistry::Find(const QString& name) const {
  return byName_.value(key(name), nullptr);
}

TPlotPersistent* ChartClassRegistry::Create(const QString& name, QObject* owner) const {
  const ChartClassEntry* entry = Find(name);
  return entry ? entry->create(owner) : nullptr;
}

QList<const ChartClassEntry*> ChartClassRegistry::Entries(ChartClassKind kind) const {
  QList<const ChartClassEntry*> list;
  for (const auto& e : entries_) {
    if (e->kind == kind) list << e.get();
  }
  return list;
}

void ChartClassRegistry::Clear() {
  byName_.clear();
  entries_.clear();
}

ChartClassRegistry& ChartClasses() {
  static ChartClassRegistry registry;
  return registry;
}
