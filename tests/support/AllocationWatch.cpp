#include "tests/support/AllocationWatch.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)
#define VELTRANO_ALLOCATION_HOOKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTRANO_ALLOCATION_HOOKS 1
#endif
#endif

namespace {
std::atomic<bool> watching{false};
std::atomic<std::size_t> largest{0};
std::atomic<std::size_t> count{0};
}  // namespace

#ifdef VELTRANO_ALLOCATION_HOOKS
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*,
                                                                  std::size_t),
                                                         void (*)(const volatile void*));
static void onMalloc(const volatile void*, std::size_t size) {
  if (watching.load(std::memory_order_relaxed)) count.fetch_add(1, std::memory_order_relaxed);
  std::size_t seen = largest.load(std::memory_order_relaxed);
  while (watching.load(std::memory_order_relaxed) && size > seen &&
         !largest.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
  }
}
static void onFree(const volatile void*) {}
static const bool hooksInstalled = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0;
#else
static const bool hooksInstalled = false;
#endif

AllocationWatch::AllocationWatch() {
  largest = 0;
  count = 0;
  watching = true;
}
AllocationWatch::~AllocationWatch() {
  watching = false;
}
bool AllocationWatch::Available() {
  return hooksInstalled;
}
std::size_t AllocationWatch::Largest() const {
  return largest.load();
}
std::size_t AllocationWatch::Count() const {
  return count.load();
}
