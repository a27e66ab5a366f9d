// The engine's quicksort sees its data only through compare and swap
// callbacks. Below its depth limit it must leave equal items in the order the
// plain middle-pivot quicksort leaves them (stored charts were sorted that
// way); crafted data must not make it quadratic.
#include "chart/core/PlotSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Items carry a key and a tag that tells equal keys apart.
struct Item {
  int key;
  int tag;
};

std::vector<Item> RandomItems(std::mt19937& rng, int n, int distinctKeys) {
  std::uniform_int_distribution<int> key(0, distinctKeys - 1);
  std::vector<Item> items(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) items[static_cast<std::size_t>(i)] = {key(rng), i};
  return items;
}

int Compare(const std::vector<Item>& items, int a, int b) {
  const int ka = items[static_cast<std::size_t>(a)].key;
  const int kb = items[static_cast<std::size_t>(b)].key;
  return ka < kb ? -1 : (ka > kb ? 1 : 0);
}

// The plain quicksort as first written: both parts by recursion, no limit.
template <class Compare, class Swap>
void ReferenceQuickSort(int l, int r, Compare& compare, Swap& swap) {
  int i = l;
  int j = r;
  int p = (l + r) / 2;
  do {
    while (compare(i, p) < 0) ++i;
    while (compare(p, j) < 0) --j;
    if (i <= j) {
      if (i < j) {
        swap(i, j);
        if (p == i) {
          p = j;
        } else if (p == j) {
          p = i;
        }
      }
      ++i;
      --j;
    }
  } while (i <= j);
  if (l < j) ReferenceQuickSort(l, j, compare, swap);
  if (i < r) ReferenceQuickSort(i, r, compare, swap);
}

std::vector<int> Tags(const std::vector<Item>& items) {
  std::vector<int> tags;
  for (const Item& it : items) tags.push_back(it.tag);
  return tags;
}

TEST(PlotSortOrdersThroughCallbacks, DuplicatesAndTheQuicksortsOrderOfEqualItems) {
  struct Case {
    int n;
    int distinctKeys;
  };
  const Case cases[] = {{0, 1},  {1, 1},   {2, 1},   {2, 2},    {3, 2},      {7, 1},
                        {50, 3}, {64, 64}, {300, 5}, {1000, 4}, {1000, 1000}};
  std::mt19937 rng(16);
  int runs = 0;
  int comparedWithReference = 0;
  for (const Case& c : cases) {
    for (int round = 0; round < 40; ++round) {
      SCOPED_TRACE(testing::Message() << "n " << c.n << " keys " << c.distinctKeys);
      std::vector<Item> items = RandomItems(rng, c.n, c.distinctKeys);
      std::vector<Item> expected = items;
      PlotSortTrace trace;
      PlotSort(
          0, c.n - 1, [&](int a, int b) { return Compare(items, a, b); },
          [&](int a, int b) {
            EXPECT_TRUE(a >= 0 && a < c.n && b >= 0 && b < c.n);
            std::swap(items[static_cast<std::size_t>(a)], items[static_cast<std::size_t>(b)]);
          },
          trace);
      ASSERT_TRUE(std::is_sorted(items.begin(), items.end(),
                                 [](const Item& a, const Item& b) { return a.key < b.key; }));
      std::vector<int> tags = Tags(items);
      std::sort(tags.begin(), tags.end());
      std::vector<int> all(static_cast<std::size_t>(c.n));
      std::iota(all.begin(), all.end(), 0);
      ASSERT_EQ(tags, all);  // a permutation: nothing lost or doubled
      const int log2n = c.n > 0 ? std::bit_width(static_cast<unsigned>(c.n)) - 1 : 0;
      EXPECT_LE(trace.deepestLevel, 2 * log2n + 3);

      ++runs;
      // Random data now and then nests deeper than the limit; the heap sort
      // then orders equal items its own way.
      if (trace.heapSortedRanges > 0) continue;
      auto cmp = [&](int a, int b) { return Compare(expected, a, b); };
      auto swp = [&](int a, int b) {
        std::swap(expected[static_cast<std::size_t>(a)], expected[static_cast<std::size_t>(b)]);
      };
      if (c.n > 1) ReferenceQuickSort(0, c.n - 1, cmp, swp);
      ASSERT_EQ(Tags(items), Tags(expected));
      ++comparedWithReference;
    }
  }
  EXPECT_GT(comparedWithReference, runs * 9 / 10);
}

// A comparison that decides its answers as late as it can, so that every
// pivot turns out to be nearly the smallest item of its range (the "killer
// adversary" construction). Items start as "gas", above every decided value.
class LazyAdversary {
 public:
  explicit LazyAdversary(int n) : gas_(n), value_(static_cast<std::size_t>(n), n), at_(n) {
    std::iota(at_.begin(), at_.end(), 0);
  }
  int Compare(int a, int b) {
    ++comparisons;
    const int x = at_[static_cast<std::size_t>(a)];
    const int y = at_[static_cast<std::size_t>(b)];
    if (Gas(x) && Gas(y)) Freeze(x == candidate_ ? x : y);
    if (Gas(x)) {
      candidate_ = x;
    } else if (Gas(y)) {
      candidate_ = y;
    }
    return Value(x) - Value(y);
  }
  void Swap(int a, int b) {
    std::swap(at_[static_cast<std::size_t>(a)], at_[static_cast<std::size_t>(b)]);
  }
  bool Sorted() const {
    for (std::size_t i = 1; i < at_.size(); ++i) {
      if (Value(at_[i - 1]) > Value(at_[i])) return false;
    }
    return true;
  }
  long long comparisons = 0;

 private:
  bool Gas(int item) const { return Value(item) == gas_; }
  int Value(int item) const { return value_[static_cast<std::size_t>(item)]; }
  void Freeze(int item) { value_[static_cast<std::size_t>(item)] = solid_++; }

  int gas_;
  std::vector<int> value_;  // by item
  std::vector<int> at_;     // item at each index
  int solid_ = 0;
  int candidate_ = -1;
};

TEST(PlotSortOrdersThroughCallbacks, CraftedComparisonsStayNearNLogN) {
  // The adversary is worth its name: the plain quicksort needs about n^2/4.
  {
    const int n = 2000;
    LazyAdversary adversary(n);
    auto cmp = [&](int a, int b) { return adversary.Compare(a, b); };
    auto swp = [&](int a, int b) { adversary.Swap(a, b); };
    ReferenceQuickSort(0, n - 1, cmp, swp);
    EXPECT_GT(adversary.comparisons, static_cast<long long>(n) * n / 5);
  }
  const int n = 100000;
  LazyAdversary adversary(n);
  PlotSortTrace trace;
  PlotSort(
      0, n - 1, [&](int a, int b) { return adversary.Compare(a, b); },
      [&](int a, int b) { adversary.Swap(a, b); }, trace);
  EXPECT_TRUE(adversary.Sorted());
  const double log2n = std::log2(static_cast<double>(n));
  EXPECT_LT(static_cast<double>(adversary.comparisons), 40.0 * n * log2n);
  EXPECT_LE(trace.deepestLevel, 2 * log2n + 3);
  EXPECT_GT(trace.heapSortedRanges, 0);
}

}  // namespace
