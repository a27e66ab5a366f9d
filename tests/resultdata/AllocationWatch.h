#pragma once
// The largest single heap allocation made while a watch is active, seen
// through the sanitizer allocator's hooks (tests always run sanitized).
// Available() is false in a build without AddressSanitizer.
#include <cstddef>

class AllocationWatch {
 public:
  AllocationWatch();
  ~AllocationWatch();
  AllocationWatch(const AllocationWatch&) = delete;
  AllocationWatch& operator=(const AllocationWatch&) = delete;

  static bool Available();
  std::size_t Largest() const;
};
