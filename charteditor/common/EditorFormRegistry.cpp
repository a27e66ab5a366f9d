#include "charteditor/common/EditorFormRegistry.h"

#include "chart/core/ChartExceptions.h"
#include "charteditor/common/TEditorForm.h"

void EditorFormRegistry::Register(const QString& name, Factory create) {
  if (name.isEmpty() || !create)
    throw ChartException(QStringLiteral("Editor form \"%1\" has no name or factory").arg(name));
  const QString key = name.toCaseFolded();
  if (factories_.contains(key))
    throw ChartException(QStringLiteral("An editor form named %1 already exists").arg(name));
  factories_.insert(key, std::move(create));
}

bool EditorFormRegistry::Contains(const QString& name) const {
  return factories_.contains(name.toCaseFolded());
}

TEditorForm* EditorFormRegistry::Create(const QString& name, QWidget* owner) const {
  const auto it = factories_.constFind(name.toCaseFolded());
  return it == factories_.constEnd() ? nullptr : (*it)(owner);
}

EditorFormRegistry& EditorForms() {
  static EditorFormRegistry registry;
  return registry;
}
