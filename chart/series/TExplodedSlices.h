#pragma once
// How far each slice of a pie moves out from the centre, in percent of the
// radius, one entry per point. The list grows only when a slice is set, so
// entries past its end read as 0 and a pie of a million points without
// exploded slices keeps no list at all.
#include <vector>

class TExplodedSlices {
 public:
  // The percentage of slice `index` (0 for any index the list does not reach).
  int Value(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < values_.size()
               ? values_[static_cast<std::size_t>(index)]
               : 0;
  }
  // Stores `percent` for slice `index` (a negative index changes nothing);
  // answers whether the value changed.
  bool SetValue(int index, int percent);
  int Count() const { return static_cast<int>(values_.size()); }
  void Clear() { values_.clear(); }
  // Removes entry `index` when the list reaches it: the later slices keep
  // their settings as they move up.
  void Delete(int index);
  // Exchanges two entries, growing the list to `count` entries first so that
  // both exist.
  void Exchange(int a, int b, int count);
  // The largest percentage and the first slice that has it (-1: none above 0).
  int Largest(int* index = nullptr) const;
  bool operator==(const TExplodedSlices&) const = default;

 private:
  std::vector<int> values_;
};
