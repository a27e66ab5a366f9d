#include "charteditor/common/EditorPageRegistry.h"

#include "chart/core/ChartExceptions.h"

#include <QString>

void EditorPageRegistry::Register(EditorPage page, Factory create) {
  const int index = static_cast<int>(page);
  if (index < 0 || index >= EditorPageCount || !create)
    throw ChartException(QStringLiteral("Editor page %1 has no factory").arg(index));
  if (factories_[index])
    throw ChartException(QStringLiteral("Editor page %1 already has a factory").arg(index));
  factories_[index] = std::move(create);
}

bool EditorPageRegistry::Contains(EditorPage page) const {
  const int index = static_cast<int>(page);
  return index >= 0 && index < EditorPageCount && factories_[index];
}

QWidget* EditorPageRegistry::Create(EditorPage page, const EditorPageContext& context) const {
  return Contains(page) ? factories_[static_cast<int>(page)](context) : nullptr;
}

void EditorPageRegistry::Clear() {
  for (Factory& f : factories_) f = nullptr;
}

EditorPageRegistry& EditorPages() {
  static EditorPageRegistry registry;
  return registry;
}
