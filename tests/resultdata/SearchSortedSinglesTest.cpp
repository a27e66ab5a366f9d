#include "resultdata/SearchSortedSingles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SortedCoordinateSearch, CountsEntriesBelowTheValue) {
  const float values[] = {0, 1, 3};
  EXPECT_EQ(SearchSortedSingles(values, 3, -1), 0);
  EXPECT_EQ(SearchSortedSingles(values, 3, 0.5), 1);
  EXPECT_EQ(SearchSortedSingles(values, 3, 2), 2);
  EXPECT_EQ(SearchSortedSingles(values, 3, 5), 3);
}

TEST(SortedCoordinateSearch, ExactHitGivesTheIndexOfTheEqualEntry) {
  const float values[] = {0, 1, 3, 3, 7};
  EXPECT_EQ(SearchSortedSingles(values, 5, 0), 0);
  EXPECT_EQ(SearchSortedSingles(values, 5, 1), 1);
  EXPECT_EQ(SearchSortedSingles(values, 5, 3), 2);
  EXPECT_EQ(SearchSortedSingles(values, 5, 7), 4);
}

TEST(SortedCoordinateSearch, EmptyArrayIsNeverRead) {
  EXPECT_EQ(SearchSortedSingles(nullptr, 0, 1.0), 0);
  EXPECT_EQ(SearchSortedSingles(nullptr, -3, 1.0), 0);
}

TEST(SortedCoordinateSearch, CompareInDoublePrecision) {
  const float values[] = {0.1f, 0.2f};
  EXPECT_EQ(SearchSortedSingles(values, 2, 0.1), 0);  // 0.1 < 0.1f as doubles
  EXPECT_EQ(SearchSortedSingles(values, 2, double(0.2f)), 1);
  EXPECT_EQ(SearchSortedSingles(values, 2, std::nan("")), 2);
}

}  // namespace
