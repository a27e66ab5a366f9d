// The list of start-up registration functions that a counted engine keeps
// (the chart's class registrations, the editor's form registrations): each
// function once, in the order added, and one added while the engine runs
// registers at once.
#pragma once

#include <algorithm>
#include <vector>

template <class Registry>
using RegistrarFunction = void (*)(Registry&);

template <class Registry>
void RemoveRegistrar(std::vector<RegistrarFunction<Registry>>& list,
                     RegistrarFunction<Registry> registrar) {
  list.erase(std::remove(list.begin(), list.end(), registrar), list.end());
}

// Adds `registrar` unless listed; true when it was new.
template <class Registry>
bool ListRegistrar(std::vector<RegistrarFunction<Registry>>& list,
                   RegistrarFunction<Registry> registrar) {
  if (!registrar || std::find(list.begin(), list.end(), registrar) != list.end()) return false;
  list.push_back(registrar);
  return true;
}

// Lists `registrar`; while the engine runs it registers into `registry` at
// once, and a registrar that throws is taken off the list again.
template <class Registry>
void AddRegistrar(std::vector<RegistrarFunction<Registry>>& list,
                  RegistrarFunction<Registry> registrar, bool running, Registry& registry) {
  if (!ListRegistrar(list, registrar) || !running) return;
  try {
    registrar(registry);
  } catch (...) {
    RemoveRegistrar(list, registrar);
    throw;
  }
}
