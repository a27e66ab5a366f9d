#include "chart/series/TExplodedSlices.h"

#include <algorithm>
#include <utility>

bool TExplodedSlices::SetValue(int index, int percent) {
  if (index < 0 || Value(index) == percent) return false;
  const auto at = static_cast<std::size_t>(index);
  if (values_.size() <= at) values_.resize(at + 1, 0);
  values_[at] = percent;
  return true;
}

void TExplodedSlices::Delete(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= values_.size()) return;
  values_.erase(values_.begin() + index);
}

void TExplodedSlices::Exchange(int a, int b, int count) {
  // Equal entries (two slices that were never set) need no list at all.
  if (a < 0 || b < 0 || a == b || Value(a) == Value(b)) return;
  const std::size_t reach = static_cast<std::size_t>(std::max({a, b, count - 1})) + 1;
  if (values_.size() < reach) values_.resize(reach, 0);
  std::swap(values_[static_cast<std::size_t>(a)], values_[static_cast<std::size_t>(b)]);
}

int TExplodedSlices::Largest(int* index) const {
  int best = 0, at = -1;
  for (std::size_t i = 0; i < values_.size(); ++i) {
    if (values_[i] > best) {
      best = values_[i];
      at = static_cast<int>(i);
    }
  }
  if (index) *index = at;
  return best;
}
