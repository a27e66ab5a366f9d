#include "resultdata/SearchSortedSingles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

// The number of entries below the value (compared as doubles); an exact hit
// gives the first equal entry; an empty array is never read.
TEST(SortedCoordinateSearch, CountsEntriesBelowTheValueInDoublePrecision) {
  const float values[] = {0, 1, 3, 3, 7};
  const double probes[] = {-1, 0, 0.5, 1, 2, 3, 5, 7, 8};
  const int expected[] = {0, 0, 1, 1, 2, 2, 4, 4, 5};
  for (std::size_t n = 0; n < std::size(probes); ++n)
    EXPECT_EQ(SearchSortedSingles(values, 5, probes[n]), expected[n]) << probes[n];
  EXPECT_EQ(SearchSortedSingles(values, 3, 5), 3);
  EXPECT_EQ(SearchSortedSingles(nullptr, 0, 1.0), 0);
  EXPECT_EQ(SearchSortedSingles(nullptr, -3, 1.0), 0);
  const float tenths[] = {0.1f, 0.2f};
  EXPECT_EQ(SearchSortedSingles(tenths, 2, 0.1), 0);  // 0.1 < 0.1f as doubles
  EXPECT_EQ(SearchSortedSingles(tenths, 2, double(0.2f)), 1);
  EXPECT_EQ(SearchSortedSingles(tenths, 2, std::nan("")), 2);
}
