#pragma once
// The process-wide transformation registry: the views register their
// transform interface when created and unregister it when destroyed. It does
// not own the interfaces. Main thread only.
#include "gl/ITransformation.h"

#include <cstddef>
#include <vector>

class TTransformationManager {
 public:
  // Appends; an interface registered twice is listed twice.
  void Register(ITransformation* transformation);
  // Removes the first entry of the interface, if any.
  void Unregister(ITransformation* transformation);

  int Count() const { return int(list_.size()); }
  ITransformation* Items(int index) const { return list_.at(std::size_t(index)); }

 private:
  std::vector<ITransformation*> list_;
};

// The one registry of the process, alive until the process ends.
TTransformationManager& TransformationManager();
