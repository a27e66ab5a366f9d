#pragma once
// The engine's one sort: a quicksort over an index range that sees the data
// only through two callbacks, so a series can sort all of its value lists
// (and colours and labels) by one of them, exchanging whole points.
//
//   compare(a, b) -> int: negative, zero or positive as item a is before,
//                         equal to or after item b
//   swap(a, b):           exchanges items a and b
//
// The pivot is the item at the middle index, followed when a swap moves it.
// Items equal to the pivot stop both scans, so ranges of equal values split
// in the middle. The smaller part is sorted first by recursion and the larger
// one by the loop, which bounds the stack at log2 n frames. A range nested
// deeper than 2 * log2 n + 2 levels is heap-sorted with the same callbacks,
// so crafted data cannot force quadratic time; below that depth the order
// that results among equal items is the quicksort's.
//
// The comparison must answer 0 for an item against itself; the scans are
// bounded by the range regardless, so a careless comparison never makes the
// sort reach outside [first, last].
#include <algorithm>
#include <bit>

// How deep a sort went: tests and benchmarks read it.
struct PlotSortTrace {
  int deepestLevel = 0;      // the whole range is level 1
  int heapSortedRanges = 0;  // ranges that ended in the heap sort
};

namespace plotsort_detail {

template <class Compare, class Swap>
void HeapSort(int first, int last, Compare& compare, Swap& swap) {
  const int n = last - first + 1;
  // Sifts the item at heap position `root` (0-based) down within `size` items.
  auto siftDown = [&](int root, int size) {
    for (;;) {
      int child = 2 * root + 1;
      if (child >= size) return;
      if (child + 1 < size && compare(first + child, first + child + 1) < 0) ++child;
      if (compare(first + root, first + child) >= 0) return;
      swap(first + root, first + child);
      root = child;
    }
  };
  for (int root = n / 2 - 1; root >= 0; --root) siftDown(root, n);
  for (int size = n - 1; size > 0; --size) {
    swap(first, first + size);
    siftDown(0, size);
  }
}

template <class Compare, class Swap>
void SortRange(int l, int r, int level, int levelLimit, Compare& compare, Swap& swap,
               PlotSortTrace& trace) {
  while (l < r) {
    ++level;
    trace.deepestLevel = std::max(trace.deepestLevel, level);
    if (level > levelLimit) {
      ++trace.heapSortedRanges;
      HeapSort(l, r, compare, swap);
      return;
    }
    int i = l;
    int j = r;
    int p = l + (r - l) / 2;
    do {
      while (i < r && compare(i, p) < 0) ++i;
      while (j > l && compare(p, j) < 0) --j;
      if (i <= j) {
        // Exchanging an item with itself would be a wasted call; stepping
        // past it is what ends the partition when both scans meet on it.
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
    // [l, j] and [i, r] are both shorter than [l, r]: the first pass always
    // moves i past l and j below r.
    if (j - l < r - i) {
      if (l < j) SortRange(l, j, level, levelLimit, compare, swap, trace);
      l = i;
    } else {
      if (i < r) SortRange(i, r, level, levelLimit, compare, swap, trace);
      r = j;
    }
  }
}

}  // namespace plotsort_detail

template <class Compare, class Swap>
void PlotSort(int first, int last, Compare&& compare, Swap&& swap, PlotSortTrace& trace) {
  trace = {};
  if (first >= last) return;
  const unsigned n = static_cast<unsigned>(last - first) + 1u;
  const int log2n = std::bit_width(n) - 1;
  plotsort_detail::SortRange(first, last, 0, 2 * log2n + 2, compare, swap, trace);
}

template <class Compare, class Swap>
void PlotSort(int first, int last, Compare&& compare, Swap&& swap) {
  PlotSortTrace trace;
  PlotSort(first, last, compare, swap, trace);
}
