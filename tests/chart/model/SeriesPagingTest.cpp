// Paging arithmetic: page counts, the points of a page (also one beyond the
// last after points were deleted) and the scale of a short last page.
#include "chart/model/SeriesPaging.h"

#include <gtest/gtest.h>

#include <climits>
#include <numeric>
#include <vector>

namespace {

TEST(SeriesPagingShowsWholePages, CountsAndPoints) {
  struct Case {
    int count, perPage, page;
    int pages;
    PagePoints points;
  } cases[] = {
      {25, 10, 1, 3, {0, 9}},
      {25, 10, 2, 3, {10, 19}},
      {25, 10, 3, 3, {20, 24}},
      {25, 10, 4, 3, {20, 24}},  // beyond the last: the last page, not the one before
      {25, 10, 9, 3, {20, 24}},
      {20, 10, 3, 2, {10, 19}},
      {20, 10, 0, 2, {0, 9}},
      {5, 10, 1, 1, {0, 4}},
      {1, 1, 7, 1, {0, 0}},
      {INT_MAX, INT_MAX, INT_MAX, 1, {0, INT_MAX - 1}},
      {INT_MAX, 2, INT_MAX, INT_MAX / 2 + 1, {INT_MAX - 1, INT_MAX - 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.count << " points, " << c.perPage << " per page, page " << c.page);
    EXPECT_EQ(PageCountOf(c.count, c.perPage), c.pages);
    EXPECT_EQ(PagePointsOf(c.count, c.perPage, c.page), c.points);
  }
  EXPECT_EQ(PageCountOf(25, 0), 1);
  EXPECT_EQ(PageCountOf(0, 10), 1);
}

TEST(SeriesPagingShowsWholePages, ShortLastPageKeepsAFullPagesScale) {
  std::vector<double> x(25);
  std::iota(x.begin(), x.end(), 0.0);
  std::vector<double> doubled(x);
  for (double& d : doubled) d *= 2;
  struct Case {
    const std::vector<double>* values;
    int count, perPage, page;
    double min, max;  // after scaling
  } cases[] = {
      {&x, 25, 10, 3, 20, 29},  // a full page spans 9 steps: 20..29
      {&x, 25, 10, 2, 10, 19},  // a full page is left alone
      {&x, 21, 10, 3, 20, 29},  // one point: the previous page's span
      {&doubled, 21, 10, 3, 40, 58},
      {&x, 1, 10, 1, 0, 0},     // one point and no full page before: unchanged
      {&x, 12, 10, 2, 10, 19},  // two points: their step, nine times
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.count << " points, page " << c.page);
    const std::vector<double> v(c.values->begin(), c.values->begin() + c.count);
    const PagePoints p = PagePointsOf(c.count, c.perPage, c.page);
    double min = v[p.first], max = v[p.last];
    ScaleShortPage(v, p, c.perPage, min, max);
    EXPECT_DOUBLE_EQ(min, c.min);
    EXPECT_DOUBLE_EQ(max, c.max);
  }
}

}  // namespace
