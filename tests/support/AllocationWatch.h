#pragma once
// The largest single heap allocation made while a watch is active, seen through
// the sanitizer allocator's hooks; not Available() without AddressSanitizer.
#include <cstddef>

class AllocationWatch {
 public:
  AllocationWatch();
  ~AllocationWatch();
  static bool Available();
  std::size_t Largest() const;
};
