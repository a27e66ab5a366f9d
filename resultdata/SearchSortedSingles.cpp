#include "resultdata/SearchSortedSingles.h"

int SearchSortedSingles(const float* values, int count, double x) {
  int low = 0;
  int high = count - 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    if (x <= double(values[middle]))
      high = middle - 1;
    else
      low = middle + 1;
  }
  return low;
}
