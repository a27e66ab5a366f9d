#include "gl/TTransformationManager.h"

#include <algorithm>

void TTransformationManager::Register(ITransformation* transformation) {
  list_.push_back(transformation);
}

void TTransformationManager::Unregister(ITransformation* transformation) {
  const auto it = std::find(list_.begin(), list_.end(), transformation);
  if (it != list_.end()) list_.erase(it);
}

TTransformationManager& TransformationManager() {
  // Never destroyed: views may unregister while static objects go away.
  static TTransformationManager* manager = new TTransformationManager;
  return *manager;
}
