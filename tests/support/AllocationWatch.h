#pragma once
// The heap allocations made while a watch is active (their number and the
// largest), seen through the sanitizer allocator's hooks; not Available()
// without AddressSanitizer.
#include <cstddef>

class AllocationWatch {
 public:
  AllocationWatch();
  ~AllocationWatch();
  static bool Available();
  std::size_t Largest() const;
  std::size_t Count() const;
};
