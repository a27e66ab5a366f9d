#include "resultdata/SearchSortedSingles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The number of entries below the value; an exact hit gives the first equal entry.
TEST(SortedCoordinateSearch, CountsEntriesBelowTheValueInDoublePrecision) {
  const float three[] = {0, 1, 3};
  const float repeated[] = {0, 1, 3, 3, 7};
  const float tenths[] = {0.1f, 0.2f};
  const struct {
    const float* values;
    int count;
    double value;
    int index;
  } cases[] = {{three, 3, -1, 0},
               {three, 3, 0.5, 1},
               {three, 3, 2, 2},
               {three, 3, 5, 3},
               {repeated, 5, 0, 0},
               {repeated, 5, 3, 2},
               {repeated, 5, 7, 4},
               {nullptr, 0, 1, 0},
               {nullptr, -3, 1, 0},
               {tenths, 2, 0.1, 0},  // 0.1 < 0.1f as doubles
               {tenths, 2, double(0.2f), 1},
               {tenths, 2, std::nan(""), 2}};
  for (const auto& c : cases)
    EXPECT_EQ(SearchSortedSingles(c.values, c.count, c.value), c.index)
        << c.count << ", " << c.value;
}

}  // namespace
