#include "charteditor/common/ChartEditorScope.h"

#include "chart/core/RegistrarList.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/common/EditorMessages.h"
#include "charteditor/common/EditorPageRegistry.h"

#include <algorithm>
#include <vector>

namespace {

int starts = 0;

std::vector<EditorFormRegistrar>& registrars() {
  static std::vector<EditorFormRegistrar> list;
  return list;
}

void start() {
  if (starts++ > 0) return;
  StartEditorMessages();
  try {
    for (EditorFormRegistrar r : registrars()) r(EditorForms());
  } catch (...) {
    EditorForms().Clear();
    EditorPages().Clear();
    StopEditorMessages();
    starts = 0;
    throw;
  }
}

void stop() {
  if (starts == 0 || --starts > 0) return;
  EditorForms().Clear();
  EditorPages().Clear();
  StopEditorMessages();
}

}  // namespace

void AddEditorFormRegistrar(EditorFormRegistrar registrar) {
  AddRegistrar(registrars(), registrar, starts > 0, EditorForms());
}

void RemoveEditorFormRegistrar(EditorFormRegistrar registrar) {
  RemoveRegistrar(registrars(), registrar);
}

ChartEditorScope::ChartEditorScope(std::initializer_list<EditorFormRegistrar> registrarList,
                                   std::initializer_list<ChartClassRegistrar> chartRegistrars)
    : engine_(chartRegistrars) {
  auto& list = registrars();
  std::vector<EditorFormRegistrar> added;
  for (EditorFormRegistrar r : registrarList)
    if (ListRegistrar(list, r)) added.push_back(r);
  try {
    start();
  } catch (...) {
    // A failed start-up keeps none of the registrars it was handed.
    for (EditorFormRegistrar r : added) RemoveEditorFormRegistrar(r);
    throw;
  }
}

ChartEditorScope::~ChartEditorScope() {
  stop();
}
